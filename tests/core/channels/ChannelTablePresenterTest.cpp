// The channel table's rules, driven through the presenter on real images and
// real settings files. The codecs behind the cell texts have their own tests.
#include "channels/ChannelTablePresenter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>
#include <vector>

#include "ProjectPaths.h"
#include "codec/FrequencyCodec.h"
#include "document/NewDocument.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "interchange/CodeplugModel.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

using Texts = std::vector<std::string>;

// `len` image bytes from `off` as hex digits, e.g. "00255114".
std::string Hex(const RadioImage& image, std::size_t off, std::size_t len) {
    return HexText(image.Data() + off, len);
}

// One table on a fresh image with a "FreqRange" setting and band bytes.
class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFreqRange("136-174MHz;400-470MHz");
        SetImageBand(13600000, 17400000);
        settings.programFolder = dir.path();
        settings.settingsPath = dir.File("Program.ini");
    }
    void WriteFreqRange(const std::string& value) {
        std::ofstream(dir.File("Program.ini")) << "[Setup]\nFreqRange=" << value << "\n";
    }
    void SetImageBand(std::uint32_t lower, std::uint32_t upper) {
        image.SetBcd4(layout::kTableBandLower, lower);
        image.SetBcd4(layout::kTableBandUpper, upper);
    }
    // A channel the way the radio holds it, receiving and sending on `freq`.
    void PutChannel(int n, std::int64_t freq) {
        ResetChannelRecord(image, n);
        SetBcdFrequency(image, channel::RecordOffset(n) + channel::kRxFreq, freq);
        SetBcdFrequency(image, channel::RecordOffset(n) + channel::kTxFreq, freq);
    }
    // Opens the editor of (row, col), types `text` and, unless told to stay, leaves it.
    void Type(int row, int col, const std::string& text, bool stay = false) {
        table.SetCurrentCell(row, col);
        table.BeginCellEdit();
        table.SetEditorText(text);
        if (!stay) table.CommitOpenEditors();
    }
    Texts Row(int row) const {
        Texts out;
        for (int c = 1; c <= 8; ++c) out.push_back(table.Cell(row, c));
        return out;
    }

    test::TempDir dir;
    RadioImage image;
    BandLimits band;
    AppSettings settings;
    ChannelTablePresenter table{image, band, settings};
};

TEST_F(TableTest, TypingMakesClampsAndClearsChannels) {
    EXPECT_TRUE(table.CurrentRow() == 1 && table.CurrentCol() == 1);  // where a new table starts
    table.SelectBandFromImage();                                      // 136..174 MHz
    Type(1, 1, "145.125");
    EXPECT_EQ(Row(1),
              (Texts{"145.125000", "145.125000", "None", "None", "High", "Add", "Wide", "Digit"}));
    table.StoreGridToImage();
    const std::size_t r = channel::RecordOffset(1);
    // Rx, Tx, the two tones "None", offset 0.
    EXPECT_EQ(Hex(image, r, 16), "0025511400255114FFFFFFFF00000000");
    EXPECT_EQ(image.U8(r + 0x10), 0xC1);
    EXPECT_EQ(image.U8(r + 0x12), 0x40);
    EXPECT_EQ(image.U8(r + 0x16), 1);
    // A Tx commit that changes the text says at once whether Rx and Tx are
    // the same: 0, then 1 again (no store needed).
    Type(1, 2, "146");
    EXPECT_EQ(image.U8(r + 0x16), 0);
    Type(1, 2, "145.125");
    EXPECT_EQ(image.U8(r + 0x16), 1);
    Type(1, 1, "");  // clearing "Rx Freq" empties the row and resets the record
    EXPECT_EQ(Row(1), Texts(8));
    RadioImage reset = image;
    ResetChannelRecord(reset, 1);
    EXPECT_TRUE(image == reset);
    Type(2, 1, "0");  // no frequency: no channel
    EXPECT_EQ(table.Cell(2, 1), "");
    Type(3, 1, "1a45,12500009", true);  // digits and points (a comma is one), 10 at most
    EXPECT_EQ(table.EditorText(), "145.125000");
}

