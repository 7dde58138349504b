// DigitalFieldSpread: "Channel edit" opened with several channels selected.
// The digital fields the user changes on the channel the dialog opened on
// (colour codes, Tx contact, group rx list) go to every other selected
// channel as well, each through the dialog's own rules for that channel: the
// entry chosen in the channel's dialog and the channel stored. A channel
// that is empty, or whose dialog greys the field out, keeps its value, and
// this is said.
#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

#include "channels/ChannelFields.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"

namespace dpmr {

inline constexpr std::array<EditControl, 4> kSpreadFields{
    EditControl::kRxColourCode, EditControl::kTxColourCode, EditControl::kTxContact,
    EditControl::kGroupList};

struct SpreadReport {
    std::set<int> changed;           // channels that received a value
    std::vector<std::string> lines;  // what was given, then what was refused
};

// `before` is the image as it was when the dialog opened on `source`; `image`
// as it closed. Each field of kSpreadFields whose text on `source` differs
// between the two is chosen, with that text, in the dialog of every channel
// of `targets` but `source`.
SpreadReport SpreadDigitalFields(RadioImage& image, const RadioImage& before,
                                 const BandLimits& band, int source, const std::set<int>& targets);

}  // namespace dpmr
