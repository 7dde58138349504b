// The channel table's row texts and row store, from the channel record's
// field rows: each column is the field of the same name, loaded and stored
// by its field kind, except where the table's own rules differ (below).
#include "channels/ChannelRowText.h"

#include "channels/ChannelColumns.h"
#include "channels/ChannelFields.h"
#include "codec/FrequencyCodec.h"
#include "form/FieldKinds.h"
#include "image/ChannelRecord.h"

namespace dpmr {

namespace {

using C = EditControl;

// The field the table's column shows (index 0 is "Rx Freq", column 1).
C FieldOfColumn(std::size_t column) {
    return *ChannelColumns()[column + 1].field;
}

const form::FieldDecl& ColumnField(int n, std::size_t column) {
    return ChannelPageDecl(n).fields[FieldIndex(FieldOfColumn(column))];
}

}  // namespace

ChannelRowTexts ChannelRowFromImage(const RadioImage& image, int n) {
    ChannelRowTexts row;
    if (IsChannelEmpty(image, n)) return row;
    for (std::size_t c = 0; c < row.size(); ++c) {
        const form::FieldDecl& f = ColumnField(n, c);
        ControlState s;
        if (f.kind == form::FieldKind::kList) s.items = form::ListItemsFor(f, image);
        form::LoadField(f, image, s);
        // The table shows the scan bit as "Add" or "Del", not as a check mark.
        row[c] =
            FieldOfColumn(c) == C::kScan ? kScanTexts[s.checked ? 0 : 1] : form::ShownText(f, s);
    }
    return row;
}

ChannelRowTexts NewTableRow(const std::string& frequency) {
    return {frequency,          frequency,           "None", "None", kPowerTexts[1], kScanTexts[0],
            kBandwidthTexts[0], kChannelTypeTexts[1]};
}

void StoreChannelRow(RadioImage& image, int n, const ChannelRowTexts& row) {
    if (row[0].empty()) {
        ResetChannelRecord(image, n);
        return;
    }
    for (std::size_t c = 0; c < row.size(); ++c) {
        const form::FieldDecl& f = ColumnField(n, c);
        ControlState s;
        if (f.kind == form::FieldKind::kList) s.items = form::ListItemsFor(f, image);
        s.text = row[c];
        s.selected = FindItemText(s.items, row[c]);
        s.checked = row[c] == kScanTexts[0];
        // A text the list lacks is "Analog" in the table (the dialog: "Digit").
        if (FieldOfColumn(c) == C::kChannelType && s.selected < 0) s.selected = 0;
        form::StoreField(f, s, image);
    }
    const std::size_t r = channel::RecordOffset(n);
    // The table stores an empty Tx Freq as 0 (the dialog: as FF FF FF FF).
    const std::int64_t rx = FrequencyFromText(row[0]);
    const std::int64_t tx = FrequencyFromText(row[1]);
    SetBcdFrequency(image, r + channel::kTxFreq, tx);
    // Same frequency is set, never cleared, and the offset and its direction
    // follow the two frequencies.
    if (rx == tx) image.SetU8(r + channel::kSameFrequency, 1);
    const std::int64_t diff = rx - tx;
    image.SetBits(r + channel::kMode, channel::kOffsetDirectionLo, 2,
                  diff < 0 ? 1 : (diff > 0 ? 2 : 0));
    SetBcdFrequency(image, r + channel::kOffset, diff < 0 ? -diff : diff);
}

}  // namespace dpmr
