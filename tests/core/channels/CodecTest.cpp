// The channel record and its codecs: empty state, frequency texts and the
// channel raster, CTCSS/DCS tone codes and texts, the typed-tone normaliser,
// the scan membership bitmap and the texts of one table row.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "channels/ChannelRecord.h"
#include "channels/ChannelRowText.h"
#include "channels/FrequencyCodec.h"
#include "channels/ToneCodec.h"

namespace dpmr {
namespace {

std::vector<std::uint8_t> Record(const RadioImage& image, int n) {
    auto s = image.Span(channel::RecordOffset(n), 32);
    return {s.begin(), s.end()};
}

// --- Record -----------------------------------------------------------------

TEST(ChannelRecordTest, ResetGivesTheEmptyRecordAndTouchesNothingElse) {
    const std::vector<std::uint8_t> empty{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00,
                                          0x01, 0x00, 0x40, 0xFF, 0xFF, 0x00, 0x01, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int n : {1, 7, 16}) {
        RadioImage image;
        image.Fill(0, RadioImage::kSize, 0x11);
        ResetChannelRecord(image, n);
        EXPECT_EQ(Record(image, n), empty) << n;
        EXPECT_TRUE(IsChannelEmpty(image, n));
        EXPECT_TRUE(IsTxFrequencyEmpty(image, n));
        EXPECT_EQ(image.U8(channel::RecordOffset(n) - 1), 0x11);
        EXPECT_EQ(image.U8(channel::RecordOffset(n) + 32), 0x11);
    }
    EXPECT_EQ(channel::RecordOffset(16), 0x2E0u);
}

TEST(ChannelRecordTest, EmptinessLooksAtTheTopByteOnly) {
    struct Case {
        std::uint8_t top;
        bool empty;
    };
    for (Case c : {Case{0xFF, true}, Case{0x00, true}, Case{0x14, false}, Case{0x01, false}}) {
        RadioImage image;
        ResetChannelRecord(image, 3);
        const std::size_t r = channel::RecordOffset(3);
        image.SetBcd4(r, 14512500);
        image.SetU8(r + 3, c.top);
        image.SetBcd4(r + 4, 14512500);
        image.SetU8(r + 7, c.top);
        EXPECT_EQ(IsChannelEmpty(image, 3), c.empty) << int{c.top};
        EXPECT_EQ(IsTxFrequencyEmpty(image, 3), c.empty) << int{c.top};
    }
}

TEST(ChannelRecordTest, ScanBitmapTakesScanningChannelsInsideTheBand) {
    RadioImage image;
    for (int n = 1; n <= 16; ++n) ResetChannelRecord(image, n);  // all scan, all empty
    const auto setRx = [&](int n, std::uint32_t v) { image.SetBcd4(channel::RecordOffset(n), v); };
    setRx(1, 40000000);   // lower edge: in
    setRx(2, 47000000);   // upper edge: in
    setRx(3, 39999999);   // below: out
    setRx(4, 47000001);   // above: out
    setRx(9, 44600625);   // in, second byte
    setRx(16, 43000000);  // in, last bit
    setRx(10, 43000000);
    image.SetBit(channel::RecordOffset(10) + channel::kFlags, channel::kScanBit, false);
    image.SetU8(layout::kScanBitmap, 0xAA);
    image.SetU8(layout::kScanBitmap + 1, 0xAA);
    RebuildScanMembership(image, BandLimits{});
    EXPECT_EQ(image.U8(layout::kScanBitmap), 0x03);
    EXPECT_EQ(image.U8(layout::kScanBitmap + 1), 0x81);

    // A band holding zero must still not take empty (0x00 top byte) channels.
    setRx(5, 0);
    RebuildScanMembership(image, BandLimits{0, 47000000});
    EXPECT_EQ(image.U8(layout::kScanBitmap), 0x07);
}

// --- Frequencies ------------------------------------------------------------

TEST(FrequencyCodecTest, FromTextScalesExactly) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"136.0125", 13601250},
        {"145.125", 14512500},
        {"446.00625", 44600625},
        {"", 0},
        {"abc", 0},
        {".", 0},
        {"  145.1abc", 14510000},
        {"\t470", 47000000},
        {"-5", -500000},
        {"+1.5", 150000},
        {".5", 50000},
        {"145.", 14500000},
        {"446.006259", 44600625},  // fraction cut, not rounded
        {"1.45125e2", 14512500},
        {"14512.5E-2", 14512500},
        {"145e", 14500000},                // exponent without digits is not read
        {"136.01249999999999", 13601250},  // 17 digits: rounded to 15 first
        {"99.9999999999999999", 10000000},
        {"0.000000000000000000001", 0},
        {"99999999999999999999999", INT32_MAX},
        {"1e400", INT32_MAX},
        {"-1e400", INT32_MIN},
        {"1e-400", 0},
        {"21474.83647", INT32_MAX},
        {"21474.83648", INT32_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrequencyFromText(c.text), c.value) << '"' << c.text << '"';
}

