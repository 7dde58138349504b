// ListItems: the entries of a drop list as the editors keep them: each entry's
// text and the number it stands for (a stored code, a contact number, or the
// entry's position), with the whole-text and number searches every editor
// selects with. The entries are shared and never change once made: every
// channel page, table row and file export holds the same two tone lists of a
// few hundred entries, and a copy of a control's state costs a count, not a
// list.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

struct ListItem {
    std::string text;
    int data = 0;
    bool operator==(const ListItem&) const = default;
};

class ListItems {
  public:
    ListItems() = default;
    // Not explicit: a list is made from its entries wherever a list is asked for.
    ListItems(std::vector<ListItem> items)
        : items_(std::make_shared<const std::vector<ListItem>>(std::move(items))) {}

    std::size_t size() const { return items_ ? items_->size() : 0; }
    const ListItem& operator[](std::size_t i) const { return (*items_)[i]; }
    std::vector<ListItem>::const_iterator begin() const { return Entries().begin(); }
    std::vector<ListItem>::const_iterator end() const { return Entries().end(); }

  private:
    const std::vector<ListItem>& Entries() const { return items_ ? *items_ : kNone; }
    static inline const std::vector<ListItem> kNone{};
    std::shared_ptr<const std::vector<ListItem>> items_;
};

// Index of the first item whose whole text is `text`, or -1.
int FindItemText(const ListItems& items, std::string_view text);
// Index of the first item whose data is `data`, or -1.
int FindItemData(const ListItems& items, int data);

}  // namespace dpmr
