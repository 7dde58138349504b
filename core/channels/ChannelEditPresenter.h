// ChannelEditPresenter: the "Channel edit" dialog without Qt. Its controls are
// the channel record's field rows (ChannelFields), loaded and stored by the
// field kinds like every settings page; this class keeps only the rules that
// join fields: which controls an empty channel, the signal type and the call
// types enable, the Rx commit with its new-channel defaults, Repeat, the tone
// and offset commits, and the navigation between channels. The Qt dialog binds
// its widgets with FormBinder and draws the state kept here; dpmrtool edits a
// channel through the same object.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "channels/ChannelFields.h"
#include "form/ControlState.h"
#include "form/FieldPage.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"

namespace dpmr {

enum class ControlKind {
    kEdit,     // one-line text
    kList,     // drop list: items and a selected index
    kToneBox,  // editable drop-down: the tone list plus free text
    kCheck,    // check box
};

ControlKind KindOf(EditControl c);
// The label shown beside (or on) the control.
const char* LabelOf(EditControl c);
// Most characters the control takes; 0 when it has no limit.
std::size_t TextLimitOf(EditControl c);

// Keys the dialog looks at before its own key handling.
enum class EditKey { kEnter, kEscape, kUp, kDown };
enum class KeyAction {
    kPassOn,    // let the control handle the key
    kConsumed,  // the key is used up here
    kClose,     // the dialog is to close (which stores the channel)
};

class ChannelEditPresenter : public form::FieldPage {
  public:
    static constexpr int kFirstChannel = 1;
    static constexpr int kLastChannel = 16;

    // Builds the lists, shows `channel` (limited to 1..16) and loads it.
    // `rxTextAtEntry` is the opener's "Rx Freq" text of that channel.
    ChannelEditPresenter(RadioImage& image, const BandLimits& band, int channel,
                         std::string rxTextAtEntry);

    using form::FieldPage::State;
    const ControlState& State(EditControl c) const { return State(FieldIndex(c)); }
    // An edit's or tone box's text, or the selected item's text of a list
    // (empty with no selection).
    std::string Text(EditControl c) const;
    int CurrentChannel() const { return current_; }
    const std::string& RxTextAtEntry() const { return rxAtEntry_; }
    const std::string& TxTextAtEntry() const { return txAtEntry_; }

    // The dialog's operations.
    void LoadChannel();
    void StoreChannel();
    void EnableChannelControls(bool on);
    void UpdateRepeat();

    // Commits run when a control loses the focus (the Rx one also on Enter).
    void CommitRx();
    void CommitTx();
    void CommitOffset();
    // A tone box's commit: a tone that does not exist is refused and the box
    // shows again what it showed when it took the focus.
    void CommitTone(EditControl toneBox);
    void CommitChannelNo();
    // What the last tone commit changed or refused of the text as typed, in
    // words for the dialog's notice line; empty when it took the text as
    // typed. Taking it clears it.
    std::string TakeNotice();

    // Events by control. Events for disabled controls, and every event after
    // Close(), are ignored.
    void SetText(EditControl c, const std::string& text) { Type(FieldIndex(c), text); }
    void Select(EditControl c, int index) { Choose(FieldIndex(c), index); }
    void SetChecked(EditControl c, bool checked) { Check(FieldIndex(c), checked); }
    void FocusIn(EditControl c) { FocusIn(FieldIndex(c)); }
    void FocusOut(EditControl c) { FocusOut(FieldIndex(c)); }
    // One click of the Channel no. spin: +1 up, -1 down; wraps at 1 and 16.
    void Spin(int step);
    using form::FieldPage::Key;
    KeyAction Key(EditControl focus, EditKey key);
    // Whether a typed character reaches the control, and as which character
    // (a comma typed into a frequency box is the point).
    bool AcceptsChar(EditControl c, char ch) const;
    char TypedChar(EditControl c, char ch) const;
    // The dialog closes: stores the channel on show once. Reopen() allows
    // events (and one more Close()) again when the dialog is shown anew.
    void Close();
    void Reopen() { closed_ = false; }
    bool IsClosed() const { return closed_; }

    // ---- As a page of dpmrtool's "Channel edit" (one channel a page) ----
    void LoadFromImage() override { LoadChannel(); }
    // Stores the channel when the user changed it.
    void SaveToImage() override;
    void Type(std::size_t i, const std::string& text) override;
    void Choose(std::size_t i, int index) override;
    void Check(std::size_t i, bool on) override;
    void FocusIn(std::size_t i) override;
    void FocusOut(std::size_t i) override;
    bool Spin(std::size_t i, int step) override;
    std::string WhyDisabled(std::size_t i) const override;

  private:
    ControlState& At(EditControl c) { return MutableState(FieldIndex(c)); }
    void SelectIndex(EditControl c, int index);
    void SetToneText(EditControl c, const std::string& text);
    void ApplySignalTypeRule();
    void ApplyCallTypeRule(EditControl type, EditControl contact, EditControl msg);
    void ApplyNewChannelDefaults();
    // Clamp of a committed frequency box: returns the text to show.
    std::string ClampedFrequencyText(const std::string& text) const;
    int ChannelNoValue() const;
    // Whether any control's value differs from what LoadChannel showed.
    bool ChangedSinceLoad() const;
    void ShowChannelNo(int n);
    // Whether events reach control i.
    bool Usable(std::size_t i) const;

    BandLimits band_;
    int current_ = kFirstChannel;
    std::string rxAtEntry_;
    std::string txAtEntry_;
    std::string toneAtEntry_;
    std::string notice_;
    bool closed_ = false;
    // The controls as LoadChannel left them, and whether the channel was there.
    std::array<ControlState, kEditControlCount> loaded_{};
    bool loadedPresent_ = false;
};

}  // namespace dpmr
