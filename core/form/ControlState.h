// ControlState: what one control of an editor shows: its text (edits), its
// entries and the selected one (lists), its check mark, and whether it can be
// used. Presenters keep one per control; the Qt side only draws them.
#pragma once

#include <string>

#include "form/ListItems.h"

namespace dpmr {

struct ControlState {
    std::string text;  // edits and editable lists
    ListItems items;   // lists
    int selected = -1;
    bool checked = false;
    bool enabled = true;

    // The selected entry's text, or "" when nothing is selected.
    std::string SelectedText() const {
        if (selected < 0 || selected >= static_cast<int>(items.size())) return {};
        return items[static_cast<std::size_t>(selected)].text;
    }
};

}  // namespace dpmr
