// The generic wiring between settings widgets and their page presenter.
#include "form/FormBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "form/QtText.h"
#include "widgets/SpinEdit.h"

using dpmr::form::FieldKind;

FormBinder::FormBinder(dpmr::form::FieldPage& page, QObject* parent)
    : QObject(parent), page_(page), widgets_(page.FieldCount(), nullptr) {}

namespace {

QLineEdit* EditOf(QWidget* w) {
    if (auto* spin = qobject_cast<SpinEdit*>(w)) return spin->findChild<QLineEdit*>();
    return qobject_cast<QLineEdit*>(w);
}

// A box's words (the special word, "continue"; the text a wrong number turns
// into) show in the user's language; what is typed goes back to the page in
// the declaration's own words, which is what the page reads.
QString ShownText(const dpmr::form::FieldDecl& field, const std::string& text) {
    for (const std::string* word : {&field.number.specialWord, &field.number.invalidText})
        if (!word->empty() && text == *word) return FieldText(text);
    return ToQt(text);
}

std::string PageText(const dpmr::form::FieldDecl& field, const QString& text) {
    for (const std::string* word : {&field.number.specialWord, &field.number.invalidText})
        if (!word->empty() && text == FieldText(*word)) return *word;
    return FromQt(text);
}

}  // namespace

QString AccessibleLabel(const dpmr::form::FieldDecl& field) {
    const QString label = FieldText(field.label);
    return field.group.empty() ? label : FieldText(field.group) + ": " + label;
}

void DescribeControl(QWidget* w, const dpmr::form::FieldDecl& field) {
    const QString help = FieldText(field.help);
    w->setToolTip(help);
    w->setWhatsThis(help);
    w->setAccessibleName(AccessibleLabel(field));
    w->setAccessibleDescription(help);
    // A spin edit's own box, and a tone box's, is what takes the focus.
    QLineEdit* edit = EditOf(w);
    if (auto* box = qobject_cast<QComboBox*>(w)) edit = box->lineEdit();
    if (edit && edit != w) {
        edit->setAccessibleName(w->accessibleName());
        edit->setAccessibleDescription(help);
    }
}

void FormBinder::Bind(std::size_t i, QWidget* w) {
    widgets_[i] = w;
    w->installEventFilter(this);
    const dpmr::form::FieldDecl& field = page_.Field(i);

    if (auto* box = qobject_cast<QComboBox*>(w)) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->clear();
        // A list goes by the index chosen, so its declared entries show
        // translated; a tone box's entries are texts the page reads back, and
        // entries made from the radio's data (contact and list names) are the
        // user's: those stay as they are.
        const auto& declared = field.list.items;
        for (const dpmr::ListItem& item : page_.State(i).items)
            box->addItem(field.kind != FieldKind::kTone &&
                                 std::find(declared.begin(), declared.end(), item.text) !=
                                     declared.end()
                             ? FieldText(item.text)
                             : ToQt(item.text));
        if (field.kind == FieldKind::kTone) {
            // A tone box takes any text besides its entries.
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
            connect(box, &QComboBox::editTextChanged, this, [this, i](const QString& text) {
                if (refreshing_ || detached_) return;
                page_.Type(i, FromQt(text));
                Changed(i);
            });
        }
        connect(box, &QComboBox::currentIndexChanged, this, [this, i](int index) {
            if (refreshing_ || detached_) return;
            page_.Choose(i, index);
            Changed(i);
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        connect(check, &QCheckBox::toggled, this, [this, i](bool on) {
            if (refreshing_ || detached_) return;
            page_.Check(i, on);
            Changed(i);
        });
    } else if (QLineEdit* edit = EditOf(w)) {
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (refreshing_ || detached_) return;
            page_.Type(i, PageText(page_.Field(i), text));
            Changed(i);
        });
        if (auto* spin = qobject_cast<SpinEdit*>(w)) {
            spin->onStep = [this, i](int step) {
                if (detached_) return;
                page_.Spin(i, step);
                Changed(i);
            };
        }
    }
    // After the tone box got its edit.
    DescribeControl(w, field);
    RefreshField(i);
}

int FormBinder::FieldOf(const QObject* object) const {
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        if (widgets_[i] == object) return static_cast<int>(i);
    return -1;
}

void FormBinder::Changed(std::size_t i) {
    RefreshField(i);
    if (onChanged) onChanged(i);
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    const int found = FieldOf(watched);
    if (found < 0 || detached_) return QObject::eventFilter(watched, event);
    const auto i = static_cast<std::size_t>(found);
    switch (event->type()) {
        case QEvent::Wheel:
            // A list turns with the wheel only while it has the focus.
            if (qobject_cast<QComboBox*>(widgets_[i]) && !widgets_[i]->hasFocus()) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // A drop-down opening is not a change of control.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) break;
            if (event->type() == QEvent::FocusIn) {
                page_.FocusIn(i);
                if (onFocus) onFocus(i);
            } else {
                page_.FocusOut(i);
            }
            Changed(i);
            if (event->type() == QEvent::FocusOut && onLeave) onLeave(i);
            break;
        }
        case QEvent::KeyPress:
            // Characters the field does not take never reach the edit.
            if (EditOf(widgets_[i]) && RefusesKey(page_, i, *static_cast<QKeyEvent*>(event)))
                return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void FormBinder::Refresh() {
    for (std::size_t i = 0; i < widgets_.size(); ++i) RefreshField(i);
}

void FormBinder::RefreshField(std::size_t i) {
    QWidget* w = widgets_[i];
    if (!w) return;
    const dpmr::ControlState& s = page_.State(i);
    refreshing_ = true;
    w->setEnabled(s.enabled);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        if (!box->isEditable()) {
            box->setCurrentIndex(s.selected);
        } else if (box->currentText() != ToQt(s.text)) {
            // A tone the list lacks shows as typed text.
            box->setCurrentIndex(s.selected);
            if (s.selected < 0) box->setEditText(ToQt(s.text));
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setChecked(s.checked);
    } else if (QLineEdit* edit = EditOf(w)) {
        // A box that shows a word ("continue") holds it whole, though no
        // more than `limit` characters can be typed.
        const dpmr::form::FieldDecl& field = page_.Field(i);
        const QString word = FieldText(field.number.specialWord);
        const std::size_t limit = field.limit == 0
                                      ? 0
                                      : std::max({field.limit, field.number.specialWord.size(),
                                                  static_cast<std::size_t>(word.size())});
        ShowEditText(edit, ShownText(field, s.text), limit);
    }
    refreshing_ = false;
}

bool RefusesKey(const dpmr::form::FieldPage& page, std::size_t i, const QKeyEvent& key) {
    const QString text = key.text();
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (text.size() != 1 || !text[0].isPrint()) return false;
    const char16_t ch = text[0].unicode();
    const char narrow = ch <= 0x7F ? static_cast<char>(ch) : '\x7F';
    return !page.Accepts(i, narrow);
}

void ShowEditText(QLineEdit* edit, const QString& text, std::size_t typingLimit) {
    // The limit is for typing only: a box shows what it holds whole (a stored
    // 255 in a two-digit box), and takes no more characters than the longer
    // of that and the limit.
    if (typingLimit != 0)
        edit->setMaxLength(static_cast<int>(std::max(typingLimit, std::size_t(text.size()))));
    if (edit->text() == text) return;
    const int cursor = edit->cursorPosition();
    edit->setText(text);
    edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

void FormBinder::Detach() {
    detached_ = true;
    for (QWidget* w : widgets_)
        if (w) w->removeEventFilter(this);
}
