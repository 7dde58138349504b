// The "DTMF" dialog's rules through its field tables: the symbol strings, the
// millisecond and tenths boxes (leaving, spinning, load and store), the
// coded lists (speed, group call code, decode response), the bit fields that
// keep their neighbours, the kill code's terminator, the contact codes, and
// a round trip that touches no byte the dialog does not own.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "form/DtmfSymbols.h"
#include "image/Document.h"
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

struct BoxCase {
    const char* key;
    const char* typed;
    const char* shown;
};

TEST(DtmfDialogTest, LeavingABoxRoundsAndClamps) {
    const BoxCase cases[] = {
        {"dtmfencode.first_digit_delay", "250", "200"},
        {"dtmfencode.first_digit_delay", "50", "100"},
        {"dtmfencode.first_digit_delay", "", "100"},
        {"dtmfencode.first_digit_delay", "1999", "1000"},
        {"dtmfencode.first_digit", "99", "0"},
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
        {"dtmfdecode.kill_code", "1234567890ABCD*#", "1234567890ABCD*"},
    };
    for (const BoxCase& c : cases) {
        RadioImage image;
        EXPECT_EQ(FieldDriver(image, c.key).Commit(c.typed), c.shown) << c.key << " " << c.typed;
    }
}

TEST(DtmfDialogTest, SpinsStepAndWrap) {
    const struct {
        const char* key;
        const char* from;
        int step;
        const char* to;
    } cases[] = {
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
    for (const auto& c : cases) {
        RadioImage image;
        FieldDriver box(image, c.key);
        box.Type(c.from);
        EXPECT_EQ(box.Spin(c.step), c.to) << c.key << " " << c.from << " " << c.step;
    }
}

// Bytes in the image -> what the dialog shows -> what closing it stores.
TEST(DtmfDialogTest, LoadShowsAndStoresBack) {
    const struct {
        const char* key;
        std::size_t off;
        std::uint8_t stored;
        const char* shown;
        std::uint8_t storedBack;
    } cases[] = {
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
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.SetU8(c.off, c.stored);
        FieldDriver box(image, c.key);
        EXPECT_EQ(box.Shown(), c.shown) << c.key << " " << int(c.stored);
        box.Close();
        EXPECT_EQ(image.U8(c.off), c.storedBack) << c.key << " " << int(c.stored);
    }
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
        EXPECT_EQ(ShownField(image, key), test::FieldDriver(image, key).Type(c.typed)) << key;
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
        std::copy(c.bytes.begin(), c.bytes.end(), image.Span(c.off, 16).begin());
        EXPECT_EQ(ShownField(image, c.key), c.shown) << c.key;
    }
}

// Offsets of the DTMF block that the dialog never writes, and the bits it
// keeps in the two bytes it shares.
bool DtmfMayWrite(std::size_t off) {
    static const std::set<std::size_t> kept{0x2004, 0x2006, 0x200A, 0x200B, 0x200C, 0x200D, 0x200E,
                                            0x200F, 0x2032, 0x2033, 0x2035, 0x2036, 0x2038, 0x2039,
                                            0x203A, 0x203B, 0x203C, 0x203D, 0x203E, 0x203F};
    return off >= 0x2000 && off <= 0x215F && !kept.contains(off);
}

TEST(DtmfDialogTest, ARoundTripLeavesEveryOtherByteAndBitAlone) {
    std::mt19937 random(8);
    for (int round = 0; round < 20; ++round) {
        RadioImage image;
        for (std::size_t off = 0; off < RadioImage::kSize; ++off)
            image.SetU8(off, static_cast<std::uint8_t>(random()));
        const RadioImage before = image;
        SetFields(image, {"dtmfencode.speed=5", "dtmfdecode.kill_code=1", "dtmfcontact.code8=2"});
        std::vector<std::size_t> changed;
        for (std::size_t off = 0; off < RadioImage::kSize; ++off)
            if (!DtmfMayWrite(off) && image.U8(off) != before.U8(off)) changed.push_back(off);
        EXPECT_TRUE(changed.empty()) << std::hex << changed.front();
        EXPECT_EQ(image.U8(0x2007) & 0x7C, before.U8(0x2007) & 0x7C);
        EXPECT_EQ(image.U8(0x2037) & 0x1E, before.U8(0x2037) & 0x1E);

        // What the dialog stored it shows and stores again unchanged.
        const RadioImage stored = image;
        SetFields(image, {"dtmfencode.speed=5"});
        EXPECT_TRUE(image == stored);
    }
}

}  // namespace
}  // namespace dpmr
