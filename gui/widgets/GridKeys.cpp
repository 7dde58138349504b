// The grids' shared keyboard model.
#include "widgets/GridKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace grid_keys {

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// One plain printable character (no Ctrl, Alt or Meta).
bool IsTyping(const QKeyEvent& event) {
    const QString text = event.text();
    const bool plain =
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    return plain && text.size() == 1 && text[0].isPrint();
}

}  // namespace

char Typed(const QKeyEvent& event) {
    if (!IsTyping(event) || event.text()[0].unicode() >= 0x80) return 0;
    return event.text()[0].toLatin1();
}

Move MoveOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
            return Move::kLeft;
        case Qt::Key_Right:
            return Move::kRight;
        case Qt::Key_Up:
            return Move::kUp;
        case Qt::Key_Down:
            return Move::kDown;
        case Qt::Key_Backtab:
            return Move::kPrevious;
        case Qt::Key_Tab:
            return (event.modifiers() & Qt::ShiftModifier) ? Move::kPrevious : Move::kNext;
        default:
            return Move::kNone;
    }
}

Action OnGrid(const QKeyEvent& event) {
    if (IsEnter(event.key()) || event.key() == Qt::Key_F2) return Action::kEdit;
    return IsTyping(event) ? Action::kTypeInto : Action::kNone;
}

Action InEditor(const QKeyEvent& event) {
    if (IsEnter(event.key())) return Action::kCommit;
    if (event.key() == Qt::Key_Escape) return Action::kCancel;
    return Action::kNone;
}

void SendTo(QWidget* editor, const QKeyEvent& event) {
    QKeyEvent copy(QEvent::KeyPress, event.key(), event.modifiers(), event.text());
    QCoreApplication::sendEvent(editor, &copy);
}

std::pair<int, int> NextCell(int row, int col, int lastRow, const std::vector<int>& cols) {
    if (cols.empty()) return {row, col};
    const auto next = std::upper_bound(cols.begin(), cols.end(), col);
    if (next != cols.end()) return {row, *next};
    if (row < lastRow) return {row + 1, cols.front()};
    return {row, col};
}

}  // namespace grid_keys
