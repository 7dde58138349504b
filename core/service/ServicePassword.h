// ServicePassword: the fixed password of the service password dialog, which
// guards squelch calibration, and how a typed text is compared with it.
#pragma once

#include <cstddef>
#include <string_view>

namespace dpmr {

// Most characters the password edit takes.
constexpr std::size_t kServicePasswordMaxChars = 14;

// True when `typed` is the service password, letter case ignored (plain ASCII
// case folding, whole strings: no trimming).
bool IsServicePassword(std::string_view typed);

}  // namespace dpmr
