// The texts the channel table shows for one channel record, and its store of them: Rx and Tx
// frequency, Rx and Tx tone, power, scan, bandwidth and channel type. Shared by
// the table, printing and `dpmrtool show`.
#pragma once

#include <array>
#include <string>

#include "image/RadioImage.h"

namespace dpmr {

// Columns 1..8 of the table (index 0 is "Rx Freq"). An empty channel gives
// eight empty texts.
using ChannelRowTexts = std::array<std::string, 8>;

ChannelRowTexts ChannelRowFromImage(const RadioImage& image, int n);
// The row the table makes when a frequency is typed into the "Rx Freq" of an
// empty row: that frequency twice, no tones, "High", "Add", "Wide", "Digit".
// (The channel dialog makes a new channel "Low"; see ChannelEditPresenter.)
ChannelRowTexts NewTableRow(const std::string& frequency);

// The table's store of one row into record n: an empty "Rx Freq" resets the
// record; otherwise the eight columns, then the offset, its direction and the
// same-frequency byte from the two frequencies. Other bits keep their values.
void StoreChannelRow(RadioImage& image, int n, const ChannelRowTexts& row);

// The item texts of the table's four list columns.
inline constexpr std::array<const char*, 2> kPowerTexts{"Low", "High"};
inline constexpr std::array<const char*, 2> kScanTexts{"Add", "Del"};
inline constexpr std::array<const char*, 2> kBandwidthTexts{"Wide", "Narrow"};
inline constexpr std::array<const char*, 4> kChannelTypeTexts{"Analog", "Digit", "Mixed(Digit)",
                                                              "Mixed(Analog)"};

}  // namespace dpmr
