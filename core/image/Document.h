// The document's files: Open and Save of `.dat` files (exactly the 16384
// image bytes, no header). File > New is in document/NewDocument.
#pragma once

#include <cstdint>
#include <string>

#include "image/RadioImage.h"
#include "util/FileStamp.h"
#include "util/Result.h"

namespace dpmr {

// No radio file comes near this size: a larger file is refused with its
// size rather than read (a 2 GB sparse file is no configuration).
inline constexpr std::uint64_t kMaxImageFileBytes = 1 << 20;

// Reads the first 16384 bytes of a `.dat` file. A shorter file fails with an
// "unexpected file format" message, one larger than kMaxImageFileBytes with
// `NotARadioFileMessage`; on any failure `image` is unchanged. `stamp` (when
// given) gets what the whole file held, for a later look at whether it
// changed; its size above RadioImage::kSize tells that the rest was not
// loaded (`LongerThanImageNote`).
Status LoadImageFile(const std::string& path, RadioImage& image, FileStamp* stamp = nullptr);

// The same for a file that must be exactly a radio file (one that is written
// back in place): a file of any other size is refused.
Status LoadExactImageFile(const std::string& path, RadioImage& image);

// "<path>" is not a radio file: it holds N bytes; a radio file holds 16384.
std::string NotARadioFileMessage(const std::string& path, std::uint64_t size);

// What is said of a file longer than a radio image that was loaded: only
// its first 16384 bytes are the document, and the rest is not kept.
std::string LongerThanImageNote(const std::string& path, std::uint64_t size);

// Writes the 16384 bytes atomically; the old file stays intact on failure.
// `stamp` (when given) gets what the file holds after the save.
Status SaveImageFile(const std::string& path, const RadioImage& image, FileStamp* stamp = nullptr);

}  // namespace dpmr
