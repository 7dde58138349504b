// dpmrtool set on a range of channels and dpmrtool fill, run as the built
// program: what they write, and the refusals that leave the file untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "codec/FrequencyCodec.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

using test::FileText;
using test::QuotedTool;
using test::ToolRun;

class DpmrtoolChannelPlan : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(QuotedTool({"new", "-o", file_}).status, 0); }
    RadioImage Image() const {
        RadioImage image;
        EXPECT_TRUE(LoadImageFile(file_, image).ok());
        return image;
    }
    void Save(const RadioImage& image) const { ASSERT_TRUE(SaveImageFile(file_, image).ok()); }
    // Channels 1..16 all present, on 446.1 MHz, "High".
    void FillAll() {
        RadioImage image = Image();
        for (int n = 1; n <= 16; ++n) {
            ResetChannelRecord(image, n);
            SetBcdFrequency(image, channel::RecordOffset(n) + channel::kRxFreq, 44610000);
            SetBcdFrequency(image, channel::RecordOffset(n) + channel::kTxFreq, 44610000);
            image.SetU8(channel::RecordOffset(n) + channel::kFlags, 0xC1);
        }
        Save(image);
    }
    std::string Get(const std::string& key) const {
        const ToolRun r = QuotedTool({"get", file_, key});
        return r.out;
    }
    test::TempDir dir_;
    const std::string file_ = dir_.File("radio.dat");
};

