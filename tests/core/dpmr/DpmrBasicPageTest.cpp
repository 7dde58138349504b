// The "Basic" page of "dPMR param" through its field table: what each field
// shows after a load, what leaving a box or clicking a spin does, and the
// bytes a store writes, including the bytes it must leave alone.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialogs/SharedByteDialogs.h"
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
    const std::optional<std::string> no;  // never focused
    // clang-format off
    const Case cases[] = {
        // The 7-digit rule and its replacements.
        {"radio_id", 0x388, kFF7, "123", 0, "0000123", {0, 0, 0, 0, 1, 2, 3}},
        {"radio_id", 0x388, kFF7, "9000000", 0, "0000001", {0, 0, 0, 0, 0, 0, 1}},
        {"radio_id", 0x388, {1, 2, 0x1F, 4}, no, 0, "0000012", {0, 0, 0, 0, 0, 1, 2}},
        {"kill_code", 0x4B0, kFF7, "1000000", 0, "9999990", {9, 9, 9, 9, 9, 9, 0}},
        {"active_code", 0x4B8, kFF7, "9999990", 0, "9999991", {9, 9, 9, 9, 9, 9, 1}},
        // tx pre-carrier time: steps of 20 ms, its spin wrapping.
        {"tx_pre_carrier", 0x399, {0}, "990", 0, "980", {49}},
        {"tx_pre_carrier", 0x399, {0}, no, -1, "1000", {50}},
        {"tx_pre_carrier", 0x399, {60}, no, 0, "1000", {50}},
        {"mixed_reset", 0x39C, {200}, no, 0, "30", {30}},
        {"single_call", 0x39B, {0}, "123", 0, "12", {12}},  // two digits at most
        // Tenths of a second and the ACK replies.
        {"ack_reply_delay", 0x379, {5}, "7", 0, "5.0", {50}},
        {"tx_delay", 0x37B, {0xFF}, no, 0, "5.0", {50}},
        // Lists: fallbacks of stored values without an entry.
        {"codec_type", 0x39F, {0xCB}, no, 0, "AMBE+2C", {0xC8}},
        {"dial_access", 0x398, {8}, no, 0, "7", {7}},
        {"dial_access", 0x398, {0}, no, 0, "0", {0}},
        // Data type in bits 3-4 of 0x378: 00 and 11 show "1" and store 01;
        // the bits the page does not own stay.
        {"data_type", 0x378, {0xE6}, no, 0, "1", {0xEE}},
        {"data_type", 0x378, {0x18}, no, 0, "1", {0x08}},
        // The radio name fills its 8 bytes.
        {"radio_name", 0x3F88, Bytes(8, 0xFF), "ABCDEFGHIJ", 0, "ABCDEFGH",
         {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}}};
    // clang-format on
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

}  // namespace
}  // namespace dpmr
