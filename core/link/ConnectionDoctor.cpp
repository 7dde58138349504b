// The connection doctor's findings, decided from the facts of a port.
#include "link/ConnectionDoctor.h"
#include "util/Translation.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace dpmr {

namespace {

// How the rule is installed by hand, and applied without a replug.
std::string InstallRule() {
    return Fill(Tr("link",
                   "install the udev rule %1 (the dpmrcps package does; from the sources: "
                   "sudo cp res/linux/%1 /etc/udev/rules.d/), then: sudo udevadm control "
                   "--reload && sudo udevadm trigger --subsystem-match=tty"),
                {kUdevRuleName});
}

std::string Octal(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode & 07777);
    return text;
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool StartsWithAny(const std::string& name, std::initializer_list<const char*> prefixes) {
    for (const char* p : prefixes)
        if (name.starts_with(p)) return true;
    return false;
}

// "CH340" for a chip the program knows.
struct KnownChip {
    const char* id;
    const char* name;
};
constexpr KnownChip kChips[] = {
    {"1a86:7523", "CH340"},       {"1a86:5523", "CH341"},       {"1a86:55d4", "CH9102"},
    {"067b:2303", "PL2303"},      {"067b:23a3", "PL2303G"},     {"067b:23c3", "PL2303G"},
    {"067b:23d3", "PL2303G"},     {"10c4:ea60", "CP210x"},      {"10c4:ea70", "CP2105"},
    {"10c4:ea71", "CP2108"},      {"0403:6001", "FTDI FT232R"}, {"0403:6010", "FTDI FT2232"},
    {"0403:6014", "FTDI FT232H"}, {"0403:6015", "FTDI FT231X"},
};

class Decision {
  public:
    Decision(const PortFacts& port, const SystemFacts& system) : port_(port), system_(system) {}

    std::vector<Finding> Run() {
        const std::string name = BaseName(port_.device);
        const bool virtualPort = port_.device.starts_with("/dev/pts/");
        const int error = port_.openError.value_or(0);
        if (!port_.exists || error == ENOENT || error == ENODEV || error == ENXIO) {
            Missing(StartsWithAny(name, {"ttyUSB", "ttyACM"}) ||
                    port_.path.find("/by-id/") != std::string::npos);
            return findings_;
        }
        if (!virtualPort && (error == ENOTTY || (!port_.kernelTty && !port_.characterDevice))) {
            Add(FindingKind::kNotSerial, FindingLevel::kProblem,
                Fill(Tr("link", "%1 is not a serial port"), {port_.path}),
                Tr("link",
                   "choose the cable's port, such as /dev/ttyUSB0 (dpmrtool ports lists "
                   "them)"));
            return findings_;
        }
        WhatItIs(name, virtualPort);
        const bool permitted = Permission();
        if (!virtualPort && (!port_.holders.empty() || error == EBUSY || error == EWOULDBLOCK))
            Busy();
        else if (virtualPort && (error == EBUSY || error == EWOULDBLOCK))
            Busy();
        if (permitted && (error == EACCES || error == EPERM)) {
            Add(FindingKind::kRefused, FindingLevel::kProblem,
                Fill(Tr("link", "the system refused to open %1 although its permissions allow it"),
                     {port_.path}),
                Tr("link",
                   "a sandbox (a snap or flatpak package) or a security policy keeps the "
                   "program from the device: run the program installed from the Debian "
                   "package or built from the sources"));
        } else if (error != 0 && error != EACCES && error != EPERM && error != EBUSY &&
                   error != EWOULDBLOCK) {
            Add(FindingKind::kRefused, FindingLevel::kProblem,
                Fill(Tr("link", "%1 could not be opened: %2"), {port_.path, std::strerror(error)}),
                Tr("link", "plug the cable in again; if that does not help, restart the computer"));
        }
        if (port_.IsUsb()) UsbCable(name);
        // Information first, then what stops a transfer, then what may.
        std::stable_sort(
            findings_.begin(), findings_.end(), [](const Finding& a, const Finding& b) {
                const auto rank = [](FindingLevel l) {
                    return l == FindingLevel::kInfo ? 0 : l == FindingLevel::kProblem ? 1 : 2;
                };
                return rank(a.level) < rank(b.level);
            });
        return findings_;
    }

  private:
    void Add(FindingKind kind, FindingLevel level, std::string text, std::string fix = {}) {
        findings_.push_back({kind, level, std::move(text), std::move(fix)});
    }