TEST_F(DpmrtoolChannelPlan, SetOnARangeOfChannelsSetsEachOfThem) {
    FillAll();
    const ToolRun r = QuotedTool({"set", file_, "channel1-8.power=Low"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(Get("channel" + std::to_string(n) + ".power"),
                  "channel" + std::to_string(n) + ".power=Low\n");
    EXPECT_EQ(Get("channel9.power"), "channel9.power=High\n");
    // One channel is a range too, and ranges mix with single steps.
    ASSERT_EQ(
        QuotedTool({"set", file_, "channel12-12.bandwidth=Narrow", "channel9.power=Low"}).status,
        0);
    EXPECT_EQ(Get("channel12.bandwidth"), "channel12.bandwidth=Narrow\n");
    EXPECT_EQ(Get("channel11.bandwidth"), "channel11.bandwidth=Wide\n");
    EXPECT_EQ(Get("channel9.power"), "channel9.power=Low\n");
}

TEST_F(DpmrtoolChannelPlan, RangesThatAreWrongOrHoldARefusalLeaveTheFile) {
    FillAll();
    RadioImage image = Image();
    ResetChannelRecord(image, 6);  // an empty channel in the middle of the range
    Save(image);
    const std::string before = FileText(file_);
    const std::vector<std::pair<std::string, std::string>> cases{
        {"channel8-1.power=Low", "channel range \"channel8-1\" is not channelA-B"},
        {"channel5-4.power=Low", "channel range \"channel5-4\""},
        {"channel0-3.power=Low", "channel range \"channel0-3\""},
        {"channel1-17.power=Low", "channel range \"channel1-17\""},
        {"channel1-x.power=Low", "channel range \"channel1-x\""},
        {"channel1-8.power=Middle", "\"Middle\" is not an entry of \"Tx power\""},
        {"channel1-8.power=Low", "\"channel6.power\" (Tx power) is greyed out"},
    };
    for (const auto& [step, said] : cases) {
        const ToolRun r = QuotedTool({"set", file_, step});
        EXPECT_EQ(r.status, 2) << step;
        EXPECT_NE(r.err.find(said), std::string::npos) << step << ": " << r.err;
        EXPECT_EQ(FileText(file_), before) << step;
    }
}

TEST_F(DpmrtoolChannelPlan, FillPmr446GivesTheSixteenChannelsNarrowAnalog) {
    const ToolRun r = QuotedTool({"fill", file_, "pmr446", "--tone", "67.0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Channels 1-16: PMR446 1-16 (446.006250 to 446.193750 MHz), Narrow, "
                         "Analog, tone 67.0 Hz"),
              std::string::npos)
        << r.err;
    const RadioImage image = Image();
    for (int n = 1; n <= 16; ++n) {
        const std::size_t rec = channel::RecordOffset(n);
        EXPECT_EQ(image.Bcd4(rec + channel::kRxFreq), 44600625u + 1250u * (n - 1)) << n;
        EXPECT_EQ(image.Bcd4(rec + channel::kTxFreq), 44600625u + 1250u * (n - 1)) << n;
    }
    EXPECT_EQ(Get("channel16.bandwidth"), "channel16.bandwidth=Narrow\n");
    EXPECT_EQ(Get("channel3.channel_type"), "channel3.channel_type=Analog\n");
    EXPECT_EQ(Get("channel5.rx_tone"), "channel5.rx_tone=67.0\n");
}

TEST_F(DpmrtoolChannelPlan, FillDpmr446FromAPlanChannelIntoARange) {
    const RadioImage before = Image();
    const ToolRun r = QuotedTool({"fill", file_, "DPMR446", "--first", "29", "--channels", "9-14"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Channels 13, 14 left unchanged: dPMR446 ends at channel 32"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(Get("channel9.rx_freq"), "channel9.rx_freq=446.178125\n");
    EXPECT_EQ(Get("channel12.tx_freq"), "channel12.tx_freq=446.196875\n");
    EXPECT_EQ(Get("channel12.channel_type"), "channel12.channel_type=Digit\n");
    const RadioImage after = Image();
    for (int n : {8, 13, 14, 15})
        EXPECT_TRUE(std::equal(before.Data() + channel::RecordOffset(n),
                               before.Data() + channel::RecordOffset(n) + 32,
                               after.Data() + channel::RecordOffset(n)))
            << n;
    EXPECT_EQ(Image().Bcd4(channel::RecordOffset(9) + channel::kRxFreq), 44617812u);
}

TEST_F(DpmrtoolChannelPlan, FillRefusalsLeaveTheFile) {
    RadioImage image = Image();
    image.SetBcd4(layout::kTableBandLower, 13600000);
    image.SetBcd4(layout::kTableBandUpper, 17400000);
    Save(image);
    const std::string vhf = FileText(file_);
    ToolRun r = QuotedTool({"fill", file_, "pmr446"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("not changed: PMR446 needs 446.00625-446.19375 MHz; this file's band is "
                         "136-174 MHz"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(FileText(file_), vhf);

    ASSERT_EQ(QuotedTool({"new", "-o", file_}).status, 0);
    const std::string uhf = FileText(file_);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"pmr"}, "unknown plan \"pmr\" (pmr446 or dpmr446)"},
        {{"pmr446", "--first", "1", "--first", "2"}, "--first is given twice"},
        {{"pmr446", "--tone", "67.0", "--tones-from", "67.0"}, "give one"},
        {{"pmr446", "--first", "17"}, "PMR446 has channels 1 to 16"},
        {{"pmr446", "--channels", "3-x"}, "--channels needs N or A-B"},
        {{"pmr446", "--channels", "0-4"}, "there is no channel 0"},
        {{"dpmr446", "--tone", "67.0"}, "CTCSS tones do not apply"},
        {{"pmr446", "--tones-from", "250.3"}, "the list has 2 from there"},
    };
    for (const auto& [args, said] : cases) {
        std::vector<std::string> all{"fill", file_};
        all.insert(all.end(), args.begin(), args.end());
        r = QuotedTool(all);
        EXPECT_EQ(r.status, 2) << said;
        EXPECT_NE(r.err.find(said), std::string::npos) << said << ": " << r.err;
        EXPECT_EQ(FileText(file_), uhf) << said;
    }
}

}  // namespace
}  // namespace dpmr
