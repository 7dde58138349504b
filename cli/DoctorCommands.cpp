// dpmrtool doctor and ports: what keeps the program from the radio on each
// serial port, each cause with its fix, and the ports as cables come and go.
// The findings are the connection doctor's, the same the desktop program's
// Port dialog shows.
#include <signal.h>

#include <atomic>
#include <iostream>

#include "ArgParser.h"
#include "Command.h"
#include "InterruptScope.h"
#include "config/AppSettings.h"
#include "link/ConnectionDoctor.h"
#include "link/PortWatcher.h"
#include "link/PosixSerialPort.h"

namespace dpmr::cli {

namespace {

std::atomic<bool> gStopWatching{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void OnWatchInterrupt(int) {
    gStopWatching.store(true);
}

// "CH340 cable on /dev/ttyUSB0: can be used", or the first problem.
std::string PortLine(const PortDiagnosis& d) {
    const Finding* problem = d.FirstProblem();
    return d.label + (problem ? ": cannot be used: " + problem->text : ": can be used");
}

int RunDoctor(const std::vector<std::string>& args) {
    ArgParser p({"--port"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (!p.Positional().empty()) return UsageError("usage: dpmrtool doctor [--port DEV]");
    const std::string chosen = DevicePathForPortName(
        p.Value("--port").value_or(LoadAppSettings(ExecutableFolder()).portName));
    bool anyUsable = false;
    for (const PortDiagnosis& d : CheckPorts({chosen})) {
        std::cout << DiagnosisText(d) << "\n";
        anyUsable = anyUsable || d.Usable();
    }
    if (chosen.empty()) {
        std::cout << "No port is chosen (--port DEV, or COM in Program.ini)"
                  << (anyUsable ? "; a port above can be used.\n" : ", and no port can be used.\n");
        return anyUsable ? kExitOk : kExitTransferFailed;
    }
    const PortDiagnosis d = CheckPort(chosen);
    std::cout << "The chosen port " << chosen
              << (d.Usable() ? " can be used.\n" : " cannot be used.\n");
    return d.Usable() ? kExitOk : kExitTransferFailed;
}

int RunPorts(const std::vector<std::string>& args) {
    ArgParser p({}, {"--watch"});
    if (!p.Parse(args)) return UsageError(p.error());
    if (!p.Positional().empty()) return UsageError("usage: dpmrtool ports [--watch]");
    const auto ports = CheckPorts({});
    for (const PortDiagnosis& d : ports) std::cout << PortLine(d) << "\n";
    if (ports.empty()) std::cout << "No serial port found.\n";
    if (!p.Has("--watch")) return kExitOk;
    PortWatcher watcher;
    if (!watcher.Watching()) {
        std::cerr << "dpmrtool: cannot follow the ports in /dev\n";
        return kExitTransferFailed;
    }
    std::cout << "Watching for cables (Ctrl+C ends)...\n" << std::flush;
    InterruptScope interrupt(OnWatchInterrupt, {SIGINT});
    gStopWatching = false;
    // A signal ends the wait early; then the flag says whether to stop.
    while (!gStopWatching) {
        if (!watcher.Wait(-1)) continue;
        for (const PortChange& change : watcher.TakeChanges()) {
            if (change.kind == PortChange::Kind::kAdded)
                std::cout << "+ " << PortLine(CheckPort(change.path)) << "\n";
            else
                std::cout << "- " << change.path << ": unplugged\n";
        }
        std::cout << std::flush;
    }
    return kExitOk;
}

const RegisterCommand kDoctor{
    {"doctor", "find out why the radio cannot be reached, with the fix of each cause",
     "Usage: dpmrtool doctor [--port DEV]\n\n"
     "Looks at every serial port (ttyUSB*, ttyACM*, Bluetooth rfcomm*, built-in\n"
     "ttyS*), at the chosen port and at --port, and says for each what it is\n"
     "(USB IDs, the cable's chip, driver, /dev/serial/by-id name) and every cause\n"
     "that keeps the program from the radio, each with the command that fixes\n"
     "it: the cable unplugged, a port only root may open, your user not in the\n"
     "port's group or added to it without logging in again, another program\n"
     "holding it, the udev rule missing or not applied, ModemManager probing\n"
     "the cable, brltty taking it, a Bluetooth or virtual port rather than a\n"
     "cable. It reads what the kernel and udev publish; it sends nothing to\n"
     "the radio.\n\n"
     "Options:\n"
     "  --port DEV   the port to judge; default: [Setup] COM of Program.ini\n\n"
     "Exit status: 0 the chosen port can be used (without a chosen port: some\n"
     "port can); 1 it cannot (the findings say why); 2 usage error.\n",
     RunDoctor}};

const RegisterCommand kPorts{
    {"ports", "list the serial ports, and follow cables as they come and go",
     "Usage: dpmrtool ports [--watch]\n\n"
     "Lists the serial ports, one a line, as the doctor names and judges them\n"
     "(\"CH340 cable on /dev/ttyUSB0: can be used\").\n\n"
     "Options:\n"
     "  --watch      then print a line as each cable is plugged in (\"+ ...\") or\n"
     "               pulled out (\"- ...\"), until Ctrl+C\n\n"
     "Exit status: 0; 1 when the ports cannot be followed; 2 usage error.\n",
     RunPorts}};

}  // namespace

}  // namespace dpmr::cli
