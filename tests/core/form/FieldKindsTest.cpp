// The field kinds on small ad-hoc fields, kind by kind; a field never changes
// bits of its byte that it does not own. And every declared field loaded from
// every byte value and stored back as shown.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "codec/ToneCodec.h"
#include "dialogs/DialogRegistry.h"
#include "document/NewDocument.h"
#include "form/FieldKinds.h"
#include "form/FieldPage.h"
#include "image/Document.h"
#include "support/ImageBytes.h"

namespace dpmr::form {
namespace {

using Raw = test::Bytes;
using test::ImageBytes;

constexpr std::size_t kAt = 0x10;

ControlState Loaded(const FieldDecl& f, const RadioImage& image) {
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

void Store(const FieldDecl& f, const std::string& text, RadioImage& image) {
    ControlState s;
    s.text = text;
    StoreField(f, s, image);
}

FieldDecl Num(Location at, NumberRule rule) {
    return Number("n", "N", at, rule, 0);
}

FieldDecl Coded(int noItemBelow) {
    FieldDecl f = CodedList("c", "C", Byte(kAt), {"x", "y"}, {9, 4}, 0, 4);
    f.list.noItemBelow = noItemBelow;
    return f;
}

const NumberRule kTot{.min = 30, .max = 600, .step = 30, .commit = NumberCommit::kStepDown};
const NumberRule kVox{.scale = Scale::kTenths, .min = 1, .max = 20, .byteWrap = true};
const NumberRule kMs{
    .scale = Scale::kTimes20, .max = 1000, .step = 20, .commit = NumberCommit::kStepDown};

// Each row loads `stored`, then stores entry `choose` (-1: nothing selected).
TEST(FieldKindsTest, ListsLoadWithFallbacksAndStoreCodes) {
    const FieldDecl plain = List("l", "L", Byte(kAt), {"a", "b", "c"}, 2, 1);
    const FieldDecl bits = List("b", "B", BitsAt(kAt, 2, 2), {"p", "q", "r"}, 1, 2);
    // clang-format off
    const std::tuple<const char*, FieldDecl, std::uint8_t, const char*, int, std::uint8_t> rows[] = {
        {"position", plain, 1, "b", 0, 0x00},
        {"invalid code: fallback", plain, 7, "c", -1, 0x01},
        {"coded", Coded(0), 4, "y", 0, 9},
        {"no entry below the limit", Coded(31), 2, "", -1, 4},
        {"no entry at the limit", Coded(31), 31, "x", 1, 4},
        {"bit field, invalid", bits, 0xFF, "q", 0, 0xF3},
    };
    // clang-format on
    for (const auto& [name, f, stored, shown, choose, after] : rows) {
        RadioImage image = WithBytes({stored});
        ControlState s = Loaded(f, image);
        EXPECT_EQ(ShownText(f, s), shown) << name;
        s.selected = choose;
        StoreField(f, s, image);
        EXPECT_EQ(image.U8(kAt), after) << name;
    }
}

TEST(FieldKindsTest, CommitsAndSpins) {
    NumberRule noWrap = kVox;
    noWrap.byteWrap = false;
    NumberRule validate{
        .min = 10, .max = 60, .step = 5, .commit = NumberCommit::kValidate, .invalidText = "30"};
    NumberRule reformat = validate;
    reformat.reformat = true;
    const std::tuple<const char*, NumberRule, const char*, const char*> rows[] = {
        {"clamp", {.min = 3, .max = 15}, "16", "15"},
        {"tenths without byte wrap", noWrap, "26", "2.0"},
        {"validate above", validate, "61", "30"},
        {"validate and reformat", reformat, "47", "45"},
        {"no rule", {.commit = NumberCommit::kNone}, "abc", "abc"},
    };
    for (const auto& [name, rule, text, shown] : rows)
        EXPECT_EQ(CommitText(Num(Byte(kAt), rule), text), shown) << name;

    EXPECT_EQ(SpinText(Num(Byte(kAt), kTot), "45", 1), "60");  // off the grid: the next point
    EXPECT_EQ(SpinText(Num(Byte(kAt), {.spin = false}), "3", 1), std::nullopt);
    EXPECT_EQ(SpinText(List("l", "L", Byte(kAt), {"a"}, 0, 0), "a", 1), std::nullopt);
}

TEST(FieldKindsTest, BitFieldsKeepTheOtherBitsOfTheirByte) {
    const FieldDecl check = Check("c", "C", BitAt(kAt, 5));
    RadioImage image = WithBytes({0xDF});
    ControlState s = Loaded(check, image);
    EXPECT_FALSE(s.checked);
    s.checked = true;
    StoreField(check, s, image);
    EXPECT_EQ(image.U8(kAt), 0xFF);
    image.SetU8(kAt, 0x8F);
    Store(Num(BitsAt(kAt, 4, 3), {.max = 7}), "9", image);  // 1001: only three bits written
    EXPECT_EQ(image.U8(kAt), 0x9F);
}

// `first`..`n` then 0xFF up to `n` bytes, then `after` (bytes past a field).
Raw Pad(Raw first, std::size_t n, const Raw& after = {}) {
    first.resize(n, 0xFF);
    first.insert(first.end(), after.begin(), after.end());
    return first;
}

// Each row loads `stored` (shown), then stores `text` (giving `after`).
TEST(FieldKindsTest, EditsLoadAndStore) {
    NumberRule longKey{.scale = Scale::kTenths, .min = 5, .max = 25};
    longKey.loadOutside = 10;
    longKey.emptyStores = 10;
    NumberRule vox = kVox;
    vox.commitAfterLoad = vox.commitBeforeStore = true;
    NumberRule ms = kMs;
    ms.loadOutside = 0;
    const FieldDecl id =
        Digits("i", "I", Bytes(kAt, 7), 7, {.alphabet = Alphabet::kDigits, .sevenDigits = true});
    const Raw zeros(7, 0);
    // clang-format off
    const std::tuple<const char*, FieldDecl, Raw, const char*, const char*, Raw> rows[] = {
        {"word", Num(Word(kAt), kTot), {0x58, 0x02}, "600", "90", {0x5A, 0x00}},
        {"low 8 bits", Num(Byte(kAt), {}), {7}, "7", "300", {0x2C}},
        {"tenths", Num(Byte(kAt), kVox), {3}, "0.3", "2.55", {25}},
        {"load outside", Num(Byte(kAt), longKey), {26}, "1.0", "", {10}},
        {"commit after load", Num(Byte(kAt), vox), {0}, "0.1", "26", {4}},
        {"commit before store", Num(Byte(kAt), vox), {30}, "2.0", "0", {1}},
        {"milliseconds outside", Num(Byte(kAt), ms), {51}, "0", "1000", {50}},
        {"text", Text("t", "T", Bytes(kAt, 8), 8), Pad({'A', 'B'}, 8, {0x5A}), "AB", "Name 1234",
         {'N', 'a', 'm', 'e', ' ', '1', '2', '3', 0x5A}},
        {"dtmf stops above 0x0F", Digits("d", "D", Bytes(kAt, 16), 16, {}),
         Pad({1, 0x0A, 0x0E, 0x0F, 0x10, 3}, 16, {0x5A}), "1A*#", "1A*#",
         Pad({1, 0x0A, 0x0E, 0x0F}, 16, {0x5A})},
        {"id erased", id, Raw(8, 0xFF), "0000000", "", Pad(zeros, 7, {0xFF})},
        {"hex", Hex("h", "H", Word(kAt), 0x0800), {0x0A, 0x08, 0x5A}, "80A", "1BC", {0xBC, 0x01, 0x5A}},
    };
    // clang-format on
    for (const auto& [name, f, stored, shown, text, after] : rows) {
        RadioImage image = WithBytes(stored);
        EXPECT_EQ(Loaded(f, image).text, shown) << name;
        Store(f, text, image);
        EXPECT_EQ(ImageBytes(image, kAt, after.size()), after) << name;
    }
}

// A page makes each list's entries from its own items, codes and source,
// sharing them only between fields whose three are the same.
TEST(FieldKindsTest, ListsOfAPageHaveTheirOwnEntries) {
    const ItemSource more = [](const RadioImage& image) {
        return ListItems({{"more", image.U8(kAt)}});
    };
    FieldDecl sourced = CodedList("s", "S", Byte(kAt + 3), {"x", "y"}, {1, 2}, 0, 0);
    sourced.list.source = more;
    const PageDecl decl{"p",
                        "P",
                        {
                            CodedList("a", "A", Byte(kAt), {"x", "y"}, {1, 2}, 0, 0),
                            CodedList("b", "B", Byte(kAt + 1), {"x", "y"}, {1, 3}, 0, 0),
                            CodedList("c", "C", Byte(kAt + 2), {"x", "z"}, {1, 2}, 0, 0),
                            sourced,
                            CodedList("d", "D", Byte(kAt + 4), {"x", "y"}, {1, 2}, 0, 0),
                            Tone("t", "T", Word(kAt + 5)),
                            Tone("u", "U", Word(kAt + 7)),
                        }};
    RadioImage image = WithBytes({7});
    const FieldPage page(decl, image);
    const auto entries = [&](std::size_t i) {
        std::string all;
        for (const ListItem& item : page.State(i).items)
            all += item.text + "=" + std::to_string(item.data) + " ";
        return all;
    };
    EXPECT_EQ(entries(0), "x=1 y=2 ");
    EXPECT_EQ(entries(1), "x=1 y=3 ");
    EXPECT_EQ(entries(2), "x=1 z=2 ");
    EXPECT_EQ(entries(3), "x=1 y=2 more=7 ");
    EXPECT_EQ(entries(4), "x=1 y=2 ");
    for (std::size_t i : {5u, 6u}) {
        ASSERT_EQ(page.State(i).items.size(), ToneList().size());
        for (std::size_t k = 0; k < ToneList().size(); ++k)
            EXPECT_EQ(page.State(i).items[k], (ListItem{ToneList()[k], static_cast<int>(k)}));
    }
}

// Every field of every settings table, its bytes filled with each value from
// 0x00 to 0xFF, loaded and stored back as a dialog closed without a change
// does: nothing outside the field's own bits changes, what the control
// showed (or its commit, for a field that commits before it stores) is what
// is stored, and a second load and store changes nothing more. A list that
// selects nothing, or a box left empty, stores the field's own default.
TEST(FieldKindsTest, EveryFieldStoresWhatItShowedForEveryByteValue) {
    RadioImage defaults;
    StoreBuiltInDefaults(defaults, BandLimits{});
    const auto loadStore = [](const FieldDecl& f, RadioImage& image) {
        const ControlState s = Loaded(f, image);
        StoreField(f, s, image);
        return ShownText(f, s);
    };
    for (const FieldRef& ref : AllFields()) {
        const FieldDecl& f = ref.Decl();
        const std::string key = ref.Key();
        const unsigned owned = f.at.IsBitField() ? ((1u << f.at.width) - 1) << f.at.lo : 0xFFu;
        for (unsigned v = 0; v < 256; ++v) {
            // A frequency or tone is decimal digits: a byte with a nibble
            // above 9 holds none, and shows a value its bytes cannot hold
            // again (a channel keeps such bytes until the user changes it).
            const bool decimal = (v & 0x0F) < 10 && (v >> 4) < 10;
            if ((f.kind == FieldKind::kFrequency || f.kind == FieldKind::kTone) && !decimal &&
                v != 0xFF)
                continue;
            RadioImage loaded = defaults;
            loaded.Fill(f.at.offset, f.at.size, static_cast<std::uint8_t>(v));
            RadioImage once = loaded;
            const std::string shown = loadStore(f, once);
            RadioImage outside = loaded;  // with the field's own bits as stored
            for (std::size_t k = 0; k < f.at.size; ++k) {
                const std::size_t at = f.at.offset + k;
                outside.SetU8(at, static_cast<std::uint8_t>((once.U8(at) & owned) |
                                                            (loaded.U8(at) & ~owned)));
            }
            RadioImage twice = once;
            const std::string again = loadStore(f, twice);
            const bool kept = outside == once && twice == once &&
                              (again == shown || shown.empty() ||
                               (CommitsBeforeStore(f) && again == CommitText(f, shown)));
            EXPECT_TRUE(kept) << key << " loaded from " << v << ": showed \"" << shown
                              << "\", then \"" << again << "\"";
            if (!kept) break;
        }
    }
}

}  // namespace
}  // namespace dpmr::form
