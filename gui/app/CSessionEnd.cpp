// CSessionEnd: SIGTERM, SIGHUP and the session manager's request stop a
// transfer between blocks before the program ends.
#include "app/CSessionEnd.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>

namespace {

constexpr std::array<int, 2> kSignals{SIGTERM, SIGHUP};
// The socket pair: the handler writes to [1], the event loop reads [0].
int gSockets[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> gPrevious{};

void OnSignalCaught(int signo) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signo);
    [[maybe_unused]] const ssize_t n = ::write(gSockets[1], &byte, 1);
    errno = saved;
}

}  // namespace

CSessionEnd::CSessionEnd(dpmr::TransferControl& transfer, std::function<void(int)> quit,
                         QObject* parent)
    : QObject(parent), transfer_(transfer), quit_(std::move(quit)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSockets) != 0) return;
    notifier_ = new QSocketNotifier(gSockets[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CSessionEnd::OnSignal);
    struct sigaction action {};
    action.sa_handler = &OnSignalCaught;
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t k = 0; k < kSignals.size(); ++k)
        ::sigaction(kSignals[k], &action, &gPrevious[k]);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &CSessionEnd::StopTransfer);
}

CSessionEnd::~CSessionEnd() {
    if (!notifier_) return;
    for (std::size_t k = 0; k < kSignals.size(); ++k)
        ::sigaction(kSignals[k], &gPrevious[k], nullptr);
    delete notifier_;
    ::close(gSockets[0]);
    ::close(gSockets[1]);
    gSockets[0] = gSockets[1] = -1;
}

void CSessionEnd::StopTransfer() {
    if (transfer_.busy) transfer_.cancelRequested = true;
}

void CSessionEnd::OnSignal() {
    unsigned char signo = 0;
    if (::read(gSockets[0], &signo, 1) != 1) return;
    // Stopped before the dialogs close, so that the transfer's own result
    // (its partly-written warning, the failed mark) is what it ends with.
    StopTransfer();
    quit_(128 + signo);
}
