// The digital fields changed in "Channel edit" on one of several selected
// channels, given to the others through their own dialogs.
#include "channels/DigitalFieldSpread.h"

#include <gtest/gtest.h>

#include "channels/ChannelEditPresenter.h"
#include "codec/FrequencyCodec.h"
#include "image/ChannelRecord.h"

namespace dpmr {
namespace {

using C = EditControl;

struct SpreadTest : ::testing::Test {
    SpreadTest() {
        for (int n : {2, 3, 4, 6}) {
            ResetChannelRecord(image, n);
            SetBcdFrequency(image, channel::RecordOffset(n) + channel::kRxFreq, 44610000);
            SetBcdFrequency(image, channel::RecordOffset(n) + channel::kTxFreq, 44610000);
        }
    }
    // What channel n's dialog shows for control c.
    std::string Shown(int n, C c) {
        RadioImage copy = image;
        return ChannelEditPresenter(copy, band, n, "").Text(c);
    }
    // The user's dialog on channel n: `c` set to `text`, then closed.
    void Edit(int n, C c, const std::string& text) {
        ChannelEditPresenter dialog(image, band, n, "");
        const std::size_t i = FieldIndex(c);
        dialog.FocusIn(i);
        dialog.Choose(i, FindItemText(dialog.State(c).items, text));
        dialog.FocusOut(i);
        dialog.Close();
    }
    RadioImage image;
    BandLimits band;
};

TEST_F(SpreadTest, ChangedColourCodesGoToEverySelectedChannelAndTheRestStays) {
    const RadioImage before = image;
    Edit(3, C::kRxColourCode, "12");
    Edit(3, C::kTxColourCode, "7");
    const SpreadReport report = SpreadDigitalFields(image, before, band, 3, {2, 3, 4, 5});
    for (int n : {2, 3, 4}) {
        EXPECT_EQ(Shown(n, C::kRxColourCode), "12") << n;
        EXPECT_EQ(Shown(n, C::kTxColourCode), "7") << n;
        EXPECT_EQ(image.U8(channel::RecordOffset(n) + channel::kRxColourCode), 12) << n;
    }
    EXPECT_EQ(Shown(6, C::kRxColourCode), "Auto");                // not selected
    EXPECT_EQ(Shown(2, C::kTxContact), Shown(6, C::kTxContact));  // not changed on 3
    EXPECT_EQ(report.changed, (std::set<int>{2, 4}));
    const std::vector<std::string> expected{
        "Rx color code \"12\" given to channels 2, 4 as well",
        "Channel 5 keeps its Rx color code: no channel",
        "Tx color code \"7\" given to channels 2, 4 as well",
        "Channel 5 keeps its Tx color code: no channel",
    };
    EXPECT_EQ(report.lines, expected);
    // The empty channel stays empty, every byte of it.
    EXPECT_TRUE(std::equal(image.Data() + channel::RecordOffset(5),
                           image.Data() + channel::RecordOffset(5) + 32,
                           before.Data() + channel::RecordOffset(5)));
}

TEST_F(SpreadTest, NothingChangedOnTheChannelGivesNothing) {
    const RadioImage before = image;
    Edit(3, C::kTxPower, "High");  // no digital field
    const RadioImage edited = image;
    const SpreadReport report = SpreadDigitalFields(image, before, band, 3, {2, 3, 4});
    EXPECT_TRUE(report.lines.empty());
    EXPECT_TRUE(report.changed.empty());
    EXPECT_EQ(image, edited);
}

}  // namespace
}  // namespace dpmr
