// FlexGrid: a text grid with a fixed title row and a fixed number column,
// addressed the old flex-grid way: row 0 holds the column titles, column 0
// the row titles, cells 1..n are the data. Columns keep given relative widths
// and share the width the widget gets. Used by the channel table and by other
// tables that edit cells with in-place editors of their own.
#pragma once

#include <QTableWidget>
#include <vector>

class FlexGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit FlexGrid(QWidget* parent = nullptr);

    // Rows and columns counting the fixed title row and number column.
    void SetSize(int rows, int cols);
    int Rows() const { return rowCount() + 1; }
    int Cols() const { return columnCount() + 1; }

    // Text of any cell; row 0 and column 0 are the titles, (0, 0) the title
    // of the number column.
    void SetTextMatrix(int row, int col, const QString& text);
    QString TextMatrix(int row, int col) const;
    // What the data column `col` holds: the tooltip and What's This of its
    // title, and the accessible description of its in-place editors.
    void SetColumnHelp(int col, const QString& help);

    // Marks a data cell whose text the program corrected: a coloured
    // background and `why` as its tooltip. An empty `why` takes the mark off.
    void SetCellMark(int row, int col, const QString& why);
    bool HasCellMark(int row, int col) const;

    // The current cell (1-based; 0 when there is none).
    int Row() const { return currentRow() + 1; }
    int Col() const { return currentColumn() + 1; }
    void SetCurrentCell(int row, int col);

    // Relative widths of all columns, the number column first (any unit:
    // twips of the old grid work). At 96 dpi one pixel is 15 twips; wider
    // widgets stretch all columns in proportion.
    void SetColWidths(std::vector<int> widths);

    // A data cell's rectangle in the coordinates of viewport(), where the
    // in-place editors live.
    QRect CellRect(int row, int col) const;

    // The cell (row, col) under a point of the viewport; (-1, -1) for none.
    std::pair<int, int> CellAt(const QPoint& pos) const;

    // Puts an in-place editor (a child of viewport()) over a data cell: an
    // edit fills the cell; a drop-down list keeps the height it needs to
    // draw its text, centred on a lower cell.
    void PlaceOverCell(QWidget* editor, int row, int col) const;
    // Shows `open` (one of `editors`, or nullptr for none) over the cell and
    // hides the others. The editor shown is named after the cell's column
    // and row ("Rx Freq, row 3") for screen readers.
    void ShowEditor(QWidget* open, const std::vector<QWidget*>& editors, int row, int col) const;

    QSize sizeHint() const override;

  signals:
    // A mouse button went down over a cell (after the current cell moved).
    void MouseDown(int row, int col, Qt::MouseButton button);
    // The current cell changed.
    void EnterCell(int row, int col);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

  private:
    void ApplyColWidths();

    std::vector<int> widths_;
    class QLabel* corner_ = nullptr;  // the number column's title, over the corner
};
