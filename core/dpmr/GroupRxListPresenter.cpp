// The rules of the "Group rx list" page.
#include "dpmr/GroupRxListPresenter.h"

#include <algorithm>

#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "image/ImageLayout.h"

namespace dpmr {

namespace {

const std::string kKey = "grouplist";
const std::string kCaption = "Group rx list";

using Entries = std::vector<GroupRxListPresenter::Entry>;

std::vector<int> SelectedIndexes(const Entries& box) {
    std::vector<int> indexes;
    for (std::size_t i = 0; i < box.size(); ++i)
        if (box[i].selected) indexes.push_back(static_cast<int>(i));
    return indexes;
}

void Select(Entries& box, const std::vector<int>& indexes) {
    for (auto& e : box) e.selected = false;
    for (int i : indexes)
        if (i >= 0 && i < static_cast<int>(box.size()))
            box[static_cast<std::size_t>(i)].selected = true;
}

// Whether the selection is exactly the first (last) k entries.
bool IsBlockAtTop(const Entries& box) {
    const std::vector<int> sel = SelectedIndexes(box);
    return !sel.empty() && sel.back() == static_cast<int>(sel.size()) - 1;
}

bool IsBlockAtBottom(const Entries& box) {
    const std::vector<int> sel = SelectedIndexes(box);
    return !sel.empty() && sel.front() == static_cast<int>(box.size() - sel.size());
}

// After a move: the entry before index `first` is selected (the first entry
// when `first` was the top), if the box has any.
void SelectBefore(Entries& box, int first) {
    if (box.empty()) return;
    box[static_cast<std::size_t>(std::max(first - 1, 0))].selected = true;
}

}  // namespace

std::string GroupRxListPresenter::ListTitle(int n) {
    return "Group rx list " + std::to_string(n);
}

const GroupRxListPresenter::PageHelp& GroupRxListPresenter::Help() {
    static const PageHelp help{
        "The 16 group receive lists. A channel that uses a list (Channel edit > Group rx "
        "list) receives the group calls to its members; choose a list to edit them.",
        "The members of the list, up to 8 group-call contacts, in order. Del << takes the "
        "selected ones out; Up and Down move them.",
        "The group-call contacts that are not members of the list; Add >> makes the selected "
        "ones members. Single-call contacts are never offered."};
    return help;
}

GroupRxListPresenter::GroupRxListPresenter(RadioImage& image) : image_(image) {}

const std::string& GroupRxListPresenter::Key() const {
    return kKey;
}

const std::string& GroupRxListPresenter::Caption() const {
    return kCaption;
}

void GroupRxListPresenter::LoadFromImage() {
    allocated_.clear();
    unallocated_.clear();
    const std::vector<int> members = grouplist::Members(image_, list_);
    for (int slot : members) {
        // A number beyond the 64 slots names no contact; the contact page's
        // check drops it from the list as well.
        if (slot > layout::kContactCount) continue;
        allocated_.push_back({contact::Name(image_, contact::SlotOffset(slot)), slot});
    }
    for (std::size_t p : contact::ListedOffsets(image_)) {
        const int slot = *contact::SlotAt(p);
        if (!contact::IsGroupCall(image_, p)) continue;
        if (std::find(members.begin(), members.end(), slot) != members.end()) continue;
        unallocated_.push_back({contact::PrintableName(image_, p), slot});
    }
    if (!allocated_.empty()) allocated_.front().selected = true;
    if (!unallocated_.empty()) unallocated_.front().selected = true;
}

void GroupRxListPresenter::SaveToImage() {
    std::vector<int> slots;
    for (const Entry& e : allocated_) slots.push_back(e.slot);
    grouplist::Write(image_, list_, slots);
}

void GroupRxListPresenter::SelectList(int n) {
    if (n == list_ || n < 1 || n > kListCount) return;
    SaveToImage();
    list_ = n;
    LoadFromImage();
}

void GroupRxListPresenter::SelectAllocated(const std::vector<int>& indexes) {
    Select(allocated_, indexes);
}

void GroupRxListPresenter::SelectUnallocated(const std::vector<int>& indexes) {
    Select(unallocated_, indexes);
}

bool GroupRxListPresenter::CanAdd() const {
    return static_cast<int>(allocated_.size()) < kMaxMembers &&
           !SelectedIndexes(unallocated_).empty();
}

bool GroupRxListPresenter::CanDel() const {
    return !SelectedIndexes(allocated_).empty();
}

bool GroupRxListPresenter::CanUp() const {
    return CanDel() && !IsBlockAtTop(allocated_);
}

bool GroupRxListPresenter::CanDown() const {
    return CanDel() && !IsBlockAtBottom(allocated_);
}

void GroupRxListPresenter::Add() {
    const std::vector<int> chosen = SelectedIndexes(unallocated_);
    Select(unallocated_, {});
    Select(allocated_, {});
    int removed = 0;
    for (int index : chosen) {
        if (static_cast<int>(allocated_.size()) >= kMaxMembers) break;
        const auto at = unallocated_.begin() + (index - removed);
        Entry moved = *at;
        unallocated_.erase(at);
        moved.selected = true;
        allocated_.push_back(moved);
        ++removed;
    }
    if (removed > 0) {
        SelectBefore(unallocated_, chosen.front());
        changed_ = true;
    }
}

void GroupRxListPresenter::Del() {
    const std::vector<int> chosen = SelectedIndexes(allocated_);
    Select(unallocated_, {});
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
        const auto at = allocated_.begin() + *it;
        Entry moved = *at;
        allocated_.erase(at);
        moved.selected = true;
        unallocated_.push_back(moved);
    }
    if (!chosen.empty()) {
        SelectBefore(allocated_, chosen.front());
        changed_ = true;
    }
}

void GroupRxListPresenter::Up() {
    if (IsBlockAtTop(allocated_)) return;
    // Each selected member, first to last, moves one place up, past a
    // selected one too; a member at the top stays. Selecting 1, 2 and 4 of
    // four gives 2 1 4 3.
    for (int i : SelectedIndexes(allocated_))
        if (i > 0) {
            std::swap(allocated_[static_cast<std::size_t>(i)],
                      allocated_[static_cast<std::size_t>(i - 1)]);
            changed_ = true;
        }
}

void GroupRxListPresenter::Down() {
    if (IsBlockAtBottom(allocated_)) return;
    // Each selected member, last to first, moves one place down; a member at
    // the bottom stays.
    const std::vector<int> sel = SelectedIndexes(allocated_);
    const int last = static_cast<int>(allocated_.size()) - 1;
    for (auto it = sel.rbegin(); it != sel.rend(); ++it)
        if (*it < last) {
            std::swap(allocated_[static_cast<std::size_t>(*it)],
                      allocated_[static_cast<std::size_t>(*it + 1)]);
            changed_ = true;
        }
}

}  // namespace dpmr
