// FormBinder: ties the widgets of a settings page to its FieldPage presenter,
// one field to one widget, with no code per field: typing, choosing and
// checking are handed to the presenter, focus changes run the commit rules,
// spin clicks run the spin rules, refused characters never reach an edit, and
// Refresh() shows what the presenter holds. The mouse wheel changes a list
// only while it has the focus.
#pragma once

#include <QObject>
#include <cstddef>
#include <functional>
#include <vector>

#include "form/FieldPage.h"

class QKeyEvent;
class QLineEdit;
class QWidget;

// Whether a key press would type a character that field `i` of `page` does
// not take (shortcuts such as Ctrl+A are no characters).
bool RefusesKey(const dpmr::form::FieldPage& page, std::size_t i, const QKeyEvent& key);
// Shows `text` in an edit whose text the presenter has just rewritten (cut,
// upper-cased), keeping the cursor where it was. `typingLimit` (0: none) is
// the most characters that can be typed; a longer text is still shown whole.
void ShowEditText(QLineEdit* edit, const QString& text, std::size_t typingLimit = 0);
// The name a screen reader says for a field's control: its label, after its
// group ("SK1: Short press").
QString AccessibleLabel(const dpmr::form::FieldDecl& field);
// Gives a field's control its help as tooltip, What's This and accessible
// description, and its label as accessible name.
void DescribeControl(QWidget* w, const dpmr::form::FieldDecl& field);

class FormBinder : public QObject {
    Q_OBJECT
  public:
    explicit FormBinder(dpmr::form::FieldPage& page, QObject* parent = nullptr);

    // Binds field `i` to `widget`: a QComboBox (lists; made editable for a
    // tone box), a QCheckBox, a SpinEdit (numbers with a spin) or a QLineEdit
    // (other edits).
    void Bind(std::size_t i, QWidget* widget);
    QWidget* Widget(std::size_t i) const { return widgets_[i]; }
    dpmr::form::FieldPage& Page() { return page_; }

    // Shows the presenter's state in every widget.
    void Refresh();
    // No event reaches the presenter any more (the dialog has stored).
    void Detach();

    // Called after every event handed to the presenter.
    std::function<void(std::size_t field)> onChanged;
    // Called when a bound widget gets the focus, and after it lost it (its
    // commit ran).
    std::function<void(std::size_t field)> onFocus;
    std::function<void(std::size_t field)> onLeave;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int FieldOf(const QObject* object) const;
    void RefreshField(std::size_t i);
    void Changed(std::size_t i);

    dpmr::form::FieldPage& page_;
    std::vector<QWidget*> widgets_;
    bool refreshing_ = false;
    bool detached_ = false;
};
