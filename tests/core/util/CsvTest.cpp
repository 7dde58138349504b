// Comma-separated text as RFC 4180 has it: quoting, line breaks of every
// kind, blank lines, tabs for the clipboard, the line a record starts on, and
// broken quoting named by its line.
#include "util/Csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dpmr {
namespace {

using Fields = std::vector<std::string>;

// Each record as its first line and its fields in brackets.
TEST(Csv, RecordsKeepTheirFieldsAndTheLineTheyStartOn) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\rb\n\n\r\nc", "1[a]2[b]5[c]"},
        {"\"x,\"\"y\"\"\",z\n", "1[x,\"y\"][z]"},
        {"\"two\r\nlines\",1\nnext", "1[two\r\nlines][1]3[next]"},
        {"a,,\n,\n\"\"\n", "1[a][][]2[][]3[]"},
    };
    for (const auto& [text, want] : cases) {
        std::vector<CsvRecord> records;
        ASSERT_TRUE(ParseCsv(text, records).ok()) << text;
        std::string got;
        for (const CsvRecord& r : records) {
            got += std::to_string(r.line);
            for (const std::string& f : r.fields) got += "[" + f + "]";
        }
        EXPECT_EQ(got, want);
    }
}

TEST(Csv, BrokenQuotingNamesItsLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\n\"open,b\nc", "line 2: a quoted field is not closed"},
        {"a\n\"x\"y,b", "line 2: text after the closing quote of a field"},
    };
    for (const auto& [text, message] : cases) {
        std::vector<CsvRecord> records{{1, {"stale"}}};
        const Status s = ParseCsv(text, records);
        EXPECT_FALSE(s.ok());
        EXPECT_EQ(s.message(), message);
        EXPECT_TRUE(records.empty());
    }
}

TEST(Csv, LinesQuoteWhatNeedsItAndReadBackTheSame) {
    const Fields fields{"plain", "a,b", "say \"hi\"", "two\nlines", "cr\r", " lead", ""};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\", lead,\n");
    std::vector<CsvRecord> records;
    ASSERT_TRUE(ParseCsv(line + line, records).ok());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].fields, fields);
    EXPECT_EQ(records[1].line, 4u);  // a lone CR is a line break too
    // Spreadsheets put tab-separated text on the clipboard: commas are text there.
    ASSERT_TRUE(ParseCsv("a,b\t\"c\td\"\t\r\nx", records, '\t').ok());
    EXPECT_EQ(records[0].fields, (Fields{"a,b", "c\td", ""}));
    EXPECT_EQ(CsvLine({"a,b", "c\td", "e"}, '\t'), "a,b\t\"c\td\"\te\n");
}

}  // namespace
}  // namespace dpmr
