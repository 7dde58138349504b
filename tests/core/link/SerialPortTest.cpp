// PosixSerialPort on a real pseudo-terminal: port names, exclusive open, raw
// binary line settings, read time-outs, purge and drained writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <numeric>
#include <thread>

#include "link/PosixSerialPort.h"
#include "support/TempDir.h"

namespace dpmr::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The far end of the line: a pty master; the port under test opens the slave.
class FarEnd {
  public:
    FarEnd() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master_, 0);
        EXPECT_EQ(::grantpt(master_), 0);
        EXPECT_EQ(::unlockpt(master_), 0);
        path_ = ::ptsname(master_);
        // Hold the slave open so that the line stays up between port opens.
        holder_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    }
    ~FarEnd() {
        ::close(holder_);
        ::close(master_);
    }
    const std::string& path() const { return path_; }
    // A handle of our own on the port side, to look at its line settings.
    int holder() const { return holder_; }
    void Send(const std::vector<std::uint8_t>& bytes) const {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Everything that arrives within `wait`.
    std::vector<std::uint8_t> Receive(std::chrono::milliseconds wait = 100ms) const {
        std::vector<std::uint8_t> out;
        const auto end = Clock::now() + wait;
        while (Clock::now() < end) {
            pollfd pfd{master_, POLLIN, 0};
            if (::poll(&pfd, 1, 10) <= 0) continue;
            std::uint8_t buf[512];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) out.insert(out.end(), buf, buf + n);
        }
        return out;
    }

  private:
    int master_ = -1;
    int holder_ = -1;
    std::string path_;
};

TEST(DevicePath, OldWindowsNamesMapToTheSerialDevices) {
    const struct {
        const char* stored;
        const char* device;
    } cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM9", "/dev/ttyS8"},
        {"\\\\.\\COM10", "/dev/ttyS9"},
        {"\\\\.\\COM16", "/dev/ttyS15"},
        {"com3", "/dev/ttyS2"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/pts/4", "/dev/pts/4"},
        {"COM0", "COM0"},
        {"COM", "COM"},
        {"COM1x", "COM1x"},
        {"", ""},
        {"COM99999999999", "COM99999999999"},
    };
    for (const auto& c : cases) EXPECT_EQ(DevicePathForPortName(c.stored), c.device) << c.stored;
}

TEST(PosixSerialPort, OpenIsExclusiveAndCloseReleasesThePort) {
    FarEnd far;
    PosixSerialPort first;
    PosixSerialPort second;
    ASSERT_TRUE(first.Open(far.path(), 9600, TimeoutProfile::kProgramming));
    EXPECT_FALSE(second.Open(far.path(), 9600, TimeoutProfile::kProgramming));
    first.Close();
    EXPECT_FALSE(first.IsOpen());
    ASSERT_TRUE(second.Open(far.path(), 9600, TimeoutProfile::kProgramming));
    {
        PosixSerialPort scoped;
        EXPECT_FALSE(scoped.Open(far.path(), 9600, TimeoutProfile::kAdjustment));
    }
    second.Close();
    {
        PosixSerialPort scoped;  // closed by its destructor
        ASSERT_TRUE(scoped.Open(far.path(), 9600, TimeoutProfile::kAdjustment));
    }
    EXPECT_TRUE(first.Open(far.path(), 9600, TimeoutProfile::kProgramming));
}

TEST(PosixSerialPort, OnlyTerminalDevicesOpen) {
    TempDir dir;
    std::ofstream(dir.File("radio.dat")) << "keep me";
    PosixSerialPort port;
    EXPECT_FALSE(port.Open(dir.File("radio.dat"), 9600, TimeoutProfile::kProgramming));
    EXPECT_FALSE(port.Open(dir.File("missing"), 9600, TimeoutProfile::kProgramming));
    EXPECT_FALSE(port.Open(dir.path(), 9600, TimeoutProfile::kProgramming));
    EXPECT_FALSE(port.Open("", 9600, TimeoutProfile::kProgramming));
    EXPECT_FALSE(port.IsOpen());
    std::ifstream in(dir.File("radio.dat"));
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "keep me");
}

