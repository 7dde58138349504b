// DialogRegistry: every settings dialog the program has, in menu order, and
// every field of their field tables under its full key ("option.tot"), so that
// dpmrtool, the codeplug files and the tests find a field by name the same way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/DialogDecl.h"
#include "image/RadioImage.h"

namespace dpmr::form {

const std::vector<const DialogDecl*>& AllDialogs();

// Where a field is: its dialog, the page's position in the dialog, the
// field's position in the page's table.
struct FieldRef {
    const DialogDecl* dialog = nullptr;
    int page = 0;
    int field = 0;
    const PageDecl& Page() const { return *dialog->pages[static_cast<std::size_t>(page)].table; }
    const FieldDecl& Decl() const { return Page().fields[static_cast<std::size_t>(field)]; }
    std::string Key() const { return Page().key + "." + Decl().key; }
};

// Every field of every field table, in dialog, page and table order.
std::vector<FieldRef> AllFields();
std::optional<FieldRef> FindField(std::string_view fullKey);

// What the field's control shows for `image` when its dialog opens, as
// `dpmrtool get` prints it; nothing for an unknown key.
std::optional<std::string> ShownFieldText(const RadioImage& image, std::string_view fullKey);

}  // namespace dpmr::form