// A store writes only the table's fields: the bits of +0x10 and +0x12 that
// only the channel edit dialog edits are kept; every channel type and both
// tone columns land in their bytes; +0x16 is set to 1 exactly when Rx equals
// Tx and otherwise left as the dialog's Repeat choice had it.
TEST_F(TableTest, StoreWritesTheTableFieldsAndKeepsTheDialogsBits) {
    using Case = std::tuple<Texts, std::uint8_t, std::uint8_t, std::uint8_t, std::string,
                            std::uint8_t, std::uint8_t, std::uint8_t>;
    // Texts of columns 1..8; +0x10, +0x12 and +0x16 before the store; the
    // tone bytes +0x08..+0x0B, +0x10, +0x12 and +0x16 after it.
    // clang-format off
    const Case rows[] = {
        {{"145.125000", "145.125000", "88.5", "D023N", "High", "Add", "Wide", "Analog"},
         0x3C, 0x03, 0x00, "85082380", 0xFD, 0x03, 1},
        {{"145.125000", "145.725000", "None", "D754I", "Low", "Del", "Narrow", "Digit"},
         0xFD, 0x33, 1, "FFFF54C7", 0x3E, 0x53, 1},
        {{"145.125000", "144.525000", "254.1", "None", "Low", "Add", "Wide", "Mixed(Digit)"},
         0x00, 0x00, 0, "4125FFFF", 0x01, 0xA0, 0},
        {{"146.000000", "146.000000", "None", "None", "High", "Del", "Narrow", "Mixed(Analog)"},
         0x3C, 0x01, 0, "FFFFFFFF", 0xFE, 0xC1, 1}};
    // clang-format on
    for (const auto& [texts, flags, mode, same, tones, flagsAfter, modeAfter, sameAfter] : rows) {
        const std::size_t r = channel::RecordOffset(1);
        ResetChannelRecord(image, 1);
        SetBcdFrequency(image, r, FrequencyFromText(texts[0]));
        SetBcdFrequency(image, r + 4, FrequencyFromText(texts[1]));
        table.SelectBandFromImage();
        for (int c = 3; c <= 8; ++c) Type(1, c, texts[static_cast<std::size_t>(c - 1)]);
        image.SetU8(r + 0x10, flags);
        image.SetU8(r + 0x12, mode);
        image.SetU8(r + 0x16, same);
        table.StoreGridToImage();
        EXPECT_EQ(Row(1), texts);
        EXPECT_EQ(Hex(image, r + 0x08, 4), tones) << texts[7];
        EXPECT_EQ(image.U8(r + 0x10), flagsAfter) << texts[7];
        EXPECT_EQ(image.U8(r + 0x12), modeAfter) << texts[7];
        EXPECT_EQ(image.U8(r + 0x16), sameAfter) << texts[7];
    }
}

// A commit that changes the text as typed says so, once; one that takes it
// does not. A 3.125 kHz point is on the raster although the record keeps
// tens of Hz; a digit short of it is not. (The program view's tests check
// each notice's text.)
TEST_F(TableTest, CommitsThatChangeWhatWasTypedSaySo) {
    PutChannel(2, 14512500);
    table.SelectBandFromImage();  // 136..174 MHz
    Type(2, 1, "145.003125");
    EXPECT_EQ(table.TakeNotice(), "");
    Type(2, 1, "145.00312");
    EXPECT_EQ(table.TakeNotice(), "145.00312 is not on the channel raster: set to 145.003125");
    EXPECT_EQ(table.TakeNotice(), "");  // taken once
}

// Tone cells: a comma is the point, a DCS code that does not exist leaves
// the cell as it was and says why, a plain number says which CTCSS tone to
// type instead. A pasted or imported tone goes the same way.
TEST_F(TableTest, ToneCellsTakeCommasAndRefuseCodesThatDoNotExist) {
    PutChannel(2, 14512500);
    table.SelectBandFromImage();
    Type(2, 3, "88,5");
    EXPECT_EQ(table.Cell(2, 3), "88.5");
    EXPECT_EQ(table.TakeNotice(), "");
    Type(2, 3, "D089N");
    EXPECT_EQ(table.Cell(2, 3), "88.5");
    EXPECT_EQ(table.TakeNotice(),
              "D089N is not a DCS code (DCS codes use the digits 0 to 7): left as it was");
    Type(2, 4, "67");
    EXPECT_EQ(table.Cell(2, 4), "D067N");
    EXPECT_EQ(table.TakeNotice(), "67 was taken as DCS D067N; type 67.0 for 67.0 Hz");
    EXPECT_NE(table.EnterCellText(2, 4, "98"), "");
    EXPECT_EQ(table.Cell(2, 4), "D067N");
    table.SetCurrentCell(2, 3);
    for (const char c : {'d', 'N', 'i', 'x'}) {  // the letters of a DCS code, nothing else
        EXPECT_EQ(table.TypeIntoCell(c), c != 'x') << c;
        table.CancelEditor();
    }
    EXPECT_TRUE(table.TypeIntoCell(','));
    EXPECT_EQ(table.EditorText(), ",");
    // Enter in the tone editor commits and moves on, as in the other editors.
    table.SetEditorText("D023N");
    table.ToneEditorEnter();
    EXPECT_EQ(table.Cell(2, 3), "D023N");
    EXPECT_EQ(table.CurrentCol(), 4);
}

