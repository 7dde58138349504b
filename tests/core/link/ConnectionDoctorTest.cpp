// The connection doctor: one finding per cause, decided from a tree of the
// files the system publishes (one change of a working cable's tree per
// cause), on real pseudo-terminals, and the ports the system lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "link/ConnectionDoctor.h"
#include "link/PosixSerialPort.h"
#include "link/VirtualRadio.h"
#include "support/PortFixture.h"

namespace dpmr::test {
namespace {

using K = FindingKind;

std::vector<K> Kinds(const PortDiagnosis& d) {
    std::vector<K> kinds;
    for (const Finding& f : d.findings) kinds.push_back(f.kind);
    return kinds;
}

const Finding* Find(const PortDiagnosis& d, K kind) {
    for (const Finding& f : d.findings)
        if (f.kind == kind) return &f;
    return nullptr;
}

// Each cause: the change to a working cable's tree, the port asked about,
// the findings in order, whether the port can be used, and a part of the
// telling finding's text and of its fix.
TEST(ConnectionDoctor, EachCauseHasItsOwnFindingAndFix) {
    struct Case {
        const char* cause;
        std::function<void(PortFixture&)> change;
        const char* port;
        std::vector<K> kinds;
        bool usable;
        const char* text;  // of the last finding
        const char* fix;
    };
    const std::string rule = "/etc/udev/rules.d/60-dpmrcps.rules";
    const Case cases[] = {
        {"a working cable",
         [](PortFixture&) {},
         "/dev/ttyUSB0",
         {K::kWhatItIs},
         true,
         "CH340 cable: USB 1a86:7523 (QinHeng Electronics USB Serial), driver ch341-uart, also "
         "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0",
         ""},
        {"its by-id name",
         [](PortFixture&) {},
         PortFixture::kById,
         {K::kWhatItIs},
         true,
         "CH340 cable",
         ""},
        {"unplugged",
         [](PortFixture& f) {
             f.Remove("/dev/ttyUSB0");
             f.Remove("/sys/class/tty/ttyUSB0");
         },
         "/dev/ttyUSB0",
         {K::kMissing},
         false,
         "/dev/ttyUSB0 does not exist",
         "plug the cable"},
        {"unplugged, brltty claiming cables",
         [](PortFixture& f) {
             f.Remove("/dev/ttyUSB0");
             f.Put("/usr/bin/brltty", "");
             f.Put("/usr/lib/udev/rules.d/85-brltty.rules",
                   "# serial adapters\nENV{PRODUCT}==\"1a86/7523/*\", GOTO=\"brltty_run\"\n"
                   "ENV{PRODUCT}==\"10c4/ea60/*\", GOTO=\"brltty_run\"\n");
         },
         "/dev/ttyUSB0",
         {K::kMissing, K::kBrltty},
         false,
         "(CH340, CP210x)",
         "sudo apt remove brltty"},
        {"root only",
         [](PortFixture& f) { f.SetMode("/dev/ttyUSB0", 0600); },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kRootOnly},
         false,
         "may open /dev/ttyUSB0",
         "60-dpmrcps.rules"},
        {"not in the group",
         [](PortFixture& f) { f.SetUser(false, false); },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kNotInGroup},
         false,
         "your user alice is not in the group dialout, which may open /dev/ttyUSB0",
         "sudo adduser alice dialout, then log out and in again"},
        {"added, not logged in again",
         [](PortFixture& f) { f.SetUser(false, true); },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kLogInAgain},
         false,
         "was added to the group dialout",
         "log out and in again"},
        {"the group is the session's own",
         [](PortFixture& f) {
             f.SetUser(false, false);
             const std::string u = std::to_string(f.UserId());
             f.Put("/proc/self/status", "Uid:\t" + u + "\t" + u + "\t" + u + "\t" + u +
                                            "\nGid:\t5000\t" + std::to_string(f.DeviceGroup()) +
                                            "\t0\t0\nGroups:\t24\n");
         },
         "/dev/ttyUSB0",
         {K::kWhatItIs},
         true,
         "CH340",
         ""},
        {"open for everyone",
         [](PortFixture& f) {
             f.SetUser(false, false);
             f.SetMode("/dev/ttyUSB0", 0666);
         },
         "/dev/ttyUSB0",
         {K::kWhatItIs},
         true,
         "CH340",
         ""},
        {"held by another program",
         [](PortFixture& f) { f.Hold(4242, "minicom", "/dev/ttyUSB0"); },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kBusy},
         false,
         "/dev/ttyUSB0 is in use by another program: minicom (process 4242)",
         "kill 4242"},
        {"held by this program",
         [](PortFixture& f) { f.Hold(4000, "dpmrtool", "/dev/ttyUSB0"); },
         "/dev/ttyUSB0",
         {K::kWhatItIs},
         true,
         "CH340",
         ""},
        {"rule not installed",
         [&rule](PortFixture& f) { f.Remove(rule); },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kRuleMissing},
         true,
         "60-dpmrcps.rules is not installed",
         "sudo cp res/linux/60-dpmrcps.rules /etc/udev/rules.d/"},
        {"a chip the rule does not name",
         [](PortFixture& f) {
             f.Put(std::string(PortFixture::kSysDevice) + "/idVendor", "abcd\n");
         },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kRuleLacksChip},
         true,
         "/etc/udev/rules.d/60-dpmrcps.rules does not name this cable's chip (USB abcd:7523)",
         "idVendor abcd and idProduct 7523"},
        {"rule not applied yet",
         [](PortFixture& f) { f.Put("/run/udev/data/c188:0", ""); },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kRuleNotApplied},
         true,
         "has not been applied to /dev/ttyUSB0",
         "plug the cable in again"},
        {"ModemManager, rule applied",
         [](PortFixture& f) { f.Put("/proc/812/comm", "ModemManager\n"); },
         "/dev/ttyUSB0",
         {K::kWhatItIs},
         true,
         "CH340",
         ""},
        {"ModemManager, not told",
         [](PortFixture& f) {
             f.Put("/proc/812/comm", "ModemManager\n");
             f.Put("/run/udev/data/c188:0", "E:ID_MM_DEVICE_IGNORE=0\n");
         },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kRuleNotApplied, K::kModemManager},
         true,
         "ModemManager is running and has not been told to leave /dev/ttyUSB0 alone",
         "sudo systemctl stop ModemManager"},
        {"ModemManager, no rule",
         [&rule](PortFixture& f) {
             f.Put("/proc/812/comm", "ModemManager\n");
             f.Remove(rule);
             f.Put("/run/udev/data/c188:0", "");
         },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kRuleMissing, K::kModemManager},
         true,
         "ModemManager is running",
         "/etc/udev/rules.d/), then"},
        {"brltty claiming the chip",
         [](PortFixture& f) {
             f.Put("/usr/sbin/brltty", "");
             f.Put("/lib/udev/rules.d/85-brltty.rules",
                   "ACTION==\"add\", ATTRS{idVendor}==\"1A86\", ATTRS{idProduct}==\"7523\", "
                   "GOTO=\"brltty_run\"\n");
         },
         "/dev/ttyUSB0",
         {K::kWhatItIs, K::kBrltty},
         true,
         "claim this cable's chip (USB 1a86:7523)",
         "/lib/udev/rules.d/85-brltty.rules"},
        {"brltty's rules for other chips",
         [](PortFixture& f) {
             f.Put("/usr/bin/brltty", "");
             f.Put("/lib/udev/rules.d/85-brltty.rules", "ENV{PRODUCT}==\"403/6001/*\"\n");
         },
         "/dev/ttyUSB0",
         {K::kWhatItIs},
         true,
         "CH340",
         ""},
        {"a Bluetooth port",
         [](PortFixture& f) { f.AddPlainTty("rfcomm0", "/sys/devices/virtual/tty/rfcomm0"); },
         "/dev/rfcomm0",
         {K::kBluetooth},
         true,
         "a Bluetooth serial port",
         "programming cable"},
        {"a built-in port",
         [](PortFixture& f) { f.AddPlainTty("ttyS0", "/sys/devices/pnp0/00:00"); },
         "/dev/ttyS0",
         {K::kBuiltInPort},
         true,
         "built into the computer",
         ""},
        {"a virtual port",
         [](PortFixture& f) {
             f.Put("/dev/pts/3", "");
             f.SetMode("/dev/pts/3", 0666);
             f.Hold(4300, "dpmrtool", "/dev/pts/3");  // the virtual radio's own end
         },
         "/dev/pts/3",
         {K::kVirtualPort},
         true,
         "virtual port",
         ""},
        {"no serial port",
         [](PortFixture& f) { f.Put("/home/alice/radio.dat", ""); },
         "/home/alice/radio.dat",
         {K::kNotSerial},
         false,
         "/home/alice/radio.dat is not a serial port",
         "/dev/ttyUSB0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        PortFixture fixture;
        c.change(fixture);
        const PortDiagnosis d = CheckPort(c.port, fixture.Root());
        EXPECT_EQ(Kinds(d), c.kinds) << DiagnosisText(d);
        EXPECT_EQ(d.Usable(), c.usable);
        ASSERT_FALSE(d.findings.empty());
        const Finding& telling = d.findings.back();
        EXPECT_NE(telling.text.find(c.text), std::string::npos) << telling.text;
        EXPECT_NE(telling.fix.find(c.fix), std::string::npos) << telling.fix;
        EXPECT_EQ(telling.fix.empty(), telling.level == FindingLevel::kInfo);
    }
}

