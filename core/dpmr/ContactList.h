// ContactList: the radio's contact list as rows (name, number, call type and
// the record each row lives in), read in list order and stored the way the
// "Contact" page stores it: sorted by name, the order table and the records
// rewritten, then references to contacts no longer listed cleared.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

struct ContactRow {
    std::string name;
    std::string number;  // as read; padded to 7 characters when stored
    bool groupCall = true;
    std::size_t record = 0;  // image offset of the row's record
    bool operator==(const ContactRow&) const = default;
};

// The listed contacts in list order.
std::vector<ContactRow> ReadContactList(const RadioImage& image);

// Sorts `rows` by name (byte-wise, case-sensitive), writes them into the
// order table and their records, and clears channel and group-list
// references to slots that are not among the rows.
void StoreContactList(RadioImage& image, std::vector<ContactRow>& rows);

// The texts of the call types, as the "Type" column offers them.
inline constexpr const char* kSingleCallText = "Single call";
inline constexpr const char* kGroupCallText = "Group call";
inline const char* CallTypeText(bool groupCall) {
    return groupCall ? kGroupCallText : kSingleCallText;
}

}  // namespace dpmr
