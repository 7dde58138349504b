// CRC-32 through zlib, and bytes as hex.
#include "util/Checksum.h"

#include <zlib.h>

namespace dpmr {

std::string Crc32Hex(std::span<const std::uint8_t> bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most a uInt's worth at a time.
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t part = std::min<std::size_t>(bytes.size() - at, 1u << 30);
        crc = crc32(crc, bytes.data() + at, static_cast<uInt>(part));
        at += part;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(crc & 0xFFFFFFFFUL));
    return text;
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

}  // namespace dpmr
