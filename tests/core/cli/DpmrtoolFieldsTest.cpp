// dpmrtool fields, get and set run as the built program, and the errors that
// leave the file as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "dialogs/DialogRegistry.h"
#include "dialogs/SettingsReference.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

using test::FileText;
using test::PutFile;
using test::QuotedTool;
using test::ToolRun;

class DpmrtoolFields : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(QuotedTool({"new", "-o", file_}).status, 0); }
    RadioImage Image() const {
        RadioImage image;
        EXPECT_TRUE(LoadImageFile(file_, image).ok());
        return image;
    }
    test::TempDir dir_;
    const std::string file_ = dir_.File("radio.dat");
};

// One JSON object a line, one for every field, in the dialogs' own words
// (typos included); the plain list says where each field is.
TEST_F(DpmrtoolFields, FieldsJsonUsesTheDialogsWords) {
    const ToolRun r = QuotedTool({"fields", "--json"});
    ASSERT_TRUE(r.status == 0 && r.err.empty()) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'),
              static_cast<std::ptrdiff_t>(form::AllFields().size() + 2));
    EXPECT_NE(r.out.find("[\n  {\"key\": \""), std::string::npos);
    EXPECT_NE(r.out.find(R"j(  {"key": "option.tot_pre_alert", "dialog": "Basic setting", )j"
                         R"j("page": "Option", "group": "", "label": "TOT pre-aleat  (s)", )j"
                         R"j("kind": "number", "offset": 778, "size": 1, "bits": "0-7", )j"
                         R"j("hidden": false, "service": false, "help": "Seconds before )j"),
              std::string::npos);
    const std::string plain = QuotedTool({"fields"}).out;
    const auto help = [](const std::string& key) { return form::FindField(key)->Decl().help; };
    for (const std::string& line :
         {" number  0x0308+2     Basic setting > Option > \"TOT (s)\"  " + help("option.tot") +
              "\n",
          "  0x0322       Basic setting > Side Key > TK1 > \"Short press\" (hidden)  " +
              help("sidekey.tk1_short") + "\n"})
        EXPECT_NE(plain.find(line), std::string::npos) << line;
    // Each field's help, in both forms, is its declaration's, quotes escaped.
    for (const form::FieldRef& ref : form::AllFields()) {
        std::string json;
        for (char c : ref.Decl().help) json += c == '"' ? std::string("\\\"") : std::string(1, c);
        EXPECT_NE(r.out.find("\"help\": \"" + json + "\"}"), std::string::npos) << ref.Key();
        EXPECT_NE(plain.find("  " + ref.Decl().help + "\n"), std::string::npos) << ref.Key();
    }
}

// The user guide's settings reference, as its shipped chapter is made.
TEST_F(DpmrtoolFields, ReferencePrintsTheGuidesChapter) {
    const ToolRun r = QuotedTool({"fields", "--reference"});
    ASSERT_TRUE(r.status == 0 && r.err.empty()) << r.err;
    EXPECT_EQ(r.out, SettingsReferenceHtml());
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"fields", "--reference", "--json"},
          {"fields", "--reference", file_}}) {
        const ToolRun refused = QuotedTool(wrong);
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(refused.out.empty());
        EXPECT_NE(refused.err.find("usage: dpmrtool fields --reference"), std::string::npos)
            << refused.err;
    }
}

// Scan Info, then Basic setting (closing Scan Info), then Scan Info again
// (closing Basic setting, which lets the box still being typed in go first,
// so its rule runs: 99 becomes 60). Steps within one dialog keep it open: a
// spin after typing steps from the typed 95 (to 90), not from its commit.
// Each value stored other than typed is said (a value a spin reached is not).
TEST_F(DpmrtoolFields, SetStepsThroughTheDialogs) {
    RadioImage expected = Image();
    EXPECT_EQ(QuotedTool({"get", file_, "scan.stop_time", "sidekey.tk1_short"}).out,
              "scan.stop_time=2.0\nsidekey.tk1_short=EMI\n");
    EXPECT_TRUE(Image() == expected);  // get changes nothing
    const ToolRun r =
        QuotedTool({"set", file_, "scan.stop_time=1.3", "option.tot~=95", "option.tot--",
                    "option.vox_delay--", "option.tot_rekey~=99", "scan.mode=Time"});
    ASSERT_TRUE(r.status == 0 && r.out.empty()) << r.err;
    EXPECT_EQ(r.err,
              "scan.stop_time: \"1.3\" stored as 1.0 (0.5 to 10.0 in steps of 0.5)\n"
              "option.tot_rekey: \"99\" stored as 60 (0 to 60)\n");
    for (const auto& [at, value] :
         {std::pair{0x342, 10}, {0x308, 90}, {0x312, 9}, {0x30B, 60}, {0x340, 0}})
        expected.SetU8(static_cast<std::size_t>(at), static_cast<std::uint8_t>(value));
    EXPECT_TRUE(Image() == expected);
}

