// ChannelCellText: a cell of the channel table as the screen and the printout
// show it.
#pragma once

#include <QString>
#include <string>

#include "channels/ChannelColumns.h"
#include "form/QtText.h"

// The title row and a drop-down column's entries are in the user's language
// (the drop-down editor goes by the entry's own text, kept as the item's
// data); the other cells are values and show as they are.
inline QString ChannelCellText(int row, int col, const std::string& text) {
    const bool listColumn =
        dpmr::ChannelColumns()[static_cast<std::size_t>(col)].editor == dpmr::CellEditor::kList;
    return row == 0 || listColumn ? FieldText(text) : ToQt(text);
}
