// The factory adjustment pages through their presenters: what an erased block
// shows, what empty edits store, the hexadecimal typing filter, the two list
// kinds at their ends and past them, and that a load and store never touch a
// byte no field owns.
#include <gtest/gtest.h>

#include <map>

#include "form/DialogRegistry.h"
#include "form/FieldKinds.h"
#include "form/FormDialog.h"
#include "form/FormSession.h"
#include "image/ImageLayout.h"
#include "service/AdjustParamDialog.h"

namespace dpmr {
namespace {

using form::FieldKind;
using form::FieldPage;
using form::FormDialog;

RadioImage Erased() {
    RadioImage image;
    image.FillFF(0, RadioImage::kSize);
    return image;
}

// Every field of the three pages, by full key, as `dpmrtool get` shows it.
std::map<std::string, std::string> Shown(RadioImage image) {
    std::map<std::string, std::string> shown;
    FormDialog dialog(AdjustParamDialogSpec(), image);
    for (int p = 0; p < dialog.PageCount(); ++p) {
        const FieldPage& page = *dialog.FieldPageAt(p);
        for (std::size_t i = 0; i < page.FieldCount(); ++i)
            shown[page.Key() + "." + page.Field(i).key] = page.Shown(i);
    }
    return shown;
}

TEST(AdjustParamDialog, AnErasedBlockShowsZeroEntriesAndFFFF) {
    int lists = 0, edits = 0;
    for (const auto& [key, text] : Shown(Erased())) {
        SCOPED_TRACE(key);
        const bool amplitude = key == "adjustdtmf.amplitude";
        const bool list = form::FindField(key)->Spec().kind == FieldKind::kList;
        EXPECT_EQ(text, list ? "0" : amplitude ? "FF" : "FFFF");
        ++(list ? lists : edits);
    }
    EXPECT_EQ(lists, 10);
    EXPECT_EQ(edits, 14);
}

TEST(AdjustParamDialog, ListsShowTheirEntryOrTheZeroEntryFromByte64On) {
    const struct {
        std::size_t offset;
        std::uint8_t stored;
        const char* key;
        const char* shown;
    } cases[] = {
        {0x50, 0, "adjusttx.digital_mic_gain", "-12"},
        {0x50, 1, "adjusttx.digital_mic_gain", "-11.25"},
        {0x60, 15, "adjusttx.analog_mic_gain", "-0.75"},
        {0x70, 17, "adjustrx.digital_rx_gain", "0.75"},
        {0x78, 63, "adjustrx.analog_rx_gain", "35.25"},
        {0x78, 64, "adjustrx.analog_rx_gain", "0"},
        {0x52, 0, "adjusttx.digital_left_out", "-57"},
        {0x63, 56, "adjusttx.analog_right_out", "-1"},
        {0x81, 63, "adjustdtmf.vco_gain", "6"},
        {0x82, 64, "adjustdtmf.tcxo_gain", "0"},
        {0x82, 0xFE, "adjustdtmf.tcxo_gain", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + std::string(" ") + std::to_string(c.stored));
        RadioImage image = Erased();
        image.SetU8(c.offset, c.stored);
        EXPECT_EQ(Shown(image)[c.key], c.shown);
    }
    EXPECT_EQ(DecibelListTexts().size(), 64u);
    EXPECT_EQ(StepListTexts().size(), 64u);
}

// A step changes only its own bytes: two for a gain, one for the amplitude or
// a list; the untouched lists of an erased block store their zero entry.
TEST(AdjustParamDialog, EmptyEditsStoreTheirDefaultsAndTypedHexIsFiltered) {
    const struct {
        const char* step;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"adjusttx.lout_dc_offset=", 0x40, {0x00, 0x08}},
        {"adjusttx.analog_dcs_gain=", 0x6E, {0x00, 0x08}},
        {"adjustrx.digital_decode_gain=", 0x74, {0x00, 0x00}},
        {"adjustrx.analog_voice_gain=", 0x7C, {0x00, 0x08}},
        {"adjustdtmf.amplitude=", 0x80, {0x7F}},
        {"adjusttx.rout_dc_offset=1a2b3", 0x42, {0x2B, 0x1A}},  // cut to 4, upper-cased
        {"adjusttx.digital_mod_gain=g-f", 0x48, {0x0F, 0x00}},  // g and - refused
        {"adjustdtmf.amplitude=abc", 0x80, {0xAB}},
        {"adjustrx.digital_rx_gain=-11.25", 0x70, {1}},
        {"adjusttx.analog_left_out=6", 0x62, {63}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        RadioImage image = Erased();
        form::FormSession session(image, true);
        ASSERT_TRUE(session.Apply(*form::ParseStep(c.step)).ok());
        session.Finish();
        RadioImage expected = Erased();
        for (std::size_t off : {0x50, 0x60, 0x70, 0x78}) expected.SetU8(off, kDecibelZeroEntry);
        for (std::size_t off : {0x52, 0x53, 0x62, 0x63, 0x81, 0x82})
            expected.SetU8(off, kStepZeroEntry);
        for (std::size_t k = 0; k < c.bytes.size(); ++k) expected.SetU8(c.offset + k, c.bytes[k]);
        EXPECT_EQ(image, expected);
    }
}

TEST(AdjustParamDialog, EveryHexEditTakesHexDigitsOnlyInUpperCase) {
    int edits = 0;
    for (const form::FieldRef& ref : form::AllFields()) {
        const form::FieldSpec& f = ref.Spec();
        if (ref.dialog != &AdjustParamDialogSpec() || f.kind != FieldKind::kHex) continue;
        SCOPED_TRACE(ref.Key());
        ++edits;
        EXPECT_EQ(form::TypedChar(f, 'a'), 'A');
        EXPECT_EQ(form::TypedChar(f, '9'), '9');
        for (char refused : {'g', 'G', '-', ' ', 'x', '.'})
            EXPECT_FALSE(form::TypedChar(f, refused).has_value()) << refused;
        EXPECT_EQ(f.limit, f.at.size * 2);
    }
    EXPECT_EQ(edits, 14);
}

// Bytes no field names travel unchanged; list bytes of 64 or more come back
// as the zero entry, every other value as it was.
TEST(AdjustParamDialog, OpeningAndClosingKeepsEveryValueItCanShow) {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.SetU8(i, static_cast<std::uint8_t>(i * 37 + 11));
    RadioImage expected = image;
    for (const form::FieldRef& ref : form::AllFields()) {
        const form::FieldSpec& f = ref.Spec();
        if (ref.dialog != &AdjustParamDialogSpec() || f.kind != FieldKind::kList) continue;
        if (image.U8(f.at.offset) >= 64)
            expected.SetU8(f.at.offset,
                           f.list.items == DecibelListTexts() ? kDecibelZeroEntry : kStepZeroEntry);
    }
    ASSERT_NE(expected, image);  // the pattern has list bytes past the lists
    FormDialog dialog(AdjustParamDialogSpec(), image);
    dialog.SelectPage(2);
    dialog.Close();
    EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace dpmr
