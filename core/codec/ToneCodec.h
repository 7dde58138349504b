// Tone codecs: the 2-byte CTCSS / DCS code of a channel's receive and transmit
// tone, the 266 texts of every tone list, and the normaliser for typed tones.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

// lo is the first byte in the image, hi the second.
struct ToneCode {
    std::uint8_t lo = 0xFF;
    std::uint8_t hi = 0xFF;
    bool operator==(const ToneCode&) const = default;
};

// "None", 51 CTCSS tones, 107 DCS codes ending in "N", the same ending in "I".
const std::vector<std::string>& ToneList();

ToneCode ToneCodeFromText(std::string_view text);
std::string ToneCodeToText(ToneCode code);

// Rewrites a typed tone into one of the accepted forms: "D023N", "D754I",
// a CTCSS value from 60.0 to 280.0 Hz, or "None". A comma is the decimal
// point, as in the frequency cells.
void NormalizeToneText(std::string& text);

// A tone the user typed into a tone cell of the channel table or a tone box
// of the channel dialog, after the normaliser: the text the field takes, or a
// refusal (a DCS code with a digit 8 or 9 does not exist; the field keeps its
// value), and what was changed or refused, in words for the user (empty when
// the text was taken as typed).
struct TypedTone {
    bool refused = false;
    std::string text;
    std::string notice;
};
TypedTone TakeTypedTone(std::string_view typed);

// The notice of a text that names no tone: "\"1000\" is not a tone: set to
// None".
std::string NotAToneNotice(std::string_view typed);

// Whether the code is a DCS code (normal or inverted) other than the 107 of
// the tone list: radios of other makes may not decode it. False for CTCSS
// tones and "None".
bool IsNonStandardDcs(ToneCode code);

ToneCode ReadToneCode(const RadioImage& image, std::size_t off);
void WriteToneCode(RadioImage& image, std::size_t off, ToneCode code);

}  // namespace dpmr