// How the lists and the doctor's lines name and show a port.
TEST(ConnectionDoctor, LabelsAndLines) {
    PortFixture fixture;
    fixture.SetMode("/dev/ttyUSB0", 0600);
    const PortDiagnosis d = CheckPort("/dev/ttyUSB0", fixture.Root());
    EXPECT_EQ(d.label, "CH340 cable on /dev/ttyUSB0");
    const std::string text = DiagnosisText(d);
    EXPECT_EQ(
        text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
        "/dev/ttyUSB0: cannot be used\n  CH340 cable: USB 1a86:7523 (QinHeng Electronics USB "
        "Serial), driver ch341-uart, also /dev/serial/by-id/usb-1a86_USB_Serial-if00-port0\n");
    EXPECT_NE(text.find("\n  Problem: only "), std::string::npos) << text;
    EXPECT_NE(text.find("\n    Fix: install the udev rule"), std::string::npos) << text;
    fixture.Put(std::string(PortFixture::kSysDevice) + "/idProduct", "0001\n");
    EXPECT_EQ(CheckPort("/dev/ttyUSB0", fixture.Root()).label,
              "USB serial adapter (QinHeng Electronics USB Serial) on /dev/ttyUSB0");
    // Every chip the shipped rule names is a cable the doctor names.
    for (const std::string& chip : RuleChips(FileText(SourceDir() + "/res/linux/60-dpmrcps.rules")))
        EXPECT_NE(ChipName(chip.substr(0, 4), chip.substr(5)), "") << chip;
    EXPECT_EQ(RuleChips(FileText(SourceDir() + "/res/linux/60-dpmrcps.rules")).size(), 14u);
}

