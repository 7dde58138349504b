// ChannelClipboard: channel rows copied from the channel table and pasted into
// it. A copy is two things at once: tab-separated text with a header line, as
// spreadsheets put on the clipboard and take from it, and the rows' 32-byte
// records, so that a paste back into this program keeps every field of the
// channel. A paste of records writes them as they are; a paste of text goes
// through the table's own commits, cell by cell, as if typed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelTablePresenter.h"
#include "image/RadioImage.h"

namespace dpmr {

// The clipboard format of the records beside the text.
inline constexpr const char* kChannelRecordsMime = "application/x-dpmrcps-channels";

struct ChannelClipboard {
    std::string text;                   // header line, then one line per channel
    std::vector<std::uint8_t> records;  // 32 bytes per channel, in row order
};

// Channels first..last (1..16) of `image`: text as the table shows them, the
// channel number first; records as the image holds them.
ChannelClipboard CopyChannels(const RadioImage& image, int first, int last);

// What a paste did.
struct PasteReport {
    int first = 0;  // channels first..last received rows (none when last < first)
    int last = -1;
    std::vector<std::string> lines;  // rows and cells changed or left out, in words
};

// Records (a whole number of 32-byte records, at most 16) written from channel
// `first` down, after the table is stored into `image` (the image `table`
// works on); records past channel 16 are left out. A record from a file of
// another band has its frequencies fitted to this band by the table's
// commits; every other byte stays. The table is rebuilt and stored. Nothing
// when `bytes` are no such records.
std::optional<PasteReport> PasteChannelRecords(ChannelTablePresenter& table, RadioImage& image,
                                               int first, std::span<const std::uint8_t> bytes);

// Rows of tab-separated text (from a spreadsheet, or copied here) put into the
// table from channel `first` down through its commits, then stored. A first
// line that names table columns ("Rx Freq", "Power", ...) maps the columns by
// name and may leave some out; without one, the columns are the table's in
// its order, after the channel number when a row has nine fields. A row whose
// "Rx Freq" is no frequency is left out, as are rows past channel 16; a row
// with nothing in it (an empty channel copied) empties the channel, one with
// only its "Rx Freq" empty is left out. An empty tone is "None", an empty
// list cell is left as it was.
PasteReport PasteChannelText(ChannelTablePresenter& table, int first, std::string_view text);

}  // namespace dpmr
