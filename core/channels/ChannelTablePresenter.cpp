// The channel table's rules: band choice, decoding and encoding of the 16
// rows, the in-place editors and the table's keyboard moves.
#include "channels/ChannelTablePresenter.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <utility>

#include "channels/ChannelRowText.h"
#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "util/DecimalText.h"
#include "util/FileIo.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

using namespace channel;

namespace {

constexpr const char* kFactoryFile = "Factory.dat";
constexpr const char* kSelectorBand = "400-470MHz";

const std::string kEmpty;

const ChannelColumn& Column(int col) {
    return ChannelColumns()[static_cast<std::size_t>(col)];
}

}  // namespace

std::string ChannelNumbersText(const std::set<int>& channels) {
    std::string out;
    for (auto it = channels.begin(); it != channels.end();) {
        const int first = *it;
        int last = first;
        while (++it != channels.end() && *it == last + 1) last = *it;
        if (!out.empty()) out += ", ";
        out += std::to_string(first);
        if (last > first) out += (last == first + 1 ? ", " : "-") + std::to_string(last);
    }
    return out;
}

std::string ChannelsText(const std::set<int>& channels, bool capital) {
    const bool one = channels.size() == 1;
    const std::string pattern =
        capital ? (one ? Tr("channels", "Channel %1") : Tr("channels", "Channels %1"))
                : (one ? Tr("channels", "channel %1") : Tr("channels", "channels %1"));
    return Fill(pattern, {ChannelNumbersText(channels)});
}

const std::array<const char*, ChannelTablePresenter::kCols>& ChannelTablePresenter::ColumnTitles() {
    static const std::array<const char*, kCols> titles = [] {
        std::array<const char*, kCols> all{};
        for (int c = 0; c < kCols; ++c) all[static_cast<std::size_t>(c)] = Column(c).title;
        return all;
    }();
    return titles;
}

const std::array<int, ChannelTablePresenter::kCols>& ChannelTablePresenter::ColumnWidths() {
    static const std::array<int, kCols> widths = [] {
        std::array<int, kCols> all{};
        for (int c = 0; c < kCols; ++c) all[static_cast<std::size_t>(c)] = Column(c).width;
        return all;
    }();
    return widths;
}

ChannelTablePresenter::ChannelTablePresenter(RadioImage& image, BandLimits& band,
                                             const AppSettings& settings)
    : image_(image), band_(band), settings_(settings) {
    for (int c = 0; c < kCols; ++c)
        state_.cells[0][static_cast<std::size_t>(c)] = ColumnTitles()[static_cast<std::size_t>(c)];
    for (int r = 1; r < kRows; ++r)
        state_.cells[static_cast<std::size_t>(r)][0] = std::to_string(r);
}

const std::string& ChannelTablePresenter::Cell(int row, int col) const {
    if (row < 0 || row >= kRows || col < 0 || col >= kCols) return kEmpty;
    return state_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void ChannelTablePresenter::SetCurrentCell(int row, int col) {
    state_.row = std::clamp(row, 1, kLastRow);
    state_.col = std::clamp(col, 1, kLastCol);
}

bool ChannelTablePresenter::HasChannels() const {
    for (int r = 1; r < kRows; ++r)
        if (!Cell(r, kRxFreqCol).empty()) return true;
    return false;
}

std::string ChannelTablePresenter::BandText() const {
    if (state_.bandSelection < 0 ||
        state_.bandSelection >= static_cast<int>(state_.bandEntries.size()))
        return {};
    return state_.bandEntries[static_cast<std::size_t>(state_.bandSelection)];
}

std::optional<BandLimits> ChannelTablePresenter::BandOfEntry(int index) const {
    if (index < 0 || index >= static_cast<int>(state_.bandEntries.size())) return std::nullopt;
    return BandOfEntryText(state_.bandEntries[static_cast<std::size_t>(index)]);
}

void ChannelTablePresenter::ChangeBand(int index) {
    if (index < 0 || index >= static_cast<int>(state_.bandEntries.size())) return;
    CommitOpenEditors();
    state_.bandSelection = index;
    // An entry without two numbers names no band: keep the one in use.
    const std::optional<BandLimits> chosen = BandOfEntry(index);
    if (!chosen || *chosen == band_) return;
    band_ = *chosen;
    for (int n = 1; n <= layout::kChannelCount; ++n) ResetChannelRecord(image_, n);
    LoadImageToGrid();
}

bool ChannelTablePresenter::ChangeBandClearsChannels(int index) const {
    const std::optional<BandLimits> chosen = BandOfEntry(index);
    return chosen && *chosen != band_ && HasChannels();
}

void ChannelTablePresenter::SelectBandFromImage() {
    state_.editor = CellEditor::kNone;
    state_.bandEntries = FreqRangeEntries(settings_);
    // Band bytes that name no band keep the band in use.
    const BandChoice choice = BandForImage(image_, state_.bandEntries, band_);
    band_ = choice.band;
    state_.bandSelection = choice.entry;
    LoadImageToGrid();
}

void ChannelTablePresenter::LoadImageToGrid() {
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const ChannelRowTexts texts = ChannelRowFromImage(image_, n);
        auto& row = state_.cells[static_cast<std::size_t>(n)];
        for (std::size_t k = 0; k < texts.size(); ++k) row[k + 1] = texts[k];
        if (texts[0].empty()) row[kLastCol].clear();
    }
}

