// dpmrtool csv: the channels of a radio file as a CSV file of CHIRP, printed
// or written to a file, and set from one through the channel table's rules.
#include <iostream>
#include <string>
#include <vector>

#include "Command.h"
#include "CsvFiles.h"
#include "FileError.h"
#include "channels/ChannelTablePresenter.h"
#include "config/AppSettings.h"
#include "image/Document.h"
#include "interchange/ChirpCsv.h"
#include "util/FileIo.h"

namespace dpmr::cli {

namespace {

int Import(const CsvCommandArgs& a) {
    RadioImage image;
    if (Status s = LoadExactImageFile(a.file, image); !s) return FileError(s);
    std::string text;
    if (Status s = ReadListFile(*a.input, "CHIRP CSV", text); !s) return FileError(s);
    ChirpCsvRows rows;
    if (Status s = ReadChirpCsv(text, rows); !s) return UsageError(*a.input + ": " + s.message());

    // The table of the program, on the band of the file and the band list
    // of the settings beside dpmrtool.
    const RadioImage before = image;
    const AppSettings settings = LoadAppSettings(ExecutableFolder());
    BandLimits band;
    ChannelTablePresenter table(image, band, settings);
    table.SelectBandFromImage();
    const ChirpImportReport report = ImportChirpRows(table, rows);
    for (const std::string& line : report.lines) std::cerr << *a.input << ": " << line << "\n";
    std::cerr << *a.input << ": " << report.channels
              << (report.channels == 1 ? " channel" : " channels") << " set\n";
    if (image == before) return kExitOk;
    if (Status s = SaveImageFile(a.file, image); !s) return FileError(s);
    return kExitOk;
}

int Run(const std::vector<std::string>& args) {
    CsvCommandArgs a;
    if (int status = ParseCsvCommandArgs("csv", args, a); status != kExitOk) return status;
    if (a.input) return Import(a);
    RadioImage image;
    if (Status s = LoadExactImageFile(a.file, image); !s) return FileError(s);
    return WriteCsvOutput(a.output, ChannelsToChirpCsv(image));
}

const RegisterCommand kCsvCommand{
    {"csv", "print or set the channels as a CHIRP CSV file",
     "Usage: dpmrtool csv FILE.dat [-o OUT.csv | --import IN.csv]\n\n"
     "Prints the channels in the generic CSV format of CHIRP (header\n"
     "Location,Name,Frequency,Duplex,Offset,Tone,...,DVCODE), one row per channel\n"
     "that holds a frequency, its number as Location; -o writes it to OUT.csv.\n"
     "  Frequency is the Rx frequency. Duplex and Offset give Tx: + or - with the\n"
     "  shift for shifts of up to 10 MHz in steps of 100 kHz, split with the Tx\n"
     "  frequency in Offset for any other, off for a channel without Tx.\n"
     "  Tones: Tone (a Tx tone only), TSQL (one CTCSS tone both ways), DTCS (one\n"
     "  DCS code both ways, DtcsPolarity N or R for Tx then Rx), Cross with its\n"
     "  CrossMode for any other pair.\n"
     "  Mode FM for Wide, NFM for Narrow; Skip S for a channel not scanned (Del);\n"
     "  Power 5.0W for High and 1.0W for Low, as CHIRP writes power in watts.\n"
     "  Name is empty: the radio keeps no channel names.\n"
     "  dPMR channels (Digit, Mixed(Digit), Mixed(Analog)) are written too, with\n"
     "  their frequencies and the Comment \"dPMR\" (\"dPMR Mixed(Digit)\", \"dPMR\n"
     "  Mixed(Analog)\"), so that a user sees them and they come back as they were.\n\n"
     "--import sets the channels a CHIRP CSV file names: one exported by CHIRP from\n"
     "any radio (columns found by their name, other columns ignored, missing ones\n"
     "empty; UTF-8 or ASCII). A row with Location 1 to 16 sets that channel as if\n"
     "its cells were typed into the channel table: a frequency outside the band\n"
     "moves to the nearest band edge, one off the raster to the nearest raster\n"
     "point, tones take the table's forms, a new channel starts from the table's\n"
     "defaults. Power of 3 W or more, or a word starting with H, is High; less, or\n"
     "Low or Mid, is Low; empty is High. A Comment \"dPMR\" (as above) gives that\n"
     "dPMR type, any other the type Analog. Channels the file does not name stay as\n"
     "they are, and a channel keeps the fields CHIRP has no column for (contacts,\n"
     "colour codes, calls). Rows with another Location, a second row for a channel,\n"
     "a Mode other than FM and NFM, reverse tone squelch or no frequency are left\n"
     "out or set without that part; every row left out or changed is listed on\n"
     "stderr (\"IN.csv: line 5: ...\"). A broken file (a number that is none, a\n"
     "Duplex, Tone, CrossMode, DtcsPolarity or Skip value CHIRP does not write)\n"
     "stops with status 2, a message naming its line, and the file untouched.\n",
     Run}};

}  // namespace

}  // namespace dpmr::cli
