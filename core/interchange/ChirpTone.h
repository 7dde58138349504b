// ChirpTone: a channel's receive and transmit tone in the terms of CHIRP's
// CSV files and back. The radio keeps one tone for each direction (none, a
// CTCSS tone or a DCS code of either polarity); CHIRP describes the pair with
// a tone mode and, for unequal pairs, a cross mode over five value columns.
// The facts this mapping relies on are listed at the top of ChirpCsv.cpp.
#pragma once

#include <string>

#include "util/Result.h"

namespace dpmr {

// The seven tone columns of a CHIRP row. Columns a mode does not use hold the
// values CHIRP itself writes there (88.5 Hz, code 023, NN, Tone->Tone).
struct ChirpToneFields {
    std::string tone;  // tone mode: "", "Tone", "TSQL", "DTCS", "TSQL-R", "DTCS-R", "Cross"
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN";
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

// A channel's two tones as the channel table writes them: "None", a CTCSS
// value such as "88.5", a DCS code such as "D023N" or "D754I".
struct ChannelTones {
    std::string rx = "None";
    std::string tx = "None";
    bool operator==(const ChannelTones&) const = default;
};

// The CHIRP columns for a channel's tones.
ChirpToneFields ChirpTonesOf(const ChannelTones& tones);

// The channel's tones for a CHIRP row. Values are passed on as tone texts for
// the table's tone commit to judge ("12x" becomes "None" there). A tone mode,
// cross mode or polarity CHIRP does not have, or a used value column left
// empty, fails with the reason. Reverse squelch (TSQL-R, DTCS-R), which the
// radio cannot do, gives no tones and says so in `note`; so does a value in
// exponent form ("1e4"), which is no tone, for its side (notes joined by
// "; ").
Status ChannelTonesOf(const ChirpToneFields& fields, ChannelTones& tones, std::string& note);

}  // namespace dpmr
