// The "Basic setting" dialog: leaving boxes, spins, stored values and their
// fallbacks, tab changes, and check boxes that share their bytes.
#include <gtest/gtest.h>

#include "document/NewDocument.h"
#include "settings/BasicSettingDialog.h"
#include "support/DialogDriver.h"

namespace dpmr {
namespace {

using test::Bytes;
using test::DialogDriver;
using test::ImageBytes;
using test::NewImage;

// TOT steps down to 30 s within 30..600 and is a word; the byte of tenths
// wraps (260 is 4); every spin wraps at its ends.
TEST(BasicSettingTest, BoxesAndSpins) {
    // clang-format off
    const test::EditCase cases[] = {
        {"option.tot", "95", 0, "90", 90},         {"option.tot", "10", 0, "30", 30},
        {"option.tot", "700", 0, "600", 600},      {"option.tot", "30", -1, "600", 600},
        {"option.saving_delay", "37", 0, "35", 35}, {"option.tot_pre_alert", "15", 1, "0", 0},
        {"option.vox_delay", "26", 0, "0.4", 4},   {"sidekey.long_key", "0.3", 0, "0.5", 5}};
    // clang-format on
    test::ExpectEdits(cases, NewImage());
}

// A box shows a stored value whole, though it is longer than what can be
// typed, and editing it down does not cut it further; once it is within the
// limit, the limit holds again.
TEST(BasicSettingTest, StoredValuesLongerThanTheTypingLimitShowWhole) {
    RadioImage image = NewImage();
    image.SetU16Le(0x308, 65535);
    image.SetU8(0x30B, 255);
    image.SetU8(0x344, 255);
    const struct {
        const char* key;
        const char* shown;
        const char* typed;
        const char* after;
    } cases[] = {
        {"option.tot", "65535", "6553", "6553"},
        {"option.tot_rekey", "255", "25", "25"},
        {"scan.resume_delay", "25.5", "25.", "25."},
    };
    for (const auto& c : cases) {
        DialogDriver dialog(image, c.key);
        EXPECT_EQ(dialog.Shown(c.key), c.shown);
        EXPECT_EQ(dialog.Type(c.key, c.typed), c.after);
        EXPECT_EQ(dialog.Type(c.key, std::string(c.typed) + "99"), c.after);
    }
    DialogDriver dialog(image, "option.tot_rekey");
    dialog.Type("option.tot_rekey", "2");
    EXPECT_EQ(dialog.Type("option.tot_rekey", "255"), "25");
}

// A stored value the dialog does not offer shows its fallback (or nothing)
// and closing writes the fallback back.
TEST(BasicSettingTest, StoredValuesShowWithFallbacks) {
    // clang-format off
    const test::LoadCase cases[] = {
        {"option.vox_delay", 0x312, 0, "0.1", 1},  {"sidekey.long_key", 0x320, 3, "1.0", 10},
        {"option.sql", 0x300, 10, "5", 5},
        {"option.saving_mode", 0x301, 13, "1:10", 10},
        {"option.ste", 0x307, 0x0C, "240", 0x0C},  {"option.wired_copy", 0x307, 0x80, "Off", 0x80},
        {"sidekey.tk1_short", 0x322, 2, "", 9},    // "Channel display" is not offered
        {"sidekey.tk1_short", 0x322, 31, "EMI", 9},
        {"sidekey.sk1_short", 0x324, 3, "", 0},    // "Monitor" only on long press
        {"sidekey.sk1_short", 0x324, 7, "Hihg/Low power", 7},
        {"tonelight.voice_broadcast", 0x319, 0xC7, "Chinese", 0xC5}};
    // clang-format on
    test::ExpectLoadsAndStoresBack(cases, NewImage());
}

TEST(BasicSettingTest, TabChangesStoreThePageLeftAndLoadThePageEntered) {
    RadioImage image = NewImage();
    DialogDriver d(BasicSettingDialogDecl(), image);
    d.Type("option.tot", "95");  // still in the box when the tab is clicked
    d.Choose("sidekey.sk1_short", "Scan");
    EXPECT_EQ(ImageBytes(image, 0x308, 2), (Bytes{0x5A, 0x00}));
    EXPECT_EQ(image.U8(0x324), 0);  // the page entered has not stored yet
    const auto shock = d.At("tonelight.shock");
    shock.page.Check(shock.i, true);
    EXPECT_EQ(image.U8(0x324), 4);
    image.SetU8(0x30A, 7);
    EXPECT_EQ(d.Shown("option.tot_pre_alert"), "7");
    EXPECT_EQ(image.U8(0x31B) & 1, 1);
}

// A choice the list does not hold selects nothing; the first and the last
// entry are choices like any other.
TEST(BasicSettingTest, ChoicesOutsideTheListSelectNothing) {
    RadioImage image = NewImage();
    DialogDriver d(BasicSettingDialogDecl(), image);
    const auto c = d.At("option.apo");
    const int n = static_cast<int>(c.page.State(c.i).items.size());
    for (auto [index, selected] : {std::pair{-2, -1}, {0, 0}, {n - 1, n - 1}, {n, -1}}) {
        c.page.Choose(c.i, index);
        EXPECT_EQ(c.page.State(c.i).selected, selected) << index;
    }
}

// 0x318 = 01010101, 0x319 = 10000001, 0x31A = 10101000: every check shows
// its own bit; unchecking the checked and checking the others flips them.
TEST(BasicSettingTest, ToneAndLightChecksShowAndStoreTheirOwnBits) {
    RadioImage image = NewImage();
    for (const auto& [at, value] :
         {std::pair{0x318, 0x55}, {0x319, 0x81}, {0x31A, 0xA8}, {0x31B, 0}})
        image.SetU8(at, static_cast<std::uint8_t>(value));
    DialogDriver d(BasicSettingDialogDecl(), image);
    std::string shown;
    for (const char* key :
         {"shutdown_pre_alert_tone", "shutdown_tone", "group_call_tone", "single_call_tone",
          "low_voltage", "call_out_tone", "power_on_tone", "tone", "call_link_reset_tone",
          "rx_exit_tone", "power_on_light", "low_voltage_light", "scan_state_light", "rx_light",
          "tx_light", "light", "shock"}) {
        const auto c = d.At(std::string("tonelight.") + key);
        shown += c.page.Shown(c.i);
        c.page.Check(c.i, !c.page.State(c.i).checked);
    }
    EXPECT_EQ(shown, "10101010010101010");  // in the order of the keys
    d.dialog.Close();
    EXPECT_EQ(ImageBytes(image, 0x318, 4), (Bytes{0xAA, 0x41, 0x54, 0x01}));
}

}  // namespace
}  // namespace dpmr