void ChannelTablePresenter::StoreGridToImage() {
    CommitOpenEditors();

    const std::string bandText = BandText();
    if (const std::optional<BandLimits> chosen = BandOfEntryText(bandText)) {
        band_ = *chosen;
        SetBcdFrequency(image_, layout::kTableBandLower, chosen->lower);
        SetBcdFrequency(image_, layout::kTableBandUpper, chosen->upper);
    }
    image_.SetU8(layout::kBandSelector, EqualsIgnoringCase(bandText, kSelectorBand) ? 1 : 0);

    for (int n = 1; n <= layout::kChannelCount; ++n) StoreRow(n);
    RebuildScanBitmap();
}

void ChannelTablePresenter::StoreGridInto(RadioImage& target) const {
    BandLimits band = band_;
    ChannelTablePresenter copy(target, band, settings_);
    copy.state_ = state_;
    // An editor open on a selection commits to all of it, here as in the table.
    copy.selected_ = selected_;
    copy.StoreGridToImage();
}

void ChannelTablePresenter::StoreRowsToImage(const std::set<int>& rows) {
    CommitOpenEditors();
    for (int n : rows) {
        if (n < 1 || n > layout::kChannelCount) continue;
        StoreRow(n);
        UpdateScanMembership(image_, band_, n);
    }
}

void ChannelTablePresenter::StoreRow(int n) {
    const auto& row = state_.cells[static_cast<std::size_t>(n)];
    ChannelRowTexts texts;
    std::copy_n(row.begin() + kRxFreqCol, texts.size(), texts.begin());
    StoreChannelRow(image_, n, texts);
}

void ChannelTablePresenter::RebuildScanBitmap() {
    image_.SetBit(layout::kToneLight2, 7, true);
    image_.SetBit(layout::kToneLight, 7, true);
    image_.SetU8(layout::kStoreMarker, 3);

    int count = 0;
    for (; count < 16; ++count) {
        const std::uint16_t entry =
            image_.U16Le(layout::kReceivedMessageIndex + 2 * static_cast<std::size_t>(count));
        if (entry < layout::kReceivedMessagesFirst || entry > layout::kReceivedMessagesLast) break;
    }
    image_.SetU8(layout::kShortMessageCount, static_cast<std::uint8_t>(count));

    RebuildScanMembership(image_, band_);
}

std::string ChannelTablePresenter::FactoryPath() const {
    return settings_.programFolder + kFactoryFile;
}

Status ChannelTablePresenter::LoadFactory() {
    // The button takes the focus first, which commits an open editor.
    CommitOpenEditors();
    std::vector<std::uint8_t> bytes;
    // The message names the file tried and why it could not be read.
    if (Status s = ReadFilePrefix(FactoryPath(), RadioImage::kSize, bytes); !s)
        return Status::Error(Fill(Tr("channels", "Not find factory.dat\n%1"), {s.message()}));
    std::copy(bytes.begin(), bytes.end(), image_.Data());
    SelectBandFromImage();
    return Status::Ok();
}

bool ChannelTablePresenter::LoadFactoryReplacesChannels() const {
    return HasChannels() && FileExists(FactoryPath());
}

int ChannelTablePresenter::EditColumn() const {
    // A new channel always starts with its receive frequency.
    return Cell(state_.row, kRxFreqCol).empty() ? kRxFreqCol : state_.col;
}

void ChannelTablePresenter::BeginCellEdit() {
    CommitOpenEditors();
    state_.col = EditColumn();
    const int col = state_.col;
    const std::string& text = Cell(state_.row, col);
    state_.editRow = state_.row;
    state_.editCol = col;
    state_.listItems.clear();
    state_.editor = Column(col).editor;
    if (state_.editor == CellEditor::kNone) return;
    state_.editorText = text;
    state_.textAtEditStart = text;
    if (state_.editor == CellEditor::kList) {
        state_.listItems = Column(col).listTexts;
        const bool listed = std::find(state_.listItems.begin(), state_.listItems.end(), text) !=
                            state_.listItems.end();
        if (!listed) state_.editorText.clear();
    }
}

