// InterruptScope: Ctrl+C handling for the life of a transfer. The handler
// only sets a lock-free flag that the transfer looks at after each block; the
// handler is reset as it runs, so a second Ctrl+C ends the program at once.
#pragma once

#include <signal.h>

namespace dpmr::cli {

class InterruptScope {
  public:
    explicit InterruptScope(void (*handler)(int)) {
        struct sigaction action {};
        action.sa_handler = handler;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptScope() { ::sigaction(SIGINT, &previous_, nullptr); }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

  private:
    struct sigaction previous_ {};
};

}  // namespace dpmr::cli
