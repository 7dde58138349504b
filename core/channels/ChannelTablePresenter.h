// ChannelTablePresenter: every rule of the main window's channel table, kept
// free of any user-interface toolkit. It holds the 17 x 10 cell texts (row 0
// and column 0 are the titles and channel numbers), the current cell, the one
// in-place editor that may be open and its text, and the "Freq range" list.
// It reads and writes the one radio image and the run's band limits it is
// handed; the Qt view forwards keys, clicks and focus changes and draws what
// this class says.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelColumns.h"
#include "config/AppSettings.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// Keys the table reacts to itself.
enum class TableKey { kLeft, kRight, kUp, kDown };

// Channel numbers as a short list: "3", "1-4", "1, 3, 5-7".
std::string ChannelNumbersText(const std::set<int>& channels);
// "Channel 3" or "Channels 1-4" (`capital` false: "channel 3").
std::string ChannelsText(const std::set<int>& channels, bool capital = true);

class ChannelTablePresenter {
  public:
    static constexpr int kRows = 17;                   // title row + 16 channels
    static constexpr int kCols = kChannelColumnCount;  // number column + 9
    static constexpr int kLastCol = kCols - 1;
    static constexpr int kLastRow = kRows - 1;
    static constexpr std::size_t kMaxFrequencyChars = 10;

    // Column numbers.
    static constexpr int kRxFreqCol = 1;
    static constexpr int kTxFreqCol = 2;
    static constexpr int kRxToneCol = 3;
    static constexpr int kTxToneCol = 4;
    static constexpr int kPowerCol = 5;
    static constexpr int kScanCol = 6;
    static constexpr int kBandwidthCol = 7;
    static constexpr int kTypeCol = 8;

    // Questions asked before a choice empties the table.
    static constexpr const char* kChangeBandQuestion =
        "Changing the band clears all channels. Continue?";
    static constexpr const char* kLoadFactoryQuestion =
        "Loading factory.dat replaces all channels and settings. Continue?";

    // Column titles and relative widths (the old grid's twips), as
    // ChannelColumns() gives them.
    static const std::array<const char*, kCols>& ColumnTitles();
    static const std::array<int, kCols>& ColumnWidths();

    ChannelTablePresenter(RadioImage& image, BandLimits& band, const AppSettings& settings);

    // ---- Table texts and current cell ----
    const std::string& Cell(int row, int col) const;
    int CurrentRow() const { return state_.row; }
    int CurrentCol() const { return state_.col; }
    // Moves the current cell; rows are limited to 1..16, columns to 1..9.
    void SetCurrentCell(int row, int col);
    // Whether any row holds a channel (a receive frequency).
    bool HasChannels() const;

    // The band the table works in (the "Freq range" choice).
    const BandLimits& Band() const { return band_; }

    // ---- "Freq range" list ----
    const std::vector<std::string>& BandEntries() const { return state_.bandEntries; }
    int BandSelection() const { return state_.bandSelection; }  // -1: none
    // The list's current text ("" when nothing is selected).
    std::string BandText() const;
    // The user picked entry `index`: a different band empties all 16
    // channels and rebuilds the table; the same band changes nothing.
    void ChangeBand(int index);
    // Whether ChangeBand(index) would empty channels that are there: the
    // question kChangeBandQuestion is asked first.
    bool ChangeBandClearsChannels(int index) const;

    // ---- Whole-table operations ----
    // Reloads the list from the settings, selects the entry matching the
    // image's band edges and rebuilds the table. An open editor is closed
    // without writing: the table is rebuilt from the image anyway.
    void SelectBandFromImage();
    // Decodes the 16 channel records into rows 1..16.
    void LoadImageToGrid();
    // Commits the open editor, writes the band bytes and rows 1..16 into the
    // channel records and rebuilds the derived bytes (scan bitmap and the
    // rest).
    void StoreGridToImage();
    // The same store into `target` (normally a copy of the image), leaving
    // the real image, the band limits and this table untouched.
    void StoreGridInto(RadioImage& target) const;
    // Commits the open editor and writes the given rows alone into their
    // channel records, with their bits of the scan bitmap: every other byte
    // stays as it is (an import changes the channels it names, nothing else).
    void StoreRowsToImage(const std::set<int>& rows);
    // "Factroy": loads programFolder + "Factory.dat" (up to 16384 bytes) into
    // the image and reselects the band. A missing file gives the message to
    // show ("Not find factory.dat", then the path tried and why) and leaves
    // the image as it was. The project ships one beside the programs.
    Status LoadFactory();
    // Whether LoadFactory() would replace channels that are there (the file
    // exists and the table holds a channel): kLoadFactoryQuestion is asked first.
    bool LoadFactoryReplacesChannels() const;

    // ---- In-place editors ----
    // Enter on the table or a left click on a cell: opens the editor of the
    // current cell (column 1 of a row without a receive frequency).
    void BeginCellEdit();
    CellEditor OpenEditor() const { return state_.editor; }
    int EditRow() const { return state_.editRow; }
    int EditCol() const { return state_.editCol; }
    // The open editor's text; the view hands over what the user typed or
    // picked before a commit.
    const std::string& EditorText() const { return state_.editorText; }
    void SetEditorText(std::string text);
    // The open combo's entries and the entry matching the cell (-1: none).
    const std::vector<std::string>& EditorItems() const;
    int EditorSelection() const;

