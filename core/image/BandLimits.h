// BandLimits: the lower and upper edge of the band the channel table works in,
// in tens of Hz. Chosen in the "Freq range" list, kept in step with the image's
// band bytes, read by the channel editors and the squelch calibration.
#pragma once

#include <cstdint>
#include <optional>

#include "image/RadioImage.h"

namespace dpmr {

struct BandLimits {
    std::int32_t lower = 40000000;  // 400 MHz
    std::int32_t upper = 47000000;  // 470 MHz

    bool Contains(std::int64_t value) const { return value >= lower && value <= upper; }
    bool operator==(const BandLimits&) const = default;
};

// The band the image's band bytes (0x3FA0 and 0x3FA4) hold, or nothing when
// either is not decimal digits (a file without them holds 0xFF) or the lower
// edge is not below the upper one.
std::optional<BandLimits> BandLimitsInImage(const RadioImage& image);

}  // namespace dpmr
