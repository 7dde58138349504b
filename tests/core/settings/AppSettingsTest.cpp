// Start-up settings: defaults without a settings file, the baud rate text,
// the user's copy in $XDG_CONFIG_HOME, and writing the port back at exit
// when the program folder is read-only.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/AppSettings.h"
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
    void SetUp() override {
        fs::create_directory(dir_.File("prog"));
        setenv("XDG_CONFIG_HOME", dir_.File("config").c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    std::string Program() const { return dir_.File("prog/"); }
    std::string UserIni() const { return dir_.File("config/dpmrcps/Program.ini"); }

    test::TempDir dir_;
};

TEST_F(AppSettingsTest, MissingFileGivesDefaults) {
    const AppSettings s = LoadAppSettings(Program());
    EXPECT_EQ(s.modelName, "HM-842R");
    EXPECT_EQ(s.Caption(), "HM-842R Software");
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.portName, "");
    EXPECT_EQ(s.settingsPath, Program() + "Program.ini");
    EXPECT_EQ(s.pictureFolder, Program() + "Img/");
    EXPECT_EQ(FreqRangeSetting(s), "");
}

TEST_F(AppSettingsTest, ReadsSetupKeys) {
    Put(Program() + "Program.ini",
        "[Setup]\nCOM=/dev/ttyUSB0\nModel=QX-1\nBaudRate=19200\nFreqRange=136-174MHz;400-470MHz\n");
    const AppSettings s = LoadAppSettings(Program());
    EXPECT_EQ(s.portName, "/dev/ttyUSB0");
    EXPECT_EQ(s.Caption(), "QX-1 Software");
    EXPECT_EQ(s.baudRate, 19200);
    EXPECT_EQ(FreqRangeSetting(s), "136-174MHz;400-470MHz");
}

TEST_F(AppSettingsTest, BaudRateTextThatIsNoSpeedGives9600) {
    struct Case {
        const char* text;
        std::int32_t baud;
    };
    for (Case c : {Case{"abc", 9600}, Case{"-5", 9600}, Case{"0", 9600}, Case{"", 9600},
                   Case{"4800", 4800}, Case{" 38400x", 38400}, Case{"99999999999", INT32_MAX}}) {
        EXPECT_EQ(ParseBaudRate(c.text), c.baud) << c.text;
        Put(Program() + "Program.ini", std::string("[Setup]\nBaudRate=") + c.text + "\n");
        EXPECT_EQ(LoadAppSettings(Program()).baudRate, c.baud) << c.text;
    }
}

TEST_F(AppSettingsTest, UserCopyIsReadFirst) {
    Put(Program() + "Program.ini", "[Setup]\nModel=Folder\n");
    EXPECT_EQ(LoadAppSettings(Program()).modelName, "Folder");
    Put(UserIni(), "[Setup]\nModel=User\n");
    const AppSettings s = LoadAppSettings(Program());
    EXPECT_EQ(s.settingsPath, UserIni());
    EXPECT_EQ(s.modelName, "User");

    setenv("XDG_CONFIG_HOME", "relative/dir", 1);  // not absolute: ignored
    EXPECT_EQ(UserSettingsPath().rfind("relative", 0), std::string::npos);
}

TEST_F(AppSettingsTest, SavePortNameWritesOnlyComAndNothingWhenEmpty) {
    const std::string ini = Program() + "Program.ini";
    Put(ini, "[Setup]\r\nCOM=COM1\r\nModel=M\r\n[About]\r\nVersion=2\r\n");
    AppSettings s = LoadAppSettings(Program());
    s.portName = "";
    EXPECT_FALSE(SavePortName(s));
    EXPECT_EQ(Get(ini), "[Setup]\r\nCOM=COM1\r\nModel=M\r\n[About]\r\nVersion=2\r\n");
    s.portName = "/dev/ttyS1";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(Get(ini), "[Setup]\r\nCOM=/dev/ttyS1\r\nModel=M\r\n[About]\r\nVersion=2\r\n");
    EXPECT_FALSE(fs::exists(UserIni()));
}

// A program folder whose "Program.ini" can be read but not replaced. A path
// so long that the temporary file beside it cannot be named does this for
// root too, for whom folder permissions do not count.
std::string UnwritableProgramFolder(const std::string& base) {
    std::string folder = base;
    const std::size_t want = 4092 - std::string("Program.ini").size();  // + ".XXXXXX" > 4095
    while (folder.size() + 201 < want) folder += std::string(200, 'd') + "/";
    folder += std::string(want - folder.size() - 1, 'e') + "/";
    fs::create_directories(folder);
    return folder;
}

TEST_F(AppSettingsTest, SavePortNameFallsBackToUserCopyKeepingOtherKeys) {
    const std::string folder = UnwritableProgramFolder(dir_.File("deep/"));
    const std::string original = "[Setup]\nCOM=COM1\nModel=Kept\nFreqRange=A;B\n";
    Put(folder + "Program.ini", original);
    AppSettings s = LoadAppSettings(folder);
    ASSERT_EQ(s.modelName, "Kept");
    s.portName = "/dev/ttyUSB3";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(Get(folder + "Program.ini"), original);
    EXPECT_EQ(s.settingsPath, UserIni());
    EXPECT_EQ(Get(UserIni()), "[Setup]\nCOM=/dev/ttyUSB3\nModel=Kept\nFreqRange=A;B\n");

    const AppSettings next = LoadAppSettings(folder);
    EXPECT_EQ(next.portName, "/dev/ttyUSB3");
    EXPECT_EQ(next.modelName, "Kept");
}

TEST_F(AppSettingsTest, SavePortNameFallsBackFromReadOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes through folder permissions";
    const std::string original = "[Setup]\nModel=Kept\n";
    Put(Program() + "Program.ini", original);
    fs::permissions(Program(), fs::perms::owner_read | fs::perms::owner_exec);
    AppSettings s = LoadAppSettings(Program());
    s.portName = "/dev/ttyACM0";
    const bool saved = SavePortName(s);
    fs::permissions(Program(), fs::perms::owner_all);
    EXPECT_TRUE(saved);
    EXPECT_EQ(Get(Program() + "Program.ini"), original);
    EXPECT_EQ(Get(UserIni()), "[Setup]\nModel=Kept\nCOM=/dev/ttyACM0\n");
}

TEST_F(AppSettingsTest, SavePortNameWhenProgramFolderIsNoFolder) {
    Put(dir_.File("plain"), "x");
    AppSettings s = LoadAppSettings(dir_.File("plain/"));
    s.portName = "/dev/ttyS0";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(Get(UserIni()), "[Setup]\nCOM=/dev/ttyS0\n");
    EXPECT_EQ(Get(dir_.File("plain")), "x");
}

TEST_F(AppSettingsTest, GarbageSettingsFileGivesDefaults) {
    std::string garbage(5000, '\0');
    for (std::size_t k = 0; k < garbage.size(); ++k) garbage[k] = static_cast<char>(k * 37);
    Put(Program() + "Program.ini", garbage);
    const AppSettings s = LoadAppSettings(Program());
    EXPECT_EQ(s.modelName, "HM-842R");
    EXPECT_EQ(s.baudRate, 9600);
}

}  // namespace
}  // namespace dpmr
