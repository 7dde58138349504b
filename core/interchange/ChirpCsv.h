// ChirpCsv: the channels as the generic CSV file of CHIRP, the radio
// programming program many users keep their frequency lists in, written from
// the image and read back through the channel table's own commits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelTablePresenter.h"
#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// The columns CHIRP writes, in its order.
const std::vector<std::string>& ChirpCsvHeader();

// Every channel that holds a receive frequency, one row each with its channel
// number as Location, under ChirpCsvHeader(). dPMR channels (Digit and both
// Mixed types) are written too, with the Comment "dPMR" ("dPMR Mixed(Digit)",
// "dPMR Mixed(Analog)"), so that they come back as they were.
std::string ChannelsToChirpCsv(const RadioImage& image);

// One row of a CHIRP file that names a channel of this radio, read and
// checked, in the texts the channel table takes.
struct ChirpChannelRow {
    std::size_t line = 0;
    int channel = 0;     // 1..16
    std::string rxFreq;  // MHz, as read ("446.00625")
    std::string txFreq;  // MHz; empty: transmitting off
    std::string rxTone, txTone;
    std::string power;  // "High" or "Low"
    bool scan = true;
    bool narrow = false;
    std::string channelType;  // "Analog", or the dPMR type the Comment names
};

// A remark on one line of the file (0: on the whole file).
struct ChirpNote {
    std::size_t line = 0;
    std::string text;
};

struct ChirpCsvRows {
    std::vector<ChirpChannelRow> channels;
    std::vector<ChirpNote> notes;  // rows left out or read with a change
};

// Reads a CHIRP CSV file: a header line naming the columns (any order, extra
// columns ignored; Location and Frequency must be there, the others may be
// missing and count as empty), then one row per memory. Rows whose Location
// is not 1..16, that repeat a channel, have no frequency or a mode other than
// FM or NFM are left out with a note. A broken file (a number that is none, a
// Duplex, Tone, CrossMode, DtcsPolarity or Skip value CHIRP does not write)
// fails with "line N: reason" and `rows` empty.
Status ReadChirpCsv(std::string_view text, ChirpCsvRows& rows);

struct ChirpImportReport {
    int channels = 0;                // channels set from the file
    std::vector<std::string> lines;  // "line 5, channel 2: ...", in line order
};

// Sets each row's channel through the table's commits, as if its cells were
// typed (band edges, raster, new-channel defaults, tone forms), and stores
// those channels' rows alone into the image. Channels the file does not name
// keep every byte they hold, and so does the rest of the image (a file with
// no rows changes nothing); a channel that was there keeps the fields CHIRP
// has no column for.
ChirpImportReport ImportChirpRows(ChannelTablePresenter& table, const ChirpCsvRows& rows);

}  // namespace dpmr
