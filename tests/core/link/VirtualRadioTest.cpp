// The virtual radio on its own: session after session, also after it fell
// silent, the exclusive mode a killed program leaves behind, and the shipped
// demo configuration.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/link/LinkTestSupport.h"
#include "image/Document.h"
#include "link/SampleCodeplug.h"

namespace dpmr::test {
namespace {

TEST(VirtualRadio, ServesSessionAfterSessionWhateverTheLastOneLeftBehind) {
    auto radio = StartRadio();
    RadioImage image = PatternImage(33);
    // Silent after one block: no answer, not even to "ENDW", until the next wake-up.
    radio->SetFaults({.silentAfterBlocks = 1});
    EXPECT_TRUE(RunTransfer(Kind::kWrite, *radio, image).failed());
    EXPECT_EQ(radio->CompletedSessions(), 0);
    radio->SetFaults({});
    for (int i = 0; i < 3; ++i) {
        for (const Kind kind : {Kind::kWrite, Kind::kRead, Kind::kReadSquelch, Kind::kReadAdjust}) {
            ASSERT_TRUE(RunTransfer(kind, *radio, image).succeeded()) << i;
        }
    }
    EXPECT_TRUE(SessionsCompleted(*radio, 9));  // the adjustment reads end no session
}

// A program killed in the middle of a transfer never clears the exclusive
// mode it set on the line; the kernel closes its port all the same, and the
// radio clears the mode then, so that the next program (not root) can open it.
TEST(VirtualRadio, TakesBackTheExclusiveModeOfAProgramThatDied) {
    auto radio = StartRadio();
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(radio->DevicePath().c_str(), O_RDWR | O_NOCTTY);
        ::_exit(fd >= 0 && ::ioctl(fd, TIOCEXCL) == 0 ? 0 : 1);  // no close, no TIOCNXCL
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(status, 0);
    // Root may open an exclusive line; opening does not clear the mode, a close would.
    const int fd = ::open(radio->DevicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const auto exclusive = [fd] {
        int on = -1;
        return ::ioctl(fd, TIOCGEXCL, &on) == 0 && on != 0;
    };
    EXPECT_TRUE(Eventually([&] { return !exclusive(); }));
    ::close(fd);
    RadioImage image = PatternImage(8);
    EXPECT_TRUE(RunTransfer(Kind::kRead, *radio, image).succeeded());
}

TEST(SampleCodeplug, ShippedFileIsWhatTheBuilderMakes) {
    RadioImage shipped;
    const std::string path = std::string(DPMR_SOURCE_DIR) + "/res/" + kSampleCodeplugFileName;
    ASSERT_TRUE(LoadImageFile(path, shipped).ok()) << path;
    EXPECT_EQ(shipped, BuildSampleCodeplug());
}

}  // namespace
}  // namespace dpmr::test
