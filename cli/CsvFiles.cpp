// Reading and writing the CSV files of dpmrtool's list commands.
#include "CsvFiles.h"

#include <cstdint>
#include <iostream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "util/FileIo.h"

namespace dpmr::cli {

int ParseCsvCommandArgs(const std::string& command, const std::vector<std::string>& args,
                        CsvCommandArgs& parsed) {
    const std::string usage =
        "usage: dpmrtool " + command + " FILE.dat [-o OUT.csv | --import IN.csv]";
    ArgParser p({"-o", "--output", "--import"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 1) return UsageError(usage);
    parsed.file = p.Positional()[0];
    parsed.output = p.Value("-o");
    if (!parsed.output) parsed.output = p.Value("--output");
    parsed.input = p.Value("--import");
    if (parsed.input && parsed.output) return UsageError(usage);
    return kExitOk;
}

int WriteCsvOutput(const std::optional<std::string>& out, const std::string& text) {
    if (!out) {
        std::cout << text << std::flush;
        return kExitOk;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    if (Status s = WriteFileAtomically(*out, {data, text.size()}); !s) return FileError(s);
    return kExitOk;
}

}  // namespace dpmr::cli
