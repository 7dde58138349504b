// The channels as CHIRP's CSV file: each kind of channel written as CHIRP
// writes it, written and read back without a byte changed (crafted and random
// channels), a file shaped like CHIRP's export of another radio read through
// the table's rules with every change and left-out row reported, columns found
// by name, broken files refused with their line, and garbage never crashing.
#include "interchange/ChirpCsv.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "channels/ChannelRowText.h"
#include "channels/ToneCodec.h"
#include "support/ChannelTable.h"
#include "util/DecimalText.h"

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
                  "2,,438.500000,-,7.400000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"
                  ",,,,\n"
                  "3,,446.100000,+,10.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                  "5.0W,,,,,\n"
                  // Wider than 10 MHz, or not in steps of 100 kHz: split.
                  "4,,446.100000,split,456.200000,DTCS,88.5,88.5,754,RR,754,Tone->Tone,FM,"
                  "5.00,,5.0W,,,,,\n"
                  "5,,446.100000,split,446.112500,Cross,88.5,67.0,023,NN,023,->Tone,FM,5.00,,"
                  "1.0W,,,,,\n"
                  "6,,446.200000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1.0W,"
                  ",,,,\n"
                  "7,,446.106250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,1.0W,"
                  "dPMR,,,,\n"
                  "10,,446.002500,-,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,2.50,,1.0W,"
                  "dPMR Mixed(Digit),,,,\n");
}

// What the program writes it reads back to the same bytes: the fields CHIRP
// has no column for stay, the others come back from the file.
TEST(ChirpCsv, WrittenAndReadBackNoByteChanges) {
    test::ChannelTable t;
    TypeRow(t, 1, {"446.00625", "446.00625", "88.5", "D023I", "High", "Del", "Narrow", "Digit"});
    TypeRow(t, 2, {"400", "469.9", "D754N", "254.1", "Low", "Add", "Wide", "Analog"});
    TypeRow(t, 16, {"469.99375", "", "63.0", "None", "High", "Add", "Narrow", "Mixed(Digit)"});
    t.image.SetU8(channel::RecordOffset(1) + channel::kTxContact, 5);
    t.image.SetU8(channel::RecordOffset(1) + channel::kRxColourCode, 17);
    t.table.StoreGridToImage();

    std::mt19937 random(13);
    const auto& tones = ToneList();
    for (int round = 0; round < 60; ++round) {
        // Random channels on the raster inside the band, as the table keeps
        // them; empty ones between.
        for (int n = 3; n <= 15; ++n) {
            if (random() % 4 == 0) {
                TypeRow(t, n, {""});
                continue;
            }
            // A point of the 2.5 kHz or the 3.125 kHz raster, 400 to 470 MHz.
            const auto onRaster = [&] {
                const std::int64_t step = random() % 2 ? 2500 : 3125;
                const std::int64_t hz =
                    400000000 + static_cast<std::int64_t>(random() % 22400) * step;
                return FormatScaled(hz, 6);
            };
            const std::string tx = random() % 5 == 0 ? "" : onRaster();
            TypeRow(t, n,
                    {onRaster(), tx, tones[random() % tones.size()], tones[random() % tones.size()],
                     kPowerTexts[random() % 2], kScanTexts[random() % 2],
                     kBandwidthTexts[random() % 2], kChannelTypeTexts[random() % 4]});
        }
        t.table.StoreGridToImage();
        const RadioImage before = t.image;
        const ChirpImportReport report = Import(t, ChannelsToChirpCsv(t.image));
        EXPECT_EQ(report.lines, Lines{}) << round;
        ASSERT_TRUE(t.image == before) << round << "\n" << ChannelsToChirpCsv(before);
    }
}