void ChannelTablePresenter::SetEditorText(std::string text) {
    if (state_.editor == CellEditor::kFrequency) text = FilterFrequencyText(text);
    state_.editorText = std::move(text);
}

const std::vector<std::string>& ChannelTablePresenter::EditorItems() const {
    static const std::vector<std::string> none;
    if (state_.editor == CellEditor::kTone) return ToneList();
    if (state_.editor == CellEditor::kList) return state_.listItems;
    return none;
}

int ChannelTablePresenter::EditorSelection() const {
    const auto& items = EditorItems();
    const auto it = std::find(items.begin(), items.end(), state_.editorText);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void ChannelTablePresenter::ClearRow(int row) {
    for (int c = 1; c < kCols; ++c)
        state_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)].clear();
}

void ChannelTablePresenter::SetSameFrequency(int row, bool same) {
    image_.SetU8(RecordOffset(row) + kSameFrequency, same ? 1 : 0);
}

void ChannelTablePresenter::CommitFrequencyEditor() {
    if (state_.editor != CellEditor::kFrequency) return;
    state_.editor = CellEditor::kNone;
    lastEditRows_ = {state_.editRow};
    notice_.clear();
    // The edit belongs to the cell it was opened on, even when the current
    // cell has moved on since.
    const int row = state_.editRow;
    const int col = state_.editCol;
    auto& cells = state_.cells[static_cast<std::size_t>(row)];

    // A frequency outside the band moves to its nearest edge and one off the
    // raster to the nearest raster point; the status bar says so.
    const std::string& typed = state_.editorText;
    const std::int64_t value = FrequencyFromText(typed);
    std::string text;
    if (value != 0) {
        std::int64_t v = value;
        if (v > band_.upper) v = band_.upper;
        if (v < band_.lower) v = band_.lower;
        if (v != 0) text = FrequencyToText(v);
        if (v != value)
            notice_ = Fill(Tr("channels", "%1 is outside %2-%3 MHz: set to %4"),
                           {typed, MhzText(band_.lower), MhzText(band_.upper), text});
        else if (SnapToChannelGrid(v) && v != ScaleDecimalText(typed, 6))  // both in Hz
            notice_ =
                Fill(Tr("channels", "%1 is not on the channel raster: set to %2"), {typed, text});
    }

    if (col == kRxFreqCol) {
        const bool hadChannel = !cells[kRxFreqCol].empty();
        if (text.empty()) {
            ClearRow(row);
            if (hadChannel) ResetChannelRecord(image_, row);
        } else if (!hadChannel) {
            const ChannelRowTexts fresh = NewTableRow(text);
            std::copy(fresh.begin(), fresh.end(), cells.begin() + kRxFreqCol);
            cells[kLastCol].clear();
            ResetChannelRecord(image_, row);
        } else {
            cells[kRxFreqCol] = text;
            if (text != state_.textAtEditStart) SetSameFrequency(row, text == cells[kTxFreqCol]);
        }
    } else if (col == kTxFreqCol) {
        cells[kTxFreqCol] = cells[kRxFreqCol].empty() ? std::string() : text;
        if (text != state_.textAtEditStart) SetSameFrequency(row, text == cells[kRxFreqCol]);
    }
}

void ChannelTablePresenter::CommitToneEditor() {
    if (state_.editor != CellEditor::kTone) return;
    if (const auto rows = BulkRowsOfEditor()) return CommitEditorToRows(*rows);
    lastEditRows_ = {state_.editRow};
    state_.editor = CellEditor::kNone;
    notice_.clear();
    auto& cells = state_.cells[static_cast<std::size_t>(state_.editRow)];
    std::string& cell = cells[static_cast<std::size_t>(state_.editCol)];
    if (cells[kRxFreqCol].empty()) {
        cell.clear();
        return;
    }
    TypedTone tone = TakeTypedTone(state_.editorText);
    notice_ = std::move(tone.notice);
    if (!tone.refused) cell = std::move(tone.text);
}

