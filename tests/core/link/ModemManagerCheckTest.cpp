// ModemManager in the way of the programming cable: when the note is shown
// and which fix it names, from facts handed in; and the facts as read from a
// process folder and a udev database entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "link/ModemManagerCheck.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

// A note only for a USB serial port while ModemManager runs and udev has not
// told it to leave the port alone; its fix depends on whether the rule is
// installed (then the port only needs to be plugged in again).
TEST(ModemManagerCheckTest, NoteOnlyWhenModemManagerMayProbeTheCable) {
    struct Case {
        bool running;
        const char* device;
        const char* ignore;  // ID_MM_DEVICE_IGNORE, nullptr: not set
        bool ruleInstalled;
        const char* expected;  // a part of the note, nullptr: no note
    };
    const Case cases[] = {
        {false, "/dev/ttyUSB0", nullptr, false, nullptr},
        {true, "/dev/ttyUSB0", nullptr, false, "install the udev rule 60-dpmrcps.rules"},
        {true, "/dev/ttyACM3", nullptr, false, "sudo systemctl stop ModemManager"},
        {true, "/dev/ttyUSB0", "1", false, nullptr},
        {true, "/dev/ttyUSB0", "0", false, "has not been told to leave /dev/ttyUSB0 alone"},
        {true, "/dev/ttyUSB0", nullptr, true, "is installed but does not cover this port yet"},
        {true, "/dev/ttyUSB0", "1", true, nullptr},
        {true, "/dev/ttyS0", nullptr, false, nullptr},  // not probed
        {true, "/dev/pts/4", nullptr, false, nullptr},  // the virtual radio
        {true, "", nullptr, false, nullptr},            // no such device
    };
    for (const Case& c : cases) {
        ModemManagerFacts facts;
        facts.running = c.running;
        facts.device = c.device;
        if (c.ignore) facts.properties["ID_MM_DEVICE_IGNORE"] = c.ignore;
        facts.properties["ID_VENDOR_ID"] = "1a86";
        facts.ruleInstalled = c.ruleInstalled;
        const std::string note = ModemManagerNote(facts);
        SCOPED_TRACE(std::string(c.device) + (c.ignore ? c.ignore : "-"));
        if (!c.expected) {
            EXPECT_EQ(note, "");
        } else {
            EXPECT_NE(note.find(c.expected), std::string::npos) << note;
            EXPECT_NE(note.find("Fix:"), std::string::npos);
        }
    }
}

// The process list: a numbered folder whose comm is exactly "ModemManager".
TEST(ModemManagerCheckTest, RunningFromTheProcessFolder) {
    test::TempDir proc;
    const auto process = [&proc](const std::string& pid, const std::string& comm) {
        fs::create_directories(proc.File(pid));
        std::ofstream(proc.File(pid + "/comm")) << comm << "\n";
    };
    EXPECT_FALSE(ModemManagerRunning(proc.path()));
    process("1", "systemd");
    process("self", "ModemManager");  // not a process number
    process("77", "ModemManagerX");
    EXPECT_FALSE(ModemManagerRunning(proc.path()));
    process("812", "ModemManager");
    EXPECT_TRUE(ModemManagerRunning(proc.path()));
    EXPECT_FALSE(ModemManagerRunning(proc.File("missing")));
}

// udev's database entry: only E: lines are properties; a value may hold '='.
TEST(ModemManagerCheckTest, UdevDatabaseEntry) {
    const auto properties = ParseUdevDatabase(
        "S:serial/by-id/usb-1a86_USB_Serial-if00-port0\nI:123\nE:ID_MM_DEVICE_IGNORE=1\n"
        "E:ID_VENDOR_ID=1a86\nE:ID_PATH=pci-0000:00:14.0-usb-0:1:1.0\nE:=broken\nG:systemd\n");
    const std::map<std::string, std::string> expected = {
        {"ID_MM_DEVICE_IGNORE", "1"},
        {"ID_VENDOR_ID", "1a86"},
        {"ID_PATH", "pci-0000:00:14.0-usb-0:1:1.0"}};
    EXPECT_EQ(properties, expected);
    EXPECT_EQ(UdevDatabaseFile("/dev/null"), "/run/udev/data/c1:3");
    EXPECT_EQ(UdevDatabaseFile("/etc/hostname"), "");
    EXPECT_EQ(UdevDatabaseFile("/dev/no-such-device"), "");
}

}  // namespace
}  // namespace dpmr
