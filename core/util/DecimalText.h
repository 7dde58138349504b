// Exact decimal scaling of user texts: "136.0125" MHz becomes 13601250 tens of
// Hz without ever going through binary floating point, and integers are shown
// again with a fixed number of decimals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dpmr {

// Reads the number at the start of `text` the way a C decimal conversion does
// (leading blanks skipped, optional sign, digits, point, digits, exponent;
// reading stops at the first character that does not fit), rounds it to 15
// significant digits, multiplies it by 10^power and cuts the fraction off
// towards zero. Text without a number gives 0; results beyond the 64-bit range
// saturate.
std::int64_t ScaleDecimalText(std::string_view text, int power);

// The same, saturated to the 32-bit range used by the image's fields.
std::int32_t ScaleDecimalText32(std::string_view text, int power);

// Reads a decimal integer at the start of `text` like "%d" of scanf (leading
// blanks, optional sign, at least one digit). Saturates at the 32-bit range.
// `consumed` receives how many characters were used.
std::optional<std::int32_t> ScanInt(std::string_view text, std::size_t* consumed = nullptr);

// Formats value / 10^decimals with exactly `decimals` digits after the point,
// as "%.*f" would print the exact quotient: FormatScaled(145125000, 6) is
// "145.125000".
std::string FormatScaled(std::int64_t value, int decimals);

// The whole of `text` as a plain decimal number (an optional minus, digits
// with at most one point, at least one digit; no blanks, no exponent), scaled
// as ScaleDecimalText does; anything else gives nothing. For numbers read from
// files, where "12abc" is a fault and not 12.
std::optional<std::int64_t> ParseDecimalText(std::string_view text, int power);

// Whether the whole of `text` is a number in exponent form: an optional sign,
// digits with at most one point, "e" or "E", an optional sign and digits
// ("1e4", "1E+04", "-2.5e-3"). Spreadsheets write such numbers; no field of
// the radio takes one.
bool IsExponentNumber(std::string_view text);

// Parses a whole text as a non-negative decimal integer (no sign, no blanks).
std::optional<long long> ParseWholeNumber(std::string_view text);

}  // namespace dpmr
