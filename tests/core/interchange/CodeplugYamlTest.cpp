// The YAML codeplug: byte-for-byte round trips over random images and images
// of one repeated byte (every code every field can hold), edits applied
// through the rules of their controls (a field, fields sharing a byte, a
// channel cell), and every kind of broken file
// refused with its line and column and the image left alone.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "channels/ChannelRecord.h"
#include "channels/ChannelRowText.h"
#include "config/AppSettings.h"
#include "form/DialogRegistry.h"
#include "interchange/CodeplugYaml.h"
#include "support/DemoCodeplug.h"

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

// 300 random images, in three parts that ctest runs side by side (each
// part draws from its own fixed start, so the same images every run).
class CodeplugYamlRandom : public CodeplugYaml, public ::testing::WithParamInterface<int> {};

TEST_P(CodeplugYamlRandom, RoundTripsRandomImagesByteForByte) {
    std::mt19937 random(20261206 + GetParam());
    for (int n = 0; n < 100; ++n) {
        RadioImage image;
        for (std::size_t k = 0; k < RadioImage::kSize; ++k)
            image.SetU8(k, static_cast<std::uint8_t>(random()));
        ExpectRoundTrip(image,
                        "random image " + std::to_string(GetParam()) + "/" + std::to_string(n));
    }
}
INSTANTIATE_TEST_SUITE_P(Parts, CodeplugYamlRandom, ::testing::Values(0, 1, 2));

TEST_F(CodeplugYaml, RoundTripsEveryImageByteForByte) {
    // One byte everywhere: every field out of its range or holding a code no
    // list has, at least once.
    for (int b = 0; b < 256; ++b) {
        RadioImage image;
        image.Fill(0, RadioImage::kSize, static_cast<std::uint8_t>(b));
        ExpectRoundTrip(image, "every byte " + std::to_string(b));
    }
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
    EXPECT_NE(yaml.find("    sql: 5\n"), std::string::npos);
    EXPECT_NE(yaml.find("  - {name: Name 1, number: 0000001, type: Group call, slot: 1}"),
              std::string::npos);
    EXPECT_EQ(yaml.find("contact_bytes"), std::string::npos);
    EXPECT_EQ(yaml.find("members:"), std::string::npos);
}

TEST_F(CodeplugYaml, ChangedValuesGoThroughTheirControlsRules) {
    const RadioImage demo = DemoImage();
    const std::string yaml = CodeplugToYaml(demo);

    // A value (here beside its bytes) typed into its box and left.
    const RadioImage tot =
        ImportOk(Edited(yaml, "    tot: {value: 0, bytes: 0000}", "    tot: 95"));
    EXPECT_EQ(form::ShownFieldText(tot, "option.tot"), "90");
    // A list is chosen by its entry's text, as the box shows it.
    const RadioImage apo = ImportOk(Edited(yaml, "    apo: Off\n", "    apo: 1H\n"));
    EXPECT_EQ(form::ShownFieldText(apo, "option.apo"), "1H");
    // Two fields on one byte: the one the user changed wins over the other's
    // bytes, and the other's bits stay.
    const RadioImage oacsu = ImportOk(Edited(yaml, "oacsu: {value: 0,", "oacsu: {value: 1,"));
    EXPECT_EQ(form::ShownFieldText(oacsu, "dpmr.oacsu"), "1");
    EXPECT_EQ(oacsu.U8(0x378), demo.U8(0x378) | 0x01);

    // A channel cell is typed into the channel table; the rest of the record
    // stays.
    const RadioImage moved =
        ImportOk(Edited(yaml, "  - Rx Freq: 446.006250", "  - Rx Freq: 446.01875"));
    EXPECT_EQ(ChannelRowFromImage(moved, 1)[0], "446.018750");
    const std::size_t rec = channel::RecordOffset(1);
    // Tones, flags and what only the channel dialog shows stay.
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
        {"    sql: 5\n", "    sqll: 5\n", "column 5: unknown key \"option.sqll\""},
        {"  option:\n", "  options:\n", "column 3: unknown settings page \"options\""},
        {"    apo: Off\n", "    apo: Sometimes\n", "\"Sometimes\" is not an entry of \"APO\""},
        {"    sql: 5\n", "    sql: [1, 2]\n", "option.sql: expected a text"},
        {"    vox: Off\n", "    vox: {value: Off, bytes: XY}\n", "expected 1 bytes"},
        {"    wired_copy: On\n", "    wired_copy: \"On\n", "line"},
        {"    Power: Low\n", "    Colour: Low\n", "channel 1: unknown key \"Colour\""},
        {"format: 1", "format: [1]", "format: expected a text"},
        {"group_rx_lists:\n  - []", "group_rx_lists:\n  - 5", "expected a list of contact names"},
        {"slot: 1}", "slot: 1}\n  - {name: Name 1, number: 2}", "\"Name 1\" is there twice"},
        {"group_rx_lists:\n  - []", "group_rx_lists:\n  - [Nobody]",
         "\"Nobody\" is not the name of one contact"},
        // A 17th list has no place in the radio: refused, never written past the 16.
        {"group_rx_lists:\n  - []", "group_rx_lists:\n  - []\n  - []",
         "group_rx_lists: more than 16 entries"},
        {"  0x3FA0:", "  0x0100:", "the byte at 0x0100 is not one no field owns"},
        {"format: 1", "format: 7", "format 7 is not one this program reads"},
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

}  // namespace
}  // namespace dpmr
