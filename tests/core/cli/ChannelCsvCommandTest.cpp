// dpmrtool csv, run as a real program on real files: the export printed and
// written, its import changing no byte, a CHIRP export of another radio set
// through the table's rules in the file's own band with every change on
// stderr, and broken files refused with status 2, their line named and the
// file untouched.
#include <gtest/gtest.h>

#include <string>

#include "channels/ChannelRowText.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "support/DemoCodeplug.h"
#include "support/ImageBytes.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

using test::FileText;
using test::Tool;
using test::ToolRun;

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

class ChannelCsvCommand : public test::DemoFileTest {
  protected:
    ChannelRowTexts Row(int n) {
        RadioImage image;
        EXPECT_TRUE(LoadImageFile(file_, image).ok());
        return ChannelRowFromImage(image, n);
    }
};

TEST_F(ChannelCsvCommand, ExportPrintsEveryChannelAndItsImportChangesNoByte) {
    const ToolRun out = Tool("csv " + file_);
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out.substr(0, kHeader.size()), kHeader);
    EXPECT_NE(out.out.find("\n16,,446.193750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,"
                           "6.25,,1.0W,dPMR Mixed(Analog),,,,\n"),
              std::string::npos);
    ASSERT_EQ(Tool("csv " + file_ + " -o " + dir_.File("c.csv")).status, 0);
    EXPECT_EQ(FileText(dir_.File("c.csv")), out.out);

    const std::string before = FileText(file_);
    const ToolRun in = Tool("csv " + file_ + " --import " + dir_.File("c.csv"));
    EXPECT_EQ(in.status, 0) << in.err;
    EXPECT_EQ(in.err, dir_.File("c.csv") + ": 16 channels set\n");
    EXPECT_TRUE(FileText(file_) == before);
}

// The core's rules run in the file's own band (here 400-470 MHz), each
// change on stderr, the file named before each line, and the channels set.
TEST_F(ChannelCsvCommand, ImportSetsChannelsInTheFilesBandAndListsEveryChange) {
    const std::string csv = Write("other.csv", kHeader +
                                                   "3,RPT,145.600000,-,0.600000,Tone,88.5,88.5,023,"
                                                   "NN,023,Tone->Tone,FM,5.00,S,5.0W,,,,,\n");
    const ToolRun r = Tool("csv " + file_ + " --import " + csv);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, csv +
                         ": line 2: channel 3, Rx Freq: 145.6 is outside 400-470 MHz: set to "
                         "400.000000\n" +
                         csv +
                         ": line 2: channel 3, Tx Freq: 145 is outside 400-470 MHz: set to "
                         "400.000000\n" +
                         csv + ": names are not kept: the radio has no channel names\n" + csv +
                         ": 1 channel set\n");
    EXPECT_EQ(Row(3), (ChannelRowTexts{"400.000000", "400.000000", "None", "88.5", "High", "Del",
                                       "Wide", "Analog"}));
    EXPECT_EQ(Row(4)[0], "446.043750");  // left as it was
}

// An import changes the records of the channels its rows name (and their
// scan bits) and no other byte: a file of only the header line leaves a new
// file and a random one as they were, twice; one row on a random image
// changes that channel's record and bit 2 of 0x034C alone.
TEST_F(ChannelCsvCommand, ImportChangesTheNamedChannelsAndNothingElse) {
    RadioImage random;
    std::uint32_t x = 88172645u;
    for (std::size_t k = 0; k < RadioImage::kSize; ++k) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        random.SetU8(k, static_cast<std::uint8_t>(x));
    }
    RadioImage fresh;
    ASSERT_EQ(Tool("new -o " + dir_.File("new.dat")).status, 0);
    ASSERT_TRUE(LoadImageFile(dir_.File("new.dat"), fresh).ok());
    const std::string header = Write("h.csv", kHeader);
    for (const RadioImage& start : {fresh, random}) {
        ASSERT_TRUE(SaveImageFile(file_, start).ok());
        const std::string before = FileText(file_);
        for (int round = 0; round < 2; ++round) {
            const ToolRun r = Tool("csv " + file_ + " --import " + header);
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.err, header + ": 0 channels set\n");
            EXPECT_TRUE(FileText(file_) == before);
        }
    }

    ASSERT_TRUE(SaveImageFile(file_, random).ok());
    const std::string one = Write("one.csv", kHeader + "3,,446.1,,,,,,,,,,NFM,,,5.0W,,,,,\n");
    ASSERT_EQ(Tool("csv " + file_ + " --import " + one).status, 0);
    RadioImage got;
    ASSERT_TRUE(LoadImageFile(file_, got).ok());
    const std::size_t record = channel::RecordOffset(3);
    for (std::size_t k = 0; k < RadioImage::kSize; ++k) {
        if (k >= record && k < record + layout::kChannelSize) continue;
        const std::uint8_t mask = k == layout::kScanBitmap ? 0xFB : 0xFF;
        EXPECT_EQ(got.U8(k) & mask, random.U8(k) & mask) << "0x" << std::hex << k;
    }
    EXPECT_NE(test::ImageBytes(got, record, 4), test::ImageBytes(random, record, 4));
}

// Each refusal: status 2, one line naming the file, and the file untouched.
TEST_F(ChannelCsvCommand, BrokenFilesStopWithStatus2AndTheFileUntouched) {
    const std::string before = FileText(file_);
    const std::string bad = Write("a.csv", kHeader + "2,,446.2,+,0.6x,,,,,,,,FM,,,,,,,,\n");
    const ToolRun r = Tool("csv " + file_ + " --import " + bad);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "dpmrtool: " + bad + ": line 2: Offset \"0.6x\" is not a number of MHz\n");
    std::ofstream(dir_.File("big.csv")) << std::string((1 << 20) + 1, '\n');
    const ToolRun big = Tool("csv " + file_ + " --import " + dir_.File("big.csv"));
    EXPECT_EQ(big.status, 2);
    EXPECT_EQ(big.err, "dpmrtool: " + dir_.File("big.csv") +
                           ": line 1048577, column 1: larger than 1 MiB, no CHIRP CSV file\n");
    EXPECT_EQ(Tool("csv " + file_ + " --import " + dir_.File("none.csv")).status, 2);
    EXPECT_EQ(Tool("csv " + file_ + " -o x.csv --import y.csv").err,
              "dpmrtool: usage: dpmrtool csv FILE.dat [-o OUT.csv | --import IN.csv]\n");
    EXPECT_TRUE(FileText(file_) == before);
}

}  // namespace
}  // namespace dpmr
