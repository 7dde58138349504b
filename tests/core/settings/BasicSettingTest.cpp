// The "Basic setting" dialog: leaving boxes, spins, stored values and their
// fallbacks, tab changes, and the bits no page owns.
#include <gtest/gtest.h>

#include <tuple>

#include "settings/BasicSettingDialog.h"
#include "support/DialogDriver.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using test::Bytes;
using test::DialogDriver;
using test::ImageBytes;
using test::NewImage;

// Each row types `typed`, then leaves the box (step 0) or clicks its spin;
// the box shows `shown` and closing the dialog stores `stored` at `at`.
TEST(BasicSettingTest, BoxesAndSpins) {
    const std::tuple<const char*, const char*, int, const char*, std::size_t, Bytes> rows[] = {
        {"option.tot", "95", 0, "90", 0x308, {0x5A, 0x00}},
        {"option.tot", "10", 0, "30", 0x308, {0x1E, 0x00}},
        {"option.tot", "700", 0, "600", 0x308, {0x58, 0x02}},
        {"option.tot", "30", -1, "600", 0x308, {0x58, 0x02}},
        {"option.tot", "600", 1, "30", 0x308, {0x1E, 0x00}},
        {"option.tot", "45", 1, "60", 0x308, {0x3C, 0x00}},
        {"option.tot", "45", -1, "30", 0x308, {0x1E, 0x00}},
        {"option.saving_delay", "37", 0, "35", 0x302, {35}},
        {"option.saving_delay", "7", 0, "10", 0x302, {10}},
        {"option.saving_delay", "60", 1, "10", 0x302, {10}},
        {"option.tot_pre_alert", "16", 0, "15", 0x30A, {15}},
        {"option.tot_pre_alert", "15", 1, "0", 0x30A, {0}},
        {"option.tot_rekey", "61", 0, "60", 0x30B, {60}},
        {"option.vox_delay", "5", 0, "2.0", 0x312, {20}},
        {"option.vox_delay", "26", 0, "0.4", 0x312, {4}},  // 260 in a byte is 4
        {"option.vox_delay", "2.0", 1, "0.1", 0x312, {1}},
        {"sidekey.long_key", "3", 0, "2.5", 0x320, {25}},
        {"sidekey.long_key", "0.3", 0, "0.5", 0x320, {5}},
        {"sidekey.long_key", "2.5", 1, "0.5", 0x320, {5}},
    };
    for (const auto& [key, typed, step, shown, at, stored] : rows) {
        RadioImage image = NewImage();
        DialogDriver d(BasicSettingDialogDecl(), image);
        d.Edit(key, typed, step);
        EXPECT_EQ(d.Shown(key), shown) << key << " " << typed << " " << step;
        d.dialog.Close();
        EXPECT_EQ(ImageBytes(image, at, stored.size()), stored) << key << " " << typed;
    }
}

// Each row puts `stored` into a new image; the dialog shows `shown` and
// closing writes `after` back.
TEST(BasicSettingTest, StoredValuesShowWithFallbacks) {
    const std::tuple<const char*, std::size_t, int, const char*, int> rows[] = {
        {"option.vox_delay", 0x312, 0, "0.1", 1},
        {"sidekey.long_key", 0x320, 3, "1.0", 10},
        {"option.sql", 0x300, 10, "5", 5},
        {"option.saving_mode", 0x301, 13, "1:10", 10},
        {"option.apo", 0x303, 5, "Off", 0},
        {"option.vox_sense", 0x311, 10, "5", 5},
        {"option.ste", 0x307, 0x0C, "240", 0x0C},
        {"option.wired_copy", 0x307, 0x80, "Off", 0x80},
        {"sidekey.tk1_short", 0x322, 2, "", 9},  // "Channel display" is not offered
        {"sidekey.tk1_short", 0x322, 31, "EMI", 9},
        {"sidekey.tk1_long", 0x323, 3, "Monitor", 3},
        {"sidekey.sk1_short", 0x324, 3, "", 0},  // "Monitor" only on long press
        {"sidekey.sk1_short", 0x324, 7, "Hihg/Low power", 7},
        {"sidekey.sk2_short", 0x326, 0xFF, "None", 0},
        {"sidekey.sk2_long", 0x327, 30, "Wake", 30},
        {"tonelight.voice_broadcast", 0x319, 0xC7, "Chinese", 0xC5},
    };
    for (const auto& [key, at, stored, shown, after] : rows) {
        RadioImage image = NewImage();
        image.SetU8(at, static_cast<std::uint8_t>(stored));
        DialogDriver d(BasicSettingDialogDecl(), image);
        EXPECT_EQ(d.Shown(key), shown) << key << " " << stored;
        d.dialog.Close();
        EXPECT_EQ(image.U8(at), after) << key << " " << stored;
    }
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
    d.Edit("option.tot_rekey", "9");
    d.dialog.Close();
    EXPECT_EQ(image.U8(0x30B), 9);
}

TEST(BasicSettingTest, BoxesTakeDigitsUpToTheirLimits) {
    RadioImage image = NewImage();
    DialogDriver d(BasicSettingDialogDecl(), image);
    std::string lengths;
    for (const char* key :
         {"option.saving_delay", "option.tot", "option.tot_pre_alert", "option.tot_rekey",
          "option.tot_reset", "option.vox_delay", "sidekey.long_key"}) {
        d.Type(key, "1x2345");
        lengths += std::to_string(d.Shown(key).size());
    }
    EXPECT_EQ(lengths, "2322233");
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

TEST(BasicSettingTest, ClosingKeepsEveryBitNoPageOwns) {
    std::map<std::size_t, std::uint8_t> owned{
        {0x307, 0xCC}, {0x318, 0xFF}, {0x319, 0xC3}, {0x31A, 0xFC}, {0x31B, 0x01}};
    for (std::size_t off : {0x300, 0x301, 0x302, 0x303, 0x308, 0x309, 0x30A, 0x30B, 0x30C, 0x310,
                            0x311, 0x312, 0x320, 0x322, 0x323, 0x324, 0x325, 0x326, 0x327})
        owned[off] = 0xFF;
    test::ExpectClosingKeepsWhatIsNotOwned(BasicSettingDialogDecl(), NewImage(), owned);
}

}  // namespace
}  // namespace dpmr
