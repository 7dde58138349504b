// Searches over the entries of a drop list.
#include "form/ListItems.h"

namespace dpmr {

int FindItemText(const ListItems& items, std::string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].text == text) return static_cast<int>(i);
    return -1;
}

int FindItemData(const ListItems& items, int data) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].data == data) return static_cast<int>(i);
    return -1;
}

}  // namespace dpmr
