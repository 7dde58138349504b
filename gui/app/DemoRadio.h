// The built-in virtual radio of demo mode: a simulated radio on a
// pseudo-terminal that holds the sample PMR446 configuration and made-up
// factory adjustment and squelch values, so that Read and Write, and the
// service dialogs' transfers, can be tried without a radio.
#pragma once

#include <memory>
#include <string>

#include "link/VirtualRadio.h"

// `variant` gives each radio of the demo fleet squelch values of its own, as
// the factory would have set them.
std::unique_ptr<dpmr::VirtualRadio> StartDemoVirtualRadio(std::string& error, int variant = 0);
std::string DemoRadioPortName(const dpmr::VirtualRadio& radio);
