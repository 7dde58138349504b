// The backups of a run, one at a time.
#include "backup/BackupSink.h"

#include <ctime>

namespace dpmr {

BackupSink::BackupSink(std::string folder) : store_(std::move(folder)) {}

Status BackupSink::Save(const RadioImage& image, BackupKind kind, std::string* written) {
    const std::lock_guard lock(mutex_);
    return store_.Save(image, kind, std::time(nullptr), written);
}

Status BackupSink::MarkFailed(const std::string& path, std::string* renamed) {
    const std::lock_guard lock(mutex_);
    return store_.MarkFailed(path, renamed);
}

}  // namespace dpmr
