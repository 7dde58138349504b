// The channel table's rules, driven through the presenter on real images and
// real settings files.
#include "channels/ChannelTablePresenter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

using P = ChannelTablePresenter;

std::vector<int> Bytes(const RadioImage& image, std::size_t off, std::size_t len) {
    std::vector<int> out;
    for (std::size_t k = 0; k < len; ++k) out.push_back(image.U8(off + k));
    return out;
}

// One table on a fresh image with a "FreqRange" setting and band bytes.
class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int n = 1; n <= 16; ++n) ResetChannelRecord(image, n);
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
    // Puts a channel into the image the way the radio holds it.
    void PutChannel(int n, std::int64_t rx, std::int64_t tx) {
        ResetChannelRecord(image, n);
        SetBcdFrequency(image, channel::RecordOffset(n) + channel::kRxFreq, rx);
        SetBcdFrequency(image, channel::RecordOffset(n) + channel::kTxFreq, tx);
    }
    // Opens the editor of (row, col), types `text` and leaves the editor.
    void Type(int row, int col, const std::string& text) {
        table.SetCurrentCell(row, col);
        table.BeginCellEdit();
        table.SetEditorText(text);
        table.CommitOpenEditors();
    }
    std::vector<std::string> Row(int row) const {
        std::vector<std::string> out;
        for (int c = 1; c <= 8; ++c) out.push_back(table.Cell(row, c));
        return out;
    }

    test::TempDir dir;
    RadioImage image;
    BandLimits band;
    AppSettings settings;
    P table{image, band, settings};
};

TEST_F(TableTest, TypingIntoAnEmptyRowMakesANewChannel) {
    table.SelectBandFromImage();
    Type(1, 1, "145.125");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"145.125000", "145.125000", "None", "None", "High",
                                                "Add", "Wide", "Digit"}));
    table.StoreGridToImage();
    const std::size_t r = channel::RecordOffset(1);
    EXPECT_EQ(Bytes(image, r, 8),
              (std::vector<int>{0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14}));
    EXPECT_EQ(image.U8(r + 0x10), 0xC1);
    EXPECT_EQ(image.U8(r + 0x12), 0x40);
    EXPECT_EQ(image.U8(r + 0x16), 1);
    EXPECT_EQ(Bytes(image, r + 0x0C, 4), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(image, r + 0x08, 4), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(TableTest, TypedFrequenciesAreClampedToTheBandAndSnapped) {
    table.SelectBandFromImage();  // 136..174 MHz
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case c :
         {Case{"100", "136.000000"}, Case{"200", "174.000000"}, Case{"145.126", "145.125000"},
          Case{"136.0125", "136.012500"}, Case{"0", ""}, Case{"", ""}, Case{".", ""}}) {
        Type(2, 1, c.typed);
        EXPECT_EQ(table.Cell(2, 1), c.shown) << c.typed;
    }
}

TEST_F(TableTest, ClearingTheReceiveFrequencyEmptiesTheRowAndResetsTheRecord) {
    PutChannel(3, 14512500, 14512500);
    image.SetU8(channel::RecordOffset(3) + channel::kTxContact, 7);
    table.SelectBandFromImage();
    ASSERT_EQ(table.Cell(3, 1), "145.125000");
    Type(3, 1, "");
    EXPECT_EQ(Row(3), std::vector<std::string>(8));
    RadioImage reset = image;
    ResetChannelRecord(reset, 3);
    EXPECT_EQ(Bytes(image, channel::RecordOffset(3), 32),
              Bytes(reset, channel::RecordOffset(3), 32));
}

