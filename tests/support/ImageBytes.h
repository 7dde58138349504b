// ImageBytes: a copy of some bytes of a radio image, for comparing with an
// expected list in a test.
#pragma once

#include <cstdint>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ImageBytes(const RadioImage& image, std::size_t off, std::size_t len) {
    const auto s = image.Span(off, len);
    return {s.begin(), s.end()};
}

}  // namespace dpmr::test
