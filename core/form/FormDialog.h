// FormDialog: the rules of every settings dialog's host, without Qt. Opening
// creates the pages in tab order, each loading as it is created; changing the
// tab lets the control with the focus go (its commit runs), stores the page
// left and loads the page entered; closing lets the focused control go too,
// then stores every page in tab order, once, whichever way the dialog is
// closed.
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
    FormDialog(const DialogDecl& decl, RadioImage& image);
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
    // The dialog closes: every page stores, in tab order (a page that says
    // StoresWhenHidden() false only when it is shown). Only the first call
    // does anything; events after it are the caller's to drop.
    void Close();
    bool IsClosed() const { return closed_; }

  private:
    const DialogDecl& decl_;
    std::vector<std::unique_ptr<FormPage>> pages_;
    int current_ = 0;
    bool closed_ = false;
};

}  // namespace dpmr::form
