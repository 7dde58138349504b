// DocumentSession: which file the image belongs to, what it held when it was
// last opened, made new or saved, and what that file held on disk then, so
// that New, Open and Exit can ask before throwing edits away and Save before
// replacing changes another program made. The measure of the edits is what
// Save would write now, compared with that baseline, not a flag that every
// editor would have to remember to set.
#pragma once

#include <string>

#include "image/RadioImage.h"
#include "util/FileStamp.h"

namespace dpmr {

class DocumentSession {
  public:
    // The file of the document; empty for a new one.
    const std::string& path() const { return path_; }

    // The file name without its folder; for a new document "Untitled" or
    // the name it was given by ResetUnsaved.
    std::string DisplayName() const;

    // After New, Open or a successful Save: `wouldWrite` is what Save would
    // write at that moment, `disk` what the file held (none for New).
    void Reset(std::string path, const RadioImage& wouldWrite, const FileStamp& disk = {});

    // After an import or a Read: a new document that was never saved, shown
    // as `untitledName`. It counts as modified, whatever it holds, until the
    // next Reset.
    void ResetUnsaved(const RadioImage& wouldWrite, std::string untitledName = "Untitled");

    // True when saving now would write bytes that differ from the baseline
    // (always after ResetUnsaved or KeepOverDiskChange).
    bool IsModified(const RadioImage& wouldWrite) const {
        return unsaved_ || wouldWrite != baseline_;
    }

    // What the file held when it was last opened or saved here.
    const FileStamp& disk() const { return disk_; }

    // True when the document's file now holds something other than it did
    // then: another program or window saved it. A file that is gone is no
    // change to ask about (Save makes it again, nothing is lost).
    bool ChangedOnDisk(const FileStamp& now) const {
        return !path_.empty() && now.exists && !disk_.SameContentAs(now);
    }

    // The user keeps this document over the file's new content `now`: that
    // content is known from here on (no second question about it), and the
    // document counts as modified, since it differs from its file.
    void KeepOverDiskChange(const FileStamp& now) {
        disk_ = now;
        unsaved_ = true;
    }

  private:
    std::string path_;
    std::string untitledName_ = "Untitled";
    RadioImage baseline_;
    FileStamp disk_;
    bool unsaved_ = false;
};

}  // namespace dpmr
