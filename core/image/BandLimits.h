// BandLimits: the lower and upper edge of the band the channel table works in,
// in tens of Hz. Chosen in the "Freq range" list, kept in step with the image's
// band bytes, read by the channel editors and the squelch calibration. The one
// rule that decides an image's band from its bytes and the "Freq range"
// entries is here, for every editor that needs a band.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The band of a "Freq range" entry: a digit run of MHz (after blanks), at
// least one other character, a second digit run ("400-470MHz", "400 - 470").
// One reading for choosing an entry, storing its band in the band bytes and
// finding the entry of a file's band, so that a band the list changes to is
// the band the file keeps. Nothing when either number is missing or too large.
std::optional<BandLimits> BandOfEntryText(std::string_view text);

// The band an image is edited in, and the "Freq range" entry it comes from.
struct BandChoice {
    BandLimits band;
    int entry = -1;  // index into the entries; -1: none matched
};

// The first of `freqRanges` (the [Setup] "FreqRange" entries, in order) that
// meets the image's band: it holds the image's band whole, or one of its
// edges lies strictly inside it. Its edges are then the band. Without such an
// entry the band is the image's own band bytes, and `fallback` when they hold
// no band.
BandChoice BandForImage(const RadioImage& image, const std::vector<std::string>& freqRanges,
                        const BandLimits& fallback = BandLimits{});

}  // namespace dpmr
