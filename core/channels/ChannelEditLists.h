// The dynamic entries of the channel edit dialog's lists, read from the image
// once when the dialog opens: the contacts in the order of the contact index,
// the group receive lists, the preset short messages and the DTMF codes that
// exist.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/ListItems.h"
#include "image/RadioImage.h"

namespace dpmr {

// A contact as the lists show it: its slot number (1..64) and its name.
struct ContactChoice {
    int number = 0;
    std::string name;
};

// The listed contacts in the order of the contact index (the same contacts the
// contact checks see). The name is the last 8 bytes of the record, up to the
// first 0xFF.
std::vector<ContactChoice> ContactsInIndexOrder(const RadioImage& image);

// Numbers 1..16 of the group receive lists, preset short messages and DTMF
// codes that exist.
std::vector<int> ExistingGroupLists(const RadioImage& image);
std::vector<int> ExistingShortMessages(const RadioImage& image);
std::vector<int> ExistingDtmfCodes(const RadioImage& image);

// The entries the document supplies to the channel fields' lists (and the
// scan dialog's channel lists): the contacts' names (data = contact number),
// the numbers of the group receive lists, DTMF codes and short messages that
// exist, and of the channels that hold a frequency (data = the number).
ListItems ContactItems(const RadioImage& image);
ListItems GroupListItems(const RadioImage& image);
ListItems DtmfCodeItems(const RadioImage& image);
ListItems ShortMessageItems(const RadioImage& image);
ListItems PresentChannelItems(const RadioImage& image);

}  // namespace dpmr
