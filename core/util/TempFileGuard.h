// TempFileGuard: while a save writes its temporary file, a signal that would
// end the program (SIGINT, SIGTERM, SIGHUP) removes that file first, and the
// file size limit's SIGXFSZ is ignored so that a write past the limit fails
// like one on a full disk instead of killing the program. Signals the program
// handles or ignores itself are left alone. One save at a time holds a guard.
#pragma once

#include <csignal>
#include <mutex>
#include <string>

namespace dpmr {

class TempFileGuard {
  public:
    explicit TempFileGuard(const std::string& tempPath);
    ~TempFileGuard();
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

    // The temporary file is gone (renamed into place or removed): a signal
    // from now on has nothing to remove.
    void Release();

  private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};

    std::unique_lock<std::mutex> lock_;
    struct sigaction previous_[std::size(kSignals)]{};
    bool installed_[std::size(kSignals)] = {};
};

}  // namespace dpmr