    std::string GroupName(unsigned gid) const {
        const auto it = system_.user.groupNames.find(gid);
        return it != system_.user.groupNames.end() ? it->second : std::to_string(gid);
    }

    void Missing(bool usbCable) {
        Add(FindingKind::kMissing, FindingLevel::kProblem,
            Fill(Tr("link",
                    "%1 does not exist: the cable is not plugged in, or its port has "
                    "another name now"),
                 {port_.path}),
            Tr("link",
               "plug the cable into the computer and the radio, then choose the port that "
               "appears (dpmrtool ports lists them; Setting > Port shows them as they "
               "come)"));
        if (usbCable && system_.brlttyInstalled && !system_.brltty.chips.empty()) {
            std::string chips;
            for (const KnownChip& c : kChips)
                if (system_.brltty.chips.count(c.id) && chips.find(c.name) == std::string::npos)
                    chips += std::string(chips.empty() ? "" : ", ") + c.name;
            if (chips.empty()) return;
            Add(FindingKind::kBrltty, FindingLevel::kWarning,
                Fill(Tr("link",
                        "brltty (a braille display driver) is installed and claims USB "
                        "serial adapters (%1): if the port disappeared right after the "
                        "cable was plugged in, brltty took it"),
                     {chips}),
                BrlttyFix());
        }
    }

    std::string BrlttyFix() const {
        return Fill(Tr("link",
                       "without a braille display: sudo apt remove brltty, then plug the "
                       "cable in again; with one: comment out the line for the cable's "
                       "chip in %1"),
                    {system_.brltty.path.empty() ? Tr("link", "brltty's udev rules")
                                                 : system_.brltty.path});
    }

    void WhatItIs(const std::string& name, bool virtualPort) {
        if (virtualPort) {
            Add(FindingKind::kVirtualPort, FindingLevel::kInfo,
                Tr("link",
                   "a virtual port (a pseudo-terminal), such as the virtual radio's: no "
                   "cable"));
            return;
        }
        if (port_.IsUsb()) {
            const std::string chip = ChipName(port_.vendorId, port_.productId);
            std::string text = chip.empty()
                                   ? Fill(Tr("link", "USB serial adapter: USB %1"), {port_.Chip()})
                                   : Fill(Tr("link", "%1 cable: USB %2"), {chip, port_.Chip()});
            std::string words = port_.manufacturer;
            if (!port_.product.empty()) words += (words.empty() ? "" : " ") + port_.product;
            if (!words.empty()) text += " (" + words + ")";
            if (!port_.driver.empty()) text += Fill(Tr("link", ", driver %1"), {port_.driver});
            if (!port_.byId.empty()) text += Fill(Tr("link", ", also %1"), {port_.byId});
            Add(FindingKind::kWhatItIs, FindingLevel::kInfo, text);
            return;
        }
        if (name.starts_with("rfcomm")) {
            Add(FindingKind::kBluetooth, FindingLevel::kWarning,
                Tr("link", "a Bluetooth serial port, not the radio's programming cable"),
                Tr("link",
                   "plug the programming cable in and choose its port (/dev/ttyUSB0 or "
                   "/dev/ttyACM0)"));
            return;
        }
        if (name.starts_with("ttyS"))
            Add(FindingKind::kBuiltInPort, FindingLevel::kInfo,
                port_.driver.empty()
                    ? Tr("link",
                         "a serial port built into the computer: a USB programming "
                         "cable is named ttyUSB or ttyACM")
                    : Fill(Tr("link",
                              "a serial port built into the computer, driver %1: a USB "
                              "programming cable is named ttyUSB or ttyACM"),
                           {port_.driver}));
    }

