// Small helpers for texts read from files and typed by users: blanks around
// a value, comparing words without regard to letter case (ASCII), and a text
// quoted in a message so that it cannot upset the terminal or the message,
// and a text broken into lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

// `text` without the blanks (spaces, tabs, line breaks) at either end.
std::string_view TrimBlanks(std::string_view text);

// Whether `a` and `b` are the same text when ASCII letter case is ignored.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The length of the well-formed UTF-8 character of 2 to 4 bytes that starts
// at `text[at]`, or 0 (an ASCII byte, a stray or cut byte, an overlong form,
// a surrogate).
std::size_t Utf8CharLength(std::string_view text, std::size_t at);

// How many characters of a quoted text a message shows.
inline constexpr std::size_t kQuotedTextMost = 64;

// `text` in double quotes for a message that echoes what a file or the user
// gave: printable ASCII and whole UTF-8 characters stay, a quote or backslash
// gets a backslash, line breaks and tabs show as \n, \r and \t, and any other
// control character or invalid byte as \xHH. A text of more than `most`
// characters is cut after them and the quotes are followed by "..." and its
// length in bytes: "abc..."... (900000 bytes).
std::string QuoteInput(std::string_view text, std::size_t most = kQuotedTextMost);

// `text` broken at spaces into lines of at most `width` bytes (a longer word
// stands on a line of its own); no line break is kept, none is added at the end.
std::vector<std::string> WrapWords(std::string_view text, std::size_t width);

}  // namespace dpmr
