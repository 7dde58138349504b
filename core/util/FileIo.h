// Whole-file reads and atomic writes. A write goes to a temporary file beside
// the target, is flushed to disk and then renamed over it, so a failed save
// never damages the file that was there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/Result.h"

namespace dpmr {

// Reads at most `maxBytes` bytes from the start of the file.
Status ReadFilePrefix(const std::string& path, std::size_t maxBytes,
                      std::vector<std::uint8_t>& out);

Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

bool FileExists(const std::string& path);

}  // namespace dpmr
