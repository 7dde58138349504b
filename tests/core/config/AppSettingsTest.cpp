// Start-up settings: defaults without a settings file, the baud rate text,
// the user's copy in $XDG_CONFIG_HOME, and writing the port back at exit
// when the program folder is read-only.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/AppSettings.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

void Put(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each test gets its own program folder and its own $XDG_CONFIG_HOME.
class AppSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", dir_.File("config").c_str(), 1); }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    test::TempDir dir_;
    const std::string prog_ = dir_.File("prog/");
    const std::string userIni_ = dir_.File("config/dpmrcps/Program.ini");
};

// The user's copy is read first; an $XDG_CONFIG_HOME that is not absolute is
// ignored rather than taken relative to wherever the program runs.
TEST_F(AppSettingsTest, DefaultsSetupKeysUserCopyFirstAndBaudRate) {
    AppSettings s = LoadAppSettings(prog_);
    EXPECT_EQ(s.Caption() + s.portName + FreqRangeSetting(s), "HM-842R Software");
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.settingsPath, prog_ + "Program.ini");
    Put(prog_ + "Program.ini",
        "[Setup]\nCOM=/dev/ttyUSB0\nModel=QX-1\nBaudRate=19200\nFreqRange=A;B\n");
    s = LoadAppSettings(prog_);
    EXPECT_EQ(s.portName + " " + s.Caption() + " " + FreqRangeSetting(s),
              "/dev/ttyUSB0 QX-1 Software A;B");
    EXPECT_EQ(s.baudRate, 19200);
    Put(userIni_, "[Setup]\nModel=User\n");
    s = LoadAppSettings(prog_);
    EXPECT_EQ(s.settingsPath, userIni_);
    EXPECT_EQ(s.modelName, "User");
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    EXPECT_EQ(UserSettingsPath().rfind("relative", 0), std::string::npos);
    // A speed that is no positive number gives 9600.
    const std::pair<const char*, std::int32_t> bauds[] = {
        {"abc", 9600}, {"-5", 9600},       {"0", 9600},
        {"", 9600},    {" 38400x", 38400}, {"99999999999", INT32_MAX}};
    for (auto [text, baud] : bauds) EXPECT_EQ(ParseBaudRate(text), baud) << text;
}

// With an empty port name nothing is written. When the program folder's
// "Program.ini" can be read but not replaced (a path so long that the
// temporary file beside it cannot be named does this for root too, for whom
// folder permissions do not count), the user's copy starts as a copy of it, so
// no key is lost. A program folder that is no folder at all gives a user's
// copy with the port alone.
TEST_F(AppSettingsTest, SavePortNameWritesOnlyComOrFallsBackToUserCopy) {
    Put(prog_ + "Program.ini", "[Setup]\r\nCOM=COM1\r\nModel=M\r\n");
    AppSettings s = LoadAppSettings(prog_);
    s.portName = "";
    EXPECT_FALSE(SavePortName(s));
    EXPECT_EQ(Get(prog_ + "Program.ini"), "[Setup]\r\nCOM=COM1\r\nModel=M\r\n");
    s.portName = "/dev/ttyS1";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(Get(prog_ + "Program.ini"), "[Setup]\r\nCOM=/dev/ttyS1\r\nModel=M\r\n");
    EXPECT_FALSE(fs::exists(userIni_));

    std::string folder = dir_.File("deep/");
    const std::size_t want = 4092 - std::string("Program.ini").size();  // + ".XXXXXX" > 4095
    while (folder.size() + 201 < want) folder += std::string(200, 'd') + "/";
    folder += std::string(want - folder.size() - 1, 'e') + "/";
    Put(folder + "Program.ini", "[Setup]\nCOM=COM1\nModel=Kept\n");
    s = LoadAppSettings(folder);
    s.portName = "/dev/ttyUSB3";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(Get(folder + "Program.ini"), "[Setup]\nCOM=COM1\nModel=Kept\n");
    EXPECT_EQ(Get(userIni_), "[Setup]\nCOM=/dev/ttyUSB3\nModel=Kept\n");
    fs::remove(userIni_);
    Put(dir_.File("plain"), "x");
    s = LoadAppSettings(dir_.File("plain/"));
    s.portName = "/dev/ttyS0";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(Get(userIni_), "[Setup]\nCOM=/dev/ttyS0\n");
    EXPECT_EQ(Get(dir_.File("plain")), "x");
}

}  // namespace
}  // namespace dpmr
