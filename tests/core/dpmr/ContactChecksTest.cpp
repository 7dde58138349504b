// Contact name repair and reference checks on real images.
#include "dpmr/ContactChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channels/ChannelRecord.h"
#include "image/ImageLayout.h"

namespace dpmr {
namespace {

using namespace channel;

std::size_t Slot(int n) {
    return layout::kContactRecords + 16 * static_cast<std::size_t>(n - 1);
}

// Puts group-call contacts into the given slots and lists them in that order.
void ListContacts(RadioImage& image, const std::vector<std::pair<int, std::string>>& contacts) {
    for (std::size_t k = 0; k < contacts.size(); ++k) {
        const std::size_t p = Slot(contacts[k].first);
        image.Fill(p, 7, 0);
        image.SetU8(p + 7, 0x01);
        image.SetText(p + 8, 8, contacts[k].second);
        image.SetU16Le(layout::kContactIndex + 2 * k, static_cast<std::uint16_t>(p));
    }
}

// Puts `members` at the start of group list `n`.
void SetGroupList(RadioImage& image, int n, const std::vector<int>& members) {
    const std::size_t list = layout::kGroupLists + 8 * static_cast<std::size_t>(n - 1);
    for (std::size_t k = 0; k < members.size(); ++k) image.SetU8(list + k, members[k]);
}

TEST(RepairContactNames, EmptyAndRepeatedNamesGetFreeNumberedNames) {
    RadioImage image;
    ListContacts(image, {{1, "Fox"}, {2, ""}, {3, "Fox"}, {4, "Name 1"}, {5, "fox"}});
    image.SetU8(Slot(7), 0);  // in use but not listed: never renamed
    RepairContactNames(image);
    const std::vector<std::string> names{"Fox", "Name 2", "Name 3", "Name 1", "fox", "", ""};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(image.Text(Slot(n) + 8, 8), names[n - 1]) << n;
    EXPECT_EQ(image.U16Le(Slot(2) + 14), 0xFFFF);  // padded after the six characters
}

TEST(ListedContacts, OrderTableEndsAtFirstEntryThatIsNoRecord) {
    for (const auto& [second, listed] : std::vector<std::pair<int, std::size_t>>{
             {0x0930, 3}, {0x0931, 1}, {0x053F, 1}, {0xFFFF, 1}, {0x0548 /* mid-record */, 1}}) {
        RadioImage image;
        for (int k = 0; k < 3; ++k)
            image.SetU16Le(layout::kContactIndex + 2 * k, k == 1 ? second : 0x0540 + 16 * k);
        EXPECT_EQ(ListedContactOffsets(image).size(), listed) << std::hex << second;
    }
}

// Transmit contacts outside the listed slots become 0xFF; group lists keep
// only group calls in use, and a list left empty is unassigned.
TEST(CheckContactReferences, ReferencesToGoneOrUnsuitableContactsAreCleared) {
    RadioImage image;
    ListContacts(image, {{5, "G5"}, {1, "G1"}, {2, "S2"}});  // slots count, not list places
    image.SetU8(Slot(2) + 7, 0x00);                          // slot 2 is a single call
    SetGroupList(image, 1, {2, 5, 1, 0, 5});                 // 0 ends the list
    SetGroupList(image, 2, {4, 70, 1});  // a free slot, a number beyond the 64 slots
    SetGroupList(image, 4, {2});         // only the single call
    const int tx[][2] = {{1, 1}, {5, 5}, {3, 0xFF}, {0, 0xFF}, {64, 0xFF}, {0xFF, 0xFF}};
    for (int n = 1; n <= 6; ++n) {
        image.SetU8(RecordOffset(n) + kTxContact, tx[n - 1][0]);
        image.SetU8(RecordOffset(n) + kGroupList, n == 2 ? 2 : 4);
    }
    RadioImage expected = image;  // and nothing else changes
    for (int n = 1; n <= 6; ++n) {
        expected.SetU8(RecordOffset(n) + kTxContact, tx[n - 1][1]);
        expected.SetU8(RecordOffset(n) + kGroupList, n == 2 ? 2 : 0);
    }
    SetGroupList(expected, 1, {5, 1, 0xFF, 0xFF, 0xFF});
    SetGroupList(expected, 2, {1, 0xFF, 0xFF});
    SetGroupList(expected, 4, {0xFF});
    CheckContactReferences(image);
    EXPECT_TRUE(image == expected);
}

}  // namespace
}  // namespace dpmr
