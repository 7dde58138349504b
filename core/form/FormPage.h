// FormPage: one page of a settings dialog as its tab host sees it: a caption,
// and the two operations every page has: LoadFromImage (image to controls)
// and SaveToImage (controls to image). Pages made from a field table are
// FieldPage; pages with behaviour of their own (a contact list, a grid)
// implement this directly.
#pragma once

#include <string>

namespace dpmr::form {

class FormPage {
  public:
    virtual ~FormPage() = default;
    virtual const std::string& Key() const = 0;
    virtual const std::string& Caption() const = 0;
    virtual void LoadFromImage() = 0;
    virtual void SaveToImage() = 0;
    // The control with the focus loses it (a tab is clicked): its commit runs.
    virtual void LeaveFocus() {}
    // Whether closing the dialog stores this page while another tab is
    // shown. A page whose content another page changes behind it (the group
    // receive lists, which the contact page prunes) would write old content
    // back; it stores at close only when it is the page shown.
    virtual bool StoresWhenHidden() const { return true; }
    // Whether the user changed anything on this page since it was made
    // (typing, choosing, a button that changes the list). Loads, stores and
    // the commits of controls the user did not change do not count.
    virtual bool UserChanged() const { return false; }
};

}  // namespace dpmr::form
