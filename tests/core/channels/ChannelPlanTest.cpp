// The PMR446 and dPMR446 plans: their frequencies pinned whole, the codec
// holding each exactly, the bands that are offered them, the fill through the
// table's rules and the requests refused before anything changes.
#include "channels/ChannelPlan.h"

#include <gtest/gtest.h>

#include "codec/FrequencyCodec.h"
#include "image/ChannelRecord.h"
#include "support/ChannelTable.h"

namespace dpmr {
namespace {

using test::ChannelTable;
using T = ChannelTablePresenter;

TEST(ChannelPlan, Pmr446IsTheSixteenStandardFrequencies) {
    const std::vector<std::string> expected{"446.006250", "446.018750", "446.031250", "446.043750",
                                            "446.056250", "446.068750", "446.081250", "446.093750",
                                            "446.106250", "446.118750", "446.131250", "446.143750",
                                            "446.156250", "446.168750", "446.181250", "446.193750"};
    const ChannelPlan& plan = PlanOf(PlanId::kPmr446);
    ASSERT_EQ(plan.count, 16);
    for (int k = 1; k <= plan.count; ++k)
        EXPECT_EQ(PlanFrequencyText(plan, k), expected[static_cast<std::size_t>(k - 1)]) << k;
}

TEST(ChannelPlan, Dpmr446IsTheThirtyTwoFrequencies) {
    const std::vector<std::string> expected{
        "446.003125", "446.009375", "446.015625", "446.021875", "446.028125", "446.034375",
        "446.040625", "446.046875", "446.053125", "446.059375", "446.065625", "446.071875",
        "446.078125", "446.084375", "446.090625", "446.096875", "446.103125", "446.109375",
        "446.115625", "446.121875", "446.128125", "446.134375", "446.140625", "446.146875",
        "446.153125", "446.159375", "446.165625", "446.171875", "446.178125", "446.184375",
        "446.190625", "446.196875"};
    const ChannelPlan& plan = PlanOf(PlanId::kDpmr446);
    ASSERT_EQ(plan.count, 32);
    for (int k = 1; k <= plan.count; ++k)
        EXPECT_EQ(PlanFrequencyText(plan, k), expected[static_cast<std::size_t>(k - 1)]) << k;
}

TEST(ChannelPlan, EveryPlanFrequencyIsHeldExactlyByTheCodec) {
    for (const ChannelPlan& plan : ChannelPlans())
        for (int k = 1; k <= plan.count; ++k)
            EXPECT_TRUE(FrequencyHeldExactly(PlanFrequencyHz(plan, k))) << plan.name << " " << k;
    // Off the 2.5 and 3.125 kHz raster, or finer than 10 Hz off it.
    EXPECT_FALSE(FrequencyHeldExactly(446001000));
    EXPECT_FALSE(FrequencyHeldExactly(446003100));
    EXPECT_FALSE(FrequencyHeldExactly(446003126));
    EXPECT_FALSE(FrequencyHeldExactly(0));
    EXPECT_TRUE(FrequencyHeldExactly(145125000));
}

TEST(ChannelPlan, NamesInAnyCase) {
    EXPECT_EQ(FindPlan("pmr446"), PlanId::kPmr446);
    EXPECT_EQ(FindPlan("DPMR446"), PlanId::kDpmr446);
    EXPECT_EQ(FindPlan("pmr"), std::nullopt);
}

TEST(ChannelPlan, OnlyBandsHoldingThePlanWholeAreOffered) {
    for (const ChannelPlan& plan : ChannelPlans()) {
        EXPECT_EQ(WhyPlanNotOffered(plan, {40000000, 47000000}), "") << plan.name;
        EXPECT_EQ(WhyPlanNotOffered(plan, {44600000, 44620000}), "") << plan.name;
    }
    EXPECT_EQ(WhyPlanNotOffered(PlanOf(PlanId::kPmr446), {13600000, 17400000}),
              "PMR446 needs 446.00625-446.19375 MHz; this file's band is 136-174 MHz");
    // A band ending inside the plan holds part of it only.
    EXPECT_EQ(WhyPlanNotOffered(PlanOf(PlanId::kDpmr446), {40000000, 44610000}),
              "dPMR446 needs 446.003125-446.196875 MHz; this file's band is 400-446.1 MHz");
    EXPECT_NE(WhyPlanNotOffered(PlanOf(PlanId::kDpmr446), {44600313, 44700000}), "");
    EXPECT_EQ(WhyPlanNotOffered(PlanOf(PlanId::kDpmr446), {44600312, 44619688}), "");
    EXPECT_NE(WhyPlanNotOffered(PlanOf(PlanId::kDpmr446), {44600312, 44619687}), "");
}

TEST(ChannelPlanFill, Pmr446OnANewTableGivesTheSixteenChannelsNarrowAnalog) {
    ChannelTable t;
    FillReport report;
    ASSERT_TRUE(FillChannels(t.table, {PlanId::kPmr446}, report));
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(t.Row(n), PlanFrequencyText(PlanOf(PlanId::kPmr446), n) + "|" +
                                PlanFrequencyText(PlanOf(PlanId::kPmr446), n) +
                                "|None|None|High|Add|Narrow|Analog")
            << n;
    ASSERT_EQ(report.lines.size(), 1u);
    EXPECT_EQ(report.lines[0],
              "Channels 1-16: PMR446 1-16 (446.006250 to 446.193750 MHz), Narrow, Analog, no "
              "tones");
    t.table.StoreGridToImage();
    // 446.00625 MHz in the record, no shift, narrow.
    EXPECT_EQ(t.image.Bcd4(channel::RecordOffset(1) + channel::kRxFreq), 44600625u);
    EXPECT_EQ(t.image.Bcd4(channel::RecordOffset(16) + channel::kTxFreq), 44619375u);
    EXPECT_EQ(t.image.U8(channel::RecordOffset(1) + channel::kSameFrequency), 1);
    EXPECT_EQ(t.image.U8(channel::RecordOffset(1) + channel::kFlags) & 0x02, 0x02);
}

TEST(ChannelPlanFill, Dpmr446FromAChosenChannelIntoSelectedRowsKeepsTheRest) {
    ChannelTable t;
    t.PutChannel(5, 44610000, 44620000);
    t.PutChannel(9, 44610000, 44610000);
    // The tones of a digital plan's rows stay as they were.
    t.table.EnterCellText(5, T::kRxToneCol, "88.5");
    FillReport report;
    ASSERT_TRUE(FillChannels(t.table, {PlanId::kDpmr446, 17, {4, 5, 6}}, report));
    EXPECT_EQ(t.Row(4), "446.103125|446.103125|None|None|High|Add|Narrow|Digit");
    EXPECT_EQ(t.Row(5), "446.109375|446.109375|88.5|None|Low|Add|Narrow|Digit");
    EXPECT_EQ(t.Row(6), "446.115625|446.115625|None|None|High|Add|Narrow|Digit");
    EXPECT_EQ(t.Row(9), "446.100000|446.100000|None|None|Low|Add|Wide|Digit");
    EXPECT_EQ(t.Row(3), "|||||||");
    EXPECT_EQ(report.filled, (std::set<int>{4, 5, 6}));
    t.table.StoreGridToImage();
    // The record holds tens of Hz: 446.103125 MHz is 44610312, read back on the raster.
    EXPECT_EQ(t.image.Bcd4(channel::RecordOffset(4) + channel::kRxFreq), 44610312u);
    EXPECT_EQ(FrequencyToText(44610312), "446.103125");
    // Channel 5 had a shift; now receive and send are the same.
    EXPECT_EQ(t.image.U8(channel::RecordOffset(5) + channel::kSameFrequency), 1);
}

TEST(ChannelPlanFill, ThePlanRunningOutLeavesTheLastRowsAndSaysSo) {
    ChannelTable t;
    FillReport report;
    ASSERT_TRUE(FillChannels(t.table, {PlanId::kDpmr446, 30}, report));
    EXPECT_EQ(t.table.Cell(3, T::kRxFreqCol), "446.196875");
    EXPECT_EQ(t.table.Cell(4, T::kRxFreqCol), "");
    ASSERT_EQ(report.lines.size(), 2u);
    EXPECT_EQ(report.lines[1], "Channels 4-16 left unchanged: dPMR446 ends at channel 32");
}

TEST(ChannelPlanFill, TonesTheSameOrOnePerChannel) {
    ChannelTable t;
    FillReport report;
    ASSERT_TRUE(
        FillChannels(t.table, {PlanId::kPmr446, 1, {1, 2}, PlanTones::kSame, "67.0"}, report));
    EXPECT_EQ(t.Row(2), "446.018750|446.018750|67.0|67.0|High|Add|Narrow|Analog");
    ASSERT_TRUE(FillChannels(
        t.table, {PlanId::kPmr446, 3, {5, 6, 7}, PlanTones::kOnePerChannel, "88.5"}, report));
    EXPECT_EQ(t.Row(5), "446.031250|446.031250|88.5|88.5|High|Add|Narrow|Analog");
    EXPECT_EQ(t.Row(6), "446.043750|446.043750|91.5|91.5|High|Add|Narrow|Analog");
    EXPECT_EQ(t.Row(7), "446.056250|446.056250|94.8|94.8|High|Add|Narrow|Analog");
    EXPECT_EQ(report.lines[0],
              "Channels 5-7: PMR446 3-5 (446.031250 to 446.056250 MHz), Narrow, Analog, tones "
              "88.5 to 94.8 Hz");
    // Sixteen tones from the sixteenth last of the list fit; from the fifteenth last they do not.
    FillPlanOut out;
    EXPECT_TRUE(PlanFill({PlanId::kPmr446, 1, {}, PlanTones::kOnePerChannel, "183.5"}, out));
    EXPECT_EQ(out.tones.back(), "254.1");
    const Status s = PlanFill({PlanId::kPmr446, 1, {}, PlanTones::kOnePerChannel, "186.2"}, out);
    EXPECT_EQ(s.message(),
              "one tone per channel from 186.2 Hz needs 16 tones; the list has 15 from there "
              "(start at 183.5 Hz or lower)");
}

TEST(ChannelPlanFill, RefusedRequestsChangeNothing) {
    struct Case {
        FillRequest request;
        BandLimits band;
        std::string said;
    };
    const BandLimits uhf{40000000, 47000000};
    const std::vector<Case> cases{
        {{PlanId::kPmr446, 17}, uhf, "PMR446 has channels 1 to 16; there is no channel 17"},
        {{PlanId::kDpmr446, 0}, uhf, "dPMR446 has channels 1 to 32; there is no channel 0"},
        {{PlanId::kPmr446, 1, {0, 1}},
         uhf,
         "the table has channels 1 to 16; there is no channel 0"},
        {{PlanId::kDpmr446, 1, {}, PlanTones::kSame, "67.0"},
         uhf,
         "dPMR446 channels are digital: CTCSS tones do not apply to them"},
        {{PlanId::kPmr446, 1, {}, PlanTones::kSame, "D023N"},
         uhf,
         "\"D023N\" is no CTCSS tone of the list (63.0 to 254.1, as \"67.0\")"},
        {{PlanId::kPmr446, 1, {}, PlanTones::kSame, "67"},
         uhf,
         "\"67\" is no CTCSS tone of the list (63.0 to 254.1, as \"67.0\")"},
        {{PlanId::kPmr446},
         {13600000, 17400000},
         "PMR446 needs 446.00625-446.19375 MHz; this file's band is 136-174 MHz"},
    };
    for (const Case& c : cases) {
        ChannelTable t(c.band.lower, c.band.upper);
        t.PutChannel(1, c.band.lower, c.band.lower);
        const std::string before = t.Row(1) + t.Row(2);
        FillReport report;
        const Status s = FillChannels(t.table, c.request, report);
        EXPECT_FALSE(s);
        EXPECT_EQ(s.message(), c.said);
        EXPECT_EQ(t.Row(1) + t.Row(2), before);
        EXPECT_TRUE(report.filled.empty());
    }
}

}  // namespace
}  // namespace dpmr
