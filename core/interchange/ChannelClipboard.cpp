// Channel rows to the clipboard's text and records, and both back into the
// channel table.
#include "interchange/ChannelClipboard.h"

#include <algorithm>
#include <map>

#include "channels/ChannelRowText.h"
#include "codec/FrequencyCodec.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "util/Csv.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using Table = ChannelTablePresenter;

constexpr const char* kNumberTitle = "Channel";
constexpr int kLastChannel = layout::kChannelCount;
constexpr int kDataColumns = Table::kTypeCol;  // "Rx Freq" .. "Channel type"

std::string Title(int col) {
    return Table::ColumnTitles()[static_cast<std::size_t>(col)];
}

void LeftOutBelowLastChannel(int count, PasteReport& report) {
    if (count > 0)
        report.lines.push_back(
            Fill(count == 1 ? Tr("interchange", "%1 row did not fit below channel 16: left out")
                            : Tr("interchange", "%1 rows did not fit below channel 16: left out"),
                 {std::to_string(count)}));
}

// Which table column each field of a row goes to: by the titles of the first
// line when it has any, else the table's columns in order, after the channel
// number when the row has nine fields or more.
struct ColumnMap {
    std::map<std::size_t, int> byTitle;
    bool header = false;

    std::map<std::size_t, int> Of(const CsvRecord& record) const {
        if (header) return byTitle;
        std::map<std::size_t, int> columns;
        const std::size_t skip = record.fields.size() > static_cast<std::size_t>(kDataColumns);
        for (int col = Table::kRxFreqCol; col <= kDataColumns; ++col)
            columns[skip + static_cast<std::size_t>(col - Table::kRxFreqCol)] = col;
        return columns;
    }
};

ColumnMap MapColumns(const std::vector<CsvRecord>& records) {
    ColumnMap map;
    if (records.empty()) return map;
    const auto& first = records.front().fields;
    for (std::size_t k = 0; k < first.size(); ++k)
        for (int col = Table::kRxFreqCol; col <= kDataColumns; ++col)
            if (EqualsIgnoringCase(TrimBlanks(first[k]), Title(col)) && !map.byTitle.count(k))
                map.byTitle[k] = col;
    map.header = !map.byTitle.empty();
    return map;
}

// A pasted frequency as the table's editor takes it; nothing for one that is
// neither empty nor a frequency.
std::optional<std::string> FrequencyCellText(std::string_view text) {
    if (text.empty()) return std::string();
    const auto hz = FrequencyHzFromNumberText(text);
    if (!hz) return std::nullopt;
    return MhzTextOfHz(*hz);
}

void Note(PasteReport& report, int channel, int col, const std::string& text) {
    if (!text.empty())
        report.lines.push_back(Fill(Tr("interchange", "channel %1, %2: %3"),
                                    {std::to_string(channel), Title(col), text}));
}

// One row of text into channel n: "Rx Freq" first, since it may make the
// channel; false when the row is left out. An empty "Rx Freq" empties the
// channel only when the whole row is empty, as an empty channel copied is.
bool PasteRow(Table& table, int n, const CsvRecord& record, const ColumnMap& map,
              PasteReport& report) {
    std::map<int, std::string> cells;
    bool empty = true;
    for (const auto& [field, col] : map.Of(record)) {
        if (field >= record.fields.size()) continue;
        cells[col] = std::string(TrimBlanks(record.fields[field]));
        empty = empty && cells[col].empty();
    }
    const auto leaveOut = [&](const std::string& why) {
        report.lines.push_back(Fill(Tr("interchange", "line %1: %2: row left out"),
                                    {std::to_string(record.line), why}));
        return false;
    };
    if (const auto rx = cells.find(Table::kRxFreqCol); rx != cells.end()) {
        const auto text = FrequencyCellText(rx->second);
        if (!text)
            return leaveOut(
                Fill(Tr("interchange", "%1 is no frequency"), {QuoteInput(rx->second)}));
        if (text->empty() && !empty) return leaveOut(Tr("interchange", "no Rx Freq"));
        Note(report, n, Table::kRxFreqCol, table.EnterCellText(n, Table::kRxFreqCol, *text));
    }
    for (const auto& [col, text] : cells) {
        if (col == Table::kRxFreqCol) continue;
        std::string typed = text;
        if (col == Table::kTxFreqCol) {
            const auto tx = FrequencyCellText(text);
            if (!tx) {
                Note(report, n, col,
                     Fill(Tr("interchange", "%1 is no frequency: left as it was"),
                          {QuoteInput(text)}));
                continue;
            }
            typed = *tx;
        } else if (col == Table::kRxToneCol || col == Table::kTxToneCol) {
            if (typed.empty()) typed = "None";
        } else if (typed.empty()) {
            continue;
        }
        Note(report, n, col, table.EnterCellText(n, col, typed));
    }
    return true;
}

}  // namespace