TEST_F(TableTest, SplitFrequenciesStoreOffsetDirectionAndSameFlag) {
    struct Case {
        const char* tx;
        std::vector<int> offset;
        unsigned direction;
    };
    for (const Case& c : {Case{"150.125", {0x00, 0x00, 0x50, 0x00}, 1},
                          Case{"140.125", {0x00, 0x00, 0x50, 0x00}, 2},
                          Case{"145.725", {0x00, 0x00, 0x06, 0x00}, 1}}) {
        PutChannel(1, 14512500, 14512500);
        table.SelectBandFromImage();
        Type(1, 2, c.tx);
        const std::size_t r = channel::RecordOffset(1);
        EXPECT_EQ(image.U8(r + 0x16), 0) << "written by the editor already";
        table.StoreGridToImage();
        EXPECT_EQ(Bytes(image, r + 0x0C, 4), c.offset) << c.tx;
        EXPECT_EQ(image.Bits(r + 0x12, 4, 2), c.direction) << c.tx;
        EXPECT_EQ(image.U8(r + 0x16), 0) << c.tx;
    }
}

TEST_F(TableTest, SameFrequencyFlagFollowsEditsThatChangeTheText) {
    PutChannel(1, 14512500, 14612500);
    const std::size_t same = channel::RecordOffset(1) + channel::kSameFrequency;
    image.SetU8(same, 0);
    table.SelectBandFromImage();
    Type(1, 1, "146.125");  // now equal to Tx
    EXPECT_EQ(image.U8(same), 1);
    image.SetU8(same, 7);
    Type(1, 1, "146.125");  // unchanged text: the flag is left alone
    EXPECT_EQ(image.U8(same), 7);
    Type(1, 2, "147");
    EXPECT_EQ(image.U8(same), 0);
}

TEST_F(TableTest, EditorCommitsToTheCellItWasOpenedOn) {
    PutChannel(1, 14512500, 14512500);
    table.SelectBandFromImage();
    table.SetCurrentCell(1, 3);
    table.BeginCellEdit();
    table.SetEditorText("23");
    table.SetCurrentCell(5, 6);  // the user clicked elsewhere first
    table.CommitOpenEditors();
    EXPECT_EQ(table.Cell(1, 3), "D023N");
    EXPECT_EQ(table.Cell(5, 6), "");
}

TEST_F(TableTest, BeginCellEditChoosesTheEditor) {
    PutChannel(2, 14512500, 14512500);
    table.SelectBandFromImage();
    struct Case {
        int row, col;
        CellEditor editor;
        int editCol;
    };
    for (const Case c : {Case{2, 1, CellEditor::kFrequency, 1},
                         Case{2, 2, CellEditor::kFrequency, 2}, Case{2, 4, CellEditor::kTone, 4},
                         Case{2, 8, CellEditor::kList, 8}, Case{2, 9, CellEditor::kNone, 9},
                         Case{5, 6, CellEditor::kFrequency, 1} /* empty row: Rx first */}) {
        table.SetCurrentCell(c.row, c.col);
        table.BeginCellEdit();
        EXPECT_EQ(table.OpenEditor(), c.editor) << c.row << "," << c.col;
        EXPECT_EQ(table.CurrentCol(), c.editCol);
        table.CommitOpenEditors();
    }
    table.SetCurrentCell(2, 8);
    table.BeginCellEdit();
    EXPECT_EQ(table.EditorItems(),
              (std::vector<std::string>{"Analog", "Digit", "Mixed(Digit)", "Mixed(Analog)"}));
    EXPECT_EQ(table.EditorSelection(), 1);
    table.SetEditorText("Analog");
    table.ListEditorEnter();
    EXPECT_EQ(table.Cell(2, 8), "Analog");
    EXPECT_EQ(table.CurrentCol(), 9);
    EXPECT_EQ(table.OpenEditor(), CellEditor::kNone);
}

