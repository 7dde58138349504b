// TempDir: a fresh folder under /tmp for one test, removed with everything in
// it when the test ends.
#pragma once

#include <string>

namespace dpmr::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending with '/'.
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

}  // namespace dpmr::test
