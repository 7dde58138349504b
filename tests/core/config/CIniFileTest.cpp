// Reading and writing single values of the settings file, on real files: a
// write changes only its own line and keeps every other byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "config/CIniFile.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

using test::PutFile;

// Sections and keys match without regard to case or blanks, quotes are
// dropped, a key outside any section or in another section is not seen,
// values are cut at 255 characters.
TEST(CIniFileTest, ReadsValuesWithDefaults) {
    test::TempDir dir;
    const CIniFile ini(dir.File("Program.ini"));
    PutFile(ini.path(),
            "Model=Stray\r\n[setup]\r\n  com =  COM3  \r\nModel=\"Quoted\"\r\nEmpty=\r\nLong=" +
                std::string(300, 'x') + "\r\n[About]\r\nVersion=1.0\r\n");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Setup", "COM", "COM3"},  {"SETUP", "Model", "Quoted"}, {"Setup", "Empty", ""},
        {"Setup", "Version", "d"}, {"About", "version", "1.0"},  {"Missing", "COM", "d"},
        {"Setup", "", "d"}};
    for (auto [section, key, want] : cases)
        EXPECT_EQ(ini.GetString(section, key, "d"), want) << key;
    EXPECT_EQ(ini.GetString("Setup", "Long", ""), std::string(255, 'x'));
}

// Replacing keeps the line ends (LF, CRLF, none at the end); an added key
// goes after its section's last line, before blank lines; a missing section
// is added at the end; an empty or missing file gets both.
TEST(CIniFileTest, WriteKeepsEveryOtherByteOrIsRefused) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"; settings\n[Setup]\nCOM=COM1\nModel=X\n\n[About]\nCOM=keep\n", "; settings\n[Setup]\nCOM=ttyUSB0\nModel=X\n\n[About]\nCOM=keep\n"},
        {"[About]\r\nVersion=1\r\n[SETUP]\r\n  com = COM1 \r\nBaudRate=9600", "[About]\r\nVersion=1\r\n[SETUP]\r\nCOM=ttyUSB0\r\nBaudRate=9600"},
        {"[Setup]\nModel=X\n\n\n[About]\n", "[Setup]\nModel=X\nCOM=ttyUSB0\n\n\n[About]\n"},
        {"[About]\nVersion=1", "[About]\nVersion=1\n\n[Setup]\nCOM=ttyUSB0\n"},
        {nullptr, "[Setup]\nCOM=ttyUSB0\n"}};
    // clang-format on
    test::TempDir dir;
    const CIniFile ini(dir.File("Program.ini"));
    for (auto [before, after] : cases) {
        fs::remove(ini.path());
        if (before) PutFile(ini.path(), before);
        EXPECT_TRUE(ini.WriteString("Setup", "COM", "ttyUSB0")) << (before ? before : "no file");
        EXPECT_EQ(test::FileText(ini.path()), after);
        EXPECT_EQ(ini.GetString("Setup", "COM", ""), "ttyUSB0");
    }
    // Empty keys or values, line breaks, '=' in a key and ']' in a section
    // would be read back as something else: refused, the file left alone.
    for (auto [section, key, value] : {std::tuple{"Setup", "", "x"},
                                       {"Setup", "COM", ""},
                                       {"Setup", "COM", "x\n[Evil]\nA=1"},
                                       {"Setup", "A=B", "x"},
                                       {"Se]tup", "COM", "x"}})
        EXPECT_FALSE(ini.WriteString(section, key, value)) << key << value;
    EXPECT_EQ(test::FileText(ini.path()), "[Setup]\nCOM=ttyUSB0\n");
    EXPECT_FALSE(CIniFile(dir.path()).WriteString("Setup", "COM", "x"));  // a folder

    // A file too large to be a settings file is read but never rewritten
    // (that would cut it).
    const CIniFile huge(dir.File("huge.ini"));
    PutFile(huge.path(), "[Setup]\nCOM=COM1\n" + std::string(3 << 20, 'z'));
    EXPECT_EQ(huge.GetString("Setup", "COM", ""), "COM1");
    EXPECT_FALSE(huge.WriteString("Setup", "COM", "COM2"));
    EXPECT_EQ(fs::file_size(huge.path()), 17u + (3u << 20));
}

}  // namespace
}  // namespace dpmr
