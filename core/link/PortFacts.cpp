// The facts of a serial device and its user, from sysfs, /proc, /dev,
// etc/passwd, etc/group and udev's files under a root folder.
#include "link/PortFacts.h"

#include <fcntl.h>
#include <libudev.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace dpmr {

namespace fs = std::filesystem;

namespace {

// The folders udev reads rules from, most important first.
constexpr const char* kRuleFolders[] = {"/etc/udev/rules.d/", "/run/udev/rules.d/",
                                        "/usr/local/lib/udev/rules.d/", "/usr/lib/udev/rules.d/",
                                        "/lib/udev/rules.d/"};

// `path` (absolute, as the system names it) under `root`.
std::string Under(const std::string& root, const std::string& path) {
    if (root.empty() || root == "/") return path;
    std::string base = root;
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return path.starts_with('/') ? base + path : base + "/" + path;
}

std::string ReadText(const std::string& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The first line of a file, without its line break.
std::string FirstLine(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// "name:x:1000:1000:..." lines as their fields.
std::vector<std::vector<std::string>> ColonLines(const std::string& file) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(ReadText(file));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t colon; (colon = line.find(':', start)) != std::string::npos;
             start = colon + 1)
            fields.push_back(line.substr(start, colon - start));
        fields.push_back(line.substr(start));
        lines.push_back(std::move(fields));
    }
    return lines;
}

// The numbers after "Key:" in proc/self/status.
std::vector<unsigned> StatusNumbers(const std::string& status, const std::string& key) {
    std::istringstream in(status);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(key + ":")) continue;
        std::istringstream numbers(line.substr(key.size() + 1));
        std::vector<unsigned> out;
        for (unsigned n; numbers >> n;) out.push_back(n);
        return out;
    }
    return {};
}

UserFacts ReadUser(const std::string& root) {
    UserFacts user;
    const std::string status = ReadText(Under(root, "/proc/self/status"));
    const std::vector<unsigned> uids = StatusNumbers(status, "Uid");
    const std::vector<unsigned> gids = StatusNumbers(status, "Gid");
    // The effective IDs decide what may be opened.
    user.uid = uids.size() > 1 ? uids[1] : static_cast<unsigned>(::geteuid());
    if (gids.size() > 1) user.sessionGroups.insert(gids[1]);
    for (unsigned g : StatusNumbers(status, "Groups")) user.sessionGroups.insert(g);
    user.name = std::to_string(user.uid);
    for (const auto& f : ColonLines(Under(root, "/etc/passwd"))) {
        if (f.size() < 4 || f[2] != std::to_string(user.uid)) continue;
        user.name = f[0];
        if (AllDigits(f[3])) user.memberOf.insert(static_cast<unsigned>(std::stoul(f[3])));
        break;
    }
    for (const auto& f : ColonLines(Under(root, "/etc/group"))) {
        if (f.size() < 4 || !AllDigits(f[2])) continue;
        const auto gid = static_cast<unsigned>(std::stoul(f[2]));
        user.groupNames[gid] = f[0];
        std::istringstream members(f[3]);
        for (std::string m; std::getline(members, m, ',');)
            if (m == user.name) user.memberOf.insert(gid);
    }
    return user;
}

// The first rule file of this name in udev's folders; else the chips of
// every file whose name holds `part`.
UdevRuleFacts FindRules(const std::string& root, const std::string& name, bool byPart) {
    UdevRuleFacts facts;
    std::error_code ec;
    for (const char* folder : kRuleFolders) {
        const std::string dir = Under(root, folder);
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string file = it->path().filename().string();
            const bool match =
                byPart ? file.find(name) != std::string::npos && file.ends_with(".rules")
                       : file == name;
            if (!match) continue;
            if (facts.path.empty()) facts.path = std::string(folder) + file;
            const std::set<std::string> chips = RuleChips(ReadText(it->path().string()));
            facts.chips.insert(chips.begin(), chips.end());
            if (!byPart) return facts;
        }
        ec.clear();
    }
    return facts;
}

// The link target of a file ("" when it is none).
std::string LinkTarget(const std::string& path) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(path, ec);
    return ec ? std::string() : target.string();
}

// The processes other than `ownPid` that hold `device` open.
std::vector<PortHolder> Holders(const std::string& root, const std::string& device, int ownPid) {
    std::vector<PortHolder> holders;
    std::error_code ec;
    for (fs::directory_iterator it(Under(root, "/proc"), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (!AllDigits(pid) || std::stoi(pid) == ownPid) continue;
        std::error_code fdError;
        for (fs::directory_iterator fd(it->path() / "fd", fdError), fdEnd; !fdError && fd != fdEnd;
             fd.increment(fdError)) {
            if (LinkTarget(fd->path().string()) != device) continue;
            holders.push_back({std::stoi(pid), FirstLine((it->path() / "comm").string())});
            break;
        }
    }
    std::sort(holders.begin(), holders.end(),
              [](const PortHolder& a, const PortHolder& b) { return a.pid < b.pid; });
    return holders;
}

// The device behind a path, links followed, named as the system names it.
std::string ResolvedDevice(const std::string& root, const std::string& path) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(Under(root, path), ec);
    if (ec) return path;
    if (root.empty() || root == "/") return resolved.string();
    const std::string base = fs::canonical(root, ec).string();
    const std::string full = resolved.string();
    // A link out of the tree names a device of the real system.
    return full.starts_with(base + "/") ? full.substr(base.size()) : full;
}

