// Contact records, name repair and reference checks on real images.
#include "dpmr/ContactChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dpmr/ContactRecord.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "support/ContactImages.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using namespace channel;
using test::ContactSlot;
using test::PutContacts;
using test::PutGroupList;

// Numbers are read up to the first byte that is no symbol and written padded
// to 7 characters, stopping at the first character that is no symbol.
TEST(ContactRecord, NumbersAreReadAndWrittenSymbolBySymbol) {
    const struct {
        std::string written;
        test::Bytes bytes;
        std::string read;
    } cases[] = {
        {"12*", {0, 0, 0, 0, 1, 2, 0x0A}, "000012*"},
        {"12345678", {1, 2, 3, 4, 5, 6, 7}, "1234567"},
        {"1A2", {0, 0, 0, 0, 1, 0xFF, 0xFF}, "00001"},
    };
    for (const auto& c : cases) {
        RadioImage image;
        contact::WriteNumber(image, ContactSlot(3), c.written);
        EXPECT_EQ(test::ImageBytes(image, ContactSlot(3), 7), c.bytes) << c.written;
        EXPECT_EQ(contact::Number(image, ContactSlot(3)), c.read) << c.written;
        EXPECT_EQ(image.U8(ContactSlot(3) + 7), 0xFF);  // the type byte is not touched
    }
    RadioImage image;
    image.Fill(ContactSlot(1), 7, 0x0B);  // no symbol: an empty number
    EXPECT_EQ(contact::Number(image, ContactSlot(1)), "");
}

TEST(RepairContactNames, EmptyAndRepeatedNamesGetFreeNumberedNames) {
    RadioImage image;
    PutContacts(image, {{1, "Fox"}, {2, ""}, {3, "Fox"}, {4, "Name 1"}, {5, "fox"}});
    image.SetU8(ContactSlot(7), 0);  // in use but not listed: never renamed
    RepairContactNames(image);
    const std::vector<std::string> names{"Fox", "Name 2", "Name 3", "Name 1", "fox", "", ""};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(image.Text(ContactSlot(n) + 8, 8), names[n - 1]) << n;
    EXPECT_EQ(image.U16Le(ContactSlot(2) + 14), 0xFFFF);  // padded after the six characters
}

// Transmit contacts outside the listed slots become 0xFF; group lists keep
// only group calls in use, and a list left empty is unassigned.
TEST(CheckContactReferences, ReferencesToGoneOrUnsuitableContactsAreCleared) {
    RadioImage image;
    PutContacts(image, {{5, "G5"}, {1, "G1"}, {2, "S2", "0000000", false}});  // slots count
    PutGroupList(image, 1, {2, 5, 1, 0, 5});                                  // 0 ends the list
    PutGroupList(image, 2, {4, 70, 1});  // a free slot, a number beyond the 64 slots
    PutGroupList(image, 4, {2});         // only the single call
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
    PutGroupList(expected, 1, {5, 1, 0xFF, 0xFF, 0xFF});
    PutGroupList(expected, 2, {1, 0xFF, 0xFF});
    PutGroupList(expected, 4, {0xFF});
    CheckContactReferences(image);
    EXPECT_TRUE(image == expected);
}

}  // namespace
}  // namespace dpmr