// "Channel type" ends a row for Enter: the next row's "Rx Freq" follows, not
// the empty last column; in the last row Enter stays on the cell.
TEST_F(TableTest, EnterInTheLastEditedColumnGoesToTheNextRow) {
    PutChannel(15, 14512500);
    PutChannel(16, 14512500);
    table.SelectBandFromImage();
    for (const auto& [row, after] :
         {std::pair{15, std::pair{16, 1}}, std::pair{16, std::pair{16, 8}}}) {
        table.SetCurrentCell(row, 8);
        table.BeginCellEdit();
        ASSERT_EQ(table.OpenEditor(), CellEditor::kList);
        table.ListEditorEnter();
        EXPECT_EQ(std::pair(table.CurrentRow(), table.CurrentCol()), after) << row;
    }
}

TEST_F(TableTest, EditorCommitsToTheCellItWasOpenedOn) {
    PutChannel(2, 14512500);
    table.SelectBandFromImage();
    Type(2, 9, "", true);  // the last column has no editor
    EXPECT_EQ(table.OpenEditor(), CellEditor::kNone);
    Type(2, 4, "23", true);
    table.SetCurrentCell(5, 6);  // the user clicked elsewhere before the commit
    table.CommitOpenEditors();
    EXPECT_EQ(table.Cell(2, 4), "D023N");
    EXPECT_EQ(table.Cell(5, 6), "");
}

// The first entry holding the image's band is chosen; band bytes that are no
// band (0xFF, zeros) keep the band in use.
TEST_F(TableTest, FreqRangeEntriesAndBandMatching) {
    using Case = std::tuple<std::string, std::uint32_t, std::uint32_t, int, BandLimits>;
    for (const auto& [setting, lower, upper, selection, chosen] : std::vector<Case>{
             {";;136-174MHz;;400-480MHz;", 40000000, 47000000, 1, {40000000, 48000000}},
             {"136-174MHz;400-470MHz", 20000000, 26000000, -1, {20000000, 26000000}},
             {"VHF;x-1MHz;136-174MHz", 14000000, 15000000, 2, {13600000, 17400000}},
             {"136-174MHz;400-470MHz", ~0u, ~0u, 1, {40000000, 47000000}},  // 0xFF bytes
             {"136-174MHz;400-470MHz", 0, 0, 1, {40000000, 47000000}},
             {"136-174MHz; 400 - 480 MHz", 40000000, 47000000, 1, {40000000, 48000000}}}) {
        WriteFreqRange(setting);
        SetImageBand(lower, upper);
        if (lower == ~0u) image.FillFF(layout::kTableBandLower, 8);
        band = BandLimits{43000000, 44000000};  // the band in use
        table.SelectBandFromImage();
        EXPECT_EQ(table.BandSelection(), selection) << setting << " " << lower;
        EXPECT_EQ(band, chosen) << setting << " " << lower;
    }
}

TEST_F(TableTest, ChoosingAnotherBandClearsAllChannelsTheSameBandNothing) {
    WriteFreqRange("136-174MHz;400-470MHz;UHF");
    SetImageBand(40000000, 47000000);
    PutChannel(2, 44600625);
    table.SelectBandFromImage();
    EXPECT_TRUE(table.HasChannels());
    for (int index : {1, 2, 7}) {  // the same band, an entry without two numbers, no entry
        EXPECT_FALSE(table.ChangeBandClearsChannels(index)) << index;
        table.ChangeBand(index);
        EXPECT_EQ(band, (BandLimits{40000000, 47000000})) << index;
        EXPECT_FALSE(IsChannelEmpty(image, 2)) << index;
    }
    EXPECT_TRUE(table.ChangeBandClearsChannels(0));
    table.ChangeBand(0);
    EXPECT_EQ(band, (BandLimits{13600000, 17400000}));
    EXPECT_EQ(table.Cell(2, 1), "");
    EXPECT_TRUE(IsChannelEmpty(image, 2));
    EXPECT_FALSE(table.HasChannels() || table.ChangeBandClearsChannels(1));
    table.StoreGridToImage();  // the band bytes follow at the next store
    EXPECT_EQ(Hex(image, layout::kTableBandLower, 8), "0000601300004017");
    // An entry written with blanks is a band like any other: chosen, stored
    // and found again when the file is opened.
    WriteFreqRange("136-174MHz;410 - 430 MHz");
    table.SelectBandFromImage();
    table.ChangeBand(1);
    table.StoreGridToImage();
    EXPECT_EQ(Hex(image, layout::kTableBandLower, 8), "0000004100000043");
    band = BandLimits{};
    table.SelectBandFromImage();
    EXPECT_EQ(table.BandSelection(), 1);
    EXPECT_EQ(band, (BandLimits{41000000, 43000000}));
}

