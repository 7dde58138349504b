// Byte conventions of the radio image that the codec and document suites do
// not reach: 0xFF as a BCD digit pair, masked bit fields and 0xFF-padded
// texts; and the addresses of the radio's memory map.
#include <gtest/gtest.h>

#include <vector>

#include "image/ImageLayout.h"
#include "image/RadioImage.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using test::Bytes;

// A new image is all 0xFF; bit fields and texts stay inside their field.
TEST(RadioImageTest, ByteConventions) {
    RadioImage image;
    EXPECT_EQ(test::ImageBytes(image, 0, RadioImage::kSize), Bytes(RadioImage::kSize, 0xFF));
    EXPECT_EQ(image.Bcd2(0x20), 165u * 100 + 165);  // 0xFF reads as 165, as the radio does
    image.SetU8(0x200, 0x00);
    image.SetBits(0x200, 4, 2, 0xFF);  // too wide a value is masked, not spilled
    image.SetBit(0x200, 6, true);
    EXPECT_EQ(test::ImageBytes(image, 0x1FF, 3), (Bytes{0xFF, 0x70, 0xFF}));
    image.Fill(0x548, 10, 0x00);
    image.SetText(0x548, 8, "Name 1");
    EXPECT_EQ(test::ImageBytes(image, 0x548, 10),
              (Bytes{'N', 'a', 'm', 'e', ' ', '1', 0xFF, 0xFF, 0, 0}));
    image.SetText(0x548, 8, "ABCDEFGHIJK");
    EXPECT_EQ(image.Text(0x548, 8), "ABCDEFGH");
    EXPECT_EQ(image.U8(0x550), 0x00);
}

// Where each region lies in the radio's memory, as the radio reads it. The
// suites address regions through these names, so a wrong address would
// move code and tests alike: only this table catches it.
TEST(ImageLayoutTest, RegionsOfTheRadioMemory) {
    using namespace layout;
    const std::size_t got[] = {kHeader,
                               kAdjustment,
                               kAdjustmentSize,
                               kChannels,
                               kChannelSize,
                               kBasicOptions,
                               kToneLight,
                               kToneLight2,
                               kSideKeys,
                               kScan,
                               kScanBitmap,
                               kAlarm,
                               kDpmrBasic,
                               kContactIndex,
                               kContactRecords,
                               kContactRecordSize,
                               kContactLastRecord,
                               kPresetMessageIndex,
                               kPresetMessages,
                               kPresetMessageSize,
                               kReceivedMessageIndex,
                               kReceivedMessagesFirst,
                               kReceivedMessagesLast,
                               kGroupLists,
                               kGroupListSize,
                               kDtmfEncode,
                               kDtmfDecode,
                               kDtmfCodes,
                               kDtmfCodeSize,
                               kSquelchValues,
                               kSquelchValuesSize,
                               kSquelchThresholds,
                               kSquelchThresholdsSize,
                               kRadioBandLower,
                               kRadioBandUpper,
                               kRadioName,
                               kTableBandLower,
                               kTableBandUpper,
                               kShortMessageCount,
                               kBandSelector,
                               kStoreMarker,
                               static_cast<std::size_t>(kChannelCount),
                               static_cast<std::size_t>(kContactCount),
                               static_cast<std::size_t>(kGroupListCount)};
    const std::size_t want[] = {
        0x0000, 0x0040, 0x48,   0x0100, 32,     0x0300, 0x0318, 0x031A, 0x0320, 0x0340, 0x034C,
        0x0350, 0x037B, 0x04C0, 0x0540, 16,     0x0930, 0x0960, 0x0980, 128,    0x1180, 0x1180,
        0x1AE0, 0x1BA0, 8,      0x2000, 0x2030, 0x2060, 16,     0x3E00, 17,     0x3E3A, 4,
        0x3F80, 0x3F84, 0x3F88, 0x3FA0, 0x3FA4, 0x3FD4, 0x3FD6, 0x3FD7, 16,     64,     16};
    ASSERT_EQ(std::size(got), std::size(want));
    for (std::size_t k = 0; k < std::size(got); ++k) EXPECT_EQ(got[k], want[k]) << "entry " << k;
}

}  // namespace
}  // namespace dpmr
