// The "Scan Info" dialog: the two time boxes and their spins, list fallbacks
// and the channel lists.
#include <gtest/gtest.h>

#include "document/NewDocument.h"
#include "image/ChannelRecord.h"
#include "support/DialogDriver.h"

namespace dpmr {
namespace {

// A new image with channels 1, 5 and 16 present; channel 7's receive
// frequency ends in 0x00, which counts as empty.
RadioImage WithChannels() {
    RadioImage image = test::NewImage();
    for (int n : {1, 5, 16}) image.SetBcd4(channel::RecordOffset(n), 44600625);
    image.SetU8(channel::RecordOffset(7) + 3, 0x00);
    return image;
}

// Tenths of a second in a byte: 25.7 is 257, which the byte holds as 1.
TEST(ScanInfoTest, TimeBoxesAndSpins) {
    // clang-format off
    const test::EditCase cases[] = {
        {"scan.stop_time", "1.3", 0, "1.0", 10},   {"scan.stop_time", "25.7", 0, "0.5", 5},
        {"scan.stop_time", "10.0", 1, "0.5", 5},   {"scan.stop_time", "1.3", 1, "1.5", 15},
        {"scan.resume_delay", "26", 0, "0.4", 4}};
    // clang-format on
    test::ExpectEdits(cases, WithChannels());
}

// Each row puts a byte into the image, opens the dialog, chooses an entry
// ("": nothing) and closes. The channel lists offer present channels only.
TEST(ScanInfoTest, ListsFallBackAndStoreTheirDefaults) {
    // clang-format off
    const test::LoadCase cases[] = {
        {"scan.mode", 0x340, 2, "Carrier", 1, ""},
        {"scan.tone_scan_mode", 0x341, 4, "Not detect", 3, "all ch"},
        {"scan.talk_back", 0x347, 0x32, "Off", 0x33, "On"},
        {"scan.tx_channel", 0x347, 0xFF, "Specified ch", 0x3F, "entry ch before scan"},
        {"scan.tx_channel", 0x347, 0x40, "last active ch", 0x80, ""},
        {"scan.priority_channel", 0x348, 5, "5", 16, "16"},
        {"scan.priority_channel", 0x348, 7, "None", 0xFF, "None"},  // channel 7 is empty
        {"scan.specified_channel", 0x34A, 0xFF, "None", 5, "5"},
        {"scan.specified_channel", 0x34A, 1, "1", 0, ""}};
    // clang-format on
    test::ExpectLoadsAndStoresBack(cases, WithChannels());
}

}  // namespace
}  // namespace dpmr
