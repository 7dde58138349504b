// Exact decimal scaling and fixed-decimal formatting of user texts, and the
// scanf-like integer reader the tone and settings code relies on.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "util/DecimalText.h"

namespace dpmr {
namespace {

TEST(DecimalTextTest, ScaleByPowersOfTen) {
    struct Case {
        const char* text;
        int power;
        std::int64_t value;
    };
    const Case cases[] = {
        {"0.3", 1, 3},
        {"0.3", 3, 300},
        {"2.675", 2, 267},
        {"1.1", 1, 11},
        {"-1.19", 1, -11},
        {"12", 0, 12},
        {"12.999", 0, 12},
        {"007.50", 2, 750},
        {"1e3", 0, 1000},
        {"1E+2", 1, 1000},
        {"5e-1", 1, 5},
        {"0e999999999", 5, 0},
        {"1e99999999999", 0, INT64_MAX},
        {"-1e30", 0, -INT64_MAX},
        {"9223372036854775807", 0, INT64_MAX},  // rounds up beyond the range
        {"123456789012345678", 0, 123456789012346000},
        {"0.999999999999999949", 1, 10},  // rounds up past a carry
        {"1.23e", 2, 123},
        {"1.23e+", 2, 123},
        {"- 5", 1, 0},
        {"+-5", 1, 0},
        {"nan", 1, 0},
        {"inf", 1, 0},
        {"0x10", 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleDecimalText(c.text, c.power), c.value) << c.text << " x10^" << c.power;
    EXPECT_EQ(ScaleDecimalText32("1e20", 0), INT32_MAX);
    EXPECT_EQ(ScaleDecimalText32("-1e20", 0), INT32_MIN);
    EXPECT_EQ(ScaleDecimalText32("-2147483648", 0), INT32_MIN);
}

TEST(DecimalTextTest, VeryLongTextsDoNotOverflow) {
    const std::string longDigits(100000, '9');
    EXPECT_EQ(ScaleDecimalText(longDigits, 0), INT64_MAX);
    EXPECT_EQ(ScaleDecimalText("0." + std::string(100000, '0') + "1", 5), 0);
    EXPECT_EQ(ScaleDecimalText("1" + std::string(100000, '0') + "e-99999", 0), 10);
}

TEST(DecimalTextTest, ScanIntReadsLikePercentD) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"23", 23, 2},
        {"  -7x", -7, 4},
        {"+5", 5, 2},
        {"023N", 23, 3},
        {"", std::nullopt, 0},
        {"-", std::nullopt, 0},
        {"x1", std::nullopt, 0},
        {"99999999999999999999", INT32_MAX, 20},
        {"-99999999999", INT32_MIN, 12},
    };
    for (const Case& c : cases) {
        std::size_t used = 0;
        EXPECT_EQ(ScanInt(c.text, &used), c.value) << c.text;
        if (c.value) {
            EXPECT_EQ(used, c.consumed) << c.text;
        }
    }
}

TEST(DecimalTextTest, FormatScaledPrintsExactQuotient) {
    EXPECT_EQ(FormatScaled(145125000, 6), "145.125000");
    EXPECT_EQ(FormatScaled(885, 1), "88.5");
    EXPECT_EQ(FormatScaled(5, 3), "0.005");
    EXPECT_EQ(FormatScaled(-5, 1), "-0.5");
    EXPECT_EQ(FormatScaled(42, 0), "42");
    EXPECT_EQ(FormatScaled(INT64_MIN, 1), "-922337203685477580.8");
}

TEST(DecimalTextTest, WholeNumbersOnly) {
    EXPECT_EQ(ParseWholeNumber("0"), 0);
    EXPECT_EQ(ParseWholeNumber("123456789012345678"), 123456789012345678);
    for (const char* bad : {"", " 1", "1 ", "-1", "+1", "1.0", "1234567890123456789"})
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
}

}  // namespace
}  // namespace dpmr
