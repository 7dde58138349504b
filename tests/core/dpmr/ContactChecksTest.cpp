// Contact name repair and reference checks on real images.
#include "dpmr/ContactChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channels/ChannelRecord.h"
#include "image/ImageLayout.h"

namespace dpmr {
namespace {

std::size_t SlotAt(int slot) {
    return layout::kContactRecords + 16 * static_cast<std::size_t>(slot - 1);
}

// Puts contacts into the given slots and lists them in that order.
void ListContacts(RadioImage& image, const std::vector<std::pair<int, std::string>>& contacts) {
    for (std::size_t k = 0; k < contacts.size(); ++k) {
        const std::size_t p = SlotAt(contacts[k].first);
        image.Fill(p, 7, 0);
        image.SetU8(p + 7, 0x01);  // group call
        image.SetText(p + 8, 8, contacts[k].second);
        image.SetU16Le(layout::kContactIndex + 2 * k, static_cast<std::uint16_t>(p));
    }
}

std::size_t GroupListAt(int list) {
    return layout::kGroupLists + 8 * static_cast<std::size_t>(list - 1);
}

std::vector<int> GroupMembers(const RadioImage& image, int list) {
    std::vector<int> members;
    for (std::size_t k = 0; k < 8; ++k) members.push_back(image.U8(GroupListAt(list) + k));
    return members;
}

TEST(RepairContactNames, EmptyAndRepeatedNamesGetFreeNumberedNames) {
    RadioImage image;
    ListContacts(image, {{1, "Fox"}, {2, ""}, {3, "Fox"}, {4, "Name 1"}});
    RepairContactNames(image);
    EXPECT_EQ(image.Text(SlotAt(1) + 8, 8), "Fox");
    EXPECT_EQ(image.Text(SlotAt(2) + 8, 8), "Name 2");
    EXPECT_EQ(image.Text(SlotAt(3) + 8, 8), "Name 3");
    EXPECT_EQ(image.Text(SlotAt(4) + 8, 8), "Name 1");
    // Padded with 0xFF after the six characters.
    EXPECT_EQ(image.U8(SlotAt(2) + 14), 0xFF);
    EXPECT_EQ(image.U8(SlotAt(2) + 15), 0xFF);
}

TEST(RepairContactNames, CaseMattersAndUnlistedRecordsStayUntouched) {
    RadioImage image;
    ListContacts(image, {{5, "fox"}, {6, "Fox"}});
    image.SetText(SlotAt(7) + 8, 8, "");  // not listed: never renamed
    image.SetU8(SlotAt(7), 0);
    RepairContactNames(image);
    EXPECT_EQ(image.Text(SlotAt(5) + 8, 8), "fox");
    EXPECT_EQ(image.Text(SlotAt(6) + 8, 8), "Fox");
    EXPECT_EQ(image.Text(SlotAt(7) + 8, 8), "");
}

TEST(ListedContacts, OrderTableEndsAtFirstEntryThatIsNoRecord) {
    struct Case {
        std::uint16_t second;
        std::size_t listed;
    };
    for (const Case c : {Case{0x0930, 3}, Case{0x0931, 1}, Case{0x053F, 1}, Case{0xFFFF, 1},
                         Case{0x0548, 1} /* between two records */}) {
        RadioImage image;
        image.SetU16Le(layout::kContactIndex, 0x0540);
        image.SetU16Le(layout::kContactIndex + 2, c.second);
        image.SetU16Le(layout::kContactIndex + 4, 0x0550);
        EXPECT_EQ(ListedContactOffsets(image).size(), c.listed) << std::hex << c.second;
    }
    RadioImage empty;
    empty.SetU16Le(layout::kContactIndex + 2, 0x0550);  // after a first entry of 0xFFFF
    EXPECT_TRUE(ListedContactOffsets(empty).empty());
    EXPECT_TRUE(ListedContactSlots(empty).empty());
}

TEST(CheckContactReferences, TxContactOutsideTheListBecomesFF) {
    RadioImage image;
    ListContacts(image, {{3, "A"}, {1, "B"}});
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> cases{
        {1, 1}, {3, 3}, {2, 0xFF}, {0, 0xFF}, {64, 0xFF}, {0xFF, 0xFF}};
    for (std::size_t k = 0; k < cases.size(); ++k)
        image.SetU8(channel::RecordOffset(static_cast<int>(k) + 1) + channel::kTxContact,
                    cases[k].first);
    CheckContactReferences(image);
    for (std::size_t k = 0; k < cases.size(); ++k)
        EXPECT_EQ(image.U8(channel::RecordOffset(static_cast<int>(k) + 1) + channel::kTxContact),
                  cases[k].second)
            << "channel " << k + 1;
}

TEST(CheckContactReferences, EmptyOrderTableInvalidatesEveryTxContact) {
    RadioImage image;
    ListContacts(image, {{1, "A"}});
    image.SetU16Le(layout::kContactIndex, 0xFFFF);
    image.SetU8(channel::RecordOffset(4) + channel::kTxContact, 1);
    CheckContactReferences(image);
    EXPECT_EQ(image.U8(channel::RecordOffset(4) + channel::kTxContact), 0xFF);
}

TEST(CheckContactReferences, GroupListsKeepOnlyGroupCallsInUse) {
    RadioImage image;
    ListContacts(image, {{1, "G1"}, {2, "S2"}, {3, "G3"}});
    image.SetU8(SlotAt(2) + 7, 0x00);  // slot 2 is a single call
    // List 1: single call 2 drops out, 3 moves up; 0 ends the list.
    const std::uint8_t list1[8] = {2, 3, 1, 0, 3, 0xFF, 0xFF, 0xFF};
    for (std::size_t k = 0; k < 8; ++k) image.SetU8(GroupListAt(1) + k, list1[k]);
    // List 2: a free slot (5) and a number beyond the 64 slots (70).
    image.SetU8(GroupListAt(2), 5);
    image.SetU8(GroupListAt(2) + 1, 70);
    image.SetU8(GroupListAt(2) + 2, 1);

    CheckContactReferences(image);
    EXPECT_EQ(GroupMembers(image, 1), (std::vector<int>{3, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(GroupMembers(image, 2),
              (std::vector<int>{1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(CheckContactReferences, EmptiedListIsUnassignedFromItsChannels) {
    RadioImage image;
    ListContacts(image, {{1, "G1"}, {2, "G2"}});
    image.SetU8(GroupListAt(4), 2);
    image.SetU8(GroupListAt(5), 1);
    image.SetU8(SlotAt(2) + 7, 0x00);  // contact 2 turned into a single call
    image.SetU8(channel::RecordOffset(1) + channel::kGroupList, 4);
    image.SetU8(channel::RecordOffset(2) + channel::kGroupList, 5);
    image.SetU8(channel::RecordOffset(3) + channel::kGroupList, 4);

    CheckContactReferences(image);
    EXPECT_EQ(image.U8(GroupListAt(4)), 0xFF);
    EXPECT_EQ(image.U8(channel::RecordOffset(1) + channel::kGroupList), 0);
    EXPECT_EQ(image.U8(channel::RecordOffset(2) + channel::kGroupList), 5);
    EXPECT_EQ(image.U8(channel::RecordOffset(3) + channel::kGroupList), 0);
}

TEST(CheckContactReferences, ExplicitSlotSetReplacesTheOrderTable) {
    RadioImage image;
    ListContacts(image, {{1, "A"}, {2, "B"}});
    image.SetU8(channel::RecordOffset(1) + channel::kTxContact, 1);
    image.SetU8(channel::RecordOffset(2) + channel::kTxContact, 2);
    image.SetU8(channel::RecordOffset(3) + channel::kTxContact, 9);
    CheckContactReferences(image, std::set<int>{2, 9});
    EXPECT_EQ(image.U8(channel::RecordOffset(1) + channel::kTxContact), 0xFF);
    EXPECT_EQ(image.U8(channel::RecordOffset(2) + channel::kTxContact), 2);
    EXPECT_EQ(image.U8(channel::RecordOffset(3) + channel::kTxContact), 9);
}

}  // namespace
}  // namespace dpmr
