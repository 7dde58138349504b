// The tab host of the settings dialogs.
#include "form/FormDialog.h"

namespace dpmr::form {

FormDialog::FormDialog(const DialogDecl& decl, RadioImage& image, const PageContext& context)
    : decl_(decl), image_(image), atOpen_(image) {
    for (const PageEntry& entry : decl_.pages) {
        std::unique_ptr<FormPage> page = entry.make
                                             ? entry.make(image, context)
                                             : std::make_unique<FieldPage>(*entry.table, image);
        page->LoadFromImage();
        pages_.push_back(std::move(page));
    }
}

FormDialog::~FormDialog() = default;

FieldPage* FormDialog::FieldPageAt(int i) {
    return dynamic_cast<FieldPage*>(&Page(i));
}

void FormDialog::SelectPage(int i) {
    if (closed_ || i == current_ || i < 0 || i >= PageCount()) return;
    FormPage& left = Page(current_);
    left.LeaveFocus();
    left.SaveToImage();
    current_ = i;
    Page(current_).LoadFromImage();
}

void FormDialog::Close() {
    if (closed_) return;
    closed_ = true;
    // The control with the focus loses it as the dialog goes: its commit
    // runs before anything is stored, as when a tab is clicked.
    Page(current_).LeaveFocus();
    if (!UserChanged()) {
        image_ = atOpen_;
        return;
    }
    for (int i = 0; i < PageCount(); ++i)
        if (i == current_ || Page(i).StoresWhenHidden()) Page(i).SaveToImage();
}

bool FormDialog::UserChanged() const {
    if (changed_) return true;
    for (const std::unique_ptr<FormPage>& page : pages_)
        if (page->UserChanged()) return true;
    return false;
}

}  // namespace dpmr::form
