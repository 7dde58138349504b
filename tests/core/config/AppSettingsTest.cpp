// Start-up settings: defaults without a settings file, the baud rate text,
// the port in the user's copy in $XDG_CONFIG_HOME (everything else from the
// program folder), and writing the port back at exit when the program folder
// is read-only; the program installed under a prefix: its shipped files in
// share/dpmrcps/ and the user's settings winning over the installed ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/AppSettings.h"
#include "document/NewDocument.h"
#include "image/Document.h"
#include "link/SampleCodeplug.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

using test::PutFile;

// Each test gets its own program folder and its own $XDG_CONFIG_HOME.
class AppSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", dir_.File("config").c_str(), 1); }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    test::TempDir dir_;
    const std::string prog_ = dir_.File("prog/");
    const std::string userIni_ = dir_.File("config/dpmrcps/Program.ini");
};

// The port comes from the program folder's file while that can be written,
// whatever a user's copy holds (an edit of the folder's file is never
// overruled); Model, BaudRate and FreqRange always come from the program
// folder. An $XDG_CONFIG_HOME that is not absolute is ignored rather than
// taken relative to wherever the program runs.
TEST_F(AppSettingsTest, DefaultsProgramFolderKeysUserPortAndBaudRate) {
    const auto summary = [](const AppSettings& a) {
        return a.portName + " " + a.Caption() + " " + FreqRangeSetting(a) + " " +
               std::to_string(a.baudRate);
    };
    fs::create_directories(prog_);
    AppSettings s = LoadAppSettings(prog_);
    EXPECT_EQ(summary(s), " HM-842R Software  9600");
    EXPECT_EQ(s.portSettingsPath, prog_ + "Program.ini");
    PutFile(prog_ + "Program.ini",
            "[Setup]\nCOM=/dev/ttyUSB0\nModel=QX-1\nBaudRate=19200\nFreqRange=A;B\n");
    EXPECT_EQ(summary(LoadAppSettings(prog_)), "/dev/ttyUSB0 QX-1 Software A;B 19200");
    PutFile(userIni_, "[Setup]\nCOM=/dev/ttyACM0\nModel=User\n");
    s = LoadAppSettings(prog_);
    EXPECT_EQ(summary(s), "/dev/ttyUSB0 QX-1 Software A;B 19200");
    EXPECT_EQ(s.portSettingsPath, prog_ + "Program.ini");
    EXPECT_EQ(WherePortIsKept(s), "");
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    EXPECT_EQ(UserSettingsPath().rfind("relative", 0), std::string::npos);
    // A speed that is no positive number gives 9600.
    const std::pair<const char*, std::int32_t> bauds[] = {
        {"abc", 9600}, {"0", 9600}, {" 38400x", 38400}, {"99999999999", INT32_MAX}};
    for (auto [text, baud] : bauds) EXPECT_EQ(ParseBaudRate(text), baud) << text;
}

// With an empty port name nothing is written. When the program folder's
// "Program.ini" can be read but not replaced (a path so long that the
// temporary file beside it cannot be named does this for root too, for whom
// folder permissions do not count), the port goes to the user's copy, alone:
// the program folder's other keys go on being read from there.
TEST_F(AppSettingsTest, SavePortNameWritesOnlyComOrFallsBackToUserCopy) {
    PutFile(prog_ + "Program.ini", "[Setup]\r\nCOM=COM1\r\nModel=M\r\n");
    AppSettings s = LoadAppSettings(prog_);
    s.portName = "";
    EXPECT_FALSE(SavePortName(s));
    EXPECT_EQ(test::FileText(prog_ + "Program.ini"), "[Setup]\r\nCOM=COM1\r\nModel=M\r\n");
    s.portName = "/dev/ttyS1";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(test::FileText(prog_ + "Program.ini"), "[Setup]\r\nCOM=/dev/ttyS1\r\nModel=M\r\n");
    EXPECT_FALSE(fs::exists(userIni_));

    std::string folder = dir_.File("deep/");
    const std::size_t want =
        4092 - std::string("Program.ini").size();  // + a temporary suffix > 4095
    while (folder.size() + 201 < want) folder.append(200, 'd').append("/");
    folder += std::string(want - folder.size() - 1, 'e') + "/";
    PutFile(folder + "Program.ini", "[Setup]\nCOM=COM1\nModel=Kept\n");
    s = LoadAppSettings(folder);
    s.portName = "/dev/ttyUSB3";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(test::FileText(folder + "Program.ini"), "[Setup]\nCOM=COM1\nModel=Kept\n");
    EXPECT_EQ(test::FileText(userIni_), "[Setup]\nCOM=/dev/ttyUSB3\n");
    PutFile(folder + "Program.ini", "[Setup]\nCOM=COM1\nModel=Edited\n");
    s = LoadAppSettings(folder);
    EXPECT_EQ(s.portName + " " + s.modelName, "/dev/ttyUSB3 Edited");
    // Setting > Port says so, and why.
    EXPECT_EQ(WherePortIsKept(s), "The port is kept in " + userIni_ + ", because " + folder +
                                      "Program.ini cannot be written.");
}

