// The "DTMF" dialog's rules through its field tables: the symbol strings, the
// millisecond and tenths boxes (leaving, spinning, load and store), the
// coded lists (speed, group call code, decode response), the bit fields that
// keep their neighbours, the kill code's terminator, the contact codes, and
// a round trip that touches no byte the dialog does not own.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "form/DtmfSymbols.h"
#include "support/FieldDriver.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using test::Bytes;
using test::FieldDriver;
using test::ImageBytes;
using test::SetFields;
using test::ShownField;

TEST(DtmfDialogTest, SymbolConversionsBothWays) {
    const std::pair<char, std::uint8_t> pairs[] = {{'0', 0x00}, {'9', 0x09}, {'A', 0x0A},
                                                   {'D', 0x0D}, {'*', 0x0E}, {'#', 0x0F}};
    for (const auto& [c, code] : pairs) {
        EXPECT_EQ(DtmfCharToCode(c), code) << c;
        EXPECT_EQ(DtmfCodeToChar(code), c) << int(code);
    }
    // Any other hexadecimal digit is read as one; anything else is no symbol.
    EXPECT_EQ(DtmfCharToCode('a'), 0x0A);
    EXPECT_EQ(DtmfCharToCode('F'), 0x0F);
    for (char c : {'G', 'x', ' ', '-'}) EXPECT_EQ(DtmfCharToCode(c), 0xFF) << c;
    for (int code : {0x10, 0x7F, 0xFF}) EXPECT_FALSE(DtmfCodeToChar(std::uint8_t(code)));
}

TEST(DtmfDialogTest, LeavingABoxRoundsAndClamps) {
    const test::CommitCase cases[] = {
        {"dtmfencode.first_digit_delay", "250", "200"},
        {"dtmfencode.first_digit_delay", "50", "100"},
        {"dtmfencode.first_digit_delay", "", "100"},
        {"dtmfencode.first_digit_delay", "1999", "1000"},
        {"dtmfencode.first_digit", "99", "0"},
        {"dtmfencode.first_digit", "05000", "500"},  // 4 characters at most
        {"dtmfencode.star_hash_tone", "1000", "1000"},
        {"dtmfencode.star_hash_tone", "x350", "300"},  // the letter is refused
        {"dtmfencode.hold_time", "0.4", "0.5"},
        {"dtmfencode.hold_time", "1.59", "1.5"},
        {"dtmfencode.hold_time", "7", "2.0"},
        {"dtmfencode.response_wait_time", "0.1", "0.5"},
        {"dtmfencode.response_wait_time", "3.33", "3.3"},
        {"dtmfencode.response_wait_time", "12", "10.0"},
        {"dtmfdecode.auto_reset_time", "999", "255"},
        {"dtmfdecode.auto_reset_time", "0", "0"},
        {"dtmfencode.online_code", "1a*#e5", "1A*#5"},
        {"dtmfencode.online_code", "1111111111111111#", "1111111111111111"},
        {"dtmfencode.offline_code", "0123456789ABCD*#0", "0123456789ABCD*#"},
        {"dtmfdecode.person_id", "DDDDDDDDDDDDDDDD#", "DDDDDDDDDDDDDDDD"},
        {"dtmfdecode.kill_code", "1234567890ABCD*#", "1234567890ABCD*"},
        {"dtmfcontact.code9", "ab#cd*x", "AB#CD*"},
    };
    test::ExpectCommits(cases);
}

TEST(DtmfDialogTest, SpinsStepAndWrap) {
    const test::SpinCase cases[] = {
        {"dtmfencode.first_digit_delay", "100", -1, "1000"},
        {"dtmfencode.first_digit_delay", "1000", 1, "100"},
        {"dtmfencode.first_digit_delay", "250", 1, "300"},
        {"dtmfencode.first_digit_delay", "250", -1, "200"},
        {"dtmfencode.first_digit_delay", "300", -1, "200"},
        {"dtmfencode.first_digit", "0", -1, "1000"},
        {"dtmfencode.star_hash_tone", "1000", 1, "0"},
        {"dtmfencode.hold_time", "2.0", 1, "0.5"},
        {"dtmfencode.hold_time", "0.5", -1, "2.0"},
        {"dtmfencode.hold_time", "1.0", 1, "1.1"},
        {"dtmfencode.response_wait_time", "10.0", 1, "0.5"},
        {"dtmfencode.response_wait_time", "0.5", -1, "10.0"},
        {"dtmfdecode.auto_reset_time", "255", 1, "0"},
        {"dtmfdecode.auto_reset_time", "0", -1, "255"},
    };
    test::ExpectSpins(cases);
}

