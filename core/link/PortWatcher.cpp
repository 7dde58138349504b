// Following the serial ports: udev's monitor, or inotify on a folder.
#include "link/PortWatcher.h"

#include <libudev.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "link/PortFacts.h"

namespace dpmr {

PortWatcher::PortWatcher(std::string folder) : folder_(std::move(folder)) {
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
    std::error_code ec;
    if (folder_ == "/dev" && std::filesystem::exists("/run/udev/control", ec)) {
        udev_ = ::udev_new();
        monitor_ = udev_ ? ::udev_monitor_new_from_netlink(udev_, "udev") : nullptr;
        if (monitor_ &&
            ::udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) >= 0 &&
            ::udev_monitor_enable_receiving(monitor_) >= 0) {
            fd_ = ::udev_monitor_get_fd(monitor_);
            return;
        }
        if (monitor_) ::udev_monitor_unref(monitor_);
        if (udev_) ::udev_unref(udev_);
        monitor_ = nullptr;
        udev_ = nullptr;
    }
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0 && ::inotify_add_watch(fd_, folder_.c_str(),
                                        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO) < 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

PortWatcher::~PortWatcher() {
    if (monitor_) {
        ::udev_monitor_unref(monitor_);
        ::udev_unref(udev_);
    } else if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool PortWatcher::Wait(int timeoutMs) const {
    if (fd_ < 0) return false;
    pollfd pfd{fd_, POLLIN, 0};
    return ::poll(&pfd, 1, timeoutMs) > 0;
}

std::vector<PortChange> PortWatcher::TakeChanges() {
    if (fd_ < 0) return {};
    return monitor_ ? TakeUdevChanges() : TakeFolderChanges();
}

std::vector<PortChange> PortWatcher::TakeFolderChanges() {
    std::vector<PortChange> changes;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            const std::string name =
                event.len > 0 ? std::string(buffer + at + sizeof event) : std::string();
            at += static_cast<ssize_t>(sizeof event + event.len);
            if (!IsSerialPortName(name)) continue;
            const bool added = (event.mask & (IN_CREATE | IN_MOVED_TO)) != 0;
            changes.push_back({added ? PortChange::Kind::kAdded : PortChange::Kind::kRemoved,
                               folder_ + "/" + name});
        }
    }
    return changes;
}

std::vector<PortChange> PortWatcher::TakeUdevChanges() {
    std::vector<PortChange> changes;
    while (udev_device* device = ::udev_monitor_receive_device(monitor_)) {
        const char* action = ::udev_device_get_action(device);
        const char* node = ::udev_device_get_devnode(device);
        const std::string path = node ? node : "";
        const std::string name = path.substr(path.rfind('/') + 1);
        if (action && IsSerialPortName(name)) {
            if (std::strcmp(action, "add") == 0)
                changes.push_back({PortChange::Kind::kAdded, path});
            else if (std::strcmp(action, "remove") == 0)
                changes.push_back({PortChange::Kind::kRemoved, path});
        }
        ::udev_device_unref(device);
    }
    return changes;
}

}  // namespace dpmr
