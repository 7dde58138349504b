// The "Alarm" dialog's rules through its field table: each box's check and
// default when it is left, the spins with their wrap (and "continue" and
// "unlimited" in them), the Tx interval grid, the two alarm ids with the
// 7-digit rule, the list fallbacks, the cut-off part, the bytes shared with
// the dPMR settings, and a round trip that touches nothing else.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/FieldDriver.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using test::Bytes;
using test::ImageBytes;
using test::SetFields;
using test::ShownField;

TEST(AlarmDialogTest, LeavingABoxKeepsAValidNumberOrPutsTheDefaultIn) {
    const test::CommitCase cases[] = {
        {"alarm.alarm_time", "0", "10"},
        {"alarm.alarm_time", "300", "10"},
        {"alarm.alarm_time", "200", "200"},
        {"alarm.alarm_time", "007", "007"},  // a valid number stays as typed
        {"alarm.alarm_time", "", "10"},
        {"alarm.tx_time", "0", "5"},
        {"alarm.rx_time", "256", "8"},
        {"alarm.work_alone_time", "0", "10"},
        {"alarm.work_alone_pre_remind", "0", "0"},
        {"alarm.work_alone_pre_remind", "256", "10"},
        // No more characters than the box takes: the fourth is never typed.
        {"alarm.work_alone_pre_remind", "2550", "255"},
        {"alarm.alarm_time", "1000", "100"},
        {"alarm.entry_delay", "600", "60"},
        {"alarm.entry_delay", "61", "10"},
        {"alarm.upside_pre_prompt", "60", "5"},
        {"alarm.upside_pre_prompt", "59", "59"},
        {"alarm.query_interval", "11", "1"},
        {"alarm.query_interval", "10", "10"},
        {"alarm.cycle", "256", "continue"},
        {"alarm.cycle", "0", "0"},
        {"alarm.cycle", "", ""},
        {"alarm.exit_delay", "256", "10"},
        {"alarm.exit_delay", "0", "0"},
        {"alarm.tx_interval", "37", "35"},
        {"alarm.tx_interval", "5", "25"},
        {"alarm.tx_interval", "61", "25"},
        {"alarm.tx_interval", "60", "60"},
        {"alarm.tx_interval", "14", "10"},
        {"alarm.analog_id", "1a*#xe9", "1A*#9"},
        // The 7-digit rule: padded on the left, cut to 7, "9999998" if invalid.
        {"alarm.digit_id", "12345", "0012345"},
        {"alarm.digit_id", "123456789", "1234567"},
        {"alarm.digit_id", "3000000", "9999998"},
        {"alarm.digit_id", "0", "9999998"},
        {"alarm.digit_id", "", "9999998"},
        {"alarm.digit_id", "8999999", "8999999"},
        {"alarm.digit_id", "9000000", "9999998"},
        {"alarm.digit_id", "9000001", "9999998"},
        {"alarm.digit_id", "0000001", "0000001"},
        {"alarm.digit_id", "1000001", "1000001"},
        {"alarm.digit_id", "12x3", "0000123"},  // only what the radio can store is taken
    };
    test::ExpectCommits(cases);
}

TEST(AlarmDialogTest, SpinsWrapAndShowTheirWords) {
    const test::SpinCase cases[] = {
        {"alarm.alarm_time", "255", 1, "1"},
        {"alarm.alarm_time", "1", -1, "255"},
        {"alarm.alarm_time", "", 1, "1"},
        {"alarm.work_alone_pre_remind", "0", -1, "255"},
        {"alarm.entry_delay", "60", 1, "1"},
        {"alarm.upside_pre_prompt", "59", 1, "0"},
        {"alarm.query_interval", "10", 1, "1"},
        {"alarm.cycle", "continue", -1, "255"},
        {"alarm.cycle", "255", 1, "continue"},
        {"alarm.cycle", "continue", 1, "1"},
        {"alarm.cycle", "1", -1, "continue"},
        {"alarm.exit_delay", "254", 1, "unlimited"},
        {"alarm.exit_delay", "unlimited", 1, "0"},
        {"alarm.exit_delay", "0", -1, "unlimited"},
        {"alarm.exit_delay", "unlimited", -1, "254"},
        {"alarm.tx_interval", "60", 1, "10"},
        {"alarm.tx_interval", "10", -1, "60"},
        {"alarm.tx_interval", "35", 1, "40"},
        {"alarm.tx_interval", "37", 1, "40"},
        {"alarm.tx_interval", "37", -1, "35"},
    };
    // The words come from the image: they cannot be typed.
    RadioImage start;
    start.SetU8(0x357, 0);
    start.SetU8(0x373, 0xFF);
    test::ExpectSpins(cases, start);
}