// Bytes in the image -> what the dialog shows -> what closing it stores.
TEST(DtmfDialogTest, LoadShowsAndStoresBack) {
    const test::LoadCase cases[] = {
        {"dtmfencode.speed", 0x2000, 100, "5", 100},
        {"dtmfencode.speed", 0x2000, 75, "6", 75},
        {"dtmfencode.speed", 0x2000, 10, "10", 50},  // the built-in default
        {"dtmfencode.first_digit_delay", 0x2001, 0, "100", 1},
        {"dtmfencode.first_digit_delay", 0x2001, 0xFF, "1000", 10},
        {"dtmfencode.first_digit", 0x2002, 0, "0", 0},
        {"dtmfencode.hold_time", 0x2008, 0xFF, "2.0", 20},
        {"dtmfencode.hold_time", 0x2008, 3, "0.5", 5},
        {"dtmfencode.response_wait_time", 0x2009, 0xFF, "25.5", 0xFF},
        {"dtmfencode.pttid_type", 0x2005, 3, "On line", 0},
        {"dtmfencode.pttid_type", 0x2005, 2, "Both", 2},
        {"dtmfdecode.group_call_code", 0x2030, 0xFF, "None", 0xFF},
        {"dtmfdecode.group_call_code", 0x2030, 0x0B, "B", 0x0B},
        {"dtmfdecode.group_call_code", 0x2030, 0x0F, "#", 0x0F},
        {"dtmfdecode.group_call_code", 0x2030, 0x05, "", 0xFF},
        {"dtmfdecode.group_call_code", 0x2030, 0x10, "", 0xFF},
        {"dtmfdecode.decode_response", 0x2031, 0, "None", 0},
        {"dtmfdecode.decode_response", 0x2031, 1, "", 4},
        {"dtmfdecode.decode_response", 0x2031, 2, "Remind", 2},
        {"dtmfdecode.decode_response", 0x2031, 3, "Reply", 3},
        {"dtmfdecode.decode_response", 0x2031, 0x80, "Remind and Reply", 4},
        {"dtmfdecode.auto_reset_time", 0x2034, 0xFF, "255", 0xFF},
        {"dtmfdecode.kill_type", 0x2037, 0xC1, "tx inhibit", 0x01},
        {"dtmfdecode.kill_type", 0x2037, 0x40, "tx/rx inhibit", 0x40},
    };
    test::ExpectLoadsAndStoresBack(cases);
}

TEST(DtmfDialogTest, ListsStoreTheirCodesAndKeepTheOtherBits) {
    RadioImage image;
    image.SetU8(0x2007, 0x7E);
    image.SetU8(0x2037, 0x1E);
    EXPECT_EQ(ShownField(image, "dtmfencode.short_beep"), "Allow");
    EXPECT_EQ(ShownField(image, "dtmfdecode.kill_type"), "tx inhibit");
    SetFields(image,
              {"dtmfencode.speed=6", "dtmfencode.side_tone=Allow", "dtmfencode.response_wait=Allow",
               "dtmfencode.short_beep=Inhibit", "dtmfdecode.group_call_code=*",
               "dtmfdecode.decode_response=Reply", "dtmfdecode.decode_display=allow",
               "dtmfdecode.kill_active=On", "dtmfdecode.kill_type=Kill"});
    EXPECT_EQ(ImageBytes(image, 0x2000, 1), Bytes{75});
    EXPECT_EQ(image.U8(0x2007), 0xFD);
    EXPECT_EQ(ImageBytes(image, 0x2030, 2), (Bytes{0x0E, 3}));
    EXPECT_EQ(image.U8(0x2037), 0xBF);
    SetFields(image, {"dtmfdecode.kill_type=tx/rx inhibit", "dtmfencode.side_tone=Inhibit"});
    EXPECT_EQ(image.U8(0x2037), 0x7F);
    EXPECT_EQ(image.U8(0x2007), 0xFC);
}

