// Transfer benchmark: a full programming Read and Write against the virtual
// radio, first at full pty speed, then with every byte paced at 9600 baud.
// Prints wall times, the share of the protocol's fixed pauses, and for the
// paced runs the ratio to the wire-time bound. Prints figures only.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "link/ProgramTransfer.h"
#include "link/VirtualRadio.h"

namespace {

using namespace dpmr;
using Clock = std::chrono::steady_clock;

// 2 ms before each of the 7 wake-up bytes and 10 ms before the PC's 'A', in
// each of the two opening passes.
constexpr double kFixedPausesMs = 2 * (7 * 2 + 10);
constexpr int kPacedBaud = 9600;

struct Measure {
    double ms = 0;
    std::size_t wireBytes = 0;
    bool ok = false;
    int blocks = 0;
    std::string message;
};

Measure RunOnce(VirtualRadio& radio, bool read) {
    TransferControl control;
    RadioImage image = radio.Memory();
    radio.ClearTraffic();
    const auto start = Clock::now();
    const TransferResult r =
        read ? ReadFromRadio({radio.DevicePath(), kPacedBaud}, image, {}, control)
             : WriteToRadio({radio.DevicePath(), kPacedBaud}, image, {}, control);
    Measure m;
    m.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    m.ok = r.succeeded();
    m.message = r.message;
    for (const WireFrame& f : radio.Traffic()) m.wireBytes += f.bytes.size();
    return m;
}

void Unpaced(bool read) {
    VirtualRadio radio;
    if (!radio.Start().ok()) {
        std::printf("cannot start the virtual radio\n");
        return;
    }
    constexpr int kRuns = 7;
    std::vector<double> times;
    std::size_t bytes = 0;
    for (int i = 0; i < kRuns; ++i) {
        const Measure m = RunOnce(radio, read);
        if (!m.ok)
            std::printf("  run %d FAILED after %d blocks: %s\n", i, m.blocks, m.message.c_str());
        times.push_back(m.ms);
        bytes = m.wireBytes;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-5s unpaced: best %7.1f ms, median %7.1f ms, worst %7.1f ms over %d runs\n",
                read ? "Read" : "Write", times.front(), times[kRuns / 2], times.back(), kRuns);
    std::printf(
        "      fixed pauses %.0f ms (%.0f%% of the median); radio answer delay 2 x 10 ms; "
        "%zu bytes on the wire\n",
        kFixedPausesMs, 100.0 * kFixedPausesMs / times[kRuns / 2], bytes);
}

void Paced(bool read) {
    VirtualRadio radio({.paceBaud = kPacedBaud});
    if (!radio.Start().ok()) {
        std::printf("cannot start the virtual radio\n");
        return;
    }
    const Measure m = RunOnce(radio, read);
    if (!m.ok) std::printf("  FAILED after %d blocks: %s\n", m.blocks, m.message.c_str());
    const double wireMs = static_cast<double>(m.wireBytes) * 10.0 * 1000.0 / kPacedBaud;
    const double boundMs = wireMs + kFixedPausesMs;
    std::printf(
        "%-5s paced at %d baud: %8.1f ms%s; wire time %zu bytes x 10 bits = %.1f ms, "
        "bound %.1f ms, ratio %.4f\n",
        read ? "Read" : "Write", kPacedBaud, m.ms, m.ok ? "" : " (FAILED)", m.wireBytes, wireMs,
        boundMs, m.ms / boundMs);
}

}  // namespace

int main() {
    std::printf("Programming transfers against the virtual radio (504 blocks + 0x2160 block)\n");
    Unpaced(true);
    Unpaced(false);
    Paced(true);
    Paced(false);
    return 0;
}