    // Says what keeps the user out; true when the permissions let them in.
    bool Permission() {
        const UserFacts& user = system_.user;
        const unsigned mode = port_.mode;
        const bool owner = user.uid == port_.ownerUid && (mode & 0600) == 0600;
        const bool group = user.sessionGroups.count(port_.ownerGid) && (mode & 0060) == 0060;
        if (user.uid == 0 || owner || group || (mode & 0006) == 0006) return true;
        const std::string groupName = GroupName(port_.ownerGid);
        const std::string how =
            Fill(Tr("link", " (owner %1, group %2, mode %3)"),
                 {port_.ownerUid == 0 ? std::string("root") : std::to_string(port_.ownerUid),
                  groupName, Octal(mode)});
        if ((mode & 0060) == 0060 && port_.ownerGid != 0) {
            if (user.memberOf.count(port_.ownerGid)) {
                Add(FindingKind::kLogInAgain, FindingLevel::kProblem,
                    Fill(Tr("link",
                            "your user %1 was added to the group %2, which may open %3, "
                            "but this session started before and does not have the group "
                            "yet"),
                         {user.name, groupName, port_.path}),
                    Fill(Tr("link",
                            "log out and in again (or restart the computer); until then, "
                            "'newgrp %1' starts a shell that has it"),
                         {groupName}));
            } else {
                Add(FindingKind::kNotInGroup, FindingLevel::kProblem,
                    Fill(Tr("link", "your user %1 is not in the group %2, which may open %3%4"),
                         {user.name, groupName, port_.path, how}),
                    Fill(Tr("link", "sudo adduser %1 %2, then log out and in again"),
                         {user.name, groupName}));
            }
            return false;
        }
        Add(FindingKind::kRootOnly, FindingLevel::kProblem,
            port_.ownerUid == 0
                ? Fill(Tr("link", "only root may open %1%2"), {port_.path, how})
                : Fill(Tr("link", "only its owner may open %1%2"), {port_.path, how}),
            Fill(Tr("link",
                    "%1; it gives the group dialout the programming cables: then sudo "
                    "adduser %2 dialout, and log out and in again"),
                 {InstallRule(), user.name}));
        return false;
    }

    void Busy() {
        std::string who;
        for (const PortHolder& h : port_.holders)
            who += (who.empty() ? ": " : ", ") +
                   Fill(Tr("link", "%1 (process %2)"),
                        {h.command.empty() ? Tr("link", "a program") : h.command,
                         std::to_string(h.pid)});
        std::string fix = Tr("link", "close the other program, then try again");
        if (!port_.holders.empty()) {
            fix = Fill(Tr("link", "close %1 (or end it: kill %2), then try again"),
                       {port_.holders[0].command.empty() ? Tr("link", "that program")
                                                         : port_.holders[0].command,
                        std::to_string(port_.holders[0].pid)});
        }
        Add(FindingKind::kBusy, FindingLevel::kProblem,
            Fill(Tr("link", "%1 is in use by another program%2"), {port_.path, who}), fix);
    }

    void UsbCable(const std::string& name) {
        const std::string chip = port_.Chip();
        const auto ignore = port_.properties.find("ID_MM_DEVICE_IGNORE");
        const bool ignored = ignore != port_.properties.end() && ignore->second == "1";
        if (system_.rule.path.empty()) {
            Add(FindingKind::kRuleMissing, FindingLevel::kWarning,
                Fill(Tr("link",
                        "the udev rule %1 is not installed: it keeps ModemManager away "
                        "from the cable and gives the group dialout access to it"),
                     {kUdevRuleName}),
                InstallRule());
        } else if (!system_.rule.chips.count(chip)) {
            Add(FindingKind::kRuleLacksChip, FindingLevel::kWarning,
                Fill(Tr("link", "the udev rule %1 does not name this cable's chip (USB %2)"),
                     {system_.rule.path, chip}),
                Fill(Tr("link",
                        "add a line for it to the rule (a copy of one of its lines with "
                        "idVendor %1 and idProduct %2), then: sudo udevadm control "
                        "--reload && sudo udevadm trigger --subsystem-match=tty"),
                     {port_.vendorId, port_.productId}));
        } else if (system_.udevRunning && !ignored) {
            Add(FindingKind::kRuleNotApplied, FindingLevel::kWarning,
                Fill(Tr("link",
                        "the udev rule %1 names this cable's chip but has not been "
                        "applied to %2 yet"),
                     {system_.rule.path, port_.path}),
                Tr("link",
                   "plug the cable in again, or run: sudo udevadm trigger "
                   "--subsystem-match=tty"));
        }
        if (system_.modemManagerRunning && StartsWithAny(name, {"ttyUSB", "ttyACM"}) && !ignored) {
            Add(FindingKind::kModemManager, FindingLevel::kWarning,
                Fill(Tr("link",
                        "ModemManager is running and has not been told to leave %1 "
                        "alone: it may send AT commands to the cable for several seconds "
                        "after it is plugged in, and a Read or Write started then fails"),
                     {port_.path}),
                system_.rule.path.empty()
                    ? Fill(Tr("link",
                              "%1, and plug the cable in again; or stop ModemManager: "
                              "sudo systemctl stop ModemManager"),
                           {InstallRule()})
                    : Tr("link",
                         "plug the cable in again; or stop ModemManager: sudo systemctl "
                         "stop ModemManager"));
        }
        if (system_.brlttyInstalled && system_.brltty.chips.count(chip)) {
            Add(FindingKind::kBrltty, FindingLevel::kWarning,
                Fill(Tr("link",
                        "brltty (a braille display driver) is installed and its udev "
                        "rules claim this cable's chip (USB %1): it may take the cable, "
                        "and the port disappears right after it is plugged in"),
                     {chip}),
                BrlttyFix());
        }
    }

