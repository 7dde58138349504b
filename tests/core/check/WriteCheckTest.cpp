// The check before a Write, one crafted image per row: every error and
// warning with its exact words, what is no problem (band edges, "none",
// empty channels, an image without band bytes), and errors listed before
// warnings.
#include <gtest/gtest.h>

#include <functional>

#include "check/WriteCheck.h"
#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "document/NewDocument.h"
#include "form/DtmfSymbols.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "link/SampleCodeplug.h"
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

// A band the image holds (0: the edge left as it is).
void Band(RadioImage& image, std::int64_t lower, std::int64_t upper) {
    if (lower) SetBcdFrequency(image, 0x3FA0, lower);
    if (upper) SetBcdFrequency(image, 0x3FA4, upper);
}

TEST(WriteCheckTest, EachProblemWithItsWords) {
    ASSERT_TRUE(CheckBeforeWrite(CleanImage()).empty());
    const auto outside = [](int n, const char* what, const char* band) {
        return WriteProblem{kError, "Channel " + std::to_string(n) + ": " + what +
                                        " MHz is outside the band " + band + " MHz"};
    };
    const auto list = [](int n, const std::string& what) {
        return WriteProblem{kError, "Group rx list " + std::to_string(n) + ": contact " + what};
    };
    const WriteProblem noTx{kWarning, "Channel 1: Tx Freq is empty while Rx Freq is set"};
    const WriteProblem noName{kWarning, "The dPMR radio name is empty"};
    using I = RadioImage&;
    // clang-format off
    const std::pair<std::function<void(RadioImage&)>, std::vector<WriteProblem>> cases[] = {
        {[](I i) { SetFrequencies(i, 1, 48000000, 44600625); }, {outside(1, "Rx 480.000000", "400-470")}},
        {[](I i) { SetFrequencies(i, 1, 40000000, 47000000); }, {}},  // both edges are in
        // The band the image holds; a 9 in either place of a band byte is a digit.
        {[](I i) { Band(i, 90000000, 99000000), SetFrequencies(i, 1, 95000000, 95000000); },
         {outside(2, "Rx 446.100000", "900-990"), outside(2, "Tx 445.100000", "900-990")}},
        // No band bytes: no band to hold channels to.
        {[](I i) { i.FillFF(0x3FA0, 8), SetFrequencies(i, 1, 48000000, 48000000); }, {}},
        {[](I i) { i.SetU8(At(1, kTxContact), 5); }, {{kError, "Channel 1: Tx contact 5 is a free contact slot"}}},
        {[](I i) { i.SetU8(At(1, kTxContact), 65); }, {{kError, "Channel 1: Tx contact 65 does not exist (contacts are 1-64)"}}},
        {[](I i) { i.SetU8(At(1, kTxContact), 0xFF); }, {}},  // none
        {[](I i) { PutGroupList(i, 1, {1, 2}); }, {list(1, "2 (Bob) is a single call, not a group")}},
        {[](I i) { i.SetU8(At(2, kGroupList), 3); }, {{kError, "Channel 2: group rx list 3 has no member"}}},
        {[](I i) { i.SetU8(At(2, kGroupList), 17); }, {{kError, "Channel 2: group rx list 17 does not exist (lists are 1-16)"}}},
        {[](I i) { i.SetU8(At(2, kAnalogCall2), 4); }, {{kWarning, "Channel 2: Analog call 2 selects DTMF code 4, which is empty"}}},
        {[](I i) { i.SetU8(At(2, kAnalogCall1), 20); }, {{kWarning, "Channel 2: Analog call 1 selects DTMF code 20, which does not exist (codes are 1-16)"}}},
        {[](I i) { i.Fill(At(1, kTxFreq), 4, 0); }, {noTx}},  // zeros are empty too
        // DCS codes off the standard list (normal and inverted); the 107 of the list are none.
        {[](I i) { WriteToneCode(i, At(1, kRxTone), {0x24, 0x80}), WriteToneCode(i, At(1, kTxTone), {0x77, 0xC7}); },
         {{kWarning, "Channel 1: Rx tone D024N is not a standard DCS code"}, {kWarning, "Channel 1: Tx tone D777I is not a standard DCS code"}}},
        {[](I i) { WriteToneCode(i, At(1, kRxTone), {0x1A, 0x80}); }, {{kWarning, "Channel 1: Rx tone D020N is not a standard DCS code"}}},
        {[](I i) { WriteToneCode(i, At(1, kRxTone), ToneCodeFromText("D023N")), WriteToneCode(i, At(1, kTxTone), ToneCodeFromText("D754I")); }, {}},
        {[](I i) { WriteToneCode(i, At(1, kRxTone), ToneCodeFromText("67.0")), WriteToneCode(i, At(1, kTxTone), {0xFF, 0xFF}); }, {}},
        {[](I i) { i.SetText(0x3F88, 8, "   "); }, {noName}},  // blanks are no name
        // An empty channel is never looked at.
        {[](I i) { i.SetU8(At(5, kTxContact), 70), i.SetU8(At(5, kGroupList), 9); }, {}},
        // Errors come before warnings.
        {[](I i) { i.FillFF(At(1, kTxFreq), 4), i.FillFF(0x3F88, 8), i.SetU8(At(2, kTxContact), 9), PutGroupList(i, 2, {9}); },
         {{kError, "Channel 2: Tx contact 9 is a free contact slot"}, list(2, "9 is a free contact slot"), noTx, noName}},
    };
    // clang-format on
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(k);
        const auto& [craft, expected] = cases[k];
        RadioImage image = CleanImage();
        craft(image);
        const std::vector<WriteProblem> problems = CheckBeforeWrite(image);
        EXPECT_EQ(problems, expected);
        EXPECT_EQ(HasErrors(problems), !expected.empty() && expected[0].severity == kError);
    }
    EXPECT_EQ(ProblemLine({kError, "x"}) + ProblemLine({kWarning, "y"}), "error: xwarning: y");
}

// Every standard DCS code passes, as normal and inverted; the demo codeplug
// (what `make run` shows) is clean.
TEST(WriteCheckTest, StandardDcsCodesAndTheDemoCodeplugAreClean) {
    for (const std::string& tone : ToneList()) {
        RadioImage image = CleanImage();
        WriteToneCode(image, At(1, kRxTone), ToneCodeFromText(tone));
        EXPECT_TRUE(CheckBeforeWrite(image).empty()) << tone;
    }
    EXPECT_EQ(CheckBeforeWrite(BuildSampleCodeplug()), std::vector<WriteProblem>{});
}

}  // namespace
}  // namespace dpmr