void ChannelTablePresenter::CommitListEditor() {
    if (state_.editor != CellEditor::kList) return;
    // A list left without a choice has no text to give the other rows.
    if (const auto rows = BulkRowsOfEditor(); rows && !state_.editorText.empty())
        return CommitEditorToRows(*rows);
    lastEditRows_ = {state_.editRow};
    state_.editor = CellEditor::kNone;
    auto& cells = state_.cells[static_cast<std::size_t>(state_.editRow)];
    cells[static_cast<std::size_t>(state_.editCol)] =
        cells[kRxFreqCol].empty() ? std::string() : state_.editorText;
}

void ChannelTablePresenter::CommitOpenEditors() {
    CommitToneEditor();
    CommitListEditor();
    CommitFrequencyEditor();
}

void ChannelTablePresenter::CancelEditor() {
    state_.editor = CellEditor::kNone;
}

std::string ChannelTablePresenter::TakeNotice() {
    return std::exchange(notice_, std::string());
}

std::string ChannelTablePresenter::EnterCellText(int row, int col, std::string_view text) {
    if (row < 1 || row > kLastRow || col < kRxFreqCol || col > kTypeCol) return {};
    CommitOpenEditors();
    const int currentRow = state_.row;
    const int currentCol = state_.col;
    state_.row = row;
    state_.col = col;
    notice_.clear();
    std::string typed(text);
    bool enter = EditColumn() == col;
    if (enter && Column(col).editor == CellEditor::kList) {
        const auto& items = Column(col).listTexts;
        const auto it = std::find_if(items.begin(), items.end(), [&](const std::string& item) {
            return EqualsIgnoringCase(item, text);
        });
        if (it == items.end()) {
            enter = false;
            // The entries as a list: "A, B or C".
            std::string entries;
            for (std::size_t k = 0; k < items.size(); ++k)
                entries = k == 0 ? items[k]
                          : k + 1 == items.size()
                              ? Fill(Tr("channels", "%1 or %2"), {entries, items[k]})
                              : Fill(Tr("channels", "%1, %2"), {entries, items[k]});
            notice_ =
                Fill(Tr("channels", "%1 is not %2: left as it was"), {QuoteInput(typed), entries});
        } else {
            typed = *it;
        }
    }
    if (enter) {
        // Text from elsewhere goes into its own cell, whatever is selected.
        enteringText_ = true;
        BeginCellEdit();
        SetEditorText(typed);
        CommitOpenEditors();
        enteringText_ = false;
    }
    state_.row = currentRow;
    state_.col = currentCol;
    return TakeNotice();
}

bool ChannelTablePresenter::IsBulkColumn(int col) {
    return col >= kRxToneCol && col <= kTypeCol;
}

void ChannelTablePresenter::SetSelectedRows(std::set<int> rows) {
    std::erase_if(rows, [](int r) { return r < 1 || r > kLastRow; });
    selected_ = std::move(rows);
}

std::optional<std::set<int>> ChannelTablePresenter::BulkRowsOfEditor() const {
    // An editor left as it opened gives nothing to the other rows: clicking
    // away from a selection never copies one cell over it.
    if (enteringText_ || selected_.size() < 2 || !selected_.contains(state_.editRow) ||
        !IsBulkColumn(state_.editCol) || state_.editorText == state_.textAtEditStart)
        return std::nullopt;
    return selected_;
}

void ChannelTablePresenter::CommitEditorToRows(const std::set<int>& rows) {
    const std::string text = state_.editorText;
    state_.editor = CellEditor::kNone;
    const int editRow = state_.editRow;
    const int editCol = state_.editCol;
    std::string said = SetColumnText(rows, editCol, text);
    // The edit stays the one the user made, for the mark of its notice.
    state_.editRow = editRow;
    state_.editCol = editCol;
    notice_ = std::move(said);
}

std::string ChannelTablePresenter::SetColumnText(const std::set<int>& rows, int col,
                                                 std::string_view text) {
    // What is said, in the order first said, with the rows it is said of.
    std::vector<std::pair<std::string, std::set<int>>> said;
    const auto say = [&said](int row, std::string words) {
        const auto it = std::find_if(said.begin(), said.end(),
                                     [&](const auto& entry) { return entry.first == words; });
        if (it != said.end())
            it->second.insert(row);
        else
            said.push_back({std::move(words), {row}});
    };
    std::set<int> written;
    if (!IsBulkColumn(col)) return {};
    for (int row : rows) {
        if (row < 1 || row > kLastRow) continue;
        written.insert(row);
        if (Cell(row, kRxFreqCol).empty()) {
            say(row, Tr("channels", "no channel: left empty"));
            continue;
        }
        if (std::string words = EnterCellText(row, col, text); !words.empty())
            say(row, std::move(words));
    }
    lastEditRows_ = std::move(written);
    std::string out;
    for (const auto& [words, where] : said)
        out += (out.empty() ? "" : "; ") + ChannelsText(where) + ": " + words;
    return out;
}

