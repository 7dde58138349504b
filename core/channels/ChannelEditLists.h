// The dynamic entries of the channel edit dialog's lists, read from the image
// once when the dialog opens: the contacts in the order of the contact index,
// the group receive lists, the preset short messages and the DTMF codes that
// exist. Also the whole-text and item-data searches the dialog selects with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

// One entry of a drop list: its text and the number it stands for (a contact
// number for the contact lists, 0 for "None").
struct ListItem {
    std::string text;
    int data = 0;
    bool operator==(const ListItem&) const = default;
};
using ListItems = std::vector<ListItem>;

// A contact as the lists show it: its slot number (1..64) and its name.
struct ContactEntry {
    int number = 0;
    std::string name;
};

// The listed contacts in the order of the contact index (the same contacts the
// contact checks see). The name is the last 8 bytes of the record, up to the
// first 0xFF.
std::vector<ContactEntry> ContactsInIndexOrder(const RadioImage& image);

// Numbers 1..16 of the group receive lists, preset short messages and DTMF
// codes that exist.
std::vector<int> ExistingGroupLists(const RadioImage& image);
std::vector<int> ExistingShortMessages(const RadioImage& image);
std::vector<int> ExistingDtmfCodes(const RadioImage& image);

// `first` (data 0) followed by the contacts' names (data = contact number).
ListItems ContactListItems(const std::string& first, const std::vector<ContactEntry>& contacts);
// `first` (data 0) followed by the decimal texts of `numbers` (data = number).
ListItems NumberListItems(const std::string& first, const std::vector<int>& numbers);

// Index of the first item whose whole text is `text`, or -1.
int FindItemText(const ListItems& items, std::string_view text);
// Index of the first item whose data is `data`, or -1.
int FindItemData(const ListItems& items, int data);

}  // namespace dpmr
