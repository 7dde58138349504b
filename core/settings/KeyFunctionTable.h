// KeyFunctionTable: the functions a programmable side key can have. The radio
// stores a key's function as its code (0..30), the position in this table; the
// side-key lists offer only some of them and are linked to the codes by name.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

inline constexpr int kKeyFunctionCount = 31;
const std::array<const char*, kKeyFunctionCount>& KeyFunctionTable();

// The code of the function with this name, or -1.
int KeyFunctionCode(std::string_view name);

// The entries of the short press lists (19) and of the long press lists (20:
// the same with "Monitor" after "None").
std::vector<std::string> ShortPressFunctions();
std::vector<std::string> LongPressFunctions();

// What the functions the lists offer do, for the side-key lists' help.
const std::string& KeyFunctionsHelp();

}  // namespace dpmr
