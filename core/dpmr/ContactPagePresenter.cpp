// The rules of the "Contact" page.
#include "dpmr/ContactPagePresenter.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "dpmr/ContactChecks.h"
#include "dpmr/ContactRecord.h"
#include "form/DtmfSymbols.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

const std::string kKey = "contact";
const std::string kCaption = "Contact";

// "%07d" with the smallest k (1..64) whose padded number no row has.
std::string FreeNumber(const std::vector<ContactRow>& rows) {
    for (int k = 1; k <= ContactPagePresenter::kMaxContacts; ++k) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%07d", k);
        const bool taken = std::any_of(rows.begin(), rows.end(), [&](const ContactRow& r) {
            return PadSevenDigits(r.number) == buf;
        });
        if (!taken) return buf;
    }
    return {};
}

}  // namespace

const std::array<const char*, ContactPagePresenter::kCols>& ContactPagePresenter::ColumnTitles() {
    static const std::array<const char*, kCols> titles{"No.", "Name", "Number", "Type"};
    return titles;
}

const std::array<const char*, ContactPagePresenter::kCols>& ContactPagePresenter::ColumnHelp() {
    static const std::array<const char*, kCols> help{
        "The contact's place in the list, 1 to 64; the list is sorted by name when the page "
        "stores.",
        "The contact's name, up to 8 characters, different from every other contact's: the "
        "radio shows it, and channels and group receive lists choose contacts by it.",
        "The contact's dPMR number, 7 characters of 0-9 and *, different from every other "
        "contact's: the number the radio calls.",
        "Single call: one radio. Group call: a group of radios sharing the number; only group "
        "calls can be members of a group receive list."};
    return help;
}

const std::array<int, ContactPagePresenter::kCols>& ContactPagePresenter::ColumnWidths() {
    static const std::array<int, kCols> widths{50, 80, 80, 80};
    return widths;
}

const std::vector<std::string>& ContactPagePresenter::TypeChoices() {
    static const std::vector<std::string> choices{kSingleCallText, kGroupCallText};
    return choices;
}

ContactPagePresenter::ContactPagePresenter(RadioImage& image) : image_(image) {}

const std::string& ContactPagePresenter::Key() const {
    return kKey;
}

const std::string& ContactPagePresenter::Caption() const {
    return kCaption;
}

void ContactPagePresenter::LoadFromImage() {
    CancelEdit();
    rows_ = ReadContactList(image_);
    currentRow_ = currentCol_ = 0;
}

void ContactPagePresenter::SaveToImage() {
    CommitEdit();
    // The focus stays with its contact when the rows are sorted.
    const std::size_t focused = currentRow_ > 0 ? Row(currentRow_).record : 0;
    StoreContactList(image_, rows_);
    for (int r = 1; r <= RowCount(); ++r)
        if (focused != 0 && Row(r).record == focused) currentRow_ = r;
}

std::string ContactPagePresenter::Cell(int row, int col) const {
    const ContactRow& r = Row(row);
    switch (col) {
        case kNoCol:
            return std::to_string(row);
        case kNameCol:
            return r.name;
        case kNumberCol:
            return r.number;
        case kTypeCol:
            return CallTypeText(r.groupCall);
        default:
            return {};
    }
}

void ContactPagePresenter::SetCurrentCell(int row, int col) {
    const bool inside = row >= 1 && row <= RowCount() && col >= kNameCol && col < kCols;
    currentRow_ = inside ? row : 0;
    currentCol_ = inside ? col : 0;
}

bool ContactPagePresenter::NameTaken(const std::string& name) const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [&](const ContactRow& r) { return r.name == name; });
}

bool ContactPagePresenter::NumberTaken(const std::string& padded) const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [&](const ContactRow& r) { return PadSevenDigits(r.number) == padded; });
}

void ContactPagePresenter::Add() {
    AddAt(rows_.size());
}

void ContactPagePresenter::Insert() {
    AddAt(currentRow_ > 0 ? static_cast<std::size_t>(currentRow_ - 1) : rows_.size());
}

