// The recent files list and its file: [Recent] "Count" and "File1".."File8".
#include "config/RecentFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "config/AppSettings.h"
#include "config/CIniFile.h"
#include "util/DecimalText.h"

namespace dpmr {

namespace {
constexpr const char* kSection = "Recent";
}  // namespace

std::string RecentFilesPath() {
    const std::string base = UserFolder("XDG_CONFIG_HOME", "/.config");
    return base.empty() ? base : base + "/dpmrcps/RecentFiles.ini";
}

RecentFiles::RecentFiles(std::string path) : file_(std::move(path)) {
    if (file_.empty()) return;
    const CIniFile ini(file_);
    const int count = ScanInt(ini.GetString(kSection, "Count", "0")).value_or(0);
    for (int k = 1; k <= std::min<int>(count, kMaxFiles); ++k) {
        const std::string p = ini.GetString(kSection, "File" + std::to_string(k), "");
        if (!p.empty() && std::find(paths_.begin(), paths_.end(), p) == paths_.end())
            paths_.push_back(p);
    }
}

void RecentFiles::Add(const std::string& path) {
    // A longer path would come back cut from the settings file.
    if (path.empty() || path.size() > CIniFile::kMaxValue ||
        path.find_first_of("\r\n") != std::string::npos)
        return;
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMaxFiles) paths_.resize(kMaxFiles);
    Save();
}

void RecentFiles::Remove(const std::string& path) {
    if (std::erase(paths_, path) != 0) Save();
}

void RecentFiles::Save() const {
    if (file_.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file_).parent_path(), ec);
    const CIniFile ini(file_);
    // Entries past Count are left in the file and never read.
    ini.WriteString(kSection, "Count", std::to_string(paths_.size()));
    for (std::size_t k = 0; k < paths_.size(); ++k)
        ini.WriteString(kSection, "File" + std::to_string(k + 1), paths_[k]);
}

}  // namespace dpmr
