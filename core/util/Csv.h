// Csv: comma-separated text as RFC 4180 has it: fields separated by commas,
// records by line breaks (CRLF, LF or CR), a field in double quotes may hold
// commas, line breaks and doubled quotes. A UTF-8 byte order mark at the
// start is passed over; empty lines are no records. Bytes are kept as they
// are (UTF-8 or plain ASCII alike).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "util/Result.h"

namespace dpmr {

struct CsvRecord {
    std::size_t line = 0;  // the line the record starts on, from 1
    std::vector<std::string> fields;
};

// Splits `text` into records. Broken quoting fails with a message naming the
// line ("line 4: ...") and leaves `records` empty. `separator` is ',' for
// CSV files and '\t' for the text spreadsheets put on the clipboard.
Status ParseCsv(std::string_view text, std::vector<CsvRecord>& records, char separator = ',');

// ParseCsv for a table whose first record must be `header`; a missing or
// other first line fails with "line N: the first line must be ...".
Status ParseCsvTable(std::string_view text, const std::vector<std::string>& header,
                     std::vector<CsvRecord>& records);

// "line N: reason", the message of a fault on line N.
Status CsvLineError(std::size_t line, const std::string& reason);

// Fails at the first byte of `text` that is not part of a well-formed UTF-8
// character (a name saved as Windows-1252 or Latin-1, "M\xFCller"), naming
// its line and column (in characters, from 1) and the byte: "line 3, column
// 2: the byte 0xFC is not UTF-8 text: save the file as UTF-8".
Status CheckCsvUtf8(std::string_view text);

// One record as a line ending in "\n", each field quoted when it holds the
// separator, a quote or a line break.
std::string CsvLine(const std::vector<std::string>& fields, char separator = ',');

}  // namespace dpmr