// sysfs's view of a tty: driver and, for a USB adapter, the USB device's
// identity (the first folder above the port that has idVendor).
void ReadSysfs(const std::string& root, const std::string& name, PortFacts& facts) {
    const std::string tty = Under(root, "/sys/class/tty/" + name);
    std::error_code ec;
    if (name.empty() || !fs::exists(tty, ec)) return;
    facts.kernelTty = true;
    const fs::path device = fs::canonical(tty + "/device", ec);
    if (ec) return;
    const fs::path driver = fs::canonical(device / "driver", ec);
    if (!ec) facts.driver = driver.filename().string();
    const fs::path sys = fs::canonical(Under(root, "/sys"), ec);
    for (fs::path dir = device; !dir.empty() && dir != sys && dir != dir.root_path();
         dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec)) continue;
        facts.vendorId = FirstLine((dir / "idVendor").string());
        facts.productId = FirstLine((dir / "idProduct").string());
        facts.manufacturer = FirstLine((dir / "manufacturer").string());
        facts.product = FirstLine((dir / "product").string());
        return;
    }
}

// The device's major and minor number: sysfs's "dev", else the node's own.
std::optional<std::pair<unsigned, unsigned>> DeviceNumber(const std::string& root,
                                                          const std::string& name,
                                                          const struct stat& st, bool stated) {
    const std::string dev = FirstLine(Under(root, "/sys/class/tty/" + name + "/dev"));
    unsigned major = 0, minor = 0;
    char colon = 0;
    std::istringstream in(dev);
    if (in >> major >> colon >> minor && colon == ':') return std::pair{major, minor};
    if (stated && S_ISCHR(st.st_mode)) return std::pair{::major(st.st_rdev), ::minor(st.st_rdev)};
    return std::nullopt;
}

// udev's properties of a character device: through libudev on the real
// system while udev runs, else from its database file under the root.
std::map<std::string, std::string> UdevProperties(const std::string& root, bool udevRunning,
                                                  std::pair<unsigned, unsigned> number) {
    std::map<std::string, std::string> properties;
    if ((root.empty() || root == "/") && udevRunning) {
        udev* context = ::udev_new();
        if (!context) return properties;
        if (udev_device* device = ::udev_device_new_from_devnum(
                context, 'c', ::makedev(number.first, number.second))) {
            for (udev_list_entry* e = ::udev_device_get_properties_list_entry(device); e;
                 e = ::udev_list_entry_get_next(e)) {
                const char* value = ::udev_list_entry_get_value(e);
                properties[::udev_list_entry_get_name(e)] = value ? value : "";
            }
            ::udev_device_unref(device);
        }
        ::udev_unref(context);
        return properties;
    }
    return ParseUdevDatabase(
        ReadText(Under(root, "/run/udev/data/c" + std::to_string(number.first) + ":" +
                                 std::to_string(number.second))));
}

// Opens the device as a transfer would, and closes it at once: 0, or why not.
int TryOpen(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        error = ENOTTY;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = EWOULDBLOCK;
    } else {
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return error;
}

// The /dev/serial/by-id name of the device, if it has one.
std::string ByIdName(const std::string& root, const std::string& device) {
    std::error_code ec;
    for (fs::directory_iterator it(Under(root, "/dev/serial/by-id"), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (ResolvedDevice(root, "/dev/serial/by-id/" + it->path().filename().string()) == device)
            return "/dev/serial/by-id/" + it->path().filename().string();
    }
    return {};
}

}  // namespace

SystemFacts ReadSystemFacts(const std::string& root) {
    SystemFacts facts;
    facts.root = root.empty() ? "/" : root;
    facts.user = ReadUser(facts.root);
    const std::string self = LinkTarget(Under(facts.root, "/proc/self"));
    facts.ownPid = AllDigits(self) ? std::stoi(self) : 0;
    std::error_code ec;
    facts.udevRunning = fs::exists(Under(facts.root, "/run/udev/control"), ec);
    facts.modemManagerRunning = ModemManagerRunning(Under(facts.root, "/proc"));
    facts.rule = FindRules(facts.root, kUdevRuleName, false);
    for (const char* bin : {"/usr/bin/brltty", "/bin/brltty", "/usr/sbin/brltty", "/sbin/brltty"})
        if (fs::exists(Under(facts.root, bin), ec)) facts.brlttyInstalled = true;
    if (facts.brlttyInstalled) facts.brltty = FindRules(facts.root, "brltty", true);
    return facts;
}

