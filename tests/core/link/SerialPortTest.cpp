// PosixSerialPort on a real pseudo-terminal: raw 8N1 at the chosen speed, the
// read time-outs of both profiles, and a purge that drops input but never what
// was sent. (Exclusive open and open failures are covered with the transfers.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "link/PosixSerialPort.h"

namespace dpmr::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The far end of the line: a pty master; the port under test opens the slave,
// which `holder` keeps open so that the line stays up and can be inspected.
struct FarEnd {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    std::string path = (::grantpt(master), ::unlockpt(master), ::ptsname(master));
    int holder = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    ~FarEnd() {
        ::close(holder);
        ::close(master);
    }
    void Send(std::vector<std::uint8_t> bytes) const {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    std::vector<std::uint8_t> Receive() const {  // what arrives within 100 ms
        std::vector<std::uint8_t> out;
        for (const auto end = Clock::now() + 100ms; Clock::now() < end;) {
            pollfd pfd{master, POLLIN, 0};
            std::uint8_t buf[512];
            if (::poll(&pfd, 1, 10) > 0)
                if (const ssize_t n = ::read(master, buf, sizeof buf); n > 0)
                    out.insert(out.end(), buf, buf + n);
        }
        return out;
    }
};

TEST(PosixSerialPort, LineIsRawEightBitsAtTheNearestSpeed) {
    FarEnd far;
    const std::pair<std::int32_t, speed_t> cases[] = {
        {9600, B9600}, {115200, B115200}, {1200, B1200}, {10000, B9600}, {250000, B230400}};
    for (const auto& [baud, speed] : cases) {
        PosixSerialPort port;
        ASSERT_TRUE(port.Open(far.path, baud, TimeoutProfile::kProgramming));
        termios tio{};
        ASSERT_EQ(::tcgetattr(far.holder, &tio), 0);
        EXPECT_EQ(::cfgetospeed(&tio), speed) << baud;
        EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CREAD), tcflag_t(CS8 | CREAD));
        EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
        EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    }
}

TEST(PosixSerialPort, ReadsEndAtTheTotalOrTheQuietInterval) {
    FarEnd far;
    for (const auto profile : {TimeoutProfile::kProgramming, TimeoutProfile::kAdjustment}) {
        PosixSerialPort port;
        ASSERT_TRUE(port.Open(far.path, 9600, profile));
        std::uint8_t buf[16];
        auto start = Clock::now();
        EXPECT_EQ(port.Read(buf, 2), 0u);  // nothing comes: 100 + 2 x 50 ms
        EXPECT_GE(Clock::now() - start, 195ms);
        EXPECT_LT(Clock::now() - start, 2s);
        // Bytes 20 ms apart all arrive; the quiet interval after the last one
        // ends the read long before the total of 900 ms.
        std::thread sender([&] {
            for (std::uint8_t b = 1; b <= 3; ++b, std::this_thread::sleep_for(20ms)) far.Send({b});
        });
        start = Clock::now();
        EXPECT_EQ(port.Read(buf, 16), 3u);
        sender.join();
        EXPECT_GE(Clock::now() - start, profile == TimeoutProfile::kProgramming ? 45ms : 95ms);
        EXPECT_LT(Clock::now() - start, 850ms);
        EXPECT_EQ(buf[2], 3);
    }
}

TEST(PosixSerialPort, PurgeDropsInputButNeverWhatWasSent) {
    FarEnd far;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(far.path, 9600, TimeoutProfile::kProgramming));
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
