// The texts the channel table shows for one channel record: Rx and Tx
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

// The item texts of the table's four list columns.
inline constexpr std::array<const char*, 2> kPowerTexts{"Low", "High"};
inline constexpr std::array<const char*, 2> kScanTexts{"Add", "Del"};
inline constexpr std::array<const char*, 2> kBandwidthTexts{"Wide", "Narrow"};
inline constexpr std::array<const char*, 4> kChannelTypeTexts{"Analog", "Digit", "Mixed(Digit)",
                                                              "Mixed(Analog)"};

}  // namespace dpmr
