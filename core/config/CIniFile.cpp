// Settings-file parsing and single-line rewriting.
#include "config/CIniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "util/FileIo.h"
#include "util/PlainText.h"

namespace dpmr {

namespace {

// Settings files are tiny; anything larger is not one and is not read whole.
constexpr std::size_t kMaxFileSize = 1 << 20;

// One line of the file and the line end it had ("\r\n", "\n" or none for a
// last line without one), so that a rewrite gives back every other byte.
struct Line {
    std::string text;
    std::string end;
};

std::vector<Line> SplitLinesKeepingEnds(const std::string& content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t nl = content.find('\n', start);
        Line line;
        if (nl == std::string::npos) {
            line.text = content.substr(start);
            start = content.size();
        } else {
            line.text = content.substr(start, nl - start);
            line.end = "\n";
            start = nl + 1;
        }
        if (!line.end.empty() && !line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end = "\r\n";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// "[name]" -> name, or nothing when the line is no section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimBlanks(line.substr(1, close - 1));
}

// "key=value" -> key, or nothing.
std::optional<std::string_view> KeyName(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return TrimBlanks(line.substr(0, eq));
}

bool ReadContent(const std::string& path, std::string& content) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFilePrefix(path, kMaxFileSize, bytes)) return false;
    content.assign(bytes.begin(), bytes.end());
    return true;
}

}  // namespace

std::string CIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    auto cut = [](std::string v) {
        if (v.size() > kMaxValue) v.resize(kMaxValue);
        return v;
    };
    if (key.empty()) return cut(def);
    std::string content;
    if (!ReadContent(path_, content)) return cut(def);
    bool inSection = false;
    for (const Line& entry : SplitLinesKeepingEnds(content)) {
        const std::string& line = entry.text;
        if (auto name = SectionName(line)) {
            inSection = EqualsIgnoringCase(*name, section);
            continue;
        }
        if (!inSection) continue;
        auto k = KeyName(line);
        if (!k || !EqualsIgnoringCase(*k, key)) continue;
        std::string_view value = TrimBlanks(std::string_view(line).substr(line.find('=') + 1));
        // A value in matching quotes is read without them.
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return cut(std::string(value));
    }
    return cut(def);
}

bool CIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) const {
    if (key.empty() || value.empty()) return false;
    // A line break would start new lines of its own, a '=' in the key or a ']'
    // in the section name would be read back as something else.
    const auto hasBreak = [](const std::string& t) { return t.find_first_of("\r\n") != t.npos; };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value) || key.find('=') != key.npos ||
        section.find(']') != section.npos)
        return false;
    std::string content;
    if (FileExists(path_)) {
        // A file too large to be a settings file is never rewritten (that
        // would cut it); the caller falls back as for any unwritable file.
        std::vector<std::uint8_t> bytes;
        if (!ReadFilePrefix(path_, kMaxFileSize + 1, bytes) || bytes.size() > kMaxFileSize)
            return false;
        content.assign(bytes.begin(), bytes.end());
    }
    const std::string eol = content.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<Line> lines = SplitLinesKeepingEnds(content);
    const std::string entry = key + "=" + value;

    bool inSection = false;
    std::optional<std::size_t> sectionEnd;  // index after the section's last non-blank line
    bool written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        if (auto name = SectionName(lines[i].text)) {
            if (inSection) break;
            inSection = EqualsIgnoringCase(*name, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (auto k = KeyName(lines[i].text); k && EqualsIgnoringCase(*k, key)) {
            lines[i].text = entry;
            written = true;
        } else if (!TrimBlanks(lines[i].text).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!written) {
        std::size_t at = sectionEnd.value_or(lines.size());
        std::vector<Line> added;
        if (!sectionEnd) {
            if (!lines.empty() && !TrimBlanks(lines.back().text).empty())
                added.push_back({"", eol});
            added.push_back({"[" + section + "]", eol});
        }
        added.push_back({entry, eol});
        // The line before the new ones may be the file's last, without an end.
        if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = eol;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    }
    std::string out;
    for (const Line& line : lines) out += line.text + line.end;
    const auto* data = reinterpret_cast<const std::uint8_t*>(out.data());
    return WriteFileAtomically(path_, {data, out.size()}).ok();
}

}  // namespace dpmr
