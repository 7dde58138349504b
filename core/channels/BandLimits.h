// BandLimits: the lower and upper edge of the band the channel table works in,
// in tens of Hz. Chosen in the "Freq range" list, kept in step with the image's
// band bytes, read by the channel editors and the squelch calibration.
#pragma once

#include <cstdint>

namespace dpmr {

struct BandLimits {
    std::int32_t lower = 40000000;  // 400 MHz
    std::int32_t upper = 47000000;  // 470 MHz

    bool Contains(std::int64_t value) const { return value >= lower && value <= upper; }
    bool operator==(const BandLimits&) const = default;
};

}  // namespace dpmr