TEST_F(TableTest, StoreWritesTheDerivedBytesAndTheScanBitmap) {
    SetImageBand(40000000, 47000000);
    PutChannel(1, 40000000);   // the lower band edge
    PutChannel(2, 44600625);   // to be set to "Del"
    PutChannel(16, 47000000);  // the upper band edge, the last bit
    image.SetU8(layout::kToneLight, 0x12);
    image.SetU8(layout::kToneLight2, 0x00);
    // The band list's text gives the band bytes (none without a band) and 0x3FD6.
    using Band = std::tuple<std::string, int, std::uint32_t>;
    for (const auto& [setting, selector, upper] :
         {Band{"400-470mhz", 1, 47000000}, Band{"136-174MHz", 0, 47000000}}) {
        WriteFreqRange(setting);
        table.SelectBandFromImage();
        Type(2, 6, "Del", true);
        table.StoreGridToImage();  // commits the open list first
        EXPECT_EQ(Hex(image, layout::kScanBitmap, 2), "0180") << setting;
        EXPECT_EQ(image.U8(layout::kBandSelector), selector) << setting;
        EXPECT_EQ(image.Bcd4(layout::kTableBandUpper), upper) << setting;
    }
    EXPECT_EQ(image.U8(layout::kStoreMarker), 3);
    EXPECT_EQ(image.U8(layout::kToneLight), 0x92);  // bit 7 set, the others kept
    EXPECT_EQ(image.U8(layout::kToneLight2), 0x80);
    // 0x3FD4 counts the message index entries up to the first outside 0x1180..0x1AE0.
    const std::uint16_t entries[] = {0x1180, 0x1AE0, 0x1AE1};
    for (std::size_t k = 0; k < 3; ++k)
        image.SetU16Le(layout::kReceivedMessageIndex + 2 * k, entries[k]);
    table.StoreGridToImage();
    EXPECT_EQ(image.U8(layout::kShortMessageCount), 2);
}

// A store into a copy (the unsaved-changes check) writes only the copy; a
// rebuild after Read, Open or "Factroy" drops an open editor without writing,
// as its text belongs to the old image.
TEST_F(TableTest, StoreIntoACopyAndRebuildsLeaveTheImage) {
    PutChannel(3, 14512500);
    table.SelectBandFromImage();
    Type(3, 1, "", true);  // committing this clears channel 3
    const RadioImage before = image;
    RadioImage target = image;
    table.StoreGridInto(target);
    EXPECT_TRUE(image == before);
    EXPECT_TRUE(IsChannelEmpty(target, 3));
    table.SelectBandFromImage();
    EXPECT_EQ(table.OpenEditor(), CellEditor::kNone);
    EXPECT_TRUE(image == before);
    EXPECT_EQ(table.Cell(3, 1), "145.125000");
}

// Factory.dat replaces the image byte for byte: bytes past 16384 are never
// read, and a short file replaces only its own bytes. (The program view's
// tests check the missing file's message.)
TEST_F(TableTest, FactoryFileReplacesOnlyTheBytesItHolds) {
    RadioImage factory = image;
    factory.SetBcd4(layout::kTableBandLower, 40000000);
    factory.SetBcd4(layout::kTableBandUpper, 47000000);
    std::vector<char> bytes(factory.Data(), factory.Data() + RadioImage::kSize);
    bytes.resize(20000, 0x55);
    std::ofstream(dir.File("Factory.dat"), std::ios::binary).write(bytes.data(), 20000);
    ASSERT_TRUE(table.LoadFactory().ok());
    EXPECT_TRUE(image == factory);
    EXPECT_EQ(table.BandSelection(), 1);
    std::ofstream(dir.File("Factory.dat"), std::ios::binary).write("\x01\x02\x03", 3);
    ASSERT_TRUE(table.LoadFactory().ok());
    EXPECT_EQ(Hex(image, 0, 4), "010203FF");
}

// A missing Factory.dat is reported with the path tried and why; the image
// stays as it was.
TEST_F(TableTest, MissingFactoryFileNamesThePathTried) {
    const RadioImage before = image;
    EXPECT_EQ(table.LoadFactory().message(), "Not find factory.dat\nCannot open \"" +
                                                 dir.File("Factory.dat") +
                                                 "\": No such file or directory.");
    EXPECT_TRUE(image == before);
}

// The project ships a Factory.dat: File > New's built-in defaults for the
// first band of Program.ini, copied beside the programs by the build.
TEST(FactoryFile, ShippedBesideTheProgramsIsTheNewImage) {
    RadioImage fresh;
    StoreBuiltInDefaults(fresh, BandLimits{});
    for (const std::string& path :
         {SourceDir() + "/res/Factory.dat", ProgramDir() + "/Factory.dat"}) {
        RadioImage shipped;
        ASSERT_TRUE(LoadExactImageFile(path, shipped).ok()) << path;
        EXPECT_TRUE(shipped == fresh) << path;
    }
}

}  // namespace
}  // namespace dpmr
