// dpmrtool: command-line access to radio files and the radio link, for scripts,
// fleets and tests. `dpmrtool --help` lists the commands.
#include <iostream>
#include <string>
#include <vector>

#include "ArgParser.h"
#include "BuildInfo.h"
#include "Command.h"

using dpmr::cli::CommandRegistry;

namespace {

void PrintHelp() {
    std::cout << "Usage: dpmrtool COMMAND [OPTIONS] [ARGS]\n\n"
                 "Reads, edits and transfers the configuration of an FM/dPMR handheld radio.\n\n"
                 "Commands:\n";
    for (const auto& c : CommandRegistry()) {
        std::cout << "  " << c.name << std::string(c.name.size() < 14 ? 14 - c.name.size() : 1, ' ')
                  << c.summary << "\n";
    }
    std::cout << "\n'dpmrtool COMMAND --help' describes one command.\n"
                 "Exit status: 0 success, 1 transfer failed, 2 usage or file error,\n"
                 "130 transfer cancelled.\n";
}

}  // namespace

namespace dpmr::cli {

std::vector<Command>& CommandRegistry() {
    static std::vector<Command> commands;
    return commands;
}

}  // namespace dpmr::cli

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp();
        return dpmr::cli::kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp();
        return dpmr::cli::kExitOk;
    }
    if (args[0] == "--version") {
        std::cout << "dpmrtool " << DPMR_VERSION << "\n";
        return dpmr::cli::kExitOk;
    }
    for (const auto& c : CommandRegistry()) {
        if (c.name != args[0]) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const auto& a : rest) {
            if (a == "--help" || a == "-h") {
                std::cout << c.usage;
                return dpmr::cli::kExitOk;
            }
        }
        return c.run(rest);
    }
    return dpmr::cli::UsageError("unknown command '" + args[0] + "' (see dpmrtool --help)");
}
