// CIniFile: reads and writes one value of the settings file "Program.ini"
// (sections in brackets, key=value lines). A write changes only the line of
// that key and keeps the rest of the file as it was.
#pragma once

#include <string>

namespace dpmr {

class CIniFile {
  public:
    // Longest value handed back; longer values are cut.
    static constexpr std::size_t kMaxValue = 255;

    CIniFile() = default;
    explicit CIniFile(std::string path) : path_(std::move(path)) {}

    // Path = folder + name (the folder ends with '/').
    void SetFileName(const std::string& folder, const std::string& name) { path_ = folder + name; }
    void SetPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }

    // The value of key in section (both matched without regard to case), or
    // `def` when the key, the section or the file is missing. An empty key
    // gives `def`.
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& def) const;

    // Writes key=value into section, adding the section or key when needed.
    // An empty key or value writes nothing and returns false; so does a file
    // that cannot be written.
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) const;

  private:
    std::string path_ = "./Program.ini";
};

}  // namespace dpmr
