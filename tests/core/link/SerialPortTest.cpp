// PosixSerialPort on a real pseudo-terminal: the read time-outs of both
// profiles, and a purge that drops input but never
// what was sent. (Exclusive open and open failures are covered with the transfers.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "link/PosixSerialPort.h"

namespace dpmr::test {
namespace {

using namespace std::chrono_literals;

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
    // What came out of the line within a bound that only a hung port reaches.
    std::vector<std::uint8_t> Receive() const {
        pollfd pfd{master, POLLIN, 0};
        std::uint8_t buf[512];
        const ssize_t n = ::poll(&pfd, 1, 10000) == 1 ? ::read(master, buf, sizeof buf) : 0;
        return {buf, buf + std::max<ssize_t>(n, 0)};
    }
    // Waits until what was sent has reached the port's side of the line.
    bool Arrived() const {
        pollfd pfd{holder, POLLIN, 0};
        return ::poll(&pfd, 1, 10000) == 1;
    }
};

// A read waits for its first byte up to the total time-out (100 ms + 50 ms a
// byte), and once bytes have come it ends when the line has been quiet for the
// interval (50 ms, or 100 ms for the adjustment profile). The far end's pauses
// are many times the interval and a small part of the total, so that neither
// a slow machine nor a busy one changes what is read; nothing is timed here.
TEST(PosixSerialPort, ReadsWaitForTheFirstByteAndEndAfterAQuietInterval) {
    FarEnd far;
    for (const auto profile : {TimeoutProfile::kProgramming, TimeoutProfile::kAdjustment}) {
        PosixSerialPort port;
        ASSERT_TRUE(port.Open(far.path, 9600, profile));
        std::uint8_t buf[255];
        EXPECT_EQ(port.Read(buf, 2), 0u);  // nothing comes: the read still ends
        std::thread sender([&] {
            std::this_thread::sleep_for(500ms);  // after the interval, long before the total
            far.Send({1, 2, 3});
            std::this_thread::sleep_for(1s);  // the read has ended by now
            far.Send({4});
        });
        EXPECT_EQ(port.Read(buf, sizeof buf), 3u);
        sender.join();
        EXPECT_EQ(buf[2], 3);
        EXPECT_EQ(port.Read(buf, sizeof buf), 1u);  // the byte that came later
        EXPECT_EQ(buf[0], 4);
    }
}

TEST(PosixSerialPort, PurgeDropsInputButNeverWhatWasSent) {
    FarEnd far;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(far.path, 9600, TimeoutProfile::kProgramming));
    far.Send({'s', 't', 'a', 'l', 'e'});
    ASSERT_TRUE(far.Arrived());
    port.Purge();
    std::uint8_t byte = 0;
    EXPECT_EQ(port.Read(&byte, 1), 0u);
    const std::vector<std::uint8_t> request = {'R', 0x21, 0x60, 0x20};
    EXPECT_EQ(port.Write(request.data(), request.size()), 4u);
    port.Purge();
    EXPECT_EQ(far.Receive(), request);
}

// The line runs at the speed asked for, or at the nearest standard speed
// below it: 9600 for anything slower that the system has no speed for.
TEST(PosixSerialPort, LineSpeedIsTheStandardOneAtOrBelowTheRateAsked) {
    const std::pair<std::int32_t, speed_t> rates[] = {
        {9600, B9600}, {19200, B19200}, {19199, B9600},  {10000, B9600},
        {5000, B9600}, {2400, B2400},   {57601, B57600}, {1000000, B921600}};
    for (auto [baud, speed] : rates) {
        FarEnd far;
        PosixSerialPort port;
        ASSERT_TRUE(port.Open(far.path, baud, TimeoutProfile::kProgramming).ok());
        termios tio{};
        ASSERT_EQ(::tcgetattr(far.holder, &tio), 0);
        EXPECT_EQ(::cfgetospeed(&tio), speed) << baud;
    }
}

}  // namespace
}  // namespace dpmr::test
