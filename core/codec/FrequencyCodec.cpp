// Frequency text parsing, raster snapping and formatting.
#include "codec/FrequencyCodec.h"

#include <array>

#include "util/DecimalText.h"

namespace dpmr {

std::int32_t FrequencyFromText(std::string_view text) {
    return ScaleDecimalText32(text, 5);
}

std::optional<std::int64_t> FrequencyHzFromNumberText(std::string_view text) {
    const auto value = ParseDecimalText(text, 6);
    if (!value || *value <= 0 || *value >= kFrequencyLimitHz) return std::nullopt;
    return value;
}

bool SnapToChannelGrid(std::int64_t& value) {
    value *= 10;
    const std::int64_t r1 = value % 2500;
    const std::int64_t d1 = 2500 - r1;
    const std::int64_t r2 = value % 3125;
    const std::int64_t d2 = 3125 - r2;
    if (r1 == 0 || r2 == 0) return false;
    const std::array<std::int64_t, 4> candidates{r1, d1, r2, d2};
    std::size_t best = 0;
    for (std::size_t k = 1; k < candidates.size(); ++k)
        if (candidates[k] < candidates[best]) best = k;
    value += (best % 2 == 0) ? -candidates[best] : candidates[best];
    return true;
}

std::string FrequencyToText(std::int64_t value) {
    SnapToChannelGrid(value);
    return FormatScaled(value, 6);
}

std::string MhzText(std::int64_t value) {
    return MhzTextOfHz(value * 10);
}

std::string MhzTextOfHz(std::int64_t hz) {
    std::string text = FormatScaled(hz, 6);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

void SetBcdFrequency(RadioImage& image, std::size_t off, std::int64_t value) {
    if (value < 0) value = 0;
    if (value > 99999999) value = 99999999;
    image.SetBcd4(off, static_cast<std::uint32_t>(value));
}

}  // namespace dpmr