// The system's ports: USB, ACM and Bluetooth ports, and the built-in ports
// with hardware behind them, numbers in order; the chosen port is added once.
TEST(ConnectionDoctor, ListsTheSystemsPorts) {
    PortFixture fixture;
    fixture.AddPlainTty("ttyS0", "/sys/devices/pnp0/00:00");
    fixture.AddPlainTty("ttyS1", "/sys/devices/platform/serial8250");
    for (const char* name : {"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyACM0", "/dev/tty1",
                             "/dev/ttyUSB", "/dev/rfcomm1"})
        fixture.Put(name, "");
    const std::vector<std::string> expected = {"/dev/rfcomm1", "/dev/ttyACM0", "/dev/ttyS0",
                                               "/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10"};
    EXPECT_EQ(ListSerialPorts(fixture.Root()), expected);
    const auto all = CheckPorts({PortFixture::kById, "/dev/ttyUSB7"}, fixture.Root());
    ASSERT_EQ(all.size(), 7u);
    EXPECT_EQ(all.back().path, "/dev/ttyUSB7");
    EXPECT_TRUE(all.back().Has(K::kMissing));
}

// A real pseudo-terminal: the virtual radio's port can be used; once
// another program holds it exclusively, the open says so.
TEST(ConnectionDoctor, RealPseudoTerminal) {
    VirtualRadio radio;
    ASSERT_TRUE(radio.Start().ok());
    PortDiagnosis d = CheckPort(radio.DevicePath());
    EXPECT_EQ(Kinds(d), std::vector<K>{K::kVirtualPort}) << DiagnosisText(d);
    EXPECT_TRUE(d.Usable());
    EXPECT_EQ(d.label, "virtual port " + radio.DevicePath());
    PosixSerialPort other;
    ASSERT_TRUE(other.Open(radio.DevicePath(), 9600, TimeoutProfile::kProgramming));
    d = CheckPort(radio.DevicePath());
    EXPECT_EQ(Kinds(d), (std::vector<K>{K::kVirtualPort, K::kBusy})) << DiagnosisText(d);
    ASSERT_NE(Find(d, K::kBusy), nullptr);
    EXPECT_EQ(Find(d, K::kBusy)->fix, "close the other program, then try again");
}

}  // namespace
}  // namespace dpmr::test
