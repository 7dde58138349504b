// The differences of two images as a user reads them: a channel cell and a
// field only the channel dialog shows, a settings field, a contact, a group
// list and a raw byte, each named once, and nothing for equal images. Bytes
// that no value shows differently (a channel's offset, a bit no cell shows, a
// value read the same from two byte patterns) are listed raw, so that images
// that differ never give an empty list.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>
#include <string>

#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "image/ChannelRecord.h"
#include "interchange/CodeplugDiff.h"
#include "support/DemoCodeplug.h"

namespace dpmr {
namespace {

using test::DemoImage;

TEST(CodeplugDiff, NamesEachDifferenceAsTheProgramShowsIt) {
    const RadioImage a = DemoImage();
    EXPECT_TRUE(DiffCodeplugs(a, a).empty());

    RadioImage b = a;
    b.SetBcd4(channel::RecordOffset(3), 44601875);  // Rx Freq in tens of Hz
    b.SetU8(channel::RecordOffset(3) + channel::kRxColourCode, 0x07);
    // The channel type and the busy lock beside it in one byte: both named.
    b.SetU8(channel::RecordOffset(4) + channel::kMode,
            b.U8(channel::RecordOffset(4) + channel::kMode) ^ 0x41);
    b.SetU16Le(0x0308, 90);  // option.tot
    contact::WriteNumber(b, contact::SlotOffset(1), "0000102");
    grouplist::Write(b, 2, {1});
    b.SetU8(0x0001, 0x02);  // a header byte no field owns

    EXPECT_EQ(DifferencesAsText(DiffCodeplugs(a, b)),
              "channel 3 Rx freq (MHz): 446.031250 -> 446.018750\n"
              "channel 3 Rx color code: Auto -> 7\n"
              "channel 4 Channel type: Analog -> Digit\n"
              "channel 4 Busy: Off -> Carrier\n"
              "option.tot: 0 -> 90\n"
              "contact \"Name 1\": number 0000001 -> 0000102\n"
              "group rx list 2: (empty) -> Name 1\n"
              "raw 0x0001: 00 -> 02\n");
    EXPECT_EQ(DifferencesAsYaml(DiffCodeplugs(a, b)).substr(0, 75),
              "- {what: channel 3 Rx freq (MHz), from: \"446.031250\", to: \"446.018750\"}\n- {");
}

// Any one bit of a channel record changed is named (by the table's cells, by
// the record's byte or as a raw byte): a bit the table hides (the offset, the
// repeat byte, a frequency's digits below its raster channel, power code 01)
// must not go unseen.
TEST(CodeplugDiff, EveryBitOfAChannelRecordIsNamed) {
    const RadioImage a = DemoImage();
    for (std::size_t k = 0; k < layout::kChannelSize; ++k) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            RadioImage b = a;
            const std::size_t at = channel::RecordOffset(3) + k;
            b.SetU8(at, static_cast<std::uint8_t>(b.U8(at) ^ (1u << bit)));
            EXPECT_FALSE(DiffCodeplugs(a, b).empty()) << "byte " << k << " bit " << bit;
        }
    }
}

TEST(CodeplugDiff, ABytePatternTheModelReadsAlikeIsListedRaw) {
    const RadioImage a = DemoImage();
    const std::size_t ch = channel::RecordOffset(1);
    char buf[64];
    const auto raw = [&](std::size_t at, std::uint8_t from, std::uint8_t to) {
        std::snprintf(buf, sizeof buf, "raw 0x%04zX: %02X -> %02X\n", at, from, to);
        return std::string(buf);
    };
    const auto flipped = [&](std::size_t at, unsigned mask) {
        return std::array<std::size_t, 2>{at, static_cast<std::size_t>(a.U8(at) ^ mask)};
    };
    const std::array<std::size_t, 2> cases[] = {
        {ch + channel::kOffset + 1, 0x12},     // the offset
        flipped(ch + channel::kMode, 0x30),    // its direction
        flipped(ch + channel::kFlags, 0x80),   // bit 7 of the power
        flipped(ch + channel::kRxFreq, 0x01),  // Rx 10 Hz off the raster
    };
    for (const auto& [at, value] : cases) {
        SCOPED_TRACE(at);
        RadioImage b = a;
        b.SetU8(at, static_cast<std::uint8_t>(value));
        const std::string text = DifferencesAsText(DiffCodeplugs(a, b));
        EXPECT_FALSE(text.empty());
        // Named by a cell, a record byte, or listed raw.
        const bool named = text.find("channel 1 ") != std::string::npos ||
                           text.find(raw(at, a.U8(at), b.U8(at))) != std::string::npos;
        EXPECT_TRUE(named) << text;
    }

    // A tone of FF FF and one of 00 00 both read "None": the record's bytes
    // are listed, in one line.
    RadioImage c = a;
    RadioImage d = a;
    c.Fill(ch + channel::kTxTone, 2, 0xFF);
    d.Fill(ch + channel::kTxTone, 2, 0x00);
    std::snprintf(buf, sizeof buf, "channel 1 record +0x%02zX: FFFF -> 0000\n", channel::kTxTone);
    EXPECT_EQ(DifferencesAsText(DiffCodeplugs(c, d)), buf);
    // The diff names Tx contact changes by the contact's name.
    RadioImage e = DemoImage();
    e.SetU8(channel::RecordOffset(9) + channel::kTxContact, 0x00);
    EXPECT_EQ(DifferencesAsText(DiffCodeplugs(a, e)), "channel 9 Tx contact: Name 1 -> None\n");
}

// Any two images that differ, in any bytes, give at least one line.
TEST(CodeplugDiff, ImagesThatDifferNeverGiveAnEmptyList) {
    std::mt19937 gen(4242);
    RadioImage random;
    for (std::size_t k = 0; k < RadioImage::kSize; ++k)
        random.SetU8(k, static_cast<std::uint8_t>(gen()));
    const RadioImage bases[] = {DemoImage(), RadioImage{}, random};
    for (int round = 0; round < 90; ++round) {
        const RadioImage& a = bases[static_cast<std::size_t>(round) % 3];
        RadioImage b = a;
        const int count = 1 + static_cast<int>(gen() % 4);
        for (int k = 0; k < count; ++k) {
            const std::size_t at = gen() % RadioImage::kSize;
            b.SetU8(at, static_cast<std::uint8_t>(b.U8(at) ^ (1u << (gen() % 8))));
        }
        if (a == b) continue;
        EXPECT_FALSE(DiffCodeplugs(a, b).empty()) << "round " << round;
    }
}

}  // namespace
}  // namespace dpmr
