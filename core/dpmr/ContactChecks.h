// Image-wide checks of the dPMR contact list, run after New, Open and Read:
// every listed contact gets a unique, non-empty name, and channels and group
// receive lists lose references to contacts that are gone or unsuitable.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

// Why a contact cannot have this name or this number, or "" when it can. The
// same rules, with the same words, for every way contacts come in: the
// contact page's limits, `contacts --import` and a codeplug import.
std::string ContactNameFault(std::string_view name);
std::string ContactNumberFault(std::string_view number);

// A listed contact as a group receive list names it.
struct NamedContact {
    std::string name;
    int slot = 0;
    bool groupCall = true;
};

// The slots of the members named for one group receive list, or why they
// cannot be its members: at most 8, each the name of exactly one contact, a
// group call, named once. The same for `grouplists --import` and a codeplug
// import.
std::string GroupListMembersFault(const std::vector<std::string>& members,
                                  const std::vector<NamedContact>& contacts,
                                  std::vector<int>& slots);

// Slot numbers (1..64) of the listed contacts.
std::set<int> ListedContactSlots(const RadioImage& image);

// "Name k" with the smallest k (1..64) that no name of `names` has.
std::optional<std::string> FreeContactName(const std::vector<std::string>& names);

// Empty names become "Name k" (smallest k not in use); a name equal to an
// earlier one is renamed the same way. Names are written back padded with 0xFF.
void RepairContactNames(RadioImage& image);

// Clears references with the listed contacts as the valid slots.
void CheckContactReferences(RadioImage& image);

// Clears references against an explicit set of valid slot numbers:
// a channel's transmit contact outside the set becomes 0xFF; group receive
// lists keep only members whose record is in use and is a group call; a list
// left without members is unassigned (0) from the channels that used it.
void CheckContactReferences(RadioImage& image, const std::set<int>& validSlots);

}  // namespace dpmr
