// The "Basic" page of "dPMR param" through its field table: what each field
// shows after a load, what leaving a box or clicking a spin does, and the
// bytes a store writes, including the bytes it must leave alone.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dpmr/DpmrParamDialog.h"
#include "form/FieldPage.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using test::Bytes;

struct Case {
    const char* key;
    std::size_t offset;
    Bytes before;                      // written at `offset` before the page loads
    std::optional<std::string> typed;  // typed and left, when given (else never focused)
    int spin = 0;                      // spin clicks after that (+1 up, -1 down)
    std::string shown;                 // what the control shows at the end
    Bytes after;                       // what the store leaves at `offset`
};

const Bytes kFF7(7, 0xFF);

TEST(DpmrBasicPage, LoadEditAndStoreEachField) {
    const Case cases[] = {
        // The 7-digit rule and its replacements.
        Case{"radio_id", 0x388, kFF7, "123", 0, "0000123", {0, 0, 0, 0, 1, 2, 3}},
        Case{"radio_id", 0x388, kFF7, "5000000", 0, "0000001", {0, 0, 0, 0, 0, 0, 1}},
        Case{"radio_id", 0x388, kFF7, "9000000", 0, "0000001", {0, 0, 0, 0, 0, 0, 1}},
        Case{"radio_id", 0x388, kFF7, std::nullopt, 0, "0000001", {0, 0, 0, 0, 0, 0, 1}},
        Case{"radio_id", 0x388, {1, 2, 0x1F, 4}, std::nullopt, 0, "0000012", {0, 0, 0, 0, 0, 1, 2}},
        Case{"kill_code", 0x4B0, kFF7, "1000000", 0, "9999990", {9, 9, 9, 9, 9, 9, 0}},
        Case{"kill_code", 0x4B0, kFF7, std::nullopt, 0, "0000000", {0, 0, 0, 0, 0, 0, 0}},
        Case{"active_code", 0x4B8, kFF7, "9999990", 0, "9999991", {9, 9, 9, 9, 9, 9, 1}},
        // tx pre-carrier time: steps of 20 ms, its spin snapping to the old side.
        Case{"tx_pre_carrier", 0x399, {0}, "990", 0, "980", {49}},
        Case{"tx_pre_carrier", 0x399, {50}, std::nullopt, 1, "0", {0}},
        Case{"tx_pre_carrier", 0x399, {0}, std::nullopt, -1, "1000", {50}},
        Case{"tx_pre_carrier", 0x399, {60}, std::nullopt, 0, "1000", {50}},
        Case{"group_hold", 0x39A, {0}, "45", 0, "30", {30}},
        Case{"mixed_reset", 0x39C, {200}, std::nullopt, 0, "30", {30}},
        Case{"single_call", 0x39B, {30}, std::nullopt, 1, "0", {0}},
        // Tenths of a second and the ACK replies.
        Case{"ack_reply_delay", 0x379, {5}, "7", 0, "5.0", {50}},
        Case{"ack_reply_delay", 0x379, {1}, std::nullopt, -1, "5.0", {50}},
        Case{"tx_delay", 0x37B, {5}, "0", 0, "0.1", {1}},
        Case{"tx_delay", 0x37B, {0xFF}, std::nullopt, 0, "5.0", {50}},
        Case{"ack_reply_wait", 0x37A, {10}, std::nullopt, 1, "0", {0}},
        Case{"ack_reply_wait", 0x37A, {0}, "12", 0, "10", {10}},
        Case{"ack_reply_times", 0x39E, {11}, std::nullopt, 0, "1", {1}},
        // Lists: fallbacks of stored values without an entry.
        Case{"wake_frame", 0x39D, {16}, std::nullopt, 0, "0", {0}},
        Case{"dial_access", 0x398, {9}, std::nullopt, 0, "7", {7}},
        Case{"codec_type", 0x39F, {0xCB}, std::nullopt, 0, "AMBE+2C", {0xC8}},
        Case{"kill_type", 0x39F, {0x2A}, std::nullopt, 0, "Kill", {0x2A}},
        // Data type in bits 3-4 of 0x378: 00 and 11 show "1" and store 01;
        // the bits the page does not own stay.
        Case{"data_type", 0x378, {0xE6}, std::nullopt, 0, "1", {0xEE}},
        Case{"data_type", 0x378, {0x18}, std::nullopt, 0, "1", {0x08}},
        Case{"oacsu", 0x378, {0x09}, std::nullopt, 0, "1", {0x09}},
        // Texts: the radio name fills 8 bytes, the group code is DTMF symbols.
        Case{"radio_name",
             0x3F88,
             Bytes(8, 0xFF),
             "ABCDEFGHIJ",
             0,
             "ABCDEFGH",
             {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
        Case{"group_code",
             0x390,
             kFF7,
             "1a*#x",
             0,
             "1A*#",
             {1, 0x0A, 0x0E, 0x0F, 0xFF, 0xFF, 0xFF}}};
    for (const Case& c : cases) {
        const std::string what = std::string(c.key) + " " + c.typed.value_or("-");
        RadioImage image;
        for (std::size_t k = 0; k < c.before.size(); ++k) image.SetU8(c.offset + k, c.before[k]);
        form::FieldPage page(DpmrBasicPageDecl(), image);
        page.LoadFromImage();
        const int found = page.IndexOf(c.key);
        ASSERT_GE(found, 0) << c.key;
        const auto i = static_cast<std::size_t>(found);
        if (c.typed) {
            page.FocusIn(i);
            page.Type(i, *c.typed);
            page.FocusOut(i);
        }
        for (int k = 0; k != c.spin; k += c.spin > 0 ? 1 : -1) page.Spin(i, c.spin > 0 ? 1 : -1);
        EXPECT_EQ(page.Shown(i), c.shown) << what;
        page.SaveToImage();
        EXPECT_EQ(test::ImageBytes(image, c.offset, c.after.size()), c.after) << what;
    }
}

// The bit fields of 0x39F are independent: each list writes its own bits.
TEST(DpmrBasicPage, ListsOf0x39FShareTheByte) {
    RadioImage image;
    image.SetU8(0x39F, 0x00);
    form::FieldPage page(DpmrBasicPageDecl(), image);
    page.LoadFromImage();
    const std::pair<const char*, int> choices[] = {{"codec_type", 2},  {"kill_decode", 1},
                                                   {"voice_store", 1}, {"kill_type", 1},
                                                   {"repeat_mode", 1}, {"allow_all_call", 1}};
    for (const auto& [key, index] : choices)
        page.Choose(static_cast<std::size_t>(page.IndexOf(key)), index);
    page.SaveToImage();
    EXPECT_EQ(image.U8(0x39F), 0x02 | 0x04 | 0x08 | 0x10 | 0x40 | 0x80);
}

}  // namespace
}  // namespace dpmr
