// Fleet benchmark: the wall time of a fleet write to 1 radio and to 4 virtual
// radios, every byte paced at 9600 baud, each radio's squelch calibration read
// first as a fleet write does, and the ratio of the two. Writing several
// radios at once should take hardly longer than writing one. Prints figures
// only.
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "fleet/FleetWrite.h"
#include "link/SampleCodeplug.h"
#include "link/VirtualRadio.h"

namespace {

using namespace dpmr;
using Clock = std::chrono::steady_clock;

constexpr int kPacedBaud = 9600;

// Seconds for one fleet write to `count` paced radios; negative on a failure.
double FleetSeconds(int count) {
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    std::vector<std::string> ports;
    for (int k = 0; k < count; ++k) {
        radios.push_back(
            std::make_unique<VirtualRadio>(VirtualRadioOptions{.paceBaud = kPacedBaud}));
        if (!radios.back()->Start().ok()) return -1;
        ports.push_back(radios.back()->DevicePath());
    }
    const RadioImage document = BuildSampleCodeplug();
    std::vector<FleetTarget> targets;
    std::vector<std::string> notes;
    if (!PlanFleet(ports, {1000001, 1, "Unit {n}", false}, document, targets, notes)) return -1;
    FleetRunOptions options;
    options.baudRate = kPacedBaud;
    options.force = true;
    const std::atomic<bool> cancel{false};
    const auto start = Clock::now();
    const std::vector<FleetRadioResult> results = RunFleet(document, targets, options, {}, cancel);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (const FleetRadioResult& r : results) {
        if (!r.succeeded()) {
            std::printf("  %s FAILED: %s\n", r.target.port.c_str(), FleetResultText(r).c_str());
            return -1;
        }
    }
    return seconds;
}

}  // namespace

int main() {
    std::printf("Fleet write (squelch read + write) against virtual radios paced at %d baud\n",
                kPacedBaud);
    const double one = FleetSeconds(1);
    std::printf("1 radio:  %7.2f s\n", one);
    const double four = FleetSeconds(4);
    std::printf("4 radios: %7.2f s\n", four);
    if (one > 0 && four > 0) std::printf("ratio 4 radios / 1 radio: %.3f\n", four / one);
    return 0;
}