TEST_F(TableTest, ToneEditorTakesTextsOutsideItsList) {
    PutChannel(4, 14512500, 14512500);
    table.SelectBandFromImage();
    table.SetCurrentCell(4, 3);
    table.BeginCellEdit();
    ASSERT_EQ(table.OpenEditor(), CellEditor::kTone);
    EXPECT_EQ(table.EditorSelection(), 0);  // "None"
    table.SetEditorText("67.5");            // not in the list: kept in the edit field
    EXPECT_EQ(table.EditorSelection(), -1);
    table.ToneEditorEnter();
    EXPECT_EQ(table.Cell(4, 3), "67.5");
    EXPECT_EQ(table.CurrentCol(), 3);
    Type(4, 4, "i754");
    EXPECT_EQ(table.Cell(4, 4), "D754I");
}

TEST_F(TableTest, ArrowKeysWrapBetweenRowsButNotPastTheTable) {
    struct Case {
        int row, col;
        TableKey key;
        int toRow, toCol;
    };
    for (const Case c : {Case{3, 9, TableKey::kRight, 4, 1}, Case{16, 9, TableKey::kRight, 16, 9},
                         Case{5, 4, TableKey::kRight, 5, 5}, Case{2, 1, TableKey::kLeft, 1, 9},
                         Case{1, 1, TableKey::kLeft, 1, 1}, Case{16, 1, TableKey::kLeft, 15, 9},
                         Case{1, 5, TableKey::kUp, 1, 5}, Case{16, 5, TableKey::kDown, 16, 5},
                         Case{8, 5, TableKey::kDown, 9, 5}}) {
        table.SetCurrentCell(c.row, c.col);
        table.TableArrow(c.key);
        EXPECT_EQ(table.CurrentRow(), c.toRow) << c.row << "," << c.col;
        EXPECT_EQ(table.CurrentCol(), c.toCol) << c.row << "," << c.col;
    }
}

TEST_F(TableTest, EnterInTheFrequencyEditorMovesRightOrDown) {
    table.SelectBandFromImage();
    table.SetCurrentCell(6, 1);
    table.BeginCellEdit();
    table.SetEditorText("150");
    table.FrequencyEditorEnter();
    EXPECT_EQ(table.Cell(6, 1), "150.000000");
    EXPECT_EQ(table.CurrentRow(), 6);
    EXPECT_EQ(table.CurrentCol(), 2);

    table.SetCurrentCell(16, 1);
    table.BeginCellEdit();
    table.FrequencyEditorEnter();  // empty editor: down, but row 16 is the last
    EXPECT_EQ(table.CurrentRow(), 16);
    table.SetCurrentCell(7, 1);
    table.BeginCellEdit();
    table.FrequencyEditorEnter();
    EXPECT_EQ(table.CurrentRow(), 8);
    EXPECT_EQ(table.CurrentCol(), 1);
}

TEST_F(TableTest, FrequencyEditorTakesDigitsAndPointUpToTenCharacters) {
    for (char c : std::string("0123456789.\b")) EXPECT_TRUE(P::IsFrequencyChar(c)) << c;
    for (char c : std::string("aZ-+ e,\t")) EXPECT_FALSE(P::IsFrequencyChar(c)) << c;
    EXPECT_EQ(P::FilterFrequencyText("14a5.1-25"), "145.125");
    EXPECT_EQ(P::FilterFrequencyText("145.1250000000"), "145.125000");
    EXPECT_EQ(P::FilterFrequencyText("1e2"), "12");
    table.BeginCellEdit();
    table.SetEditorText("12345678901234");
    EXPECT_EQ(table.EditorText(), "1234567890");
}

