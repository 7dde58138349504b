// InterruptScope: Ctrl+C, SIGTERM and SIGHUP handling for the life of a
// transfer. A logout, `kill` or a closed terminal stops the transfer the way
// Ctrl+C does: the handler only notes the signal and calls the command's
// handler, which sets a lock-free flag that the transfer looks at after each
// block, so the radio gets its end frame, the user is told what it holds and
// the backup is marked. Each signal's handler is reset as it runs, so the
// same signal a second time ends the program at once. The command then exits
// with the status the signal would have given (128 + its number).
#pragma once

#include <signal.h>

#include <array>
#include <atomic>
#include <initializer_list>

#include "Command.h"

namespace dpmr::cli {

class InterruptScope {
  public:
    // The signals a transfer stops for.
    static constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

    explicit InterruptScope(void (*handler)(int),
                            std::initializer_list<int> signals = {SIGINT, SIGTERM, SIGHUP}) {
        handler_ = handler;
        caught_ = 0;
        struct sigaction action {};
        action.sa_handler = &OnSignal;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (int s : signals) {
            if (count_ == previous_.size()) break;
            signals_[count_] = s;
            ::sigaction(s, &action, &previous_[count_++]);
        }
    }
    ~InterruptScope() {
        for (std::size_t k = 0; k < count_; ++k) ::sigaction(signals_[k], &previous_[k], nullptr);
    }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

    // The first signal that asked for the stop, or 0.
    static int Caught() { return caught_.load(); }

  private:
    static void OnSignal(int signo) {
        int none = 0;
        caught_.compare_exchange_strong(none, signo);
        if (handler_) handler_(signo);
    }

    static_assert(std::atomic<int>::is_always_lock_free);
    inline static std::atomic<int> caught_{0};
    inline static void (*handler_)(int) = nullptr;
    std::array<int, kStopSignals.size()> signals_{};
    std::array<struct sigaction, kStopSignals.size()> previous_{};
    std::size_t count_ = 0;
};

// The exit status of a transfer that was stopped: 128 + the signal that
// stopped it (130 for Ctrl+C, 143 for SIGTERM, 129 for SIGHUP).
inline int StoppedExitStatus() {
    const int signo = InterruptScope::Caught();
    return signo > 0 ? 128 + signo : kExitCancelled;
}

}  // namespace dpmr::cli
