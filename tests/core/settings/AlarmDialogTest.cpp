// The "Alarm" dialog's rules through its field table: each box's check and
// default when it is left, the spins with their wrap (and "continue" and
// "unlimited" in them), the Tx interval grid, the two alarm ids with the
// 7-digit rule, the list fallbacks, the cut-off part, the bytes shared with
// the dPMR settings.
#include <gtest/gtest.h>

#include "document/NewDocument.h"
#include "support/DialogDriver.h"

namespace dpmr {
namespace {

using test::Bytes;
using test::ImageBytes;
using test::SetFields;
using test::ShownField;

TEST(AlarmDialogTest, LeavingABoxKeepsAValidNumberOrPutsTheDefaultInAndSpinsWrap) {
    // A valid number stays as typed ("007"); no more characters than the box
    // takes are typed ("1000"); the 7-digit rule pads on the left, cuts to 7,
    // takes only what the radio can store and puts "9999998" in if invalid.
    // clang-format off
    const test::EditCase cases[] = {
        {"alarm.alarm_time", "0", 0, "10"},      {"alarm.alarm_time", "007", 0, "007"},
        {"alarm.alarm_time", "1000", 0, "100"},  {"alarm.upside_pre_prompt", "60", 0, "5"},
        {"alarm.cycle", "256", 0, "continue"},   {"alarm.tx_interval", "37", 0, "35"},
        {"alarm.tx_interval", "61", 0, "25"},    {"alarm.analog_id", "1a*#xe9", 0, "1A*#9"},
        {"alarm.digit_id", "12345", 0, "0012345"}, {"alarm.digit_id", "123456789", 0, "1234567"},
        {"alarm.digit_id", "8999999", 0, "8999999"}, {"alarm.digit_id", "9000000", 0, "9999998"},
        {"alarm.alarm_time", "255", 1, "1"},     {"alarm.alarm_time", "1", -1, "255"},
        {"alarm.cycle", "continue", -1, "255"},  {"alarm.cycle", "255", 1, "continue"},
        {"alarm.exit_delay", "254", 1, "unlimited"}, {"alarm.exit_delay", "unlimited", 1, "0"},
        {"alarm.work_alone_time", "1", 0, "1"},  {"alarm.work_alone_time", "0", 0, "10"},
        {"alarm.tx_interval", "60", 1, "10"}};
    // clang-format on
    // The words come from the image: they cannot be typed.
    RadioImage start;
    start.SetU8(0x357, 0);
    start.SetU8(0x373, 0xFF);
    test::ExpectEdits(cases, start);
    // Typed as a user types: a box takes no more characters than its limit,
    // so "1000" is 100 (in range), not 1000 (out of range: the default).
    RadioImage typed = test::NewImage();
    test::SetFields(typed, {"alarm.exit_delay=1000"});
    EXPECT_EQ(test::ShownField(typed, "alarm.exit_delay"), "100");
}

// Bytes in the image -> what the dialog shows -> what closing it stores.
TEST(AlarmDialogTest, LoadShowsAndStoresBack) {
    // Numbers load as they are; only leaving a box corrects them. 0x378
    // holds the dPMR settings' OACSU and data type bits: no entry of this list.
    // clang-format off
    const test::LoadCase cases[] = {
        {"alarm.alarm_type", 0x350, 4, "Send alarm id", 4},
        {"alarm.alarm_type", 0x350, 5, "Off", 0},    {"alarm.tx_interval", 0x379, 3, "3", 3},
        // The dPMR settings' byte: written only when this list is changed.
        {"alarm.auto_contact", 0x378, 0x09, "prohibit", 0x09},
        {"alarm.auto_contact", 0x378, 0x09, "prohibit", 0x09, "prohibit"},
        {"alarm.auto_contact", 0x378, 0x09, "prohibit", 0x01, "allow"}};
    // clang-format on
    test::ExpectLoadsAndStoresBack(cases);
}

TEST(AlarmDialogTest, AlarmIdsLoadAndStore) {
    RadioImage image;
    // An erased digit id shows an empty box and, left untouched, stores zeros.
    EXPECT_EQ(ShownField(image, "alarm.digit_id"), "");
    SetFields(image, {"alarm.digit_id=12345", "alarm.analog_id=ABCD1234"});
    EXPECT_EQ(ImageBytes(image, 0x358, 15),
              (Bytes{10, 11, 12, 13, 1, 2, 3, 4, 0, 0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace dpmr
