// ChannelRecord: the 32-byte record of channel n (1..16) in the radio image,
// its field offsets, its empty state and the scan membership bitmap.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/BandLimits.h"
#include "image/ImageLayout.h"
#include "image/RadioImage.h"

namespace dpmr::channel {

// Offsets inside the record.
constexpr std::size_t kRxFreq = 0x00;
constexpr std::size_t kTxFreq = 0x04;
constexpr std::size_t kRxTone = 0x08;
constexpr std::size_t kTxTone = 0x0A;
constexpr std::size_t kOffset = 0x0C;
constexpr std::size_t kFlags = 0x10;       // scan 0, bandwidth 1, auto contact 2, work alone 3,
                                           // talk around 4, reverse 5, power 7..6
constexpr std::size_t kSignalling = 0x11;  // signal type 1..0, PTT id 2, receive only 7
constexpr std::size_t kMode = 0x12;        // busy lock 1..0, offset direction 5..4, type 7..6
constexpr std::size_t kRxColourCode = 0x13;
constexpr std::size_t kTxColourCode = 0x14;
constexpr std::size_t kTxContact = 0x15;
constexpr std::size_t kSameFrequency = 0x16;
constexpr std::size_t kGroupList = 0x17;
constexpr std::size_t kAnalogCall1 = 0x18;
constexpr std::size_t kAnalogCall2 = 0x19;
constexpr std::size_t kCall1Contact = 0x1A;
constexpr std::size_t kCall1Message = 0x1B;  // message number 5..0, call type 7..6
constexpr std::size_t kCall2Contact = 0x1C;
constexpr std::size_t kCall2Message = 0x1D;

// Bits of kFlags.
constexpr unsigned kScanBit = 0;
constexpr unsigned kNarrowBit = 1;
constexpr unsigned kAutoContactBit = 2;
constexpr unsigned kWorkAloneBit = 3;
constexpr unsigned kTalkAroundBit = 4;
constexpr unsigned kReverseBit = 5;
constexpr unsigned kPowerLo = 6;  // 2 bits: 00 low, 11 high

// Bit fields of kMode.
constexpr unsigned kBusyLo = 0;             // 2 bits
constexpr unsigned kOffsetDirectionLo = 4;  // 2 bits
constexpr unsigned kChannelTypeLo = 6;      // 2 bits

// Channel types in the order of their code.
enum class ChannelType : std::uint8_t {
    kAnalog = 0,
    kDigit = 1,
    kMixedDigit = 2,
    kMixedAnalog = 3
};

// Image offset of the first byte of channel n (1..16).
constexpr std::size_t RecordOffset(int n) {
    return layout::kChannels + layout::kChannelSize * static_cast<std::size_t>(n - 1);
}

}  // namespace dpmr::channel

namespace dpmr {

// Puts record n back to its empty state (frequencies 0xFF, scan on, wide, low
// power, Digit, automatic colour codes, no contact, same frequency, 0.6 MHz
// offset).
void ResetChannelRecord(RadioImage& image, int n);

// A channel is empty when byte +0x03 of its receive frequency is 0xFF or 0x00.
bool IsChannelEmpty(const RadioImage& image, int n);
// Its transmit frequency is empty when byte +0x07 is 0xFF or 0x00.
bool IsTxFrequencyEmpty(const RadioImage& image, int n);

// Rebuilds the scan membership bitmap at 0x034C..0x034D: bit n-1 is set when
// channel n scans and its receive frequency lies within `band` (both edges
// included). Empty channels never lie in the band.
void RebuildScanMembership(RadioImage& image, const BandLimits& band);
// Sets or clears the bit of channel n alone by the same rule.
void UpdateScanMembership(RadioImage& image, const BandLimits& band, int n);

}  // namespace dpmr
