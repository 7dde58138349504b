// The channel record and its codecs: empty state, frequency texts and the
// channel raster, CTCSS/DCS tone codes and texts, the typed-tone normaliser,
// and the scan membership bitmap.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "image/ChannelRecord.h"
#include "support/ImageBytes.h"
#include "util/DecimalText.h"

namespace dpmr {
namespace {

using test::Bytes;

TEST(ChannelRecordTest, ResetEmptinessAndScanMembership) {
    const Bytes empty{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                      0xFF, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x40, 0xFF, 0xFF, 0x00,
                      0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int n : {1, 16}) {
        RadioImage image;
        image.Fill(0, RadioImage::kSize, 0x11);
        ResetChannelRecord(image, n);
        const std::size_t r = channel::RecordOffset(n);
        EXPECT_TRUE(image.U8(r - 1) == 0x11 && image.U8(r + 32) == 0x11) << "neighbours kept";
        EXPECT_EQ(test::ImageBytes(image, r, 32), empty) << n;
        EXPECT_TRUE(IsChannelEmpty(image, n) && IsTxFrequencyEmpty(image, n));
    }

    // Only the top frequency byte decides emptiness: 0xFF and 0x00 are empty, so
    // even a band holding zero never takes an empty channel into the scan list.
    RadioImage image;
    for (int n = 1; n <= 16; ++n) ResetChannelRecord(image, n);  // all scan, all empty
    const auto setRx = [&](int n, std::uint32_t v) { image.SetBcd4(channel::RecordOffset(n), v); };
    // Band edges are in (1, 2), just outside is out (3, 4); 9 and 16 fill the
    // second byte; 10 lies in the band but does not scan.
    const std::pair<int, std::uint32_t> rx[] = {{1, 40000000}, {2, 47000000}, {3, 39999999},
                                                {4, 47000001}, {9, 44600625}, {16, 43000000},
                                                {10, 43000000}};
    for (auto [n, v] : rx) setRx(n, v);
    image.SetBit(channel::RecordOffset(10) + channel::kFlags, channel::kScanBit, false);
    image.Fill(layout::kScanBitmap, 2, 0xAA);
    RebuildScanMembership(image, BandLimits{});
    EXPECT_EQ(test::ImageBytes(image, layout::kScanBitmap, 2), (Bytes{0x03, 0x81}));
    setRx(5, 0);
    setRx(6, 1000000);  // top byte 0x01: not empty
    RebuildScanMembership(image, BandLimits{0, 47000000});
    EXPECT_EQ(image.U8(layout::kScanBitmap), 0x27);  // 1, 2, 3 and 6
}

TEST(FrequencyCodecTest, FromTextStoreRasterAndText) {
    // A fraction beyond 10 Hz is cut, not rounded.
    const std::pair<const char*, std::int32_t> cases[] = {
        {"446.006259", 44600625}, {"21474.83648", INT32_MAX}, {"-1e400", INT32_MIN}};
    for (auto [text, value] : cases) EXPECT_EQ(FrequencyFromText(text), value) << text;
    // Stored lowest digit pair first, limited to what four BCD bytes hold.
    RadioImage image;
    SetBcdFrequency(image, 0x100, FrequencyFromText("145.125"));
    EXPECT_EQ(test::ImageBytes(image, 0x100, 4), (Bytes{0x00, 0x25, 0x51, 0x14}));
    SetBcdFrequency(image, 0x100, -5);
    EXPECT_EQ(BcdFrequency(image, 0x100), 0u);
    SetBcdFrequency(image, 0x100, 123456789);
    EXPECT_EQ(BcdFrequency(image, 0x100), 99999999u);

    // 145.125 is on 2.5 kHz, 446.00625 on 3.125 kHz. 145.126: r1 = r2 = 1000,
    // down. 446.006: d2 = 250, up. 145.12625: r1 = d1 = 1250, r1 wins, down.
    // 145.12874: r2 = 615 beats r1 = 1240. Below zero comes back to 0.
    const std::tuple<std::int64_t, bool, const char*> raster[] = {
        {14512500, false, "145.125000"},   {44600625, false, "446.006250"},
        {14512600, true, "145.125000"},    {44600600, true, "446.006250"},
        {14512625, true, "145.125000"},    {14512874, true, "145.128125"},
        {INT32_MAX, true, "21474.837500"}, {-1, true, "0.000000"}};
    for (auto [tensOfHz, moved, text] : raster) {
        std::int64_t hz = tensOfHz;
        EXPECT_EQ(SnapToChannelGrid(hz), moved) << tensOfHz;
        EXPECT_EQ(FormatScaled(hz, 6), text) << tensOfHz;
        EXPECT_EQ(FrequencyToText(tensOfHz), text);
    }
}

// The standard CTCSS tones in Hz and DCS codes (octal), written out here
// independently of the program's tables, so that a wrong entry (a tone that
// would be programmed into every radio) is caught.
constexpr const char* kStandardCtcss =
    "63.0 67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 "
    "114.8 118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 159.8 162.2 165.5 167.9 171.3 "
    "173.8 177.3 179.9 183.5 186.2 189.9 192.8 196.6 199.5 203.5 206.5 210.7 218.1 225.7 229.1 "
    "233.6 241.8 250.3 254.1";
constexpr const char* kStandardDcs =
    "017 023 025 026 031 032 036 043 047 050 051 053 054 065 071 072 073 074 114 115 116 122 125 "
    "131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 251 252 "
    "255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 371 411 412 413 "
    "423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 532 546 565 606 612 624 "
    "627 631 632 645 654 662 664 703 712 723 731 732 734 743 754";

std::vector<std::string> Words(const char* text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Every entry of the tone list against the standard lists, with the bytes each
// one is stored as: BCD tenths of Hz for CTCSS, the octal digits after 0x80
// (normal) or 0xC0 (inverted) for DCS.
TEST(ToneCodecTest, ListHoldsTheStandardTonesAndTheirCodes) {
    std::vector<std::string> expected{"None"};
    std::vector<ToneCode> codes{{0xFF, 0xFF}};
    const auto bcd = [](int v) { return static_cast<std::uint8_t>(v / 10 * 16 + v % 10); };
    for (const std::string& hz : Words(kStandardCtcss)) {
        expected.push_back(hz);
        const int tenths = std::stoi(hz) * 10 + (hz.back() - '0');
        codes.push_back({bcd(tenths % 100), bcd(tenths / 100)});
    }
    for (int inverted : {0, 1}) {
        for (const std::string& octal : Words(kStandardDcs)) {
            expected.push_back("D" + octal + (inverted ? "I" : "N"));
            codes.push_back({bcd(std::stoi(octal.substr(1))),
                             static_cast<std::uint8_t>((inverted ? 0xC0 : 0x80) + octal[0] - '0')});
        }
    }
    const auto& list = ToneList();
    ASSERT_EQ(expected.size(), 266u);
    EXPECT_EQ(list, expected);
    for (std::size_t k = 0; k < list.size() && k < codes.size(); ++k)
        EXPECT_EQ(ToneCodeFromText(list[k]), codes[k]) << list[k];
}

TEST(ToneCodecTest, ListCodesAndOddInput) {
    const auto& list = ToneList();
    for (const std::string& text : list) {
        EXPECT_EQ(ToneCodeToText(ToneCodeFromText(text)), text);
        std::string typed = text;
        NormalizeToneText(typed);
        EXPECT_EQ(typed, text) << "the normaliser keeps listed tones";
    }

    // Codes are stored low byte first. Any two bytes read from a radio give a
    // text; texts out of range are limited so that they never read back as "None"
    // or as a tone of the other kind.
    const std::tuple<const char*, std::uint8_t, std::uint8_t> cases[] = {
        {"D023N", 0x23, 0x80}, {"D754I", 0x54, 0xC7}, {"88.5", 0x85, 0x08}, {"None", 0xFF, 0xFF}};
    RadioImage image;
    for (auto [text, lo, hi] : cases) {
        WriteToneCode(image, 0x108, ToneCodeFromText(text));
        EXPECT_EQ(test::ImageBytes(image, 0x108, 2), (Bytes{lo, hi})) << text;
        EXPECT_EQ(ToneCodeToText(ReadToneCode(image, 0x108)), text);
    }
    // Pairs of typed text and the text its stored code reads back as.
    const char* limited[] = {"D99999999N", "D6399N", "D99999999I", "D6299I", "9999999",
                             "799.9",      "-88.5",  "None",       "D",      "D00I"};
    for (std::size_t k = 0; k < std::size(limited); k += 2)
        EXPECT_EQ(ToneCodeToText(ToneCodeFromText(limited[k])), limited[k + 1]) << limited[k];
}

TEST(ToneCodecTest, NormaliseTypedTones) {
    const std::pair<const char*, const char*> cases[] = {
        {"23", "D023N"},    {"67.0", "67.0"},   {"59.9", "None"}, {"60.0", "60.0"},
        {"280.0", "280.0"}, {"280.1", "None"},  {"778", "None"},  {"777", "D777N"},
        {"DI23", "D023I"},  {"d023n", "D023N"}, {"", ""},         {"DXN", "None"},
        {"88.5.3", "88.5"}};
    for (auto [typed, shown] : cases) {
        std::string text = typed;
        NormalizeToneText(text);
        EXPECT_EQ(text, shown) << '"' << typed << '"';
    }
    // What the store encodes from a normalised CTCSS text is the tone shown:
    // "88.5d" must not turn into a DCS code.
    for (const char* typed : {"88.5d", "67.0 dcs", "88.59"}) {
        std::string text = typed;
        NormalizeToneText(text);
        const std::string shown = ToneCodeToText(ToneCodeFromText(text));
        EXPECT_EQ(shown.find('D'), std::string::npos) << typed << " -> " << text << " -> " << shown;
    }
}

// What a typed tone becomes in a tone cell or box, and what the user is told.
// A comma is the decimal point; a plain number is a DCS code, and the note
// names the CTCSS tone it also spells when there is one; a DCS code with a
// digit 8 or 9 does not exist and is refused.
TEST(ToneCodecTest, TypedTonesAndWhatIsSaid) {
    struct Case {
        const char* typed;
        bool refused;
        const char* text;
        const char* notice;
    };
    const Case cases[] = {
        {"88,5", false, "88.5", ""},
        {"88.5", false, "88.5", ""},
        {"67,0", false, "67.0", ""},
        {"D023N", false, "D023N", ""},
        {"i754", false, "D754I", ""},
        {"", false, "", ""},
        {"none", false, "None", ""},
        {"67", false, "D067N", "67 was taken as DCS D067N; type 67.0 for 67.0 Hz"},
        {"100", false, "D100N", "100 was taken as DCS D100N; type 100.0 for 100.0 Hz"},
        {"23", false, "D023N", "23 was taken as DCS D023N"},
        {"88", true, "",
         "88 is not a DCS code (DCS codes use the digits 0 to 7); type 88.0 for "
         "88.0 Hz: left as it was"},
        {"D088N", true, "",
         "D088N is not a DCS code (DCS codes use the digits 0 to 7): left as it was"},
        {"d109i", true, "",
         "d109i is not a DCS code (DCS codes use the digits 0 to 7): left as it was"},
        {"19", true, "", "19 is not a DCS code (DCS codes use the digits 0 to 7): left as it was"},
        {"778", true, "",
         "778 is not a DCS code (DCS codes use the digits 0 to 7): left as it was"},
        {"1000", false, "None", "\"1000\" is not a tone: set to None"},
        {"300.0", false, "None", "\"300.0\" is not a tone: set to None"},
    };
    for (const Case& c : cases) {
        const TypedTone tone = TakeTypedTone(c.typed);
        EXPECT_EQ(tone.refused, c.refused) << c.typed;
        if (!c.refused) {
            EXPECT_EQ(tone.text, c.text) << c.typed;
        }
        EXPECT_EQ(tone.notice, c.notice) << c.typed;
    }
}

}  // namespace
}  // namespace dpmr
