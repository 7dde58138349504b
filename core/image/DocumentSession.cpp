// Document path and baseline for the unsaved-changes check.
#include "image/DocumentSession.h"

namespace dpmr {

std::string DocumentSession::DisplayName() const {
    if (path_.empty()) return "Untitled";
    const auto slash = path_.find_last_of('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

void DocumentSession::Reset(std::string path, const RadioImage& wouldWrite) {
    path_ = std::move(path);
    baseline_ = wouldWrite;
    unsaved_ = false;
}

void DocumentSession::ResetUnsaved(const RadioImage& wouldWrite) {
    Reset({}, wouldWrite);
    unsaved_ = true;
}

}  // namespace dpmr