TEST_F(TableTest, FreqRangeEntriesAndBandMatching) {
    struct Case {
        const char* setting;
        std::uint32_t lower, upper;
        int selection;
        BandLimits band;
    };
    const Case cases[] = {
        {"136-174MHz;400-470MHz", 40000000, 47000000, 1, {40000000, 47000000}},
        {";;136-174MHz;;400-480MHz;", 40000000, 47000000, 1, {40000000, 48000000}},
        {"136-174MHz;400-470MHz", 43000000, 44000000, 1, {40000000, 47000000}},
        {"400-470MHz", 35000000, 42000000, 0, {40000000, 47000000}},  // overlaps below
        {"400-470MHz", 46000000, 52000000, 0, {40000000, 47000000}},  // overlaps above
        {"136-174MHz;400-470MHz", 20000000, 26000000, -1, {20000000, 26000000}},
        {"", 14000000, 15000000, -1, {14000000, 15000000}},
        {"VHF;x-1MHz;136-174MHz", 14000000, 15000000, 2, {13600000, 17400000}},
        {"99999-100000MHz;136-174MHz", 14000000, 15000000, 1, {13600000, 17400000}},
        {"400 - 470MHz;136-174MHz", 14000000, 15000000, 1, {13600000, 17400000}},
    };
    for (const Case& c : cases) {
        WriteFreqRange(c.setting);
        SetImageBand(c.lower, c.upper);
        band = BandLimits{};
        table.SelectBandFromImage();
        EXPECT_EQ(table.BandSelection(), c.selection) << c.setting << " " << c.lower;
        EXPECT_EQ(band, c.band) << c.setting << " " << c.lower;
    }
    // Without a key the list is empty.
    std::ofstream(dir.File("Program.ini")) << "[Setup]\nCOM=/dev/ttyUSB0\n";
    table.SelectBandFromImage();
    EXPECT_TRUE(table.BandEntries().empty());
}

TEST_F(TableTest, BandBytesThatAreNoBandKeepTheBandInUse) {
    WriteFreqRange("136-174MHz;400-470MHz");
    for (const auto& [lower, upper] : std::vector<std::pair<std::uint32_t, std::uint32_t>>{
             {0xFFFFFFFF, 0xFFFFFFFF}, {0, 0}, {47000000, 40000000}}) {
        if (lower == 0xFFFFFFFF)
            image.FillFF(layout::kTableBandLower, 8);
        else
            SetImageBand(lower, upper);
        band = BandLimits{43000000, 44000000};
        table.SelectBandFromImage();
        EXPECT_EQ(table.BandSelection(), 1);
        EXPECT_EQ(band, (BandLimits{40000000, 47000000}));
    }
}

TEST_F(TableTest, ChoosingAnotherBandClearsAllChannelsTheSameBandNothing) {
    SetImageBand(40000000, 47000000);
    PutChannel(2, 44600625, 44600625);
    table.SelectBandFromImage();
    ASSERT_EQ(table.BandSelection(), 1);
    table.ChangeBand(1);  // same band
    EXPECT_EQ(table.Cell(2, 1), "446.006250");
    EXPECT_FALSE(IsChannelEmpty(image, 2));

    table.ChangeBand(0);
    EXPECT_EQ(band, (BandLimits{13600000, 17400000}));
    EXPECT_EQ(table.BandSelection(), 0);
    EXPECT_EQ(table.Cell(2, 1), "");
    EXPECT_TRUE(IsChannelEmpty(image, 2));
    // The band bytes follow at the next store.
    table.StoreGridToImage();
    EXPECT_EQ(image.Bcd4(layout::kTableBandLower), 13600000u);
    EXPECT_EQ(image.Bcd4(layout::kTableBandUpper), 17400000u);
}

TEST_F(TableTest, BandEntryWithoutTwoNumbersChangesNothing) {
    WriteFreqRange("UHF;400-470MHz");
    SetImageBand(40000000, 47000000);
    PutChannel(1, 44600625, 44600625);
    table.SelectBandFromImage();
    table.ChangeBand(0);
    EXPECT_EQ(band, (BandLimits{40000000, 47000000}));
    EXPECT_FALSE(IsChannelEmpty(image, 1));
    EXPECT_EQ(table.Cell(1, 1), "446.006250");
    table.ChangeBand(5);  // no such entry
    EXPECT_EQ(table.BandSelection(), 0);
}

