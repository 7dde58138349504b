// The fleet list: rows read from CSV and from pasted spreadsheet cells, and
// the check of the whole list before anything is sent (each refusal and
// question naming its row), the ports given to the rows.
#include <gtest/gtest.h>

#include "fleet/FleetList.h"

namespace dpmr::test {
namespace {

std::string Rows(const std::vector<FleetListRow>& rows) {
    std::string out;
    for (const FleetListRow& r : rows)
        out += std::to_string(r.line) + ":" + r.name + "|" + r.radioId + "|" + r.port + ";";
    return out;
}

TEST(FleetList, ReadsCsvAndPastedCellsOrSaysWhichLineIsWrong) {
    struct Case {
        const char* what;
        const char* text;
        const char* rows;     // expected, or nullptr when refused
        const char* refusal;  // a part of the message
    };
    // clang-format off
    const Case cases[] = {
        {"csv with titles", "name,ID,port\nAlfa,2310417,/dev/ttyUSB0\nBravo,2310422\n",
         "2:Alfa|2310417|/dev/ttyUSB0;3:Bravo|2310422|;", nullptr},
        {"csv without titles, CRLF, blanks trimmed", "Alfa , 2310417\r\n\r\n Bravo,2310422 \r\n",
         "1:Alfa|2310417|;3:Bravo|2310422|;", nullptr},
        {"spreadsheet cells", "Name\tdPMR ID\nAlfa\t2310417\t\t\nBravo\t2310422\n",
         "2:Alfa|2310417|;3:Bravo|2310422|;", nullptr},
        {"a quoted name with a comma", "\"Smith, J\",42\n", "1:Smith, J|42|;", nullptr},
        {"titles only", "name,ID\n", nullptr, "holds no radio"},
        {"empty", "", nullptr, "holds no radio"},
        {"one column", "Alfa,2310417\nBravo\n", nullptr,
         "line 2: a row of the list holds a name, a dPMR ID and, optionally, a port, but this "
         "one has 1 column"},
        {"four columns", "Alfa,2310417,/dev/a,x\n", nullptr, "this one has 4 columns"},
        {"broken quoting", "Alfa,2310417\n\"Bravo,1\n", nullptr, "line 2"},
        // A bad ID after the first line is a row: the check names it.
        {"a bad ID below the titles", "name,id\nAlfa,23x\n", "2:Alfa|23x|;", nullptr},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<FleetListRow> rows{{9, "kept", "1", ""}};
        const Status s = ParseFleetList(c.text, rows);
        if (c.refusal) {
            ASSERT_FALSE(s.ok());
            EXPECT_NE(s.message().find(c.refusal), std::string::npos) << s.message();
            EXPECT_EQ(Rows(rows), "9:kept|1|;");
            continue;
        }
        ASSERT_TRUE(s.ok()) << s.message();
        EXPECT_EQ(Rows(rows), c.rows);
    }
}

// The customer's six radios, as they come from the shop's spreadsheet.
std::vector<FleetListRow> SixRadios() {
    std::vector<FleetListRow> rows;
    const char* names[] = {"Alfa", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"};
    const char* ids[] = {"2310417", "2310422", "2310438", "2310501", "2310777", "2310903"};
    for (std::size_t i = 0; i < 6; ++i) rows.push_back({i + 2, names[i], ids[i], ""});
    return rows;
}

std::vector<std::string> Ports(int count) {
    std::vector<std::string> ports;
    for (int i = 1; i <= count; ++i) ports.push_back("p" + std::to_string(i));
    return ports;
}

TEST(FleetList, SixRadiosGetTheirRowsInPortOrderOrTheirNamedPort) {
    std::vector<FleetListRow> rows = SixRadios();
    rows[0].port = "p6";        // the first row names the last cable
    rows[2].name = "Charlie8";  // 8 characters: whole
    const FleetListPlan plan = PlanFleetList(rows, Ports(6));
    ASSERT_TRUE(plan.findings.empty()) << plan.findings[0].text;
    ASSERT_EQ(plan.targets.size(), 6u);
    const char* expected[] = {"p6", "p1", "p2", "p3", "p4", "p5"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(plan.targets[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(plan.targets[i].port, expected[i]);
        EXPECT_EQ(plan.targets[i].radioId, rows[i].radioId);
        EXPECT_EQ(plan.targets[i].name, rows[i].name);
    }
    // Short IDs are padded; a row without a name keeps the file's.
    const FleetListPlan shortIds = PlanFleetList({{1, "", "42", "a"}}, {});
    ASSERT_FALSE(shortIds.Refused());
    EXPECT_EQ(shortIds.targets[0].radioId, "0000042");
    EXPECT_FALSE(shortIds.targets[0].name.has_value());
}

// Each problem of a list, and whether it refuses or asks.
TEST(FleetList, EveryProblemIsARefusalOrAQuestionNamingItsRow) {
    struct Case {
        const char* what;
        int row;  // the row of SixRadios changed (from 0)
        FleetListRow change;
        int ports;
        bool refusal;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {"an ID twice", 5, {7, "Foxtrot", "2310501", ""}, 6, true,
         "line 7 (\"Foxtrot\"): the dPMR ID 2310501 is given twice: also line 5 (\"Delta\")"},
        {"an ID the rule replaces", 1, {3, "Bravo", "2000000", ""}, 6, true,
         "line 3 (\"Bravo\"): the radio would replace the dPMR ID 2000000"},
        {"above 9000000", 1, {3, "Bravo", "9000001", ""}, 6, true, "replace the dPMR ID 9000001"},
        {"all zeros", 1, {3, "Bravo", "0", ""}, 6, true, "replace the dPMR ID 0000000"},
        {"8 digits", 1, {3, "Bravo", "23104170", ""}, 6, true,
         "\"23104170\" is not a number of up to 7 digits"},
        {"not a number", 1, {3, "Bravo", "23-104", ""}, 6, true, "is not a number"},
        {"no ID", 1, {3, "Bravo", "", ""}, 6, true, "line 3 (\"Bravo\"): the row has no dPMR ID"},
        {"a name cut", 2, {4, "Charlie-2", "2310438", ""}, 6, false,
         "line 4 (\"Charlie-2\"): the name \"Charlie-2\" is cut to the radio's 8 characters: "
         "\"Charlie-\""},
        {"a name the radio cannot show", 2, {4, "Zoë", "2310438", ""}, 6, true,
         "cannot show"},
        {"the same name", 2, {4, "Alfa", "2310438", ""}, 6, false,
         "line 4 (\"Alfa\"): the name \"Alfa\" is also line 2 (\"Alfa\")'s"},
        {"a row left without a port", 0, {2, "Alfa", "2310417", ""}, 5, true,
         "line 7 (\"Foxtrot\"): no port is left for this row"},
        {"a port no row uses", 0, {2, "Alfa", "2310417", ""}, 7, false,
         "the port p7 has no row of the list and is not written"},
        {"two rows on one port", 1, {3, "Bravo", "2310422", "p1"}, 5, true,
         "line 3 (\"Bravo\"): the port p1 is also line 2 (\"Alfa\")'s"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<FleetListRow> rows = SixRadios();
        rows[static_cast<std::size_t>(c.row)] = c.change;
        if (std::string(c.what) == "two rows on one port") rows[0].port = "p1";
        const FleetListPlan plan = PlanFleetList(rows, Ports(c.ports));
        ASSERT_EQ(plan.findings.size(), 1u) << plan.findings.back().text;
        EXPECT_EQ(plan.findings[0].refusal, c.refusal);
        EXPECT_EQ(plan.Refused(), c.refusal);
        EXPECT_NE(plan.findings[0].text.find(c.text), std::string::npos) << plan.findings[0].text;
        EXPECT_EQ(plan.Texts(c.refusal).size(), 1u);
    }
}

// Names made the same by the cut are refused, from a list and from a
// pattern alike (every radio named "SECURITY").
TEST(FleetList, NamesMadeTheSameByTheCutAreRefused) {
    std::vector<FleetListRow> rows = SixRadios();
    rows[0].name = "SECURITY1";
    rows[1].name = "SECURITY2";
    const FleetListPlan plan = PlanFleetList(rows, Ports(6));
    EXPECT_TRUE(plan.Refused());
    EXPECT_EQ(plan.Texts(true),
              std::vector<std::string>{"line 3 (\"SECURITY2\"): cut to 8 characters, the name is "
                                       "\"SECURITY\", the same as line 2 (\"SECURITY1\")'s"});
    EXPECT_EQ(plan.Texts(false).size(), 2u);  // both cuts are said

    std::vector<FleetTarget> targets;
    std::vector<std::string> notes;
    const Status s =
        PlanFleet({"a", "b"}, {2310417, 5, "SECURITY{id:4}", false}, RadioImage{}, targets, notes);
    EXPECT_EQ(s.message(),
              "radios 1 and 2 would both be named \"SECURITY\" once cut to the radio's 8 "
              "characters: shorten the pattern or put the ID's digits first");
    EXPECT_TRUE(targets.empty());
}

}  // namespace
}  // namespace dpmr::test
