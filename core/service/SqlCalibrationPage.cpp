// The squelch calibration page: band rows, cell editing, storing.
#include "service/SqlCalibrationPage.h"
#include "util/Translation.h"

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
    return Fill(Tr("service",
                   "The band has %1 points; the radio keeps %2 squelch values, so only "
                   "%3 to %4 MHz are shown."),
                {std::to_string(PointCount()), std::to_string(kSquelchRows),
                 std::to_string(RowMhz(1)), std::to_string(RowMhz(kSquelchRows))});
}

void SqlCalibrationPage::SaveToImage() {
    LeaveFocus();
    FieldPage::SaveToImage();
}

}  // namespace dpmr
