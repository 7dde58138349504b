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

    put(C::kChannelNo, Number("channel_no", "Channel no.", OnScreenOnly(), channelNo, 4));
    put(C::kRxFreq, Frequency("rx_freq", "Rx freq (MHz)", Bytes(kRxFreq, 4), 10));
    put(C::kTxFreq, Frequency("tx_freq", "Tx freq (MHz)", Bytes(kTxFreq, 4), 10));
    put(C::kChannelType, List("channel_type", "Channel type", BitsAt(kMode, kChannelTypeLo, 2),
                              {kChannelTypeTexts.begin(), kChannelTypeTexts.end()}, 0, 1));
    put(C::kTxPower, CodedList("power", "Tx power", BitsAt(kFlags, kPowerLo, 2),
                               {kPowerTexts.begin(), kPowerTexts.end()}, {0, 3}, 0, 0));
    put(C::kBandwidth, List("bandwidth", "Bandwidth", BitAt(kFlags, kNarrowBit),
                            {kBandwidthTexts.begin(), kBandwidthTexts.end()}, 0, 0));
    put(C::kReverse, Check("reverse", "Reverse", BitAt(kFlags, kReverseBit)));
    put(C::kScan, Check("scan", "Scan", BitAt(kFlags, kScanBit)));
    put(C::kTalkAround, Check("talk_around", "Talk around", BitAt(kFlags, kTalkAroundBit)));
    put(C::kAutoContact,
        Check("auto_contact", "Auto contact", BitAt(kFlags, kAutoContactBit)).Hidden());
    put(C::kWorkAlone, Check("work_alone", "Work alone", BitAt(kFlags, kWorkAloneBit)).Hidden());
    put(C::kOnlyRx, onlyRx.Hidden());
    put(C::kRepeat,
        List("repeat", "Repeat", Byte(kSameFrequency), {"On", "Off"}, 0, 0).InGroup("Digit"));
    put(C::kTxContact,
        SourcedList("tx_contact", "Tx contact", Byte(kTxContact), "None", 0, 0xFF, ContactItems)
            .InGroup("Digit"));
    put(C::kGroupList,
        SourcedList("group_list", "Group rx list", Byte(kGroupList), "None", 0, 0, GroupListItems)
            .InGroup("Digit"));
    put(C::kCall1Type,
        List("call1_type", "Type", BitsAt(kCall1Message, 6, 2), callTypes, 0, 0).InGroup("Call 1"));
    put(C::kCall1Contact, SourcedList("call1_contact", "Contact", Byte(kCall1Contact), "None", 0xFF,
                                      0xFF, ContactItems)
                              .InGroup("Call 1"));
    put(C::kCall1Msg, SourcedList("call1_msg", "Msg no.", BitsAt(kCall1Message, 0, 6), "Off", 63,
                                  63, ShortMessageItems)
                          .InGroup("Call 1")
                          .Hidden());
    put(C::kCall2Type,
        List("call2_type", "Type", BitsAt(kCall2Message, 6, 2), callTypes, 0, 0).InGroup("Call 2"));
    put(C::kCall2Contact, SourcedList("call2_contact", "Contact", Byte(kCall2Contact), "None", 0xFF,
                                      0xFF, ContactItems)
                              .InGroup("Call 2"));
    put(C::kCall2Msg, SourcedList("call2_msg", "Msg no.", BitsAt(kCall2Message, 0, 6), "Off", 63,
                                  63, ShortMessageItems)
                          .InGroup("Call 2")
                          .Hidden());
    put(C::kSignalType,
        List("signal_type", "Signal type", BitsAt(kSignalling, 0, 2), {"Off", "DTMF"}, 0, 0)
            .InGroup("Analog"));
    put(C::kAnalogCall1, SourcedList("analog_call1", "Analog call 1", Byte(kAnalogCall1), "None",
                                     0xFF, 0xFF, DtmfCodeItems)
                             .InGroup("Analog"));
    put(C::kAnalogCall2, SourcedList("analog_call2", "Analog call 2", Byte(kAnalogCall2), "None",
                                     0xFF, 0xFF, DtmfCodeItems)
                             .InGroup("Analog"));
    put(C::kPttid, Check("pttid", "PTTID", BitAt(kSignalling, 2)).InGroup("Analog"));
    put(C::kRxTone, Tone("rx_tone", "Rx tone", Bytes(kRxTone, 2)).InGroup("Analog"));
    put(C::kTxTone, Tone("tx_tone", "Tx tone", Bytes(kTxTone, 2)).InGroup("Analog"));
    put(C::kBusy, List("busy", "Busy", BitsAt(kMode, kBusyLo, 2), {"Off", "Carrier"}, 0, 0));
    put(C::kRxColourCode, ColourCode("rx_color_code", "Rx color code", kRxColourCode));
    put(C::kTxColourCode, ColourCode("tx_color_code", "Tx color code", kTxColourCode));
    put(C::kOffsetDirection,
        List("offset_direction", "Offset direction", OnScreenOnly(), {"Off", "+", "-"}, 0, 0)
            .Hidden());
    put(C::kOffsetFreq, Text("offset_freq", "Offset freq (MHz)", OnScreenOnly(), 9).Hidden());
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