void ContactPagePresenter::AddAt(std::size_t index) {
    if (!CanAdd()) return;
    CommitEdit();
    std::vector<std::string> names;
    std::set<std::size_t> taken;
    for (const ContactRow& r : rows_) {
        names.push_back(r.name);
        // A listed record whose number was erased looks free; it is not.
        taken.insert(r.record);
    }
    const std::optional<std::size_t> record = contact::FirstFreeRecord(image_, taken);
    if (!record) return;
    ContactRow row{FreeContactName(names).value_or(""), FreeNumber(rows_), true, *record};
    contact::WriteNew(image_, row.record, row.number, row.name);
    index = std::min(index, rows_.size());
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), row);
    changed_ = true;
    // The focus stays with the contact that had it (a row inserted before it
    // moves it down), so that a Delete right after acts on that contact, not
    // on the new one.
    if (currentRow_ > static_cast<int>(index)) ++currentRow_;
}

void ContactPagePresenter::Delete() {
    if (!CanDelete() || currentRow_ == 0) return;
    CommitEdit();
    contact::Free(image_, Row(currentRow_).record);
    rows_.erase(rows_.begin() + currentRow_ - 1);
    changed_ = true;
    std::set<int> slots;
    for (const ContactRow& r : rows_) slots.insert(*contact::SlotAt(r.record));
    CheckContactReferences(image_, slots);
    SetCurrentCell(std::min(currentRow_, RowCount()), currentCol_);
}

bool ContactPagePresenter::EndEdit(int row, int col, const std::string& text) {
    notice_.clear();
    if (row < 1 || row > RowCount()) return false;
    ContactRow& r = rows_[static_cast<std::size_t>(row - 1)];
    switch (col) {
        case kNameCol:
            if (text.empty() || TypedText(col, text) != text || NameTaken(text)) return false;
            r.name = text;
            changed_ = true;
            return true;
        case kNumberCol: {
            if (text.empty() || TypedText(col, text) != text) return false;
            const std::string padded = PadSevenDigits(text);
            if (NumberTaken(padded)) {
                // Retyping the row's own number changes nothing; another
                // contact's number is refused with whose it is.
                const auto owner = std::find_if(
                    rows_.begin(), rows_.end(),
                    [&](const ContactRow& o) { return PadSevenDigits(o.number) == padded; });
                if (&*owner != &r)
                    notice_ = Fill(Tr("dpmr", "%1 is already %2's"), {padded, owner->name});
                return false;
            }
            changed_ = changed_ || r.number != padded;
            r.number = padded;
            return true;
        }
        case kTypeCol:
            if (text != kSingleCallText && text != kGroupCallText) return false;
            changed_ = changed_ || r.groupCall != (text == kGroupCallText);
            r.groupCall = text == kGroupCallText;
            return true;
        default:
            return true;
    }
}

bool ContactPagePresenter::BeginEdit() {
    CommitEdit();
    notice_.clear();
    if (currentRow_ == 0) return false;
    editRow_ = currentRow_;
    editCol_ = currentCol_;
    editor_ = editCol_ == kTypeCol ? ContactEditor::kChoice : ContactEditor::kText;
    editorText_ = Cell(editRow_, editCol_);
    return true;
}

void ContactPagePresenter::SetEditorText(std::string_view text) {
    if (editor_ == ContactEditor::kNone) return;
    editorText_ = editor_ == ContactEditor::kChoice ? std::string(text) : TypedText(editCol_, text);
}

bool ContactPagePresenter::CommitEdit() {
    if (editor_ == ContactEditor::kNone) return false;
    editor_ = ContactEditor::kNone;
    return EndEdit(editRow_, editCol_, editorText_);
}

void ContactPagePresenter::CancelEdit() {
    editor_ = ContactEditor::kNone;
}

bool ContactPagePresenter::Accepts(int col, char c) {
    const auto u = static_cast<unsigned char>(c);
    if (col == kNameCol) return u >= 0x20 && u < 0x7F;
    if (col == kNumberCol) return kContactNumberChars.find(c) != std::string_view::npos;
    return true;
}

std::string ContactPagePresenter::TypedText(int col, std::string_view text) {
    const std::size_t limit = col == kNameCol ? kNameLimit : kNumberLimit;
    std::string out;
    for (char c : text) {
        if (out.size() >= limit) break;
        if (Accepts(col, c)) out.push_back(c);
    }
    return out;
}

}  // namespace dpmr
