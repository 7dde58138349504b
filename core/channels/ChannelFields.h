// ChannelFields: the 32-byte channel record as field rows, one per control of
// the "Channel edit" dialog, at offsets relative to the record's first byte.
// The dialog, the channel table's texts, `dpmrtool fields/get/set` and the
// codeplug files all work from this one declaration.
#pragma once

#include <cstddef>
#include <string>

#include "form/FieldDecl.h"

namespace dpmr {

// The dialog's controls; their order is the order of the declaration's rows
// (each row is put at the place of its control). Auto
// contact, Work alone and Only rx are hidden; Offset direction, Offset freq
// and both Msg no. lists lie in the part of the dialog that is cut off. All
// of them still load, store and enable like the others. Channel no., Offset
// direction and Offset freq store nothing.
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

constexpr std::size_t FieldIndex(EditControl c) {
    return static_cast<std::size_t>(c);
}

// The record's fields, offsets relative to the record (page key "channel").
const form::PageDecl& ChannelRecordDecl();
// The fields of channel n (1..16) at their place in the image, under the
// page key "channelN".
const form::PageDecl& ChannelPageDecl(int n);

}  // namespace dpmr
