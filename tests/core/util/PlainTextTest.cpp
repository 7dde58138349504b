// Texts quoted in messages: what a file or the user gave is shown so that it
// can neither recolour the terminal nor split the message, and a huge text
// is cut. Help texts are broken into lines at spaces.
#include "util/PlainText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dpmr {
namespace {

TEST(PlainText, QuoteInputEscapesWhatATerminalWouldActOn) {
    const std::pair<std::string, std::string> cases[] = {
        {"Base 1", "\"Base 1\""},
        {"", "\"\""},
        {"say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
        {"\x1b[31mred", "\"\\x1b[31mred\""},
        {"two\nlines\r\tend", "\"two\\nlines\\r\\tend\""},
        {std::string("a\0b", 3), "\"a\\x00b\""},
        {"\x7f", "\"\\x7f\""},
        // Whole UTF-8 characters stay; stray, cut and overlong bytes do not.
        {"Grüße 可调", "\"Grüße 可调\""},
        {"ab\xff", "\"ab\\xff\""},
        {"\xc3", "\"\\xc3\""},
        {"\xc0\xaf", "\"\\xc0\\xaf\""},
        {"\xed\xa0\x80", "\"\\xed\\xa0\\x80\""},
        // The 8-bit CSI is well-formed UTF-8 but a terminal command.
        {"\xc2\x9b"
         "31m",
         "\"\\xc2\\x9b31m\""},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(QuoteInput(text), want) << want;
}

TEST(PlainText, QuoteInputCutsALongTextByCharacters) {
    EXPECT_EQ(QuoteInput(std::string(64, 'k')), "\"" + std::string(64, 'k') + "\"");
    EXPECT_EQ(QuoteInput(std::string(900000, 'k')),
              "\"" + std::string(64, 'k') + "\"... (900000 bytes)");
    // A character of several bytes counts once and is never cut in half.
    std::string wide;
    for (int k = 0; k < 5; ++k) wide += "可";
    EXPECT_EQ(QuoteInput(wide, 3), "\"可可可\"... (15 bytes)");
    EXPECT_EQ(QuoteInput("\n\n\n\n", 2), "\"\\n\\n\"... (4 bytes)");
}

TEST(PlainText, WrapWordsBreaksAtSpacesWithinTheWidth) {
    struct Case {
        const char* text;
        std::size_t width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", 10, {}},
        {"one", 10, {"one"}},
        {"one two three", 7, {"one two", "three"}},
        {"one two three", 8, {"one two", "three"}},
        {"one two three", 13, {"one two three"}},
        // A word longer than the width stands alone, uncut.
        {"a verylongword b", 5, {"a", "verylongword", "b"}},
        // Runs of spaces and spaces at the ends make no empty words.
        {"  one   two  ", 20, {"one two"}},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapWords(c.text, c.width), c.lines) << c.text;
}

}  // namespace
}  // namespace dpmr
