// Channel edit dialog rules: record mapping both ways, commits, enabling rules,
// navigation, keyboard and the dynamic lists, on real radio images.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "channels/ChannelEditPresenter.h"
#include "channels/ChannelRecord.h"
#include "image/ImageLayout.h"

namespace dpmr {
namespace {

using C = EditControl;
using Record = std::array<std::uint8_t, 32>;

Record ReadRecord(const RadioImage& image, int n) {
    Record rec{};
    for (std::size_t i = 0; i < rec.size(); ++i) rec[i] = image.U8(channel::RecordOffset(n) + i);
    return rec;
}

void WriteRecord(RadioImage& image, int n, const Record& rec) {
    for (std::size_t i = 0; i < rec.size(); ++i) image.SetU8(channel::RecordOffset(n) + i, rec[i]);
}

Record ResetPattern() {
    RadioImage image;
    ResetChannelRecord(image, 1);
    return ReadRecord(image, 1);
}

void AddContact(RadioImage& image, int slot, int number, const std::string& name) {
    const auto p = layout::kContactRecords + 16 * static_cast<std::size_t>(number - 1);
    image.SetU16Le(layout::kContactIndex + 2 * static_cast<std::size_t>(slot),
                   static_cast<std::uint16_t>(p));
    image.Fill(p, 8, 0);
    image.SetText(p + 8, 8, name);
}

// Contacts 3 "Bob", 5 "Bob", 7 "Ann"; group lists 2 and 10; messages 2 and 4;
// DTMF codes 1, 12 and 16.
RadioImage RichImage() {
    RadioImage image;
    for (int n = 1; n <= 16; ++n) ResetChannelRecord(image, n);
    AddContact(image, 0, 3, "Bob");
    AddContact(image, 1, 5, "Bob");
    AddContact(image, 2, 7, "Ann");
    image.SetU8(layout::kGroupLists + 8 * 1, 0x03);
    image.SetU8(layout::kGroupLists + 8 * 9, 0x05);
    image.SetU8(layout::kPresetMessages + 128 * 1, 'H');
    image.SetU8(layout::kPresetMessages + 128 * 2, 0x00);  // empty text: absent
    image.SetU8(layout::kPresetMessages + 128 * 3, 'Y');
    for (int i : {1, 12, 16})
        image.SetU8(layout::kDtmfCodes + 16 * static_cast<std::size_t>(i - 1), 1);
    return image;
}

// Analog DTMF channel, every flag set, Rx 145.125 / Tx 145.725, 88.5 / D023N.
constexpr Record kAnalogRecord{0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x57, 0x14, 0x85, 0x08, 0x23,
                               0x80, 0x12, 0x34, 0x56, 0x78, 0xFF, 0x2D, 0x11, 0x05, 0xFF, 0x03,
                               0x00, 0x0A, 0x0C, 0xFF, 0x03, 0x42, 0x05, 0xBF, 0xAA, 0xBB};
// Digital channel on one frequency (Repeat off), no tones, colour codes 63 / 0.
constexpr Record kDigitRecord{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF,
                              0xFF, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x40, 0x3F, 0x00, 0x00,
                              0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0x3F, 0xFF, 0xFF};
// Mixed(Analog), no Tx frequency, a free CTCSS tone 100.5 and D754I, hidden
// bits (auto contact, work alone) set, call 2 a call to contact 7.
constexpr Record kMixedRecord{0x00, 0x00, 0x00, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x05, 0x10, 0x54,
                              0xC7, 0x00, 0x00, 0x00, 0x00, 0x0E, 0x78, 0xEC, 0x00, 0x00, 0x07,
                              0x00, 0x02, 0xFF, 0xFF, 0xFF, 0x3F, 0x07, 0x44, 0x00, 0x01};

struct Fixture {
    explicit Fixture(int channel = 1) : image(RichImage()), start(channel) {}
    ChannelEditPresenter& Open() {
        presenter = std::make_unique<ChannelEditPresenter>(image, band, start, "");
        return *presenter;
    }
    RadioImage image;
    BandLimits band;
    int start = 1;
    std::unique_ptr<ChannelEditPresenter> presenter;
};

void Type(ChannelEditPresenter& p, C c, const std::string& text) {
    p.FocusIn(c);
    p.SetText(c, text);
    p.FocusOut(c);
}

TEST(ChannelEditPresenter, RecordsRoundTripByteForByte) {
    for (const Record& rec : {kAnalogRecord, kDigitRecord, kMixedRecord}) {
        Fixture f(4);
        WriteRecord(f.image, 4, rec);
        const RadioImage before = f.image;
        f.Open().Close();
        EXPECT_EQ(ReadRecord(f.image, 4), rec);
        EXPECT_TRUE(f.image == before);
    }
}

TEST(ChannelEditPresenter, EmptyRecordShowsEmptyAndStoresResetPattern) {
    Fixture f(6);
    Record junk{};
    junk.fill(0x5A);
    junk[3] = 0xFF;
    WriteRecord(f.image, 6, junk);
    auto& p = f.Open();
    EXPECT_EQ(p.Text(C::kRxFreq), "");
    EXPECT_TRUE(p.State(C::kRxFreq).enabled);
    EXPECT_TRUE(p.State(C::kChannelNo).enabled);
    for (std::size_t i = 0; i < kEditControlCount; ++i) {
        const auto c = static_cast<C>(i);
        if (c == C::kChannelNo || c == C::kRxFreq || c == C::kOnlyRx) continue;
        EXPECT_FALSE(p.State(c).enabled) << LabelOf(c);
        EXPECT_EQ(p.Text(c), "") << LabelOf(c);
        EXPECT_FALSE(p.State(c).checked) << LabelOf(c);
    }
    p.Close();
    EXPECT_EQ(ReadRecord(f.image, 6), ResetPattern());
}

TEST(ChannelEditPresenter, NewChannelGetsDefaultsAndStoresThem) {
    Fixture f(3);
    auto& p = f.Open();
    p.FocusIn(C::kRxFreq);
    p.SetText(C::kRxFreq, "446.00625");
    EXPECT_EQ(p.Key(C::kRxFreq, EditKey::kEnter), KeyAction::kConsumed);
    EXPECT_EQ(p.Text(C::kRxFreq), "446.006250");
    EXPECT_EQ(p.Text(C::kTxFreq), "446.006250");
    EXPECT_EQ(p.Text(C::kRepeat), "Off");
    EXPECT_FALSE(p.State(C::kRepeat).enabled);
    EXPECT_EQ(p.Text(C::kChannelType), "Digit");
    EXPECT_EQ(p.Text(C::kOffsetFreq), "0.600000");
    EXPECT_FALSE(p.State(C::kAnalogCall1).enabled);
    EXPECT_FALSE(p.State(C::kCall1Contact).enabled);
    EXPECT_TRUE(p.State(C::kTxFreq).enabled);
    p.FocusOut(C::kRxFreq);
    p.Close();
    const Record expected{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF,
                          0xFF, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x40, 0xFF, 0xFF, 0x00,
                          0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0x3F, 0xFF, 0xFF};
    EXPECT_EQ(ReadRecord(f.image, 3), expected);
}

TEST(ChannelEditPresenter, RepeatFollowsRxAndTx) {
    Fixture f(1);
    Record same = kDigitRecord;
    same[0x16] = 0x00;  // stored "On", but Rx = Tx
    WriteRecord(f.image, 1, same);
    auto& p = f.Open();
    EXPECT_EQ(p.Text(C::kRepeat), "Off");
    EXPECT_FALSE(p.State(C::kRepeat).enabled);

    Type(p, C::kTxFreq, "446.5");
    EXPECT_EQ(p.Text(C::kTxFreq), "446.500000");
    EXPECT_EQ(p.Text(C::kRepeat), "On");
    EXPECT_TRUE(p.State(C::kRepeat).enabled);

    Type(p, C::kTxFreq, "446.00625");
    EXPECT_EQ(p.Text(C::kRepeat), "Off");
    EXPECT_FALSE(p.State(C::kRepeat).enabled);

    // Rx and Tx differing in the record: the stored choice stays, enabled.
    Record differ = kAnalogRecord;
    differ[0x16] = 0x01;
    WriteRecord(f.image, 2, differ);
    p.Spin(1);
    EXPECT_EQ(p.Text(C::kRepeat), "Off");
    EXPECT_TRUE(p.State(C::kRepeat).enabled);
}

TEST(ChannelEditPresenter, CommittedFrequenciesAreClampedToTheBand) {
    struct Case {
        std::int32_t lower, upper;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {40000000, 47000000, "470", "470.000000"},
        {40000000, 47000000, "470.0125", "470.000000"},
        {40000000, 47000000, "400", "400.000000"},
        {40000000, 47000000, "399.9", "400.000000"},
        {40000000, 47000000, "9999999999", "470.000000"},
        {40000000, 47000000, "446.00625", "446.006250"},
        {40000000, 47000000, "446.00626", "446.006250"},
        {13600000, 17400000, "100", "136.000000"},
        {13600000, 17400000, "174.0", "174.000000"},
        {40000000, 47000000, "0", ""},
        {40000000, 47000000, ".", ""},
    };
    for (const Case& c : cases) {
        for (C box : {C::kRxFreq, C::kTxFreq}) {
            Fixture f(1);
            f.band = {c.lower, c.upper};
            WriteRecord(f.image, 1, kAnalogRecord);
            auto& p = f.Open();
            Type(p, box, c.typed);
            EXPECT_EQ(p.Text(box), c.shown) << c.typed << " in " << LabelOf(box);
        }
    }
}

TEST(ChannelEditPresenter, RxThatHoldsNoFrequencyEmptiesTheChannel) {
    Fixture f(1);
    WriteRecord(f.image, 1, kAnalogRecord);
    auto& p = f.Open();
    Type(p, C::kRxFreq, "0");
    EXPECT_EQ(p.Text(C::kRxFreq), "");
    EXPECT_FALSE(p.State(C::kTxFreq).enabled);
    p.Close();
    EXPECT_EQ(ReadRecord(f.image, 1), ResetPattern());

    // Typed and not committed: the same.
    Fixture g(1);
    WriteRecord(g.image, 1, kAnalogRecord);
    auto& q = g.Open();
    q.SetText(C::kRxFreq, ".");
    q.Close();
    EXPECT_EQ(ReadRecord(g.image, 1), ResetPattern());
}

TEST(ChannelEditPresenter, UncommittedTextIsStoredAsTyped) {
    Fixture f(5);
    WriteRecord(f.image, 5, kAnalogRecord);
    auto& p = f.Open();
    p.FocusIn(C::kRxFreq);
    p.SetText(C::kRxFreq, "480.123456");  // above the band, off the raster
    p.FocusIn(C::kTxFreq);
    p.SetText(C::kTxFreq, "145.126");
    p.Spin(1);  // the mouse on the spin: no commit
    const Record rec = ReadRecord(f.image, 5);
    EXPECT_EQ((std::vector<std::uint8_t>{rec.begin(), rec.begin() + 8}),
              (std::vector<std::uint8_t>{0x45, 0x23, 0x01, 0x48, 0x00, 0x26, 0x51, 0x14}));
    EXPECT_EQ(p.CurrentChannel(), 6);
}

TEST(ChannelEditPresenter, TonesNormaliseAndStore) {
    struct Case {
        const char* typed;
        const char* shown;
        std::uint8_t lo, hi;
    };
    const Case cases[] = {
        {"67", "D067N", 0x67, 0x80},    {"67.0", "67.0", 0x70, 0x06},
        {"D023I", "D023I", 0x23, 0xC0}, {"d023n", "D023N", 0x23, 0x80},
        {"254.1", "254.1", 0x41, 0x25}, {"100.5", "100.5", 0x05, 0x10},
        {"300.0", "None", 0xFF, 0xFF},  {"778", "None", 0xFF, 0xFF},
        {"i754", "D754I", 0x54, 0xC7},
    };
    for (const Case& c : cases) {
        Fixture f(1);
        WriteRecord(f.image, 1, kAnalogRecord);
        auto& p = f.Open();
        Type(p, C::kTxTone, c.typed);
        EXPECT_EQ(p.Text(C::kTxTone), c.shown) << c.typed;
        p.Close();
        EXPECT_EQ(f.image.U8(channel::RecordOffset(1) + 0x0A), c.lo) << c.typed;
        EXPECT_EQ(f.image.U8(channel::RecordOffset(1) + 0x0B), c.hi) << c.typed;
    }
}

TEST(ChannelEditPresenter, FreeToneNeverKeepsThePreviousChannelsTone) {
    Fixture f(1);
    WriteRecord(f.image, 1, kAnalogRecord);  // Rx tone 88.5
    WriteRecord(f.image, 2, kMixedRecord);   // Rx tone 100.5, not in the list
    auto& p = f.Open();
    EXPECT_EQ(p.Text(C::kRxTone), "88.5");
    p.Spin(1);
    EXPECT_EQ(p.Text(C::kRxTone), "100.5");
    EXPECT_EQ(p.State(C::kRxTone).selected, -1);
    p.Spin(-1);
    p.Spin(1);
    EXPECT_EQ(ReadRecord(f.image, 2), kMixedRecord);
}

TEST(ChannelEditPresenter, SingleFieldsLoadAndStoreWithTheirFallbacks) {
    struct Case {
        std::size_t off;
        std::uint8_t byte;
        C control;
        const char* shown;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {0x13, 0x05, C::kRxColourCode, "5", 0x05},
        {0x13, 0x40, C::kRxColourCode, "0", 0x00},
        {0x14, 0xFF, C::kTxColourCode, "Auto", 0xFF},
        {0x14, 0x3F, C::kTxColourCode, "63", 0x3F},
        {0x17, 1, C::kGroupList, "None", 0},
        {0x17, 10, C::kGroupList, "10", 10},
        {0x18, 1, C::kAnalogCall1, "1", 1},
        {0x19, 2, C::kAnalogCall2, "None", 0xFF},
        {0x15, 4, C::kTxContact, "None", 0},
        {0x15, 5, C::kTxContact, "Bob", 5},
        {0x15, 65, C::kTxContact, "None", 0},
        {0x1B, 0x41, C::kCall1Msg, "Off", 0x7F},
        {0x1B, 0xC2, C::kCall1Type, "Off", 0x3F},
        {0x11, 0xFD, C::kSignalType, "DTMF", 0x7D},
        {0x11, 0x03, C::kSignalType, "Off", 0x00},
        {0x12, 0x3D, C::kBusy, "Carrier", 0x3D},
        {0x16, 5, C::kRepeat, "On", 0},
        {0x10, 0x40, C::kTxPower, "Low", 0x00},
        {0x10, 0xC2, C::kBandwidth, "Narrow", 0xC2},
        {0x12, 0xD1, C::kChannelType, "Mixed(Analog)", 0xD1},
        {0x1C, 0x07, C::kCall2Contact, "Ann", 0x07},
        {0x1D, 0x44, C::kCall2Msg, "4", 0x44},
    };
    for (const Case& c : cases) {
        Fixture f(1);
        Record rec = kAnalogRecord;
        rec[c.off] = c.byte;
        WriteRecord(f.image, 1, rec);
        auto& p = f.Open();
        EXPECT_EQ(p.Text(c.control), c.shown) << c.off << " " << int{c.byte};
        p.Select(C::kOnlyRx, 1);  // hidden; never stored
        p.Close();
        EXPECT_EQ(ReadRecord(f.image, 1)[c.off], c.stored) << c.off << " " << int{c.byte};
    }
}

TEST(ChannelEditPresenter, SignalAndCallTypeRules) {
    Fixture f(1);
    WriteRecord(f.image, 1, kAnalogRecord);
    auto& p = f.Open();
    p.Select(C::kSignalType, 0);
    EXPECT_EQ(p.Text(C::kAnalogCall1), "None");
    EXPECT_FALSE(p.State(C::kAnalogCall1).enabled);
    p.Select(C::kAnalogCall1, 1);  // disabled: ignored
    EXPECT_EQ(p.Text(C::kAnalogCall1), "None");
    p.Select(C::kSignalType, 1);
    EXPECT_TRUE(p.State(C::kAnalogCall2).enabled);

    p.Select(C::kCall1Type, 0);
    EXPECT_EQ(p.Text(C::kCall1Contact), "None");
    EXPECT_EQ(p.Text(C::kCall1Msg), "Off");
    EXPECT_FALSE(p.State(C::kCall1Msg).enabled);
    EXPECT_TRUE(p.State(C::kCall2Contact).enabled);
    p.Select(C::kCall1Type, 2);
    EXPECT_TRUE(p.State(C::kCall1Contact).enabled);
    p.Select(C::kCall1Contact, 3);  // "Ann"
    p.Close();
    EXPECT_EQ(f.image.U8(channel::RecordOffset(1) + 0x1A), 7);
    EXPECT_EQ(f.image.U8(channel::RecordOffset(1) + 0x1B), 0xBF);
    EXPECT_EQ(f.image.U8(channel::RecordOffset(1) + 0x18), 0xFF);
}

TEST(ChannelEditPresenter, NavigationStoresFirstAndWraps) {
    struct Case {
        int from;
        int step;  // spin step, or 0 to type `typed` into the box
        const char* typed;
        int to;
    };
    const Case cases[] = {{16, 1, "", 1}, {1, -1, "", 16},  {7, 1, "", 8}, {7, -1, "", 6},
                          {5, 0, "0", 1}, {5, 0, "99", 16}, {5, 0, "", 1}, {5, 0, "12", 12}};
    for (const Case& c : cases) {
        Fixture f(c.from);
        WriteRecord(f.image, c.from, kAnalogRecord);
        auto& p = f.Open();
        p.SetChecked(C::kScan, false);
        if (c.step != 0)
            p.Spin(c.step);
        else
            Type(p, C::kChannelNo, c.typed);
        EXPECT_EQ(p.CurrentChannel(), c.to) << c.from << " " << c.step << " " << c.typed;
        EXPECT_EQ(p.Text(C::kChannelNo), std::to_string(c.to));
        EXPECT_FALSE(f.image.Bit(channel::RecordOffset(c.from) + 0x10, 0)) << "not stored first";
    }
}

TEST(ChannelEditPresenter, KeyboardRules) {
    Fixture f(1);
    WriteRecord(f.image, 1, kAnalogRecord);
    auto& p = f.Open();
    EXPECT_TRUE(p.AcceptsChar(C::kRxFreq, '7'));
    EXPECT_TRUE(p.AcceptsChar(C::kTxFreq, '.'));
    EXPECT_FALSE(p.AcceptsChar(C::kRxFreq, 'a'));
    EXPECT_FALSE(p.AcceptsChar(C::kTxFreq, '-'));
    EXPECT_FALSE(p.AcceptsChar(C::kChannelNo, '.'));
    p.SetText(C::kRxFreq, "1a4-5.1,25 999999");
    EXPECT_EQ(p.Text(C::kRxFreq), "145.125999");
    p.SetText(C::kChannelNo, "x12345");
    EXPECT_EQ(p.Text(C::kChannelNo), "1234");
    p.SetText(C::kChannelNo, "1");

    p.SetText(C::kTxFreq, "999");
    EXPECT_EQ(p.Key(C::kTxFreq, EditKey::kEnter), KeyAction::kConsumed);
    EXPECT_EQ(p.Text(C::kTxFreq), "999");  // nothing committed
    EXPECT_EQ(p.Key(C::kTxTone, EditKey::kEscape), KeyAction::kConsumed);
    EXPECT_EQ(p.Key(C::kTxTone, EditKey::kUp), KeyAction::kPassOn);
    EXPECT_EQ(p.Key(C::kChannelNo, EditKey::kDown), KeyAction::kConsumed);
    EXPECT_EQ(p.CurrentChannel(), 16);
    EXPECT_EQ(p.Key(C::kChannelNo, EditKey::kUp), KeyAction::kConsumed);
    EXPECT_EQ(p.CurrentChannel(), 1);
    EXPECT_EQ(p.Key(C::kRxFreq, EditKey::kEscape), KeyAction::kClose);
}

TEST(ChannelEditPresenter, CloseStoresOnceAndEndsEditing) {
    Fixture f(1);
    WriteRecord(f.image, 1, kAnalogRecord);
    auto& p = f.Open();
    p.SetChecked(C::kScan, false);
    p.Close();
    EXPECT_FALSE(f.image.Bit(channel::RecordOffset(1) + 0x10, 0));
    p.SetChecked(C::kScan, true);
    p.FocusOut(C::kRxFreq);
    p.Close();
    EXPECT_FALSE(p.State(C::kScan).checked);
    EXPECT_FALSE(f.image.Bit(channel::RecordOffset(1) + 0x10, 0));
}

TEST(ChannelEditPresenter, OffsetCommit) {
    const std::pair<const char*, const char*> cases[] = {{"0.6", "0.600000"},
                                                         {"60", "0.600000"},
                                                         {"50", "50.000000"},
                                                         {"1.2345", "1.234375"},
                                                         {"", "0.000000"}};
    for (const auto& [typed, shown] : cases) {
        Fixture f(1);
        WriteRecord(f.image, 1, kAnalogRecord);
        auto& p = f.Open();
        Type(p, C::kOffsetFreq, typed);
        EXPECT_EQ(p.Text(C::kOffsetFreq), shown) << typed;
    }
}

TEST(ChannelEditLists, DynamicEntriesFromTheImage) {
    RadioImage image = RichImage();
    AddContact(image, 3, 64, "LongName9");
    image.SetU16Le(layout::kContactIndex + 8, 0x0931);  // ends the list
    AddContact(image, 5, 9, "Hidden");
    const auto contacts = ContactsInIndexOrder(image);
    ASSERT_EQ(contacts.size(), 4u);
    EXPECT_EQ(contacts[3].number, 64);
    EXPECT_EQ(contacts[3].name, "LongName");
    EXPECT_EQ(ExistingGroupLists(image), (std::vector<int>{2, 10}));
    EXPECT_EQ(ExistingShortMessages(image), (std::vector<int>{2, 4}));
    EXPECT_EQ(ExistingDtmfCodes(image), (std::vector<int>{1, 12, 16}));

    const ListItems items = NumberListItems("None", {1, 10});
    EXPECT_EQ(FindItemText(items, "1"), 1);
    EXPECT_EQ(FindItemText(NumberListItems("None", {10}), "1"), -1);
    EXPECT_EQ(FindItemData(ContactListItems("None", contacts), 5), 2);

    ChannelEditPresenter p(image, BandLimits{}, 40, "");  // out of range: clamped
    EXPECT_EQ(p.CurrentChannel(), 16);
    EXPECT_EQ(p.State(C::kTxContact).items.size(), 5u);
}

}  // namespace
}  // namespace dpmr
