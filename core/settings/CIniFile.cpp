// Settings-file parsing and single-line rewriting.
#include "settings/CIniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "util/FileIo.h"

namespace dpmr {

namespace {

// Settings files are tiny; anything larger is not one and is not read whole.
constexpr std::size_t kMaxFileSize = 1 << 20;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}


std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// "[name]" -> name, or nothing when the line is no section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// "key=value" -> key, or nothing.
std::optional<std::string_view> KeyName(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, eq));
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
    for (const std::string& line : SplitLines(content)) {
        if (auto name = SectionName(line)) {
            inSection = SameText(*name, section);
            continue;
        }
        if (!inSection) continue;
        auto k = KeyName(line);
        if (!k || !SameText(*k, key)) continue;
        std::string_view value = Trim(std::string_view(line).substr(line.find('=') + 1));
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
    std::string content;
    const bool existed = FileExists(path_);
    if (existed && !ReadContent(path_, content)) return false;
    const std::string eol = content.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> lines = SplitLines(content);
    const std::string entry = key + "=" + value;

    bool inSection = false;
    std::optional<std::size_t> sectionEnd;  // index after the section's last non-blank line
    bool written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        if (auto name = SectionName(lines[i])) {
            if (inSection) break;
            inSection = SameText(*name, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (auto k = KeyName(lines[i]); k && SameText(*k, key)) {
            lines[i] = entry;
            written = true;
        } else if (!Trim(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!written) {
        if (sectionEnd) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
        } else {
            if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const std::string& line : lines) out += line + eol;
    const auto* data = reinterpret_cast<const std::uint8_t*>(out.data());
    return WriteFileAtomically(path_, {data, out.size()}).ok();
}

}  // namespace dpmr
