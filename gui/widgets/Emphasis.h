// The two colours the window adds to the desktop's palette: the amber of a
// marked table cell and the red of a failed transfer's result line. Both are
// chosen so that they stay readable on a light and on a dark palette.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace emphasis {

// A marked cell is amber with dark text whatever the palette: light text of
// a dark palette on amber would be unreadable.
inline QColor MarkedCellBackground() {
    return QColor(255, 224, 150);
}
inline QColor MarkedCellText() {
    return QColor(0, 0, 0);
}

// Dark red on a light window, light red on a dark one.
inline QColor FailureText(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 138, 128)
                                                             : QColor(176, 0, 0);
}

}  // namespace emphasis
