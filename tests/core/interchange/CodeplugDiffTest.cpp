// The differences of two images as a user reads them: a channel cell and a
// field only the channel dialog shows, a settings field, a contact, a group
// list and a raw byte, each named once, and nothing for equal images; every
// bit of a channel record named by one of the two.
#include <gtest/gtest.h>

#include "channels/ChannelRecord.h"
#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
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
              "channel 3 Rx Freq: 446.031250 -> 446.018750\n"
              "channel 3 record +0x13: FF -> 07\n"
              "channel 4 Channel type: Analog -> Digit\n"
              "channel 4 record +0x12: 00 -> 41\n"
              "option.tot: 0 -> 90\n"
              "contact \"Name 1\": number 0000001 -> 0000102\n"
              "group rx list 2: (empty) -> Name 1\n"
              "raw 0x0001: 00 -> 02\n");
    EXPECT_EQ(DifferencesAsYaml(DiffCodeplugs(a, b)).substr(0, 65),
              "- {what: channel 3 Rx Freq, from: 446.031250, to: 446.018750}\n- {");
}

// Any one bit of a channel record changed is named, either by the table's
// cells or by the record's byte, never both: a bit the table shows needs no
// second line, a bit it hides (the offset, the repeat byte, a frequency's
// digits below its raster channel, power code 01) must not go unseen.
TEST(CodeplugDiff, EveryBitOfAChannelRecordIsNamedOnce) {
    const RadioImage a = DemoImage();
    for (std::size_t k = 0; k < layout::kChannelSize; ++k) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            RadioImage b = a;
            const std::size_t at = channel::RecordOffset(3) + k;
            b.SetU8(at, static_cast<std::uint8_t>(b.U8(at) ^ (1u << bit)));
            int cells = 0, records = 0;
            for (const CodeplugDifference& d : DiffCodeplugs(a, b))
                ++(d.what.find(" record +") != std::string::npos ? records : cells);
            EXPECT_TRUE((cells > 0) != (records > 0))
                << "byte " << k << " bit " << bit << ": " << DifferencesAsText(DiffCodeplugs(a, b));
        }
    }
}

}  // namespace
}  // namespace dpmr