TEST(FrequencyCodecTest, SnapMovesToNearestRasterPoint) {
    struct Case {
        std::int64_t tensOfHz;
        std::int64_t hz;
        bool moved;
    };
    const Case cases[] = {
        {14512500, 145125000, false},  // on 2.5 kHz
        {44600625, 446006250, false},  // on 3.125 kHz
        {14512600, 145125000, true},   // r1 = r2 = 1000: down
        {44600600, 446006250, true},   // d2 = 250: up to 3.125 kHz
        {14512625, 145125000, true},   // r1 = d1 = 1250: r1 wins, down
        {14512874, 145128125, true},   // r2 = 615 beats r1 = 1240
        {0, 0, false},
        {1, 0, true},
        {124, 0, true},     // 1240 Hz: down to 0
        {126, 2500, true},  // 1260 Hz: up
        {-1, 0, true},      // below zero comes back to 0
        {99999999, 1000000000, true},
    };
    for (const Case& c : cases) {
        std::int64_t v = c.tensOfHz;
        EXPECT_EQ(SnapToChannelGrid(v), c.moved) << c.tensOfHz;
        EXPECT_EQ(v, c.hz) << c.tensOfHz;
    }
}

TEST(FrequencyCodecTest, ToTextSnapsAndShowsSixDecimals) {
    EXPECT_EQ(FrequencyToText(14512500), "145.125000");
    EXPECT_EQ(FrequencyToText(44600625), "446.006250");
    EXPECT_EQ(FrequencyToText(14512600), "145.125000");
    EXPECT_EQ(FrequencyToText(13601250), "136.012500");
    EXPECT_EQ(FrequencyToText(0), "0.000000");
    EXPECT_EQ(FrequencyToText(99999999), "1000.000000");
    EXPECT_EQ(FrequencyToText(INT32_MAX), "21474.837500");
}

TEST(FrequencyCodecTest, StoreClampsToWhatFourBcdBytesHold) {
    RadioImage image;
    SetBcdFrequency(image, 0x100, 14512500);
    EXPECT_EQ(BcdFrequency(image, 0x100), 14512500u);
    SetBcdFrequency(image, 0x100, -5);
    EXPECT_EQ(BcdFrequency(image, 0x100), 0u);
    SetBcdFrequency(image, 0x100, 123456789);
    EXPECT_EQ(BcdFrequency(image, 0x100), 99999999u);
}

// --- Tones ------------------------------------------------------------------

TEST(ToneCodecTest, ListHas266EntriesInBlocks) {
    const auto& list = ToneList();
    ASSERT_EQ(list.size(), 266u);
    EXPECT_EQ(list[0], "None");
    EXPECT_EQ(list[1], "63.0");
    EXPECT_EQ(list[10], "88.5");
    EXPECT_EQ(list[14], "100.0");
    EXPECT_EQ(list[51], "254.1");
    EXPECT_EQ(list[52], "D017N");
    EXPECT_EQ(list[158], "D754N");
    EXPECT_EQ(list[159], "D017I");
    EXPECT_EQ(list[265], "D754I");
    for (std::size_t k = 0; k < 107; ++k) {
        std::string inverted = list[52 + k];
        inverted.back() = 'I';
        EXPECT_EQ(list[159 + k], inverted);
    }
}

TEST(ToneCodecTest, EveryListedToneRoundTrips) {
    for (const std::string& text : ToneList()) {
        const ToneCode code = ToneCodeFromText(text);
        EXPECT_EQ(ToneCodeToText(code), text);
        std::string typed = text;
        NormalizeToneText(typed);
        EXPECT_EQ(typed, text) << "the normaliser keeps listed tones";
    }
}

TEST(ToneCodecTest, CodesOfKnownTexts) {
    struct Case {
        const char* text;
        std::uint8_t lo, hi;
    };
    const Case cases[] = {
        {"D023N", 0x23, 0x80}, {"D754N", 0x54, 0x87}, {"D754I", 0x54, 0xC7},
        {"D017I", 0x17, 0xC0}, {"88.5", 0x85, 0x08},  {"254.1", 0x41, 0x25},
        {"63.0", 0x30, 0x06},  {"None", 0xFF, 0xFF},  {"100.0", 0x00, 0x10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToneCodeFromText(c.text), (ToneCode{c.lo, c.hi})) << c.text;
        EXPECT_EQ(ToneCodeToText({c.lo, c.hi}), c.text);
    }
}

