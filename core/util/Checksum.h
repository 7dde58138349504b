// Checksum: the CRC-32 of a run of bytes (as zlib, `gzip -l` and the
// `crc32` tool compute it) as 8 lowercase hex digits, to name a file's
// contents in a report, and the bytes themselves as hex.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace dpmr {

// "cbf43926" for the bytes of "123456789".
std::string Crc32Hex(std::span<const std::uint8_t> bytes);

// "0a1bff": two lowercase hex digits a byte.
std::string HexBytes(std::span<const std::uint8_t> bytes);

}  // namespace dpmr
