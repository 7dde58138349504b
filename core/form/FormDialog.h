// FormDialog: the rules of every settings dialog's host, without Qt. Opening
// creates the pages in tab order, each loading as it is created; changing the
// tab lets the control with the focus go (its commit runs), stores the page
// left and loads the page entered; closing lets the focused control go too,
// then stores every page in tab order, once, whichever way the dialog is
// closed. A dialog the user only looked at (opened, tabs clicked, closed)
// leaves every byte of the image as it was when it opened.
#pragma once

#include <memory>
#include <vector>

#include "form/DialogDecl.h"
#include "form/FieldPage.h"
#include "form/FormPage.h"
#include "image/RadioImage.h"

namespace dpmr::form {

class FormDialog {
  public:
    // `context` is handed to the pages that make themselves.
    FormDialog(const DialogDecl& decl, RadioImage& image, const PageContext& context = {});
    ~FormDialog();
    FormDialog(const FormDialog&) = delete;
    FormDialog& operator=(const FormDialog&) = delete;

    const DialogDecl& Decl() const { return decl_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    FormPage& Page(int i) { return *pages_[static_cast<std::size_t>(i)]; }
    // The page as a field table, or nullptr for a page of its own kind.
    FieldPage* FieldPageAt(int i);
    int CurrentPage() const { return current_; }

    // A tab is chosen. Nothing happens for the current tab or once closed.
    void SelectPage(int i);
    // The dialog closes: when the user changed something, every page stores,
    // in tab order (a page that says StoresWhenHidden() false only when it is
    // shown); otherwise the image goes back to what it was when the dialog
    // opened, undoing what tab changes stored. Only the first call does
    // anything; events after it are the caller's to drop.
    void Close();
    // The user did something outside the pages that changed the image (a
    // transfer from or to the radio): the dialog stores at close.
    void MarkChanged() { changed_ = true; }
    // Whether the user changed anything in the dialog so far.
    bool UserChanged() const;
    bool IsClosed() const { return closed_; }

  private:
    const DialogDecl& decl_;
    RadioImage& image_;
    // The image as the dialog found it, put back when it closes unchanged.
    RadioImage atOpen_;
    bool changed_ = false;
    std::vector<std::unique_ptr<FormPage>> pages_;
    int current_ = 0;
    bool closed_ = false;
};

}  // namespace dpmr::form