TEST(ToneCodecTest, OddBytesAndTextsGiveTextsWithoutCrashing) {
    EXPECT_EQ(ToneCodeToText({0x12, 0x00}), "None");
    EXPECT_EQ(ToneCodeToText({0x00, 0xFF}), "None");
    EXPECT_EQ(ToneCodeToText({0x05, 0x80}), "D05N");
    EXPECT_EQ(ToneCodeToText({0x23, 0x80}), "D023N");
    EXPECT_EQ(ToneCodeToText({0xFF, 0x7F}), "866.5");  // not BCD: decoded as given
    for (unsigned hi = 0; hi < 256; ++hi)
        for (unsigned lo = 0; lo < 256; lo += 17)
            EXPECT_FALSE(
                ToneCodeToText({static_cast<std::uint8_t>(lo), static_cast<std::uint8_t>(hi)})
                    .empty());
    // Texts that are not tones still give two bytes; none reads back as a
    // different listed tone by accident of overflow.
    EXPECT_EQ(ToneCodeFromText("D"), (ToneCode{0x00, 0xC0}));
    EXPECT_EQ(ToneCodeToText(ToneCodeFromText("D99999999N")), "D6399N");
    EXPECT_EQ(ToneCodeToText(ToneCodeFromText("D99999999I")), "D6299I");
    EXPECT_EQ(ToneCodeToText(ToneCodeFromText("9999999")), "799.9");
    EXPECT_EQ(ToneCodeToText(ToneCodeFromText("-88.5")), "None");
}

TEST(ToneCodecTest, NormaliseTypedTones) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"23", "D023N"},    {"67", "D067N"},         {"100", "D100N"},     {"67.0", "67.0"},
        {"88.50", "88.50"}, {"88.5d", "88.5"},       {"300.0", "None"},    {"59.9", "None"},
        {"60.0", "60.0"},   {"280.0", "280.0"},      {"280.1", "None"},    {"778", "None"},
        {"777", "D777N"},   {"0", "None"},           {"-5", "None"},       {"i754", "D754I"},
        {"DI23", "D023I"},  {"ND23", "D023N"},       {"ID23", "D023I"},    {"23I", "D023I"},
        {"23n", "D023N"},   {"d023n", "D023N"},      {"D754I", "D754I"},   {"n17", "D017N"},
        {"", ""},           {"abc", "None"},         {"D", "None"},        {"DXN", "None"},
        {"..", "None"},     {"99999999999", "None"}, {"\x01\xFF", "None"},
    };
    for (const Case& c : cases) {
        std::string text = c.typed;
        NormalizeToneText(text);
        EXPECT_EQ(text, c.shown) << '"' << c.typed << '"';
    }
}

// A normalised text is what the store encodes; what is shown afterwards must
// be the same tone, so a typed CTCSS value never turns into a DCS code.
TEST(ToneCodecTest, NormalisedTextStoresTheToneItShows) {
    for (const char* typed : {"88.5d", "67.0 dcs", "100.0N", "123.4", "88.59"}) {
        std::string text = typed;
        NormalizeToneText(text);
        const std::string shown = ToneCodeToText(ToneCodeFromText(text));
        std::string again = shown;
        NormalizeToneText(again);
        EXPECT_EQ(ToneCodeToText(ToneCodeFromText(again)), shown) << typed;
        EXPECT_EQ(shown.find('D'), std::string::npos) << typed << " -> " << text << " -> " << shown;
    }
}

TEST(ToneCodecTest, ReadAndWriteKeepLowByteFirst) {
    RadioImage image;
    WriteToneCode(image, 0x108, ToneCodeFromText("D023N"));
    EXPECT_EQ(image.U8(0x108), 0x23);
    EXPECT_EQ(image.U8(0x109), 0x80);
    EXPECT_EQ(ReadToneCode(image, 0x108), (ToneCode{0x23, 0x80}));
}

// --- Row texts ----------------------------------------------------------------

TEST(ChannelRowTextTest, DecodesEveryColumn) {
    RadioImage image;
    ResetChannelRecord(image, 2);
    EXPECT_EQ(ChannelRowFromImage(image, 2), ChannelRowTexts{});

    const std::size_t r = channel::RecordOffset(2);
    image.SetBcd4(r + channel::kRxFreq, 44600625);
    image.SetBcd4(r + channel::kTxFreq, 14512600);
    WriteToneCode(image, r + channel::kRxTone, {0x85, 0x08});
    WriteToneCode(image, r + channel::kTxTone, {0x54, 0xC7});
    image.SetU8(r + channel::kFlags, 0xC2);  // high, no scan, narrow
    image.SetBits(r + channel::kMode, channel::kChannelTypeLo, 2, 3);
    EXPECT_EQ(ChannelRowFromImage(image, 2),
              (ChannelRowTexts{"446.006250", "145.125000", "88.5", "D754I", "High", "Del", "Narrow",
                               "Mixed(Analog)"}));

    image.SetU8(r + channel::kFlags, 0x41);  // power bits 01 count as low
    image.SetBits(r + channel::kMode, channel::kChannelTypeLo, 2, 0);
    for (std::uint8_t top : {0x00, 0xFF}) {
        image.SetU8(r + channel::kTxFreq + 3, top);
        const ChannelRowTexts row = ChannelRowFromImage(image, 2);
        EXPECT_EQ(row[1], "");
        EXPECT_EQ(row[4], "Low");
        EXPECT_EQ(row[5], "Add");
        EXPECT_EQ(row[6], "Wide");
        EXPECT_EQ(row[7], "Analog");
    }
}

}  // namespace
}  // namespace dpmr
