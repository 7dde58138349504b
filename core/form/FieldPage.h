// FieldPage: a settings page made from its field table. It keeps what each
// control shows, loads and stores them through the field kinds, and takes the
// user's events (typing, choosing, checking, focus changes, spin clicks) the
// same way for the Qt page, dpmrtool and the tests.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "form/ControlState.h"
#include "form/FieldDecl.h"
#include "form/FormPage.h"
#include "image/RadioImage.h"

namespace dpmr::form {

class FieldPage : public FormPage {
  public:
    // Fills the lists (from the image where they come from it). The page
    // shows nothing until its first LoadFromImage().
    FieldPage(const PageDecl& decl, RadioImage& image);

    const PageDecl& Decl() const { return *decl_; }
    const std::string& Key() const override { return decl_->key; }
    const std::string& Caption() const override { return decl_->caption; }
    std::size_t FieldCount() const { return decl_->fields.size(); }
    const FieldDecl& Field(std::size_t i) const { return decl_->fields[i]; }
    // Index of the field with this key (without the page's prefix), or -1.
    int IndexOf(const std::string& key) const;

    const ControlState& State(std::size_t i) const { return states_[i]; }
    // What the control shows, as dpmrtool prints it.
    std::string Shown(std::size_t i) const;
    // The control that has the focus, or -1.
    int Focused() const { return focused_; }

    void LoadFromImage() override;
    // Stores every field, except a field marked StoredOnlyWhenChanged that
    // the user has not changed.
    void SaveToImage() override;
    void LeaveFocus() override;
    bool UserChanged() const override;
    // Whether the user changed control i since the page was made.
    bool UserChanged(std::size_t i) const { return touched_[i]; }

    // ---- The user's events ----
    // A page with rules that join fields (the channel dialog) takes them
    // first and hands each on to these.
    // The edit's whole text becomes `text` (refused characters dropped,
    // letters upper-cased where the edit does it, cut to its limit); in a
    // tone box the entry of that text is selected, if there is one.
    virtual void Type(std::size_t i, const std::string& text);
    // A list entry is chosen (-1: none); a tone box shows its text.
    virtual void Choose(std::size_t i, int index);
    virtual void Check(std::size_t i, bool on);
    // The control gets the focus; the one that had it loses it first.
    virtual void FocusIn(std::size_t i);
    // The control loses the focus: its commit rule runs.
    virtual void FocusOut(std::size_t i);
    // One click of the control's spin (+1 up, -1 down). False when it has none.
    virtual bool Spin(std::size_t i, int step);
    // Whether a typed character reaches the edit, and as which character.
    bool Accepts(std::size_t i, char c) const;
    // Why control i cannot be used now ("" when it can, or when the page
    // gives no reason).
    virtual std::string WhyDisabled(std::size_t) const { return {}; }

  protected:
    // The same fields at another place of the image (the next record).
    void MoveTo(const PageDecl& decl) { decl_ = &decl; }
    ControlState& MutableState(std::size_t i) { return states_[i]; }

    RadioImage& image_;

  private:
    // Runs one user event on control i and notes whether it changed what the
    // control shows.
    template <typename Event>
    void UserEvent(std::size_t i, Event event);

    const PageDecl* decl_;
    std::vector<ControlState> states_;
    std::vector<bool> touched_;
    int focused_ = -1;
};

}  // namespace dpmr::form
