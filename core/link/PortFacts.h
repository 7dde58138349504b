// PortFacts: what the system publishes about a serial device and about the
// user who wants to open it, read from a root folder: the real "/" or a tree
// that holds the same files (sys/, proc/, dev/, etc/passwd, etc/group,
// run/udev/ and udev's rule folders). Nothing here decides anything: the
// connection doctor turns the facts into findings. On the real system the
// device's udev properties come from libudev and the device is opened once to
// see whether it can be; under another root both come from the files.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dpmr {

inline constexpr const char* kUdevRuleName = "60-dpmrcps.rules";

// A process that has the device open.
struct PortHolder {
    int pid = 0;
    std::string command;  // its /proc/<pid>/comm
    bool operator==(const PortHolder&) const = default;
};

// Who runs the program and what a fresh login would give them.
struct UserFacts {
    unsigned uid = 0;
    std::string name;  // from etc/passwd; the number when it is not there
    // The groups this session runs with (proc/self/status "Gid:" and
    // "Groups:").
    std::set<unsigned> sessionGroups;
    // The groups etc/passwd and etc/group give the user (the next login's).
    std::set<unsigned> memberOf;
    std::map<unsigned, std::string> groupNames;  // etc/group
};

// A udev rule file and the USB chips ("1a86:7523") its lines name.
struct UdevRuleFacts {
    std::string path;  // empty: no such file
    std::set<std::string> chips;
};

// What holds for every port.
struct SystemFacts {
    std::string root = "/";
    UserFacts user;
    int ownPid = 0;            // proc/self: this program's own process
    bool udevRunning = false;  // run/udev/control exists
    bool modemManagerRunning = false;
    UdevRuleFacts rule;  // this program's rule, kUdevRuleName
    bool brlttyInstalled = false;
    UdevRuleFacts brltty;  // the chips brltty's udev rules claim
};

struct PortFacts {
    std::string path;    // as asked ("/dev/serial/by-id/usb-..." or "/dev/ttyUSB0")
    std::string device;  // links followed ("/dev/ttyUSB0"); `path` when it does not exist
    bool exists = false;
    bool characterDevice = false;
    unsigned mode = 0;  // permission bits
    unsigned ownerUid = 0;
    unsigned ownerGid = 0;
    bool kernelTty = false;  // sys/class/tty has the device
    std::string driver;      // "ch341-uart", "cdc_acm"
    std::string vendorId;    // "1a86"
    std::string productId;   // "7523"
    std::string manufacturer;
    std::string product;
    std::string byId;  // "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"
    std::map<std::string, std::string> properties;  // udev's
    std::vector<PortHolder> holders;                // other processes only
    // Opening the device now: 0 when it opened (and was closed again), else
    // the error; only on the real system.
    std::optional<int> openError;

    bool IsUsb() const { return !vendorId.empty(); }
    std::string Chip() const { return IsUsb() ? vendorId + ":" + productId : std::string(); }
};

SystemFacts ReadSystemFacts(const std::string& root = "/");
PortFacts ReadPortFacts(const SystemFacts& system, const std::string& path);

// The serial devices in root/dev, sorted: ttyUSB*, ttyACM*, rfcomm*, and
// ttyS* that the kernel found hardware for (not the placeholders of the
// serial8250 driver).
std::vector<std::string> ListSerialPorts(const std::string& root = "/");

// Whether a device name in /dev is one ListSerialPorts may list (ttyS* only
// with hardware behind it, which the name alone does not tell).
bool IsSerialPortName(const std::string& name);

// The USB chips a udev rule names: "ATTRS{idVendor}=="1a86",
// ATTRS{idProduct}=="7523"" on one line, or ENV{PRODUCT}=="1a86/7523/*"
// (hexadecimal without leading zeros, as udev writes it).
std::set<std::string> RuleChips(const std::string& ruleText);

// The properties of a udev database entry: its "E:KEY=VALUE" lines.
std::map<std::string, std::string> ParseUdevDatabase(const std::string& text);

// Whether a process named ModemManager runs: /proc/<pid>/comm under procRoot.
bool ModemManagerRunning(const std::string& procRoot);

}  // namespace dpmr
