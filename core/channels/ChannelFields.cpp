// The channel record's field rows.
#include "channels/ChannelFields.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

#include "channels/ChannelEditLists.h"
#include "channels/ChannelRowText.h"
#include "image/ChannelRecord.h"

namespace dpmr {

using namespace form;

namespace {

// A list whose first entry stands for `firstCode`, followed by entries the
// document supplies; `none` is stored when nothing is selected.
FieldDecl SourcedList(std::string key, std::string label, Location at, const char* first,
                      int firstCode, int none, ItemSource source) {
    FieldDecl f = CodedList(std::move(key), std::move(label), at, {first}, {firstCode}, 0, none);
    f.list.source = source;
    return f;
}

FieldDecl ColourCode(std::string key, std::string label, std::size_t off) {
    std::vector<std::string> items{"Auto"};
    std::vector<int> codes{0xFF};
    for (int k = 0; k <= 63; ++k) {
        items.push_back(std::to_string(k));
        codes.push_back(k);
    }
    // A code above 63 shows "0"; nothing selected stores automatic.
    return CodedList(std::move(key), std::move(label), Byte(off), items, codes, 1, 0xFF);
}

// Each row is put at the place of the control it is named for, so the rows
// are in the order of EditControl whatever order they are written in; a
// control given no row, or two, stops the program at the first use.
PageDecl MakeRecordDecl() {
    using namespace channel;
    using C = EditControl;
    std::vector<FieldDecl> rows(kEditControlCount);
    const auto put = [&rows](C control, FieldDecl row) {
        FieldDecl& place = rows[FieldIndex(control)];
        assert(place.key.empty() && !row.key.empty());
        place = std::move(row);
    };
    const std::vector<std::string> callTypes{"Off", "Call", "Msg"};
    NumberRule channelNo{.min = 1, .max = 16, .commit = NumberCommit::kNone};
    FieldDecl onlyRx = List("only_rx", "Only rx", BitAt(kSignalling, 7), {"Off", "Only rx"}, 0, 0);
    onlyRx.list.loaded = false;  // never given a selection: always stores 0

    put(C::kChannelNo, Number("channel_no", "Channel no.", OnScreenOnly(), channelNo, 4)
                           .Help("The channel on show, 1 to 16. The spin and the arrow keys step "
                                 "through the channels "
                                 "(16 follows 1 backwards); the channel left is stored first."));
    put(C::kRxFreq,
        Frequency("rx_freq", "Rx freq (MHz)", Bytes(kRxFreq, 4), 10)
            .Help(
                "Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 "
                "MHz). A frequency outside the band in use becomes its lower edge, and one off the "
                "2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the "
                "channel."));
    put(C::kTxFreq,
        Frequency("tx_freq", "Tx freq (MHz)", Bytes(kTxFreq, 4), 10)
            .Help(
                "Transmit frequency in MHz; a new channel gets its receive frequency. A different "
                "one (a repeater's input) switches Repeat on. It is brought into the band and onto "
                "the raster like the receive frequency."));
    put(C::kChannelType,
        List("channel_type", "Channel type", BitsAt(kMode, kChannelTypeLo, 2),
             {kChannelTypeTexts.begin(), kChannelTypeTexts.end()}, 0, 1)
            .Help(
                "Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the "
                "channel takes both kinds of call and transmits digital or analog respectively."));
    put(C::kTxPower,
        CodedList("power", "Tx power", BitsAt(kFlags, kPowerLo, 2),
                  {kPowerTexts.begin(), kPowerTexts.end()}, {0, 3}, 0, 0)
            .Help("Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to "
                  "what your licence allows."));
    put(C::kBandwidth,
        List("bandwidth", "Bandwidth", BitAt(kFlags, kNarrowBit),
             {kBandwidthTexts.begin(), kBandwidthTexts.end()}, 0, 0)
            .Help(
                "Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios "
                "that talk to each other need the same width."));
    put(C::kReverse,
        Check("reverse", "Reverse", BitAt(kFlags, kReverseBit))
            .Help("Swaps receive and transmit frequency, to listen on a repeater's input."));
    put(C::kScan,
        Check("scan", "Scan", BitAt(kFlags, kScanBit))
            .Help(
                "The channel takes part in scanning. The channel table shows this as Add or Del."));
    put(C::kTalkAround,
        Check("talk_around", "Talk around", BitAt(kFlags, kTalkAroundBit))
            .Help("Transmits on the receive frequency, to reach radios nearby directly when the "
                  "repeater is out of reach."));
    put(C::kAutoContact,
        Check("auto_contact", "Auto contact", BitAt(kFlags, kAutoContactBit))
            .Hidden()
            .Help("Automatic contact on this channel, the function set in Alarm > Auto contact."));
    put(C::kWorkAlone,
        Check("work_alone", "Work alone", BitAt(kFlags, kWorkAloneBit))
            .Hidden()
            .Help("Lone worker on this channel, the function set in Alarm > Work alone."));
    put(C::kOnlyRx,
        onlyRx.Hidden().Help(
            "Receive only (bit 7 of record byte +0x11); the dialog always stores Off."));
    put(C::kRepeat,
        List("repeat", "Repeat", Byte(kSameFrequency), {"On", "Off"}, 0, 0)
            .InGroup("Digit")
            .Help(
                "On: the channel works through a repeater, with different receive and transmit "
                "frequencies. With both frequencies equal the dialog sets Off and leaves it so."));
    put(C::kTxContact,
        SourcedList("tx_contact", "Tx contact", Byte(kTxContact), "None", 0, 0xFF, ContactItems)
            .InGroup("Digit")
            .Help("The contact a digital transmission on this channel calls (dPMR param > "
                  "Contact), or "
                  "None."));
    put(C::kGroupList,
        SourcedList("group_list", "Group rx list", Byte(kGroupList), "None", 0, 0, GroupListItems)
            .InGroup("Digit")
            .Help("The group receive list (dPMR param > Group rx list) whose group calls this "
                  "channel "
                  "receives, or None."));
    put(C::kCall1Type,
        List("call1_type", "Type", BitsAt(kCall1Message, 6, 2), callTypes, 0, 0)
            .InGroup("Call 1")
            .Help("What the Call 1 key function sends on this channel: Off, Call (a call to the "
                  "contact below) or Msg (a short message to it)."));
    put(C::kCall1Contact, SourcedList("call1_contact", "Contact", Byte(kCall1Contact), "None", 0xFF,
                                      0xFF, ContactItems)
                              .InGroup("Call 1")
                              .Help("The contact the Call 1 key function calls, or None."));
    put(C::kCall1Msg,
        SourcedList("call1_msg", "Msg no.", BitsAt(kCall1Message, 0, 6), "Off", 63, 63,
                    ShortMessageItems)
            .InGroup("Call 1")
            .Hidden()
            .Help("The short message the Call 1 key function sends, 1 to 16, or Off."));
    put(C::kCall2Type,
        List("call2_type", "Type", BitsAt(kCall2Message, 6, 2), callTypes, 0, 0)
            .InGroup("Call 2")
            .Help("What the Call 2 key function sends on this channel: Off, Call (a call to the "
                  "contact below) or Msg (a short message to it)."));
    put(C::kCall2Contact, SourcedList("call2_contact", "Contact", Byte(kCall2Contact), "None", 0xFF,
                                      0xFF, ContactItems)
                              .InGroup("Call 2")
                              .Help("The contact the Call 2 key function calls, or None."));
    put(C::kCall2Msg,
        SourcedList("call2_msg", "Msg no.", BitsAt(kCall2Message, 0, 6), "Off", 63, 63,
                    ShortMessageItems)
            .InGroup("Call 2")
            .Hidden()
            .Help("The short message the Call 2 key function sends, 1 to 16, or Off."));
    put(C::kSignalType,
        List("signal_type", "Signal type", BitsAt(kSignalling, 0, 2), {"Off", "DTMF"}, 0, 0)
            .InGroup("Analog")
            .Help("Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID "
                  "below)."));
    put(C::kAnalogCall1,
        SourcedList("analog_call1", "Analog call 1", Byte(kAnalogCall1), "None", 0xFF, 0xFF,
                    DtmfCodeItems)
            .InGroup("Analog")
            .Help(
                "The DTMF code (DTMF > Contact) the Call 1 key function sends on this channel, or "
                "None."));
    put(C::kAnalogCall2,
        SourcedList("analog_call2", "Analog call 2", Byte(kAnalogCall2), "None", 0xFF, 0xFF,
                    DtmfCodeItems)
            .InGroup("Analog")
            .Help(
                "The DTMF code (DTMF > Contact) the Call 2 key function sends on this channel, or "
                "None."));
    put(C::kPttid, Check("pttid", "PTTID", BitAt(kSignalling, 2))
                       .InGroup("Analog")
                       .Help("Sends the DTMF identity (DTMF > Encode: PTTID type, On-line and "
                             "Off-line code) with "
                             "each transmission on this channel."));
    put(C::kRxTone,
        Tone("rx_tone", "Rx tone", Bytes(kRxTone, 2))
            .InGroup("Analog")
            .Help(
                "The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal "
                "must carry before the radio opens its speaker; None hears every signal. A number "
                "typed without a point is taken as a DCS code."));
    put(C::kTxTone, Tone("tx_tone", "Tx tone", Bytes(kTxTone, 2))
                        .InGroup("Analog")
                        .Help("The CTCSS tone or DCS code sent with each transmission, so that "
                              "receivers set to it "
                              "hear you; None sends none. A number typed without a point is taken "
                              "as a DCS code."));
    put(C::kBusy,
        List("busy", "Busy", BitsAt(kMode, kBusyLo, 2), {"Off", "Carrier"}, 0, 0)
            .Help(
                "Busy channel lockout: Carrier keeps the radio from transmitting while a signal is "
                "on the channel; Off allows it."));
    put(C::kRxColourCode,
        ColourCode("rx_color_code", "Rx color code", kRxColourCode)
            .Help("The dPMR colour code, 0 to 63, received digital signals must carry, so that "
                  "groups "
                  "sharing a frequency do not hear each other; Auto: the radio's own choice."));
    put(C::kTxColourCode,
        ColourCode("tx_color_code", "Tx color code", kTxColourCode)
            .Help(
                "The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio's "
                "own choice."));
    put(C::kOffsetDirection,
        List("offset_direction", "Offset direction", OnScreenOnly(), {"Off", "+", "-"}, 0, 0)
            .Hidden()
            .Help("The direction of a repeater shift, Off, + or -. Kept only while the dialog is "
                  "open; "
                  "it is never stored."));
    put(C::kOffsetFreq, Text("offset_freq", "Offset freq (MHz)", OnScreenOnly(), 9)
                            .Hidden()
                            .Help("The repeater shift in MHz, 0 to 50. Kept only while the dialog "
                                  "is open; it is never "
                                  "stored."));
    for ([[maybe_unused]] const FieldDecl& row : rows) assert(!row.key.empty());
    return {"channel", "", std::move(rows)};
}

}  // namespace

const PageDecl& ChannelRecordDecl() {
    static const PageDecl decl = MakeRecordDecl();
    return decl;
}

const PageDecl& ChannelPageDecl(int n) {
    static const std::array<PageDecl, layout::kChannelCount> pages = [] {
        std::array<PageDecl, layout::kChannelCount> all;
        for (int k = 1; k <= layout::kChannelCount; ++k)
            all[static_cast<std::size_t>(k - 1)] =
                AtRecord(ChannelRecordDecl(), "channel" + std::to_string(k),
                         "Channel " + std::to_string(k), channel::RecordOffset(k));
        return all;
    }();
    return pages[static_cast<std::size_t>(std::clamp(n, 1, layout::kChannelCount) - 1)];
}

}  // namespace dpmr
