// The "DTMF" and "Alarm" fields through the real dpmrtool: `get` shows the
// words that come from the image, and `set` on a crafted radio file either
// writes every step, byte by byte, or (one step refused) nothing at all.
#include <gtest/gtest.h>

#include <string>

#include "image/Document.h"
#include "support/ImageBytes.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

using test::Bytes;
using test::ImageBytes;
using test::Tool;

TEST(DtmfAlarmToolTest, SetAndGetOnACraftedFile) {
    test::TempDir dir;
    const std::string file = dir.File("r.dat");
    RadioImage image;
    image.SetU8(0x357, 0);     // cycle "continue"
    image.SetU8(0x373, 0xFF);  // exit delay "unlimited"
    image.SetU8(0x2031, 1);    // decode response "Response": no entry
    ASSERT_TRUE(SaveImageFile(file, image).ok());
    EXPECT_EQ(Tool("get " + file + " alarm.cycle alarm.exit_delay dtmfdecode.decode_response").out,
              "alarm.cycle=continue\nalarm.exit_delay=unlimited\ndtmfdecode.decode_response=\n");

    // A text that is no entry stops everything: the file stays as it was.
    const test::ToolRun refused =
        Tool("set " + file + " alarm.cycle-- dtmfdecode.decode_response=Response");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("\"Remind and Reply\""), std::string::npos) << refused.err;
    RadioImage after;
    ASSERT_TRUE(LoadImageFile(file, after).ok());
    EXPECT_TRUE(after == image);

    const test::ToolRun set = Tool("set " + file +
                                   " alarm.cycle-- alarm.exit_delay++ alarm.digit_id=12345 "
                                   "'alarm.analog_id=1a*#' dtmfdecode.kill_code=12#");
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(LoadImageFile(file, after).ok());
    EXPECT_EQ(ImageBytes(after, 0x357, 1), Bytes{255});
    EXPECT_EQ(ImageBytes(after, 0x373, 1), Bytes{0});
    EXPECT_EQ(ImageBytes(after, 0x358, 15),
              (Bytes{1, 0x0A, 0x0E, 0x0F, 255, 255, 255, 255, 0, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(ImageBytes(after, 0x2050, 5), (Bytes{1, 2, 0x0F, 0x0F, 0xFF}));
    EXPECT_EQ(ImageBytes(after, 0x2031, 1), Bytes{4});  // nothing chosen stores 4
}

}  // namespace
}  // namespace dpmr
