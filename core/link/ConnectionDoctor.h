// ConnectionDoctor: why the radio cannot be reached through a serial port,
// each cause with the command that fixes it. It decides from PortFacts alone
// (what the device is, who may open it, the udev rule, ModemManager, brltty,
// other programs holding it, a missing cable, a virtual or Bluetooth port), so
// that every cause is tested from a tree of files; `dpmrtool doctor`, the
// port lists, the Port dialog's "Check the connection", a failed open's
// message and the problem report all show these same findings.
#pragma once

#include <string>
#include <vector>

#include "link/PortFacts.h"

namespace dpmr {

enum class FindingKind {
    kWhatItIs,        // the chip, IDs, driver and by-id name
    kVirtualPort,     // a pseudo-terminal, such as the virtual radio's
    kBuiltInPort,     // a serial port of the computer itself
    kBluetooth,       // a Bluetooth serial port, not a cable
    kMissing,         // no such device: the cable is unplugged
    kNotSerial,       // something that is no serial port
    kRootOnly,        // only root may open it
    kNotInGroup,      // the user is not in the device's group
    kLogInAgain,      // added to the group, but this session predates it
    kRefused,         // the system refused the open all the same
    kBusy,            // another program holds it
    kRuleMissing,     // this program's udev rule is not installed
    kRuleLacksChip,   // the rule does not name this cable's chip
    kRuleNotApplied,  // the rule names it, udev has not applied it yet
    kModemManager,    // ModemManager may probe the cable
    kBrltty,          // brltty may take the cable
};

enum class FindingLevel {
    kInfo,     // what the port is
    kWarning,  // the port can be used, but a transfer may fail
    kProblem,  // the port cannot be used until it is fixed
};

struct Finding {
    FindingKind kind;
    FindingLevel level;
    std::string text;
    std::string fix;  // the command or step that fixes it; empty for information
};

struct PortDiagnosis {
    std::string path;   // as asked
    std::string label;  // "CH340 cable on /dev/ttyUSB0"
    std::vector<Finding> findings;

    // No finding is a problem.
    bool Usable() const;
    // The first problem, for a line that has room for one; nullptr when none.
    const Finding* FirstProblem() const;
    bool Has(FindingKind kind) const;
};

// The findings of one port, from its facts and the system's.
PortDiagnosis DiagnosePort(const PortFacts& port, const SystemFacts& system);

// Reads the facts of `path` under `root` and decides.
PortDiagnosis CheckPort(const std::string& path, const std::string& root = "/");

// Every serial port of the system (ListSerialPorts), then each of `more`
// that is not among them (the chosen port), each diagnosed.
std::vector<PortDiagnosis> CheckPorts(const std::vector<std::string>& more,
                                      const std::string& root = "/");

// How the port lists name a port: "CH340 cable on /dev/ttyUSB0", "USB serial
// adapter (Acme Widget) on /dev/ttyUSB1", "/dev/ttyS0 (built-in serial
// port)", "virtual port /dev/pts/3".
std::string PortLabel(const PortFacts& port);

// The chip of the programming cables the program knows ("CH340", "PL2303",
// "CP210x", "FTDI FT232R"), empty for another chip.
std::string ChipName(const std::string& vendorId, const std::string& productId);

// The diagnosis as lines: the port and whether it can be used, then each
// finding ("Problem: ...", "Warning: ...", information as it is) with its
// fix on the next line ("  Fix: ...").
std::string DiagnosisText(const PortDiagnosis& diagnosis);

// The problems and warnings of the port alone, in the same lines, for the
// message of an open that failed; empty when there are none.
std::string OpenFailureNote(const std::string& path);

}  // namespace dpmr
