// ModemManagerCheck: whether ModemManager may get in the way of the
// programming cable. ModemManager opens every new USB serial port and sends
// AT commands to it for several seconds; a Read or Write started then fails.
// A udev rule that sets ID_MM_DEVICE_IGNORE=1 on the port (60-dpmrcps.rules)
// tells it to leave the port alone. The decision is made from facts handed
// in, so that it can be tested; ReadModemManagerFacts gathers them from
// /proc and the udev database.
#pragma once

#include <map>
#include <string>

namespace dpmr {

inline constexpr const char* kUdevRuleName = "60-dpmrcps.rules";

struct ModemManagerFacts {
    bool running = false;  // a process named ModemManager exists
    std::string device;    // the port's device, links resolved; empty when none
    std::map<std::string, std::string> properties;  // its udev properties
    bool ruleInstalled = false;  // kUdevRuleName is in one of udev's rule folders
};

// The note to show, or empty. Only USB serial ports (ttyUSB*, ttyACM*) are
// probed by ModemManager, and only while it runs and the port's udev
// properties lack ID_MM_DEVICE_IGNORE=1 is there something to fix; the note
// says what, depending on whether the rule is installed.
std::string ModemManagerNote(const ModemManagerFacts& facts);

// Whether a process named ModemManager runs: /proc/<pid>/comm under procRoot.
bool ModemManagerRunning(const std::string& procRoot = "/proc");

// The properties of a udev database entry: its "E:KEY=VALUE" lines.
std::map<std::string, std::string> ParseUdevDatabase(const std::string& text);

// The udev database entry of a character device ("/run/udev/data/c188:0"),
// or empty when the path is no character device.
std::string UdevDatabaseFile(const std::string& devicePath);

// The facts for a device path, read from this system.
ModemManagerFacts ReadModemManagerFacts(const std::string& devicePath);

// ModemManagerNote(ReadModemManagerFacts(devicePath)).
std::string ModemManagerNoteFor(const std::string& devicePath);

}  // namespace dpmr
