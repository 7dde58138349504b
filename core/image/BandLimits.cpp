// Reading the band edges the image holds, and choosing the band an image is
// edited in.
#include "image/BandLimits.h"

#include <limits>

#include "image/ImageLayout.h"

namespace dpmr {

namespace {

constexpr std::int64_t kMhz = 100000;  // tens of Hz in one MHz

bool IsValidBcd4(const RadioImage& image, std::size_t off) {
    for (std::size_t k = 0; k < 4; ++k) {
        const std::uint8_t b = image.U8(off + k);
        if ((b >> 4) > 9 || (b & 0x0F) > 9) return false;
    }
    return true;
}

// Band edge in tens of Hz, or false when MHz * 100000 leaves the 32-bit range.
bool MhzToBandEdge(std::int64_t mhz, std::int32_t& edge) {
    const std::int64_t v = mhz * kMhz;
    if (v < 0 || v > std::numeric_limits<std::int32_t>::max()) return false;
    edge = static_cast<std::int32_t>(v);
    return true;
}

}  // namespace

std::optional<BandLimits> BandLimitsInImage(const RadioImage& image) {
    if (!IsValidBcd4(image, layout::kTableBandLower) ||
        !IsValidBcd4(image, layout::kTableBandUpper))
        return std::nullopt;
    const auto lower = static_cast<std::int32_t>(image.Bcd4(layout::kTableBandLower));
    const auto upper = static_cast<std::int32_t>(image.Bcd4(layout::kTableBandUpper));
    if (lower >= upper) return std::nullopt;
    return BandLimits{lower, upper};
}

std::optional<BandLimits> BandOfEntryText(std::string_view text) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto readRun = [&](std::size_t& pos, std::int64_t& out) {
        const std::size_t start = pos;
        std::int64_t v = 0;
        while (pos < text.size() && isDigit(text[pos])) {
            if (v < 100000000000LL) v = v * 10 + (text[pos] - '0');
            ++pos;
        }
        out = v;
        return pos > start;
    };
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    if (!readRun(pos, lo)) return std::nullopt;
    const std::size_t gap = pos;
    while (pos < text.size() && !isDigit(text[pos])) ++pos;
    BandLimits band;
    if (pos == gap || !readRun(pos, hi) || !MhzToBandEdge(lo, band.lower) ||
        !MhzToBandEdge(hi, band.upper))
        return std::nullopt;
    return band;
}

BandChoice BandForImage(const RadioImage& image, const std::vector<std::string>& freqRanges,
                        const BandLimits& fallback) {
    // Band bytes that are not decimal digits (a file without them holds 0xFF)
    // or that name no band give way to the fallback.
    const BandLimits decoded = BandLimitsInImage(image).value_or(fallback);
    for (std::size_t k = 0; k < freqRanges.size(); ++k) {
        const std::optional<BandLimits> entry = BandOfEntryText(freqRanges[k]);
        if (!entry) continue;
        const std::int32_t lo = entry->lower;
        const std::int32_t hi = entry->upper;
        if ((decoded.lower >= lo && decoded.upper <= hi) ||
            (decoded.lower < lo && lo < decoded.upper) ||
            (decoded.lower < hi && hi < decoded.upper))
            return {*entry, static_cast<int>(k)};
    }
    return {decoded, -1};
}

}  // namespace dpmr
