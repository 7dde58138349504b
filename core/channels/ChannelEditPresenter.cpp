// The channel edit dialog's joining rules: enabling, commits, new-channel
// defaults, Repeat and navigation. Loading and storing are the field kinds'.
#include "channels/ChannelEditPresenter.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "form/FieldKinds.h"
#include "image/ChannelRecord.h"
#include "util/DecimalText.h"
#include "util/Translation.h"

namespace dpmr {

using C = EditControl;
using form::FieldKind;

namespace {

constexpr int kRepeatOn = 0;
constexpr int kRepeatOff = 1;
constexpr std::int64_t kMaxOffset = 5000000;    // 50 MHz
constexpr std::int64_t kDefaultOffset = 60000;  // 0.6 MHz
constexpr const char* kDefaultOffsetText = "0.600000";

const form::FieldDecl& FieldOf(EditControl c) {
    return ChannelRecordDecl().fields[FieldIndex(c)];
}

// The controls an empty channel disables and clears: all but the channel
// number, the Rx box and the hidden Only rx list.
bool IsValueControl(EditControl c) {
    return c != C::kChannelNo && c != C::kRxFreq && c != C::kOnlyRx;
}

}  // namespace

ControlKind KindOf(EditControl c) {
    switch (FieldOf(c).kind) {
        case FieldKind::kList:
            return ControlKind::kList;
        case FieldKind::kCheck:
            return ControlKind::kCheck;
        case FieldKind::kTone:
            return ControlKind::kToneBox;
        default:
            return ControlKind::kEdit;
    }
}

const char* LabelOf(EditControl c) {
    return FieldOf(c).label.c_str();
}

std::size_t TextLimitOf(EditControl c) {
    return FieldOf(c).limit;
}

ChannelEditPresenter::ChannelEditPresenter(RadioImage& image, const BandLimits& band, int channel,
                                           std::string rxTextAtEntry)
    : form::FieldPage(ChannelPageDecl(channel), image),
      band_(band),
      current_(std::clamp(channel, kFirstChannel, kLastChannel)),
      rxAtEntry_(std::move(rxTextAtEntry)) {
    // The receive-only bit is always written as 0: its hidden list is never
    // given a selection.
    At(C::kOnlyRx).enabled = false;
    ShowChannelNo(current_);
    LoadChannel();
}

std::string ChannelEditPresenter::Text(EditControl c) const {
    const ControlState& s = State(c);
    return KindOf(c) == ControlKind::kList ? s.SelectedText() : s.text;
}

// ---------------------------------------------------------------------------
// Selections

void ChannelEditPresenter::SelectIndex(EditControl c, int index) {
    ControlState& s = At(c);
    if (index < 0 || index >= static_cast<int>(s.items.size())) index = -1;
    s.selected = index;
    if (KindOf(c) == ControlKind::kToneBox) s.text = s.SelectedText();
}

void ChannelEditPresenter::SetToneText(EditControl c, const std::string& text) {
    ControlState& s = At(c);
    s.text = text;
    s.selected = FindItemText(s.items, text);
}

// ---------------------------------------------------------------------------
// Load and store

void ChannelEditPresenter::LoadChannel() {
    const int n = std::clamp(ChannelNoValue(), kFirstChannel, kLastChannel);
    if (n != ChannelNoValue()) ShowChannelNo(n);
    MoveTo(ChannelPageDecl(n));
    const bool present = image_.U8(channel::RecordOffset(n) + channel::kRxFreq + 3) != 0xFF;

    if (!present) {
        EnableChannelControls(false);
    } else {
        EnableChannelControls(true);
        for (std::size_t i = 0; i < FieldCount(); ++i)
            form::LoadField(Field(i), image_, MutableState(i));
        ApplySignalTypeRule();
        ApplyCallTypeRule(C::kCall1Type, C::kCall1Contact, C::kCall1Msg);
        ApplyCallTypeRule(C::kCall2Type, C::kCall2Contact, C::kCall2Msg);
        if (Text(C::kRxFreq) == Text(C::kTxFreq)) UpdateRepeat();
    }
    current_ = n;
    rxAtEntry_ = Text(C::kRxFreq);
    for (std::size_t i = 0; i < kEditControlCount; ++i) loaded_[i] = State(i);
    loadedPresent_ = present;
}

bool ChannelEditPresenter::ChangedSinceLoad() const {
    for (std::size_t i = 0; i < kEditControlCount; ++i) {
        const ControlState& now = State(i);
        const ControlState& then = loaded_[i];
        if (now.text != then.text || now.selected != then.selected || now.checked != then.checked)
            return true;
    }
    return false;
}

void ChannelEditPresenter::StoreChannel() {
    const int n = current_;
    // A channel shown and left without a change keeps every byte, also those
    // a store would write in its own way (an unused group list as 0 where
    // the record has 0xFF).
    if (loadedPresent_ && !ChangedSinceLoad()) return;
    // Only an empty Rx box empties the channel.
    if (Text(C::kRxFreq).empty()) {
        ResetChannelRecord(image_, n);
        return;
    }
    for (std::size_t i = 0; i < FieldCount(); ++i) form::StoreField(Field(i), State(i), image_);
    // Typed texts are stored as they stand: no band clamp, no raster snap;
    // but a text that holds no frequency ("." or "0") is the lower band edge,
    // as its commit would have made it, never a channel that reads as empty.
    if (FrequencyFromText(Text(C::kRxFreq)) <= 0)
        SetBcdFrequency(image_, channel::RecordOffset(n) + channel::kRxFreq, band_.lower);
}

void ChannelEditPresenter::SaveToImage() {
    if (form::FieldPage::UserChanged()) StoreChannel();
}

// ---------------------------------------------------------------------------
// Enabling rules

void ChannelEditPresenter::EnableChannelControls(bool on) {
    for (std::size_t i = 0; i < kEditControlCount; ++i) {
        const auto c = static_cast<C>(i);
        if (!IsValueControl(c)) continue;
        ControlState& s = At(c);
        s.enabled = on;
        if (on) continue;
        if (KindOf(c) == ControlKind::kCheck) s.checked = false;
        if (KindOf(c) == ControlKind::kList || KindOf(c) == ControlKind::kToneBox)
            SelectIndex(c, -1);
    }
    if (!on) {
        At(C::kRxFreq).text.clear();
        At(C::kTxFreq).text.clear();
        At(C::kOffsetFreq).text.clear();
    }
}

void ChannelEditPresenter::UpdateRepeat() {
    const std::string rx = Text(C::kRxFreq);
    const bool differ = !rx.empty() && rx != Text(C::kTxFreq);
    SelectIndex(C::kRepeat, differ ? kRepeatOn : kRepeatOff);
    At(C::kRepeat).enabled = differ;
}

void ChannelEditPresenter::ApplySignalTypeRule() {
    const bool off = State(C::kSignalType).selected == 0;
    for (C c : {C::kAnalogCall1, C::kAnalogCall2}) {
        if (off) SelectIndex(c, 0);
        At(c).enabled = !off;
    }
}

void ChannelEditPresenter::ApplyCallTypeRule(EditControl type, EditControl contact,
                                             EditControl msg) {
    const bool off = State(type).selected == 0;
    for (C c : {contact, msg}) {
        if (off) SelectIndex(c, 0);
        At(c).enabled = !off;
    }
}

void ChannelEditPresenter::ApplyNewChannelDefaults() {
    for (C c : {C::kRxTone, C::kTxTone}) SetToneText(c, "None");
    SelectIndex(C::kTxPower, 0);
    At(C::kScan).checked = true;
    SelectIndex(C::kBandwidth, 0);
    At(C::kAutoContact).checked = false;
    At(C::kWorkAlone).checked = false;
    At(C::kReverse).checked = false;
    SelectIndex(C::kSignalType, 0);
    SelectIndex(C::kChannelType, 1);
    SelectIndex(C::kOffsetDirection, 0);
    At(C::kOffsetFreq).text = kDefaultOffsetText;
    SelectIndex(C::kRepeat, kRepeatOff);
    for (C c : {C::kTxContact, C::kGroupList, C::kCall1Type, C::kCall2Type, C::kCall1Contact,
                C::kCall2Contact, C::kCall1Msg, C::kCall2Msg, C::kAnalogCall1, C::kAnalogCall2,
                C::kBusy, C::kRxColourCode, C::kTxColourCode})
        SelectIndex(c, 0);
}

// ---------------------------------------------------------------------------
// Commits

std::string ChannelEditPresenter::ClampedFrequencyText(const std::string& text) const {
    // Any text is a frequency, an empty one too (the Tx box): below the band
    // it becomes the lower edge, above it the upper one (both edges belong to
    // the band).
    std::int64_t value = FrequencyFromText(text);
    if (value > band_.upper) value = band_.upper;
    if (value < band_.lower) value = band_.lower;
    return FrequencyToText(value);
}

void ChannelEditPresenter::CommitRx() {
    // Only an empty Rx box empties the channel.
    const std::string typed = Text(C::kRxFreq);
    const std::string text = typed.empty() ? std::string() : ClampedFrequencyText(typed);
    if (text.empty()) {
        EnableChannelControls(false);
    } else {
        EnableChannelControls(true);
        At(C::kRxFreq).text = text;
        if (rxAtEntry_.empty()) {
            At(C::kTxFreq).text = text;
            ApplyNewChannelDefaults();
        }
        ApplySignalTypeRule();
        ApplyCallTypeRule(C::kCall1Type, C::kCall1Contact, C::kCall1Msg);
        ApplyCallTypeRule(C::kCall2Type, C::kCall2Contact, C::kCall2Msg);
        if (text != rxAtEntry_)
            UpdateRepeat();
        else if (text == Text(C::kTxFreq))
            At(C::kRepeat).enabled = false;
    }
    rxAtEntry_ = Text(C::kRxFreq);
}

void ChannelEditPresenter::CommitTx() {
    if (Text(C::kRxFreq).empty()) return;
    At(C::kTxFreq).text = ClampedFrequencyText(Text(C::kTxFreq));
    if (Text(C::kTxFreq) != txAtEntry_) UpdateRepeat();
}

void ChannelEditPresenter::CommitOffset() {
    std::int64_t value = FrequencyFromText(Text(C::kOffsetFreq));
    if (value < 0 || value > kMaxOffset) value = kDefaultOffset;
    SnapToChannelGrid(value);  // now in Hz
    At(C::kOffsetFreq).text = FormatScaled(value, 6);
}

void ChannelEditPresenter::CommitTone(EditControl toneBox) {
    if (KindOf(toneBox) != ControlKind::kToneBox || Text(C::kRxFreq).empty()) return;
    TypedTone tone = TakeTypedTone(Text(toneBox));
    notice_ = std::move(tone.notice);
    SetToneText(toneBox, tone.refused ? toneAtEntry_ : tone.text);
}

std::string ChannelEditPresenter::TakeNotice() {
    return std::exchange(notice_, std::string());
}

int ChannelEditPresenter::ChannelNoValue() const {
    return ScanInt(Text(C::kChannelNo)).value_or(0);
}

void ChannelEditPresenter::ShowChannelNo(int n) {
    At(C::kChannelNo).text = std::to_string(n);
}

void ChannelEditPresenter::CommitChannelNo() {
    const int k = ChannelNoValue();
    if (k == current_) {
        ShowChannelNo(k);
        return;
    }
    StoreChannel();
    ShowChannelNo(std::clamp(k, kFirstChannel, kLastChannel));
    LoadChannel();
}

// ---------------------------------------------------------------------------
// Events

bool ChannelEditPresenter::Usable(std::size_t i) const {
    return !closed_ && i < FieldCount() && State(i).enabled;
}

void ChannelEditPresenter::Type(std::size_t i, const std::string& text) {
    if (!Usable(i) || KindOf(static_cast<C>(i)) == ControlKind::kList ||
        KindOf(static_cast<C>(i)) == ControlKind::kCheck)
        return;
    form::FieldPage::Type(i, text);
}

void ChannelEditPresenter::Choose(std::size_t i, int index) {
    const auto c = static_cast<C>(i);
    if (!Usable(i) || KindOf(c) == ControlKind::kEdit || KindOf(c) == ControlKind::kCheck) return;
    form::FieldPage::Choose(i, index);
    if (c == C::kSignalType) ApplySignalTypeRule();
    if (c == C::kCall1Type) ApplyCallTypeRule(C::kCall1Type, C::kCall1Contact, C::kCall1Msg);
    if (c == C::kCall2Type) ApplyCallTypeRule(C::kCall2Type, C::kCall2Contact, C::kCall2Msg);
}

void ChannelEditPresenter::Check(std::size_t i, bool on) {
    if (!Usable(i) || KindOf(static_cast<C>(i)) != ControlKind::kCheck) return;
    form::FieldPage::Check(i, on);
}

void ChannelEditPresenter::FocusIn(std::size_t i) {
    if (closed_ || i >= FieldCount()) return;
    form::FieldPage::FocusIn(i);
    const auto c = static_cast<C>(i);
    if (c == C::kRxFreq) rxAtEntry_ = Text(C::kRxFreq);
    if (c == C::kTxFreq) txAtEntry_ = Text(C::kTxFreq);
    if (c == C::kRxTone || c == C::kTxTone) toneAtEntry_ = Text(c);
}

void ChannelEditPresenter::FocusOut(std::size_t i) {
    if (closed_ || i >= FieldCount()) return;
    form::FieldPage::FocusOut(i);
    switch (static_cast<C>(i)) {
        case C::kChannelNo:
            CommitChannelNo();
            break;
        case C::kRxFreq:
            CommitRx();
            break;
        case C::kTxFreq:
            CommitTx();
            break;
        case C::kOffsetFreq:
            CommitOffset();
            break;
        case C::kRxTone:
        case C::kTxTone:
            CommitTone(static_cast<C>(i));
            break;
        default:
            break;
    }
}

bool ChannelEditPresenter::Spin(std::size_t i, int step) {
    if (static_cast<C>(i) != C::kChannelNo) return false;
    Spin(step);
    return true;
}

void ChannelEditPresenter::Spin(int step) {
    if (closed_ || step == 0) return;
    StoreChannel();
    int k = ChannelNoValue() + (step > 0 ? 1 : -1);
    if (k < kFirstChannel || k > kLastChannel) k = step > 0 ? kFirstChannel : kLastChannel;
    ShowChannelNo(k);
    LoadChannel();
}

std::string ChannelEditPresenter::WhyDisabled(std::size_t i) const {
    if (i >= FieldCount() || State(i).enabled) return {};
    switch (static_cast<C>(i)) {
        case C::kOnlyRx:
            return Tr("channels", "the channel's receive-only bit is always written as 0");
        case C::kAnalogCall1:
        case C::kAnalogCall2:
            if (!Text(C::kRxFreq).empty()) return Tr("channels", "\"Signal type\" is \"Off\"");
            break;
        case C::kCall1Contact:
        case C::kCall1Msg:
        case C::kCall2Contact:
        case C::kCall2Msg:
            if (!Text(C::kRxFreq).empty()) return Tr("channels", "the call's \"Type\" is \"Off\"");
            break;
        case C::kRepeat:
            if (!Text(C::kRxFreq).empty()) return Tr("channels", "Rx and Tx freq are equal");
            break;
        default:
            break;
    }
    return Tr("channels", "the channel is empty: give it an Rx freq first");
}

KeyAction ChannelEditPresenter::Key(EditControl focus, EditKey key) {
    if (closed_) return KeyAction::kConsumed;
    switch (key) {
        case EditKey::kEnter:
            if (focus == C::kRxFreq) CommitRx();
            return KeyAction::kConsumed;
        case EditKey::kEscape:
            return focus == C::kRxFreq ? KeyAction::kClose : KeyAction::kConsumed;
        case EditKey::kUp:
        case EditKey::kDown:
            if (focus != C::kChannelNo) return KeyAction::kPassOn;
            Spin(key == EditKey::kUp ? 1 : -1);
            return KeyAction::kConsumed;
    }
    return KeyAction::kPassOn;
}

char ChannelEditPresenter::TypedChar(EditControl c, char ch) const {
    return form::TypedChar(FieldOf(c), ch).value_or(ch);
}

bool ChannelEditPresenter::AcceptsChar(EditControl c, char ch) const {
    // The lists take no typing; the other edits take what their kind takes.
    if (KindOf(c) == ControlKind::kList || KindOf(c) == ControlKind::kCheck) return true;
    return Accepts(FieldIndex(c), ch);
}

void ChannelEditPresenter::Close() {
    if (closed_) return;
    StoreChannel();
    closed_ = true;
}

}  // namespace dpmr
