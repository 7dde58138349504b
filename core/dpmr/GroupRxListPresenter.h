// GroupRxListPresenter: every rule of the "Group rx list" page of "dPMR
// param", without a user interface: the tree of the 16 lists, and for the
// selected list its members ("Allocated:") and the group-call contacts that
// are not members ("Unallocated:"), both with multiple selection, and the
// buttons that move contacts between them and reorder the members. Only the
// selected list is held here; the image keeps the other 15. The Qt page
// forwards selections and button presses and draws what this class says.
#pragma once

#include <string>
#include <vector>

#include "dpmr/GroupRxList.h"
#include "form/FormPage.h"
#include "image/RadioImage.h"

namespace dpmr {

class GroupRxListPresenter : public form::FormPage {
  public:
    static constexpr int kListCount = 16;
    static constexpr int kMaxMembers = grouplist::kMaxMembers;

    // An entry of either box: the contact's name and slot, and whether it is
    // selected.
    struct Entry {
        std::string name;
        int slot = 0;
        bool selected = false;
        bool operator==(const Entry&) const = default;
    };

    // "Group rx list n", the tree's text of list n.
    static std::string ListTitle(int n);

    // What the page's three lists hold: the tree of lists, the members of the
    // selected list ("Allocated:") and the other group-call contacts.
    struct PageHelp {
        const char* lists;
        const char* allocated;
        const char* unallocated;
    };
    static const PageHelp& Help();

    explicit GroupRxListPresenter(RadioImage& image);

    const std::string& Key() const override;
    const std::string& Caption() const override;
    // Loads the selected list.
    void LoadFromImage() override;
    // Stores the members into the selected list.
    void SaveToImage() override;
    // The contact page prunes the lists when it stores; once this page has
    // been left, its boxes are out of date and must not be written back.
    bool StoresWhenHidden() const override { return false; }
    // A member added, removed or moved in any list.
    bool UserChanged() const override { return changed_; }

    // ---- Tree ----
    int SelectedList() const { return list_; }
    // Stores the list left, then loads list n (1..16). Nothing for the list
    // shown or a number outside 1..16.
    void SelectList(int n);

    // ---- Boxes ----
    const std::vector<Entry>& Allocated() const { return allocated_; }
    const std::vector<Entry>& Unallocated() const { return unallocated_; }
    // The user's selection in either box: the indexes selected, the rest not.
    void SelectAllocated(const std::vector<int>& indexes);
    void SelectUnallocated(const std::vector<int>& indexes);

    // ---- Buttons ----
    bool CanAdd() const;
    bool CanDel() const;
    bool CanUp() const;
    bool CanDown() const;
    // "Add >>": the selected candidates, in box order, to the end of the
    // members while there are fewer than 8.
    void Add();
    // "Del <<": the selected members, last first, to the end of the candidates.
    void Del();
    // Moves the selected members one place up (down), unless they form a
    // block at the top (bottom) already.
    void Up();
    void Down();

  private:
    RadioImage& image_;
    int list_ = 1;
    std::vector<Entry> allocated_;
    std::vector<Entry> unallocated_;
    bool changed_ = false;
};

}  // namespace dpmr
