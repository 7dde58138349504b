// ChannelColumns: the main window's channel table as one table of columns:
// each column's title, relative width, in-place editor, the channel record
// field it shows and the entries of its drop-down list. The table presenter,
// its row texts and store, the codeplug files and the views of the table all
// read their column facts from here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "channels/ChannelFields.h"

namespace dpmr {

// Which in-place editor a column has: the frequency edit, the tone combo with
// edit field, or the drop-down list.
enum class CellEditor { kNone, kFrequency, kTone, kList };

struct ChannelColumn {
    const char* title;  // the text of the title row
    int width;          // relative width (the old grid's twips)
    CellEditor editor;
    // The record's field the column shows; none for the channel number and
    // the last, empty column.
    std::optional<EditControl> field;
    // The drop-down list's entries, in order (CellEditor::kList only).
    std::vector<std::string> listTexts;
    // What the column shows, for a column without a field; a column with a
    // field says what its field's help says.
    const char* help = nullptr;
};

inline constexpr int kChannelColumnCount = 10;

// Column 0 is the channel number, 1..8 the fields, 9 is empty.
const std::array<ChannelColumn, kChannelColumnCount>& ChannelColumns();

// The help of column `column`: its own, or its field's ("" for the last,
// empty column).
std::string ChannelColumnHelp(int column);

}  // namespace dpmr
