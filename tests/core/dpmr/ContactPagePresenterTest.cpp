// The rules of the "Contact" page on real images: loading from the order
// table, Add, Insert and Delete with their records and button states, the
// refusals at the end of an edit, and the sorted store with its reference
// check.
#include "dpmr/ContactPagePresenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dpmr/ContactChecks.h"
#include "dpmr/ContactRecord.h"
#include "image/ChannelRecord.h"
#include "support/ContactImages.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using P = ContactPagePresenter;
using test::ContactSlot;
using test::PutContacts;

std::vector<std::string> Column(const P& page, int col) {
    std::vector<std::string> texts;
    for (int r = 1; r <= page.RowCount(); ++r) texts.push_back(page.Cell(r, col));
    return texts;
}

std::vector<std::size_t> OrderTable(const RadioImage& image, int count) {
    std::vector<std::size_t> entries;
    for (int k = 0; k < count; ++k) entries.push_back(image.U16Le(layout::kContactIndex + 2 * k));
    return entries;
}

TEST(ContactPage, LoadsInListOrderUpToTheFirstEntryThatIsNoRecord) {
    RadioImage image;
    PutContacts(image, {{3, "Fox", "12*"}, {1, "Ann", "0000001", false}, {2, "Bob"}});
    image.SetU8(ContactSlot(2) + 7, 0xFE);  // other bits of the type byte are no type
    image.SetU8(ContactSlot(3) + 3, 0x0B);  // ends the number
    P page(image);
    page.LoadFromImage();
    EXPECT_EQ(Column(page, P::kNoCol), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Column(page, P::kNameCol), (std::vector<std::string>{"Fox", "Ann", "Bob"}));
    EXPECT_EQ(Column(page, P::kNumberCol), (std::vector<std::string>{"12*", "0000001", "0000000"}));
    EXPECT_EQ(Column(page, P::kTypeCol),
              (std::vector<std::string>{"Group call", "Single call", "Single call"}));

    image.SetU16Le(layout::kContactIndex + 2, 0x0931);  // no record: the list ends before it
    page.LoadFromImage();
    EXPECT_EQ(page.RowCount(), 1);
    image.SetU16Le(layout::kContactIndex, 0xFFFF);
    page.LoadFromImage();
    EXPECT_EQ(page.RowCount(), 0);
}

// An entry inside the record area but not on a record start is passed over
// alone: the contacts after it stay listed, and so do the channels' and group
// lists' references to them, through Open's checks and the page's store. The
// record it pointed into is free for Add.
TEST(ContactPage, AnEntryBetweenRecordsIsPassedOverAndTheContactsAfterItKept) {
    RadioImage image;
    PutContacts(image, {{1, "Ann", "1"}, {2, "Bob", "2"}, {3, "Cat", "3"}, {4, "Dan", "4"}});
    image.SetU16Le(layout::kContactIndex + 2, static_cast<std::uint16_t>(ContactSlot(2) + 8));
    image.SetU8(channel::RecordOffset(1) + channel::kTxContact, 3);
    test::PutGroupList(image, 1, {4});
    image.SetU8(channel::RecordOffset(1) + channel::kGroupList, 1);
    RepairContactNames(image);
    CheckContactReferences(image);
    P page(image);
    page.LoadFromImage();
    EXPECT_EQ(Column(page, P::kNameCol), (std::vector<std::string>{"Ann", "Cat", "Dan"}));
    page.SaveToImage();
    EXPECT_EQ(OrderTable(image, 4),
              (std::vector<std::size_t>{ContactSlot(1), ContactSlot(3), ContactSlot(4), 0xFFFF}));
    EXPECT_EQ(image.U8(channel::RecordOffset(1) + channel::kTxContact), 3);
    EXPECT_EQ(image.U8(channel::RecordOffset(1) + channel::kGroupList), 1);
    EXPECT_EQ(test::GroupListBytes(image, 1, 2), (std::vector<int>{4, 0xFF}));
    page.Add();
    EXPECT_EQ(page.Row(4).record, ContactSlot(2));
}

