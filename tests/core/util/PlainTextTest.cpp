// Texts quoted in messages: what a file or the user gave is shown so that it
// can neither recolour the terminal nor split the message, and a huge text
// is cut.
#include "util/PlainText.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace dpmr
