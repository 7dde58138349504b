// The channel edit dialog's rules: record mapping, commits, enabling rules,
// navigation and keyboard handling.
#include "channels/ChannelEditPresenter.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>

#include "channels/ChannelRecord.h"
#include "channels/ChannelRowText.h"
#include "channels/FrequencyCodec.h"
#include "channels/ToneCodec.h"
#include "util/DecimalText.h"

namespace dpmr {

using namespace channel;
using C = EditControl;

namespace {

struct ControlInfo {
    ControlKind kind;
    const char* label;
    std::size_t limit;
    bool valueControl;  // enabled and cleared with the channel
};

// Indexed by EditControl.
constexpr std::array<ControlInfo, kEditControlCount> kControls{{
    {ControlKind::kEdit, "Channel no.", 4, false},
    {ControlKind::kEdit, "Rx freq (MHz)", 10, false},
    {ControlKind::kEdit, "Tx freq (MHz)", 10, true},
    {ControlKind::kList, "Channel type", 0, true},
    {ControlKind::kList, "Tx power", 0, true},
    {ControlKind::kList, "Bandwidth", 0, true},
    {ControlKind::kCheck, "Reverse", 0, true},
    {ControlKind::kCheck, "Scan", 0, true},
    {ControlKind::kCheck, "Talk around", 0, true},
    {ControlKind::kCheck, "Auto contact", 0, true},
    {ControlKind::kCheck, "Work alone", 0, true},
    {ControlKind::kList, "Only rx", 0, false},
    {ControlKind::kList, "Repeat", 0, true},
    {ControlKind::kList, "Tx contact", 0, true},
    {ControlKind::kList, "Group rx list", 0, true},
    {ControlKind::kList, "Type", 0, true},
    {ControlKind::kList, "Contact", 0, true},
    {ControlKind::kList, "Msg no.", 0, true},
    {ControlKind::kList, "Type", 0, true},
    {ControlKind::kList, "Contact", 0, true},
    {ControlKind::kList, "Msg no.", 0, true},
    {ControlKind::kList, "Signal type", 0, true},
    {ControlKind::kList, "Analog call 1", 0, true},
    {ControlKind::kList, "Analog call 2", 0, true},
    {ControlKind::kCheck, "PTTID", 0, true},
    {ControlKind::kToneBox, "Rx tone", 0, true},
    {ControlKind::kToneBox, "Tx tone", 0, true},
    {ControlKind::kList, "Busy", 0, true},
    {ControlKind::kList, "Rx color code", 0, true},
    {ControlKind::kList, "Tx color code", 0, true},
    {ControlKind::kList, "Offset direction", 0, true},
    {ControlKind::kEdit, "Offset freq (MHz)", 9, true},
}};

const ControlInfo& Info(C c) {
    return kControls[static_cast<std::size_t>(c)];
}

constexpr std::string_view kFrequencyChars = "0123456789.,";  // a comma is taken as the point
constexpr int kRepeatOn = 0;
constexpr int kRepeatOff = 1;
constexpr std::int64_t kMaxOffset = 5000000;    // 50 MHz
constexpr std::int64_t kDefaultOffset = 60000;  // 0.6 MHz
constexpr const char* kDefaultOffsetText = "0.600000";
constexpr std::uint8_t kNoMessage = 63;
constexpr unsigned kOnlyRxBit = 7;
constexpr unsigned kPttidBit = 2;
constexpr unsigned kCallMessageLo = 0;  // 6 bits
constexpr unsigned kCallTypeLo = 6;     // 2 bits

// List items numbered by their index.
ListItems TextItems(std::span<const char* const> texts) {
    ListItems items;
    int k = 0;
    for (const char* t : texts) items.push_back({t, k++});
    return items;
}
ListItems TextItems(std::initializer_list<const char*> texts) {
    return TextItems(std::span<const char* const>(texts.begin(), texts.size()));
}

std::uint8_t U8Of(int v) {
    return static_cast<std::uint8_t>(v);
}

}  // namespace

ControlKind KindOf(EditControl c) {
    return Info(c).kind;
}
const char* LabelOf(EditControl c) {
    return Info(c).label;
}
std::size_t TextLimitOf(EditControl c) {
    return Info(c).limit;
}

ChannelEditPresenter::ChannelEditPresenter(RadioImage& image, const BandLimits& band, int channel,
                                           std::string rxTextAtEntry)
    : image_(image),
      band_(band),
      current_(std::clamp(channel, kFirstChannel, kLastChannel)),
      rxAtEntry_(std::move(rxTextAtEntry)) {
    BuildLists();
    ShowChannelNo(current_);
    LoadChannel();
}

const ControlState& ChannelEditPresenter::State(EditControl c) const {
    return controls_[static_cast<std::size_t>(c)];
}

ControlState& ChannelEditPresenter::At(EditControl c) {
    return controls_[static_cast<std::size_t>(c)];
}

std::string ChannelEditPresenter::Text(EditControl c) const {
    const ControlState& s = State(c);
    if (KindOf(c) != ControlKind::kList) return s.text;
    if (s.selected < 0 || s.selected >= static_cast<int>(s.items.size())) return {};
    return s.items[static_cast<std::size_t>(s.selected)].text;
}

// ---------------------------------------------------------------------------
// Lists

void ChannelEditPresenter::BuildLists() {
    ListItems tones;
    for (const std::string& t : ToneList()) tones.push_back({t, static_cast<int>(tones.size())});
    At(C::kRxTone).items = tones;
    At(C::kTxTone).items = tones;

    At(C::kChannelType).items = TextItems(kChannelTypeTexts);
    At(C::kTxPower).items = TextItems(kPowerTexts);
    At(C::kBandwidth).items = TextItems(kBandwidthTexts);
    At(C::kOnlyRx).items = TextItems({"Off", "Only rx"});
    At(C::kRepeat).items = TextItems({"On", "Off"});
    At(C::kSignalType).items = TextItems({"Off", "DTMF"});
    At(C::kBusy).items = TextItems({"Off", "Carrier"});
    At(C::kOffsetDirection).items = TextItems({"Off", "+", "-"});
    for (C c : {C::kCall1Type, C::kCall2Type}) At(c).items = TextItems({"Off", "Call", "Msg"});

    ListItems colours{{"Auto", 0xFF}};
    for (int k = 0; k <= 63; ++k) colours.push_back({std::to_string(k), k});
    At(C::kRxColourCode).items = colours;
    At(C::kTxColourCode).items = colours;

    const ListItems contacts = ContactListItems("None", ContactsInIndexOrder(image_));
    for (C c : {C::kTxContact, C::kCall1Contact, C::kCall2Contact}) At(c).items = contacts;
    At(C::kGroupList).items = NumberListItems("None", ExistingGroupLists(image_));
    const ListItems messages = NumberListItems("Off", ExistingShortMessages(image_));
    At(C::kCall1Msg).items = messages;
    At(C::kCall2Msg).items = messages;
    const ListItems dtmf = NumberListItems("None", ExistingDtmfCodes(image_));
    At(C::kAnalogCall1).items = dtmf;
    At(C::kAnalogCall2).items = dtmf;
}

void ChannelEditPresenter::SelectIndex(EditControl c, int index) {
    ControlState& s = At(c);
    if (index < 0 || index >= static_cast<int>(s.items.size())) index = -1;
    s.selected = index;
    if (KindOf(c) == ControlKind::kToneBox)
        s.text = index < 0 ? std::string() : s.items[static_cast<std::size_t>(index)].text;
}

void ChannelEditPresenter::SetToneText(EditControl c, const std::string& text) {
    ControlState& s = At(c);
    s.text = text;
    s.selected = FindItemText(s.items, text);
}

// ---------------------------------------------------------------------------
// Load and store

void ChannelEditPresenter::LoadListByText(EditControl c, int value, int fallback) {
    const int index = FindItemText(State(c).items, std::to_string(value));
    SelectIndex(c, index >= 0 ? index : fallback);
}

void ChannelEditPresenter::LoadContact(EditControl c, std::uint8_t byte) {
    // Contacts are found by their number, so two contacts of one name stay apart.
    int index = 0;
    if (byte != 0 && byte <= 64) index = std::max(0, FindItemData(State(c).items, byte));
    SelectIndex(c, index);
}

void ChannelEditPresenter::LoadCallMessage(EditControl type, EditControl msg, std::uint8_t byte) {
    const unsigned number = byte & 0x3Fu;
    const unsigned callType = byte >> kCallTypeLo;
    int index = 0;
    if (number >= 1 && number <= 16)
        index = std::max(0, FindItemText(State(msg).items, std::to_string(number)));
    SelectIndex(msg, index);
    SelectIndex(type, callType == 3 ? 0 : static_cast<int>(callType));
}

void ChannelEditPresenter::LoadChannel() {
    const int n = std::clamp(ChannelNoValue(), kFirstChannel, kLastChannel);
    if (n != ChannelNoValue()) ShowChannelNo(n);
    const std::size_t r = RecordOffset(n);

    if (image_.U8(r + kRxFreq + 3) == 0xFF) {
        EnableChannelControls(false);
    } else {
        EnableChannelControls(true);
        At(C::kRxFreq).text = image_.U8(r + kRxFreq + 3) == 0x00
                                  ? std::string()
                                  : FrequencyToText(BcdFrequency(image_, r + kRxFreq));
        At(C::kTxFreq).text = IsTxFrequencyEmpty(image_, n)
                                  ? std::string()
                                  : FrequencyToText(BcdFrequency(image_, r + kTxFreq));
        // A tone the list lacks (a free CTCSS value) shows its own text.
        SetToneText(C::kRxTone, ToneCodeToText(ReadToneCode(image_, r + kRxTone)));
        SetToneText(C::kTxTone, ToneCodeToText(ReadToneCode(image_, r + kTxTone)));

        const std::size_t flags = r + kFlags;
        At(C::kScan).checked = image_.Bit(flags, kScanBit);
        SelectIndex(C::kBandwidth, image_.Bit(flags, kNarrowBit) ? 1 : 0);
        At(C::kAutoContact).checked = image_.Bit(flags, kAutoContactBit);
        At(C::kWorkAlone).checked = image_.Bit(flags, kWorkAloneBit);
        At(C::kTalkAround).checked = image_.Bit(flags, kTalkAroundBit);
        At(C::kReverse).checked = image_.Bit(flags, kReverseBit);
        SelectIndex(C::kTxPower, image_.Bits(flags, kPowerLo, 2) == 3 ? 1 : 0);

        const unsigned signal = image_.Bits(r + kSignalling, 0, 2);
        SelectIndex(C::kSignalType, signal >= 2 ? 0 : static_cast<int>(signal));
        At(C::kPttid).checked = image_.Bit(r + kSignalling, kPttidBit);

        const unsigned busy = image_.Bits(r + kMode, kBusyLo, 2);
        SelectIndex(C::kBusy, busy >= 2 ? 0 : static_cast<int>(busy));
        SelectIndex(C::kChannelType, static_cast<int>(image_.Bits(r + kMode, kChannelTypeLo, 2)));

        for (auto [c, off] : {std::pair{C::kRxColourCode, kRxColourCode},
                              std::pair{C::kTxColourCode, kTxColourCode}}) {
            const std::uint8_t b = image_.U8(r + off);
            if (b == 0xFF)
                SelectIndex(c, 0);
            else
                LoadListByText(c, b, FindItemText(State(c).items, "0"));
        }
        LoadContact(C::kTxContact, image_.U8(r + kTxContact));
        const std::uint8_t repeat = image_.U8(r + kSameFrequency);
        SelectIndex(C::kRepeat, repeat > 1 ? 0 : repeat);
        LoadListByText(C::kGroupList, image_.U8(r + kGroupList), 0);
        LoadListByText(C::kAnalogCall1, image_.U8(r + kAnalogCall1), 0);
        LoadListByText(C::kAnalogCall2, image_.U8(r + kAnalogCall2), 0);
        LoadContact(C::kCall1Contact, image_.U8(r + kCall1Contact));
        LoadCallMessage(C::kCall1Type, C::kCall1Msg, image_.U8(r + kCall1Message));
        LoadContact(C::kCall2Contact, image_.U8(r + kCall2Contact));
        LoadCallMessage(C::kCall2Type, C::kCall2Msg, image_.U8(r + kCall2Message));

        ApplySignalTypeRule();
        ApplyCallTypeRule(C::kCall1Type, C::kCall1Contact, C::kCall1Msg);
        ApplyCallTypeRule(C::kCall2Type, C::kCall2Contact, C::kCall2Msg);
        if (Text(C::kRxFreq) == Text(C::kTxFreq)) UpdateRepeat();
    }
    current_ = n;
    rxAtEntry_ = Text(C::kRxFreq);
    loaded_ = controls_;
    loadedPresent_ = image_.U8(r + kRxFreq + 3) != 0xFF;
}

bool ChannelEditPresenter::ChangedSinceLoad() const {
    for (std::size_t i = 0; i < kEditControlCount; ++i) {
        const ControlState& now = controls_[i];
        const ControlState& then = loaded_[i];
        if (now.text != then.text || now.selected != then.selected || now.checked != then.checked)
            return true;
    }
    return false;
}

std::uint8_t ChannelEditPresenter::SelectedNumberOr(EditControl c, std::uint8_t none) const {
    const auto n = ScanInt(Text(c));
    return n ? U8Of(*n) : none;
}

void ChannelEditPresenter::StoreCallMessage(EditControl type, EditControl msg, std::size_t off) {
    const auto n = ScanInt(Text(msg));
    const unsigned number = (n && *n >= 1 && *n <= 16) ? static_cast<unsigned>(*n) : kNoMessage;
    image_.SetBits(off, kCallMessageLo, 6, number);
    image_.SetBits(off, kCallTypeLo, 2, static_cast<unsigned>(std::max(0, State(type).selected)));
}

void ChannelEditPresenter::StoreChannel() {
    const int n = current_;
    const std::size_t r = RecordOffset(n);
    // A channel shown and left without a change keeps every byte, also those
    // a store would write in its own way (an unused group list as 0 where
    // the record has 0xFF).
    if (loadedPresent_ && !ChangedSinceLoad()) return;
    const std::string rx = Text(C::kRxFreq);
    // Only an empty Rx box empties the channel.
    if (rx.empty()) {
        ResetChannelRecord(image_, n);
        return;
    }
    // Typed texts are stored as they stand: no band clamp, no raster snap;
    // but a text that holds no frequency ("." or "0") is the lower band edge,
    // as its commit would have made it, never a channel that reads as empty.
    const std::int64_t rxValue = FrequencyFromText(rx);
    SetBcdFrequency(image_, r + kRxFreq, rxValue > 0 ? rxValue : band_.lower);
    const std::string tx = Text(C::kTxFreq);
    if (tx.empty())
        image_.FillFF(r + kTxFreq, 4);
    else
        SetBcdFrequency(image_, r + kTxFreq, FrequencyFromText(tx));
    WriteToneCode(image_, r + kRxTone, ToneCodeFromText(Text(C::kRxTone)));
    WriteToneCode(image_, r + kTxTone, ToneCodeFromText(Text(C::kTxTone)));

    const std::size_t flags = r + kFlags;
    image_.SetBit(flags, kScanBit, State(C::kScan).checked);
    image_.SetBit(flags, kNarrowBit, State(C::kBandwidth).selected == 1);
    image_.SetBit(flags, kAutoContactBit, State(C::kAutoContact).checked);
    image_.SetBit(flags, kWorkAloneBit, State(C::kWorkAlone).checked);
    image_.SetBit(flags, kTalkAroundBit, State(C::kTalkAround).checked);
    image_.SetBit(flags, kReverseBit, State(C::kReverse).checked);
    image_.SetBits(flags, kPowerLo, 2, State(C::kTxPower).selected == 1 ? 3 : 0);

    image_.SetBits(r + kSignalling, 0, 2,
                   static_cast<unsigned>(std::max(0, State(C::kSignalType).selected)));
    image_.SetBit(r + kSignalling, kPttidBit, State(C::kPttid).checked);
    // Receive only is never set from this dialog.
    image_.SetBit(r + kSignalling, kOnlyRxBit, false);

    image_.SetBits(r + kMode, kBusyLo, 2,
                   static_cast<unsigned>(std::max(0, State(C::kBusy).selected)));
    const int channelType = State(C::kChannelType).selected;
    image_.SetBits(r + kMode, kChannelTypeLo, 2,
                   static_cast<unsigned>(channelType < 0 ? 1 : channelType));

    image_.SetU8(r + kRxColourCode, SelectedNumberOr(C::kRxColourCode, 0xFF));
    image_.SetU8(r + kTxColourCode, SelectedNumberOr(C::kTxColourCode, 0xFF));
    image_.SetU8(r + kGroupList, SelectedNumberOr(C::kGroupList, 0));
    const ControlState& txContact = State(C::kTxContact);
    image_.SetU8(r + kTxContact,
                 txContact.selected < 0
                     ? 0xFF
                     : U8Of(txContact.items[static_cast<std::size_t>(txContact.selected)].data));
    image_.SetU8(r + kSameFrequency, U8Of(std::max(0, State(C::kRepeat).selected)));
    image_.SetU8(r + kAnalogCall1, SelectedNumberOr(C::kAnalogCall1, 0xFF));
    image_.SetU8(r + kAnalogCall2, SelectedNumberOr(C::kAnalogCall2, 0xFF));
    for (auto [contact, type, msg, off] :
         {std::tuple{C::kCall1Contact, C::kCall1Type, C::kCall1Msg, kCall1Contact},
          std::tuple{C::kCall2Contact, C::kCall2Type, C::kCall2Msg, kCall2Contact}}) {
        const ControlState& s = State(contact);
        const int data = s.selected < 0 ? 0 : s.items[static_cast<std::size_t>(s.selected)].data;
        image_.SetU8(r + off, data >= 1 && data <= 64 ? U8Of(data) : 0xFF);
        StoreCallMessage(type, msg, r + off + 1);
    }
}

// ---------------------------------------------------------------------------
// Enabling rules

void ChannelEditPresenter::EnableChannelControls(bool on) {
    for (std::size_t i = 0; i < kEditControlCount; ++i) {
        const auto c = static_cast<C>(i);
        if (!Info(c).valueControl) continue;
        ControlState& s = controls_[i];
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

void ChannelEditPresenter::SetText(EditControl c, const std::string& text) {
    if (closed_ || !State(c).enabled) return;
    const ControlKind kind = KindOf(c);
    if (kind == ControlKind::kToneBox) {
        SetToneText(c, text);
        return;
    }
    if (kind != ControlKind::kEdit) return;
    std::string kept;
    for (char ch : text)
        if (AcceptsChar(c, ch)) kept.push_back(TypedChar(c, ch));
    if (TextLimitOf(c) != 0 && kept.size() > TextLimitOf(c)) kept.resize(TextLimitOf(c));
    At(c).text = kept;
}

void ChannelEditPresenter::Select(EditControl c, int index) {
    if (closed_ || !State(c).enabled) return;
    const ControlKind kind = KindOf(c);
    if (kind != ControlKind::kList && kind != ControlKind::kToneBox) return;
    SelectIndex(c, index);
    if (c == C::kSignalType) ApplySignalTypeRule();
    if (c == C::kCall1Type) ApplyCallTypeRule(C::kCall1Type, C::kCall1Contact, C::kCall1Msg);
    if (c == C::kCall2Type) ApplyCallTypeRule(C::kCall2Type, C::kCall2Contact, C::kCall2Msg);
}

void ChannelEditPresenter::SetChecked(EditControl c, bool checked) {
    if (closed_ || !State(c).enabled || KindOf(c) != ControlKind::kCheck) return;
    At(c).checked = checked;
}

void ChannelEditPresenter::FocusIn(EditControl c) {
    if (closed_) return;
    if (c == C::kRxFreq) rxAtEntry_ = Text(C::kRxFreq);
    if (c == C::kTxFreq) txAtEntry_ = Text(C::kTxFreq);
    if (c == C::kRxTone || c == C::kTxTone) toneAtEntry_ = Text(c);
}

void ChannelEditPresenter::FocusOut(EditControl c) {
    if (closed_) return;
    switch (c) {
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
            CommitTone(c);
            break;
        default:
            break;
    }
}

void ChannelEditPresenter::Spin(int step) {
    if (closed_ || step == 0) return;
    StoreChannel();
    int k = ChannelNoValue() + (step > 0 ? 1 : -1);
    if (k < kFirstChannel || k > kLastChannel) k = step > 0 ? kFirstChannel : kLastChannel;
    ShowChannelNo(k);
    LoadChannel();
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
    return ch == ',' && (c == C::kRxFreq || c == C::kTxFreq) ? '.' : ch;
}

bool ChannelEditPresenter::AcceptsChar(EditControl c, char ch) const {
    if (c == C::kRxFreq || c == C::kTxFreq)
        return kFrequencyChars.find(ch) != std::string_view::npos;
    if (c == C::kChannelNo) return ch >= '0' && ch <= '9';
    return true;
}

void ChannelEditPresenter::Close() {
    if (closed_) return;
    StoreChannel();
    closed_ = true;
}

}  // namespace dpmr
