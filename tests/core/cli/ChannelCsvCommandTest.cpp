// dpmrtool csv, run as a real program on real files: the export printed and
// written, its import changing no byte, a CHIRP export of another radio set
// through the table's rules in the file's own band with every change on
// stderr, and broken files refused with status 2, their line named and the
// file untouched.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "channels/ChannelRowText.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

using test::FileText;
using test::Tool;
using test::ToolRun;

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

class ChannelCsvCommand : public ::testing::Test {
  protected:
    void SetUp() override { fs::copy_file(DPMR_SOURCE_DIR "/res/pmr446-demo.dat", file_); }
    std::string Csv(const std::string& name, const std::string& text) {
        std::ofstream(dir_.File(name), std::ios::binary) << text;
        return dir_.File(name);
    }
    ChannelRowTexts Row(int n) {
        RadioImage image;
        EXPECT_TRUE(LoadImageFile(file_, image).ok());
        return ChannelRowFromImage(image, n);
    }

    test::TempDir dir_;
    const std::string file_ = dir_.File("radio.dat");
};

TEST_F(ChannelCsvCommand, ExportPrintsEveryChannelAndItsImportChangesNoByte) {
    const ToolRun out = Tool("csv " + file_);
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out.substr(0, kHeader.size()), kHeader);
    for (const char* row :
         {"\n1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,,,,,\n",
          "\n6,,446.068750,,0.000000,DTCS,88.5,88.5,754,RR,754,Tone->Tone,NFM,6.25,,1.0W,,,,,\n",
          "\n16,,446.193750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,"
          "dPMR Mixed(Analog),,,,\n"})
        EXPECT_NE(out.out.find(row), std::string::npos) << row;
    ASSERT_EQ(Tool("csv " + file_ + " -o " + dir_.File("c.csv")).status, 0);
    EXPECT_EQ(FileText(dir_.File("c.csv")), out.out);

    const std::string before = FileText(file_);
    const ToolRun in = Tool("csv " + file_ + " --import " + dir_.File("c.csv"));
    EXPECT_EQ(in.status, 0) << in.err;
    EXPECT_EQ(in.err, dir_.File("c.csv") + ": 16 channels set\n");
    EXPECT_TRUE(FileText(file_) == before);
}

// The file's band decides: 145 MHz is kept in a 136-174 MHz file and moved
// to the band edge in the 400-470 MHz one.
TEST_F(ChannelCsvCommand, ImportSetsChannelsInTheFilesBandAndListsEveryChange) {
    const std::string csv =
        Csv("other.csv", kHeader +
                             "0,CALL,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,"
                             ",5.0W,,,,,\n"
                             "3,RPT,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,"
                             "FM,5.00,S,5.0W,,,,,\n"
                             "4,AIR,121.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,"
                             ",5.0W,,,,,\n");
    const ToolRun r = Tool("csv " + file_ + " --import " + csv);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, csv +
                         ": line 2: Location \"0\" is no channel of this radio (1-16): left out\n" +
                         csv +
                         ": line 3: channel 3, Rx Freq: 145.6 is outside 400-470 MHz: set to "
                         "400.000000\n" +
                         csv +
                         ": line 3: channel 3, Tx Freq: 145 is outside 400-470 MHz: set to "
                         "400.000000\n" +
                         csv +
                         ": line 4: channel 4: Mode AM is not available (FM and NFM only): left "
                         "out\n" +
                         csv + ": names are not kept: the radio has no channel names\n" + csv +
                         ": 1 channel set\n");
    EXPECT_EQ(Row(3), (ChannelRowTexts{"400.000000", "400.000000", "None", "88.5", "High", "Del",
                                       "Wide", "Analog"}));
    EXPECT_EQ(Row(4)[0], "446.043750");  // left as it was

    RadioImage vhf;
    ASSERT_TRUE(LoadImageFile(file_, vhf).ok());
    vhf.SetBcd4(layout::kTableBandLower, 13600000);
    vhf.SetBcd4(layout::kTableBandUpper, 17400000);
    ASSERT_TRUE(SaveImageFile(file_, vhf).ok());
    const ToolRun v = Tool("csv " + file_ + " --import " + csv);
    ASSERT_EQ(v.status, 0) << v.err;
    EXPECT_EQ(v.err.find("outside"), std::string::npos) << v.err;
    EXPECT_EQ(Row(3), (ChannelRowTexts{"145.600000", "145.000000", "None", "88.5", "High", "Del",
                                       "Wide", "Analog"}));
}

TEST_F(ChannelCsvCommand, BrokenFilesStopWithStatus2AndTheFileUntouched) {
    const std::string before = FileText(file_);
    const std::pair<std::string, std::string> cases[] = {
        {Csv("a.csv",
             kHeader + "1,,446.1,,,,,,,,,,FM,,,,,,,,\n2,,446.2,+,0.6x,,,,,,,,FM,,,,,,,,\n"),
         "line 3: Offset \"0.6x\" is not a number of MHz"},
        {Csv("c.csv", kHeader + "1,\"A,446.1\n"), "line 2: a quoted field is not closed"},
    };
    for (const auto& [csv, message] : cases) {
        const ToolRun r = Tool("csv " + file_ + " --import " + csv);
        EXPECT_EQ(r.status, 2) << csv;
        EXPECT_EQ(r.err, "dpmrtool: " + csv + ": " + message + "\n");
        EXPECT_TRUE(FileText(file_) == before) << csv;
    }
    std::ofstream(dir_.File("big.csv")) << std::string((1 << 20) + 1, '\n');
    const ToolRun big = Tool("csv " + file_ + " --import " + dir_.File("big.csv"));
    EXPECT_EQ(big.status, 2);
    EXPECT_EQ(big.err,
              "dpmrtool: " + dir_.File("big.csv") + ": larger than 1 MiB, no CHIRP CSV file\n");
    EXPECT_EQ(Tool("csv " + file_ + " --import " + dir_.File("none.csv")).status, 2);
    EXPECT_EQ(Tool("csv " + file_ + " -o x.csv --import y.csv").err,
              "dpmrtool: usage: dpmrtool csv FILE.dat [-o OUT.csv | --import IN.csv]\n");
    EXPECT_TRUE(FileText(file_) == before);

    const std::string help = Tool("csv --help").out;
    EXPECT_NE(help.find("Comment \"dPMR\""), std::string::npos) << help;
}

}  // namespace
}  // namespace dpmr
