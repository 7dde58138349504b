// ChannelEditPresenter: every rule of the "Channel edit" dialog, without Qt.
// It holds what the dialog's controls show (texts, list items and selections,
// check marks, enabled flags), the channel on show and the Rx/Tx texts at focus
// entry, loads one channel record of the image into the controls and stores the
// controls back into it. The Qt dialog forwards its events here and draws the
// resulting state.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "channels/BandLimits.h"
#include "channels/ChannelEditLists.h"
#include "form/ControlState.h"
#include "image/RadioImage.h"

namespace dpmr {

// The dialog's controls. Auto contact, Work alone and Only rx are hidden;
// Offset direction, Offset freq and both Msg no. lists are never visible. All
// of them still load, store and enable like the others.
enum class EditControl : int {
    kChannelNo,
    kRxFreq,
    kTxFreq,
    kChannelType,
    kTxPower,
    kBandwidth,
    kReverse,
    kScan,
    kTalkAround,
    kAutoContact,
    kWorkAlone,
    kOnlyRx,
    kRepeat,
    kTxContact,
    kGroupList,
    kCall1Type,
    kCall1Contact,
    kCall1Msg,
    kCall2Type,
    kCall2Contact,
    kCall2Msg,
    kSignalType,
    kAnalogCall1,
    kAnalogCall2,
    kPttid,
    kRxTone,
    kTxTone,
    kBusy,
    kRxColourCode,
    kTxColourCode,
    kOffsetDirection,
    kOffsetFreq,
};
inline constexpr std::size_t kEditControlCount =
    static_cast<std::size_t>(EditControl::kOffsetFreq) + 1;

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

class ChannelEditPresenter {
  public:
    static constexpr int kFirstChannel = 1;
    static constexpr int kLastChannel = 16;

    // Builds the lists, shows `channel` (limited to 1..16) and loads it.
    // `rxTextAtEntry` is the opener's "Rx Freq" text of that channel.
    ChannelEditPresenter(RadioImage& image, const BandLimits& band, int channel,
                         std::string rxTextAtEntry);

    // What the controls show.
    const ControlState& State(EditControl c) const;
    // An edit's or tone box's text, or the selected item's text of a list
    // (empty with no selection).
    std::string Text(EditControl c) const;
    int CurrentChannel() const { return current_; }
    const std::string& RxTextAtEntry() const { return rxAtEntry_; }
    const std::string& TxTextAtEntry() const { return txAtEntry_; }

    // The dialog's operations.
    void BuildLists();
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

    // Events from the dialog. Events for disabled or unknown controls, and
    // every event after Close(), are ignored.
    void SetText(EditControl c, const std::string& text);  // filtered and limited
    void Select(EditControl c, int index);
    void SetChecked(EditControl c, bool checked);
    void FocusIn(EditControl c);
    void FocusOut(EditControl c);
    // One click of the Channel no. spin: +1 up, -1 down; wraps at 1 and 16.
    void Spin(int step);
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

  private:
    ControlState& At(EditControl c);
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

    void LoadListByText(EditControl c, int value, int fallback);
    void LoadContact(EditControl c, std::uint8_t byte);
    void LoadCallMessage(EditControl type, EditControl msg, std::uint8_t byte);
    void StoreCallMessage(EditControl type, EditControl msg, std::size_t off);
    std::uint8_t SelectedNumberOr(EditControl c, std::uint8_t none) const;

    RadioImage& image_;
    const BandLimits& band_;
    std::array<ControlState, kEditControlCount> controls_{};
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
