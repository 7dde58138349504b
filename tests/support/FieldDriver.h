// FieldDriver: one field of a settings dialog, driven by its full key the way
// a user drives its control: the dialog opens on the image (every page
// loads) and the field's tab is clicked; then typing or spin clicks (the
// control takes the focus), leaving it, and closing the dialog (every page
// stores).
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

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

}  // namespace dpmr::test
