// DialogDriver: a settings dialog opened on an image (every page loads), its
// controls reached by their full keys ("option.tot") as a user reaches them:
// the tab first, then typing or spin clicks (the control takes the focus),
// leaving the box, and closing the dialog (every page stores). With tables of
// cases for the rules every dialog shares.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/DialogRegistry.h"
#include "dialogs/FormSession.h"
#include "document/NewDocument.h"
#include "form/FormDialog.h"
#include "image/Document.h"
#include "support/ImageBytes.h"

namespace dpmr::test {

class DialogDriver {
  public:
    DialogDriver(const form::DialogDecl& decl, RadioImage& image) : dialog(decl, image) {}
    // The dialog that holds `key`.
    DialogDriver(RadioImage& image, std::string_view key)
        : dialog(*form::FindField(key).value().dialog, image) {}

    struct Control {
        form::FieldPage& page;
        std::size_t i;
    };
    Control At(std::string_view key) {
        const std::optional<form::FieldRef> ref = form::FindField(key);
        EXPECT_TRUE(ref && ref->dialog == &dialog.Decl()) << key;
        dialog.SelectPage(ref->page);
        return {*dialog.FieldPageAt(ref->page), static_cast<std::size_t>(ref->field)};
    }
    std::string Shown(std::string_view key) {
        const Control c = At(key);
        return c.page.Shown(c.i);
    }
    // Types over the box's text and stays in it.
    std::string Type(std::string_view key, const std::string& text) {
        const Control c = At(key);
        c.page.FocusIn(c.i);
        c.page.Type(c.i, text);
        return c.page.Shown(c.i);
    }
    // Types, then leaves the box (step 0: its rule runs) or clicks its spin;
    // a box to be spun is typed into only when it does not show `text`
    // already (so words like "continue" can come from the image).
    std::string Edit(std::string_view key, const std::string& text, int step = 0) {
        if (step == 0 || Shown(key) != text) Type(key, text);
        const Control c = At(key);
        if (step == 0)
            c.page.FocusOut(c.i);
        else
            c.page.Spin(c.i, step);
        return c.page.Shown(c.i);
    }
    // Chooses the entry with this text ("": nothing).
    void Choose(std::string_view key, const std::string& entry) {
        const Control c = At(key);
        c.page.Choose(c.i, FindItemText(c.page.State(c.i).items, entry));
    }

    form::FormDialog dialog;
};

inline RadioImage NewImage() {
    RadioImage image;
    StoreBuiltInDefaults(image, BandLimits{});
    return image;
}

// Runs `dpmrtool set`-style steps on the image and closes the last dialog.
inline void SetFields(RadioImage& image, std::initializer_list<std::string_view> steps) {
    form::FormSession session(image);
    for (std::string_view text : steps) {
        const std::optional<form::Step> step = form::ParseStep(text);
        ASSERT_TRUE(step) << text;
        const Status s = session.Apply(*step);
        ASSERT_TRUE(s.ok()) << text << ": " << s.message();
    }
    session.Finish();
}

// What the field shows right after its dialog opened (as `dpmrtool get`).
inline std::string ShownField(RadioImage image, std::string_view key) {
    return DialogDriver(image, key).Shown(key);
}

// A box typed into, then left (step 0) or spun once: what it shows, and
// (when `stored` is given) the value closing the dialog stores in the
// field's byte or little-endian word.
struct EditCase {
    const char* key;
    const char* typed;
    int step;
    const char* shown;
    int stored = -1;
};
inline void ExpectEdits(std::span<const EditCase> cases, const RadioImage& start = {}) {
    for (const EditCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " '" + c.typed + "' " + std::to_string(c.step));
        RadioImage image = start;
        DialogDriver d(image, c.key);
        EXPECT_EQ(d.Edit(c.key, c.typed, c.step), c.shown);
        d.dialog.Close();
        const form::Location at = form::FindField(c.key).value().Decl().at;
        if (c.stored < 0) continue;
        EXPECT_EQ(at.size == 2 ? image.U16Le(at.offset) : image.U8(at.offset), c.stored);
    }
}

// A byte put into `start`, what the dialog shows for it, the entry chosen
// then (if any; "" chooses nothing), and what closing the dialog stores back
// once the user changed something in it.
struct LoadCase {
    const char* key;
    std::size_t off;
    std::uint8_t stored;
    const char* shown;
    std::uint8_t storedBack;
    const char* choose = nullptr;
};
inline void ExpectLoadsAndStoresBack(std::span<const LoadCase> cases,
                                     const RadioImage& start = {}) {
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.stored));
        RadioImage image = start;
        image.SetU8(c.off, c.stored);
        DialogDriver d(image, c.key);
        EXPECT_EQ(d.Shown(c.key), c.shown);
        d.dialog.MarkChanged();
        if (c.choose) d.Choose(c.key, c.choose);
        d.dialog.Close();
        EXPECT_EQ(image.U8(c.off), c.storedBack);
    }
}

}  // namespace dpmr::test
