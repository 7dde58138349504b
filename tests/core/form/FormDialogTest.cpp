// A settings dialog the user only looks at leaves the image as it was: every
// dialog of the program on images of every kind, every tab clicked, every
// control entered and left, closed. A dialog the user changed stores every
// page as before. The alarm dialog writes the bytes it shares with the dPMR
// settings only through a control the user changed.
#include "document/NewDocument.h"
#include "form/FormDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dialogs/DialogRegistry.h"
#include "dpmr/ContactPagePresenter.h"
#include "dpmr/GroupRxListPresenter.h"
#include "form/FieldKinds.h"
#include "support/ContactImages.h"
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

// One thing a user does on a page (to field `field` of a field page).
struct Action {
    std::string name;
    int page = 0, field = -1;
    std::function<void(form::FormPage&)> act;
};

// Every change a user can make, one each: on a field page every control that
// stores, enabled, gets an entry chosen, its check flipped, its spin clicked
// or a text typed (the first that it then shows other than before); the
// contact page's and the group list page's buttons are pressed.
std::vector<Action> ActionsOf(const form::DialogDecl& decl, RadioImage image) {
    using P = ContactPagePresenter;
    using G = GroupRxListPresenter;
    std::vector<Action> actions;
    form::FormDialog dialog(decl, image);
    for (int p = 0; p < dialog.PageCount(); ++p) {
        dialog.SelectPage(p);
        form::FieldPage* page = dialog.FieldPageAt(p);
        for (std::size_t i = 0; page && i < page->FieldCount(); ++i) {
            const form::FieldDecl& f = page->Field(i);
            const ControlState& s = page->State(i);
            if (f.at.size == 0 || !s.enabled) continue;
            const auto add = [&](const char* what, std::function<void(form::FieldPage&)> event) {
                const auto act = [i, event](form::FormPage& pg) {
                    auto& fp = static_cast<form::FieldPage&>(pg);
                    fp.FocusIn(i);
                    event(fp);
                    fp.FocusOut(i);
                };
                actions.push_back(
                    {page->Key() + "." + f.key + " " + what, p, static_cast<int>(i), act});
            };
            std::vector<std::string> texts{"1234567", "7654321", "446.1", "1A", "2B"};
            if (auto down = form::SpinText(f, page->Shown(i), -1))
                texts.insert(texts.begin(), *down);
            const int next = (s.selected + 1) % std::max<int>(1, static_cast<int>(s.items.size()));
            if (form::HasItems(f)) {
                add("chosen", [i, next](form::FieldPage& fp) { fp.Choose(i, next); });
            } else if (f.kind == form::FieldKind::kCheck) {
                add("checked", [i, on = !s.checked](form::FieldPage& fp) { fp.Check(i, on); });
            } else {
                if (f.HasSpin()) add("spun", [i](form::FieldPage& fp) { fp.Spin(i, 1); });
                add("typed", [i, texts](form::FieldPage& fp) {
                    const std::string before = fp.Shown(i);
                    for (std::size_t k = 0; k < texts.size() && fp.Shown(i) == before; ++k) {
                        fp.Type(i, texts[k]);
                        fp.FocusOut(i);
                    }
                });
            }
        }
        // The contact page's buttons on its first row, the group list's on one entry.
        for (const auto& [name, button] :
             {std::pair{"Add", &P::Add}, {"Insert", &P::Insert}, {"Del", &P::Delete}}) {
            if (dynamic_cast<P*>(&dialog.Page(p)))
                actions.push_back(
                    {std::string("contacts ") + name, p, -1, [button](form::FormPage& pg) {
                         static_cast<P&>(pg).SetCurrentCell(1, P::kNameCol);
                         (static_cast<P&>(pg).*button)();
                     }});
        }
        for (const auto& [name, member, row, button] :
             {std::tuple{"Add", false, 0, &G::Add}, std::tuple{"Del", true, 0, &G::Del},
              std::tuple{"Up", true, 1, &G::Up}, std::tuple{"Down", true, 0, &G::Down}}) {
            if (dynamic_cast<G*>(&dialog.Page(p)))
                actions.push_back(
                    {std::string("group list ") + name, p, -1, [=](form::FormPage& pg) {
                         auto& g = static_cast<G&>(pg);
                         member ? g.SelectAllocated({row}) : g.SelectUnallocated({row});
                         (g.*button)();
                     }});
        }
    }
    return actions;
}

// Each of them alone, then the dialog closed, is kept in the image: the image
// changed, and a field shows, when the dialog opens again, what it showed.
TEST(FormDialog, EveryActionAloneIsKept) {
    RadioImage start = test::DemoImage();
    test::PutContacts(start, {{1, "A"}, {2, "B"}, {3, "C"}});
    test::PutGroupList(start, 1, {1, 2});
    for (const form::DialogDecl* decl : form::AllDialogs()) {
        for (const Action& a : ActionsOf(*decl, start)) {
            SCOPED_TRACE(decl->caption + ": " + a.name);
            RadioImage image = start;
            const auto shown = [&a](form::FormDialog& d) {  // every page loaded as it opened
                return a.field < 0 ? "" : d.FieldPageAt(a.page)->Shown(a.field);
            };
            form::FormDialog dialog(*decl, image);
            dialog.SelectPage(a.page);
            a.act(dialog.Page(a.page));
            const std::string after = shown(dialog);
            dialog.Close();
            EXPECT_FALSE(image == start);
            form::FormDialog again(*decl, image);
            EXPECT_EQ(shown(again), after);
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
// digit alarm id left untouched becomes seven zeros.
TEST(FormDialog, AChangeStoresEveryPageAsBefore) {
    RadioImage image;
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
// was changed.
TEST(AlarmDialog, WritesTheBytesSharedWithDpmrOnlyThroughAChangedControl) {
    RadioImage dpmr = test::NewImage();
    test::SetFields(dpmr, {"dpmr.oacsu=1", "dpmr.data_type=2", "dpmr.ack_reply_delay=0.7",
                           "dpmr.ack_reply_wait=4"});
    ASSERT_EQ(test::ImageBytes(dpmr, 0x378, 3), (test::Bytes{0x11, 7, 4}));

    RadioImage image = dpmr;
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
}

}  // namespace
}  // namespace dpmr
