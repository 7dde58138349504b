// A channel's tone pair in CHIRP's terms and back: every kind of pair to the
// tone mode, cross mode and value columns CHIRP reads, and back to the same
// pair; rows as other CHIRP versions write them; columns CHIRP never writes.
#include "interchange/ChirpTone.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace dpmr {
namespace {

// Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode.
std::string Row(const ChirpToneFields& f) {
    return f.tone + "," + f.rToneFreq + "," + f.cToneFreq + "," + f.dtcsCode + "," +
           f.dtcsPolarity + "," + f.rxDtcsCode + "," + f.crossMode;
}

TEST(ChirpTone, EveryPairGoesOutAsCHIRPReadsItAndComesBack) {
    const std::pair<ChannelTones, std::string> cases[] = {
        // {rx, tx}, the row
        {{"None", "None"}, ",88.5,88.5,023,NN,023,Tone->Tone"},
        {{"None", "254.1"}, "Tone,254.1,88.5,023,NN,023,Tone->Tone"},
        {{"100.0", "123.0"}, "Cross,123.0,100.0,023,NN,023,Tone->Tone"},
        {{"D023I", "D023N"}, "DTCS,88.5,88.5,023,NR,023,Tone->Tone"},
        {{"D025N", "D023I"}, "Cross,88.5,88.5,023,RN,025,DTCS->DTCS"},
        {{"71.9", "None"}, "Cross,88.5,71.9,023,NN,023,->Tone"},
        {{"D411I", "None"}, "Cross,88.5,88.5,411,NR,411,->DTCS"},
        {{"None", "D065N"}, "Cross,88.5,88.5,065,NN,023,DTCS->"},
        {{"D131I", "151.4"}, "Cross,151.4,88.5,131,NR,131,Tone->DTCS"},
        {{"97.4", "D565I"}, "Cross,88.5,97.4,565,RN,023,DTCS->Tone"},
        {{"D05N", "D05N"}, "DTCS,88.5,88.5,005,NN,005,Tone->Tone"},  // as the radio shows it
    };
    for (const auto& [tones, row] : cases) {
        const ChirpToneFields f = ChirpTonesOf(tones);
        EXPECT_EQ(Row(f), row) << tones.rx << " / " << tones.tx;
        ChannelTones back;
        std::string note;
        ASSERT_TRUE(ChannelTonesOf(f, back, note).ok()) << row;
        // A code below 100 comes back three digits wide.
        EXPECT_EQ(back, (tones.rx == "D05N" ? ChannelTones{"D005N", "D005N"} : tones)) << row;
        EXPECT_EQ(note, "");
    }
}

// Rows written by CHIRP from other radios, by older CHIRP versions, or by
// hand: the columns each mode reads, placeholders in the others.
TEST(ChirpTone, RowsFromElsewhereGiveTheirPair) {
    const std::pair<ChirpToneFields, ChannelTones> cases[] = {
        // TSQL reads cToneFreq; Tone reads rToneFreq only.
        {{"TSQL", "100.0", "131.8", "023", "NN", "023", "Tone->Tone"}, {"131.8", "131.8"}},
        {{"Tone", "131.8", "100.0", "411", "RR", "411", "->DTCS"}, {"None", "131.8"}},
        // Before RxDtcsCode existed: empty, and ->DTCS reads DtcsCode.
        {{"Cross", "88.5", "88.5", "244", "NN", "", "->DTCS"}, {"D244N", "None"}},
        // Case, blanks, two decimals, a code without its zero.
        {{" tsql ", "88.5", "103.50", "023", "nn", "023", ""}, {"103.5", "103.5"}},
        {{"cross", "88.5", "88.5", "23", "rr", "754", "dtcs->dtcs"}, {"D754I", "D23I"}},
    };
    for (const auto& [fields, want] : cases) {
        ChannelTones tones;
        std::string note;
        ASSERT_TRUE(ChannelTonesOf(fields, tones, note).ok()) << Row(fields);
        EXPECT_EQ(tones, want) << Row(fields);
    }
}

// A value in exponent form, as a spreadsheet may write it, is no tone
// (never a DCS code made of its first digit): that side gets none, and the
// note names the column.
TEST(ChirpTone, ExponentFormIsNoToneAndSaysSo) {
    const std::string no = " is not a tone: set to None";
    // clang-format off
    const std::tuple<ChirpToneFields, ChannelTones, std::string> cases[] = {
        {{"Tone", "1e4", "88.5", "023", "NN", "023", ""}, {"None", "None"}, "rToneFreq: \"1e4\"" + no},
        {{"TSQL", "88.5", "1E+04", "023", "NN", "023", ""}, {"None", "None"}, "cToneFreq: \"1E+04\"" + no},
        {{"DTCS", "88.5", "88.5", "1e400", "NN", "023", ""}, {"None", "None"}, "DtcsCode: \"1e400\"" + no},
        {{"Cross", "8.85e1", "88.5", "023", "NN", "2e1", "Tone->DTCS"}, {"None", "None"},
         "rToneFreq: \"8.85e1\"" + no + "; RxDtcsCode: \"2e1\"" + no},
        {{"Cross", "88.5", "67.0", "1e4", "NN", "023", "DTCS->Tone"}, {"67.0", "None"}, "DtcsCode: \"1e4\"" + no},
        // A column the mode does not read is not looked at.
        {{"Tone", "88.5", "1e4", "023", "NN", "023", ""}, {"None", "88.5"}, ""},
    };
    // clang-format on
    for (const auto& [fields, want, said] : cases) {
        ChannelTones tones;
        std::string note;
        ASSERT_TRUE(ChannelTonesOf(fields, tones, note).ok()) << Row(fields);
        EXPECT_EQ(tones, want) << Row(fields);
        EXPECT_EQ(note, said) << Row(fields);
    }
}

TEST(ChirpTone, ValuesCHIRPNeverWritesAreRefusedWithTheirColumn) {
    // clang-format off
    const std::pair<ChirpToneFields, std::string> cases[] = {
        {{"CTCSS", "88.5", "88.5", "023", "NN", "023", ""}, "Tone \"CTCSS\" is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross"},
        {{"Cross", "88.5", "88.5", "023", "NN", "023", "->"}, "CrossMode \"->\" is not one of Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, ->DTCS, DTCS->, DTCS->DTCS, Tone->"},
        {{"DTCS", "88.5", "88.5", "023", "NX", "023", ""}, "DtcsPolarity \"NX\" is not NN, NR, RN or RR"},
        {{"DTCS", "88.5", "88.5", "", "NN", "023", ""}, "DtcsCode is empty"},
    };
    // clang-format on
    for (const auto& [fields, message] : cases) {
        ChannelTones tones;
        std::string note;
        EXPECT_EQ(ChannelTonesOf(fields, tones, note).message(), message) << Row(fields);
    }
}

}  // namespace
}  // namespace dpmr
