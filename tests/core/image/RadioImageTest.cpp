// Byte conventions of the radio image that the codec and document suites do
// not reach: 0xFF as a BCD digit pair, masked bit fields and 0xFF-padded
// texts.
#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
}  // namespace dpmr
