// Channel edit dialog rules: record mapping both ways, commits, enabling rules,
// navigation, keyboard and the dynamic lists, on real radio images.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "channels/ChannelEditDialog.h"
#include "channels/ChannelEditPresenter.h"
#include "codec/FrequencyCodec.h"
#include "form/FormDialog.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "interchange/CodeplugModel.h"
#include "support/DemoCodeplug.h"

namespace dpmr {
namespace {

using C = EditControl;
using Record = std::vector<std::uint8_t>;  // 32 bytes

// Analog DTMF channel, every flag set, Rx 145.125 / Tx 145.725, 88.5 / D023N,
// Repeat "Off" although Rx and Tx differ.
const Record kAnalogRecord{0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x57, 0x14, 0x85, 0x08, 0x23,
                           0x80, 0x12, 0x34, 0x56, 0x78, 0xFF, 0x2D, 0x11, 0x05, 0xFF, 0x03,
                           0x01, 0x0A, 0x0C, 0xFF, 0x03, 0x42, 0x05, 0xBF, 0xAA, 0xBB};
// Digital channel on one frequency (Repeat off), no tones, colour codes 63 / 0.
const Record kDigitRecord{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF,
                          0xFF, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x40, 0x3F, 0x00, 0x00,
                          0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0x3F, 0xFF, 0xFF};
// Mixed(Analog), no Tx frequency, a free CTCSS tone 100.5 and D754I, hidden
// bits (auto contact, work alone) set, call 2 a call to contact 7.
const Record kMixedRecord{0x00, 0x00, 0x00, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x05, 0x10, 0x54,
                          0xC7, 0x00, 0x00, 0x00, 0x00, 0x0E, 0x78, 0xEC, 0x00, 0x00, 0x07,
                          0x00, 0x02, 0xFF, 0xFF, 0xFF, 0x3F, 0x07, 0x44, 0x00, 0x01};

// An image with every channel empty (reset), contacts 3 "Bob", 5 "Bob" and
// 7 "Ann", group lists 2 and 10, messages 2 and 4, DTMF codes 1, 12 and 16;
// `rec` (if any) in channel n, and the dialog opened on n.
struct Fixture {
    explicit Fixture(int n = 1, const Record* rec = &kAnalogRecord) {
        for (int k = 1; k <= 16; ++k) ResetChannelRecord(image, k);
        for (auto [slot, number, name] : {std::tuple{0, 3, "Bob"}, {1, 5, "Bob"}, {2, 7, "Ann"}}) {
            const auto at = static_cast<std::uint16_t>(layout::kContactRecords + 16 * (number - 1));
            image.SetU16Le(layout::kContactIndex + 2 * static_cast<std::size_t>(slot), at);
            image.SetText(at + 8u, 8, name);
        }
        for (std::size_t i : {1, 9}) image.SetU8(layout::kGroupLists + 8 * i, 3);
        for (std::size_t i : {1, 2, 3})  // message 3 has an empty text: absent
            image.SetU8(layout::kPresetMessages + 128 * i, i == 2 ? 0 : 'H');
        for (std::size_t i : {0, 11, 15}) image.SetU8(layout::kDtmfCodes + 16 * i, 1);
        if (rec != nullptr) Put(n, *rec);
        p = std::make_unique<ChannelEditPresenter>(image, band, n, "");
    }
    void Put(int n, const Record& rec) {
        std::ranges::copy(rec, image.Span(channel::RecordOffset(n), 32).begin());
    }
    // `len` bytes of channel n's record from `from` on.
    Record Stored(int n, std::size_t from = 0, std::size_t len = 32) const {
        const auto bytes = image.Span(channel::RecordOffset(n) + from, len);
        return {bytes.begin(), bytes.end()};
    }
    void Type(C c, const std::string& text) {
        p->FocusIn(c);
        p->SetText(c, text);
        p->FocusOut(c);
    }
    // What the controls show, space-separated: the text, "x" for a check mark,
    // in [] when disabled.
    std::string Show(std::initializer_list<C> cs) const {
        std::string s;
        for (C c : cs) {
            const std::string t = p->Text(c) + (p->State(c).checked ? "x" : "");
            s += (s.empty() ? "" : " ") + (p->State(c).enabled ? t : "[" + t + "]");
        }
        return s;
    }
    RadioImage image;
    BandLimits band;
    std::unique_ptr<ChannelEditPresenter> p;
};

// Records stored by the first release's channel dialog (0.1.0): channel n
// of the demo codeplug given a record, then the user's events on controls
// named by their keys: "Tkey=text" types and leaves, "Skey=i" chooses entry
// i (-1: none), "Ckey=0/1" sets a check box, "Kkey=0/1" presses Enter /
// Escape in the control. The dialog, closed, stores what 0.1.0 stored.
TEST(ChannelEditPresenter, StoresTheRecordsOfTheFirstRelease) {
    const std::tuple<int, const char*, const char*, const char*> vectors[] = {
        {6, "25066044250660440003FF9F923F0202BC04013F3C8403803F0340051C034001",
         "Stx_color_code=6 Tgroup_list=abc Crx_freq=0 Koffset_freq=1 Tanalog_call1= "
         "Scall2_contact=9",
         "2506604425066044000365A0923F02023C04013F05000100FFFFFF3FFF3F4001"},
        {9, "25066044257303F866F3CFA86F44DFA4E672D5020040AA442E80D540860580C4",
         "Ttx_freq=145.125 Canalog_call2=0 Sanalog_call1=4 Creverse=1 Stalk_around=3",
         "250660440000004066F335A96F44DFA4E670D50200000000FFFFFF7FFF3F80C4"}};
    for (const auto& [n, before, script, after] : vectors) {
        SCOPED_TRACE(script);
        RadioImage image = test::DemoImage();
        const std::size_t at = channel::RecordOffset(n);
        std::ranges::copy(ParseHexText(before).value(), image.Data() + at);
        const RadioImage loaded = image;
        BandLimits band;
        ChannelEditPresenter p(image, band, n, "");
        std::istringstream events(script);
        for (std::string e; events >> e;) {
            const std::size_t eq = e.find('=');
            const auto& rows = ChannelRecordDecl().fields;
            const auto row = std::ranges::find(rows, e.substr(1, eq - 1), &form::FieldDecl::key);
            ASSERT_NE(row, rows.end()) << e;
            const auto c = static_cast<C>(row - rows.begin());
            const std::string arg = e.substr(eq + 1);
            switch (e[0]) {
                case 'T':
                    p.FocusIn(c);
                    p.SetText(c, arg);
                    p.FocusOut(c);
                    break;
                case 'S':
                    p.Select(c, std::stoi(arg));
                    break;
                case 'C':
                    p.SetChecked(c, arg == "1");
                    break;
                default:
                    p.Key(c, arg == "1" ? EditKey::kEscape : EditKey::kEnter);
                    break;
            }
        }
        p.Close();
        EXPECT_EQ(HexText(image.Data() + at, layout::kChannelSize), after);
        // Nothing outside the record changes but the scan bitmap.
        for (std::size_t k = 0; k < RadioImage::kSize; ++k) {
            if ((k < at || k >= at + layout::kChannelSize) && k != layout::kScanBitmap &&
                k != layout::kScanBitmap + 1) {
                ASSERT_EQ(image.U8(k), loaded.U8(k)) << k;
            }
        }
    }
}

// Each record shown after the analog one (whose tones are in the list) and
// stored back with one change (Busy) byte for byte: a free tone (100.5) never
// takes the tone of the channel shown before, and hidden bits are kept.
TEST(ChannelEditPresenter, RecordsRoundTripByteForByte) {
    for (const Record* rec : {&kAnalogRecord, &kDigitRecord, &kMixedRecord}) {
        Fixture f(3);
        f.Put(4, *rec);
        f.p->Spin(1);
        f.p->Select(C::kBusy, 1 - f.p->State(C::kBusy).selected);
        f.p->Close();
        Record expected = *rec;
        expected[0x12] ^= 0x01;
        EXPECT_EQ(f.Stored(4), expected);
        EXPECT_EQ(f.Stored(3), kAnalogRecord);
    }
}

// A channel shown and left without a change keeps every byte, also those a
// store would write in its own way: a channel the table made (its record the
// reset pattern) has no group list (0xFF) and no call messages (0xFF), which
// a store writes as 0 and 0x3F once something changed.
TEST(ChannelEditPresenter, ChannelLeftWithoutAChangeKeepsEveryByte) {
    Fixture f(6, nullptr);
    SetBcdFrequency(f.image, channel::RecordOffset(6), 44600625);
    SetBcdFrequency(f.image, channel::RecordOffset(6) + 4, 44600625);
    f.p = std::make_unique<ChannelEditPresenter>(f.image, f.band, 6, "446.006250");
    const RadioImage before = f.image;
    f.p->Spin(1);
    f.p->Spin(-1);
    f.Type(C::kRxFreq, "446.00625");  // committed to the text it had
    f.p->Close();
    EXPECT_TRUE(f.image == before);
    f.p->Reopen();
    f.p->SetChecked(C::kPttid, true);
    f.Type(C::kTxFreq, "446.1");  // Tx made to differ from Rx: Repeat "On", usable
    EXPECT_EQ(f.Show({C::kRepeat}), "On");
    f.p->Close();
    EXPECT_EQ(f.Stored(6, 0x11, 1), Record{0x04});
    EXPECT_EQ(f.Stored(6, 0x17, 7), (Record{0x00, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0x3F}));
}

// An empty record (+0x03 = 0xFF, whatever the rest) and an Rx box emptied
// store the reset pattern. Any other text is a frequency: one that holds none
// ("0", ".", "00") is the lower band edge, committed or not, and the
// channel's settings stay.
TEST(ChannelEditPresenter, OnlyAnEmptyRxBoxEmptiesTheChannel) {
    Record junk(32, 0x5A);
    junk[3] = 0xFF;
    struct Case {
        const Record* record;
        const char* typed;
        bool commit;
        bool emptied;
    };
    for (const Case& c :
         {Case{&junk, nullptr, false, true}, Case{&kAnalogRecord, "", true, true},
          Case{&kAnalogRecord, "0", true, false}, Case{&kAnalogRecord, ".", false, false}}) {
        SCOPED_TRACE(c.typed ? c.typed : "junk");
        Fixture f(6, c.record);
        if (c.typed && c.commit) f.Type(C::kRxFreq, c.typed);
        if (c.typed && !c.commit) f.p->SetText(C::kRxFreq, c.typed);
        for (std::size_t i = 0; c.emptied && i < kEditControlCount; ++i) {
            const auto ctl = static_cast<C>(i);
            if (ctl == C::kChannelNo) continue;
            // Only rx is never usable: its bit is always written as 0.
            EXPECT_EQ(f.Show({ctl}), ctl == C::kRxFreq ? "" : "[]") << LabelOf(ctl);
        }
        if (c.typed && c.commit && !c.emptied) {
            EXPECT_EQ(f.Show({C::kRxFreq}), "400.000000");
        }
        f.p->Close();
        if (c.emptied) {
            EXPECT_EQ(f.Stored(6), f.Stored(7));  // channel 7 is reset
        } else {
            Record expected = kAnalogRecord;
            std::ranges::copy(Record{0x00, 0x00, 0x00, 0x40}, expected.begin());
            if (c.commit) expected[0x16] = 0;  // the commit made Rx differ from Tx: Repeat "On"
            EXPECT_EQ(f.Stored(6), expected);
        }
    }
}

TEST(ChannelEditPresenter, NewChannelGetsDefaultsAndStoresThem) {
    Fixture f(3, nullptr);
    f.p->SetText(C::kRxFreq, "446.00625");
    EXPECT_EQ(f.p->Key(C::kRxFreq, EditKey::kEnter), KeyAction::kConsumed);
    EXPECT_EQ(f.Show({C::kRxFreq, C::kTxFreq, C::kRepeat, C::kChannelType, C::kOffsetFreq,
                      C::kAnalogCall1, C::kCall1Contact, C::kCall2Contact, C::kRxTone,
                      C::kTxColourCode, C::kTxPower, C::kBandwidth}),
              "446.006250 446.006250 [Off] Digit 0.600000 [None] [None] [None] None Auto Low "
              "Wide");
    f.p->Close();
    Record expected = kDigitRecord;  // with both colour codes "Auto"
    expected[0x13] = expected[0x14] = 0xFF;
    EXPECT_EQ(f.Stored(3), expected);
}

// Text typed and not committed (the spin clicked, or the dialog closed, while
// the box has the focus) is stored as typed: truncated to 10 Hz, neither
// clamped nor snapped. Only digits and the point reach the box, 10 at most.
// Once closed, the dialog ignores every event.
TEST(ChannelEditPresenter, UncommittedTextIsStoredAsTyped) {
    Fixture f(5);
    f.p->SetText(C::kRxFreq, "4a8-0.1 23 4567");  // above the band, off the raster
    EXPECT_EQ(f.p->Text(C::kRxFreq), "480.123456");
    EXPECT_TRUE(!f.p->AcceptsChar(C::kRxFreq, 'a') && f.p->AcceptsChar(C::kRxFreq, '4') &&
                f.p->AcceptsChar(C::kBusy, 'a'));  // a list takes any key
    f.p->SetText(C::kTxFreq, "145.126");
    EXPECT_EQ(f.p->Key(C::kTxFreq, EditKey::kEnter), KeyAction::kConsumed);  // no commit
    f.p->Spin(1);
    EXPECT_EQ(f.Stored(5, 0, 8), (Record{0x45, 0x23, 0x01, 0x48, 0x00, 0x26, 0x51, 0x14}));
    f.p->SetText(C::kRxFreq, "145");
    f.p->Close();
    f.p->FocusOut(C::kRxFreq);  // a commit would clamp to 400
    EXPECT_EQ(f.p->Text(C::kRxFreq), "145");
    EXPECT_EQ(f.Stored(6, 0, 4), (Record{0x00, 0x00, 0x50, 0x14}));

    // Every edit box takes as many characters as its field holds, no more.
    Fixture g(5);
    g.p->Select(C::kRepeat, 0);  // "On": the offset box is open
    for (auto [c, kept] : {std::pair{C::kChannelNo, "1234"},
                           {C::kRxFreq, "123456789."},
                           {C::kTxFreq, "123456789."},
                           {C::kOffsetFreq, "123456789"}}) {
        g.p->SetText(c, "123456789.12");
        EXPECT_EQ(g.p->Text(c), kept) << LabelOf(c);
    }
}

// One byte of the analog record changed: what shows, and what is stored back
// once something else (the Tx tone) changed. Group list 1 and message 3 are
// absent (never "10"); 5 is the second "Bob"; 65 names no listed
// contact; bit 7 of +0x11 (Only rx) is always cleared; a call of type
// "Off" (or of no type: 3) shows no contact, a signal type "Off" no analog call.
TEST(ChannelEditPresenter, SingleFieldsLoadAndStoreWithTheirFallbacks) {
    // clang-format off
    const std::tuple<std::size_t, int, C, const char*, int> cases[] = {
        {0x1B, 0x43, C::kCall1Msg, "Off", 0x7F},    {0x19, 2, C::kAnalogCall2, "None", 0xFF},
        {0x15, 5, C::kTxContact, "Bob", 5},         {0x17, 1, C::kGroupList, "None", 0},
        {0x11, 0xFD, C::kSignalType, "DTMF", 0x7D}, {0x12, 0x13, C::kBusy, "Off", 0x10},
        {0x15, 65, C::kTxContact, "None", 0},       {0x1D, 0x3F, C::kCall2Contact, "None", 0x3F},
        {0x1B, 0x3F, C::kCall1Contact, "None", 0x3F}, {0x11, 0x2C, C::kAnalogCall1, "None", 0x2C},
        {0x1D, 0xFF, C::kCall2Type, "Off", 0x3F}};
    // clang-format on
    for (const auto& [off, byte, control, shown, stored] : cases) {
        Record rec = kAnalogRecord;
        rec[off] = static_cast<std::uint8_t>(byte);
        Fixture f(1, &rec);
        EXPECT_EQ(f.p->Text(control), shown) << off << " " << byte;
        f.p->SetText(C::kTxTone, "100.0");
        f.p->Close();
        EXPECT_EQ(f.Stored(1)[off], stored) << off << " " << byte;
    }
    // Choosing "Off" does the same to what is there.
    Fixture f(1);
    for (C type : {C::kSignalType, C::kCall1Type, C::kCall2Type}) f.p->Select(type, 0);
    EXPECT_EQ(f.Show({C::kAnalogCall1, C::kCall1Contact, C::kCall2Contact}),
              "[None] [None] [None]");
}

// The tone boxes follow the table's tone cells: a comma is the point, a DCS
// code with a digit 8 or 9 is refused (the box shows its old tone again and
// the channel keeps its bytes), and each commit says what it changed.
TEST(ChannelEditPresenter, ToneBoxesRefuseCodesThatDoNotExist) {
    Fixture f(1);
    const std::tuple<C, const char*, const char*, bool> cases[] = {
        {C::kRxTone, "D098N", "88.5", true},
        {C::kTxTone, "67", "D067N", true},
        {C::kRxTone, "71,9", "71.9", false},
    };
    for (const auto& [box, typed, shown, said] : cases) {
        f.Type(box, typed);
        EXPECT_EQ(f.p->Text(box), shown) << typed;
        EXPECT_EQ(f.p->TakeNotice().empty(), !said) << typed;
    }
    f.Type(C::kTxTone, "D778");
    EXPECT_EQ(f.p->Text(C::kTxTone), "D067N");
    f.p->Close();
    EXPECT_EQ(f.Stored(1, 8, 4), (Record{0x19, 0x07, 0x67, 0x80}));
}

// The declaration's pages (dpmrtool, the codeplug files) clamp to the band
// the channel table chooses for the image: the first "Freq range" entry that
// matches its band bytes.
TEST(ChannelEditPresenter, DeclaredPagesClampToTheTablesBand) {
    const std::vector<std::string> entries{"400-470MHz", "136-174MHz", "350-390MHz"};
    for (const auto& [lower, upper, typed, shown] :
         {std::tuple{14400000u, 14800000u, "140", "140.000000"},
          std::tuple{38000000u, 48000000u, "385", "400.000000"}}) {
        RadioImage image;
        image.SetBcd4(layout::kTableBandLower, lower);
        image.SetBcd4(layout::kTableBandUpper, upper);
        form::FormDialog dialog(ChannelEditDialogDecl(), image, {entries});
        auto& page = static_cast<ChannelEditPresenter&>(dialog.Page(0));
        page.FocusIn(C::kRxFreq);
        page.SetText(C::kRxFreq, typed);
        page.FocusOut(C::kRxFreq);
        EXPECT_EQ(page.Text(C::kRxFreq), shown) << lower;
    }
}

TEST(ChannelEditPresenter, NavigationStoresFirstAndWraps) {
    // "+" and "-": one click of the spin; else typed into the Channel no. box.
    const std::tuple<int, std::string, int> cases[] = {{16, "+", 1}, {1, "-", 16},  {2, "-", 1},
                                                       {5, "0", 1},  {5, "99", 16}, {5, "x7.", 7}};
    for (const auto& [from, typed, to] : cases) {
        Fixture f(from);
        f.p->SetChecked(C::kScan, false);
        typed == "+" || typed == "-" ? f.p->Spin(typed == "+" ? 1 : -1)
                                     : f.Type(C::kChannelNo, typed);
        EXPECT_EQ(f.Show({C::kChannelNo}), std::to_string(to)) << from << " " << typed;
        EXPECT_EQ(f.p->CurrentChannel(), to) << from << " " << typed;
        EXPECT_FALSE(f.Stored(from)[0x10] & 1) << "not stored first";
    }
    EXPECT_EQ(Fixture(40, nullptr).p->CurrentChannel(), 16);  // opened out of range
    Fixture back(1);  // through an empty channel and back: usable again
    back.p->Spin(1);
    back.p->Spin(-1);
    EXPECT_EQ(back.Show({C::kBusy}), "Carrier");
}

}  // namespace
}  // namespace dpmr
