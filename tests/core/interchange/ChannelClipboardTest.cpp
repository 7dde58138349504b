// Channel rows on the clipboard: the text and records a copy makes, records
// pasted back whole, text from spreadsheets pasted through the table's commits
// by header or in table order, and what is left out or changed reported;
// garbage never crashes or empties a channel.
#include "interchange/ChannelClipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ChannelTable.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using Lines = std::vector<std::string>;

const std::string kTitles =
    "Channel\tRx Freq\tTx Freq\tRx Tone\tTx Tone\tPower\tScan\tBandwidth\tChannel type\n";

// Channel 2 on 446.00625 MHz; channel 3 a repeater channel with a DCS code,
// a contact and a colour code; stored as the table stores.
void PutChannels(test::ChannelTable& t) {
    t.PutChannel(2, 44600625, 44600625);
    t.PutChannel(3, 43850000, 43110000);
    t.image.SetU8(channel::RecordOffset(3) + channel::kTxContact, 7);
    t.image.SetU8(channel::RecordOffset(3) + channel::kRxColourCode, 9);
    t.table.EnterCellText(3, 3, "D023I");
    t.table.EnterCellText(3, 8, "Mixed(Digit)");
    t.table.StoreGridToImage();
}

class Clipboard : public ::testing::Test {
  protected:
    void SetUp() override { PutChannels(t); }
    test::ChannelTable t;
};

// A copy gives spreadsheet text and the records, which paste back whole and
// stop at channel 16.
TEST_F(Clipboard, CopyGivesTextAndRecordsThatPasteBackWhole) {
    const ChannelClipboard clip = CopyChannels(t.image, 2, 4);
    // clang-format off
    EXPECT_EQ(clip.text, kTitles +
                             "2\t446.006250\t446.006250\tNone\tNone\tLow\tAdd\tWide\tDigit\n"
                             "3\t438.500000\t431.100000\tD023I\tNone\tLow\tAdd\tWide\tMixed(Digit)\n"
                             "4\t\t\t\t\t\t\t\t\n");
    // clang-format on
    // An edit made in another row before the paste stays.
    t.table.EnterCellText(6, 1, "446.1");
    const auto report = PasteChannelRecords(t.table, t.image, 9, clip.records);
    EXPECT_EQ(t.table.Cell(6, 1), "446.100000");
    ASSERT_TRUE(report);
    EXPECT_EQ(std::pair(report->first, report->last), std::pair(9, 11));
    EXPECT_EQ(test::ImageBytes(t.image, channel::RecordOffset(9), 3 * 32),
              test::ImageBytes(t.image, channel::RecordOffset(2), 3 * 32));
    EXPECT_EQ(t.Row(10), t.Row(3));  // and the table shows them

    const auto tail = PasteChannelRecords(t.table, t.image, 15, clip.records);
    EXPECT_EQ(std::pair(tail->first, tail->last), std::pair(15, 16));
    EXPECT_EQ(tail->lines, Lines{"1 row did not fit below channel 16: left out"});

    // Not records: nothing, and nothing written.
    const RadioImage before = t.image;
    for (std::size_t size : {0u, 31u, 17u * 32u})
        EXPECT_FALSE(PasteChannelRecords(t.table, t.image, 1, test::Bytes(size, 0x44))) << size;
    EXPECT_TRUE(t.image == before);
}

TEST(ClipboardText, GoesThroughTheTableCommits) {
    test::ChannelTable copied;
    PutChannels(copied);
    const struct {
        std::string text;
        int first;
        Lines rows;  // channels first.. afterwards
        Lines lines;
    } cases[] = {
        // clang-format off
        // Copied here: the number column first, titles on top.
        {CopyChannels(copied.image, 3, 3).text, 7,
         {"438.500000|431.100000|D023I|None|Low|Add|Wide|Mixed(Digit)"}, {}},
        // A spreadsheet's own order and a subset of the columns, any case:
        // the others stay; on an empty row a new channel's defaults.
        {"Power\trx freq\tRX TONE\nlow\t446.1\t23\nHIGH\t145.5\tD754I\n", 1,
         {"446.100000|446.100000|D023N|None|Low|Add|Wide|Digit",
          "400.000000|446.006250|D754I|None|High|Add|Wide|Digit"},
         {"channel 1, Rx Tone: 23 was taken as DCS D023N",
          "channel 2, Rx Freq: 145.5 is outside 400-470 MHz: set to 400.000000"}},
        // No titles: the table's columns, after the number when there are nine.
        {"446.0125\t446.0125\t88.5\t88.5\tHigh\tDel\tNarrow\tAnalog\n12\t446.025\t\t\t\tLow\t\t\t\n", 4,
         {"446.012500|446.012500|88.5|88.5|High|Del|Narrow|Analog",
          "446.025000||None|None|Low|Add|Wide|Digit"}, {}},
        {"9\t446.0125\t446.0125\t88.5\t88.5\tHigh\tDel\tNarrow\tAnalog\n", 4,
         {"446.012500|446.012500|88.5|88.5|High|Del|Narrow|Analog"}, {}},
        // An empty row empties the channel, an empty Rx Freq alone or words
        // that are no frequency leave the row; list words not in the list
        // leave the cell.
        {"Rx Freq\tTx Freq\tScan\tChannel type\n\t\t\t\n\t446.2\tDel\tAnalog\n"
         "hello\t446.2\tAdd\tAnalog\n446.3\tsoon\tmaybe\tDMR\n", 2,
         {"|||||||", "438.500000|431.100000|D023I|None|Low|Add|Wide|Mixed(Digit)", "|||||||",
          "446.300000|446.300000|None|None|High|Add|Wide|Digit"},
         {"line 3: no Rx Freq: row left out", "line 4: \"hello\" is no frequency: row left out",
          "channel 5, Tx Freq: \"soon\" is no frequency: left as it was",
          "channel 5, Scan: \"maybe\" is not Add or Del: left as it was",
          "channel 5, Channel type: \"DMR\" is not Analog, Digit, Mixed(Digit) or Mixed(Analog): left as it was"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        test::ChannelTable t;
        PutChannels(t);
        const PasteReport report = PasteChannelText(t.table, c.first, c.text);
        for (std::size_t k = 0; k < c.rows.size(); ++k)
            EXPECT_EQ(t.Row(c.first + static_cast<int>(k)), c.rows[k]) << c.text;
        EXPECT_EQ(report.lines, c.lines) << c.text;
        // What the table shows is stored.
        RadioImage stored = t.image;
        t.table.StoreGridInto(stored);
        EXPECT_TRUE(stored == t.image) << c.text;
    }
}

// Text that is no table: nothing changes, and the report says so.
TEST_F(Clipboard, GarbageChangesNothing) {
    const RadioImage before = t.image;
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"", "the clipboard holds no channel rows"},
        {"say \"hi\"", "the clipboard text is no table of channels: line 1: a quote inside a field that does not start with one"},
        {"Dear all,\nthe repeater is down.", "line 1: \"Dear all,\" is no frequency: row left out"},
    };
    // clang-format on
    for (const auto& [text, line] : cases) {
        const PasteReport report = PasteChannelText(t.table, 1, text);
        EXPECT_LT(report.last, report.first) << text;
        ASSERT_FALSE(report.lines.empty()) << text;
        EXPECT_EQ(report.lines.front(), line) << text;
    }
    EXPECT_TRUE(t.image == before);
}

}  // namespace
}  // namespace dpmr
