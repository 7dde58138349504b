// Reading the band edges the image holds.
#include "image/BandLimits.h"

#include "image/ImageLayout.h"

namespace dpmr {

namespace {

bool IsValidBcd4(const RadioImage& image, std::size_t off) {
    for (std::size_t k = 0; k < 4; ++k) {
        const std::uint8_t b = image.U8(off + k);
        if ((b >> 4) > 9 || (b & 0x0F) > 9) return false;
    }
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

}  // namespace dpmr