ChannelClipboard CopyChannels(const RadioImage& image, int first, int last) {
    ChannelClipboard clip;
    std::vector<std::string> fields{kNumberTitle};
    for (int col = Table::kRxFreqCol; col <= kDataColumns; ++col) fields.push_back(Title(col));
    clip.text = CsvLine(fields, '\t');
    for (int n = std::max(first, 1); n <= std::min(last, kLastChannel); ++n) {
        const ChannelRowTexts row = ChannelRowFromImage(image, n);
        fields.assign(1, std::to_string(n));
        fields.insert(fields.end(), row.begin(), row.end());
        clip.text += CsvLine(fields, '\t');
        const auto record = image.Span(channel::RecordOffset(n), layout::kChannelSize);
        clip.records.insert(clip.records.end(), record.begin(), record.end());
    }
    return clip;
}

std::optional<PasteReport> PasteChannelRecords(ChannelTablePresenter& table, RadioImage& image,
                                               int first, std::span<const std::uint8_t> bytes) {
    const std::size_t count = bytes.size() / layout::kChannelSize;
    if (count == 0 || count > static_cast<std::size_t>(kLastChannel) ||
        bytes.size() % layout::kChannelSize != 0)
        return std::nullopt;
    PasteReport report{first, first - 1, {}};
    table.StoreGridToImage();
    for (std::size_t k = 0; k < count; ++k) {
        const int n = first + static_cast<int>(k);
        if (n > kLastChannel) break;
        const auto record = bytes.subspan(k * layout::kChannelSize, layout::kChannelSize);
        std::copy(record.begin(), record.end(), image.Data() + channel::RecordOffset(n));
        report.last = n;
    }
    LeftOutBelowLastChannel(static_cast<int>(count) - (report.last - first + 1), report);
    table.LoadImageToGrid();
    // The frequencies as the table takes them: moved into this band and onto
    // the raster when they came from elsewhere, else unchanged.
    for (int n = first; n <= report.last; ++n)
        for (int col : {Table::kRxFreqCol, Table::kTxFreqCol})
            if (const std::string text = table.Cell(n, col); !text.empty())
                Note(report, n, col, table.EnterCellText(n, col, text));
    table.StoreGridToImage();
    return report;
}

PasteReport PasteChannelText(ChannelTablePresenter& table, int first, std::string_view text) {
    PasteReport report{first, first - 1, {}};
    std::vector<CsvRecord> records;
    if (Status s = ParseCsv(text, records, '\t'); !s) {
        report.lines.push_back(Fill(
            Tr("interchange", "the clipboard text is no table of channels: %1"), {s.message()}));
        return report;
    }
    const ColumnMap map = MapColumns(records);
    const std::size_t start = map.header ? 1 : 0;
    if (records.size() <= start) {
        report.lines.push_back(Tr("interchange", "the clipboard holds no channel rows"));
        return report;
    }
    int leftOut = 0;
    for (std::size_t k = start; k < records.size(); ++k) {
        const int n = first + static_cast<int>(k - start);
        if (n > kLastChannel) {
            ++leftOut;
            continue;
        }
        if (!PasteRow(table, n, records[k], map, report)) continue;
        if (report.last < report.first) report.first = n;
        report.last = n;
    }
    LeftOutBelowLastChannel(leftOut, report);
    table.StoreGridToImage();
    return report;
}

}  // namespace dpmr
