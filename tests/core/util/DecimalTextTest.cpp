// Exact decimal scaling and fixed-decimal formatting of user texts, and the
// scanf-like integer reader the tone and settings code relies on.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <tuple>

#include "util/DecimalText.h"

namespace dpmr {
namespace {

TEST(DecimalTextTest, ScaleByPowersOfTen) {
    // Binary floating point would give 0.3 -> 2 and 2.675 -> 268; digits past
    // the scale are cut; what is not a decimal number gives 0.
    const std::tuple<const char*, int, std::int64_t> cases[] = {
        {"0.3", 1, 3},      {"2.675", 2, 267}, {"-1.19", 1, -11}, {"1E+2", 1, 1000},
        {"1.23e+", 2, 123}, {"- 5", 1, 0},     {"nan", 1, 0},     {"0x10", 0, 0}};
    for (auto [text, power, value] : cases) EXPECT_EQ(ScaleDecimalText(text, power), value) << text;
    // Huge exponents and digit runs are limited; 15 significant digits are
    // kept, rounding with carry.
    EXPECT_EQ(ScaleDecimalText("1e99999999999", 0), INT64_MAX);
    EXPECT_EQ(ScaleDecimalText("123456789012345678", 0), 123456789012346000);
    EXPECT_EQ(ScaleDecimalText("0.999999999999999949", 1), 10);
}

// Overlong numbers: the reader clamps, the whole-number parser refuses.
TEST(DecimalTextTest, OverlongIntegersClampOrAreRefused) {
    std::size_t used = 0;
    EXPECT_EQ(ScanInt("99999999999999999999", &used), INT32_MAX);  // every digit is used up
    EXPECT_EQ(used, 20u);

    EXPECT_EQ(ParseWholeNumber("123456789012345678"), 123456789012345678);
    for (const char* bad : {"", " 1", "-1", "1.0", "1234567890123456789"})
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
}

// Numbers read from files: the whole text or nothing.
TEST(DecimalTextTest, ParseDecimalTextTakesWholePlainNumbersOnly) {
    const std::tuple<const char*, std::int64_t> good[] = {
        {"446.00625", 44600625}, {"-7.6", -760000}, {"5.", 500000}, {".5", 50000}, {"007", 700000}};
    for (auto [text, value] : good) EXPECT_EQ(ParseDecimalText(text, 5), value) << text;
    for (const char* bad :
         {"", "-", ".", "-.", "1.2.3", " 1", "1 ", "+1", "1e3", "4x6", "--1", "1-"})
        EXPECT_FALSE(ParseDecimalText(bad, 5).has_value()) << bad;
}

TEST(DecimalTextTest, ExponentFormIsKnownWhole) {
    for (const char* text : {"1e4", "1E+04", "1e400", "-2.5e-3", "+.5E1", "8.85e1", "7.e0"})
        EXPECT_TRUE(IsExponentNumber(text)) << text;
    for (const char* text : {"", "e4", "1e", "1e+", "10000", "1.2.3e4", "1e4.5", "1e4x", "D1e4N",
                             " 1e4", "1ee4", ".e4", "e"})
        EXPECT_FALSE(IsExponentNumber(text)) << text;
}

}  // namespace
}  // namespace dpmr
