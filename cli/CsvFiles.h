// CsvFiles: what dpmrtool's CSV commands (contacts, grouplists, csv) share:
// their arguments, and the CSV text printed or written to the file -o names.
// Failures are printed and give the exit status.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dpmr::cli {

// The arguments every list command takes: FILE.dat [-o OUT.csv | --import IN.csv].
struct CsvCommandArgs {
    std::string file;
    std::optional<std::string> output;  // -o / --output
    std::optional<std::string> input;   // --import
};

// Reads the arguments of `dpmrtool command`. Returns kExitOk, or the status
// of a usage error after printing it.
int ParseCsvCommandArgs(const std::string& command, const std::vector<std::string>& args,
                        CsvCommandArgs& parsed);

// Prints `text` on stdout, or writes it atomically to `out` when given.
int WriteCsvOutput(const std::optional<std::string>& out, const std::string& text);

}  // namespace dpmr::cli
