// FieldDriver: one field of a settings dialog, driven by its full key the way
// a user drives its control: the dialog opens on the image (every page
// loads) and the field's tab is clicked; then typing or spin clicks (the
// control takes the focus), leaving it, and closing the dialog (every page
// stores).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/DialogRegistry.h"
#include "form/FormDialog.h"
#include "form/FormSession.h"

namespace dpmr::test {

class FieldDriver {
  public:
    FieldDriver(RadioImage& image, std::string_view key)
        : ref_(form::FindField(key).value()), dialog_(*ref_.dialog, image) {
        dialog_.SelectPage(ref_.page);
        page_ = dialog_.FieldPageAt(ref_.page);
        i_ = static_cast<std::size_t>(ref_.field);
    }

    // What the control shows.
    std::string Shown() const { return page_->Shown(i_); }
    // Types `text` over the box's text and stays in it.
    std::string Type(const std::string& text) {
        page_->FocusIn(i_);
        page_->Type(i_, text);
        return Shown();
    }
    // Types `text` and leaves the box: its rule runs.
    std::string Commit(const std::string& text) {
        Type(text);
        page_->FocusOut(i_);
        return Shown();
    }
    std::string Spin(int step) {
        page_->FocusIn(i_);
        page_->Spin(i_, step);
        return Shown();
    }
    void Close() { dialog_.Close(); }

  private:
    form::FieldRef ref_;
    form::FormDialog dialog_;
    form::FieldPage* page_ = nullptr;
    std::size_t i_ = 0;
};

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
    return FieldDriver(image, key).Shown();
}

// ---- Tables of cases -------------------------------------------------------

// A box typed into and left, and what it shows then.
struct CommitCase {
    const char* key;
    const char* typed;
    const char* shown;
};
inline void ExpectCommits(std::span<const CommitCase> cases) {
    for (const CommitCase& c : cases) {
        RadioImage image;
        EXPECT_EQ(FieldDriver(image, c.key).Commit(c.typed), c.shown) << c.key << " " << c.typed;
    }
}

// One spin click on a box that shows `from` (typed, unless `start` loads it).
struct SpinCase {
    const char* key;
    const char* from;
    int step;
    const char* to;
};
inline void ExpectSpins(std::span<const SpinCase> cases, const RadioImage& start = {}) {
    for (const SpinCase& c : cases) {
        RadioImage image = start;
        FieldDriver box(image, c.key);
        if (box.Shown() != c.from) box.Type(c.from);
        EXPECT_EQ(box.Spin(c.step), c.to) << c.key << " " << c.from << " " << c.step;
    }
}

// A byte in the image, what the dialog shows for it, and what closing the
// dialog stores back.
struct LoadCase {
    const char* key;
    std::size_t off;
    std::uint8_t stored;
    const char* shown;
    std::uint8_t storedBack;
};
inline void ExpectLoadsAndStoresBack(std::span<const LoadCase> cases) {
    for (const LoadCase& c : cases) {
        RadioImage image;
        image.SetU8(c.off, c.stored);
        FieldDriver box(image, c.key);
        EXPECT_EQ(box.Shown(), c.shown) << c.key << " " << int(c.stored);
        box.Close();
        EXPECT_EQ(image.U8(c.off), c.storedBack) << c.key << " " << int(c.stored);
    }
}

// Opens and closes a dialog (one step of it) on images of random bytes:
// nothing outside what `mayWrite` allows changes, and a second round stores
// what the first stored unchanged.
inline void ExpectRoundTripsKeepOtherBytes(std::initializer_list<std::string_view> steps,
                                           const std::function<bool(std::size_t)>& mayWrite,
                                           unsigned salt) {
    std::uint32_t state = salt;
    for (int round = 0; round < 20; ++round) {
        RadioImage image;
        for (std::size_t off = 0; off < RadioImage::kSize; ++off) {
            state = state * 1664525u + 1013904223u;
            image.SetU8(off, static_cast<std::uint8_t>(state >> 24));
        }
        const RadioImage before = image;
        SetFields(image, steps);
        std::vector<std::size_t> changed;
        for (std::size_t off = 0; off < RadioImage::kSize; ++off)
            if (!mayWrite(off) && image.U8(off) != before.U8(off)) changed.push_back(off);
        EXPECT_TRUE(changed.empty()) << "first at " << std::hex << changed.front();
        const RadioImage stored = image;
        SetFields(image, steps);
        EXPECT_TRUE(image == stored);
    }
}

}  // namespace dpmr::test
