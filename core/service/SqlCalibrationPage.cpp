// The squelch calibration page: band rows, cell editing, storing.
#include "service/SqlCalibrationPage.h"

#include <algorithm>

namespace dpmr {

SqlCalibrationPage::SqlCalibrationPage(RadioImage& image, const BandLimits& band)
    : detail::SqlCalibrationTableHolder{SqlCalibrationTable(SquelchPointsMhz(band))},
      FieldPage(table, image),
      points_(SquelchPointsMhz(band)) {}

int SqlCalibrationPage::RowCount() const {
    return std::min(PointCount(), kSquelchRows);
}

void SqlCalibrationPage::ClearCell(int row) {
    if (row >= 1 && row <= RowCount()) Type(SquelchRowField(row), "");
}

std::string SqlCalibrationPage::RowsNote() const {
    if (PointCount() <= kSquelchRows) return {};
    return "The band has " + std::to_string(PointCount()) + " points; the radio keeps " +
           std::to_string(kSquelchRows) + " squelch values, so only " + std::to_string(RowMhz(1)) +
           " to " + std::to_string(RowMhz(kSquelchRows)) + " MHz are shown.";
}

void SqlCalibrationPage::SaveToImage() {
    LeaveFocus();
    FieldPage::SaveToImage();
}

}  // namespace dpmr
