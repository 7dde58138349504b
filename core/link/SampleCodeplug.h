// SampleCodeplug: a ready-made configuration for trying the program without a
// radio: the 16 PMR446 channels with a few CTCSS/DCS tones and some dPMR
// channels and the dPMR radio name "PMR446", on top of File > New's built-in
// defaults: `dpmrtool check` finds nothing in it. Shipped as
// res/pmr446-demo.dat; the demo mode loads it into the virtual radio.
#pragma once

#include <string>

#include "image/RadioImage.h"

namespace dpmr {

inline constexpr const char* kSampleCodeplugFileName = "pmr446-demo.dat";

RadioImage BuildSampleCodeplug();

// The demo mode's configuration: the shipped file kSampleCodeplugFileName in
// the program folder (AppSettings) when it reads as a whole image, else the
// one BuildSampleCodeplug makes.
RadioImage LoadSampleCodeplug(const std::string& programFolder);

}  // namespace dpmr
