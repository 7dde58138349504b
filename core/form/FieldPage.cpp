// A settings page driven by its field table.
#include "form/FieldPage.h"

#include "form/FieldKinds.h"

namespace dpmr::form {

FieldPage::FieldPage(const PageDecl& decl, RadioImage& image)
    : image_(image),
      decl_(&decl),
      states_(decl.fields.size()),
      touched_(decl.fields.size(), false) {
    // Fields with the same entries (a channel's three contact lists, its two
    // message lists, its two tone lists, ...) share one list, made once.
    for (std::size_t i = 0; i < states_.size(); ++i) {
        if (!HasItems(Field(i))) continue;
        std::size_t same = 0;
        while (same < i && !SameEntries(Field(same), Field(i))) ++same;
        states_[i].items = same < i ? states_[same].items : ListItemsFor(Field(i), image_);
    }
}

int FieldPage::IndexOf(const std::string& key) const {
    for (std::size_t i = 0; i < FieldCount(); ++i)
        if (Field(i).key == key) return static_cast<int>(i);
    return -1;
}

std::string FieldPage::Shown(std::size_t i) const {
    return ShownText(Field(i), states_[i]);
}

void FieldPage::LoadFromImage() {
    for (std::size_t i = 0; i < FieldCount(); ++i) LoadField(Field(i), image_, states_[i]);
}

void FieldPage::SaveToImage() {
    for (std::size_t i = 0; i < FieldCount(); ++i)
        if (!Field(i).storedOnlyWhenChanged || touched_[i])
            StoreField(Field(i), states_[i], image_);
}

bool FieldPage::UserChanged() const {
    for (bool touched : touched_)
        if (touched) return true;
    return false;
}

template <typename Event>
void FieldPage::UserEvent(std::size_t i, Event event) {
    const ControlState before = states_[i];
    event(states_[i]);
    const ControlState& after = states_[i];
    if (after.text != before.text || after.selected != before.selected ||
        after.checked != before.checked)
        touched_[i] = true;
}

void FieldPage::LeaveFocus() {
    if (focused_ >= 0) FocusOut(static_cast<std::size_t>(focused_));
}

void FieldPage::Type(std::size_t i, const std::string& text) {
    UserEvent(i, [&](ControlState& s) {
        const FieldDecl& f = Field(i);
        // The limit is for typing: a box that holds more (a stored 65535 in a
        // three-digit box, shown whole) is edited down without being cut.
        const std::size_t shown = s.text.size();
        s.text =
            f.limit != 0 && shown > f.limit ? TypedText(f.Limit(shown), text) : TypedText(f, text);
        if (f.kind == FieldKind::kTone) s.selected = FindItemText(s.items, s.text);
    });
}

void FieldPage::Choose(std::size_t i, int index) {
    UserEvent(i, [&](ControlState& s) {
        s.selected = index >= 0 && index < static_cast<int>(s.items.size()) ? index : -1;
        if (Field(i).kind == FieldKind::kTone) s.text = s.SelectedText();
    });
}

void FieldPage::Check(std::size_t i, bool on) {
    UserEvent(i, [&](ControlState& s) { s.checked = on; });
}

void FieldPage::FocusIn(std::size_t i) {
    if (focused_ >= 0 && static_cast<std::size_t>(focused_) != i)
        FocusOut(static_cast<std::size_t>(focused_));
    focused_ = static_cast<int>(i);
}

void FieldPage::FocusOut(std::size_t i) {
    if (focused_ == static_cast<int>(i)) focused_ = -1;
    ControlState& s = states_[i];
    if (Field(i).kind != FieldKind::kList && Field(i).kind != FieldKind::kCheck)
        s.text = CommitText(Field(i), s.text);
}

bool FieldPage::Spin(std::size_t i, int step) {
    const std::optional<std::string> next = SpinText(Field(i), states_[i].text, step);
    if (!next) return false;
    UserEvent(i, [&](ControlState& s) { s.text = *next; });
    return true;
}

bool FieldPage::Accepts(std::size_t i, char c) const {
    return TypedChar(Field(i), c).has_value();
}

}  // namespace dpmr::form
