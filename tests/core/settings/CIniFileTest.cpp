// Reading and writing single values of the settings file, on real files: a
// write changes only its own line and keeps every other byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/CIniFile.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

void Put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CIniFileTest, ReadsValuesWithDefaults) {
    test::TempDir dir;
    const std::string path = dir.File("Program.ini");
    Put(path,
        "; comment COM=COM9\r\n"
        "Model=Stray\r\n"
        "[setup]\r\n"
        "  com =  COM3  \r\n"
        "Model=\"Quoted\"\r\n"
        "Empty=\r\n"
        "Long=" +
            std::string(300, 'x') +
            "\r\n"
            "[About]\r\n"
            "Version=1.0\r\n");
    const CIniFile ini(path);
    struct Case {
        const char* section;
        const char* key;
        const char* def;
        std::string want;
    };
    const Case cases[] = {
        {"Setup", "COM", "", "COM3"},             // case and blanks ignored
        {"SETUP", "Model", "HM-842R", "Quoted"},  // quotes dropped; stray key outside ignored
        {"Setup", "Empty", "d", ""},
        {"Setup", "Long", "", std::string(255, 'x')},
        {"Setup", "Version", "none", "none"},  // belongs to another section
        {"About", "version", "", "1.0"},
        {"Missing", "COM", "def", "def"},
        {"Setup", "", "def", "def"},
    };
    for (const Case& c : cases) EXPECT_EQ(ini.GetString(c.section, c.key, c.def), c.want) << c.key;

    const CIniFile missing(dir.File("nope.ini"));
    EXPECT_EQ(missing.GetString("Setup", "Model", "HM-842R"), "HM-842R");
    EXPECT_EQ(missing.GetString("Setup", "Model", std::string(300, 'd')), std::string(255, 'd'));
    EXPECT_EQ(CIniFile().path(), "./Program.ini");
}

TEST(CIniFileTest, WriteChangesOnlyTheKeysLine) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"replace, LF", "; settings\n[Setup]\nCOM=COM1\nModel=X\n\n[About]\nCOM=keep\n",
         "; settings\n[Setup]\nCOM=ttyUSB0\nModel=X\n\n[About]\nCOM=keep\n"},
        {"replace, CRLF, no final end",
         "[About]\r\nVersion=1\r\n[SETUP]\r\n  com = COM1 \r\nBaudRate=9600",
         "[About]\r\nVersion=1\r\n[SETUP]\r\nCOM=ttyUSB0\r\nBaudRate=9600"},
        {"add to section before its blank lines", "[Setup]\nModel=X\n\n\n[About]\nVersion=1\n",
         "[Setup]\nModel=X\nCOM=ttyUSB0\n\n\n[About]\nVersion=1\n"},
        {"add to last section without final end", "[Setup]\r\nModel=X",
         "[Setup]\r\nModel=X\r\nCOM=ttyUSB0\r\n"},
        {"new section", "[About]\nVersion=1", "[About]\nVersion=1\n\n[Setup]\nCOM=ttyUSB0\n"},
        {"empty file", "", "[Setup]\nCOM=ttyUSB0\n"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string path = dir.File("Program.ini");
        Put(path, c.before);
        EXPECT_TRUE(CIniFile(path).WriteString("Setup", "COM", "ttyUSB0")) << c.name;
        EXPECT_EQ(Get(path), c.after) << c.name;
        EXPECT_EQ(CIniFile(path).GetString("Setup", "COM", ""), "ttyUSB0") << c.name;
    }
}

TEST(CIniFileTest, WriteCreatesMissingFile) {
    test::TempDir dir;
    const CIniFile ini(dir.File("Program.ini"));
    ASSERT_TRUE(ini.WriteString("Setup", "COM", "ttyS0"));
    ASSERT_TRUE(ini.WriteString("Setup", "Model", "M"));
    EXPECT_EQ(Get(dir.File("Program.ini")), "[Setup]\nCOM=ttyS0\nModel=M\n");
}

TEST(CIniFileTest, RefusedWritesLeaveTheFileAlone) {
    test::TempDir dir;
    const std::string path = dir.File("Program.ini");
    const std::string before = "[Setup]\nCOM=COM1\n";
    Put(path, before);
    const CIniFile ini(path);
    EXPECT_FALSE(ini.WriteString("Setup", "", "x"));
    EXPECT_FALSE(ini.WriteString("Setup", "COM", ""));
    EXPECT_FALSE(ini.WriteString("Setup", "COM", "x\n[Evil]\nA=1"));
    EXPECT_FALSE(ini.WriteString("Setup", "A=B", "x"));
    EXPECT_FALSE(ini.WriteString("Se]tup", "COM", "x"));
    EXPECT_EQ(Get(path), before);
    EXPECT_FALSE(CIniFile(dir.File("new.ini")).WriteString("Setup", "COM", ""));
    EXPECT_FALSE(fs::exists(dir.File("new.ini")));
    EXPECT_FALSE(CIniFile(dir.path()).WriteString("Setup", "COM", "x"));  // a folder
}

TEST(CIniFileTest, GarbageAndHugeFilesDoNotCrashOrShrink) {
    test::TempDir dir;
    std::string garbage;
    for (int k = 0; k < 70000; ++k) garbage.push_back(static_cast<char>((k * 131 + k / 7) & 0xFF));
    garbage += "\n[Setup\n=\n[]\n]\n==COM\n";
    const std::string path = dir.File("garbage.ini");
    Put(path, garbage);
    const CIniFile ini(path);
    EXPECT_EQ(ini.GetString("Setup", "COM", "d"), "d");
    ASSERT_TRUE(ini.WriteString("Setup", "COM", "x"));
    const std::string after = Get(path);
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(ini.GetString("Setup", "COM", "d"), "x");

    const std::string huge = dir.File("huge.ini");
    Put(huge, "[Setup]\nCOM=COM1\n" + std::string(3 << 20, 'z'));
    EXPECT_EQ(CIniFile(huge).GetString("Setup", "COM", ""), "COM1");
    EXPECT_FALSE(CIniFile(huge).WriteString("Setup", "COM", "COM2"));
    EXPECT_EQ(fs::file_size(huge), 17u + (3u << 20));
}

}  // namespace
}  // namespace dpmr
