// The YAML codeplug: byte-for-byte round trips over random images and images
// of one repeated byte (every code every field can hold), edits applied
// through the rules of their controls (a field, fields sharing a byte, a
// channel cell), and every kind of broken file
// refused with its line and column and the image left alone; texts another
// YAML reader would take for other types quoted, and the first release's
// files, with such texts plain, read alike.
#include <gtest/gtest.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ProjectPaths.h"
#include "channels/ChannelFields.h"
#include "channels/ChannelRowText.h"
#include "config/AppSettings.h"
#include "dialogs/DialogRegistry.h"
#include "document/NewDocument.h"
#include "image/ChannelRecord.h"
#include "interchange/CodeplugYaml.h"
#include "interchange/YamlText.h"
#include "support/ContactImages.h"
#include "support/DemoCodeplug.h"
#include "util/PlainText.h"

namespace dpmr {
namespace {

using test::DemoImage;

class CodeplugYaml : public ::testing::Test {
  protected:
    // Builds an image from `text`; the failure message when it fails.
    Status Import(const std::string& text, RadioImage& image) {
        return CodeplugFromYaml(text, settings_, image);
    }
    RadioImage ImportOk(const std::string& text) {
        RadioImage image;
        const Status s = Import(text, image);
        EXPECT_TRUE(s.ok()) << s.message();
        return image;
    }
    void ExpectRoundTrip(const RadioImage& image, const std::string& what) {
        RadioImage back;
        back.Fill(0, RadioImage::kSize, 0x5A);
        const Status s = Import(CodeplugToYaml(image), back);
        ASSERT_TRUE(s.ok()) << what << ": " << s.message();
        for (std::size_t k = 0; k < RadioImage::kSize; ++k)
            ASSERT_EQ(back.U8(k), image.U8(k)) << what << " at offset " << k;
    }
    // `text` with its first `from` replaced by `to`.
    static std::string Edited(std::string text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    }

