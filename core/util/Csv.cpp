// Reading and writing comma-separated text.
#include "util/Csv.h"

#include <cstdio>

#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

Status CsvLineError(std::size_t line, const std::string& reason) {
    return Status::Error(Fill(Tr("util", "line %1: %2"), {std::to_string(line), reason}));
}

Status CheckCsvUtf8(std::string_view text) {
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t k = 0; k < text.size();) {
        const auto u = static_cast<unsigned char>(text[k]);
        if (u == '\r' || u == '\n') {
            // CRLF is one line break, as ParseCsv counts them.
            k += u == '\r' && k + 1 < text.size() && text[k + 1] == '\n' ? 2 : 1;
            ++line;
            column = 1;
            continue;
        }
        const std::size_t length = u < 0x80 ? 1 : Utf8CharLength(text, k);
        if (length == 0) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", u);
            return Status::Error(
                Fill(Tr("util",
                        "line %1, column %2: the byte %3 is not UTF-8 text: save the "
                        "file as UTF-8"),
                     {std::to_string(line), std::to_string(column), byte}));
        }
        k += length;
        ++column;
    }
    return Status::Ok();
}

Status ParseCsv(std::string_view text, std::vector<CsvRecord>& records, char separator) {
    records.clear();
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<CsvRecord> out;
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        CsvRecord record{line, {}};
        bool blank = true;  // nothing but a line break so far
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                blank = false;
                const std::size_t opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size())
                        return CsvLineError(opened, Tr("util", "a quoted field is not closed"));
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field.push_back('"');
                            ++i;
                            continue;
                        }
                        break;
                    }
                    // A CRLF inside quotes counts as one line.
                    if (c == '\n' || (c == '\r' && (i >= text.size() || text[i] != '\n'))) ++line;
                    field.push_back(c);
                }
                if (i < text.size() && text[i] != separator && !IsLineBreak(text[i]))
                    return CsvLineError(line,
                                        Tr("util", "text after the closing quote of a field"));
            } else {
                while (i < text.size() && text[i] != separator && !IsLineBreak(text[i])) {
                    if (text[i] == '"')
                        return CsvLineError(
                            line,
                            Tr("util", "a quote inside a field that does not start with one"));
                    field.push_back(text[i++]);
                }
                if (!field.empty()) blank = false;
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == separator) {
                blank = false;
                ++i;
                continue;
            }
            break;
        }
        // The line break that ends the record: CRLF, LF or CR.
        if (i < text.size() && text[i] == '\r') {
            ++i;
            if (i < text.size() && text[i] == '\n') ++i;
        } else if (i < text.size() && text[i] == '\n') {
            ++i;
        }
        ++line;
        if (!blank) out.push_back(std::move(record));
    }
    records = std::move(out);
    return Status::Ok();
}

Status ParseCsvTable(std::string_view text, const std::vector<std::string>& header,
                     std::vector<CsvRecord>& records) {
    if (Status s = ParseCsv(text, records); !s) return s;
    if (!records.empty() && records.front().fields == header) return Status::Ok();
    std::string line = CsvLine(header);
    line.pop_back();
    const std::size_t at = records.empty() ? 1 : records.front().line;
    records.clear();
    return CsvLineError(at, Fill(Tr("util", "the first line must be %1"), {line}));
}

std::string CsvLine(const std::vector<std::string>& fields, char separator) {
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    std::string line;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0) line.push_back(separator);
        const std::string& f = fields[k];
        if (f.find_first_of(special) == std::string::npos) {
            line += f;
            continue;
        }
        line.push_back('"');
        for (char c : f) {
            if (c == '"') line.push_back('"');
            line.push_back(c);
        }
        line.push_back('"');
    }
    return line + "\n";
}

}  // namespace dpmr
