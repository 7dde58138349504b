// The factory adjustment pages through their presenters: what an erased block
// shows, where each control stores and what an empty or oddly typed edit
// stores, the hexadecimal typing filter, the two list kinds at their ends and
// past them, and that bytes no control names travel unchanged.
#include <gtest/gtest.h>

#include <map>

#include "dialogs/DialogRegistry.h"
#include "dialogs/FormSession.h"
#include "form/FieldKinds.h"
#include "form/FormDialog.h"
#include "image/ImageLayout.h"
#include "service/AdjustParamDialog.h"

namespace dpmr {
namespace {

using form::FieldKind;
using form::FieldPage;
using form::FormDialog;

// Every field of the three pages, by full key, as `dpmrtool get` shows it.
std::map<std::string, std::string> Shown(RadioImage image) {
    std::map<std::string, std::string> shown;
    FormDialog dialog(AdjustParamDialogDecl(), image);
    for (int p = 0; p < dialog.PageCount(); ++p) {
        const FieldPage& page = *dialog.FieldPageAt(p);
        for (std::size_t i = 0; i < page.FieldCount(); ++i)
            shown[page.Key() + "." + page.Field(i).key] = page.Shown(i);
    }
    return shown;
}

bool IsAdjustmentField(const form::FieldRef& ref, FieldKind kind) {
    return ref.dialog == &AdjustParamDialogDecl() && ref.Decl().kind == kind;
}

TEST(AdjustParamDialog, AnErasedBlockShowsZeroEntriesAndFFFF) {
    for (const auto& [key, text] : Shown(RadioImage())) {
        const bool list = form::FindField(key)->Decl().kind == FieldKind::kList;
        EXPECT_EQ(text, list ? "0" : key == "adjustdtmf.amplitude" ? "FF" : "FFFF") << key;
    }
}

// Each control writes its own bytes and no other: a gain two bytes low byte
// first, the amplitude and the lists one byte. An empty edit stores its
// default.
TEST(AdjustParamDialog, EachControlStoresAtItsOwnOffset) {
    const struct {
        const char* key;
        std::size_t offset;
        const char* text;
        unsigned stored;
    } controls[] = {
        {"adjusttx.lout_dc_offset", 0x40, "", 0x0800},
        {"adjusttx.rout_dc_offset", 0x42, "1a2b3", 0x1A2B},  // cut to 4, upper-cased
        {"adjusttx.digital_mod_gain", 0x48, "g-f", 0x000F},  // g and - refused
        {"adjusttx.digital_mic_gain", 0x50, "-11.25", 1},
        {"adjusttx.digital_left_out", 0x52, "-57", 0},
        {"adjusttx.analog_mic_gain", 0x60, "35.25", 63},
        {"adjusttx.analog_right_out", 0x63, "-1", 56},
        {"adjustrx.digital_decode_gain", 0x74, "", 0},
        {"adjustdtmf.amplitude", 0x80, "", 0x7F},
        {"adjustdtmf.tcxo_gain", 0x82, "5", 62},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.key);
        RadioImage before;
        before.Fill(layout::kAdjustment, layout::kAdjustmentSize, 0x01);  // shown as it is
        RadioImage image = before;
        form::FormSession session(image, true);
        ASSERT_TRUE(session.Apply({c.key, form::Step::Action::kSet, c.text}).ok());
        session.Finish();
        const std::size_t size = form::FindField(c.key)->Decl().at.size;
        EXPECT_EQ(size == 2 ? image.U16Le(c.offset) : image.U8(c.offset), c.stored);
        RadioImage others = image;
        others.Fill(c.offset, size, 0x01);
        EXPECT_EQ(others, before);  // nothing else was written
    }
}

TEST(AdjustParamDialog, ListsShowTheirEntryOrTheZeroEntryFromByte64On) {
    const struct {
        std::size_t offset;
        std::uint8_t stored;
        const char* key;
        const char* shown;
    } cases[] = {
        {0x78, 63, "adjustrx.analog_rx_gain", "35.25"},
        {0x78, 64, "adjustrx.analog_rx_gain", "0"},
        {0x81, 63, "adjustdtmf.vco_gain", "6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + std::string(" ") + std::to_string(c.stored));
        RadioImage image;
        image.SetU8(c.offset, c.stored);
        EXPECT_EQ(Shown(image)[c.key], c.shown);
    }
}

// Looked at only, the dialog changes nothing. Once the user changed
// something, bytes no control names travel unchanged; list bytes of 64 or
// more come back as the zero entry, every other value as it was.
TEST(AdjustParamDialog, OpeningAndClosingKeepsEveryValueItCanShow) {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.SetU8(i, static_cast<std::uint8_t>(i * 37 + 11));
    RadioImage expected = image;
    for (const form::FieldRef& ref : form::AllFields()) {
        const form::FieldDecl& f = ref.Decl();
        if (IsAdjustmentField(ref, FieldKind::kList) && image.U8(f.at.offset) >= 64)
            expected.SetU8(f.at.offset,
                           f.list.items == DecibelListTexts() ? kDecibelZeroEntry : kStepZeroEntry);
    }
    ASSERT_NE(expected, image);  // the pattern has list bytes past the lists
    const RadioImage before = image;
    FormDialog looked(AdjustParamDialogDecl(), image);
    looked.SelectPage(2);
    looked.Close();
    EXPECT_EQ(image, before);
    FormDialog dialog(AdjustParamDialogDecl(), image);
    dialog.SelectPage(2);
    dialog.MarkChanged();
    dialog.Close();
    EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace dpmr
