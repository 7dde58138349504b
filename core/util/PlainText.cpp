// Trimming blanks, comparing texts without regard to letter case, and texts
// quoted safely in messages.
#include "util/PlainText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace dpmr {

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::size_t Utf8CharLength(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    const auto u = static_cast<unsigned char>(text[at]);
    const std::size_t len = u >= 0xF0 && u < 0xF5   ? 4
                            : u >= 0xE0 && u < 0xF0 ? 3
                            : u >= 0xC2 && u < 0xE0 ? 2
                                                    : 0;
    if (len == 0 || at + len > text.size()) return 0;
    for (std::size_t j = 1; j < len; ++j)
        if ((static_cast<unsigned char>(text[at + j]) & 0xC0) != 0x80) return 0;
    if (len > 2) {
        const auto second = static_cast<unsigned char>(text[at + 1]);
        const unsigned lo = u == 0xE0 ? 0xA0 : u == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = u == 0xED ? 0x9F : u == 0xF4 ? 0x8F : 0xBF;
        if (second < lo || second > hi) return 0;
    }
    return len;
}

namespace {

// U+0080..U+009F: well-formed, but terminals take some of them as commands.
bool IsC1Control(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) == 0xC2 &&
           static_cast<unsigned char>(text[at + 1]) < 0xA0;
}

}  // namespace

std::string QuoteInput(std::string_view text, std::size_t most) {
    std::string out = "\"";
    std::size_t shown = 0;
    std::size_t k = 0;
    for (; k < text.size() && shown < most; ++shown) {
        const char c = text[k];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F) {
            if (c == '"' || c == '\\') out += '\\';
            out += c;
            ++k;
        } else if (const std::size_t len = Utf8CharLength(text, k);
                   len > 0 && !IsC1Control(text, k)) {
            out += text.substr(k, len);
            k += len;
        } else {
            const std::size_t bytes = len > 0 ? len : 1;
            if (c == '\n') {
                out += "\\n";
            } else if (c == '\r') {
                out += "\\r";
            } else if (c == '\t') {
                out += "\\t";
            } else {
                for (std::size_t j = 0; j < bytes; ++j) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\x%02x",
                                  static_cast<unsigned char>(text[k + j]));
                    out += buf;
                }
            }
            k += bytes;
        }
    }
    out += '"';
    if (k < text.size()) out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

std::vector<std::string> WrapWords(std::string_view text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t space = text.find(' ', at);
        const std::string_view word =
            text.substr(at, space == std::string_view::npos ? text.size() - at : space - at);
        at = space == std::string_view::npos ? text.size() : space + 1;
        if (word.empty()) continue;
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace dpmr
