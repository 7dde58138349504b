// The check before a Write, one crafted image per row: every error and
// warning with its exact words, what is no problem (band edges, "none" in
// either form, empty channels, an image without band bytes), and errors
// listed before warnings.
#include <gtest/gtest.h>

#include <functional>

#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "check/WriteCheck.h"
#include "form/DtmfSymbols.h"
#include "image/Document.h"
#include "support/ContactImages.h"

namespace dpmr {
namespace {

using namespace channel;
using test::PutContacts;
using test::PutGroupList;

constexpr Severity kError = Severity::kError;
constexpr Severity kWarning = Severity::kWarning;

void SetFrequencies(RadioImage& image, int n, std::int64_t rx, std::int64_t tx) {
    SetBcdFrequency(image, RecordOffset(n) + kRxFreq, rx);
    SetBcdFrequency(image, RecordOffset(n) + kTxFreq, tx);
}

// Band 400-470 MHz, a radio name, contact 1 (a group) and 2 (a single call),
// group list 1 holding contact 1, DTMF code 1; channel 1 sends to contact 1
// and channel 2 uses list 1 and DTMF code 1.
RadioImage CleanImage() {
    RadioImage image;
    StoreBuiltInDefaults(image, BandLimits{});
    image.SetText(0x3F88, 8, "Base 1");
    PutContacts(image, {{1, "Team", "0000100", true}, {2, "Bob", "0000200", false}});
    PutGroupList(image, 1, {1});
    WriteDtmfSymbols(image, 0x2060, 16, "123");
    SetFrequencies(image, 1, 44600625, 44600625);
    SetFrequencies(image, 2, 44610000, 44510000);
    image.SetU8(RecordOffset(1) + kTxContact, 1);
    image.SetU8(RecordOffset(2) + kGroupList, 1);
    image.SetU8(RecordOffset(2) + kAnalogCall1, 1);
    return image;
}

std::size_t At(int channel, std::size_t field) {
    return RecordOffset(channel) + field;
}

TEST(WriteCheckTest, EachProblemWithItsWords) {
    ASSERT_TRUE(CheckBeforeWrite(CleanImage()).empty());
    using Craft = std::function<void(RadioImage&)>;
    const struct {
        const char* name;
        Craft craft;
        std::vector<WriteProblem> expected;
    } cases[] = {
        {"rx above the band",
         [](RadioImage& i) { SetFrequencies(i, 1, 48000000, 44600625); },
         {{kError, "Channel 1: Rx 480.000000 MHz is outside the band 400-470 MHz"}}},
        {"tx below the band",
         [](RadioImage& i) { SetFrequencies(i, 2, 44610000, 39998750); },
         {{kError, "Channel 2: Tx 399.987500 MHz is outside the band 400-470 MHz"}}},
        {"both edges are in the band",
         [](RadioImage& i) { SetFrequencies(i, 1, 40000000, 47000000); },
         {}},
        {"the band the image holds",
         [](RadioImage& i) {
             SetBcdFrequency(i, 0x3FA0, 13600000);
             SetBcdFrequency(i, 0x3FA4, 17400000);
             SetFrequencies(i, 1, 14500000, 14500000);
         },
         {{kError, "Channel 2: Rx 446.100000 MHz is outside the band 136-174 MHz"},
          {kError, "Channel 2: Tx 445.100000 MHz is outside the band 136-174 MHz"}}},
        {"a 9 in either place of a band byte is a digit",
         [](RadioImage& i) {
             SetBcdFrequency(i, 0x3FA0, 90000000);  // 00 00 00 90
             SetBcdFrequency(i, 0x3FA4, 99000000);  // 00 00 00 99
             SetFrequencies(i, 1, 95000000, 95000000);
         },
         {{kError, "Channel 2: Rx 446.100000 MHz is outside the band 900-990 MHz"},
          {kError, "Channel 2: Tx 445.100000 MHz is outside the band 900-990 MHz"}}},
        {"no band bytes: nothing to hold channels to",
         [](RadioImage& i) {
             i.FillFF(0x3FA0, 8);
             SetFrequencies(i, 1, 48000000, 48000000);
         },
         {}},
        {"a band byte with one nibble no digit (high): no band",
         [](RadioImage& i) {
             i.SetU8(0x3FA0, 0xA0);
             SetFrequencies(i, 1, 48000000, 48000000);
         },
         {}},
        {"a band byte with one nibble no digit (low): no band",
         [](RadioImage& i) {
             i.SetU8(0x3FA4, 0x0A);
             SetFrequencies(i, 1, 48000000, 48000000);
         },
         {}},
        {"a lower edge not below the upper: no band",
         [](RadioImage& i) {
             SetBcdFrequency(i, 0x3FA0, 47000000);
             SetFrequencies(i, 1, 48000000, 48000000);
         },
         {}},
        {"tx contact is a free slot",
         [](RadioImage& i) { i.SetU8(At(1, kTxContact), 5); },
         {{kError, "Channel 1: Tx contact 5 is a free contact slot"}}},
        {"tx contact above 64",
         [](RadioImage& i) { i.SetU8(At(1, kTxContact), 65); },
         {{kError, "Channel 1: Tx contact 65 does not exist (contacts are 1-64)"}}},
        {"tx contact none (0)", [](RadioImage& i) { i.SetU8(At(1, kTxContact), 0); }, {}},
        {"tx contact none (0xFF)", [](RadioImage& i) { i.SetU8(At(1, kTxContact), 0xFF); }, {}},
        {"list names a free slot",
         [](RadioImage& i) {
             PutGroupList(i, 3, {1, 6});
         },
         {{kError, "Group rx list 3: contact 6 is a free contact slot"}}},
        {"list names a single call",
         [](RadioImage& i) {
             PutGroupList(i, 1, {1, 2});
         },
         {{kError, "Group rx list 1: contact 2 (Bob) is a single call, not a group"}}},
        {"a name that is no text is left out",
         [](RadioImage& i) {
             i.SetU8(0x0550 + 8, 0x1B);  // contact 2's name starts with ESC
             PutGroupList(i, 1, {2});
         },
         {{kError, "Group rx list 1: contact 2 is a single call, not a group"}}},
        {"list names contact 70",
         [](RadioImage& i) { PutGroupList(i, 16, {70}); },
         {{kError, "Group rx list 16: contact 70 does not exist (contacts are 1-64)"}}},
        {"channel selects an empty list",
         [](RadioImage& i) { i.SetU8(At(2, kGroupList), 3); },
         {{kError, "Channel 2: group rx list 3 has no member"}}},
        {"channel selects list 17",
         [](RadioImage& i) { i.SetU8(At(2, kGroupList), 17); },
         {{kError, "Channel 2: group rx list 17 does not exist (lists are 1-16)"}}},
        {"analog call selects an empty code",
         [](RadioImage& i) { i.SetU8(At(2, kAnalogCall2), 4); },
         {{kWarning, "Channel 2: Analog call 2 selects DTMF code 4, which is empty"}}},
        {"a code that holds no symbol is empty",
         [](RadioImage& i) { i.SetU8(0x2060, 0x10); },
         {{kWarning, "Channel 2: Analog call 1 selects DTMF code 1, which is empty"}}},
        {"analog call selects code 20",
         [](RadioImage& i) { i.SetU8(At(2, kAnalogCall1), 20); },
         {{kWarning,
           "Channel 2: Analog call 1 selects DTMF code 20, which does not exist (codes are "
           "1-16)"}}},
        {"tx empty while rx set",
         [](RadioImage& i) { i.FillFF(At(1, kTxFreq), 4); },
         {{kWarning, "Channel 1: Tx Freq is empty while Rx Freq is set"}}},
        {"tx of zeros is empty too",
         [](RadioImage& i) { i.Fill(At(2, kTxFreq), 4, 0); },
         {{kWarning, "Channel 2: Tx Freq is empty while Rx Freq is set"}}},
        {"empty radio name",
         [](RadioImage& i) { i.FillFF(0x3F88, 8); },
         {{kWarning, "The dPMR radio name is empty"}}},
        {"blank radio name",
         [](RadioImage& i) { i.SetText(0x3F88, 8, "   "); },
         {{kWarning, "The dPMR radio name is empty"}}},
        {"an empty channel is never looked at",
         [](RadioImage& i) {
             i.SetU8(At(5, kTxContact), 70);
             i.SetU8(At(5, kGroupList), 9);
             i.SetU8(At(5, kAnalogCall1), 9);
         },
         {}},
        {"errors come before warnings",
         [](RadioImage& i) {
             i.FillFF(At(1, kTxFreq), 4);
             i.FillFF(0x3F88, 8);
             i.SetU8(At(2, kTxContact), 9);
             PutGroupList(i, 2, {9});
         },
         {{kError, "Channel 2: Tx contact 9 is a free contact slot"},
          {kError, "Group rx list 2: contact 9 is a free contact slot"},
          {kWarning, "Channel 1: Tx Freq is empty while Rx Freq is set"},
          {kWarning, "The dPMR radio name is empty"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = CleanImage();
        c.craft(image);
        const std::vector<WriteProblem> problems = CheckBeforeWrite(image);
        EXPECT_EQ(problems, c.expected);
        EXPECT_EQ(HasErrors(problems), !c.expected.empty() && c.expected[0].severity == kError);
    }
    EXPECT_EQ(ProblemLine({kError, "x"}), "error: x");
    EXPECT_EQ(ProblemLine({kWarning, "y"}), "warning: y");
}

}  // namespace
}  // namespace dpmr
