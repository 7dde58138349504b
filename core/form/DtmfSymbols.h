// Digit strings as the radio keeps them: one DTMF symbol a byte ("0".."9" as
// 0x00..0x09, "A".."D" as 0x0A..0x0D, "*" 0x0E, "#" 0x0F), unused bytes 0xFF,
// reading stopping at the first byte above 0x0F. The 7-digit dPMR identities
// (radio ID, kill and active codes, the alarm's digit id) use the same bytes
// and the rule below for what a user may type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/RadioImage.h"

namespace dpmr {

// "#" gives 0x0F, "*" 0x0E, a hexadecimal digit its value; anything else 0xFF.
std::uint8_t DtmfCharToCode(char c);
// 0x0E gives "*", 0x0F "#", 0x00..0x0D the upper-case hexadecimal digit;
// a byte above 0x0F gives nothing (it ends a string).
std::optional<char> DtmfCodeToChar(std::uint8_t code);

// The symbols of up to `maxLen` bytes from `off`, ending at the first byte
// above 0x0F.
std::string ReadDtmfSymbols(const RadioImage& image, std::size_t off, std::size_t maxLen);
// Fills `fieldLen` bytes with 0xFF, then stores the characters of `text`
// (at most `fieldLen`) one symbol a byte from `off`.
void WriteDtmfSymbols(RadioImage& image, std::size_t off, std::size_t fieldLen,
                      std::string_view text);

// The characters DTMF code edits take (after upper-casing).
inline constexpr std::string_view kDtmfChars = "0123456789ABCD#*";

// 7-digit identities: a shorter text is padded on the left with "0", a longer
// one cut to its first 7 characters.
std::string PadSevenDigits(std::string_view text);
// Valid when it is none of "0000000", "1000000" .. "9000000" and its decimal
// value is at most 9000000.
bool IsValidSevenDigitId(std::string_view padded);
// The padded text, or `replacement` when it breaks the rule.
std::string NormalizeSevenDigitId(std::string_view text, const std::string& replacement);

}  // namespace dpmr
