// An edit with spin arrows driven by a step callback.
#include "widgets/SpinEdit.h"

#include <QLineEdit>
#include <QWheelEvent>

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void SpinEdit::stepBy(int steps) {
    if (!onStep) return;
    const int one = steps > 0 ? 1 : -1;
    for (int k = 0; k != steps; k += one) onStep(one);
}

QValidator::State SpinEdit::validate(QString&, int&) const {
    // What the edit takes is decided by the field's typing filter.
    return QValidator::Acceptable;
}

void SpinEdit::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QAbstractSpinBox::wheelEvent(event);
}
