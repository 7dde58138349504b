// SqlCalibrationPage: the squelch calibration page's presenter. Its rows are
// the points of the band it was opened for (at most 17), each row's field
// being the in-place editor of that row's "Sql" cell: the editor opening is
// the field getting the focus, its loss of focus the commit that brings the
// value into 1..255. The four threshold boxes are plain fields. Storing first
// lets the control with the focus go, so that a value being typed is
// committed, never stored out of its range.
#pragma once

#include <string>
#include <vector>

#include "form/FieldPage.h"
#include "image/BandLimits.h"
#include "service/SqlCalibrationDialog.h"

namespace dpmr {

namespace detail {
// Holds the page's own table; a base listed before FieldPage, so that the
// table is built before FieldPage keeps a reference to it.
struct SqlCalibrationTableHolder {
    form::PageDecl table;
};
}  // namespace detail

class SqlCalibrationPage : private detail::SqlCalibrationTableHolder, public form::FieldPage {
  public:
    SqlCalibrationPage(RadioImage& image, const BandLimits& band);

    // Points of the band, and the rows shown (the first 17 of them at most).
    int PointCount() const { return static_cast<int>(points_.size()); }
    int RowCount() const;
    // Frequency of row 1..RowCount(), in whole MHz.
    int RowMhz(int row) const { return points_[static_cast<std::size_t>(row - 1)]; }
    // What the "Sql" cell of a row shows.
    const std::string& CellText(int row) const { return State(SquelchRowField(row)).text; }
    // The Delete key on a cell: the cell is emptied (it stores 60).
    void ClearCell(int row);
    // The line under the grid when the band has more points than rows, else "".
    std::string RowsNote() const;

    void SaveToImage() override;

  private:
    std::vector<int> points_;
};

}  // namespace dpmr