    // Commit of each editor (its loss of focus); nothing when it is not open.
    void CommitFrequencyEditor();
    void CommitToneEditor();
    void CommitListEditor();
    // Commits whichever editor is open, in the order tone, list, frequency.
    void CommitOpenEditors();
    // Escape: closes the open editor without writing; the cell keeps the text
    // the editor opened with.
    void CancelEditor();

    // What the last frequency or tone commit changed of the text as typed (a
    // frequency moved into the band or onto the raster, a number taken as a
    // DCS code), in words for the status bar; empty when it took the text as
    // typed. Taking it clears it.
    std::string TakeNotice();

    // ---- Keyboard ----
    // Characters the frequency editor accepts: digits, the point (or a comma,
    // taken as the point), backspace.
    static bool IsFrequencyChar(char c);
    // `text` without refused characters, commas made points, cut to 10
    // characters.
    static std::string FilterFrequencyText(std::string_view text);
    // A character typed on the table while no editor is open opens the
    // current cell's editor with that character as its text, as spreadsheets
    // do, when that editor takes it: a frequency digit, point or comma; a
    // tone's digit, point, comma, D, N or I; for a list the first entry that starts
    // with it. Anything else opens nothing. True when an editor opened.
    bool TypeIntoCell(char c);
    // Enter in the frequency editor: commit, then one column right, or one
    // row down when the editor was empty. From "Channel type", the last
    // column with an editor, Enter goes on to the next row's "Rx Freq".
    void FrequencyEditorEnter();
    // Enter in the drop-down list: commit, then one column right.
    void ListEditorEnter();
    // Enter in the tone combo: commit, then one column right (as the list).
    void ToneEditorEnter();
    // An arrow key on the table. Right in the last column wraps to column 1
    // of the next row, Left in column 1 to the last column of the previous
    // row; otherwise the current cell moves one step, stopping at the edges.
    void TableArrow(TableKey key);

    // ---- Cells filled from elsewhere (a pasted row, an imported file) ----
    // Puts `text` into cell (row, col), col 1..8, as if it were typed into the
    // cell's editor and the editor left: that column's commit runs with all
    // its rules (band edges, raster, new-channel defaults, tone forms). A list
    // column takes one of its items, in any case; other text leaves the cell as
    // it was. A row without a receive frequency takes its "Rx Freq" only. The
    // current cell stays where it is. Returns what the commit changed of the
    // text, in words (empty when it took the text as it was).
    std::string EnterCellText(int row, int col, std::string_view text);

    // ---- Several channels at once ----
    // Whether a column can be set for several channels in one go: the tones
    // and the four list columns (a frequency belongs to one channel).
    static bool IsBulkColumn(int col);
    // The rows (1..16) the table's selection spans. While it spans two or
    // more, the commit of a tone or list editor opened on one of them puts
    // the same text into that column of every one of them (SetColumnText)
    // when the user changed the editor's text; otherwise a commit changes its
    // own cell alone.
    void SetSelectedRows(std::set<int> rows);
    const std::set<int>& SelectedRows() const { return selected_; }
    // Puts `text` into column `col` (a bulk column) of each of `rows` through
    // EnterCellText, with all the column's rules. A row without a channel is
    // left empty and a value a row refuses leaves that row as it was; both
    // are said, grouped by what is said ("Channels 5, 9: no channel: left
    // empty"). Returns those words ("" when every row took the text).
    std::string SetColumnText(const std::set<int>& rows, int col, std::string_view text);
    // Edit > Apply to Selected Channels: the current cell's text put into its
    // column of every selected row, as SetColumnText. Says why nothing was
    // done when the selection spans fewer than two rows, holds no current
    // cell or its column is no bulk column. Leaves the words in TakeNotice().
    // True when it ran.
    bool ApplyCellToSelection();
    // The rows the last commit or bulk set wrote into (the edited row alone
    // for a single commit).
    const std::set<int>& LastEditRows() const { return lastEditRows_; }

  private:
    struct State {
        std::array<std::array<std::string, kCols>, kRows> cells;
        int row = 1;
        int col = 1;
        std::vector<std::string> bandEntries;
        int bandSelection = -1;
        CellEditor editor = CellEditor::kNone;
        int editRow = 1;
        int editCol = 1;
        std::string editorText;
        std::string textAtEditStart;
        std::vector<std::string> listItems;
    };

    // The entry's band, or nothing when it names none.
    std::optional<BandLimits> BandOfEntry(int index) const;
    // The column whose editor a key or click on the current cell opens.
    int EditColumn() const;
    // Where "Factroy" looks for Factory.dat: the one place that decides it.
    std::string FactoryPath() const;
    void ClearRow(int row);
    void SetSameFrequency(int row, bool same);
    void StoreRow(int row);
    void RebuildScanBitmap();
    void MoveRight();
    void MoveDown();
    // Enter's move after a commit: the next column with an editor, else the
    // first column of the next row (the same cell in the last row).
    void MoveToNextEditedCell();
    // The selected rows when the open editor's commit is to go to all of
    // them; nothing otherwise.
    std::optional<std::set<int>> BulkRowsOfEditor() const;
    // Closes the open editor and puts its text into every row of `rows`.
    void CommitEditorToRows(const std::set<int>& rows);

    RadioImage& image_;
    BandLimits& band_;
    const AppSettings& settings_;
    State state_;
    std::string notice_;
    std::set<int> selected_;
    std::set<int> lastEditRows_;
    bool enteringText_ = false;  // EnterCellText's own commit: never to the selection
};

}  // namespace dpmr