// On an image of zeros every record looks in use, but the order table (all
// entries 0x0000) lists none: Add takes the first record all the same.
TEST(ContactPage, AddReusesRecordsTheOrderTableDoesNotList) {
    RadioImage image;
    image.Fill(0, RadioImage::kSize, 0x00);
    P page(image);
    page.LoadFromImage();
    ASSERT_EQ(page.RowCount(), 0);
    page.Add();
    ASSERT_EQ(page.RowCount(), 1);
    EXPECT_EQ(page.Row(1).record, ContactSlot(1));
    page.Add();
    EXPECT_EQ(page.Row(2).record, ContactSlot(2));
}

TEST(ContactPage, AddTakesTheFirstFreeNameNumberAndRecordAtOnce) {
    RadioImage image;
    PutContacts(image, {{1, "Name 1", "1"}, {4, "Name 3", "0000002"}, {2, "Zed", ""}});
    image.FillFF(ContactSlot(2), 7);  // listed, but its number is erased
    P page(image);
    page.LoadFromImage();
    page.Add();
    ASSERT_EQ(page.RowCount(), 4);
    EXPECT_EQ(page.Cell(4, P::kNameCol), "Name 2");
    EXPECT_EQ(page.Cell(4, P::kNumberCol), "0000003");  // "1" counts as 0000001
    EXPECT_EQ(page.Row(4).record, ContactSlot(3));      // slot 2 looks free but is listed
    EXPECT_EQ(test::ImageBytes(image, ContactSlot(3), 16),
              (test::Bytes{0, 0, 0, 0, 0, 0, 3, 0x01, 'N', 'a', 'm', 'e', ' ', '2', 0xFF, 0xFF}));

    EXPECT_EQ(page.CurrentRow(), 0);  // no cell had the focus: none has it now

    // Insert goes before the focused row, or to the end without one; the
    // focus stays with its contact either way, so a Delete right after acts
    // on that contact, not on the new one.
    page.SetCurrentCell(2, P::kTypeCol);
    page.Insert();
    EXPECT_EQ(Column(page, P::kNameCol),
              (std::vector<std::string>{"Name 1", "Name 4", "Name 3", "Zed", "Name 2"}));
    EXPECT_EQ(page.Row(2).record, ContactSlot(5));
    EXPECT_EQ(page.CurrentRow(), 3);
    EXPECT_EQ(page.CurrentCol(), P::kTypeCol);
    page.Add();
    EXPECT_EQ(page.CurrentRow(), 3);
    page.Delete();
    EXPECT_EQ(Column(page, P::kNameCol),
              (std::vector<std::string>{"Name 1", "Name 4", "Zed", "Name 2", "Name 5"}));
}

TEST(ContactPage, ButtonsStopAt64ContactsAndAtTheLastOne) {
    RadioImage image;
    PutContacts(image, {{1, "Name 1"}});
    P page(image);
    page.LoadFromImage();
    page.SetCurrentCell(1, P::kNameCol);
    EXPECT_FALSE(page.CanDelete());
    page.Delete();
    EXPECT_EQ(page.RowCount(), 1);
    EXPECT_TRUE(contact::InUse(image, ContactSlot(1)));
    for (int k = 0; k < 70; ++k) page.Add();
    EXPECT_EQ(page.RowCount(), 64);
    EXPECT_FALSE(page.CanAdd() || page.CanInsert());

    // With every record in use but one listed, the unlisted ones hold no
    // contact anyone sees: Add takes them in slot order, up to 64 rows.
    RadioImage full;
    for (int slot = 1; slot <= 64; ++slot) full.SetU8(ContactSlot(slot), 0);
    PutContacts(full, {{1, "A"}});
    P crowded(full);
    crowded.LoadFromImage();
    crowded.Add();
    ASSERT_EQ(crowded.RowCount(), 2);
    EXPECT_EQ(crowded.Row(2).record, ContactSlot(2));
    for (int k = 0; k < 70; ++k) crowded.Add();
    EXPECT_EQ(crowded.RowCount(), 64);
}

