// ListItems: the entries of a drop list as the editors keep them: each entry's
// text and the number it stands for (a stored code, a contact number, or the
// entry's position), with the whole-text and number searches every editor
// selects with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

struct ListItem {
    std::string text;
    int data = 0;
    bool operator==(const ListItem&) const = default;
};
using ListItems = std::vector<ListItem>;

// Index of the first item whose whole text is `text`, or -1.
int FindItemText(const ListItems& items, std::string_view text);
// Index of the first item whose data is `data`, or -1.
int FindItemData(const ListItems& items, int data);

}  // namespace dpmr
