// Fleet dialog benchmark: many runs of "Write to Several Radios..." (the
// real dialog, offscreen) against virtual radios in this process, every byte
// paced, while busy processes load every core, as a build beside it would.
// Prints how many runs ended with a radio broken off or failed, and the
// seconds per run. No fault is put into the radios; a break-off while the
// radio's own thread was starved (late on its line by 40 ms or more) is
// counted as the virtual radio's, every other one as the program's.
//
//   bench_fleet_dialog [runs=100] [radios=1] [baud=19200] [busy=2]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fleet/CFleetWriteDlg.h"
#include "link/SampleCodeplug.h"
#include "link/VirtualRadio.h"

namespace {

using Clock = std::chrono::steady_clock;

int Arg(int argc, char** argv, int at, int fallback) {
    return argc > at ? std::atoi(argv[at]) : fallback;
}

// `count` processes that spin until killed.
std::vector<pid_t> StartBusy(int count) {
    std::vector<pid_t> busy;
    for (int k = 0; k < count; ++k) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            volatile unsigned long spin = 0;
            for (;;) spin = spin + 1;
        }
        if (pid > 0) busy.push_back(pid);
    }
    return busy;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = Arg(argc, argv, 1, 100);
    const int count = Arg(argc, argv, 2, 1);
    const int baud = Arg(argc, argv, 3, 19200);
    const int busyCount = Arg(argc, argv, 4, 2);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    std::vector<std::unique_ptr<dpmr::VirtualRadio>> radios;
    for (int k = 0; k < count; ++k) {
        radios.push_back(
            std::make_unique<dpmr::VirtualRadio>(dpmr::VirtualRadioOptions{.paceBaud = baud}));
        radios.back()->SetMemory(dpmr::BuildSampleCodeplug());
        if (!radios.back()->Start().ok()) {
            std::printf("a virtual radio could not be started\n");
            return 1;
        }
    }
    const std::vector<pid_t> busy = StartBusy(busyCount);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each line as it comes, into a file too
    std::printf(
        "Fleet dialog: %d runs of %d radio(s) paced at %d baud, verify on, %d busy "
        "process(es) beside it\n",
        runs, count, baud, busyCount);

    int brokeOff = 0, brokeOffByRadio = 0, failedRuns = 0, radiosWritten = 0;
    double total = 0, slowest = 0;
    const std::string backups = "/tmp/bench_fleet_dialog_backups_" + std::to_string(::getpid());
    for (int run = 0; run < runs; ++run) {
        for (auto& r : radios) r->ClearTraffic();
        CFleetWriteDlg dialog(dpmr::BuildSampleCodeplug(), baud, backups, true, true);
        for (int k = 0; k < count; ++k) {
            const QString port = QString::fromStdString(radios[k]->DevicePath());
            dialog.AddPort({port, "virtual radio", true, {}});
            dialog.SetPortChecked(port, true);
        }
        dialog.idFromEdit()->setText("2310417");
        dialog.show();
        QEventLoop wait;
        QObject::connect(&dialog, &CFleetWriteDlg::RunFinished, &wait, &QEventLoop::quit);
        const auto start = Clock::now();
        dialog.startButton()->click();
        if (dialog.Running()) wait.exec();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        total += seconds;
        slowest = std::max(slowest, seconds);
        bool failed = false;
        for (const dpmr::FleetRadioResult& r : dialog.Results()) {
            if (r.succeeded()) {
                ++radiosWritten;
                continue;
            }
            failed = true;
            const long long lateMs =
                radios[static_cast<std::size_t>(r.target.number - 1)]->LongestLateness().count() /
                1000;
            const bool radiosDoing = lateMs >= 40;
            if (r.message.find("broke off") != std::string::npos)
                ++(radiosDoing ? brokeOffByRadio : brokeOff);
            std::printf("  run %d, %s (radio late by up to %lld ms%s): %s\n", run + 1,
                        r.target.port.c_str(), lateMs, radiosDoing ? ", its doing" : "",
                        dpmr::FleetResultText(r).c_str());
        }
        failedRuns += failed;
    }
    for (pid_t pid : busy) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    std::printf("radios written: %d of %d\n", radiosWritten, runs * count);
    std::printf(
        "runs with a failure: %d; broken off by the program: %d, by a starved virtual "
        "radio: %d\n",
        failedRuns, brokeOff, brokeOffByRadio);
    std::printf("seconds per run: mean %.2f, slowest %.2f\n", runs ? total / runs : 0.0, slowest);
    return 0;
}