Bytes Padded(Bytes symbols, std::size_t size = 16) {
    symbols.resize(size, 0xFF);
    return symbols;
}

TEST(DtmfDialogTest, DigitStringsStoreOneSymbolAByteAndTheKillCodeItsTerminator) {
    const struct {
        const char* key;
        const char* typed;
        std::size_t off;
        Bytes after;
    } cases[] = {
        {"dtmfencode.online_code", "1A*#", 0x2010, Padded({1, 0x0A, 0x0E, 0x0F})},
        {"dtmfencode.offline_code",
         "0123456789abcd*#",
         0x2020,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}},
        {"dtmfdecode.person_id", "DCBA", 0x2040, Padded({0x0D, 0x0C, 0x0B, 0x0A})},
        {"dtmfdecode.kill_code", "12#", 0x2050, Padded({1, 2, 0x0F, 0x0F}, 15)},
        {"dtmfdecode.kill_code",
         "123456789ABCD*1",
         0x2050,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 1, 0x0F}},
        // An empty kill code writes no terminator: the 16th byte stays.
        {"dtmfdecode.kill_code", "", 0x2050, Padded({}, 15)},
        {"dtmfcontact.code1", "0*#", 0x2060, Padded({0, 0x0E, 0x0F})},
        {"dtmfcontact.code16", "D", 0x2150, Padded({0x0D})},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.Fill(c.off, 16, 0x07);
        const std::string key = c.key;
        SetFields(image, {key + "=" + c.typed});
        Bytes expected = c.after;
        expected.resize(16, 0x07);
        EXPECT_EQ(ImageBytes(image, c.off, 16), expected) << key << "=" << c.typed;
        EXPECT_EQ(ShownField(image, key), FieldDriver(image, key).Type(c.typed)) << key;
    }
}

TEST(DtmfDialogTest, DigitStringsLoadUpToTheFirstByteThatIsNoSymbol) {
    const struct {
        const char* key;
        std::size_t off;
        Bytes bytes;
        const char* shown;
    } cases[] = {
        {"dtmfcontact.code3", 0x2080, Padded({1, 0xFF, 2}), "1"},
        {"dtmfencode.online_code", 0x2010, Bytes(16, 0x0F), "################"},
        {"dtmfdecode.person_id", 0x2040, Padded({4, 0x10, 5}), "4"},
        {"dtmfdecode.kill_code", 0x2050, Padded({1, 2, 0x0F}), "12"},
        {"dtmfdecode.kill_code", 0x2050, Padded({0x0F, 0x0F}), "#"},
        {"dtmfdecode.kill_code", 0x2050, Bytes(16, 1), "111111111111111"},
        {"dtmfdecode.kill_code", 0x2050, Bytes(16, 0x0F), "##############"},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.Fill(0x2000, 0x160, 0x02);  // symbols all around
        std::copy(c.bytes.begin(), c.bytes.end(), image.Span(c.off, 16).begin());
        EXPECT_EQ(ShownField(image, c.key), c.shown) << c.key;
    }
}

// Whether an offset is one the DTMF dialog may write (the bits it keeps in
// 0x2007 and 0x2037 are checked with the lists).
bool DtmfMayWrite(std::size_t off) {
    static const std::set<std::size_t> kept{0x2004, 0x2006, 0x200A, 0x200B, 0x200C, 0x200D, 0x200E,
                                            0x200F, 0x2032, 0x2033, 0x2035, 0x2036, 0x2038, 0x2039,
                                            0x203A, 0x203B, 0x203C, 0x203D, 0x203E, 0x203F};
    return off >= 0x2000 && off <= 0x215F && !kept.contains(off);
}

TEST(DtmfDialogTest, ARoundTripLeavesEveryOtherByteAlone) {
    test::ExpectRoundTripsKeepOtherBytes(
        {"dtmfencode.speed=5", "dtmfdecode.kill_code=1", "dtmfcontact.code8=2"}, DtmfMayWrite, 8);
}

}  // namespace
}  // namespace dpmr
