// The "Scan Info" dialog: the two time boxes and their spins, list fallbacks,
// the channel lists, and the bits the dialog does not own.
#include <gtest/gtest.h>

#include <tuple>

#include "channels/ChannelRecord.h"
#include "settings/ScanInfoDialog.h"
#include "support/DialogDriver.h"

namespace dpmr {
namespace {

using test::DialogDriver;

// A new image with channels 1, 5 and 16 present; channel 7's receive
// frequency ends in 0x00, which counts as empty.
RadioImage WithChannels() {
    RadioImage image = test::NewImage();
    for (int n : {1, 5, 16}) image.SetBcd4(channel::RecordOffset(n), 44600625);
    image.SetU8(channel::RecordOffset(7) + 3, 0x00);
    return image;
}

// Each row types `typed`, then leaves the box (step 0) or clicks its spin;
// the box shows `shown`, the image changes only when the dialog closes.
TEST(ScanInfoTest, TimeBoxesAndSpins) {
    const std::tuple<const char*, const char*, int, const char*, std::size_t, int> rows[] = {
        {"scan.stop_time", "1.3", 0, "1.0", 0x342, 10},
        {"scan.stop_time", "0.2", 0, "0.5", 0x342, 5},
        {"scan.stop_time", "12", 0, "10.0", 0x342, 100},
        {"scan.stop_time", "25.7", 0, "0.5", 0x342, 5},  // 257 in a byte is 1
        {"scan.stop_time", "10.0", 1, "0.5", 0x342, 5},
        {"scan.stop_time", "0.5", -1, "10.0", 0x342, 100},
        {"scan.stop_time", "1.3", 1, "1.5", 0x342, 15},
        {"scan.resume_delay", "5.1", 0, "5.0", 0x344, 50},
        {"scan.resume_delay", "0", 0, "0.1", 0x344, 1},
        {"scan.resume_delay", "26", 0, "0.4", 0x344, 4},
        {"scan.resume_delay", "5.0", 1, "0.1", 0x344, 1},
    };
    for (const auto& [key, typed, step, shown, at, stored] : rows) {
        RadioImage image = WithChannels();
        const RadioImage before = image;
        DialogDriver d(ScanInfoDialogDecl(), image);
        d.Edit(key, typed, step);
        EXPECT_EQ(d.Shown(key), shown) << key << " " << typed << " " << step;
        EXPECT_TRUE(image == before);
        d.dialog.Close();
        EXPECT_EQ(image.U8(at), stored) << key << " " << typed << " " << step;
    }
}

// Each row puts `stored` into the image, opens the dialog (shown), chooses
// `choose` ("" = nothing) and closes (after).
TEST(ScanInfoTest, ListsFallBackAndStoreTheirDefaults) {
    const std::tuple<const char*, std::size_t, int, const char*, const char*, int> rows[] = {
        {"scan.mode", 0x340, 2, "Carrier", "", 1},
        {"scan.tone_scan_mode", 0x341, 4, "Not detect", "all ch", 3},
        {"scan.tone_scan_mode", 0x341, 2, "Priority ch", "", 0},
        {"scan.talk_back", 0x347, 0x32, "Off", "On", 0x33},
        {"scan.talk_back", 0x347, 0x3F, "On", "", 0x3E},
        {"scan.begin_beep", 0x347, 0x00, "Off", "", 0x04},
        {"scan.end_beep", 0x347, 0x3F, "On", "Off", 0x37},
        {"scan.tx_channel", 0x347, 0xFF, "Specified ch", "entry ch before scan", 0x3F},
        {"scan.tx_channel", 0x347, 0x40, "last active ch", "", 0x80},
        {"scan.priority_channel", 0x348, 5, "5", "16", 16},
        {"scan.priority_channel", 0x348, 7, "None", "None", 0xFF},  // channel 7 is empty
        {"scan.priority_channel", 0x348, 0, "None", "", 0xFF},
        {"scan.specified_channel", 0x34A, 7, "None", "None", 0},
        {"scan.specified_channel", 0x34A, 0xFF, "None", "5", 5},
        {"scan.specified_channel", 0x34A, 1, "1", "", 0},
    };
    for (const auto& [key, at, stored, shown, choose, after] : rows) {
        RadioImage image = WithChannels();
        image.SetU8(at, static_cast<std::uint8_t>(stored));
        DialogDriver d(ScanInfoDialogDecl(), image);
        EXPECT_EQ(d.Shown(key), shown) << key << " " << stored;
        d.Choose(key, choose);
        d.dialog.Close();
        EXPECT_EQ(image.U8(at), after) << key << " " << stored;
    }
}

TEST(ScanInfoTest, ChannelListsHoldNoneAndThePresentChannels) {
    RadioImage image = WithChannels();
    DialogDriver d(ScanInfoDialogDecl(), image);
    const auto some = d.At("scan.priority_channel");
    EXPECT_EQ(some.page.State(some.i).items,
              (ListItems{{"None", 0xFF}, {"1", 1}, {"5", 5}, {"16", 16}}));
    RadioImage none = test::NewImage();
    DialogDriver empty(ScanInfoDialogDecl(), none);
    for (const char* key : {"scan.priority_channel", "scan.specified_channel"}) {
        const auto c = empty.At(key);
        EXPECT_TRUE(c.page.State(c.i).items.size() == 1 && c.page.Shown(c.i) == "None") << key;
    }
}

// The time boxes are not owned: they are shown and stored back as they are.
TEST(ScanInfoTest, ClosingKeepsEveryBitTheDialogDoesNotOwn) {
    test::ExpectClosingKeepsWhatIsNotOwned(
        ScanInfoDialogDecl(), WithChannels(),
        {{0x340, 0xFF}, {0x341, 0xFF}, {0x347, 0xCD}, {0x348, 0xFF}, {0x34A, 0xFF}});
}

}  // namespace
}  // namespace dpmr
