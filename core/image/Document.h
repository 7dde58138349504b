// The document's files: Open and Save of `.dat` files (exactly the 16384
// image bytes, no header). File > New is in document/NewDocument.
#pragma once

#include <string>

#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// Reads the first 16384 bytes of a `.dat` file. A shorter file fails with an
// "unexpected file format" message and sets `tooShort` (when given); on any
// failure `image` is unchanged.
Status LoadImageFile(const std::string& path, RadioImage& image, bool* tooShort = nullptr);

// The same for a file that must be exactly a radio file (one that is written
// back in place): a file of any other size is refused.
Status LoadExactImageFile(const std::string& path, RadioImage& image);

// Writes the 16384 bytes atomically; the old file stays intact on failure.
Status SaveImageFile(const std::string& path, const RadioImage& image);

}  // namespace dpmr