TEST(ContactPage, EndOfEditRefusesEmptyOrRepeatedValuesAndPadsNumbers) {
    RadioImage image;
    PutContacts(image, {{1, "Ann", "1"}, {2, "Bob", "0000012"}});
    P page(image);
    page.LoadFromImage();
    const struct {
        int row, col;
        std::string text;
        bool taken;
        std::string shown;
        std::string notice = {};
    } cases[] = {
        // clang-format off
        {1, P::kNameCol, "", false, "Ann"},          {1, P::kNameCol, "Bob", false, "Ann"},
        {1, P::kNameCol, "ann", true, "ann"},        {1, P::kNameCol, "TooLongName", false, "ann"},
        {1, P::kNumberCol, "12", false, "1", "0000012 is already Bob's"},
        {1, P::kNumberCol, "1", false, "1"},   // its own, padded: nothing to say
        {1, P::kNumberCol, "3*", true, "000003*"},   {2, P::kTypeCol, "Group", false, "Group call"},
        {2, P::kNumberCol, "0000003*", false, "0000012"},  // too long: typing never gives it
        {2, P::kNumberCol, "3*", false, "0000012", "000003* is already ann's"},
        {2, P::kNoCol, "9", true, "2"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(page.EndEdit(c.row, c.col, c.text), c.taken) << c.text;
        EXPECT_EQ(page.Cell(c.row, c.col), c.shown) << c.text;
        EXPECT_EQ(page.Notice(), c.notice) << c.text;
    }
}

// The store sorts by name byte-wise (a name listed twice, as a file may have
// it, keeps its order), rewrites the order table and records, and keeps the
// type byte's other bits.
TEST(ContactPage, StoreSortsByNameAndRewritesTheRecords) {
    RadioImage image;
    PutContacts(image, {{1, "b", "1"}, {5, "a", "5"}, {2, "A", "2"}, {3, "a", "3"}});
    image.SetU8(ContactSlot(1) + 7, 0xF1);
    image.SetU8(ContactSlot(2) + 15, 'X');  // after the name's 0xFF: overwritten
    P page(image);
    page.LoadFromImage();
    page.EndEdit(1, P::kTypeCol, "Single call");
    page.SetCurrentCell(1, P::kNumberCol);
    page.SaveToImage();
    EXPECT_EQ(OrderTable(image, 5),
              (std::vector<std::size_t>{ContactSlot(2), ContactSlot(5), ContactSlot(3),
                                        ContactSlot(1), 0xFFFF}));
    EXPECT_EQ(Column(page, P::kNameCol), (std::vector<std::string>{"A", "a", "a", "b"}));
    EXPECT_EQ(page.CurrentRow(), 4);  // the focus stays with "b"
    EXPECT_EQ(image.U8(ContactSlot(1) + 7), 0xF0);
    EXPECT_EQ(test::ImageBytes(image, ContactSlot(2), 16),
              (test::Bytes{0, 0, 0, 0, 0, 0, 2, 1, 'A', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

// A deleted contact's record is freed at once and its channels lose it, also
// when a new contact takes the record before the store.
TEST(ContactPage, DeleteFreesTheRecordAndClearsItsChannels) {
    RadioImage image;
    PutContacts(image, {{1, "Ann", "1"}, {2, "Bob", "2"}});
    for (int n = 1; n <= 2; ++n) image.SetU8(channel::RecordOffset(n) + channel::kTxContact, n);
    P page(image);
    page.LoadFromImage();
    page.SetCurrentCell(1, P::kNameCol);
    page.Delete();
    EXPECT_EQ(test::ImageBytes(image, ContactSlot(1), 16), test::Bytes(16, 0xFF));
    page.Add();  // takes the freed record
    EXPECT_EQ(page.Row(2).record, ContactSlot(1));
    page.SaveToImage();
    EXPECT_EQ(image.U8(channel::RecordOffset(1) + channel::kTxContact), 0xFF);
    EXPECT_EQ(image.U8(channel::RecordOffset(2) + channel::kTxContact), 2);
}

}  // namespace
}  // namespace dpmr
