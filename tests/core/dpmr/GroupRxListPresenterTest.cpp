// The rules of the "Group rx list" page on real images: members and
// candidates, the moves between the boxes with their selections, Up and Down
// with their blocks, the button states, and the
// "dPMR param" dialog closing with the contact page's clean-up kept.
#include "dpmr/GroupRxListPresenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/SharedByteDialogs.h"
#include "dpmr/ContactPagePresenter.h"
#include "form/FormDialog.h"
#include "support/ContactImages.h"

namespace dpmr {
namespace {

using test::PutContacts;
using test::PutGroupList;

// "name" for an entry, "name*" for a selected one.
std::string Show(const std::vector<GroupRxListPresenter::Entry>& box) {
    std::string text;
    for (const auto& e : box) text += (text.empty() ? "" : " ") + e.name + (e.selected ? "*" : "");
    return text;
}

// Eight group calls A..H in slots 1..8 and a single call S in slot 9.
RadioImage EightGroupCalls() {
    RadioImage image;
    std::vector<test::TestContact> contacts;
    for (int k = 0; k < 8; ++k)
        contacts.push_back({k + 1, std::string(1, static_cast<char>('A' + k))});
    contacts.push_back({9, "S", "0000000", false});
    PutContacts(image, contacts);
    return image;
}

TEST(GroupRxListPage, LoadsMembersAndOffersTheOtherGroupCalls) {
    RadioImage image = EightGroupCalls();
    PutGroupList(image, 1, {3, 1, 0, 2});  // 0 ends the list
    PutGroupList(image, 3, {5, 70, 9});    // beyond the slots: no contact; a single call stays
    image.SetU8(test::ContactSlot(8) + 9, 0x07);  // not printable: the offer ends the name
    GroupRxListPresenter page(image);
    page.LoadFromImage();
    EXPECT_EQ(Show(page.Allocated()), "C* A");
    EXPECT_EQ(Show(page.Unallocated()), "B* D E F G H");
    page.SelectList(3);
    EXPECT_EQ(Show(page.Allocated()), "E* S");
}

TEST(GroupRxListPage, AddStopsAtEightAndDelMovesLastFirst) {
    RadioImage image;
    std::vector<test::TestContact> contacts;
    for (char c : std::string("ABCDEFGHJKL"))
        contacts.push_back({static_cast<int>(contacts.size()) + 1, std::string(1, c)});
    PutContacts(image, contacts);
    PutGroupList(image, 1, {1, 2, 3, 4, 5, 6});
    GroupRxListPresenter page(image);
    page.LoadFromImage();
    EXPECT_EQ(Show(page.Unallocated()), "G* H J K L");
    page.SelectUnallocated({1, 2, 3, 4, 0});  // five selected: only two fit
    EXPECT_TRUE(page.CanAdd());
    page.Add();
    EXPECT_EQ(Show(page.Allocated()), "A B C D E F G* H*");
    EXPECT_EQ(Show(page.Unallocated()), "J* K L");
    EXPECT_FALSE(page.CanAdd());

    page.SelectAllocated({1, 3, 6});
    page.Del();
    EXPECT_EQ(Show(page.Allocated()), "A* C E F H");
    EXPECT_EQ(Show(page.Unallocated()), "J K L G* D* B*");
}

TEST(GroupRxListPage, UpAndDownMoveTheSelectionUnlessItIsABlockAtTheEnd) {
    const struct {
        std::vector<int> selected;
        bool up;
        bool enabled;
        std::string after;
    } cases[] = {
        {{1, 2}, false, true, "A D B* C*"},
        {{0, 1}, true, false, "A* B* C D"},
        {{2, 3}, false, false, "A B C* D*"},
        {{}, true, false, "A B C D"},
        // A selection touching an end but not one block: every selected
        // member moves one place, past a selected one too; the one at the
        // end stays.
        {{0, 1, 3}, true, true, "B* A* D* C"},
        {{0, 2, 3}, false, true, "B A* D* C*"},
        {{0, 3}, false, true, "B A* C D*"},
        {{0, 2}, true, true, "A* C* B D"},
    };
    for (const auto& c : cases) {
        RadioImage image = EightGroupCalls();
        PutGroupList(image, 1, {1, 2, 3, 4});
        GroupRxListPresenter page(image);
        page.LoadFromImage();
        page.SelectAllocated(c.selected);
        EXPECT_EQ(c.up ? page.CanUp() : page.CanDown(), c.enabled) << c.after;
        if (c.up)
            page.Up();
        else
            page.Down();
        EXPECT_EQ(Show(page.Allocated()), c.after);
    }
}

// A contact deleted on the "Contact" tab leaves the lists when the dialog
// closes, even though the group list page still showed it.
TEST(DpmrParamDialog, ClosingKeepsTheContactPagesCleanUpOfTheLists) {
    for (const int shownAtClose : {1, 2}) {  // the contact page or the lists shown
        RadioImage image = EightGroupCalls();
        PutGroupList(image, 1, {1, 2});
        form::FormDialog dialog(DpmrParamDialogDecl(), image);
        dialog.SelectPage(2);
        dialog.SelectPage(1);
        auto& contacts = static_cast<ContactPagePresenter&>(dialog.Page(1));
        contacts.SetCurrentCell(1, ContactPagePresenter::kNameCol);
        contacts.Delete();  // "A", member 1 of list 1
        dialog.SelectPage(shownAtClose);
        dialog.Close();
        EXPECT_EQ(test::GroupListBytes(image, 1, 2), (std::vector<int>{2, 0xFF})) << shownAtClose;
    }
}

}  // namespace
}  // namespace dpmr
