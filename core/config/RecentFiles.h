// RecentFiles: the last documents the user opened or saved, newest first, for
// File's "Recent Files" list. They are kept in a file of their own in the
// user's settings folder ($XDG_CONFIG_HOME/dpmrcps/RecentFiles.ini), so that
// remembering them never creates the user's Program.ini, whose existence
// decides where the port is kept.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dpmr {

class RecentFiles {
  public:
    static constexpr std::size_t kMaxFiles = 8;

    // The list kept in `path` (usually RecentFilesPath()); an empty path
    // keeps the list for this run only.
    explicit RecentFiles(std::string path);

    const std::vector<std::string>& Paths() const { return paths_; }
    // Puts `path` (absolute) first, drops it from further down and keeps the
    // newest kMaxFiles; the list is written at once.
    void Add(const std::string& path);
    // Drops `path` (a file that no longer exists) and writes the list.
    void Remove(const std::string& path);

  private:
    void Save() const;

    std::string file_;
    std::vector<std::string> paths_;
};

// $XDG_CONFIG_HOME/dpmrcps/RecentFiles.ini or ~/.config/dpmrcps/RecentFiles.ini;
// empty when the user has no home folder.
std::string RecentFilesPath();

}  // namespace dpmr