// A channel's fields go through the channel dialog opened on it: an empty
// channel takes only an Rx freq (the rest is greyed out, and said why); a
// typed Rx freq makes the channel (Tx follows), then the others apply.
TEST_F(DpmrtoolFields, ChannelFieldsAsTheChannelDialogEditsThem) {
    const std::string fields = "\n" + QuotedTool({"fields"}).out;
    for (const char* key : {"channel1.rx_freq", "channel3.tx_contact", "channel16.tx_color_code"})
        EXPECT_NE(fields.find(std::string("\n") + key + " "), std::string::npos) << key;

    const std::string empty = FileText(file_);
    const ToolRun greyed = QuotedTool({"set", file_, "channel2.power=High"});
    EXPECT_EQ(greyed.status, 2);
    EXPECT_EQ(greyed.err,
              "dpmrtool: step 1 \"channel2.power=High\": \"channel2.power\" (Tx power) is greyed "
              "out in \"Channel edit\": the channel is empty: give it an Rx freq first\n");
    EXPECT_EQ(FileText(file_), empty);

    const ToolRun r = QuotedTool({"set", file_, "channel2.rx_freq=446.00625", "channel2.power=High",
                                  "channel2.bandwidth=Narrow", "channel2.channel_type=Digit",
                                  "channel2.rx_color_code=5"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(QuotedTool({"get", file_, "channel2.rx_freq", "channel2.tx_freq", "channel2.power",
                          "channel2.bandwidth", "channel2.channel_type", "channel2.rx_color_code",
                          "channel1.rx_freq"})
                  .out,
              "channel2.rx_freq=446.006250\nchannel2.tx_freq=446.006250\nchannel2.power=High\n"
              "channel2.bandwidth=Narrow\nchannel2.channel_type=Digit\n"
              "channel2.rx_color_code=5\nchannel1.rx_freq=\n");
    // The table shows what the dialog stored.
    EXPECT_NE(QuotedTool({"show", file_}).out.find("446.006250"), std::string::npos);

    // A value no entry of its list has, or a frequency corrected, as elsewhere.
    const std::string made = FileText(file_);
    const ToolRun medium = QuotedTool({"set", file_, "channel2.power=Medium"});
    EXPECT_EQ(medium.status, 2);
    EXPECT_NE(medium.err.find("\"Medium\" is not an entry of \"Tx power\""), std::string::npos)
        << medium.err;
    EXPECT_EQ(FileText(file_), made);
    const ToolRun strict = QuotedTool({"set", "--strict", file_, "channel2.tx_freq=446.0101"});
    EXPECT_EQ(strict.status, 2);
    EXPECT_NE(strict.err.find("channel2.tx_freq: \"446.0101\" stored as 446.010000"),
              std::string::npos)
        << strict.err;
    EXPECT_EQ(FileText(file_), made);
}

// A channel's frequency is clamped to the band the desktop program's table
// works in for the file: the entry of the shipped "Freq range" list
// (400-470, 136-174, 350-390 MHz) that matches the file's band bytes.
TEST_F(DpmrtoolFields, ChannelFrequenciesFollowTheTablesBand) {
    for (const auto& [lower, upper, typed, stored] :
         {std::tuple{14400000u, 14800000u, "140", "140.000000"},
          std::tuple{38000000u, 48000000u, "385", "400.000000"}}) {
        RadioImage image = Image();
        image.SetBcd4(layout::kTableBandLower, lower);
        image.SetBcd4(layout::kTableBandUpper, upper);
        ASSERT_TRUE(SaveImageFile(file_, image).ok());
        QuotedTool({"set", file_, std::string("channel1.rx_freq=") + typed});
        EXPECT_EQ(QuotedTool({"get", file_, "channel1.rx_freq"}).out,
                  std::string("channel1.rx_freq=") + stored + "\n");
    }
}

TEST_F(DpmrtoolFields, ErrorsStopWithOneLineAndLeaveTheFile) {
    const std::pair<std::vector<std::string>, const char*> rows[] = {
        {{"option.nope=1"}, R"j(step 1 "option.nope=1": unknown key "option.nope")j"},
        {{"scan.mode=Time", "option.apo=5H"},
         R"j(step 2 "option.apo=5H": "5H" is not an entry of "APO" ("Off", "10M", )j"},
        {{"option.tot=60", "option.sql++"},
         R"j(step 2 "option.sql++": "option.sql" (SQL) has no)j"},
        {{"tonelight.shock=2"},
         R"j(step 1 "tonelight.shock=2": "tonelight.shock" (Shock) takes 0 or 1)j"},
        {{"option.tot"}, R"j(step 1 "option.tot": expected KEY=TEXT)j"},
    };
    const std::string before = FileText(file_);
    for (const auto& [steps, part] : rows) {
        std::vector<std::string> args{"set", file_};
        args.insert(args.end(), steps.begin(), steps.end());
        const ToolRun r = QuotedTool(args);
        EXPECT_TRUE(r.status == 2 && r.out.empty() && r.err.starts_with("dpmrtool: ") &&
                    r.err.find('\n') == r.err.size() - 1 && r.err.find(part) != std::string::npos)
            << part << ": " << r.status << " " << r.err;
        EXPECT_EQ(FileText(file_), before) << part;
    }
    // A file of the wrong size is no radio file: refused and left as it was.
    const std::string odd = dir_.File("odd.dat"), bytes(100, '\x5A');
    std::ofstream(odd, std::ios::binary) << bytes;
    const ToolRun r = QuotedTool({"set", odd, "option.tot=90"});
    EXPECT_TRUE(r.status == 2 && r.err.find(odd) != std::string::npos) << r.err;
    EXPECT_EQ(FileText(odd), bytes);
}

// A value stored other than given is said on stderr, one line a field (its
// last step); the same value written another way is not. --strict refuses
// any such correction and leaves the file as it was.
TEST_F(DpmrtoolFields, SetSaysEveryCorrectionAndStrictRefusesIt) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"dpmr.radio_id=10000011"},
         "dpmr.radio_id: \"10000011\" stored as 1000001 (at most 7 digits)\n"},
        {{"dpmr.radio_id=1000O10"}, "dpmr.radio_id: \"1000O10\" stored as 0100010 (digits only)\n"},
        {{"dpmr.radio_id=0000000"},
         "dpmr.radio_id: \"0000000\" stored as 0000001 (7 digits up to 9000000, not one digit "
         "and six 0s)\n"},
        {{"option.tot=abc"},
         "option.tot: \"abc\" stored as 30 (digits only; 30 to 600 in steps of 30)\n"},
        {{"dpmr.radio_name=\x1b[2J"},
         "dpmr.radio_name: \"\\x1b[2J\" stored as [2J (printable ASCII characters only)\n"},
        {{"option.tot=abc", "option.tot=090"}, ""},
        {{"option.tot=abc", "option.tot++"}, ""},  // spun to: no text was given
        {{"dpmr.radio_id=123", "option.apo=1H", "tonelight.shock=1", "scan.stop_time=2.50"}, ""},
    };
    const std::string fresh = FileText(file_);  // the new file of SetUp
    for (const auto& [steps, err] : rows) {
        PutFile(file_, fresh);
        std::vector<std::string> args{"set", file_};
        args.insert(args.end(), steps.begin(), steps.end());
        const ToolRun r = QuotedTool(args);
        EXPECT_EQ(r.status, 0) << steps.front();
        EXPECT_EQ(r.err, err);

        PutFile(file_, fresh);
        const std::string before = FileText(file_);
        args.insert(args.begin() + 1, "--strict");
        const ToolRun strict = QuotedTool(args);
        EXPECT_EQ(strict.status, err.empty() ? 0 : 2) << steps.front();
        if (!err.empty()) {
            EXPECT_EQ(strict.err,
                      err + "dpmrtool: " + file_ +
                          " not written: --strict and 1 value stored other than given\n");
            EXPECT_EQ(FileText(file_), before);
        }
    }
}

}  // namespace
}  // namespace dpmr