// A file as CHIRP exports it from another radio: its own locations (0, past
// 16), names, watts and words for power, modes this radio lacks, tones and
// frequencies the table moves.
TEST(ChirpCsv, AnotherRadiosExportGoesThroughTheTableRules) {
    test::ChannelTable t;
    t.PutChannel(1, 44600625, 44600625);
    t.image.SetU8(channel::RecordOffset(1) + channel::kTxContact, 5);
    t.image.SetU8(channel::RecordOffset(1) + channel::kRxColourCode, 17);
    t.table.LoadImageToGrid();
    const ChirpImportReport report = Import(
        t, kHeader +
               "0,CALL,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,4.0W,,,,,\n"
               "1,RPT A,439.125000,-,7.600000,Tone,103.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,"
               "4.0W,Hilltop,,,,\n"
               "2,PMR2,446.018750,,0.000000,TSQL,94.8,94.8,023,NN,023,Tone->Tone,NFM,6.25,S,"
               "0.5W,,,,,\n"
               "3,2M,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
               "4,AIR,121.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,4.0W,,,,,\n"
               "5,DCS,462.562500,,0.000000,DTCS,88.5,88.5,411,RN,023,Tone->Tone,FM,12.50,P,Mid,"
               ",,,,\n"
               "6,X,446.010100,,0.000000,Cross,88.5,77.0,023,NN,754,->DTCS,FM,2.50,,1.0W,,,,,\n"
               "6,DUP,446.5,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,\n"
               "7,TSQLR,446.5,,0.000000,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\n"
               "8,UHF,470.5,,0.000000,Tone,300.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,2.0W,,,,,\n"
               "9,WORD,446.5,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Turbo,,,,,\n"
               "17,FAR,446.5,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,\n");
    EXPECT_EQ(report.channels, 8);
    EXPECT_EQ(report.lines,
              (Lines{"line 2: Location \"0\" is no channel of this radio (1-16): left out",
                     "line 5: channel 3, Rx Freq: 145.5 is outside 400-470 MHz: set to 400.000000",
                     "line 5: channel 3, Tx Freq: 145.5 is outside 400-470 MHz: set to 400.000000",
                     "line 6: channel 4: Mode AM is not available (FM and NFM only): left out",
                     "line 8: channel 6, Rx Freq: 446.0101 is not on the channel raster: set to "
                     "446.010000",
                     "line 8: channel 6, Tx Freq: 446.0101 is not on the channel raster: set to "
                     "446.010000",
                     "line 9: channel 6 is set on line 8: left out",
                     "line 10: channel 7: tone mode TSQL-R (reverse squelch) is not available: "
                     "no tones",
                     "line 11: channel 8, Rx Freq: 470.5 is outside 400-470 MHz: set to "
                     "470.000000",
                     "line 11: channel 8, Tx Freq: 470.5 is outside 400-470 MHz: set to "
                     "470.000000",
                     "line 11: channel 8, Tx Tone: 300.0 is not a tone: set to None",
                     "line 12: channel 9: Power \"Turbo\" is not understood: set to High",
                     "line 13: Location \"17\" is no channel of this radio (1-16): left out",
                     "names are not kept: the radio has no channel names"}));
    std::string rows;
    for (int n = 1; n <= 9; ++n) rows += t.Row(n) + "\n";
    EXPECT_EQ(rows,
              "439.125000|431.525000|None|103.5|High|Add|Wide|Analog\n"
              "446.018750|446.018750|94.8|94.8|Low|Del|Narrow|Analog\n"
              "400.000000|400.000000|None|None|High|Add|Wide|Analog\n"
              "|||||||\n"
              "462.562500|462.562500|D411N|D411I|Low|Add|Wide|Analog\n"
              "446.010000|446.010000|D754N|None|Low|Add|Wide|Analog\n"
              "446.500000|446.500000|None|None|High|Add|Wide|Analog\n"
              "470.000000|470.000000|None|None|Low|Add|Wide|Analog\n"
              "446.500000|446.500000|None|None|High|Add|Wide|Analog\n");
    // Channel 1 was there: what CHIRP has no column for stays. Channel 2 is
    // new: the rest of its record is that of a new channel.
    const auto kept = [&](int n) {
        return std::pair(t.image.U8(channel::RecordOffset(n) + channel::kTxContact),
                         t.image.U8(channel::RecordOffset(n) + channel::kRxColourCode));
    };
    EXPECT_EQ(kept(1), (std::pair<std::uint8_t, std::uint8_t>(5, 17)));
    EXPECT_EQ(kept(2), (std::pair<std::uint8_t, std::uint8_t>(0, 0xFF)));
    // Stored: the shift of channel 1, Tx below Rx.
    EXPECT_EQ(t.image.Bcd4(channel::RecordOffset(1) + channel::kOffset), 760000u);
    EXPECT_EQ(
        t.image.Bits(channel::RecordOffset(1) + channel::kMode, channel::kOffsetDirectionLo, 2),
        2u);
}

