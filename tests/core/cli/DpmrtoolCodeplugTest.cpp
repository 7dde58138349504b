// dpmrtool export, import and diff run as real programs on real files: the
// export printed and written alike, imported back to the same bytes, an edit
// applied through its control's rule, a broken file refused with one line
// naming its place and no file written, and diff's output and exit statuses.
#include <gtest/gtest.h>

#include <string>

#include "support/DemoCodeplug.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

using test::FileText;
using test::Tool;
using test::ToolRun;

using DpmrtoolCodeplug = test::DemoFileTest;

TEST_F(DpmrtoolCodeplug, ExportImportAndAnEditedValue) {
    const ToolRun out = Tool("export " + file_);
    ASSERT_EQ(out.status, 0) << out.err;
    ASSERT_EQ(Tool("export " + file_ + " -o " + dir_.File("c.yaml")).status, 0);
    EXPECT_EQ(FileText(dir_.File("c.yaml")), out.out);

    const ToolRun back = Tool("import " + dir_.File("c.yaml") + " -o " + dir_.File("back.dat"));
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(FileText(dir_.File("back.dat")), FileText(file_));

    std::string edited = out.out;
    edited.replace(edited.find("    tot: {value: \"0\", bytes: \"0000\"}"), 36, "    tot: 95");
    ASSERT_EQ(Tool("import " + Write("e.yaml", edited) + " -o " + dir_.File("e.dat")).status, 0);
    EXPECT_EQ(Tool("get " + dir_.File("e.dat") + " option.tot").out, "option.tot=90\n");

    // The diff of the two files, and its exit statuses.
    const ToolRun diff = Tool("diff " + file_ + " " + dir_.File("e.dat"));
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out, "option.tot: 0 -> 90\n");
    EXPECT_EQ(Tool("diff --yaml " + file_ + " " + dir_.File("e.dat")).out,
              "- {what: option.tot, from: \"0\", to: \"90\"}\n");
    EXPECT_EQ(Tool("diff " + file_ + " " + dir_.File("back.dat")).status, 0);
    const ToolRun missing = Tool("diff " + file_ + " " + dir_.File("none.dat"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
}

TEST_F(DpmrtoolCodeplug, BrokenFileWritesNothing) {
    const std::string out = dir_.File("out.dat");
    std::string text = Tool("export " + file_).out;
    text.replace(text.find("    sql: \"5\"\n"), 13, "    sql: 55\n");
    const ToolRun run = Tool("import " + Write("bad.yaml", text) + " -o " + out);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("bad.yaml: line "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(", column 10: \"55\" is not an entry of \"SQL\""), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);  // one line
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Tool("import " + file_ + " -o " + out).status, 2);  // not YAML at all
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace dpmr
