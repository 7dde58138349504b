// Deciding which texts a YAML file must quote, and writing them.
#include "interchange/YamlText.h"

#include <array>

#include "util/PlainText.h"

namespace dpmr {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAsciiLetterOrDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The words YAML 1.1 reads as true, false or null (1.2 keeps true, false and
// null). The schemas list three letter cases each; any case is quoted.
bool IsTruthOrNullWord(std::string_view text) {
    static constexpr std::array<std::string_view, 9> kWords = {"y",   "n",    "yes",   "no",  "on",
                                                               "off", "true", "false", "null"};
    for (std::string_view word : kWords)
        if (EqualsIgnoringCase(text, word)) return true;
    return false;
}

// Integers and floats of both schemas, generously: an optional sign, then
// 0x, 0o or 0b with digits, or ".inf" / ".nan", or digits mixed with "_",
// "." and ":" (decimal, leading-0 octal, "1_000", "1.5", ".5", "1.2.3",
// "1:20") with an optional exponent ("1e3", "1.0E+5").
bool IsNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    if (EqualsIgnoringCase(text, ".inf") || EqualsIgnoringCase(text, ".nan")) return true;
    if (text.size() > 2 && text[0] == '0' &&
        std::string_view("xXoObB").find(text[1]) != std::string_view::npos) {
        for (char c : text.substr(2))
            if (!IsDigit(c) && std::string_view("abcdefABCDEF_").find(c) == std::string_view::npos)
                return false;
        return true;
    }
    std::size_t k = 0;
    bool digits = false;
    for (; k < text.size() &&
           (IsDigit(text[k]) || std::string_view("_.:").find(text[k]) != std::string_view::npos);
         ++k)
        digits = digits || IsDigit(text[k]);
    if (!digits) return false;
    if (k == text.size()) return true;
    if (text[k] != 'e' && text[k] != 'E') return false;
    ++k;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    if (k == text.size()) return false;
    for (; k < text.size(); ++k)
        if (!IsDigit(text[k])) return false;
    return true;
}

// A YAML 1.1 timestamp starts with a date: four digits, "-", a digit.
bool IsDate(std::string_view text) {
    return text.size() >= 6 && IsDigit(text[0]) && IsDigit(text[1]) && IsDigit(text[2]) &&
           IsDigit(text[3]) && text[4] == '-' && IsDigit(text[5]);
}

}  // namespace

bool YamlTextNeedsQuotes(std::string_view text) {
    if (text.empty() || !IsAsciiLetterOrDigit(text.front()) || text.back() == ' ') return true;
    for (char c : text)
        if (!IsAsciiLetterOrDigit(c) &&
            std::string_view(" .+-_()/").find(c) == std::string_view::npos)
            return true;
    return IsTruthOrNullWord(text) || IsNumber(text) || IsDate(text);
}

YAML::Emitter& operator<<(YAML::Emitter& out, const YamlText& t) {
    if (YamlTextNeedsQuotes(t.text)) out << YAML::DoubleQuoted;
    return out << t.text;
}

}  // namespace dpmr
