// PortFixture: a tree of the files the connection doctor reads, in a fresh
// folder: sysfs with a CH340 cable on /dev/ttyUSB0 (and its by-id link), the
// user "alice" whose session has the device's group "dialout", /etc/passwd
// and /etc/group, udev running with the shipped rule applied, and /proc with
// this program's own process. Each cause of a failing connection is one
// change of it. The device node is a plain file (no test may make device
// nodes); its owner and group are whatever the file got, and the user and
// groups are written around them, so that the tree means the same whoever
// runs the test.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProjectPaths.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr::test {

class PortFixture {
  public:
    static constexpr const char* kSysDevice = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1";
    static constexpr const char* kById = "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0";

    PortFixture() {
        Put("/proc/1/comm", "systemd\n");
        Put("/proc/4000/comm", "dpmrtool\n");
        Link("/proc/self", "4000");
        Put("/run/udev/control", "");
        Put("/etc/udev/rules.d/60-dpmrcps.rules",
            FileText(SourceDir() + "/res/linux/60-dpmrcps.rules"));
        AddUsbPort("ttyUSB0", "1a86", "7523", "ch341-uart", "188:0");
        Link(kById, Path("/dev/ttyUSB0"));
        SetMode("/dev/ttyUSB0", 0660);
        // The device's owner and group as the file got them (root's when
        // the test runs as root, when it may also give them away).
        struct stat st {};
        if (::chown(Path("/dev/ttyUSB0").c_str(), 0, 20) != 0) {
        }
        ::stat(Path("/dev/ttyUSB0").c_str(), &st);
        owner_ = st.st_uid;
        group_ = st.st_gid;
        uid_ = owner_ + 1;
        SetUser(true, true);
    }

    // The root to hand to the doctor (no trailing '/').
    std::string Root() const { return dir_.path().substr(0, dir_.path().size() - 1); }
    // A path of the tree as the system names it ("/dev/ttyUSB0") in the folder.
    std::string Path(const std::string& systemPath) const { return Root() + systemPath; }
    unsigned DeviceGroup() const { return group_; }
    unsigned UserId() const { return uid_; }

    void Put(const std::string& systemPath, const std::string& text) const {
        PutFile(Path(systemPath), text);
    }
    void Remove(const std::string& systemPath) const {
        std::filesystem::remove_all(Path(systemPath));
    }
    // A relative link, as sysfs and udev make them.
    void Link(const std::string& systemPath, const std::string& target) const {
        const std::filesystem::path link = Path(systemPath);
        std::filesystem::create_directories(link.parent_path());
        const std::filesystem::path to = target.starts_with('/')
                                             ? std::filesystem::relative(target, link.parent_path())
                                             : std::filesystem::path(target);
        std::filesystem::create_symlink(to, link);
    }
    void SetMode(const std::string& systemPath, unsigned mode) const {
        ::chmod(Path(systemPath).c_str(), mode);
    }

    // alice's groups: the device's group in this session and in /etc/group.
    void SetUser(bool inSession, bool inEtcGroup) const {
        const std::string g = std::to_string(group_);
        Put("/proc/self/status", "Name:\tdpmrtool\nUid:\t" + U() + "\t" + U() + "\t" + U() + "\t" +
                                     U() + "\nGid:\t5000\t5000\t5000\t5000\nGroups:\t5000 " +
                                     (inSession ? g : std::string("24")) + "\n");
        Put("/etc/passwd", "root:x:0:0:root:/root:/bin/bash\nalice:x:" + U() +
                               ":5000:Alice:/home/alice:/bin/bash\n");
        Put("/etc/group", "root:x:0:\ncdrom:x:24:alice\nalice:x:5000:\ndialout:x:" + g + ":" +
                              (inEtcGroup ? "bob,alice" : "bob") + "\n");
    }

    // A USB serial adapter: its tty in sysfs, the driver of its port, the
    // USB device's identity, the node in /dev and udev's database entry.
    void AddUsbPort(const std::string& name, const std::string& vendor, const std::string& product,
                    const std::string& driver, const std::string& dev) const {
        const std::string usb = std::string(kSysDevice);
        const std::string port = usb + "/1-1:1.0/" + name;
        Put(usb + "/idVendor", vendor + "\n");
        Put(usb + "/idProduct", product + "\n");
        Put(usb + "/manufacturer", "QinHeng Electronics\n");
        Put(usb + "/product", "USB Serial\n");
        std::filesystem::create_directories(Path("/sys/bus/usb-serial/drivers/" + driver));
        Link(port + "/driver", Path("/sys/bus/usb-serial/drivers/" + driver));
        Put(port + "/tty/" + name + "/dev", dev + "\n");
        Link(port + "/tty/" + name + "/device", Path(port));
        Link("/sys/class/tty/" + name, Path(port + "/tty/" + name));
        Put("/dev/" + name, "");
        Put("/run/udev/data/c" + dev, "E:ID_VENDOR_ID=" + vendor + "\nE:ID_MM_DEVICE_IGNORE=1\n");
    }

    // A tty in sysfs without USB behind it (a built-in or Bluetooth port).
    void AddPlainTty(const std::string& name, const std::string& sysDevice) const {
        Put(sysDevice + "/tty/" + name + "/dev", "4:64\n");
        Link(sysDevice + "/tty/" + name + "/device", Path(sysDevice));
        Link("/sys/class/tty/" + name, Path(sysDevice + "/tty/" + name));
        Put("/dev/" + name, "");
        SetMode("/dev/" + name, 0666);
    }

    // A process of another program holding `device` open.
    void Hold(int pid, const std::string& command, const std::string& device) const {
        const std::string process = "/proc/" + std::to_string(pid);
        Put(process + "/comm", command + "\n");
        std::filesystem::create_directories(Path(process + "/fd"));
        // The kernel names the device as the system does, outside the tree.
        std::filesystem::create_symlink(device, Path(process + "/fd/3"));
    }

  private:
    std::string U() const { return std::to_string(uid_); }

    TempDir dir_;
    unsigned owner_ = 0;
    unsigned group_ = 0;
    unsigned uid_ = 1;
};

}  // namespace dpmr::test
