// GridKeys: the one keyboard model of the grids whose cells are edited in
// place: the channel table, the DTMF codes, the dPMR contacts and the squelch
// points. On the grid, a character starts editing the current cell with that
// character (as spreadsheets do), Enter and F2 start editing it with its text.
// In the open editor, Enter commits and moves to the next cell that has an
// editor (right, then on to the next row), Escape closes the editor and the
// cell keeps the text it had. Each grid decides which characters its cells
// take; this file holds what they share.
#pragma once

#include <QChar>
#include <utility>
#include <vector>

class QKeyEvent;
class QWidget;

namespace grid_keys {

enum class Action {
    kNone,      // not a key of the model: the grid or editor handles it
    kEdit,      // on the grid: Enter or F2 opens the current cell's editor
    kTypeInto,  // on the grid: a character opens the editor with it
    kCommit,    // in the editor: Enter commits and moves on
    kCancel,    // in the editor: Escape restores the cell's text
};

// A key that moves the current cell (or, in the channel dialog, the current
// channel): the arrows, Tab for the next cell and Shift+Tab for the previous.
enum class Move { kNone, kLeft, kRight, kUp, kDown, kNext, kPrevious };
Move MoveOf(const QKeyEvent& event);

// A key pressed while the grid has the focus. kTypeInto for one plain
// printable character (no Ctrl, Alt or Meta): the grid swallows it whether
// or not the cell takes it, so that it never jumps to another row.
Action OnGrid(const QKeyEvent& event);
// A key pressed in an open in-place editor.
Action InEditor(const QKeyEvent& event);
// The character of a kTypeInto key; 0 (which no cell takes) for one beyond
// ASCII.
char Typed(const QKeyEvent& event);

// Hands the key that started an edit to the editor just opened (with its
// text selected), so that it replaces the text as if it had been typed there,
// through the editor's own filters.
void SendTo(QWidget* editor, const QKeyEvent& event);

// The cell Enter moves to from (row, col): the next of `cols` (ascending, the
// columns with an editor) in the row, else the first of the next row; the
// same cell in the last row's last column.
std::pair<int, int> NextCell(int row, int col, int lastRow, const std::vector<int>& cols);

}  // namespace grid_keys
