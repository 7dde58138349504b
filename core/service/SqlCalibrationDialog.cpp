// Field table and band points of the squelch calibration dialog.
#include "service/SqlCalibrationDialog.h"

#include <algorithm>
#include <memory>
#include <string>

#include "image/ImageLayout.h"
#include "service/SqlCalibrationPage.h"

namespace dpmr {

using namespace form;

namespace {

constexpr std::int32_t kTensOfHzPerMhz = 100000;

// Digits only, 3 characters; leaving the cell brings the value into 1..255
// (a value within it keeps the text as typed); a cell left empty (the Delete
// key) stores 60.
FieldDecl RowField(int row, std::string group) {
    return Number("row" + std::to_string(row), "Sql",
                  Byte(layout::kSquelchValues + static_cast<std::size_t>(row - 1)),
                  {.min = 1,
                   .max = 255,
                   .commit = NumberCommit::kClamp,
                   .keepTyped = true,
                   .emptyStores = 60},
                  3)
        .InGroup(std::move(group))
        .Help(
            "Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores "
            "60): the reference the radio's SQL levels are set from near this frequency. A "
            "factory calibration: change it only with a signal generator at hand.");
}

// 0..127; leaving the box turns anything else (and an empty box) into 0.
FieldDecl Threshold(std::string key, std::string label, std::size_t off) {
    return Number(std::move(key), std::move(label), Byte(off),
                  {.min = 0,
                   .max = 127,
                   .commit = NumberCommit::kValidate,
                   .invalidText = "0",
                   .reformat = true},
                  3);
}

std::string ThresholdHelp(const char* width, const char* what) {
    return std::string("Noise squelch threshold of ") + width + " channels, 0 to 127: the noise " +
           "level at which the squelch " + what + ". A factory calibration: change it only with " +
           "a signal generator at hand.";
}

std::vector<FieldDecl> Thresholds() {
    const std::size_t t = layout::kSquelchThresholds;
    return {
        Threshold("wide_open", "Wide noise open", t).Help(ThresholdHelp("wide", "opens")),
        Threshold("wide_close", "Wide noise close", t + 1).Help(ThresholdHelp("wide", "closes")),
        Threshold("narrow_open", "Narrow noise open", t + 2).Help(ThresholdHelp("narrow", "opens")),
        Threshold("narrow_close", "Narrow noise close", t + 3)
            .Help(ThresholdHelp("narrow", "closes"))};
}

}  // namespace

std::vector<int> SquelchPointsMhz(const BandLimits& band) {
    const int low = band.lower / kTensOfHzPerMhz;
    const int high = band.upper / kTensOfHzPerMhz;
    std::vector<int> points{low};
    for (int mhz = (low / 5 + 1) * 5; mhz <= high; mhz += 5) points.push_back(mhz);
    return points;
}

PageDecl SqlCalibrationTable(const std::vector<int>& pointsMhz) {
    PageDecl page{"sql", "", Thresholds()};
    const int rows = std::min(static_cast<int>(pointsMhz.size()), kSquelchRows);
    for (int r = 1; r <= rows; ++r)
        page.fields.push_back(
            RowField(r, std::to_string(pointsMhz[static_cast<std::size_t>(r - 1)]) + " MHz"));
    return page;
}

const PageDecl& SqlCalibrationPageDecl() {
    static const PageDecl page = [] {
        PageDecl p{"sql", "", Thresholds()};
        for (int r = 1; r <= kSquelchRows; ++r) p.fields.push_back(RowField(r, ""));
        return p;
    }();
    return page;
}

const DialogDecl& SqlCalibrationDialogDecl() {
    static const DialogDecl dialog{
        "Sql",
        false,
        {{&SqlCalibrationPageDecl(),
          [](RadioImage& image, const PageContext& context) -> std::unique_ptr<FormPage> {
              return std::make_unique<SqlCalibrationPage>(
                  image, BandForImage(image, context.freqRanges).band);
          }}},
        true,
        "Squelch calibration: the noise thresholds at which the squelch opens and closes, and "
        "a squelch reference at points across the band. A factory calibration: change it only "
        "with a signal generator at hand."};
    return dialog;
}

}  // namespace dpmr