bool ChannelTablePresenter::ApplyCellToSelection() {
    CommitOpenEditors();
    const int row = state_.row;
    const int col = state_.col;
    notice_.clear();
    if (selected_.size() < 2 || !selected_.contains(row)) {
        notice_ = Tr("channels",
                     "Select two or more channels first (their row numbers, or Shift with the "
                     "arrows)");
        return false;
    }
    if (!IsBulkColumn(col)) {
        notice_ = Fill(Tr("channels",
                          "%1 is set one channel at a time: choose a cell of Rx Tone "
                          "to Channel type"),
                       {ColumnTitles()[static_cast<std::size_t>(col)]});
        return false;
    }
    if (Cell(row, kRxFreqCol).empty()) {
        notice_ =
            Fill(Tr("channels", "%1 holds no channel: nothing to apply"), {ChannelsText({row})});
        return false;
    }
    state_.editRow = row;
    state_.editCol = col;
    notice_ = SetColumnText(selected_, col, Cell(row, col));
    return true;
}

bool ChannelTablePresenter::IsFrequencyChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '\b';
}

std::string ChannelTablePresenter::FilterFrequencyText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (out.size() >= kMaxFrequencyChars) break;
        if (IsFrequencyChar(c) && c != '\b') out += c == ',' ? '.' : c;
    }
    return out;
}

bool ChannelTablePresenter::TypeIntoCell(char c) {
    if (state_.editor != CellEditor::kNone) return false;
    const int col = EditColumn();
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string text(1, c);
    switch (Column(col).editor) {
        case CellEditor::kFrequency:
            if (c == '\b' || !IsFrequencyChar(c)) return false;
            text = FilterFrequencyText(text);
            break;
        case CellEditor::kTone:
            if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != ',' &&
                upper != 'D' && upper != 'N' && upper != 'I')
                return false;
            break;
        case CellEditor::kList: {
            const auto& items = Column(col).listTexts;
            const auto it =
                std::find_if(items.begin(), items.end(), [upper](const std::string& item) {
                    return std::toupper(static_cast<unsigned char>(item.front())) == upper;
                });
            if (it == items.end()) return false;
            text = *it;
            break;
        }
        case CellEditor::kNone:
            return false;
    }
    BeginCellEdit();
    state_.editorText = text;
    return true;
}

void ChannelTablePresenter::MoveRight() {
    state_.col = std::min(state_.col + 1, kLastCol);
}

void ChannelTablePresenter::MoveDown() {
    state_.row = std::min(state_.row + 1, kLastRow);
}

void ChannelTablePresenter::MoveToNextEditedCell() {
    // The last column with an editor ends the row: Enter there goes on to
    // the first column of the next row, never into the empty last column.
    int last = kLastCol;
    while (last > 1 && ChannelColumns()[static_cast<std::size_t>(last)].editor == CellEditor::kNone)
        --last;
    if (state_.col < last) {
        state_.col += 1;
    } else if (state_.row < kLastRow) {
        state_.row += 1;
        state_.col = 1;
    }
}

void ChannelTablePresenter::FrequencyEditorEnter() {
    if (state_.editor != CellEditor::kFrequency) return;
    const bool wasEmpty = state_.editorText.empty();
    CommitFrequencyEditor();
    if (wasEmpty)
        MoveDown();
    else
        MoveToNextEditedCell();
}

void ChannelTablePresenter::ListEditorEnter() {
    if (state_.editor != CellEditor::kList) return;
    CommitListEditor();
    MoveToNextEditedCell();
}

void ChannelTablePresenter::ToneEditorEnter() {
    if (state_.editor != CellEditor::kTone) return;
    CommitToneEditor();
    MoveToNextEditedCell();
}

void ChannelTablePresenter::TableArrow(TableKey key) {
    switch (key) {
        case TableKey::kRight:
            if (state_.col == kLastCol && state_.row < kLastRow) {
                state_.row += 1;
                state_.col = 1;
            } else {
                MoveRight();
            }
            break;
        case TableKey::kLeft:
            if (state_.col == 1 && state_.row > 1) {
                state_.row -= 1;
                state_.col = kLastCol;
            } else {
                state_.col = std::max(state_.col - 1, 1);
            }
            break;
        case TableKey::kUp:
            state_.row = std::max(state_.row - 1, 1);
            break;
        case TableKey::kDown:
            MoveDown();
            break;
    }
}

}  // namespace dpmr
