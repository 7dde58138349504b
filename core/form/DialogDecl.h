// DialogDecl: a settings dialog as data: its caption, whether it has tabs, and
// its pages in tab order. A page is either a field table (most pages) or a
// page with behaviour of its own, made by a factory. The Qt dialogs, dpmrtool
// and the tests all build their dialogs from these.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form/FieldDecl.h"
#include "form/FormPage.h"
#include "image/RadioImage.h"

namespace dpmr::form {

// What a page may need besides the image, from the program's settings: the
// "Freq range" entries ([Setup] "FreqRange"), from which the pages that
// clamp frequencies or follow the band take it (see BandForImage). Empty: the
// band is the image's own band bytes.
struct PageContext {
    std::vector<std::string> freqRanges;
};

struct PageEntry {
    // The page's field table, when it has one (dpmrtool lists these fields).
    const PageDecl* table = nullptr;
    // Makes a page with behaviour of its own; empty: a FieldPage of `table`.
    std::function<std::unique_ptr<FormPage>(RadioImage&, const PageContext&)> make;
};

struct DialogDecl {
    std::string caption;  // "Basic setting"
    // A dialog without tabs closes with Enter and Escape as well as its close
    // box; a tab dialog swallows both keys.
    bool tabbed = true;
    std::vector<PageEntry> pages;
    // ---- Service dialogs ----
    // The dialog edits factory values of the radio (adjustment, squelch
    // calibration): `dpmrtool set` changes its fields only when asked to
    // with --service.
    bool service = false;
    // What the dialog is for: its What's This, and the settings reference.
    std::string help{};
};

}  // namespace dpmr::form