TEST_F(TableTest, StoreWritesTheDerivedBytes) {
    struct Case {
        const char* setting;
        std::vector<std::uint16_t> messages;
        int selector;
        int count;
    };
    const Case cases[] = {
        {"400-470MHz", {0x11A0, 0x1240, 0x0000}, 1, 2},
        {"400-470mhz", {}, 1, 0},
        {"136-174MHz;400-490MHz", {0x1180, 0x1AE0, 0x1AE1}, 0, 2},
        {"136-174MHz",
         {0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0,
          0x11A0, 0x11A0, 0x11A0, 0x11A0, 0x11A0},
         0,
         16},
    };
    for (const Case& c : cases) {
        WriteFreqRange(c.setting);
        SetImageBand(40000000, 47000000);
        image.FillFF(layout::kReceivedMessageIndex, 32);
        for (std::size_t k = 0; k < c.messages.size(); ++k)
            image.SetU16Le(layout::kReceivedMessageIndex + 2 * k, c.messages[k]);
        image.SetU8(layout::kToneLight, 0x12);
        image.SetU8(layout::kToneLight2, 0x00);
        table.SelectBandFromImage();
        table.StoreGridToImage();
        EXPECT_EQ(image.U8(layout::kBandSelector), c.selector) << c.setting;
        EXPECT_EQ(image.U8(layout::kShortMessageCount), c.count) << c.setting;
        EXPECT_EQ(image.U8(layout::kStoreMarker), 3);
        EXPECT_EQ(image.U8(layout::kToneLight), 0x92);
        EXPECT_EQ(image.U8(layout::kToneLight2), 0x80);
    }
}

TEST_F(TableTest, NoBandSelectedLeavesTheBandBytes) {
    WriteFreqRange("136-174MHz");
    SetImageBand(20000000, 26000000);
    table.SelectBandFromImage();
    ASSERT_EQ(table.BandSelection(), -1);
    table.StoreGridToImage();
    EXPECT_EQ(image.Bcd4(layout::kTableBandLower), 20000000u);
    EXPECT_EQ(image.Bcd4(layout::kTableBandUpper), 26000000u);
    EXPECT_EQ(image.U8(layout::kBandSelector), 0);
}

TEST_F(TableTest, ScanBitmapHoldsScanningChannelsInsideTheBand) {
    SetImageBand(40000000, 47000000);
    PutChannel(1, 40000000, 40000000);  // lower edge, scanning
    PutChannel(2, 44600625, 44600625);  // "Del" below
    PutChannel(9, 47000000, 47000000);  // upper edge
    PutChannel(16, 45000000, 45000000);
    table.SelectBandFromImage();
    table.SetCurrentCell(2, 6);
    table.BeginCellEdit();
    table.SetEditorText("Del");
    table.StoreGridToImage();  // commits the open list first
    EXPECT_EQ(image.U8(layout::kScanBitmap), 0x01);
    EXPECT_EQ(image.U8(layout::kScanBitmap + 1), 0x81);
    EXPECT_FALSE(image.Bit(channel::RecordOffset(2) + channel::kFlags, channel::kScanBit));
}

TEST_F(TableTest, StoreIntoAnotherImageLeavesEverythingElse) {
    table.SelectBandFromImage();
    table.ChangeBand(1);  // 400..470, not yet in the band bytes
    table.SetCurrentCell(1, 1);
    table.BeginCellEdit();
    table.SetEditorText("446.1");
    const RadioImage before = image;
    const BandLimits bandBefore = band;

    RadioImage target = image;
    table.StoreGridInto(target);
    EXPECT_EQ(image, before);
    EXPECT_EQ(band, bandBefore);
    EXPECT_EQ(table.OpenEditor(), CellEditor::kFrequency);
    EXPECT_EQ(table.EditorText(), "446.1");
    EXPECT_EQ(target.Bcd4(layout::kTableBandLower), 40000000u);
    EXPECT_EQ(target.Bcd4(channel::RecordOffset(1)), 44610000u);

    table.StoreGridToImage();
    EXPECT_EQ(image, target);
}

