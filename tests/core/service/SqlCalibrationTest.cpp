// Squelch calibration through its presenter: the rows of a band and the cap
// at 17, what the cells and thresholds do when left or spun, what is
// stored (a cleared cell, a value still being typed, rows past the band), and
// the service password.
#include <gtest/gtest.h>

#include "form/FormDialog.h"
#include "image/ImageLayout.h"
#include "service/ServicePassword.h"
#include "service/SqlCalibrationPage.h"

namespace dpmr {
namespace {

constexpr std::int32_t kMhz = 100000;  // tens of Hz

BandLimits Band(double lowMhz, double highMhz) {
    return {static_cast<std::int32_t>(lowMhz * kMhz), static_cast<std::int32_t>(highMhz * kMhz)};
}

TEST(SqlCalibration, RowsFollowTheImagesBandAndStopAt17WithANote) {
    RadioImage image;
    image.SetBcd4(layout::kTableBandLower, 40300000);
    image.SetBcd4(layout::kTableBandUpper, 47000000);
    EXPECT_EQ(BandForImage(image, {}).band, Band(403, 470));
    SqlCalibrationPage page(image, BandForImage(image, {}).band);
    EXPECT_EQ(page.RowCount(), 15);
    EXPECT_EQ(page.Field(SquelchRowField(2)).group, "405 MHz");
    EXPECT_EQ(page.RowsNote(), "");

    // Band bytes that are not decimal, or the wrong way round, give 400-470.
    image.SetU8(layout::kTableBandLower, 0xFA);
    EXPECT_EQ(BandForImage(image, {}).band, BandLimits{});
    image.SetBcd4(layout::kTableBandLower, 47000000);
    image.SetBcd4(layout::kTableBandUpper, 40000000);
    EXPECT_EQ(BandForImage(image, {}).band, BandLimits{});

    // 80 MHz gives exactly 17 points; more are cut to 17 and said so.
    EXPECT_EQ(SqlCalibrationPage(image, Band(400, 480)).RowsNote(), "");
    const SqlCalibrationPage wide(image, Band(400, 520));
    EXPECT_TRUE(wide.RowCount() == 17 && wide.RowMhz(17) == 480);
    EXPECT_NE(wide.RowsNote().find("25 points"), std::string::npos) << wide.RowsNote();
}

// Leaving a control normalises it; one spin click steps and wraps.
TEST(SqlCalibration, CellsAndThresholdsNormaliseWhenLeftAndWrapWhenSpun) {
    const std::size_t cell = SquelchRowField(3);
    const std::size_t threshold = 1;  // wide noise close
    const struct {
        std::size_t field;
        const char* typed;
        int spin;  // 0: leave the control instead
        const char* shown;
    } cases[] = {
        {cell, "300", 0, "255"},     {cell, "0", 0, "1"},        {cell, "x7", 0, "7"},
        {cell, "007", 0, "007"},     {cell, "", 0, "1"},         {cell, "255", +1, "1"},
        {cell, "1", -1, "255"},      {threshold, "128", 0, "0"}, {threshold, "007", 0, "7"},
        {threshold, "127", +1, "0"},
    };
    RadioImage image;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " '" + c.typed + "' " + std::to_string(c.spin));
        SqlCalibrationPage page(image, BandLimits{});
        page.FocusIn(c.field);
        page.Type(c.field, c.typed);
        if (c.spin != 0)
            page.Spin(c.field, c.spin);
        else
            page.FocusOut(c.field);
        EXPECT_EQ(page.Shown(c.field), c.shown);
    }
}

TEST(SqlCalibration, StoringWritesTheShownRowsOnlyAndCommitsWhatIsBeingTyped) {
    RadioImage image;
    for (std::size_t off = 0x3DF0; off < 0x3E50; ++off)
        image.SetU8(off, static_cast<std::uint8_t>(off));
    const RadioImage before = image;
    {
        form::FormDialog dialog(SqlCalibrationDialogDecl(), image);  // 400-470: 15 rows
        auto& page = static_cast<SqlCalibrationPage&>(dialog.Page(0));
        EXPECT_EQ(page.CellText(1), "0");  // the byte as it is
        EXPECT_EQ(page.CellText(15), "14");
        EXPECT_EQ(page.Shown(0), "58");  // 0x3A, not normalised on load
        page.ClearCell(2);
        page.FocusIn(SquelchRowField(15));
        page.Type(SquelchRowField(15), "999");  // still in its editor
        page.FocusIn(2);
        page.Type(2, "150");  // still in its box when the dialog closes
        dialog.Close();
    }
    RadioImage expected = before;
    expected.SetU8(0x3E01, 60);   // the cleared cell
    expected.SetU8(0x3E0E, 255);  // committed when the threshold took the focus
    expected.SetU8(0x3E3C, 0);    // committed on closing: out of 0..127
    EXPECT_EQ(image, expected);   // 0x3E0F and 0x3E10 (no rows) untouched

    // A band of 25 points stores its 17 rows and nothing past 0x3E10.
    image = before;
    SqlCalibrationPage wide(image, Band(400, 520));
    wide.LoadFromImage();
    for (int r = 1; r <= 17; ++r) wide.Type(SquelchRowField(r), "200");
    wide.SaveToImage();
    expected = before;
    expected.Fill(0x3E00, 17, 200);
    EXPECT_EQ(image, expected);
}

TEST(ServicePassword, LetterCaseIsIgnoredButNothingElse) {
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {
        {"463RTV", true}, {"463rTv", true},         {"463RTV ", false},
        {"463RT", false}, {"463RT\xC5\xA4", false},  // a non-ASCII T
    };
    for (const auto& c : cases) EXPECT_EQ(IsServicePassword(c.typed), c.accepted) << c.typed;
}

}  // namespace
}  // namespace dpmr
