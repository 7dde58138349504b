// The "DTMF" and "Alarm" fields through the real dpmrtool: where `fields`
// says they are (dialog, page, group, label), and `set` and `get` on a
// crafted radio file, byte by byte.
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

TEST(DtmfAlarmToolTest, FieldsSayWhereTheDialogsShowThem) {
    const test::ToolRun run = Tool("fields --json");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* entry : {
             R"j({"key": "dtmfcontact.code7", "dialog": "DTMF", "page": "Contact", "group": "7", )j"
             R"j("label": "Code", "kind": "digits", "offset": 8384, "size": 16, "bits": "", )j"
             R"j("hidden": false)j",
             R"j("key": "dtmfdecode.kill_type", "dialog": "DTMF", "page": "Decode", "group": "", )j"
             R"j("label": "Kill type", "kind": "list", "offset": 8247, "size": 1, "bits": "6-7")j",
             R"j({"key": "alarm.exit_delay", "dialog": "Alarm", "page": "", "group": "", )j"
             R"j("label": "Exit delay (s)", "kind": "number", "offset": 883, "size": 1, )j"
             R"j("bits": "0-7", "hidden": true)j",
             R"j("label": "Upside pre-prompt  (s)")j",
             R"j("label": "Off-line  code")j",
         })
        EXPECT_NE(run.out.find(entry), std::string::npos) << entry;
}

TEST(DtmfAlarmToolTest, SetAndGetOnACraftedFile) {
    test::TempDir dir;
    const std::string file = dir.File("r.dat");
    RadioImage image;
    image.SetU8(0x357, 0);     // cycle "continue"
    image.SetU8(0x373, 0xFF);  // exit delay "unlimited"
    image.SetU8(0x2031, 1);    // decode response "Response": no entry
    image.Fill(0x2050, 16, 0x01);
    ASSERT_TRUE(SaveImageFile(file, image).ok());

    const test::ToolRun get = Tool("get " + file +
                                   " alarm.cycle alarm.exit_delay "
                                   "dtmfdecode.decode_response dtmfdecode.kill_code");
    EXPECT_EQ(get.out,
              "alarm.cycle=continue\nalarm.exit_delay=unlimited\n"
              "dtmfdecode.decode_response=\ndtmfdecode.kill_code=111111111111111\n");

    // A text that is no entry stops everything: the file stays as it was.
    const test::ToolRun refused = Tool("set " + file +
                                       " alarm.cycle-- "
                                       "dtmfdecode.decode_response=Response");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("\"Remind and Reply\""), std::string::npos) << refused.err;
    RadioImage after;
    ASSERT_TRUE(LoadImageFile(file, after).ok());
    EXPECT_TRUE(after == image);

    const test::ToolRun set =
        Tool("set " + file +
             " alarm.cycle-- alarm.exit_delay++ alarm.digit_id=12345 'alarm.analog_id=1a*#' "
             "dtmfdecode.kill_code=12# dtmfcontact.code2=5d dtmfencode.first_digit_delay=250");
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(LoadImageFile(file, after).ok());
    EXPECT_EQ(ImageBytes(after, 0x357, 1), Bytes{255});
    EXPECT_EQ(ImageBytes(after, 0x373, 1), Bytes{0});
    EXPECT_EQ(ImageBytes(after, 0x358, 15),
              (Bytes{1, 0x0A, 0x0E, 0x0F, 255, 255, 255, 255, 0, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(ImageBytes(after, 0x2050, 5), (Bytes{1, 2, 0x0F, 0x0F, 0xFF}));
    EXPECT_EQ(ImageBytes(after, 0x2070, 3), (Bytes{5, 0x0D, 0xFF}));
    EXPECT_EQ(ImageBytes(after, 0x2001, 1), Bytes{2});
    EXPECT_EQ(ImageBytes(after, 0x2031, 1), Bytes{4});  // nothing chosen stores 4
}

}  // namespace
}  // namespace dpmr