TEST_F(TableTest, RebuildFromTheImageDropsAnOpenEditorWithoutWriting) {
    table.SelectBandFromImage();
    table.SetCurrentCell(3, 1);
    table.BeginCellEdit();
    table.SetEditorText("150");
    const RadioImage before = image;
    table.SelectBandFromImage();
    EXPECT_EQ(table.OpenEditor(), CellEditor::kNone);
    EXPECT_EQ(image, before);
    EXPECT_EQ(table.Cell(3, 1), "");
}

TEST_F(TableTest, FactoryFileLoadsOrReportsItsAbsence) {
    table.SelectBandFromImage();
    const RadioImage before = image;
    const Status missing = table.LoadFactory();
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.message(), "Not find factory.dat");
    EXPECT_EQ(image, before);

    RadioImage factory = image;
    factory.SetBcd4(layout::kTableBandLower, 40000000);
    factory.SetBcd4(layout::kTableBandUpper, 47000000);
    SetBcdFrequency(factory, channel::RecordOffset(5), 43000000);
    SetBcdFrequency(factory, channel::RecordOffset(5) + 4, 43000000);
    std::vector<char> bytes(factory.Data(), factory.Data() + RadioImage::kSize);
    bytes.resize(20000, 0x55);  // bytes past 16384 are never read
    std::ofstream(dir.File("Factory.dat"), std::ios::binary).write(bytes.data(), 20000);
    ASSERT_TRUE(table.LoadFactory().ok());
    EXPECT_EQ(image, factory);
    EXPECT_EQ(table.BandSelection(), 1);
    EXPECT_EQ(table.Cell(5, 1), "430.000000");

    std::ofstream(dir.File("Factory.dat"), std::ios::binary).write("\x01\x02\x03", 3);
    ASSERT_TRUE(table.LoadFactory().ok());  // a short file replaces only its bytes
    EXPECT_EQ(Bytes(image, 0, 4), (std::vector<int>{1, 2, 3, 0xFF}));
    EXPECT_EQ(image.Bcd4(layout::kTableBandLower), 40000000u);
}

TEST_F(TableTest, OddRecordsLoadWithoutHarm) {
    const std::size_t r1 = channel::RecordOffset(1);
    PutChannel(1, 14512600, 0);    // off raster; transmit 00 00 00 00
    image.SetU8(r1 + 0x10, 0x40);  // power bits 01: not "High"
    image.SetU8(r1 + 0x12, 0x80);
    image.SetU8(r1 + 0x09, 0x00);  // tone with hi 0x00: none
    PutChannel(2, 14512500, 14512500);
    image.SetU8(channel::RecordOffset(2) + 0x03, 0x00);  // counts as empty
    image.Fill(channel::RecordOffset(3), 32, 0x99);      // digits everywhere
    image.FillFF(channel::RecordOffset(4), 32);
    image.SetU8(channel::RecordOffset(4) + 3, 0x14);  // 0xFF digit pairs
    table.SelectBandFromImage();
    EXPECT_EQ(Row(1), (std::vector<std::string>{"145.125000", "", "None", "None", "Low", "Del",
                                                "Wide", "Mixed(Digit)"}));
    EXPECT_EQ(Row(2), std::vector<std::string>(8));
    EXPECT_EQ(table.Cell(3, 5), "Low");  // power bits 10
    EXPECT_EQ(table.Cell(3, 8), "Mixed(Digit)");
    EXPECT_FALSE(table.Cell(4, 1).empty());
    table.StoreGridToImage();  // and back without a crash; channel 1 keeps its texts
    table.LoadImageToGrid();
    EXPECT_EQ(table.Cell(1, 1), "145.125000");
    EXPECT_EQ(table.Cell(1, 2), "");
}

}  // namespace
}  // namespace dpmr