TEST(PosixSerialPort, LineIsRawEightBitsAtTheChosenSpeed) {
    FarEnd far;
    const struct {
        std::int32_t baud;
        speed_t speed;
    } cases[] = {{9600, B9600},  {19200, B19200},   {115200, B115200}, {1200, B1200},
                 {10000, B9600}, {250000, B230400}, {7, B9600}};
    for (const auto& c : cases) {
        PosixSerialPort port;
        ASSERT_TRUE(port.Open(far.path(), c.baud, TimeoutProfile::kProgramming));
        termios tio{};
        ASSERT_EQ(::tcgetattr(far.holder(), &tio), 0);
        EXPECT_EQ(::cfgetospeed(&tio), c.speed) << c.baud;
        EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB), 0u);
        EXPECT_NE(tio.c_cflag & CREAD, 0u);
        EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
        EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    }
}

TEST(PosixSerialPort, EveryByteValuePassesBothWays) {
    FarEnd far;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(far.path(), 9600, TimeoutProfile::kProgramming));
    std::vector<std::uint8_t> all(256);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(port.Write(all.data(), all.size()), 256u);
    EXPECT_EQ(far.Receive(), all);
    far.Send(all);
    std::vector<std::uint8_t> got(256);
    EXPECT_EQ(port.Read(got.data(), got.size()), 256u);
    EXPECT_EQ(got, all);
}

TEST(PosixSerialPort, ReadsStopAtTheTimeOutsWithWhatArrived) {
    FarEnd far;
    for (const auto profile : {TimeoutProfile::kProgramming, TimeoutProfile::kAdjustment}) {
        PosixSerialPort port;
        ASSERT_TRUE(port.Open(far.path(), 9600, profile));
        std::uint8_t buf[16];
        // Nothing comes: the total time-out (100 + 50 per byte) ends the read.
        auto start = Clock::now();
        EXPECT_EQ(port.Read(buf, 2), 0u);
        auto took = Clock::now() - start;
        EXPECT_GE(took, 195ms);
        EXPECT_LT(took, 2s);  // no hang
        // A short reply: the quiet interval after the last byte ends the read
        // long before the total time-out of 900 ms.
        far.Send({1, 2, 3});
        start = Clock::now();
        EXPECT_EQ(port.Read(buf, 16), 3u);
        took = Clock::now() - start;
        EXPECT_GE(took, profile == TimeoutProfile::kProgramming ? 45ms : 95ms);
        EXPECT_LT(took, 850ms);
        EXPECT_EQ(buf[2], 3);
    }
}

TEST(PosixSerialPort, SlowBytesWithinTheIntervalAllArrive) {
    FarEnd far;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(far.path(), 9600, TimeoutProfile::kProgramming));
    std::thread sender([&] {
        for (std::uint8_t b = 0; b < 6; ++b) {
            std::this_thread::sleep_for(20ms);
            far.Send({b});
        }
    });
    std::uint8_t buf[6] = {};
    EXPECT_EQ(port.Read(buf, 6), 6u);
    sender.join();
    EXPECT_EQ(buf[5], 5);
}

TEST(PosixSerialPort, PurgeDropsInputButNeverWhatWasSent) {
    FarEnd far;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(far.path(), 9600, TimeoutProfile::kProgramming));
    far.Send({'s', 't', 'a', 'l', 'e'});
    std::this_thread::sleep_for(50ms);
    port.Purge();
    std::uint8_t byte = 0;
    EXPECT_EQ(port.Read(&byte, 1), 0u);

    const std::vector<std::uint8_t> request = {'R', 0x21, 0x60, 0x20};
    EXPECT_EQ(port.Write(request.data(), request.size()), 4u);
    port.Purge();
    EXPECT_EQ(far.Receive(), request);
}

}  // namespace
}  // namespace dpmr::test
