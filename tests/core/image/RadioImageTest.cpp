// Byte conventions of the radio image: BCD numbers lowest pair first, bit
// fields, little-endian words and 0xFF-padded texts.
#include <gtest/gtest.h>

#include <vector>

#include "image/RadioImage.h"

namespace dpmr {
namespace {

std::vector<std::uint8_t> Bytes(const RadioImage& image, std::size_t off, std::size_t len) {
    auto s = image.Span(off, len);
    return {s.begin(), s.end()};
}

TEST(RadioImageTest, NewImageIsAllFF) {
    const RadioImage image;
    for (std::size_t off = 0; off < RadioImage::kSize; ++off) ASSERT_EQ(image.U8(off), 0xFF);
}

TEST(RadioImageTest, Bcd4RoundTripsLowestPairFirst) {
    struct Case {
        std::uint32_t value;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {14512500, {0x00, 0x25, 0x51, 0x14}},  // 145.125 MHz
        {44600625, {0x25, 0x06, 0x60, 0x44}},  // 446.00625 MHz
        {60000, {0x00, 0x00, 0x06, 0x00}},    {0, {0x00, 0x00, 0x00, 0x00}},
        {99999999, {0x99, 0x99, 0x99, 0x99}}, {1, {0x01, 0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        RadioImage image;
        image.SetBcd4(0x3FFC, c.value);  // last four bytes: no overrun
        EXPECT_EQ(Bytes(image, 0x3FFC, 4), c.bytes) << c.value;
        EXPECT_EQ(image.Bcd4(0x3FFC), c.value);
        EXPECT_EQ(image.U8(0x3FFB), 0xFF) << "neighbour untouched";
    }
}

TEST(RadioImageTest, Bcd2RoundTripsAndFFDecodesAs165) {
    RadioImage image;
    image.SetBcd2(0x10, 885);
    EXPECT_EQ(Bytes(image, 0x10, 2), (std::vector<std::uint8_t>{0x85, 0x08}));
    EXPECT_EQ(image.Bcd2(0x10), 885u);
    image.SetBcd2(0x10, 9999);
    EXPECT_EQ(image.Bcd2(0x10), 9999u);
    EXPECT_EQ(image.U8(0x12), 0xFF);
    EXPECT_EQ(FromBcdByte(0xFF), 165u);
    EXPECT_EQ(image.Bcd2(0x20), 165u * 100 + 165);
    for (unsigned v = 0; v < 100; ++v) ASSERT_EQ(FromBcdByte(ToBcdByte(v)), v);
    EXPECT_EQ(ToBcdByte(59), 0x59);
}

TEST(RadioImageTest, BitFieldsTouchOnlyTheirBits) {
    RadioImage image;
    image.SetU8(0x200, 0x00);
    image.SetBits(0x200, 6, 2, 3);
    EXPECT_EQ(image.U8(0x200), 0xC0);
    image.SetBits(0x200, 4, 2, 1);
    EXPECT_EQ(image.U8(0x200), 0xD0);
    image.SetBits(0x200, 4, 2, 0xFF);  // too wide a value is masked, not spilled
    EXPECT_EQ(image.U8(0x200), 0xF0);
    EXPECT_EQ(image.Bits(0x200, 6, 2), 3u);
    image.SetBit(0x200, 7, false);
    EXPECT_EQ(image.U8(0x200), 0x70);
    EXPECT_TRUE(image.Bit(0x200, 6));
    EXPECT_FALSE(image.Bit(0x200, 0));
    EXPECT_EQ(image.U8(0x1FF), 0xFF);
    EXPECT_EQ(image.U8(0x201), 0xFF);
}

TEST(RadioImageTest, WordsAreLittleEndian) {
    RadioImage image;
    image.SetU16Le(0x4C0, 0x0540);
    EXPECT_EQ(Bytes(image, 0x4C0, 2), (std::vector<std::uint8_t>{0x40, 0x05}));
    EXPECT_EQ(image.U16Le(0x4C0), 0x0540);
    image.SetU16Le(0x3FFE, 0xABCD);
    EXPECT_EQ(image.U8(0x3FFE), 0xCD);
    EXPECT_EQ(image.U8(0x3FFF), 0xAB);
}

TEST(RadioImageTest, TextIsPaddedWithFFAndStopsThere) {
    RadioImage image;
    image.Fill(0x548, 10, 0x00);
    image.SetText(0x548, 8, "Name 1");
    EXPECT_EQ(Bytes(image, 0x548, 10),
              (std::vector<std::uint8_t>{'N', 'a', 'm', 'e', ' ', '1', 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(image.Text(0x548, 8), "Name 1");
    image.SetText(0x548, 8, "ABCDEFGHIJK");  // cut at the field, never beyond
    EXPECT_EQ(image.Text(0x548, 8), "ABCDEFGH");
    EXPECT_EQ(image.U8(0x550), 0x00);
    image.SetText(0x548, 8, "");
    EXPECT_EQ(image.Text(0x548, 8), "");
    EXPECT_EQ(image.U8(0x548), 0xFF);
}

TEST(RadioImageTest, FillAndEqualityCoverWholeImage) {
    RadioImage a;
    RadioImage b;
    EXPECT_EQ(a, b);
    b.SetU8(0x3FFF, 0x00);
    EXPECT_NE(a, b);
    b.FillFF(0, RadioImage::kSize);
    EXPECT_EQ(a, b);
}

TEST(RadioImageDeathTest, OffsetsOutsideTheImageStop) {
    RadioImage image;
    EXPECT_DEATH(image.U8(RadioImage::kSize), "out of range");
    EXPECT_DEATH(image.SetBcd4(RadioImage::kSize - 3, 1), "out of range");
    EXPECT_DEATH(image.Span(1, RadioImage::kSize), "out of range");
    EXPECT_DEATH(image.Fill(static_cast<std::size_t>(-1), 2, 0), "out of range");
}

}  // namespace
}  // namespace dpmr
