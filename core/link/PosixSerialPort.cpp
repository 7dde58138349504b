// The serial line through termios: exclusive open, raw 8N1, reads with the
// interval and total deadlines of the radio's time-out profiles, drained writes.
#include "link/PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "link/ConnectionDoctor.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using Clock = std::chrono::steady_clock;

// Whole milliseconds left until the deadline, rounded up so that a wait never
// ends before it.
int MsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>((left + 999) / 1000);
}

// The termios speed for a baud rate. A rate the system has no constant for
// falls back to the nearest standard rate below it (9600 for anything below
// 9600 that is not standard), so the line still runs close to what was asked.
speed_t SpeedFor(std::int32_t baud) {
    struct Entry {
        std::int32_t rate;
        speed_t speed;
    };
    static constexpr Entry kRates[] = {
        {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
        {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
        {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
        {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
    };
    speed_t best = B9600;
    for (const Entry& e : kRates) {
        if (e.rate == baud) return e.speed;
        if (e.rate < baud && e.rate >= 9600) best = e.speed;
    }
    return best;
}

}  // namespace

Timeouts TimeoutsFor(TimeoutProfile profile) {
    if (profile == TimeoutProfile::kAdjustment) return {100, 50, 100, 50, 50};
    return {50, 50, 100, 50, 50};
}

std::string DevicePathForPortName(const std::string& portName) {
    std::string rest = portName;
    if (rest.rfind("\\\\.\\", 0) == 0) rest = rest.substr(4);
    if (rest.size() > 3 && (rest[0] == 'C' || rest[0] == 'c') &&
        (rest[1] == 'O' || rest[1] == 'o') && (rest[2] == 'M' || rest[2] == 'm')) {
        int number = 0;
        bool digits = true;
        for (std::size_t i = 3; i < rest.size(); ++i) {
            if (rest[i] < '0' || rest[i] > '9' || number > 9999) {
                digits = false;
                break;
            }
            number = number * 10 + (rest[i] - '0');
        }
        if (digits && number >= 1) return "/dev/ttyS" + std::to_string(number - 1);
    }
    return portName;
}

std::string PortOpenReason(int err) {
    const std::string reason = std::strerror(err);
    if (err == EACCES || err == EPERM)
        return Fill(Tr("link", "%1: add your user to the dialout group and log in again"),
                    {reason});
    if (err == EBUSY || err == EWOULDBLOCK) return Tr("link", "in use by another program");
    return reason;
}

Status PosixSerialPort::Open(const std::string& portName, std::int32_t baudRate,
                             TimeoutProfile profile) {
    Close();
    const std::string path = DevicePathForPortName(portName);
    if (path.empty())
        return Status::Error(Tr("link", "no port is chosen: choose one under Setting > Port"));
    const auto failed = [&path](const std::string& why) {
        // What the connection doctor finds wrong with the port, each with its fix.
        const std::string note = OpenFailureNote(path);
        return Status::Error(path + ": " + why + (note.empty() ? "" : "\n" + note));
    };
    // Non-blocking so that a modem line without carrier cannot hang the open;
    // reads and writes wait in poll() under their deadlines instead.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failed(PortOpenReason(errno));
    // Only a terminal device is a serial port; writing radio traffic into a
    // regular file named by mistake would damage that file.
    termios tio{};
    if (!::isatty(fd) || ::tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        return failed(Tr("link", "not a serial port"));
    }
    // Exclusive use: the advisory lock keeps out other programs that honour it
    // (and a second instance of this one), TIOCEXCL keeps out any other open.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        const int err = errno;
        ::close(fd);
        return failed(PortOpenReason(err));
    }
    fd_ = fd;
    saved_ = tio;
    timeouts_ = TimeoutsFor(profile);

    // Driver queue sizes: Linux serial drivers keep fixed-size buffers and
    // offer no call to resize them, so there is nothing to set here.

    // Raw 8N1 at the chosen speed. Hardware flow control and the other line
    // settings stay as the driver reported them; software flow control is
    // switched off because the blocks are binary and may hold XON/XOFF bytes.
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                          ICRNL | IXON | IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = SpeedFor(baudRate);
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    ::tcsetattr(fd_, TCSANOW, &tio);
    return Status::Ok();
}

void PosixSerialPort::Close() {
    if (fd_ < 0) return;
    // The line as it was found: a terminal named as the port by mistake goes
    // on working as a terminal.
    ::tcsetattr(fd_, TCSANOW, &saved_);
    // Leave the device openable for the next transfer even when another
    // process (such as the virtual radio) keeps it open.
    ::ioctl(fd_, TIOCNXCL);
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

bool PosixSerialPort::WaitOutputDrained(int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // tcdrain() has no time-out; wait for the driver's queue to empty under our
    // own deadline first, so that a line held by flow control cannot hang us.
    for (;;) {
        int queued = 0;
        if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued <= 0) break;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::tcdrain(fd_);
    return true;
}

void PosixSerialPort::Purge() {
    if (fd_ < 0) return;
    // Only the input is discarded: flushing the output of a pseudo-terminal
    // would throw away what the other end has not read yet. Our writes are
    // drained before they return, so the output is empty anyway.
    ::tcflush(fd_, TCIFLUSH);
    WaitOutputDrained(timeouts_.writeTotalConstantMs);
}

std::size_t PosixSerialPort::Read(std::uint8_t* buffer, std::size_t count) {
    if (fd_ < 0 || count == 0) return 0;
    const auto start = Clock::now();
    const auto total = start + std::chrono::milliseconds(timeouts_.readTotalConstantMs +
                                                         timeouts_.readTotalPerByteMs *
                                                             static_cast<long long>(count));
    std::size_t got = 0;
    Clock::time_point lastByte{};
    while (got < count) {
        auto deadline = total;
        if (got > 0) {
            const auto gap = lastByte + std::chrono::milliseconds(timeouts_.readIntervalMs);
            if (gap < deadline) deadline = gap;
        }
        const ssize_t n = ::read(fd_, buffer + got, count - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            lastByte = Clock::now();
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) break;
        const int wait = MsUntil(deadline);
        if (wait <= 0) break;
        pollfd pfd{fd_, POLLIN, 0};
        const int r = ::poll(&pfd, 1, wait);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        if ((pfd.revents & POLLIN) == 0) {
            // Hang-up or error without data: nothing more will come.
            break;
        }
    }
    return got;
}

std::size_t PosixSerialPort::Write(const std::uint8_t* data, std::size_t count) {
    if (fd_ < 0) return 0;
    const long long budgetMs = timeouts_.writeTotalConstantMs +
                               timeouts_.writeTotalPerByteMs * static_cast<long long>(count);
    const auto deadline = Clock::now() + std::chrono::milliseconds(budgetMs);
    std::size_t sent = 0;
    while (sent < count) {
        const ssize_t n = ::write(fd_, data + sent, count - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) break;
        const int wait = MsUntil(deadline);
        if (wait <= 0) break;
        pollfd pfd{fd_, POLLOUT, 0};
        const int r = ::poll(&pfd, 1, wait);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0 || (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) break;
    }
    // Send means sent: the caller goes on only once the bytes have left.
    WaitOutputDrained(MsUntil(deadline) + 1);
    return sent;
}

}  // namespace dpmr