    test::TempDir dir_;
    AppSettings settings_ = LoadAppSettings(dir_.path());
};

// 36 random images and the 256 images of one repeated byte (every field out
// of its range or holding a code no list has, at least once), each in three
// parts, so that each of the three runs ctest makes of this suite side by
// side gets one part of both; every random part draws from its own fixed
// start, so the same images every run.
class CodeplugYamlRandom : public CodeplugYaml, public ::testing::WithParamInterface<int> {};

TEST_P(CodeplugYamlRandom, RoundTripsRandomImagesByteForByte) {
    std::mt19937 random(20261206 + GetParam());
    for (int n = 0; n < 12; ++n) {
        RadioImage image;
        for (std::size_t k = 0; k < RadioImage::kSize; ++k)
            image.SetU8(k, static_cast<std::uint8_t>(random()));
        ExpectRoundTrip(image,
                        "random image " + std::to_string(GetParam()) + "/" + std::to_string(n));
        if (n > 0) continue;
        // Bytes and addresses a user typed in lower case read alike.
        std::string lower;
        std::istringstream lines(CodeplugToYaml(image));
        for (std::string line; std::getline(lines, line); lower += line + "\n") {
            const std::size_t bytes = line.find("bytes: ");
            const std::size_t from = bytes != std::string::npos     ? bytes + 7
                                     : line.rfind("  \"0x", 0) == 0 ? 0
                                                                    : line.size();
            std::transform(line.begin() + static_cast<std::ptrdiff_t>(from), line.end(),
                           line.begin() + static_cast<std::ptrdiff_t>(from),
                           [](unsigned char c) { return std::tolower(c); });
        }
        EXPECT_NE(lower, CodeplugToYaml(image));
        RadioImage back;
        ASSERT_TRUE(Import(lower, back).ok());
        EXPECT_EQ(back, image);
    }
}
INSTANTIATE_TEST_SUITE_P(Parts, CodeplugYamlRandom, ::testing::Values(0, 1, 2));

class CodeplugYamlEveryByte : public CodeplugYaml, public ::testing::WithParamInterface<int> {};

TEST_P(CodeplugYamlEveryByte, RoundTripsImagesOfOneRepeatedByte) {
    for (int b = GetParam(); b < 256; b += 3) {
        RadioImage image;
        image.Fill(0, RadioImage::kSize, static_cast<std::uint8_t>(b));
        ExpectRoundTrip(image, "every byte " + std::to_string(b));
    }
}
INSTANTIATE_TEST_SUITE_P(Parts, CodeplugYamlEveryByte, ::testing::Values(0, 1, 2));

TEST_F(CodeplugYaml, RoundTripsANewAndTheDemoImage) {
    RadioImage fresh;
    NewImage(fresh, dir_.path(), BandLimits{});
    ExpectRoundTrip(fresh, "new image");
    // A new file's 16 channels are empty: each is written as null.
    std::string empty = "channels:\n";
    for (int n = 0; n < 16; ++n) empty += "  - ~\n";
    EXPECT_NE(CodeplugToYaml(fresh).find(empty), std::string::npos);
    ExpectRoundTrip(DemoImage(), "demo codeplug");
}

TEST_F(CodeplugYaml, ProgramsOwnFilesAreValuesWithoutBytes) {
    const std::string yaml = CodeplugToYaml(DemoImage());
    EXPECT_NE(yaml.find("format: 1\nprogram: dpmrcps "), std::string::npos);
    EXPECT_NE(yaml.find("    sql: \"5\"\n"), std::string::npos);
    EXPECT_NE(yaml.find("  - {name: Name 1, number: \"0000001\", type: Group call, slot: 1}"),
              std::string::npos);
    EXPECT_EQ(yaml.find("contact_bytes"), std::string::npos);
    // The demo's channels, made in the table and the dialog, are their
    // fields alone: Tx contact by name.
    EXPECT_EQ(yaml.find("\n    bytes: "), std::string::npos);
    EXPECT_NE(yaml.find("\n    tx_contact: Name 1\n"), std::string::npos);
    EXPECT_EQ(yaml.find("members:"), std::string::npos);
    EXPECT_NE(yaml.find("raw:\n  \"0x0000\": \"01000000\"\n"), std::string::npos);
}

// The help of each setting stands as a comment above its key (wrapped, at the
// key's indent); the first channel's keys have theirs, the others none; the
// contacts and group lists say what they hold. Reading skips them all.
TEST_F(CodeplugYaml, SettingsHelpIsACommentAboveEachKey) {
    const std::string yaml = CodeplugToYaml(DemoImage());
    const auto commentAbove = [&yaml](const std::string& keyLine, const std::string& indent,
                                      const std::string& help) {
        std::string comment;
        for (const std::string& line : WrapWords(help, 79 - indent.size() - 2))
            comment += indent + "# " + line + "\n";
        return yaml.find(comment + keyLine) != std::string::npos;
    };
    for (const form::FieldRef& ref : form::AllFields()) {
        if (ref.dialog->service || ref.Page().key.rfind("channel", 0) == 0) continue;
        EXPECT_TRUE(commentAbove("    " + ref.Decl().key + ":", "    ", ref.Decl().help))
            << ref.Key();
    }
    const auto& record = ChannelRecordDecl().fields;
    const auto help = [&record](EditControl c) { return record[FieldIndex(c)].help; };
    EXPECT_TRUE(commentAbove("  - rx_freq: ", "  ", help(EditControl::kRxFreq)));
    EXPECT_TRUE(commentAbove("    tx_tone: ", "    ", help(EditControl::kTxTone)));
    const std::string firstLine = "# " + WrapWords(help(EditControl::kTxTone), 73)[0] + "\n";
    std::size_t seen = 0;
    for (std::size_t at = yaml.find(firstLine); at != std::string::npos;
         at = yaml.find(firstLine, at + 1))
        ++seen;
    EXPECT_EQ(seen, 1u);
    EXPECT_NE(yaml.find("# The contacts of dPMR param > Contact"), std::string::npos);
    EXPECT_NE(yaml.find("\n# The 16 group receive lists"), std::string::npos);
    EXPECT_EQ(yaml.find("#  "), std::string::npos);
    std::istringstream lines(yaml);
    for (std::string line; std::getline(lines, line);)
        if (line.find_first_not_of(' ') == line.find('#')) {
            EXPECT_LE(line.size(), 79u) << line;
        }
    // What reads it back sees no comment.
    RadioImage back;
    ASSERT_TRUE(Import(yaml, back).ok());
    EXPECT_EQ(back, DemoImage());
}

// With the first channels empty, the first channel written has the comments.
TEST_F(CodeplugYaml, ChannelHelpGoesAboveTheFirstChannelWritten) {
    RadioImage image = DemoImage();
    ResetChannelRecord(image, 1);
    ResetChannelRecord(image, 2);
    const std::string yaml = CodeplugToYaml(image);
    const std::string help = ChannelRecordDecl().fields[FieldIndex(EditControl::kRxFreq)].help;
    const std::string comment = "  # " + WrapWords(help, 75)[0] + "\n";
    const std::size_t at = yaml.find(comment);
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(yaml.find("  - ~\n  - ~\n"), at);
    EXPECT_EQ(yaml.find(comment, at + 1), std::string::npos);
}

TEST_F(CodeplugYaml, ChangedValuesGoThroughTheirControlsRules) {
    const RadioImage demo = DemoImage();
    const std::string yaml = CodeplugToYaml(demo);

    // A value (here beside its bytes) typed into its box and left.
    const RadioImage tot =
        ImportOk(Edited(yaml, "    tot: {value: \"0\", bytes: \"0000\"}", "    tot: 95"));
    EXPECT_EQ(form::ShownFieldText(tot, "option.tot"), "90");
    // A list is chosen by its entry's text, as the box shows it.
    const RadioImage apo = ImportOk(Edited(yaml, "    apo: \"Off\"\n", "    apo: 1H\n"));
    EXPECT_EQ(form::ShownFieldText(apo, "option.apo"), "1H");
    // Two fields on one byte: the one the user changed wins over the other's
    // bytes, and the other's bits stay.
    const RadioImage oacsu = ImportOk(Edited(yaml, "oacsu: {value: \"0\",", "oacsu: {value: 1,"));
    EXPECT_EQ(form::ShownFieldText(oacsu, "dpmr.oacsu"), "1");
    EXPECT_EQ(oacsu.U8(0x378), demo.U8(0x378) | 0x01);

    // A channel field is entered into the channel dialog: only its bits of
    // the record change. Channel 9 (the first digital one) is the one whose
    // Tx contact is the first "tx_contact" in the file.
    const std::size_t ch9 = channel::RecordOffset(9);
    const auto expectOnly = [&](const RadioImage& image, std::size_t at, std::uint8_t value) {
        EXPECT_EQ(image.U8(at), value);
        for (std::size_t k = 0; k < RadioImage::kSize; ++k) {
            if (k != at) {
                ASSERT_EQ(image.U8(k), demo.U8(k)) << "offset " << k;
            }
        }
    };
    const std::string nine = "    tx_contact: Name 1\n";
    expectOnly(ImportOk(Edited(yaml, nine, "    tx_contact: None\n")), ch9 + channel::kTxContact,
               0x00);
    const std::size_t at9 = yaml.find(nine);
    const std::string after9 = yaml.substr(at9);
    expectOnly(ImportOk(yaml.substr(0, at9) +
                        Edited(after9, "    rx_color_code: Auto\n", "    rx_color_code: 5\n")),
               ch9 + channel::kRxColourCode, 0x05);
    expectOnly(ImportOk(yaml.substr(0, at9) +
                        Edited(after9, "    call1_type: \"Off\"\n", "    call1_type: Call\n")),
               ch9 + channel::kCall1Message,
               static_cast<std::uint8_t>((demo.U8(ch9 + channel::kCall1Message) & 0x3F) | 0x40));

    // A changed frequency is stored as the channel table stores its row (the
    // offset follows); tones, flags and what only the dialog shows stay.
    const RadioImage moved =
        ImportOk(Edited(yaml, "  - rx_freq: \"446.006250\"", "  - rx_freq: 446.01875"));
    EXPECT_EQ(ChannelRowFromImage(moved, 1)[0], "446.018750");
    EXPECT_EQ(ChannelRowFromImage(moved, 1)[1], "446.006250");
    const std::size_t rec = channel::RecordOffset(1);
    for (std::size_t k : {channel::kRxTone, channel::kTxTone, channel::kFlags, channel::kSignalling,
                          channel::kRxColourCode, channel::kTxContact, channel::kGroupList,
                          channel::kCall2Message}) {
        EXPECT_EQ(moved.U8(rec + k), demo.U8(rec + k)) << k;
    }
}

TEST_F(CodeplugYaml, BrokenFilesNameTheirPlaceAndChangeNothing) {
    const std::string yaml = CodeplugToYaml(DemoImage());
    struct Case {
        std::string from, to, message;
    };
    const Case cases[] = {
        {"    sql: \"5\"\n", "    sqll: 5\n", "column 5: unknown key \"option.sqll\""},
        {"  option:\n", "  options:\n", "column 3: unknown settings page \"options\""},
        {"    apo: \"Off\"\n", "    apo: Sometimes\n", "\"Sometimes\" is not an entry of \"APO\""},
        {"    sql: \"5\"\n", "    sql: [1, 2]\n", "option.sql: expected a text"},
        {"    vox: \"Off\"\n", "    vox: {value: Off, bytes: XY}\n", "expected 1 bytes"},
        {"    wired_copy: \"On\"\n", "    wired_copy: \"On\n", "line"},
        {"    power: Low\n", "    colour: Low\n", "channel 1: unknown key \"colour\""},
        {"    power: Low\n", "    power: Medium\n",
         "\"Medium\" is not an entry of \"Tx power\" (\"Low\", \"High\")"},
        {"    tx_contact: Name 1\n", "    tx_contact: Nobody\n", "\"Nobody\" is not an entry of"},
        {"format: 1", "format: [1]", "format: expected a text"},
        {"group_rx_lists:\n  - []", "group_rx_lists:\n  - 5", "expected a list of contact names"},
        {"slot: 1}", "slot: 1}\n  - {name: Name 1, number: 2}", "\"Name 1\" is already on line"},
        {"group_rx_lists:\n  - []", "group_rx_lists:\n  - [Nobody]",
         "no contact is named \"Nobody\""},
        // A 17th list has no place in the radio: refused, never written past the 16.
        {"group_rx_lists:\n  - []", "group_rx_lists:\n  - []\n  - []",
         "group_rx_lists: more than 16 entries"},
        {"  \"0x3FA0\":", "  0x0100:", "the byte at 0x0100 is not one no field owns"},
        {"format: 1", "format: 7", "format \"7\" is not one this program reads"},
        {"format: 1", "colour: 1", "unknown key \"colour\""},
    };
    for (const Case& c : cases) {
        RadioImage image = DemoImage();
        const Status s = Import(Edited(yaml, c.from, c.to), image);
        ASSERT_FALSE(s.ok()) << c.to;
        EXPECT_EQ(s.message().rfind("line ", 0), 0u) << s.message();
        EXPECT_NE(s.message().find(", column "), std::string::npos) << s.message();
        EXPECT_NE(s.message().find(c.message), std::string::npos) << s.message();
        EXPECT_EQ(image, DemoImage()) << c.to;
    }
    RadioImage image;
    EXPECT_EQ(Import("", image).message().rfind("line 1, column 1: ", 0), 0u);
    EXPECT_EQ(Import("sql: 5\n  bad: [", image).message().rfind("line 2, column ", 0), 0u);
}

// A key given twice in one mapping is a fault naming both lines, whatever
// the mapping (settings page, channel, flow mapping, the top); the same key
// in two mappings is not. (yaml-cpp keeps both, and the last would win.)
TEST_F(CodeplugYaml, AKeyGivenTwiceInOneMappingNamesBothLines) {
    const std::string yaml = CodeplugToYaml(DemoImage());
    const auto lineOf = [](const std::string& text, const std::string& what) {
        const std::size_t at = text.find(what);
        return 1 + std::count(text.begin(), text.begin() + static_cast<long>(at), '\n');
    };
    struct Case {
        std::string from, to, key;
        int repeatColumn;
    };
    const Case cases[] = {
        {"    tot: ", "    tot: \"120\"\n    tot: ", "tot", 5},
        {"    power: Low\n", "    power: Low\n    power: High\n", "power", 5},
        {"format: 1\n", "format: 1\nformat: 1\n", "format", 1},
        {"  - {name: Name 1,", "  - {name: Name 1, name: Other,", "name", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        const std::string edited = Edited(yaml, c.from, c.to);
        const long first = lineOf(edited, c.to);
        const long second = first + (c.repeatColumn == 20 ? 0 : 1);
        const std::string where = first == second ? "on line " + std::to_string(first)
                                                  : "on lines " + std::to_string(first) + " and " +
                                                        std::to_string(second);
        RadioImage image = DemoImage();
        EXPECT_EQ(Import(edited, image).message(),
                  "line " + std::to_string(second) + ", column " + std::to_string(c.repeatColumn) +
                      ": the key \"" + c.key + "\" is given twice in one mapping, " + where);
        EXPECT_EQ(image, DemoImage());
    }
    // The same key in many mappings (every channel's power, every contact's
    // name) is no fault.
    ImportOk(yaml);
}

// A text another YAML reader would take for a truth value, null, a number or
// a date (YAML 1.1 as PyYAML reads it, or YAML 1.2's core schema) is quoted;
// one that looks like nothing else stays plain. Either way yaml-cpp reads it
// back as written, as a key and as a value, in block and in flow style.
TEST(YamlText, QuotesWhatAReaderWouldTakeForAnotherType) {
    const std::vector<std::string> quotedTexts = {
        // Truth values and null of YAML 1.1, in any letter case.
        "Off", "off", "OFF", "On", "oN", "y", "Y", "n", "N", "yes", "Yes", "YES", "no", "No",
        "true", "True", "FALSE", "null", "Null", "NULL", "~", "",
        // Integers: decimal, leading-0 octal, 0x, 0o, 0b, "_", base 60, signs.
        "5", "255", "05", "0000100", "0000", "0999998", "0x0000", "0x10", "0X1f", "0o17", "0b101",
        "1_000", "1:20", "-1", "+1",
        // Floats: fractions, exponents with and without a dot or sign, inf, nan.
        "446.006250", "67.0", "1.", ".5", "1.2.3", "1e3", "1E10", "0E00", "1e-3", "1.0E+5", ".inf",
        "-.Inf", ".NaN",
        // Dates, and what plain YAML cannot hold or would read differently.
        "2001-12-14", "2001-12-14 21:59:43", "<<", "=", " lead", "trail ", "a: b", "a #b", "#x",
        "a,b", "[x]", "{x}", "*x", "&x", "!x", "|x", ">x", "'x'", "\"x\"", "%x", "@x", "-x", "? x",
        "a\tb", "a\nb", "Gr\u00F6\u00DFe"};
    // Texts that look like nothing else.
    const std::vector<std::string> plainTexts = {
        "Base",         "D023N",    "D754I",      "High",    "Name 1",  "Group call",
        "Mixed(Digit)", "AMBE+2C",  "Not detect", "On line", "Offline", "None",
        "1H",           "10M",      "8C",         "C5FC00",  "0A",      "FF",
        "1E",           "1E0F",     "0x",         "e3",      "1 000",   "dpmrcps 0.1.0",
        "12-14",        "a/b_c-d.e"};
    std::vector<std::pair<std::string, bool>> cases;
    for (const std::string& text : quotedTexts) cases.emplace_back(text, true);
    for (const std::string& text : plainTexts) cases.emplace_back(text, false);
    for (const auto& [text, quoted] : cases) {
        EXPECT_EQ(YamlTextNeedsQuotes(text), quoted) << QuoteInput(text);
        YAML::Emitter out;
        out << YAML::BeginMap << YAML::Key << YamlText{text} << YAML::Value << YamlText{text}
            << YAML::Key << YamlText{"list"} << YAML::Value << YAML::Flow << YAML::BeginSeq
            << YamlText{text} << YAML::EndSeq << YAML::EndMap;
        const std::string written = out.c_str();
        EXPECT_EQ(written.front() == '"', quoted) << written;
        const YAML::Node back = YAML::Load(written);
        ASSERT_TRUE(back.IsMap() && back.size() == 2) << written;
        const auto first = back.begin();
        for (const YAML::Node& node : {first->first, first->second, back["list"][0]}) {
            ASSERT_TRUE(node.IsScalar()) << written;
            EXPECT_EQ(node.Scalar(), text) << written;
        }
    }
}

// Contact names and numbers that look like other types are written quoted,
// in the contact list and in the group lists, and read back as written.
TEST_F(CodeplugYaml, NamesAndNumbersLikeOtherTypesRoundTrip) {
    RadioImage image = DemoImage();
    test::PutContacts(image, {{1, "Off", "0000100"},
                              {2, "NULL", "0000012"},
                              {3, "Null", "0000010"},
                              {4, "yes", "0000008"},
                              {5, "0x10", "1000000"},
                              {6, "1e3", "0000011"},
                              {7, "~", "0000013"},
                              {8, "1:20", "0000014"}});
    test::PutGroupList(image, 1, {1, 2, 3});
    const std::string yaml = CodeplugToYaml(image);
    for (const char* shown : {"name: \"Off\", number: \"0000100\"", "name: \"NULL\"", "name: \"~\"",
                              "[\"Off\", \"NULL\", \"Null\"]"})
        EXPECT_NE(yaml.find(shown), std::string::npos) << shown;
    ExpectRoundTrip(image, "contacts named like other types");
    // Written plain, as the first release wrote names of letters and digits: read alike.
    std::string plain = yaml;
    for (const std::string quoted : {"\"Off\"", "\"0x10\"", "\"1e3\"", "\"0000100\""})
        for (std::size_t at; (at = plain.find(quoted)) != std::string::npos;)
            plain.replace(at, quoted.size(), quoted.substr(1, quoted.size() - 2));
    EXPECT_EQ(ImportOk(plain), image);
}

// Files exported by release 0.1.0, with a channel as its table cells and its
// record, and with texts plain that are quoted now ("Off", "0x0000",
// "0000001", "446.006250"), import to the bytes they were exported from.
TEST_F(CodeplugYaml, FilesOfRelease010ImportToTheirBytes) {
    const auto bytesOf = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    // The fuzz corpus image is the start of an image; the rest is erased.
    RadioImage unlisted;
    unlisted.Fill(0, RadioImage::kSize, 0xFF);
    const std::string start =
        bytesOf(SourceDir() + "/fuzz/corpus/FuzzDialogs/channels-with-unlisted-contacts");
    ASSERT_FALSE(start.empty());
    for (std::size_t k = 0; k < start.size(); ++k)
        unlisted.SetU8(k, static_cast<std::uint8_t>(start[k]));
    RadioImage factory;
    ASSERT_TRUE(LoadImageFile(SourceDir() + "/res/Factory.dat", factory).ok());
    const std::pair<const char*, RadioImage> files[] = {
        {"demo", DemoImage()}, {"factory", factory}, {"channels-with-unlisted-contacts", unlisted}};
    for (const auto& [name, image] : files) {
        const std::string text =
            bytesOf(SourceDir() + "/tests/core/interchange/data/" + name + "-0.1.0.yaml");
        ASSERT_NE(text.find("program: dpmrcps 0.1.0\n"), std::string::npos) << name;
        RadioImage back;
        const Status s = Import(text, back);
        ASSERT_TRUE(s.ok()) << name << ": " << s.message();
        EXPECT_EQ(back, image) << name;
    }
}

// Every value stored other than written is listed with its place: a number
// brought into its range, a frequency moved to the raster. A file as
// exported lists nothing.
TEST_F(CodeplugYaml, ValuesStoredOtherThanWrittenAreListed) {
    const std::string yaml = CodeplugToYaml(DemoImage());
    std::vector<std::string> corrections;
    RadioImage image;
    ASSERT_TRUE(CodeplugFromYaml(yaml, settings_, image, &corrections).ok());
    EXPECT_TRUE(corrections.empty()) << corrections.front();

    const std::pair<std::string, std::string> cases[] = {
        {"    tot: 125", "option.tot: \"125\" stored as 120 (30 to 600 in steps of 30)"},
        {"    tot: 99999",
         "option.tot: \"99999\" stored as 600 (at most 3 digits; 30 to 600 in steps of 30)"},
        {"    tot: abc",
         "option.tot: \"abc\" stored as 30 (digits only; 30 to 600 in steps of 30)"},
        // The same value written another way is no correction.
        {"    tot: 090", ""},
    };
    for (const auto& [line, note] : cases) {
        corrections.clear();
        const std::string text = Edited(yaml, "    tot: {value: \"0\", bytes: \"0000\"}", line);
        const std::size_t row =
            1 +
            static_cast<std::size_t>(std::count(
                text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.find(line)), '\n'));
        ASSERT_TRUE(CodeplugFromYaml(text, settings_, image, &corrections).ok()) << line;
        if (note.empty()) {
            EXPECT_TRUE(corrections.empty()) << line;
            continue;
        }
        ASSERT_EQ(corrections.size(), 1u) << line;
        EXPECT_EQ(corrections[0], "line " + std::to_string(row) + ", column 10: " + note);
    }
    // A channel field's text is quoted escaped, whatever the file's escapes
    // made of it.
    corrections.clear();
    ASSERT_TRUE(CodeplugFromYaml(Edited(yaml, "    rx_tone: None\n", "    rx_tone: \"\\e[31m\"\n"),
                                 settings_, image, &corrections)
                    .ok());
    ASSERT_EQ(corrections.size(), 1u);
    EXPECT_NE(corrections[0].find(", column 14: channel1.rx_tone: \"\\x1b[31m\" stored as None"),
              std::string::npos)
        << corrections[0];
    corrections.clear();
    const std::string rxFreq = "  - rx_freq: \"446.006250\"";
    const auto rxLine =
        1 + std::count(yaml.begin(), yaml.begin() + static_cast<std::ptrdiff_t>(yaml.find(rxFreq)),
                       '\n');
    ASSERT_TRUE(CodeplugFromYaml(Edited(yaml, rxFreq, "  - rx_freq: 446.0101"), settings_, image,
                                 &corrections)
                    .ok());
    ASSERT_EQ(corrections.size(), 1u);
    EXPECT_NE(corrections[0].find("line " + std::to_string(rxLine) +
                                  ", column 14: channel1.rx_freq: \"446.0101\" stored as "
                                  "446.010000 (band edges and the channel raster)"),
              std::string::npos)
        << corrections[0];
}

// Contacts and group lists from a codeplug meet the checks of the contact
// page and of `contacts --import` / `grouplists --import`, in their words.
TEST_F(CodeplugYaml, ContactsAndListsMeetTheChecksOfEveryWayIn) {
    const std::string head =
        "format: 1\ncontacts:\n  - {name: ab, number: \"1\", type: Group call}\n";
    const std::pair<std::string, std::string> cases[] = {
        // A raw 0xFF would cut the stored name to "ab", a second "ab".
        {"  - {name: \"ab\xff\", number: \"2\"}\n",
         "line 4, column 5: the name \"ab\\xff\" holds a control character"},
        {"  - {name: ab, number: \"2\"}\n",
         "line 4, column 5: the name \"ab\" is already on line 3"},
        {"  - {name: \"\", number: \"2\"}\n", "line 4, column 5: the name is empty"},
        {"  - {name: \"a\\tb\", number: \"2\"}\n",
         "line 4, column 5: the name \"a\\tb\" holds a control character"},
        {"  - {name: abcdefghi, number: \"2\"}\n",
         "line 4, column 5: the name \"abcdefghi\" is longer than 8 bytes"},
        {"  - {name: cd, number: \"0001\"}\n",
         "line 4, column 5: the number 0000001 is already on line 3"},
        {"  - {name: cd, number: \"1x\"}\n",
         "line 4, column 5: the number \"1x\" may hold only the digits 0 to 9 and \"*\""},
        {"  - {name: cd, number: \"2\"}\ngroup_rx_lists:\n  - [ab, ab]\n",
         "line 6, column 5: group rx list 1: \"ab\" is named twice"},
        {"  - {name: cd, number: \"2\", type: Single call}\ngroup_rx_lists:\n  - [cd]\n",
         "line 6, column 5: group rx list 1: \"cd\" is a single call; the lists take group calls"},
        {"group_rx_lists:\n  - [ab, ab, ab, ab, ab, ab, ab, ab, ab]\n",
         "line 5, column 5: group rx list 1: more than 8 members"},
    };
    for (const auto& [tail, message] : cases) {
        RadioImage image = DemoImage();
        EXPECT_EQ(Import(head + tail, image).message(), message);
        EXPECT_EQ(image, DemoImage()) << message;
    }
}

// A message quotes what the file holds so that it can neither recolour the
// terminal nor split the message, cuts a long text, and gives the place of
// every fault in words a user can act on.
TEST_F(CodeplugYaml, MessagesShowTheFileSafelyAndSayWhere) {
    const std::string head = "format: 1\nsettings:\n  option:\n    ";
    const std::string huge(900000, 'k');
    const std::pair<std::string, std::string> cases[] = {
        {head + "\"\\e[31mred\": 1\n",
         "line 4, column 5: unknown key \"option.\\x1b[31mred\" (see dpmrtool fields)"},
        {head + "apo: \"" + huge + "\"\n", "line 4, column 10: \"" + std::string(64, 'k') +
                                               "\"... (900000 bytes) is not an entry of \"APO\" "
                                               "(\"Off\", \"10M\", \"30M\", \"1H\", \"2H\")"},
        {head + "tot: \"1\0\"\n" + std::string(1, '\0'),
         "line 4, column 12: the control character \"\\x00\" is not allowed in a YAML file"},
        {head + "tot: \"a\\qb\"\n",
         "line 4, column 14: a backslash before \"q\" starts no YAML escape sequence (a backslash "
         "itself is written \\\\)"},
        {"format: 1\nraw: " + std::string(3000, '[') + "\n",
         "line 2, column 3005: lists and mappings are nested 500 deep here; a codeplug nests at "
         "most 4"},
    };
    for (const auto& [text, message] : cases) {
        RadioImage image;
        const std::string got = Import(text, image).message();
        EXPECT_EQ(got.substr(0, 400), message.substr(0, 400));
    }
}

}  // namespace
}  // namespace dpmr
