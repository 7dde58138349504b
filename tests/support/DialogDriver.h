// DialogDriver: a settings dialog opened on an image, its controls reached by
// their full keys ("option.tot") as a user reaches them: tab first, then focus.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>

#include "form/DialogRegistry.h"
#include "form/FormDialog.h"
#include "image/Document.h"

namespace dpmr::test {

class DialogDriver {
  public:
    DialogDriver(const form::DialogDecl& decl, RadioImage& image) : dialog(decl, image) {}

    struct Control {
        form::FieldPage& page;
        std::size_t i;
    };
    Control At(const std::string& key) {
        const std::optional<form::FieldRef> ref = form::FindField(key);
        EXPECT_TRUE(ref && ref->dialog == &dialog.Decl()) << key;
        dialog.SelectPage(ref->page);
        return {*dialog.FieldPageAt(ref->page), static_cast<std::size_t>(ref->field)};
    }
    std::string Shown(const std::string& key) {
        const Control c = At(key);
        return c.page.Shown(c.i);
    }
    // Types into the box and stays in it.
    Control Type(const std::string& key, const std::string& text) {
        const Control c = At(key);
        c.page.FocusIn(c.i);
        c.page.Type(c.i, text);
        return c;
    }
    // Types, then leaves the box (step 0) or clicks its spin once.
    void Edit(const std::string& key, const std::string& text, int step = 0) {
        const Control c = Type(key, text);
        if (step == 0)
            c.page.FocusOut(c.i);
        else
            c.page.Spin(c.i, step);
    }
    // Chooses the entry with this text ("": nothing).
    void Choose(const std::string& key, const std::string& entry) {
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

// Opens and closes the dialog on `image` and on an image of random bytes:
// the first comes back unchanged, the second differs at most in the bits of
// `owned` (offset -> mask).
inline void ExpectClosingKeepsWhatIsNotOwned(const form::DialogDecl& decl, RadioImage image,
                                             const std::map<std::size_t, std::uint8_t>& owned) {
    const RadioImage fresh = image;
    DialogDriver(decl, image).dialog.Close();
    EXPECT_TRUE(image == fresh);
    std::mt19937 random(7);
    for (std::size_t off = 0; off < RadioImage::kSize; ++off)
        image.SetU8(off, static_cast<std::uint8_t>(random()));
    const RadioImage before = image;
    DialogDriver(decl, image).dialog.Close();
    for (std::size_t off = 0; off < RadioImage::kSize; ++off) {
        const auto it = owned.find(off);
        const std::uint8_t mask = it == owned.end() ? 0 : it->second;
        EXPECT_EQ((before.U8(off) ^ image.U8(off)) & ~mask, 0) << "offset " << off;
    }
}

}  // namespace dpmr::test
