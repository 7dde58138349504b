// dpmrtool contacts and grouplists, run as a real program on real files:
// export, import of the same text changing no byte, records kept for known
// numbers with every reference checked byte by byte, and bad rows refused
// with status 2, their line named and the file untouched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dpmr/ContactRecord.h"
#include "image/ChannelRecord.h"
#include "support/ContactImages.h"
#include "support/DemoCodeplug.h"
#include "support/ImageBytes.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

using test::ContactSlot;
using test::FileText;
using test::Tool;
using test::ToolRun;

// The folder and file of the demo fixture, the demo itself not used.
class ContactCommands : public test::DemoFileTest {
  protected:
    void SetUp() override {
        // Unsorted, a short number, names a CSV must quote, a single call,
        // channels and group lists using them.
        test::PutContacts(image_, {{4, "Zed", "12"},
                                   {1, "a,b", "0000001"},
                                   {2, "say \"x\"", "5*", false},
                                   {7, "Ann", "0000007"}});
        image_.FillFF(ContactSlot(4) + 2, 5);
        test::PutGroupList(image_, 1, {7, 4});
        test::PutGroupList(image_, 2, {1});
        // A single call in a group list: what the page would not let be
        // chosen, but a file may hold; its own export imports unchanged.
        test::PutGroupList(image_, 3, {2});
        for (int n = 1; n <= 4; ++n) {
            image_.SetU8(channel::RecordOffset(n) + channel::kTxContact, n);
            image_.SetU8(channel::RecordOffset(n) + channel::kGroupList, n);
        }
        Save(image_);
    }
    void Save(const RadioImage& image) { ASSERT_TRUE(SaveImageFile(file_, image).ok()); }
    RadioImage Load() {
        RadioImage image;
        EXPECT_TRUE(LoadImageFile(file_, image).ok());
        return image;
    }
    RadioImage image_;
};

TEST_F(ContactCommands, ExportPrintsTheListAndItsImportChangesNoByte) {
    const ToolRun out = Tool("contacts " + file_);
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out,
              "Name,Number,Type\nZed,12,Group call\n\"a,b\",0000001,Group call\n"
              "\"say \"\"x\"\"\",5*,Single call\nAnn,0000007,Group call\n");
    ASSERT_EQ(Tool("contacts " + file_ + " -o " + dir_.File("c.csv")).status, 0);
    EXPECT_EQ(FileText(dir_.File("c.csv")), out.out);
    ASSERT_EQ(Tool("grouplists " + file_ + " --output " + dir_.File("g.csv")).status, 0);
    EXPECT_EQ(FileText(dir_.File("g.csv")).substr(0, 92),
              "List,Member1,Member2,Member3,Member4,Member5,Member6,Member7,Member8\n"
              "1,Ann,Zed,,,,,,\n2,\"a,b\"");

    const std::string before = FileText(file_);
    for (const std::string& args : {"contacts " + file_ + " --import " + dir_.File("c.csv"),
                                    "grouplists " + file_ + " --import " + dir_.File("g.csv")}) {
        const ToolRun in = Tool(args);
        EXPECT_EQ(in.status, 0) << args << ": " << in.err;
        EXPECT_TRUE(FileText(file_) == before) << args;
    }
    // As many rows as listed, one of them changed, is no export: it is imported.
    std::string changed = out.out;
    changed.replace(changed.find("Ann,"), 3, "Anna");
    Tool("contacts " + file_ + " --import " + Write("d.csv", changed));
    EXPECT_NE(FileText(file_).find("Anna"), std::string::npos);
}

// A name another program stored in another encoding is exported as its
// bytes, and that export imports without a change; a file that changes the
// list is held to UTF-8 and says where it is not.
TEST_F(ContactCommands, AnExportOfANameInAnotherEncodingImportsUnchanged) {
    test::PutContacts(image_, {{4, "Zed", "12"},
                               {1,
                                "M\xFC"
                                "ller",
                                "0000001"},
                               {2, "say \"x\"", "5*", false},
                               {7, "Ann", "0000007"}});
    Save(image_);
    const ToolRun out = Tool("contacts " + file_ + " -o " + dir_.File("c.csv"));
    ASSERT_EQ(out.status, 0) << out.err;
    const std::string before = FileText(file_);
    const ToolRun same = Tool("contacts " + file_ + " --import " + dir_.File("c.csv"));
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_TRUE(FileText(file_) == before);
    std::string changed = FileText(dir_.File("c.csv"));
    changed.replace(changed.find("Ann,"), 3, "Anna");
    const ToolRun other = Tool("contacts " + file_ + " --import " + Write("d.csv", changed));
    EXPECT_EQ(other.status, 2);
    EXPECT_NE(other.err.find("line 3, column 2: the byte 0xFC is not UTF-8 text"),
              std::string::npos)
        << other.err;
    EXPECT_TRUE(FileText(file_) == before);
}

