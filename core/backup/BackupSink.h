// BackupSink: where the transfers keep their backups, shared by every thread
// of a run (the fleet's workers take it together): one backup at a time, so
// that two radios' copies never race over names or over the removal of the
// oldest. A sink without a folder keeps nothing and says why.
#pragma once

#include <mutex>
#include <string>

#include "backup/BackupStore.h"

namespace dpmr {

class BackupSink {
  public:
    // The backups go to `folder` (BackupStore's rules); empty: nowhere.
    explicit BackupSink(std::string folder);
    BackupSink(const BackupSink&) = delete;
    BackupSink& operator=(const BackupSink&) = delete;

    bool HasFolder() const { return !store_.folder().empty(); }

    // BackupStore::Save of `image` now, and BackupStore::MarkFailed.
    Status Save(const RadioImage& image, BackupKind kind, std::string* written);
    Status MarkFailed(const std::string& path, std::string* renamed);

  private:
    const BackupStore store_;
    std::mutex mutex_;
};

}  // namespace dpmr
