// dpmrtool: command-line access to radio files and the radio link, for scripts,
// fleets and tests. `dpmrtool --help` lists the commands.
#include <iostream>
#include <string>
#include <vector>

#include "ArgParser.h"
#include "BuildInfo.h"
#include "Command.h"
#include "ToolHelp.h"

using dpmr::cli::CommandRegistry;

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cout << dpmr::help::HelpText(dpmr::cli::ToolHelp());
        return dpmr::cli::kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << dpmr::help::HelpText(dpmr::cli::ToolHelp());
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
