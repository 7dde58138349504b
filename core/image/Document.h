// The document life cycle on the image: File > New (0xFF, then "Default.dat"
// or the built-in defaults), Open and Save of `.dat` files (exactly the 16384
// image bytes, no header).
#pragma once

#include <string>

#include "channels/BandLimits.h"
#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// Stores the built-in defaults into `image`, in their fixed order; the band
// edges at 0x3FA0 come from `band`.
void StoreBuiltInDefaults(RadioImage& image, const BandLimits& band);

// File > New: 0xFF everywhere, then up to 16384 bytes of
// programFolder + "Default.dat" when it can be read, else the built-in defaults.
void NewImage(RadioImage& image, const std::string& programFolder, const BandLimits& band);

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
