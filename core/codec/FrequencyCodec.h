// Frequency codecs: the texts of the frequency boxes (MHz) to and from
// `BcdFrequency` values in tens of Hz, and the 2.5 kHz / 3.125 kHz channel raster.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/RadioImage.h"

namespace dpmr {

// "145.125" -> 14512500 (tens of Hz), by exact decimal scaling; the fraction is
// cut off; text that does not start with a number gives 0.
std::int32_t FrequencyFromText(std::string_view text);

// No frequency a file names is this high (10000 MHz, in Hz).
inline constexpr std::int64_t kFrequencyLimitHz = 10000000000;

// A frequency read from a file or the clipboard, where "12abc" is a fault
// and not 12: the whole text a plain number of MHz ("446.003125"), above 0
// and below kFrequencyLimitHz, in Hz (fraction cut off); nothing otherwise.
std::optional<std::int64_t> FrequencyHzFromNumberText(std::string_view text);

// Takes a value in tens of Hz, turns it into Hz and moves it to the nearest
// point of the 2500 Hz or 3125 Hz raster (on a tie the earlier of the
// candidates r1, d1, r2, d2 wins). Returns true when the value was moved.
bool SnapToChannelGrid(std::int64_t& value);

// 14512500 -> "145.125000": snapped to the raster, six decimals.
std::string FrequencyToText(std::int64_t value);

// A band edge in tens of Hz as short MHz text: 40000000 -> "400",
// 44610000 -> "446.1".
std::string MhzText(std::int64_t value);
// The same for a value in Hz: 446003125 -> "446.003125".
std::string MhzTextOfHz(std::int64_t hz);

// A 4-byte BCD frequency field of the image.
inline std::uint32_t BcdFrequency(const RadioImage& image, std::size_t off) {
    return image.Bcd4(off);
}
void SetBcdFrequency(RadioImage& image, std::size_t off, std::int64_t value);

}  // namespace dpmr
