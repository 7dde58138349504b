// CSqlCalibrationPage: the Qt side of the squelch calibration page: the grid
// of the band's points (row number, "Freq", "Sql"), the line under it when the
// band has more points than the radio keeps, the four noise thresholds with
// their spins, and the "Read" and "Write" buttons. The grid is keyed like
// every grid (GridKeys): a left click on a "Sql" cell (or Enter or F2 on it,
// or a digit typed on it) places that row's editor with its spin over the
// cell; the editor's loss of focus commits the value into the cell; Enter
// gives the focus back to the grid and moves down a row, Escape gives it back
// with the value as it was. Delete empties the current "Sql" cell. The current
// cell is drawn in red. Every rule is in dpmr::SqlCalibrationPage.
#pragma once

#include <vector>

#include "form/CPageWidget.h"
#include "form/FormBinder.h"
#include "service/SqlCalibrationPage.h"

class FlexGrid;
class QLabel;
class QPushButton;
class SpinEdit;

class CSqlCalibrationPage : public CPageWidget {
    Q_OBJECT
  public:
    explicit CSqlCalibrationPage(dpmr::SqlCalibrationPage& page, QWidget* parent = nullptr);

    dpmr::SqlCalibrationPage& Page() { return page_; }
    FlexGrid* Grid() const { return grid_; }
    QLabel* RowsNote() const { return note_; }
    // The editor of row 1..RowCount() (hidden unless open).
    SpinEdit* CellEditor(int row) const;
    SpinEdit* Threshold(int index) const { return thresholds_[static_cast<std::size_t>(index)]; }
    QPushButton* ReadButton() const { return read_; }
    QPushButton* WriteButton() const { return write_; }

    void Refresh() override;
    void Detach() override { binder_.Detach(); }
    std::pair<QAbstractButton*, QAbstractButton*> TransferButtons() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenEditor(int row);
    void ShowCell(int row);
    void MarkCurrentCell(int row, int col);
    // The row (1..) whose editor `field` is, or 0 for a threshold.
    int RowOfField(std::size_t field) const;
    // The row (1..) whose cell editor `object` is, or 0.
    int EditorRow(const QObject* object) const;

    dpmr::SqlCalibrationPage& page_;
    FormBinder binder_;
    FlexGrid* grid_ = nullptr;
    QLabel* note_ = nullptr;
    std::vector<SpinEdit*> editors_;
    std::vector<SpinEdit*> thresholds_;
    QPushButton* read_ = nullptr;
    QPushButton* write_ = nullptr;
    int markedRow_ = 0;
    int markedCol_ = 0;
    std::string textAtOpen_;  // the cell's text when its editor opened (Escape)
};
