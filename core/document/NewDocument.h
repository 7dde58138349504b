// File > New: the image a new document starts with: 0xFF everywhere, then
// "Default.dat" from the program folder when it can be read, else the
// built-in defaults (every channel empty, the settings' factory values).
#pragma once

#include <string>

#include "image/BandLimits.h"
#include "image/RadioImage.h"

namespace dpmr {

// Stores the built-in defaults into `image`, in their fixed order; the band
// edges at 0x3FA0 come from `band`.
void StoreBuiltInDefaults(RadioImage& image, const BandLimits& band);

// File > New: 0xFF everywhere, then up to 16384 bytes of
// programFolder + "Default.dat" when it can be read, else the built-in defaults.
void NewImage(RadioImage& image, const std::string& programFolder, const BandLimits& band);

}  // namespace dpmr