// Columns by name in any order and case, extra ones ignored, missing ones
// empty: an old CHIRP file without RxDtcsCode and CrossMode, and a list with
// three columns.
TEST(ChirpCsv, ColumnsAreFoundByName) {
    test::ChannelTable t(13600000, 17400000);  // 136-174 MHz
    ChirpCsvRows rows;
    EXPECT_EQ(ReadChirpCsv("\xEF\xBB\xBFlocation, Frequency ,Zone,tone,DTCSCODE,CrossMode\r\n"
                           "2,145.29,Club,DTCS,244,\r\n"
                           "\r\n"
                           "4,146.94,,Cross,065,\r\n",
                           rows)
                  .message(),
              "line 4: CrossMode \"\" is not one of Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, "
              "->DTCS, DTCS->, DTCS->DTCS, Tone->");

    const ChirpImportReport ok = Import(t,
                                        "Mode,Frequency,Location,Name\n"
                                        ",146.52,1,\n"
                                        "NFM,145.6,16,Gate\n"
                                        ",146.52,none,Club\n");
    EXPECT_EQ(ok.channels, 2);
    EXPECT_EQ(ok.lines, (Lines{"line 4: Location \"none\" is no channel of this radio "
                               "(1-16): left out",
                               "names are not kept: the radio has no channel names"}));
    EXPECT_EQ(t.Row(1), "146.520000|146.520000|None|None|High|Add|Wide|Analog");
    EXPECT_EQ(t.Row(16), "145.600000|145.600000|None|None|High|Add|Narrow|Analog");

    const ChirpImportReport old = Import(t,
                                         "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,"
                                         "cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
                                         "Comment,URCALL,RPT1CALL,RPT2CALL\n"
                                         "2,,145.29,-,0.6,DTCS,88.5,88.5,244,NR,NFM,5,S,,,,\n");
    EXPECT_EQ(old.lines, Lines{});
    EXPECT_EQ(t.Row(2), "145.290000|144.690000|D244I|D244N|High|Del|Narrow|Analog");
}

TEST(ChirpCsv, BrokenFilesNameTheirLine) {
    const std::string head = "Location,Frequency,Duplex,Offset,Tone,Skip\n";
    const std::pair<std::string, std::string> cases[] = {
        {"",
         "line 1: the first line must name the columns, Location and Frequency among them, "
         "as CHIRP writes it"},
        {head + "1,abc,,,,\n", "line 2: Frequency \"abc\" is not a frequency in MHz"},
        {head + "1,12000,,,,\n", "line 2: Frequency \"12000\" is not a frequency in MHz"},
        {head + "1,446,x,0,,\n", "line 2: Duplex \"x\" is not empty, +, -, split or off"},
        {head + "1,446,-,-5,,\n", "line 2: Offset \"-5\" is not a number of MHz"},
        {head + "1,446,-,500,,\n",
         "line 2: Frequency - Offset gives -54 MHz, no frequency to transmit on"},
        {head + "1,446,split,,,\n", "line 2: Offset \"\" is not a frequency in MHz"},
        {head + "1,446,,,,Y\n", "line 2: Skip \"Y\" is not empty, S or P"},
        {head + "1,\"446\n", "line 2: a quoted field is not closed"},
        {head + "\r\n2,446,,,,\r\n\r\n3,4x6,,,,\r\n",
         "line 5: Frequency \"4x6\" is not a frequency in MHz"},
    };
    for (const auto& [csv, message] : cases) {
        ChirpCsvRows rows;
        rows.notes.push_back({1, "stale"});
        const Status s = ReadChirpCsv(csv, rows);
        EXPECT_FALSE(s.ok()) << csv;
        EXPECT_EQ(s.message(), message) << csv;
        EXPECT_TRUE(rows.channels.empty() && rows.notes.empty()) << csv;
    }
}

// Random bytes and randomly damaged files never crash; what is read is set
// within the band and on the raster, as the table sets it.
TEST(ChirpCsv, GarbageNeverCrashesAndNeverLeavesTheBand) {
    std::mt19937 random(7);
    const std::string good = kHeader +
                             "1,A,446.006250,+,5.000000,Cross,88.5,77.0,023,NR,754,Tone->DTCS,"
                             "FM,6.25,S,4.0W,dPMR,,,,\n"
                             "2,B,139.5,split,455.1,DTCS,88.5,88.5,411,RN,023,,NFM,5,,Low,,,,,\n";
    const std::string alphabet = "0123456789.,-+\"\nDNRSTW ;>";
    test::ChannelTable t;
    for (int round = 0; round < 3000; ++round) {
        std::string csv = good;
        if (round % 3 == 0) {
            csv.resize(random() % 200);
            for (char& c : csv) c = static_cast<char>(random() % 256);
        } else {
            for (int k = 0; k < 4; ++k)
                csv[random() % csv.size()] = alphabet[random() % alphabet.size()];
        }
        ChirpCsvRows rows;
        if (!ReadChirpCsv(csv, rows).ok()) continue;
        ImportChirpRows(t.table, rows);
        for (int n = 1; n <= 16; ++n) {
            const ChannelRowTexts row = ChannelRowFromImage(t.image, n);
            for (const std::string* f : {&row[0], &row[1]}) {
                if (f->empty()) continue;
                const std::int64_t hz = ScaleDecimalText(*f, 6);
                EXPECT_TRUE(t.band.Contains(FrequencyFromText(*f))) << csv;
                EXPECT_TRUE(hz % 2500 == 0 || hz % 3125 == 0) << csv;
            }
        }
    }
}

}  // namespace
}  // namespace dpmr
