// ContactImages: contacts and group receive lists written straight into an
// image, byte by byte, for tests of the code that reads and edits them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/ImageLayout.h"
#include "image/RadioImage.h"

namespace dpmr::test {

struct TestContact {
    int slot = 1;
    std::string name;
    std::string number = "0000000";  // "0".."9" and "*", one a byte
    bool group = true;
};

inline std::size_t ContactSlot(int slot) {
    return layout::kContactRecords + 16 * static_cast<std::size_t>(slot - 1);
}

// Writes the records and lists them, in the order given, in the order table.
inline void PutContacts(RadioImage& image, const std::vector<TestContact>& contacts) {
    for (std::size_t k = 0; k < contacts.size(); ++k) {
        const TestContact& c = contacts[k];
        const std::size_t p = ContactSlot(c.slot);
        image.FillFF(p, 16);
        for (std::size_t d = 0; d < c.number.size() && d < 7; ++d)
            image.SetU8(p + d,
                        c.number[d] == '*' ? 0x0A : static_cast<std::uint8_t>(c.number[d] - '0'));
        image.SetU8(p + 7, c.group ? 0x01 : 0x00);
        for (std::size_t i = 0; i < c.name.size() && i < 8; ++i)
            image.SetU8(p + 8 + i, static_cast<std::uint8_t>(c.name[i]));
        image.SetU16Le(layout::kContactIndex + 2 * k, static_cast<std::uint16_t>(p));
    }
}

// Puts `members` at the start of group list `n`; the rest stays as it is.
inline void PutGroupList(RadioImage& image, int n, const std::vector<int>& members) {
    const std::size_t list = layout::kGroupLists + 8 * static_cast<std::size_t>(n - 1);
    for (std::size_t k = 0; k < members.size(); ++k)
        image.SetU8(list + k, static_cast<std::uint8_t>(members[k]));
}

// The first `count` members of group list n as stored.
inline std::vector<int> GroupListBytes(const RadioImage& image, int n, std::size_t count = 8) {
    const std::size_t list = layout::kGroupLists + 8 * static_cast<std::size_t>(n - 1);
    std::vector<int> bytes;
    for (std::size_t k = 0; k < count; ++k) bytes.push_back(image.U8(list + k));
    return bytes;
}

}  // namespace dpmr::test
