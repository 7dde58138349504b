// Several channels set at once in the channel table: the commit of a tone or
// list editor on a selection, Apply to Selected Channels, and the rules each
// row keeps (an empty channel, a refused value, text from elsewhere).
#include <gtest/gtest.h>

#include "channels/ChannelTablePresenter.h"
#include "support/ChannelTable.h"

namespace dpmr {
namespace {

using test::ChannelTable;
using T = ChannelTablePresenter;

constexpr std::int64_t kPmr1 = 44600625;

// Channels 1..4 and 6 present (all "High"), 5 empty, rows 1..6 selected.
struct BulkTable : ChannelTable {
    BulkTable() {
        for (int n : {1, 2, 3, 4, 6}) {
            PutChannel(n, kPmr1 + 1250 * (n - 1), kPmr1 + 1250 * (n - 1));
            image.SetU8(channel::RecordOffset(n) + channel::kFlags, 0xC1);  // High, Add, Wide
        }
        table.LoadImageToGrid();
        table.SetSelectedRows({1, 2, 3, 4, 5, 6});
    }
    void Choose(int row, int col, const std::string& text) {
        table.SetCurrentCell(row, col);
        table.BeginCellEdit();
        table.SetEditorText(text);
        table.CommitOpenEditors();
    }
};

TEST(ChannelNumbers, ShortListsOfRuns) {
    EXPECT_EQ(ChannelNumbersText({3}), "3");
    EXPECT_EQ(ChannelNumbersText({1, 2}), "1, 2");
    EXPECT_EQ(ChannelNumbersText({1, 2, 3, 4}), "1-4");
    EXPECT_EQ(ChannelNumbersText({1, 3, 5, 6, 7, 16}), "1, 3, 5-7, 16");
    EXPECT_EQ(ChannelsText({4}), "Channel 4");
    EXPECT_EQ(ChannelsText({1, 2, 3}, false), "channels 1-3");
}

TEST(BulkSet, ListCommitOnASelectionSetsEveryChannelAndSaysTheEmptyOne) {
    BulkTable t;
    t.Choose(2, T::kPowerCol, "Low");
    for (int n : {1, 2, 3, 4, 6}) EXPECT_EQ(t.table.Cell(n, T::kPowerCol), "Low") << n;
    EXPECT_EQ(t.table.Cell(5, T::kRxFreqCol), "");
    EXPECT_EQ(t.table.Cell(5, T::kPowerCol), "");
    EXPECT_EQ(t.table.TakeNotice(), "Channel 5: no channel: left empty");
    EXPECT_EQ(t.table.LastEditRows(), (std::set<int>{1, 2, 3, 4, 5, 6}));
    // Rows outside the selection keep what they had.
    t.table.SetSelectedRows({1, 2});
    t.Choose(7, T::kRxFreqCol, "446.1");  // a new channel, "High" by the table's defaults
    t.Choose(7, T::kPowerCol, "Low");
    t.table.SetSelectedRows({6, 7});
    t.Choose(6, T::kPowerCol, "High");
    EXPECT_EQ(t.table.Cell(6, T::kPowerCol), "High");
    EXPECT_EQ(t.table.Cell(7, T::kPowerCol), "High");
    EXPECT_EQ(t.table.Cell(2, T::kPowerCol), "Low");
}

TEST(BulkSet, EveryBulkColumnAndNoFrequencyColumn) {
    const std::vector<std::pair<int, std::string>> cases{
        {T::kRxToneCol, "88.5"}, {T::kTxToneCol, "D023N"},     {T::kPowerCol, "Low"},
        {T::kScanCol, "Del"},    {T::kBandwidthCol, "Narrow"}, {T::kTypeCol, "Analog"},
    };
    for (const auto& [col, text] : cases) {
        BulkTable t;
        t.table.SetSelectedRows({1, 2, 3});
        t.Choose(1, col, text);
        for (int n : {1, 2, 3}) EXPECT_EQ(t.table.Cell(n, col), text) << col << " row " << n;
        EXPECT_NE(t.table.Cell(4, col), text) << col;
    }
    EXPECT_FALSE(T::IsBulkColumn(T::kRxFreqCol));
    EXPECT_FALSE(T::IsBulkColumn(T::kTxFreqCol));
    EXPECT_FALSE(T::IsBulkColumn(9));
    // A frequency typed with rows selected changes its own cell alone.
    BulkTable t;
    t.Choose(2, T::kTxFreqCol, "446.1");
    EXPECT_EQ(t.table.Cell(2, T::kTxFreqCol), "446.100000");
    EXPECT_EQ(t.table.Cell(1, T::kTxFreqCol), "446.006250");
    EXPECT_EQ(t.table.LastEditRows(), (std::set<int>{2}));
}

TEST(BulkSet, ToneRulesRunForEveryRowAndARefusalLeavesEveryRow) {
    BulkTable t;
    t.Choose(1, T::kRxToneCol, "23");  // a plain number is a DCS code, said once for all
    for (int n : {1, 2, 3, 4, 6}) EXPECT_EQ(t.table.Cell(n, T::kRxToneCol), "D023N");
    const std::string notice = t.table.TakeNotice();
    EXPECT_NE(notice.find("Channels 1-4, 6: 23 was taken as DCS D023N"), std::string::npos)
        << notice;
    EXPECT_NE(notice.find("Channel 5: no channel"), std::string::npos) << notice;

    t.Choose(3, T::kRxToneCol, "088");  // no DCS code: every row keeps D023N
    for (int n : {1, 2, 3, 4, 6}) EXPECT_EQ(t.table.Cell(n, T::kRxToneCol), "D023N");
    EXPECT_NE(t.table.TakeNotice().find("left as it was"), std::string::npos);
}

TEST(BulkSet, SelectionNotHoldingTheEditedRowOrOfOneRowIsASingleEdit) {
    BulkTable t;
    t.table.SetSelectedRows({1, 2});
    t.Choose(3, T::kPowerCol, "Low");
    EXPECT_EQ(t.table.Cell(3, T::kPowerCol), "Low");
    EXPECT_EQ(t.table.Cell(1, T::kPowerCol), "High");
    t.table.SetSelectedRows({4, 0, 17});  // rows outside the table are dropped
    EXPECT_EQ(t.table.SelectedRows(), (std::set<int>{4}));
    t.Choose(4, T::kPowerCol, "Low");
    EXPECT_EQ(t.table.Cell(6, T::kPowerCol), "High");
    EXPECT_EQ(t.table.LastEditRows(), (std::set<int>{4}));
    // A single edit's notice names no channels.
    t.Choose(4, T::kRxToneCol, "23");
    EXPECT_EQ(t.table.TakeNotice(), "23 was taken as DCS D023N");
}

TEST(BulkSet, AnEditorLeftAsItOpenedGivesNothingToTheSelection) {
    BulkTable t;
    t.table.SetSelectedRows({1});
    t.Choose(1, T::kPowerCol, "Low");
    t.table.SetSelectedRows({1, 2, 3, 4});
    t.Choose(2, T::kPowerCol, "High");  // as it was: row 1 keeps Low
    EXPECT_EQ(t.table.Cell(1, T::kPowerCol), "Low");
    EXPECT_EQ(t.table.LastEditRows(), (std::set<int>{2}));
    t.table.SetCurrentCell(3, T::kRxToneCol);
    t.table.BeginCellEdit();
    t.table.CommitOpenEditors();
    EXPECT_EQ(t.table.LastEditRows(), (std::set<int>{3}));
    EXPECT_EQ(t.table.TakeNotice(), "");
}

TEST(BulkSet, ApplyCellToSelectionAndWhyItDoesNothing) {
    BulkTable t;
    t.table.SetCurrentCell(2, T::kBandwidthCol);
    t.Choose(2, T::kBandwidthCol, "Narrow");  // all six selected: already applied
    t.table.SetSelectedRows({2, 3});
    t.Choose(2, T::kBandwidthCol, "Wide");
    t.table.SetSelectedRows({1, 2, 3, 4});
    t.table.SetCurrentCell(2, T::kBandwidthCol);
    ASSERT_TRUE(t.table.ApplyCellToSelection());
    for (int n : {1, 2, 3, 4}) EXPECT_EQ(t.table.Cell(n, T::kBandwidthCol), "Wide") << n;
    EXPECT_EQ(t.table.Cell(6, T::kBandwidthCol), "Narrow");
    EXPECT_EQ(t.table.TakeNotice(), "");

    t.table.SetCurrentCell(2, T::kRxFreqCol);
    EXPECT_FALSE(t.table.ApplyCellToSelection());
    EXPECT_NE(t.table.TakeNotice().find("Rx Freq is set one channel at a time"), std::string::npos);
    t.table.SetCurrentCell(8, T::kPowerCol);  // outside the selection
    EXPECT_FALSE(t.table.ApplyCellToSelection());
    EXPECT_NE(t.table.TakeNotice().find("Select two or more"), std::string::npos);
    t.table.SetSelectedRows({4, 5, 6});
    t.table.SetCurrentCell(5, T::kPowerCol);  // an empty channel has nothing to give
    EXPECT_FALSE(t.table.ApplyCellToSelection());
    EXPECT_EQ(t.table.TakeNotice(), "Channel 5 holds no channel: nothing to apply");
    EXPECT_EQ(t.table.Cell(4, T::kPowerCol), "High");

    // Two channels are the fewest that make a selection.
    t.table.SetSelectedRows({1, 6});
    t.table.SetCurrentCell(1, T::kBandwidthCol);
    ASSERT_TRUE(t.table.ApplyCellToSelection());
    EXPECT_EQ(t.table.Cell(6, T::kBandwidthCol), "Wide");
}

TEST(BulkSet, TextFromElsewhereGoesIntoItsOwnCellWhateverIsSelected) {
    BulkTable t;
    EXPECT_EQ(t.table.EnterCellText(2, T::kPowerCol, "low"), "");
    EXPECT_EQ(t.table.Cell(2, T::kPowerCol), "Low");
    EXPECT_EQ(t.table.Cell(1, T::kPowerCol), "High");
    EXPECT_EQ(t.table.Cell(3, T::kPowerCol), "High");
}

TEST(BulkSet, AListLeftWithoutAChoiceChangesItsOwnCellOnly) {
    BulkTable t;
    t.Choose(2, T::kScanCol, "");
    EXPECT_EQ(t.table.Cell(2, T::kScanCol), "");
    EXPECT_EQ(t.table.Cell(1, T::kScanCol), "Add");
}

TEST(BulkSet, StoredRecordsHoldTheValueForEverySelectedChannel) {
    BulkTable t;
    t.Choose(4, T::kPowerCol, "Low");
    t.table.StoreGridToImage();
    for (int n : {1, 2, 3, 4, 6})
        EXPECT_EQ(t.image.U8(channel::RecordOffset(n) + channel::kFlags) & 0xC0, 0) << n;
    EXPECT_EQ(t.image.U8(channel::RecordOffset(5) + channel::kRxFreq + 3), 0xFF);
}

TEST(BulkSet, WhatSaveWouldWriteWithAnEditorOpenOnASelectionHoldsEveryRow) {
    BulkTable t;
    t.table.SetCurrentCell(2, T::kPowerCol);
    t.table.BeginCellEdit();
    t.table.SetEditorText("Low");
    RadioImage target = t.image;
    t.table.StoreGridInto(target);
    for (int n : {1, 2, 3, 4, 6})
        EXPECT_EQ(target.U8(channel::RecordOffset(n) + channel::kFlags) & 0xC0, 0) << n;
    // The table itself is left as it was, its editor still open.
    EXPECT_EQ(t.table.OpenEditor(), CellEditor::kList);
    EXPECT_EQ(t.table.Cell(1, T::kPowerCol), "High");
}

}  // namespace
}  // namespace dpmr
