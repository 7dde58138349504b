// The field kinds on small ad-hoc fields: list fallbacks and codes, the number
// rules (commit, spin, special words, load and store), check bits, texts, DTMF
// digit strings, the kill-code terminator, 7-digit identities, hexadecimal
// numbers and the typing filters; a field never changes bits it does not own.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "form/DtmfSymbols.h"
#include "form/FieldKinds.h"
#include "support/ImageBytes.h"

namespace dpmr::form {
namespace {

using Raw = test::Bytes;
using test::ImageBytes;

constexpr std::size_t kAt = 0x10;

ControlState Loaded(const FieldSpec& f, const RadioImage& image) {
    ControlState s;
    s.items = ListItemsFor(f, image);
    LoadField(f, image, s);
    return s;
}

RadioImage WithBytes(const Raw& bytes) {
    RadioImage image;
    for (std::size_t k = 0; k < bytes.size(); ++k) image.SetU8(kAt + k, bytes[k]);
    return image;
}

FieldSpec Num(Location at, NumberRule rule) {
    return Number("n", "N", at, rule, 0);
}

FieldSpec Coded(int noItemBelow) {
    FieldSpec f = CodedList("c", "C", Byte(kAt), {"x", "y"}, {9, 4}, 0, 4);
    f.list.noItemBelow = noItemBelow;
    return f;
}

const NumberRule kTot{.min = 30, .max = 600, .step = 30, .commit = NumberCommit::kStepDown};
const NumberRule kVox{.scale = Scale::kTenths, .min = 1, .max = 20, .byteWrap = true};
const NumberRule kStop{.scale = Scale::kTenths,
                       .min = 5,
                       .max = 100,
                       .step = 5,
                       .commit = NumberCommit::kStepDown,
                       .byteWrap = true};
const NumberRule kCycle{.special = 0, .specialWord = "continue"};

// Each row loads `stored`, then stores entry `choose` (-1: nothing selected).
TEST(FieldKindsTest, ListsLoadWithFallbacksAndStoreCodes) {
    const FieldSpec plain = List("l", "L", Byte(kAt), {"a", "b", "c"}, 2, 1);
    const FieldSpec bits = List("b", "B", BitsAt(kAt, 2, 2), {"p", "q", "r"}, 1, 2);
    const struct {
        const char* name;
        FieldSpec f;
        std::uint8_t stored;
        const char* shown;
        int choose;
        std::uint8_t after;
    } rows[] = {
        {"position", plain, 1, "b", 0, 0x00},
        {"invalid code: fallback", plain, 7, "c", -1, 0x01},
        {"coded", Coded(0), 4, "y", 0, 9},
        {"coded, invalid code", Coded(0), 1, "x", -1, 4},
        {"no entry below the limit", Coded(31), 2, "", -1, 4},
        {"no entry at the limit", Coded(31), 31, "x", 1, 4},
        {"no fallback", List("l", "L", Byte(kAt), {"a"}, -1, 0), 5, "", -1, 0},
        {"bit field, invalid", bits, 0xFF, "q", 0, 0xF3},
        {"bit field", bits, 0x08, "r", -1, 0x08},
    };
    for (const auto& r : rows) {
        RadioImage image = WithBytes({r.stored});
        ControlState s = Loaded(r.f, image);
        EXPECT_EQ(ShownText(r.f, s), r.shown) << r.name;
        s.selected = r.choose;
        StoreField(r.f, s, image);
        EXPECT_EQ(image.U8(kAt), r.after) << r.name;
    }
}

TEST(FieldKindsTest, NumbersCommitWhenLeft) {
    NumberRule noWrap = kVox;
    noWrap.byteWrap = false;
    NumberRule validate{.min = 10, .max = 60, .step = 5, .commit = NumberCommit::kValidate};
    validate.invalidText = "30";
    NumberRule reformat = validate;
    reformat.reformat = true;
    const NumberRule ms{
        .scale = Scale::kTimes20, .max = 1000, .step = 20, .commit = NumberCommit::kStepDown};
    const struct {
        const char* name;
        NumberRule rule;
        const char* text;
        const char* shown;
    } rows[] = {
        {"clamp above", {.min = 0, .max = 15}, "16", "15"},
        {"no number", {.min = 3, .max = 15}, "x", "3"},
        {"step down", kTot, "95", "90"},
        {"step down below", kTot, "10", "30"},
        {"step down above", kTot, "700", "600"},
        {"tenths above", kVox, "5", "2.0"},
        {"tenths byte wrap", kVox, "26", "0.4"},
        {"tenths without wrap", noWrap, "26", "2.0"},
        {"tenths cut", kVox, "0.19", "0.1"},
        {"tenths step down", kStop, "1.3", "1.0"},
        {"tenths step up to min", kStop, "0.2", "0.5"},
        {"milliseconds", ms, "250", "240"},
        {"validate in range", validate, "47", "47"},
        {"validate above", validate, "61", "30"},
        {"validate no number", validate, "", "30"},
        {"validate reformat", reformat, "47", "45"},
        {"none", {.commit = NumberCommit::kNone}, "abc", "abc"},
        {"special word", kCycle, "0", "continue"},
        {"special word kept", kCycle, "continue", "continue"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(CommitText(Num(Byte(kAt), r.rule), r.text), r.shown) << r.name;
}

TEST(FieldKindsTest, SpinsWrapAndSnapToTheGrid) {
    const struct {
        const char* name;
        NumberRule rule;
        const char* text;
        int step;
        const char* shown;
    } rows[] = {
        {"down from min", kTot, "30", -1, "600"},
        {"up from max", kTot, "600", 1, "30"},
        {"off grid up", kTot, "45", 1, "60"},
        {"off grid down", kTot, "45", -1, "30"},
        {"on grid down", kTot, "60", -1, "30"},
        {"tenths up from max", kStop, "10.0", 1, "0.5"},
        {"tenths down from min", kStop, "0.5", -1, "10.0"},
        {"tenths off grid", kStop, "1.3", 1, "1.5"},
        {"tenth up", kVox, "1.0", 1, "1.1"},
        {"tenth wraps", kVox, "2.0", 1, "0.1"},
        {"units wrap down", {.min = 0, .max = 15}, "0", -1, "15"},
        {"from the word", kCycle, "continue", 1, "1"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(SpinText(Num(Byte(kAt), r.rule), r.text, r.step), r.shown) << r.name;
    EXPECT_EQ(SpinText(Num(Byte(kAt), {.spin = false}), "3", 1), std::nullopt);
    EXPECT_EQ(SpinText(List("l", "L", Byte(kAt), {"a"}, 0, 0), "a", 1), std::nullopt);
}

// Each row loads `stored` (shown), then stores `text` (giving `after`).
TEST(FieldKindsTest, NumbersLoadAndStore) {
    NumberRule longKey{.scale = Scale::kTenths, .min = 5, .max = 25};
    longKey.loadOutside = 10;
    longKey.emptyStores = 10;
    NumberRule vox = kVox;
    vox.commitAfterLoad = vox.commitBeforeStore = true;
    NumberRule exit{.special = 0xFF, .specialWord = "unlimited"};
    NumberRule ms{.scale = Scale::kTimes20, .max = 1000};
    ms.loadOutside = 0;
    const struct {
        const char* name;
        FieldSpec f;
        Raw stored;
        const char* shown;
        const char* text;
        Raw after;
    } rows[] = {
        {"word", Num(Word(kAt), kTot), {0x58, 0x02}, "600", "90", {0x5A, 0x00}},
        {"word, empty", Num(Word(kAt), kTot), {0x58, 0x02}, "600", "", {0x00, 0x00}},
        {"low 8 bits", Num(Byte(kAt), {}), {7}, "7", "300", {0x2C}},
        {"tenths", Num(Byte(kAt), kVox), {3}, "0.3", "2.55", {25}},
        {"load outside", Num(Byte(kAt), longKey), {3}, "1.0", "", {10}},
        {"load inside", Num(Byte(kAt), longKey), {25}, "2.5", "0.5", {5}},
        {"load above", Num(Byte(kAt), longKey), {26}, "1.0", "0.7", {7}},
        {"commit after load", Num(Byte(kAt), vox), {0}, "0.1", "26", {4}},
        {"commit before store", Num(Byte(kAt), vox), {30}, "2.0", "0", {1}},
        {"special word", Num(Byte(kAt), exit), {0xFF}, "unlimited", "unlimited", {0xFF}},
        {"milliseconds", Num(Byte(kAt), ms), {5}, "100", "250", {12}},
        {"milliseconds outside", Num(Byte(kAt), ms), {51}, "0", "1000", {50}},
    };
    for (const auto& r : rows) {
        RadioImage image = WithBytes(r.stored);
        ControlState s = Loaded(r.f, image);
        EXPECT_EQ(s.text, r.shown) << r.name;
        s.text = r.text;
        StoreField(r.f, s, image);
        EXPECT_EQ(ImageBytes(image, kAt, r.after.size()), r.after) << r.name;
    }
}

TEST(FieldKindsTest, ChecksAndBitFieldsKeepTheOtherBits) {
    const FieldSpec check = Check("c", "C", BitAt(kAt, 5));
    RadioImage image = WithBytes({0xDF});
    ControlState s = Loaded(check, image);
    EXPECT_FALSE(s.checked);
    s.checked = true;
    StoreField(check, s, image);
    EXPECT_EQ(image.U8(kAt), 0xFF);
    image.SetU8(kAt, 0x00);
    StoreField(check, s, image);
    EXPECT_EQ(image.U8(kAt), 0x20);
    image.SetU8(kAt, 0x8F);
    s.text = "9";  // 1001: only the field's three bits are written
    StoreField(Num(BitsAt(kAt, 4, 3), {.max = 7}), s, image);
    EXPECT_EQ(image.U8(kAt), 0x9F);
}

TEST(FieldKindsTest, TextsAndDigitStrings) {
    RadioImage image = WithBytes(Raw(24, 0x5A));
    ControlState s;
    const FieldSpec text = Text("t", "T", Bytes(kAt, 8), 8);
    s.text = "Name 1234";
    StoreField(text, s, image);
    EXPECT_EQ(Loaded(text, image).text, "Name 123");
    s.text = "AB";
    StoreField(text, s, image);
    EXPECT_EQ(ImageBytes(image, kAt, 4), (Raw{'A', 'B', 0xFF, 0xFF}));

    const FieldSpec code = Digits("d", "D", Bytes(kAt, 16), 16, {.alphabet = Alphabet::kDtmf});
    s.text = "1A*#";
    StoreField(code, s, image);
    Raw expected{0x01, 0x0A, 0x0E, 0x0F};
    expected.resize(16, 0xFF);
    expected.push_back(0x5A);  // the byte after the field
    EXPECT_EQ(ImageBytes(image, kAt, 17), expected);
    EXPECT_EQ(Loaded(code, image).text, "1A*#");
    image.SetU8(kAt + 2, 0x10);  // reading stops at the first byte above 0x0F
    EXPECT_EQ(Loaded(code, image).text, "1A");

    for (const char c : std::string("0123456789ABCD*#"))
        EXPECT_EQ(DtmfCodeToChar(DtmfCharToCode(c)), c) << c;
    EXPECT_EQ(DtmfCharToCode('a'), 0x0A);
    EXPECT_EQ(DtmfCharToCode('G'), 0xFF);
    EXPECT_EQ(DtmfCodeToChar(0x10), std::nullopt);
}

TEST(FieldKindsTest, KillCodeEndsWithOneTerminator) {
    const FieldSpec kill =
        Digits("k", "K", Bytes(kAt, 16), 15, {.alphabet = Alphabet::kDtmf, .terminator = true});
    const struct {
        const char* text;
        Raw head;  // the first bytes; the rest of the 16 are 0xFF
        std::uint8_t last;
    } rows[] = {
        {"12#", {0x01, 0x02, 0x0F, 0x0F}, 0x5A},  // the 16th byte is only a terminator's
        {"123456789ABCD*0",
         {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x00},
         0x0F},
        {"", {}, 0x5A},  // no terminator written, the 16th byte untouched
    };
    for (const auto& r : rows) {
        RadioImage image = WithBytes(Raw(16, 0x5A));
        ControlState s;
        s.text = r.text;
        StoreField(kill, s, image);
        Raw expected = r.head;
        expected.resize(15, 0xFF);
        expected.push_back(r.last);
        EXPECT_EQ(ImageBytes(image, kAt, 16), expected) << r.text;
        EXPECT_EQ(Loaded(kill, image).text, r.text);
    }
}

TEST(FieldKindsTest, SevenDigitIdentities) {
    StringRule rule{.alphabet = Alphabet::kDigits, .sevenDigits = true, .replacement = "9999990"};
    const FieldSpec id = Digits("k", "K", Bytes(kAt, 7), 7, rule);
    const std::pair<const char*, const char*> commits[] = {
        {"12345", "0012345"},   {"12345678", "1234567"}, {"8999999", "8999999"},
        {"9000001", "9999990"}, {"3000000", "9999990"},  {"0000000", "9999990"},
        {"", "9999990"},        {"9999990", "9999990"},  {"0000001", "0000001"},
    };
    for (const auto& [text, shown] : commits) EXPECT_EQ(CommitText(id, text), shown) << text;

    RadioImage image = WithBytes(Raw(8, 0xFF));
    EXPECT_EQ(Loaded(id, image).text, "0000000");  // erased
    ControlState s;
    StoreField(id, s, image);  // empty: seven zeros, the byte after untouched
    EXPECT_EQ(ImageBytes(image, kAt, 8), (Raw{0, 0, 0, 0, 0, 0, 0, 0xFF}));
    s.text = "12345";
    StoreField(id, s, image);
    EXPECT_EQ(ImageBytes(image, kAt, 7), (Raw{0, 0, 1, 2, 3, 4, 5}));

    image.FillFF(kAt, 7);
    rule.padEmptyOnLoad = false;
    EXPECT_EQ(Loaded(Digits("a", "A", Bytes(kAt, 7), 7, rule), image).text, "");
    rule.padEmptyOnLoad = true;
    rule.replacement = "0000001";
    rule.commitAfterLoad = true;
    EXPECT_EQ(Loaded(Digits("r", "R", Bytes(kAt, 7), 7, rule), image).text, "0000001");
}

TEST(FieldKindsTest, HexNumbers) {
    const FieldSpec word = Hex("h", "H", Word(kAt), 0x0800);
    RadioImage image = WithBytes({0x0A, 0x08, 0x5A});
    ControlState s = Loaded(word, image);
    EXPECT_EQ(s.text, "80A");
    s.text = "1BC";
    StoreField(word, s, image);
    EXPECT_EQ(ImageBytes(image, kAt, 3), (Raw{0xBC, 0x01, 0x5A}));
    s.text = "";
    StoreField(word, s, image);
    EXPECT_EQ(ImageBytes(image, kAt, 3), (Raw{0x00, 0x08, 0x5A}));
    s.text = "1FF";  // a one-byte edit keeps the low byte only
    StoreField(Hex("b", "B", Byte(kAt), 0), s, image);
    EXPECT_EQ(ImageBytes(image, kAt, 2), (Raw{0xFF, 0x08}));
}

TEST(FieldKindsTest, TypingFiltersAndUpperCases) {
    const struct {
        const char* name;
        FieldSpec f;
        const char* typed;
        const char* got;
    } rows[] = {
        {"digits", Num(Byte(kAt), {}).Limit(3), "1a.2 34", "123"},
        {"tenths", Num(Byte(kAt), kVox).Limit(4), "1.5x0", "1.50"},
        {"dtmf", Digits("d", "D", Bytes(kAt, 16), 16, {.alphabet = Alphabet::kDtmf, .upper = true}),
         "1a*#ef", "1A*#"},
        {"hex", Hex("h", "H", Word(kAt), 0), "fg0e12", "F0E1"},
        {"any text", Text("t", "T", Bytes(kAt, 8), 8), "ab\x01 c", "ab c"},
    };
    for (const auto& r : rows) EXPECT_EQ(TypedText(r.f, r.typed), r.got) << r.name;
    EXPECT_EQ(TypedChar(rows[2].f, 'b'), 'B');
    EXPECT_EQ(TypedChar(rows[0].f, '-'), std::nullopt);
}

}  // namespace
}  // namespace dpmr::form
