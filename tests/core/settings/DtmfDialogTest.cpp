// The "DTMF" dialog's rules through its field tables: the symbol strings, the
// millisecond and tenths boxes (leaving, spinning, load and store), the
// coded lists (speed, group call code, decode response), the bit fields that
// keep their neighbours, the kill code's terminator and the contact codes.
#include <gtest/gtest.h>

#include <string>

#include "document/NewDocument.h"
#include "support/DialogDriver.h"

namespace dpmr {
namespace {

using test::Bytes;
using test::ImageBytes;
using test::SetFields;
using test::ShownField;

// Milliseconds round down to 100 ms steps within 100..1000 (the first digit
// 0..1000, 4 characters at most, letters refused); tenths within their
// range; the symbol strings take 16 symbols, the kill code 15.
TEST(DtmfDialogTest, LeavingABoxRoundsAndClampsAndSpinsWrap) {
    // clang-format off
    const test::EditCase cases[] = {
        {"dtmfencode.first_digit_delay", "250", 0, "200"},
        {"dtmfencode.first_digit_delay", "50", 0, "100"},
        {"dtmfencode.first_digit_delay", "1999", 0, "1000"},
        {"dtmfencode.first_digit_delay", "100", -1, "1000"},
        {"dtmfencode.star_hash_tone", "1000", 1, "0"},
        {"dtmfencode.hold_time", "1.59", 0, "1.5"}, {"dtmfencode.hold_time", "2.0", 1, "0.5"},
        {"dtmfdecode.auto_reset_time", "999", 0, "255"},
        {"dtmfencode.offline_code", "0123456789ABCD*#0", 0, "0123456789ABCD*#"},
        {"dtmfdecode.kill_code", "1234567890ABCD*#", 0, "1234567890ABCD*"},
        {"dtmfcontact.code9", "ab#cd*x", 0, "AB#CD*"}};
    // clang-format on
    test::ExpectEdits(cases);
}

// Bytes in the image -> what the dialog shows -> what closing it stores.
// Codes without an entry show nothing and store the list's default.
TEST(DtmfDialogTest, LoadShowsAndStoresBack) {
    // clang-format off
    const test::LoadCase cases[] = {
        {"dtmfencode.speed", 0x2000, 75, "6", 75},     {"dtmfencode.speed", 0x2000, 10, "10", 50},
        {"dtmfencode.first_digit_delay", 0x2001, 0, "100", 1},
        {"dtmfdecode.group_call_code", 0x2030, 0x0F, "#", 0x0F},
        {"dtmfdecode.group_call_code", 0x2030, 0x05, "", 0xFF},
        {"dtmfdecode.decode_response", 0x2031, 0x80, "Remind and Reply", 4},
        {"dtmfdecode.kill_type", 0x2037, 0xC1, "tx inhibit", 0x01}};
    // clang-format on
    test::ExpectLoadsAndStoresBack(cases);
}

Bytes Padded(Bytes symbols, std::size_t size = 16) {
    symbols.resize(size, 0xFF);
    return symbols;
}

// One symbol a byte, 0xFF after the last; the kill code ends with a 0x0F
// terminator in at most 16 bytes, and an empty one writes none: the 16th
// byte stays. What is stored shows again as it was typed.
TEST(DtmfDialogTest, DigitStringsStoreOneSymbolAByteAndTheKillCodeItsTerminator) {
    const struct {
        const char* key;
        const char* typed;
        std::size_t off;
        Bytes after;
    } cases[] = {
        {"dtmfdecode.kill_code", "12#", 0x2050, Padded({1, 2, 0x0F, 0x0F}, 15)},
        {"dtmfdecode.kill_code",
         "123456789ABCD*1",
         0x2050,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 1, 0x0F}},
        {"dtmfdecode.kill_code", "", 0x2050, Padded({}, 15)},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.Fill(c.off, 16, 0x07);
        const std::string key = c.key;
        SetFields(image, {key + "=" + c.typed});
        Bytes expected = c.after;
        expected.resize(16, 0x07);
        EXPECT_EQ(ImageBytes(image, c.off, 16), expected) << key << "=" << c.typed;
        EXPECT_EQ(ShownField(image, key), c.typed) << key;
    }
    // Loading stops at the first byte that is no symbol, and at the kill
    // code's terminator.
    RadioImage image;
    image.Fill(0x2000, 0x160, 0x02);  // symbols all around
    image.Fill(0x2050, 16, 0x0F);
    image.SetU8(0x2081, 0xFF);
    image.SetU8(0x2041, 0x10);
    EXPECT_EQ(ShownField(image, "dtmfdecode.kill_code"), "##############");
    image.Fill(0x2050, 16, 0x01);
    EXPECT_EQ(ShownField(image, "dtmfdecode.kill_code"), "111111111111111");
}

}  // namespace
}  // namespace dpmr
