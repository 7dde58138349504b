// Removing a save's temporary file when a signal ends the program.
#include "util/TempFileGuard.h"

#include <limits.h>
#include <unistd.h>

#include <cstring>

namespace dpmr {

namespace {

std::mutex gSaveMutex;
// The temporary file's name, for the signal handler (no allocation there).
char gTempPath[PATH_MAX];
volatile std::sig_atomic_t gTempSet = 0;

extern "C" void RemoveTempFileAndEnd(int signal) {
    if (gTempSet) ::unlink(gTempPath);
    // End the way the signal would have ended the program without us: the
    // signal is blocked while this handler runs and arrives again on return.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

TempFileGuard::TempFileGuard(const std::string& tempPath) : lock_(gSaveMutex) {
    if (tempPath.size() < sizeof gTempPath) {
        std::memcpy(gTempPath, tempPath.c_str(), tempPath.size() + 1);
        gTempSet = 1;
    }
    for (std::size_t k = 0; k < std::size(kSignals); ++k) {
        struct sigaction now {};
        if (::sigaction(kSignals[k], nullptr, &previous_[k]) != 0) continue;
        // Only signals that would end the program: one the program handles
        // (dpmrtool's Ctrl+C) or ignores stays as it is.
        if ((previous_[k].sa_flags & SA_SIGINFO) != 0 || previous_[k].sa_handler != SIG_DFL)
            continue;
        now.sa_handler = kSignals[k] == SIGXFSZ ? SIG_IGN : RemoveTempFileAndEnd;
        sigfillset(&now.sa_mask);
        installed_[k] = ::sigaction(kSignals[k], &now, nullptr) == 0;
    }
}

void TempFileGuard::Release() {
    gTempSet = 0;
}

TempFileGuard::~TempFileGuard() {
    Release();
    for (std::size_t k = 0; k < std::size(kSignals); ++k)
        if (installed_[k]) ::sigaction(kSignals[k], &previous_[k], nullptr);
}

}  // namespace dpmr
