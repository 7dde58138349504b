// Small helpers for texts read from files and typed by users: blanks around
// a value, and comparing words without regard to letter case (ASCII).
#pragma once

#include <string_view>

namespace dpmr {

// `text` without the blanks (spaces, tabs, line breaks) at either end.
std::string_view TrimBlanks(std::string_view text);

// Whether `a` and `b` are the same text when ASCII letter case is ignored.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace dpmr