// "Verify after writing" is off unless a file says 1; it is read and kept
// where the port is: the program folder's file while it can be written.
TEST_F(AppSettingsTest, VerifyAfterWriteIsKeptWhereThePortIs) {
    EXPECT_FALSE(LoadAppSettings(prog_).verifyAfterWrite);
    PutFile(prog_ + "Program.ini", "[Setup]\nVerifyAfterWrite=yes\n");  // only 1 is on
    PutFile(userIni_, "[Setup]\nVerifyAfterWrite=1\n");                 // not where it is kept
    EXPECT_FALSE(LoadAppSettings(prog_).verifyAfterWrite);
    PutFile(prog_ + "Program.ini", "[Setup]\nVerifyAfterWrite=1\n");
    AppSettings s = LoadAppSettings(prog_);
    EXPECT_TRUE(s.verifyAfterWrite);
    s.verifyAfterWrite = false;
    EXPECT_TRUE(SaveVerifyAfterWrite(s));
    EXPECT_EQ(test::FileText(prog_ + "Program.ini"), "[Setup]\nVerifyAfterWrite=0\n");
    EXPECT_EQ(test::FileText(userIni_), "[Setup]\nVerifyAfterWrite=1\n");
}

// The fleet dialog's choices: its ports, Verify (first as "Verify after
// writing") and each radio's own calibration kept, saved and read back.
TEST_F(AppSettingsTest, FleetChoicesAreKeptForTheNextSession) {
    PutFile(prog_ + "Program.ini", "[Setup]\nVerifyAfterWrite=1\n");
    AppSettings s = LoadAppSettings(prog_);
    EXPECT_TRUE(s.fleetPorts.empty());
    EXPECT_TRUE(s.fleetVerify);
    EXPECT_TRUE(s.fleetKeepCalibration);
    s.fleetPorts = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
    s.fleetVerify = false;
    s.fleetKeepCalibration = false;
    EXPECT_TRUE(SaveFleetChoices(s));
    const AppSettings again = LoadAppSettings(prog_);
    EXPECT_EQ(again.fleetPorts, s.fleetPorts);
    EXPECT_FALSE(again.fleetVerify);
    EXPECT_FALSE(again.fleetKeepCalibration);
    EXPECT_TRUE(again.verifyAfterWrite);  // the single Write's own choice stays
}

// Where the shipped files are: beside the executable when "Program.ini" is
// there (a build or an unpacked folder, even with an installed tree around
// it), else share/dpmrcps/ of the prefix the executable is installed under,
// else the executable's folder.
TEST_F(AppSettingsTest, ProgramFolderBesideTheExecutableOrUnderThePrefix) {
    const std::string bin = dir_.File("usr/bin/");
    const std::string data = dir_.File("usr/share/dpmrcps/");
    fs::create_directories(bin);
    const auto located = [&bin] {
        const ProgramLocation l = LocateProgram(bin);
        return l.folder + (l.installed ? " installed" : " portable");
    };
    EXPECT_EQ(located(), bin + " portable");
    PutFile(data + "Program.ini", "[Setup]\n");
    EXPECT_EQ(located(), data + " installed");
    PutFile(bin + "Program.ini", "[Setup]\n");
    EXPECT_EQ(located(), bin + " portable");
}

// Installed: Model, BaudRate and FreqRange come from the installed template
// unless the user's copy says otherwise; the port is read from the user's
// copy (else the template) and always written there, never into the
// template, even when it could be written (as root).
TEST_F(AppSettingsTest, InstalledTemplateAndUsersSettings) {
    const std::string bin = dir_.File("usr/bin/");
    const std::string data = dir_.File("usr/share/dpmrcps/");
    fs::create_directories(bin);
    const std::string shipped = "[Setup]\nCOM=\nModel=T-1\nBaudRate=19200\nFreqRange=A;B\n";
    PutFile(data + "Program.ini", shipped);
    AppSettings s = LoadAppSettings(bin);
    EXPECT_TRUE(s.installed);
    EXPECT_EQ(s.programFolder, data);
    EXPECT_EQ(s.portSettingsPath, userIni_);
    EXPECT_EQ(WherePortIsKept(s), "The port is kept in " + userIni_ + ".");
    EXPECT_EQ(s.Caption() + " " + FreqRangeSetting(s) + " " + std::to_string(s.baudRate) + " [" +
                  s.portName + "]",
              "T-1 Software A;B 19200 []");
    s.portName = "/dev/ttyUSB0";
    EXPECT_TRUE(SavePortName(s));
    EXPECT_EQ(test::FileText(userIni_), "[Setup]\nCOM=/dev/ttyUSB0\n");
    EXPECT_EQ(test::FileText(data + "Program.ini"), shipped);

    PutFile(userIni_, "[Setup]\nCOM=/dev/ttyACM1\nModel=Mine\nFreqRange=C\n");
    s = LoadAppSettings(bin);
    EXPECT_EQ(s.Caption() + " " + FreqRangeSetting(s) + " " + std::to_string(s.baudRate) + " [" +
                  s.portName + "]",
              "Mine Software C 19200 [/dev/ttyACM1]");

    // The shipped files are looked up in the same folder: Default.dat for
    // File > New, the demo codeplug (else the one built in).
    RadioImage image;
    NewImage(image, s.programFolder, BandLimits{});
    RadioImage defaults = image;
    EXPECT_TRUE(LoadSampleCodeplug(s.programFolder) == BuildSampleCodeplug());
    const auto put = [](const std::string& path, const RadioImage& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.Data()), RadioImage::kSize);
    };
    put(data + kSampleCodeplugFileName, defaults);
    EXPECT_TRUE(LoadSampleCodeplug(s.programFolder) == defaults);
    defaults.SetU8(0x0300, 0x42);
    put(data + "Default.dat", defaults);
    NewImage(image, LoadAppSettings(bin).programFolder, BandLimits{});
    EXPECT_EQ(image.U8(0x0300), 0x42);
}

}  // namespace
}  // namespace dpmr
