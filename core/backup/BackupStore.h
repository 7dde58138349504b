// BackupStore: the automatic copies of every image read from the radio and of
// every image written to it, kept in the user's state folder so that a
// programming session never costs a configuration. Files are named with the
// local date and time and the kind ("2026-12-06_21-30-05_read.dat"), never
// replace one another (a clash gets "-2", "-3", ...) and only the newest are
// kept. Files in the folder that are not named this way are left alone.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// A write that did not end well (it never reached the radio, broke off, was
// stopped or failed its verify) is kept as a failed write, so that the list
// of backups is a true log of what the radio was given.
enum class BackupKind { kRead, kWrite, kFailedWrite };

// "read", "write" or "write-failed".
const char* BackupKindName(BackupKind kind);

// $XDG_STATE_HOME/dpmrcps/backups/ when XDG_STATE_HOME is an absolute path,
// else ~/.local/state/dpmrcps/backups/; empty when there is no home folder.
// Ends with '/'.
std::string DefaultBackupFolder();

// One backup as its name describes it.
struct BackupEntry {
    std::string path;      // folder + file name
    std::string fileName;  // "2026-12-06_21-30-05_read-2.dat"
    std::string time;      // "2026-12-06 21:30:05"
    BackupKind kind = BackupKind::kRead;
};

class BackupStore {
  public:
    static constexpr std::size_t kDefaultKeep = 100;

    // `folder` may lack its trailing '/'.
    explicit BackupStore(std::string folder, std::size_t keep = kDefaultKeep);
    const std::string& folder() const { return folder_; }

    // Writes `image` as a new backup of `kind` made at `when` (the folder is
    // made when missing), then deletes the oldest backups beyond the number
    // kept. On failure nothing is left behind and the message says what kind
    // of backup was not kept and why. `written` receives the file's path.
    Status Save(const RadioImage& image, BackupKind kind, std::time_t when,
                std::string* written = nullptr) const;

    // Marks the write backup at `path` (as Save gave it) as a failed write:
    // renamed to "..._write-failed.dat" with the same time, never replacing
    // another file. `renamed` receives the new path. The message says why
    // the mark could not be made.
    Status MarkFailed(const std::string& path, std::string* renamed = nullptr) const;

    // The backups in the folder, newest first. A folder that does not exist
    // holds none; one that cannot be read gives the failure.
    Status List(std::vector<BackupEntry>& out) const;

  private:
    std::string folder_;
    std::size_t keep_;
};

}  // namespace dpmr
