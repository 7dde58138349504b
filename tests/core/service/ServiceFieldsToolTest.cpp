// The service dialogs' fields through the built dpmrtool: `set` refuses them
// without --service and leaves the file alone, takes them with it, and the
// squelch rows follow the band the file holds in `fields`, `get` and `set`.
#include <gtest/gtest.h>

#include "image/Document.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

using test::FileText;
using test::Tool;

// A radio file of the band lowMhz-highMhz with 0xFF everywhere else.
std::string BandFile(const test::TempDir& dir, std::uint32_t lowMhz, std::uint32_t highMhz) {
    RadioImage image;
    image.FillFF(0, RadioImage::kSize);
    image.SetBcd4(layout::kTableBandLower, lowMhz * 100000);
    image.SetBcd4(layout::kTableBandUpper, highMhz * 100000);
    const std::string path = dir.File(std::to_string(lowMhz) + "-" + std::to_string(highMhz));
    EXPECT_TRUE(SaveImageFile(path, image).ok());
    return path;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ServiceFieldsTool, SetChangesFactoryValuesOnlyWithService) {
    test::TempDir dir;
    const std::string file = BandFile(dir, 400, 470);
    const std::string before = FileText(file);
    for (const char* step : {"sql.row1=90", "adjustdtmf.vco_gain=0"}) {
        const test::ToolRun r = Tool("set " + file + " scan.mode=Time " + step);
        EXPECT_EQ(r.status, 2) << step;
        EXPECT_TRUE(Has(r.err, "--service") && Has(r.err, "factory value") &&
                    Has(r.err, std::string(step).substr(0, 8)))
            << r.err;
        EXPECT_EQ(FileText(file), before);
    }
    // Looking needs no --service; every field shows where its dialog has it.
    const std::string fields = Tool("fields").out;
    EXPECT_TRUE(Has(fields, "sql.row17 ") &&
                Has(fields,
                    "可调节参数 > Tx > 数字 > \"MIC输入增益调节 (db)\" (service)  "
                    "Microphone input gain on digital channels."))
        << fields;
    EXPECT_EQ(Tool("get " + file + " sql.row1 adjustdtmf.amplitude").out,
              "sql.row1=255\nadjustdtmf.amplitude=FF\n");

    const test::ToolRun r =
        Tool("set --service " + file + " sql.row1=0 sql.narrow_close~=300 adjustdtmf.amplitude=");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string after = FileText(file);
    EXPECT_EQ(after[0x3E00], '\x01');
    EXPECT_EQ(after[0x3E3D], '\x00');  // typed, not left: committed when the dialog closed
    EXPECT_EQ(after[0x80], '\x7F');
}

// A 403-470 MHz file has 15 rows: `get` and `fields` leave out the rows it
// lacks (not the fields after them), and `set` refuses row 16, leaving the
// file as it was, but writes row 15 where it belongs.
TEST(ServiceFieldsTool, SquelchRowsFollowTheFilesBand) {
    test::TempDir dir;
    const std::string file = BandFile(dir, 403, 470);
    const test::ToolRun got = Tool("get " + file);
    EXPECT_TRUE(got.status == 0 && Has(got.out, "sql.row15=255\n") && !Has(got.out, "sql.row16=") &&
                Has(got.out, "\nadjustdtmf.tcxo_gain=0\n"))
        << got.out;
    const std::string shown = Tool("fields " + file).out;
    EXPECT_TRUE(Has(shown, "Sql > 405 MHz > \"Sql\"") && Has(shown, "\nsql.wide_open ") &&
                !Has(shown, "sql.row16 "))
        << shown;
    const std::string before = FileText(file);
    const test::ToolRun refused = Tool("set --service " + file + " sql.row16=7");
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(Has(refused.err, "not shown")) << refused.err;
    EXPECT_EQ(FileText(file), before);
    ASSERT_EQ(Tool("set --service " + file + " sql.row15=7").status, 0);
    std::string expected = before;
    expected[0x3E0E] = '\x07';
    EXPECT_EQ(FileText(file), expected);
}

}  // namespace
}  // namespace dpmr
