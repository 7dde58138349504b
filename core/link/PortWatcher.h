// PortWatcher: the serial ports as cables come and go, so that the port
// lists follow them without a Refresh button. The system's /dev is followed
// through udev's monitor while udev runs (a port is reported once its rules
// have given it its group); without udev, and for any other folder, through
// inotify on the folder. Nothing here waits or runs a thread of its own: the
// caller watches Fd() (a socket notifier, poll()) and takes the changes.
#pragma once

#include <string>
#include <vector>

struct udev;
struct udev_monitor;

namespace dpmr {

struct PortChange {
    enum class Kind { kAdded, kRemoved };
    Kind kind;
    std::string path;  // "/dev/ttyUSB0"
    bool operator==(const PortChange&) const = default;
};

class PortWatcher {
  public:
    explicit PortWatcher(std::string folder = "/dev");
    ~PortWatcher();
    PortWatcher(const PortWatcher&) = delete;
    PortWatcher& operator=(const PortWatcher&) = delete;

    // False when the folder cannot be watched (no such folder).
    bool Watching() const { return fd_ >= 0; }
    // Readable when changes are waiting; -1 when not watching.
    int Fd() const { return fd_; }
    // Waits until changes may be waiting, at most `timeoutMs`.
    bool Wait(int timeoutMs) const;
    // The ports added and removed since the last call, in order; never waits.
    std::vector<PortChange> TakeChanges();

  private:
    std::vector<PortChange> TakeFolderChanges();
    std::vector<PortChange> TakeUdevChanges();

    std::string folder_;
    int fd_ = -1;
    ::udev* udev_ = nullptr;
    ::udev_monitor* monitor_ = nullptr;
};

}  // namespace dpmr
