// A settings dialog the user only looks at leaves the image as it was: every
// dialog of the program on images of every kind, every tab clicked, every
// control entered and left, closed. A dialog the user changed stores every
// page as before. The alarm dialog writes the bytes it shares with the dPMR
// settings only through a control the user changed.
#include "document/NewDocument.h"
#include "form/FormDialog.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/DialogRegistry.h"
#include "support/DemoCodeplug.h"
#include "support/DialogDriver.h"
#include "support/ImageBytes.h"

namespace dpmr {
namespace {

using test::DialogDriver;

std::vector<std::pair<std::string, RadioImage>> Images() {
    RadioImage zeros;
    zeros.Fill(0, RadioImage::kSize, 0x00);
    RadioImage random;
    std::mt19937 gen(20261207);
    for (std::size_t k = 0; k < RadioImage::kSize; ++k)
        random.SetU8(k, static_cast<std::uint8_t>(gen() & 0xFF));
    return {{"erased", RadioImage{}},
            {"zeros", zeros},
            {"random", random},
            {"new", test::NewImage()},
            {"demo", test::DemoImage()}};
}

TEST(FormDialog, LookingThroughEveryDialogLeavesEveryByte) {
    for (const auto& [name, start] : Images()) {
        for (const form::DialogDecl* decl : form::AllDialogs()) {
            SCOPED_TRACE(name + ": " + decl->caption);
            RadioImage image = start;
            form::FormDialog dialog(*decl, image);
            // Every tab twice (a tab left stores its page), every control
            // entered and left (its commit runs) without typing.
            for (int round = 0; round < 2; ++round)
                for (int p = 0; p < dialog.PageCount(); ++p) {
                    dialog.SelectPage(p);
                    if (form::FieldPage* page = dialog.FieldPageAt(p))
                        for (std::size_t i = 0; i < page->FieldCount(); ++i) page->FocusIn(i);
                }
            EXPECT_FALSE(dialog.UserChanged());
            dialog.Close();
            EXPECT_TRUE(image == start);
        }
    }
}

// A text typed over with itself, or the entry already chosen chosen again,
// is no change either.
TEST(FormDialog, TheSameValueAgainIsNoChange) {
    RadioImage image = test::DemoImage();
    const RadioImage start = image;
    DialogDriver d(image, "alarm.alarm_time");
    d.Edit("alarm.alarm_time", d.Shown("alarm.alarm_time"));
    d.Choose("alarm.alarm_type", d.Shown("alarm.alarm_type"));
    EXPECT_FALSE(d.dialog.UserChanged());
    d.dialog.Close();
    EXPECT_TRUE(image == start);
}

// Once something was changed, the dialog stores as it always did: an erased
// digit alarm id left untouched becomes seven zeros; looked at only, it stays
// erased.
TEST(FormDialog, AChangeStoresEveryPageAsBefore) {
    RadioImage image;
    DialogDriver(image, "alarm.digit_id").dialog.Close();
    EXPECT_EQ(test::ImageBytes(image, 0x360, 7), test::Bytes(7, 0xFF));

    DialogDriver d(image, "alarm.alarm_time");
    d.Edit("alarm.alarm_time", "20");
    EXPECT_TRUE(d.dialog.UserChanged());
    d.dialog.Close();
    EXPECT_EQ(image.U8(0x354), 20);
    EXPECT_EQ(test::ImageBytes(image, 0x360, 7), test::Bytes(7, 0x00));

    // A tab changed on one page stores the pages only looked at too: the
    // basic dialog's first page changed, its other tabs clicked through.
    RadioImage basic;
    const RadioImage erased = basic;
    DialogDriver b(basic, "option.tot");
    b.Edit("option.tot", "90");
    for (int p = 0; p < b.dialog.PageCount(); ++p) b.dialog.SelectPage(p);
    b.dialog.Close();
    EXPECT_EQ(basic.U16Le(0x0308), 90);
    int changedOutsideTot = 0;
    for (std::size_t k = 0; k < RadioImage::kSize; ++k)
        if (k != 0x0308 && k != 0x0309 && basic.U8(k) != erased.U8(k)) ++changedOutsideTot;
    EXPECT_GT(changedOutsideTot, 0);  // the other pages stored their erased fields
}

// Bytes 0x378..0x37A are the dPMR settings' OACSU and data type, ACK reply
// delay and ACK reply wait, and the alarm dialog's Auto contact, Tx interval
// and Query interval. The alarm dialog writes each only when its control
// was changed; the dPMR page stores them as before.
TEST(AlarmDialog, WritesTheBytesSharedWithDpmrOnlyThroughAChangedControl) {
    RadioImage dpmr = test::NewImage();
    test::SetFields(dpmr, {"dpmr.oacsu=1", "dpmr.data_type=2", "dpmr.ack_reply_delay=0.7",
                           "dpmr.ack_reply_wait=4"});
    ASSERT_EQ(test::ImageBytes(dpmr, 0x378, 3), (test::Bytes{0x11, 7, 4}));

    RadioImage image = dpmr;
    DialogDriver(image, "alarm.auto_contact").dialog.Close();
    EXPECT_TRUE(image == dpmr);

    {
        DialogDriver d(image, "alarm.alarm_time");
        d.Edit("alarm.alarm_time", "20");
        // Entered and left without typing: Tx interval's rule shows 25
        // for the 7 it read, but the byte is not the user's change.
        d.Edit("alarm.tx_interval", d.Shown("alarm.tx_interval"));
        EXPECT_EQ(d.Shown("alarm.tx_interval"), "25");
        d.dialog.Close();
    }
    EXPECT_EQ(image.U8(0x354), 20);
    EXPECT_EQ(test::ImageBytes(image, 0x378, 3), (test::Bytes{0x11, 7, 4}));

    struct Case {
        const char* key;
        const char* text;  // typed and left, or the entry chosen
        test::Bytes bytes;
    };
    const Case cases[] = {
        {"alarm.auto_contact", "allow", {0x01, 7, 4}},
        // 0x11 shows "prohibit" already: choosing it is no change.
        {"alarm.auto_contact", "prohibit", {0x11, 7, 4}},
        {"alarm.tx_interval", "30", {0x11, 30, 4}},
        {"alarm.query_interval", "5", {0x11, 7, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.text);
        RadioImage edited = dpmr;
        DialogDriver d(edited, c.key);
        if (form::FindField(c.key)->Decl().kind == form::FieldKind::kList)
            d.Choose(c.key, c.text);
        else
            d.Edit(c.key, c.text);
        d.dialog.Close();
        EXPECT_EQ(test::ImageBytes(edited, 0x378, 3), c.bytes);
    }

    // The dPMR page, changed anywhere, stores its own meaning of the bytes.
    RadioImage alarm = test::NewImage();
    test::SetFields(alarm, {"alarm.auto_contact=allow", "alarm.tx_interval=30"});
    ASSERT_EQ(test::ImageBytes(alarm, 0x378, 2), (test::Bytes{0x01, 30}));
    test::SetFields(alarm, {"dpmr.group_hold=5"});
    EXPECT_EQ(test::ImageBytes(alarm, 0x378, 2), (test::Bytes{0x09, 30}));
}

}  // namespace
}  // namespace dpmr
