// dpmrtool new and show, run as a real program: exit statuses, the one-line
// error messages on stderr, the file `new` writes and what `show` prints.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "channels/ChannelRecord.h"
#include "channels/ToneCodec.h"
#include "image/Document.h"
#include "support/TempDir.h"

extern char** environ;

namespace dpmr {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ToolRun Tool(const std::vector<std::string>& args,
             const std::string& exe = DPMR_TEST_BIN_DIR "/dpmrtool") {
    test::TempDir io;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, io.File("out").c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, io.File("err").c_str(), O_WRONLY | O_CREAT, 0600);
    std::vector<std::string> all{exe};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    ToolRun run;
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return run;
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 1000 + WTERMSIG(wstatus);
    run.out = Get(io.File("out"));
    run.err = Get(io.File("err"));
    return run;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> DefaultsBytes() {
    RadioImage image;
    StoreBuiltInDefaults(image, BandLimits{});
    return {image.Data(), image.Data() + RadioImage::kSize};
}

std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(FileCommandsTest, NewWritesTheDefaults) {
    test::TempDir dir;
    for (const char* opt : {"-o", "--output"}) {
        const ToolRun r = Tool({"new", opt, dir.File("n.dat")});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(Bytes(Get(dir.File("n.dat"))) == DefaultsBytes()) << opt;
    }
}

TEST(FileCommandsTest, NewTakesDefaultDatBesideTheTool) {
    test::TempDir dir;
    fs::copy_file(DPMR_TEST_BIN_DIR "/dpmrtool", dir.File("dpmrtool"));
    fs::permissions(dir.File("dpmrtool"), fs::perms::owner_all);
    std::string defaults(100, 'Q');
    std::ofstream(dir.File("Default.dat"), std::ios::binary) << defaults;
    const ToolRun r = Tool({"new", "-o", dir.File("n.dat")}, dir.File("dpmrtool"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Get(dir.File("n.dat")), defaults + std::string(RadioImage::kSize - 100, '\xFF'));
}

TEST(FileCommandsTest, HelpAndVersion) {
    const ToolRun help = Tool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("  new "), std::string::npos);
    EXPECT_NE(help.out.find("  show "), std::string::npos);
    const ToolRun newHelp = Tool({"new", "--help"});
    EXPECT_EQ(newHelp.status, 0);
    EXPECT_EQ(newHelp.out.rfind("Usage: dpmrtool new -o OUT.dat", 0), 0u);
    const ToolRun version = Tool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("dpmrtool ") + DPMR_VERSION + "\n");
    EXPECT_EQ(Tool({}).status, 2);
}

TEST(FileCommandsTest, ErrorsExitWithStatus2AndOneLine) {
    test::TempDir dir;
    std::ofstream(dir.File("short.dat"), std::ios::binary) << std::string(100, '\0');
    std::ofstream(dir.File("plain"), std::ios::binary) << "x";
    struct Case {
        std::vector<std::string> args;
        std::string part;
    };
    const Case cases[] = {
        {{"new", "--bogus"}, "unknown option --bogus"},
        {{"new", "-o"}, "needs a value"},
        {{"new"}, "usage"},
        {{"new", "-o", dir.File("a.dat"), "extra"}, "usage"},
        {{"new", "-o", dir.File("plain/a.dat")}, "plain/a.dat"},
        {{"new", "-o", dir.path()}, "folder"},
        {{"show"}, "usage"},
        {{"show", "-x", dir.File("short.dat")}, "unknown option -x"},
        {{"show", dir.File("missing.dat")}, "missing.dat"},
        {{"show", dir.File("short.dat")}, "nexpected file format"},
        {{"frobnicate"}, "unknown command"},
    };
    for (const Case& c : cases) {
        const ToolRun r = Tool(c.args);
        EXPECT_EQ(r.status, 2) << c.args[0] << " " << c.part;
        EXPECT_EQ(r.out, "") << c.part;
        EXPECT_EQ(Lines(r.err), 1u) << r.err;
        EXPECT_EQ(r.err.rfind("dpmrtool: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.part), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(dir.File("a.dat")));
}

TEST(FileCommandsTest, ShowListsBandAndSixteenChannels) {
    test::TempDir dir;
    RadioImage image;
    StoreBuiltInDefaults(image, BandLimits{});
    const std::size_t r = channel::RecordOffset(2);
    image.SetBcd4(r + channel::kRxFreq, 44600625);
    image.SetBcd4(r + channel::kTxFreq, 44600625);
    WriteToneCode(image, r + channel::kRxTone, ToneCodeFromText("D023N"));
    ASSERT_TRUE(SaveImageFile(dir.File("s.dat"), image).ok());

    const ToolRun run = Tool({"show", dir.File("s.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream out(run.out);
    std::string line;
    std::vector<std::string> channels;
    bool band = false;
    while (std::getline(out, line)) {
        if (line == "Band: 400.000000 MHz - 470.000000 MHz") band = true;
        if (line.size() > 3 && line[2] >= '0' && line[2] <= '9' && line[3] == ' ')
            channels.push_back(line);
    }
    EXPECT_TRUE(band) << run.out;
    ASSERT_EQ(channels.size(), 16u) << run.out;
    for (int n = 1; n <= 16; ++n) {
        std::istringstream fields(channels[static_cast<std::size_t>(n - 1)]);
        int no = 0;
        std::string first;
        fields >> no >> first;
        EXPECT_EQ(no, n);
        EXPECT_EQ(first, n == 2 ? "446.006250" : "(empty)") << n;
    }
    EXPECT_NE(channels[1].find("D023N"), std::string::npos);
    EXPECT_NE(channels[1].find("Digit"), std::string::npos);

    image.FillFF(layout::kTableBandLower, 8);
    ASSERT_TRUE(SaveImageFile(dir.File("s.dat"), image).ok());
    EXPECT_NE(Tool({"show", dir.File("s.dat")}).out.find("Band: (none)"), std::string::npos);
}

}  // namespace
}  // namespace dpmr