// Known numbers keep their records; left-out contacts are freed and lose
// their channels and list places before a new contact takes a record.
TEST_F(ContactCommands, ImportKeepsRecordsOfKnownNumbersAndChecksReferences) {
    const std::string csv = Write("c.csv",
                                  "\xEF\xBB\xBFName,Number,Type\r\n"
                                  "Bo,7,Single call\r\n"
                                  "\"Zed, Z\",0000012,Group call\r\n"
                                  "New,999,Group call\r\n");
    ASSERT_EQ(Tool("contacts " + file_ + " --import " + csv).status, 0);
    const RadioImage got = Load();
    // Sorted by name: Bo (slot 7), New (slot 1, the first free record once
    // "a,b" is freed), Zed (slot 4); slot 2 ("say") freed.
    EXPECT_EQ(test::ImageBytes(got, layout::kContactIndex, 8),
              (test::Bytes{0xA0, 0x05, 0x40, 0x05, 0x70, 0x05, 0xFF, 0xFF}));
    EXPECT_EQ(test::ImageBytes(got, ContactSlot(7), 16),
              (test::Bytes{0, 0, 0, 0, 0, 0, 7, 0, 'B', 'o', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(test::ImageBytes(got, ContactSlot(1), 16),
              (test::Bytes{0, 0, 0, 0, 9, 9, 9, 1, 'N', 'e', 'w', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(test::ImageBytes(got, ContactSlot(2), 16), test::Bytes(16, 0xFF));
    // The references go through the core's check: Bo (7) became a single call
    // and leaves list 1; channel 1's contact ("a,b") is gone.
    EXPECT_EQ(got.U8(channel::RecordOffset(1) + channel::kTxContact), 0xFF);
    EXPECT_EQ(test::GroupListBytes(got, 1, 2), (std::vector<int>{4, 0xFF}));

    // Group lists by name: only listed group calls, each once, at most 8.
    const std::string g =
        Write("g.csv",
              "List,Member1,Member2,Member3,Member4,Member5,Member6,Member7,Member8\n"
              "3,New,,\"Zed, Z\"\n16\n");
    ASSERT_EQ(Tool("grouplists " + file_ + " --import " + g).status, 0);
    const RadioImage lists2 = Load();
    EXPECT_EQ(test::GroupListBytes(lists2, 3),
              (std::vector<int>{1, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(test::GroupListBytes(lists2, 1, 2), (std::vector<int>{4, 0xFF}));  // no row: kept
}

// On an image of zeros or of random bytes the order table lists nothing, so
// every record is free to take, although most do not look erased.
TEST_F(ContactCommands, ImportIntoAnImageWhoseTableListsNothingTakesTheFirstRecords) {
    RadioImage random;
    std::uint32_t x = 2463534242u;
    for (std::size_t k = 0; k < RadioImage::kSize; ++k) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        random.SetU8(k, static_cast<std::uint8_t>(x));
    }
    random.SetU16Le(layout::kContactIndex, 0x0000);  // lists nothing, whatever else it holds
    RadioImage zeros;
    zeros.Fill(0, RadioImage::kSize, 0x00);
    const std::string csv = Write("one.csv", "Name,Number,Type\nBase,101,Group call\n");
    for (const RadioImage& start : {zeros, random}) {
        Save(start);
        const ToolRun r = Tool("contacts " + file_ + " --import " + csv);
        ASSERT_EQ(r.status, 0) << r.err;
        const RadioImage got = Load();
        EXPECT_EQ(test::ImageBytes(got, layout::kContactIndex, 4),
                  (test::Bytes{0x40, 0x05, 0xFF, 0xFF}));
        EXPECT_EQ(
            test::ImageBytes(got, ContactSlot(1), 16),
            (test::Bytes{0, 0, 0, 0, 1, 0, 1, 1, 'B', 'a', 's', 'e', 0xFF, 0xFF, 0xFF, 0xFF}));
    }
}

TEST_F(ContactCommands, BadRowsStopWithStatus2TheirLineAndTheFileUntouched) {
    std::string many = "Name,Number,Type\n";
    for (int k = 1; k <= 65; ++k)
        many += "N" + std::to_string(k) + "," + std::to_string(k) + ",Group call\n";
    const std::string header = "Name,Number,Type\n";
    const std::pair<std::string, std::string> contacts[] = {
        {"", "line 1: the first line must be Name,Number,Type"},
        {header, "line 1: no contact follows"},
        {header + "A,1,Group call\n\nNineChars,2,Group call\n", "line 4: the name \"NineChars\""},
        {header + "A,1,Group call\nA,2,Single call\n", "line 3: the name \"A\" is already on"},
        {header + "A,12,Group call\nB,0000012,Group call\n",
         "line 3: the number 0000012 is already"},
        {header + "A,12345678,Group call\n", "line 2: the number \"12345678\" is longer"},
        {header + "A,,Group call\n", "line 2: the number is empty"},
        {header + "A,1,group call\n", "line 2: the type \"group call\" is neither"},
        {header + "\"A\tB\",1,Group call\n",
         "line 2: the name \"A\\tB\" holds a control character"},
        // A line break in a quoted cell is shown escaped: the message stays one line.
        {header + "\"A\nB\",1,Group call\n",
         "line 2: the name \"A\\nB\" holds a control character"},
        {many, "line 66: more than 64 contacts"},
        // A name saved as Windows-1252 is refused where its byte is, and
        // never stored to show as "M?ller": columns count characters, a
        // CRLF is one line break, a cut UTF-8 character is no character.
        {header + "Ann,7,Group call\r\nM\xFCller,1,Group call\n",
         "line 3, column 2: the byte 0xFC is not UTF-8 text: save the file as UTF-8"},
        {header + "\xC3\xA9l\xC3\xA9"
                  "a\xE9,1,Group call\n",
         "line 2, column 5: the byte 0xE9 is not UTF-8 text"},
        {header + "A,1,Group call\n\"B\nC\xC3\",2,Group call\n",
         "line 4, column 2: the byte 0xC3 is not UTF-8 text"},
    };
    const std::string lists =
        "List,Member1,Member2,Member3,Member4,Member5,Member6,Member7,Member8\n";
    const std::pair<std::string, std::string> groups[] = {
        {"List,Member1\n", "line 1: the first line must be List,Member1,Member2,"},
        {lists + "17,Ann\n", "line 2: the list \"17\" is no number from 1 to 16"},
        {lists + "1,Nobody\n", "line 2: no contact is named \"Nobody\""},
        {lists + "1,\"say \"\"x\"\"\"\n", "line 2: \"say \\\"x\\\"\" is a single call"},
        {lists + "1,\"\x1b[2J\nNo\"\n", "line 2: no contact is named \"\\x1b[2J\\nNo\"\n"},
        {lists + "1,a,b,c,d,e,f,g,h,i\n", "line 2: more than 8 members"},
    };
    const std::string before = FileText(file_);
    for (const auto& [command, cases] :
         {std::pair{"contacts", std::vector(std::begin(contacts), std::end(contacts))},
          std::pair{"grouplists", std::vector(std::begin(groups), std::end(groups))}}) {
        for (const auto& [text, reason] : cases) {
            const ToolRun r =
                Tool(std::string(command) + " " + file_ + " --import " + Write("in.csv", text));
            EXPECT_EQ(r.status, 2) << reason;
            EXPECT_EQ(r.err.rfind("dpmrtool: " + dir_.File("in.csv") + ": " + reason, 0), 0u)
                << r.err;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
            EXPECT_TRUE(FileText(file_) == before) << reason;
        }
    }
    for (const std::string& args : {"contacts " + file_ + " -o a.csv --import b.csv",
                                    "contacts " + file_ + " --import " + dir_.File("none.csv")})
        EXPECT_EQ(Tool(args).status, 2) << args;
    EXPECT_TRUE(FileText(file_) == before);
}

}  // namespace
}  // namespace dpmr