PortFacts ReadPortFacts(const SystemFacts& system, const std::string& path) {
    const std::string& root = system.root;
    PortFacts facts;
    facts.path = path;
    struct stat st {};
    const bool stated = ::stat(Under(root, path).c_str(), &st) == 0;
    facts.exists = stated;
    facts.device = ResolvedDevice(root, path);
    if (!stated) return facts;
    facts.characterDevice = S_ISCHR(st.st_mode);
    facts.mode = st.st_mode & 07777;
    facts.ownerUid = st.st_uid;
    facts.ownerGid = st.st_gid;
    const std::string name =
        facts.device.starts_with("/dev/") && facts.device.find('/', 5) == std::string::npos
            ? facts.device.substr(5)
            : std::string();
    ReadSysfs(root, name, facts);
    if (const auto number = DeviceNumber(root, name, st, stated))
        facts.properties = UdevProperties(root, system.udevRunning, *number);
    facts.byId = ByIdName(root, facts.device);
    facts.holders = Holders(root, facts.device, system.ownPid);
    if (root.empty() || root == "/") facts.openError = TryOpen(facts.device);
    return facts;
}

bool IsSerialPortName(const std::string& name) {
    for (const char* prefix : {"ttyUSB", "ttyACM", "rfcomm", "ttyS"}) {
        const std::string p = prefix;
        if (name.size() > p.size() && name.starts_with(p) && AllDigits(name.substr(p.size())))
            return true;
    }
    return false;
}

std::vector<std::string> ListSerialPorts(const std::string& root) {
    std::vector<std::string> ports;
    std::error_code ec;
    for (fs::directory_iterator it(Under(root, "/dev"), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsSerialPortName(name)) continue;
        if (name.starts_with("ttyS")) {
            // The serial8250 driver registers ports that may have no chip.
            std::error_code devError;
            const fs::path device =
                fs::canonical(Under(root, "/sys/class/tty/" + name + "/device"), devError);
            if (devError || device.string().find("/serial8250") != std::string::npos) continue;
        }
        ports.push_back("/dev/" + name);
    }
    // ttyUSB2 before ttyUSB10.
    std::sort(ports.begin(), ports.end(), [](const std::string& a, const std::string& b) {
        const std::size_t da = a.find_first_of("0123456789");
        const std::size_t db = b.find_first_of("0123456789");
        const std::string pa = a.substr(0, da), pb = b.substr(0, db);
        if (pa != pb) return pa < pb;
        return std::stoul(a.substr(da)) < std::stoul(b.substr(db));
    });
    return ports;
}

namespace {

// The hexadecimal digits (at most four) from `at`, as four lower-case ones
// ("403" gives "0403"); empty when there are none.
std::string HexAt(const std::string& line, std::size_t at) {
    std::string hex;
    while (at < line.size() && hex.size() < 4 &&
           std::isxdigit(static_cast<unsigned char>(line[at])))
        hex += static_cast<char>(std::tolower(static_cast<unsigned char>(line[at++])));
    return hex.empty() ? hex : std::string(4 - hex.size(), '0') + hex;
}

// The hexadecimal value that follows `key` on the line.
std::string ValueAfter(const std::string& line, const std::string& key) {
    const std::size_t at = line.find(key);
    return at == std::string::npos ? std::string() : HexAt(line, at + key.size());
}

}  // namespace

std::set<std::string> RuleChips(const std::string& ruleText) {
    std::set<std::string> chips;
    std::istringstream in(ruleText);
    for (std::string line; std::getline(in, line);) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        const std::string vendor = ValueAfter(line, "{idVendor}==\"");
        const std::string product = ValueAfter(line, "{idProduct}==\"");
        if (!vendor.empty() && !product.empty()) chips.insert(vendor + ":" + product);
        const std::string key = "{PRODUCT}==\"";
        for (std::size_t at = line.find(key); at != std::string::npos;
             at = line.find(key, at + 1)) {
            const std::size_t v = at + key.size();
            const std::string envVendor = HexAt(line, v);
            const std::size_t slash = line.find('/', v);
            if (envVendor.empty() || slash == std::string::npos || slash > v + 4) continue;
            const std::string envProduct = HexAt(line, slash + 1);
            if (!envProduct.empty()) chips.insert(envVendor + ":" + envProduct);
        }
    }
    return chips;
}

std::map<std::string, std::string> ParseUdevDatabase(const std::string& text) {
    std::map<std::string, std::string> properties;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("E:", 0) != 0) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 2) continue;
        properties[line.substr(2, eq - 2)] = line.substr(eq + 1);
    }
    return properties;
}

bool ModemManagerRunning(const std::string& procRoot) {
    std::error_code ec;
    for (fs::directory_iterator it(procRoot, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (!AllDigits(pid)) continue;
        if (FirstLine((it->path() / "comm").string()) == "ModemManager") return true;
    }
    return false;
}

}  // namespace dpmr
