// WriteCheck: the look over an image before it is written into the radio.
// Errors are settings the radio cannot use as they stand (a channel outside
// the band the image holds, a reference to a contact or group list that is
// not there); warnings are settings that work but are likely mistakes. The
// desktop program asks before writing an image with errors, dpmrtool refuses
// it unless forced, and `dpmrtool check` prints the same list.
#pragma once

#include <string>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

enum class Severity { kWarning, kError };

struct WriteProblem {
    Severity severity;
    std::string text;  // "Channel 3: Rx 480.000000 MHz is outside the band 400-470 MHz"
    bool operator==(const WriteProblem&) const = default;
};

// The problems of `image`: the errors first, then the warnings, each in the
// order of the image (channels 1 to 16, group receive lists, dPMR settings).
std::vector<WriteProblem> CheckBeforeWrite(const RadioImage& image);

bool HasErrors(const std::vector<WriteProblem>& problems);

// "error: text" or "warning: text".
std::string ProblemLine(const WriteProblem& problem);

}  // namespace dpmr
