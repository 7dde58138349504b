// The channels as CHIRP's CSV file: each kind of channel written as CHIRP
// writes it, written and read back without a byte changed, a file shaped like
// CHIRP's export of another radio read through the table's rules with every
// change and left-out row reported, columns found by name, and broken files
// refused with their line.
#include "interchange/ChirpCsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ChannelTable.h"

namespace dpmr {
namespace {

using Lines = std::vector<std::string>;

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

// Types a row into the table as a user would: Rx, Tx, tones, the four lists.
void TypeRow(test::ChannelTable& t, int n, const std::vector<std::string>& cells) {
    for (std::size_t k = 0; k < cells.size(); ++k)
        t.table.EnterCellText(n, static_cast<int>(k) + 1, cells[k]);
}

// Reads `csv` and sets its channels through `t`'s table; the report.
ChirpImportReport Import(test::ChannelTable& t, const std::string& csv) {
    ChirpCsvRows rows;
    const Status s = ReadChirpCsv(csv, rows);
    EXPECT_TRUE(s.ok()) << s.message();
    return ImportChirpRows(t.table, rows);
}

// clang-format off
TEST(ChirpCsv, EachKindOfChannelIsWrittenAsCHIRPWritesIt) {
    test::ChannelTable t;
    TypeRow(t, 1, {"446.00625", "446.00625", "None", "None", "Low", "Add", "Narrow", "Analog"});
    TypeRow(t, 2, {"438.5", "431.1", "88.5", "88.5", "High", "Add", "Wide", "Analog"});
    TypeRow(t, 3, {"446.1", "456.1", "D023N", "D023N", "High", "Add", "Wide", "Analog"});
    TypeRow(t, 4, {"446.1", "456.2", "D754I", "D754I", "High", "Add", "Wide", "Analog"});
    TypeRow(t, 5, {"446.1", "446.1125", "67.0", "None", "Low", "Add", "Wide", "Analog"});
    TypeRow(t, 6, {"446.2", "", "None", "None", "Low", "Add", "Wide", "Analog"});
    TypeRow(t, 7, {"446.10625", "446.10625", "None", "None", "Low", "Del", "Narrow", "Digit"});
    TypeRow(t, 10, {"446.0025", "441.0025", "None", "None", "Low", "Add", "Wide", "Mixed(Digit)"});
    t.table.StoreGridToImage();
    EXPECT_EQ(ChannelsToChirpCsv(t.image),
              kHeader +
                  "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,,,,,\n"
                  "2,,438.500000,-,7.400000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
                  "3,,446.100000,+,10.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
                  // Wider than 10 MHz, or not in steps of 100 kHz: split.
                  "4,,446.100000,split,456.200000,DTCS,88.5,88.5,754,RR,754,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
                  "5,,446.100000,split,446.112500,Cross,88.5,67.0,023,NN,023,->Tone,FM,5.00,,1.0W,,,,,\n"
                  "6,,446.200000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,\n"
                  "7,,446.106250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,1.0W,dPMR,,,,\n"
                  "10,,446.002500,-,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,2.50,,1.0W,dPMR Mixed(Digit),,,,\n");
}
// clang-format on

// What the program writes it reads back to the same bytes: the fields CHIRP
// has no column for stay, the others come back from the file.
TEST(ChirpCsv, WrittenAndReadBackNoByteChanges) {
    test::ChannelTable t;
    TypeRow(t, 1, {"446.00625", "446.00625", "88.5", "D023I", "High", "Del", "Narrow", "Digit"});
    TypeRow(t, 2, {"400", "469.9", "D754N", "254.1", "Low", "Add", "Wide", "Analog"});
    TypeRow(t, 3, {"446.1", "", "None", "None", "Low", "Add", "Wide", "Mixed(Analog)"});
    TypeRow(t, 16, {"469.99375", "", "63.0", "None", "High", "Add", "Narrow", "Mixed(Digit)"});
    t.image.SetU8(channel::RecordOffset(1) + channel::kTxContact, 5);
    t.image.SetU8(channel::RecordOffset(1) + channel::kRxColourCode, 17);
    t.table.StoreGridToImage();
    const RadioImage before = t.image;
    EXPECT_EQ(Import(t, ChannelsToChirpCsv(t.image)).lines, Lines{});
    EXPECT_TRUE(t.image == before) << ChannelsToChirpCsv(before);
}

// clang-format off
// A file as CHIRP exports it from another radio: its own locations (0, past
// 16), names, watts and words for power, modes this radio lacks, tones and
// frequencies the table moves.
TEST(ChirpCsv, AnotherRadiosExportGoesThroughTheTableRules) {
    test::ChannelTable t;
    t.PutChannel(1, 44600625, 44600625);
    t.image.SetU8(channel::RecordOffset(1) + channel::kTxContact, 5);
    t.table.LoadImageToGrid();
    const ChirpImportReport report = Import(
        t, kHeader +
               "0,CALL,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,4.0W,,,,,\n"
               "1,RPT A,439.125000,-,7.600000,Tone,103.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,4.0W,Hilltop,,,,\n"
               "2,PMR2,446.018750,,0.000000,TSQL,94.8,94.8,023,NN,023,Tone->Tone,NFM,6.25,S,0.5W,,,,,\n"
               "3,2M,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
               "4,AIR,121.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,4.0W,,,,,\n"
               "6,X,446.010100,,0.000000,Cross,88.5,77.0,023,NN,754,->DTCS,FM,2.50,,1.0W,,,,,\n"
               "6,DUP,446.5,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,\n"
               "7,TSQLR,446.5,,0.000000,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\n"
               "9,WORD,446.5,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Turbo,,,,,\n"
               "17,FAR,446.5,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,\n");
    EXPECT_EQ(report.channels, 6);
    EXPECT_EQ(report.lines,
              (Lines{"line 2: Location \"0\" is no channel of this radio (1-16): left out",
                     "line 5: channel 3, Rx Freq: 145.5 is outside 400-470 MHz: set to 400.000000",
                     "line 5: channel 3, Tx Freq: 145.5 is outside 400-470 MHz: set to 400.000000",
                     "line 6: channel 4: Mode AM is not available (FM and NFM only): left out",
                     "line 7: channel 6, Rx Freq: 446.0101 is not on the channel raster: set to 446.010000",
                     "line 7: channel 6, Tx Freq: 446.0101 is not on the channel raster: set to 446.010000",
                     "line 8: channel 6 is set on line 7: left out",
                     "line 9: channel 7: tone mode TSQL-R (reverse squelch) is not available: no tones",
                     "line 10: channel 9: Power \"Turbo\" is not understood: set to High",
                     "line 11: Location \"17\" is no channel of this radio (1-16): left out",
                     "names are not kept: the radio has no channel names"}));
    std::string rows;
    for (int n : {1, 2, 3, 4, 6, 7, 9}) rows += t.Row(n) + "\n";
    EXPECT_EQ(rows,
              "439.125000|431.525000|None|103.5|High|Add|Wide|Analog\n"
              "446.018750|446.018750|94.8|94.8|Low|Del|Narrow|Analog\n"
              "400.000000|400.000000|None|None|High|Add|Wide|Analog\n"
              "|||||||\n"
              "446.010000|446.010000|D754N|None|Low|Add|Wide|Analog\n"
              "446.500000|446.500000|None|None|High|Add|Wide|Analog\n"
              "446.500000|446.500000|None|None|High|Add|Wide|Analog\n");
    // Channel 1 was there: what CHIRP has no column for stays.
    EXPECT_EQ(t.image.U8(channel::RecordOffset(1) + channel::kTxContact), 5);
}
// clang-format on

// A tone in exponent form, as a spreadsheet saves 10000, is reported as a
// bad tone like 10000 itself, never taken as DCS 001.
TEST(ChirpCsv, AToneInExponentFormIsReportedLikeAnyBadTone) {
    test::ChannelTable t;
    const ChirpImportReport report =
        Import(t,
               "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,CrossMode\n"
               "1,446.1,Tone,1e4,88.5,023,\n"
               "2,446.1,Tone,10000,88.5,023,\n"
               "3,446.1,DTCS,88.5,88.5,1E+04,\n"
               "4,446.1,Cross,1e400,88.5,023,Tone->Tone\n");
    EXPECT_EQ(report.channels, 4);
    EXPECT_EQ(report.lines,
              (Lines{"line 2: channel 1: rToneFreq: \"1e4\" is not a tone: set to None",
                     "line 3: channel 2, Tx Tone: \"10000.0\" is not a tone: set to None",
                     "line 4: channel 3: DtcsCode: \"1E+04\" is not a tone: set to None",
                     "line 5: channel 4: rToneFreq: \"1e400\" is not a tone: set to None"}));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(t.Row(n), "446.100000|446.100000|None|None|High|Add|Wide|Analog") << n;
    EXPECT_EQ(t.Row(4), "446.100000|446.100000|88.5|None|High|Add|Wide|Analog");
}

// Columns by name in any order, case and blanks, after a byte order mark;
// extra ones ignored, missing ones empty.
TEST(ChirpCsv, ColumnsAreFoundByName) {
    test::ChannelTable t(13600000, 17400000);  // 136-174 MHz
    const ChirpImportReport ok = Import(t,
                                        "\xEF\xBB\xBFMode, frequency ,LOCATION,Name\r\n"
                                        ",146.52,1,\n"
                                        "NFM,145.6,16,Gate\n");
    EXPECT_EQ(ok.channels, 2);
    EXPECT_EQ(ok.lines, Lines{"names are not kept: the radio has no channel names"});
    EXPECT_EQ(t.Row(1), "146.520000|146.520000|None|None|High|Add|Wide|Analog");
    EXPECT_EQ(t.Row(16), "145.600000|145.600000|None|None|High|Add|Narrow|Analog");
}

// A broken file is refused whole, naming its line (blank lines counted).
TEST(ChirpCsv, BrokenFilesNameTheirLine) {
    const std::string head = "Location,Frequency,Duplex,Offset,Tone,Skip\n";
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: the first line must name the columns, Location and Frequency among them, as CHIRP writes it"},
        {head + "1,446,x,0,,\n", "line 2: Duplex \"x\" is not empty, +, -, split or off"},
        // A cell is quoted escaped: a line break in it keeps the message on one line.
        {head + "1,446,\"x\ny\x1b[0m\",0,,\n", "line 2: Duplex \"x\\ny\\x1b[0m\" is not empty, +, -, split or off"},
        {head + "1,446,-,500,,\n", "line 2: Frequency - Offset gives -54 MHz, no frequency to transmit on"},
        {head + "1,446,+,99999999999999999999,,\n", "line 2: Offset \"99999999999999999999\" is 10000 MHz or more, no frequency to transmit on"},
        {head + "1,446,-,99999999999999999999,,\n", "line 2: Offset \"99999999999999999999\" is 10000 MHz or more, no frequency to transmit on"},
        {head + "1,446,+,9554,,\n", "line 2: Frequency + Offset gives 10000 MHz, no frequency to transmit on"},
        {head + "1,446,,,,Y\n", "line 2: Skip \"Y\" is not empty, S or P"},
        {head + "\r\n2,446,,,,\r\n\r\n3,4x6,,,,\r\n", "line 5: Frequency \"4x6\" is not a frequency in MHz"},
    };
    // clang-format on
    for (const auto& [csv, message] : cases) {
        ChirpCsvRows rows;
        rows.notes.push_back({1, "stale"});
        const Status s = ReadChirpCsv(csv, rows);
        EXPECT_FALSE(s.ok()) << csv;
        EXPECT_EQ(s.message(), message) << csv;
        EXPECT_TRUE(rows.channels.empty() && rows.notes.empty()) << csv;
    }
}

}  // namespace
}  // namespace dpmr