    const PortFacts& port_;
    const SystemFacts& system_;
    std::vector<Finding> findings_;
};

}  // namespace

bool PortDiagnosis::Usable() const {
    return FirstProblem() == nullptr;
}

const Finding* PortDiagnosis::FirstProblem() const {
    for (const Finding& f : findings)
        if (f.level == FindingLevel::kProblem) return &f;
    return nullptr;
}

bool PortDiagnosis::Has(FindingKind kind) const {
    return std::any_of(findings.begin(), findings.end(),
                       [kind](const Finding& f) { return f.kind == kind; });
}

std::string ChipName(const std::string& vendorId, const std::string& productId) {
    const std::string id = vendorId + ":" + productId;
    for (const KnownChip& c : kChips)
        if (id == c.id) return c.name;
    return {};
}

std::string PortLabel(const PortFacts& port) {
    const std::string& path = port.path;
    if (port.device.starts_with("/dev/pts/")) return Fill(Tr("link", "virtual port %1"), {path});
    if (port.IsUsb()) {
        const std::string chip = ChipName(port.vendorId, port.productId);
        if (!chip.empty()) return Fill(Tr("link", "%1 cable on %2"), {chip, path});
        std::string words = port.manufacturer;
        if (!port.product.empty()) words += (words.empty() ? "" : " ") + port.product;
        if (words.empty()) return Fill(Tr("link", "USB serial adapter on %1"), {path});
        return Fill(Tr("link", "USB serial adapter (%1) on %2"), {words, path});
    }
    const std::string name = BaseName(port.device);
    if (name.starts_with("rfcomm")) return Fill(Tr("link", "Bluetooth serial port on %1"), {path});
    if (name.starts_with("ttyS")) return Fill(Tr("link", "%1 (built-in serial port)"), {path});
    return path;
}

PortDiagnosis DiagnosePort(const PortFacts& port, const SystemFacts& system) {
    return {port.path, PortLabel(port), Decision(port, system).Run()};
}

PortDiagnosis CheckPort(const std::string& path, const std::string& root) {
    const SystemFacts system = ReadSystemFacts(root);
    return DiagnosePort(ReadPortFacts(system, path), system);
}

std::vector<PortDiagnosis> CheckPorts(const std::vector<std::string>& more,
                                      const std::string& root) {
    const SystemFacts system = ReadSystemFacts(root);
    std::vector<PortFacts> ports;
    for (const std::string& p : ListSerialPorts(root)) ports.push_back(ReadPortFacts(system, p));
    for (const std::string& p : more) {
        if (p.empty()) continue;
        PortFacts facts = ReadPortFacts(system, p);
        if (std::none_of(ports.begin(), ports.end(),
                         [&](const PortFacts& f) { return f.device == facts.device; }))
            ports.push_back(std::move(facts));
    }
    std::vector<PortDiagnosis> out;
    for (const PortFacts& facts : ports) out.push_back(DiagnosePort(facts, system));
    return out;
}

namespace {

// A finding as its lines, each indented by `indent`.
std::string FindingLines(const Finding& f, const std::string& indent) {
    const std::string line =
        f.level == FindingLevel::kProblem   ? Fill(Tr("link", "Problem: %1"), {f.text})
        : f.level == FindingLevel::kWarning ? Fill(Tr("link", "Warning: %1"), {f.text})
                                            : f.text;
    std::string text = indent + line + "\n";
    if (!f.fix.empty()) text += indent + "  " + Fill(Tr("link", "Fix: %1"), {f.fix}) + "\n";
    return text;
}

}  // namespace

std::string DiagnosisText(const PortDiagnosis& d) {
    std::string text =
        Fill(d.Usable() ? Tr("link", "%1: can be used") : Tr("link", "%1: cannot be used"),
             {d.path}) +
        "\n";
    for (const Finding& f : d.findings) text += FindingLines(f, "  ");
    return text;
}

std::string OpenFailureNote(const std::string& path) {
    std::string text;
    for (const Finding& f : CheckPort(path).findings)
        if (f.level != FindingLevel::kInfo) text += FindingLines(f, "");
    if (!text.empty()) text.pop_back();
    return text;
}

}  // namespace dpmr