// Bytes in the image -> what the dialog shows -> what closing it stores.
TEST(AlarmDialogTest, LoadShowsAndStoresBack) {
    const test::LoadCase cases[] = {
        {"alarm.alarm_type", 0x350, 4, "Send alarm id", 4},
        {"alarm.alarm_type", 0x350, 5, "Off", 0},
        {"alarm.id_type", 0x351, 0xFF, "Off", 0},
        {"alarm.work_alone", 0x368, 1, "allow", 1},
        {"alarm.upside", 0x370, 2, "prohibit", 0},
        {"alarm.cycle", 0x357, 0, "continue", 0},
        {"alarm.cycle", 0x357, 7, "7", 7},
        {"alarm.exit_delay", 0x373, 0xFF, "unlimited", 0xFF},
        {"alarm.exit_delay", 0x373, 0, "0", 0},
        // Numbers load as they are; only leaving a box corrects them.
        {"alarm.alarm_time", 0x354, 0, "0", 0},
        {"alarm.entry_delay", 0x371, 0xC8, "200", 0xC8},
        {"alarm.tx_interval", 0x379, 3, "3", 3},
        // The dPMR settings' OACSU and data type bits: no entry of this list.
        {"alarm.auto_contact", 0x378, 0x09, "prohibit", 0},
        {"alarm.query_interval", 0x37A, 0xFF, "255", 0xFF},
    };
    test::ExpectLoadsAndStoresBack(cases);
}

TEST(AlarmDialogTest, AlarmIdsLoadAndStore) {
    RadioImage image;
    // An erased digit id shows an empty box and, left untouched, stores zeros.
    EXPECT_EQ(ShownField(image, "alarm.digit_id"), "");
    SetFields(image, {"alarm.analog_id=12*#"});
    EXPECT_EQ(ImageBytes(image, 0x358, 8), (Bytes{1, 2, 0x0E, 0x0F, 255, 255, 255, 255}));
    EXPECT_EQ(ImageBytes(image, 0x360, 7), Bytes(7, 0));

    SetFields(image, {"alarm.digit_id=12345", "alarm.analog_id=ABCD1234"});
    EXPECT_EQ(ImageBytes(image, 0x360, 7), (Bytes{0, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(ImageBytes(image, 0x358, 8), (Bytes{10, 11, 12, 13, 1, 2, 3, 4}));
    EXPECT_EQ(ShownField(image, "alarm.analog_id"), "ABCD1234");

    // A short id in the image is shown padded; one cut by a byte that is no
    // symbol shows what comes before it.
    image.Fill(0x360, 7, 0xFF);
    image.SetU8(0x360, 4);
    image.SetU8(0x361, 2);
    EXPECT_EQ(ShownField(image, "alarm.digit_id"), "0000042");
    image.SetU8(0x359, 0x10);
    EXPECT_EQ(ShownField(image, "alarm.analog_id"), "A");
}

// Typing a value and closing without leaving the box still runs its rule.
TEST(AlarmDialogTest, ClosingLetsTheFocusedBoxGoFirst) {
    RadioImage image;
    SetFields(image, {"alarm.tx_interval=37", "alarm.alarm_time~=300"});
    EXPECT_EQ(ImageBytes(image, 0x354, 1), Bytes{10});
    EXPECT_EQ(ImageBytes(image, 0x379, 1), Bytes{35});
    SetFields(image, {"alarm.exit_delay~=999"});
    EXPECT_EQ(image.U8(0x373), 10);
}

TEST(AlarmDialogTest, ARoundTripLeavesEveryOtherByteAlone) {
    static const std::set<std::size_t> kept{0x352, 0x353, 0x367, 0x36B, 0x36C, 0x36D,
                                            0x36E, 0x36F, 0x374, 0x375, 0x376, 0x377,
                                            0x37B, 0x37C, 0x37D, 0x37E, 0x37F};
    test::ExpectRoundTripsKeepOtherBytes(
        {"alarm.id_type=DTMF"},
        [](std::size_t off) { return off >= 0x350 && off <= 0x37F && !kept.contains(off); }, 43);
}

}  // namespace
}  // namespace dpmr
