// DocumentSession: which file the image belongs to and what it held when it was
// last opened, made new or saved, so that New, Open and Exit can ask before
// throwing edits away. The measure is what Save would write now, compared with
// that baseline, not a flag that every editor would have to remember to set.
#pragma once

#include <string>

#include "image/RadioImage.h"

namespace dpmr {

class DocumentSession {
  public:
    // The file of the document; empty for a new one.
    const std::string& path() const { return path_; }

    // The file name without its folder, or "Untitled" for a new document.
    std::string DisplayName() const;

    // After New, Open or a successful Save: `wouldWrite` is what Save would
    // write at that moment.
    void Reset(std::string path, const RadioImage& wouldWrite);

    // After an import: a new document that was never saved. It counts as
    // modified, whatever it holds, until the next Reset.
    void ResetUnsaved(const RadioImage& wouldWrite);

    // True when saving now would write bytes that differ from the baseline
    // (always after ResetUnsaved).
    bool IsModified(const RadioImage& wouldWrite) const {
        return unsaved_ || wouldWrite != baseline_;
    }

  private:
    std::string path_;
    RadioImage baseline_;
    bool unsaved_ = false;
};

}  // namespace dpmr
