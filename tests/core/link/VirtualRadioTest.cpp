// The virtual radio on its own: session after session, also after it fell
// silent, and the shipped demo configuration.
#include <gtest/gtest.h>

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
    EXPECT_EQ(radio->CompletedSessions(), 9);  // the adjustment reads end no session
}

TEST(SampleCodeplug, ShippedFileIsWhatTheBuilderMakes) {
    RadioImage shipped;
    const std::string path = std::string(DPMR_SOURCE_DIR) + "/res/" + kSampleCodeplugFileName;
    ASSERT_TRUE(LoadImageFile(path, shipped).ok()) << path;
    EXPECT_EQ(shipped, BuildSampleCodeplug());
}

}  // namespace
}  // namespace dpmr::test
