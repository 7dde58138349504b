// Probing a serial device for the port setting dialog.
#include "link/PortProbe.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "link/PosixSerialPort.h"

namespace dpmr {

PortProbeResult ProbeSerialPort(const std::string& devicePath) {
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {false, PortOpenReason(errno)};
    PortProbeResult result{true, {}};
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        result = {false, "not a serial port"};
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        result = {false, PortOpenReason(EWOULDBLOCK)};
    } else {
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return result;
}

}  // namespace dpmr
