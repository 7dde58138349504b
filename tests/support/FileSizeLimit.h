// FileSizeLimit: while it lives, no file of this process may grow past
// `bytes`, so a write fails part-way as on a full disk, for root too. The
// signal the limit raises (SIGXFSZ) is left as it is: a save must deal with it
// itself, or the test process ends.
#pragma once

#include <sys/resource.h>

namespace dpmr::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};

}  // namespace dpmr::test
