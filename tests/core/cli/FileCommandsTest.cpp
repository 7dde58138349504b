// dpmrtool new and show, run as a real program: exit statuses, the one-line
// error messages on stderr, the file `new` writes and what `show` prints.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "BuildInfo.h"
#include "ProjectPaths.h"
#include "document/NewDocument.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

using test::Tool;
using test::ToolRun;

// `new` writes the image of File > New: the built-in defaults, or
// "Default.dat" beside the tool when there is one. `show` prints the band and
// one line per channel.
TEST(FileCommandsTest, NewWritesTheDefaultsAndShowListsThem) {
    test::TempDir dir;
    const ToolRun r = Tool("new --output " + dir.File("n.dat"));
    EXPECT_TRUE(r.status == 0 && r.err.empty()) << r.err;
    RadioImage image, defaults;
    StoreBuiltInDefaults(defaults, BandLimits{});
    ASSERT_TRUE(LoadImageFile(dir.File("n.dat"), image).ok());
    EXPECT_TRUE(image == defaults && fs::file_size(dir.File("n.dat")) == RadioImage::kSize);
    fs::copy_file(ProgramDir() + "/dpmrtool", dir.File("dpmrtool"));
    std::ofstream(dir.File("Default.dat"), std::ios::binary) << std::string(100, 'Q');
    ASSERT_EQ(Tool("new -o " + dir.File("q.dat"), dir.File("dpmrtool")).status, 0);
    EXPECT_EQ(test::FileText(dir.File("q.dat")),
              std::string(100, 'Q') + std::string(16284, '\xFF'));

    image.SetBcd4(channel::RecordOffset(2), 44600625);
    image.SetBcd4(channel::RecordOffset(2) + channel::kTxFreq, 44600625);
    ASSERT_TRUE(SaveImageFile(dir.File("s.dat"), image).ok());
    const ToolRun run = Tool("show " + dir.File("s.dat"));
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* part :
         {"\nBand: 400.000000 MHz - 470.000000 MHz\n",
          "\n  1  (empty)\n  2  446.006250  446.006250  None ", " Digit\n  3  (empty)\n"})
        EXPECT_NE(run.out.find(part), std::string::npos) << run.out;
    image.FillFF(layout::kTableBandLower, 8);
    ASSERT_TRUE(SaveImageFile(dir.File("s.dat"), image).ok());
    EXPECT_NE(Tool("show " + dir.File("s.dat")).out.find("Band: (none)"), std::string::npos);
}

TEST(FileCommandsTest, HelpVersionAndErrorsWithStatus2AndOneLine) {
    EXPECT_EQ(Tool("--version").out, std::string("dpmrtool ") + DPMR_VERSION + "\n");

    test::TempDir dir;
    std::ofstream(dir.File("short.dat"), std::ios::binary) << std::string(100, '\0');
    std::ofstream(dir.File("plain"), std::ios::binary) << "x";
    const std::pair<std::string, const char*> cases[] = {
        {"new --bogus", "unknown option --bogus"},
        {"new -o", "needs a value"},
        {"new -o " + dir.File("a.dat") + " extra", "usage"},
        {"new -o " + dir.File("plain/a.dat"), "plain/a.dat"},  // spans lines in a window
        {"show " + dir.File("missing.dat"), "missing.dat"},
        {"show " + dir.File("short.dat"), "holds 100 bytes"},
        {"frobnicate", "unknown command"}};
    for (const auto& [args, part] : cases) {
        const ToolRun r = Tool(args);
        EXPECT_TRUE(r.status == 2 && r.out.empty() && r.err.rfind("dpmrtool: ", 0) == 0 &&
                    r.err.find('\n') == r.err.size() - 1 && r.err.find(part) != std::string::npos)
            << args << ": " << r.status << " " << r.err;
    }
    EXPECT_FALSE(fs::exists(dir.File("a.dat")));
}

// Every command reads a radio file by one rule: a file of more than 16384
// bytes is no radio file, refused with status 2 and one line that gives its
// size, never read in part; a 2 GB sparse file too. `fleet`, which takes
// the first 16384 bytes of a longer file as the desktop program does, says
// so, and refuses what is far too long in the same words.
TEST(FileCommandsTest, EveryCommandRefusesAFileLongerThanARadioFile) {
    test::TempDir dir;
    const std::string big = dir.File("big.dat");
    std::ofstream(big, std::ios::binary) << std::string(16385, '\xFF');
    const std::string commands[] = {"show " + big,
                                    "check " + big,
                                    "csv " + big,
                                    "contacts " + big,
                                    "grouplists " + big,
                                    "export " + big,
                                    "diff " + big + " " + big,
                                    "get " + big + " option.tot",
                                    "write " + big + " --port /dev/null"};
    for (const std::string& args : commands) {
        const ToolRun r = Tool(args);
        EXPECT_TRUE(r.status == 2 &&
                    r.err.find("holds 16385 bytes; a radio file holds 16384") !=
                        std::string::npos &&
                    r.err.find('\n') == r.err.size() - 1)
            << args << ": " << r.status << " " << r.err;
    }
    const std::string log = " --port /dev/null --log " + dir.File("none/log.csv");
    ToolRun r = Tool("fleet " + big + log);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
              "dpmrtool: big.dat holds 16385 bytes, more than a radio image: only its first 16384 "
              "bytes are loaded, and the rest is not kept.");
    fs::resize_file(big, std::uint64_t{2} << 30);
    for (const std::string& args : {"show " + big, "fleet " + big + log}) {
        r = Tool(args);
        EXPECT_EQ(r.err, "dpmrtool: \"" + big +
                             "\" is not a radio file: it holds 2147483648 bytes; a radio file "
                             "holds 16384.\n")
            << args;
        EXPECT_EQ(r.status, 2) << args;
    }
}

}  // namespace
}  // namespace dpmr
