// Document path and baseline for the unsaved-changes check.
#include "image/DocumentSession.h"

#include "util/Translation.h"
namespace dpmr {

std::string DocumentSession::DisplayName() const {
    if (path_.empty()) return untitledName_;
    const auto slash = path_.find_last_of('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

void DocumentSession::Reset(std::string path, const RadioImage& wouldWrite, const FileStamp& disk) {
    path_ = std::move(path);
    untitledName_ = Tr("image", "Untitled");
    baseline_ = wouldWrite;
    disk_ = disk;
    unsaved_ = false;
}

void DocumentSession::ResetUnsaved(const RadioImage& wouldWrite, std::string untitledName) {
    Reset({}, wouldWrite);
    untitledName_ = std::move(untitledName);
    unsaved_ = true;
}

}  // namespace dpmr
