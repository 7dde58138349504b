// TraceStore: the wire traces of the last transfers, kept in the user's
// state folder so that a transfer that went wrong can be looked into later
// (the problem report carries them). A trace is one file named after the
// local time and what the transfer did ("2026-12-06_21-30-05_write.trace"),
// never replacing another; only the newest are kept. Files in the folder
// that do not end in ".trace" are left alone.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "util/Result.h"

namespace dpmr {

// $XDG_STATE_HOME/dpmrcps/traces/ when XDG_STATE_HOME is an absolute path,
// else ~/.local/state/dpmrcps/traces/; empty when there is no home folder.
std::string DefaultTraceFolder();

class TraceStore {
  public:
    static constexpr std::size_t kKeep = 20;

    // `folder` may lack its trailing '/'; empty keeps nothing.
    explicit TraceStore(std::string folder, std::size_t keep = kKeep);
    const std::string& folder() const { return folder_; }

    // Writes `text` as a new trace of `what` (the folder is made when
    // missing) and removes the oldest beyond those kept; `written` receives
    // its path. The message says why it could not be kept.
    Status Keep(const std::string& text, const std::string& what,
                std::string* written = nullptr) const;

    // The traces in the folder, newest first.
    std::vector<std::string> List() const;

  private:
    std::string folder_;
    std::size_t keep_;
};

}  // namespace dpmr
