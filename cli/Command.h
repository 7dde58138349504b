// The commands of dpmrtool: each command file registers itself with a name, a
// one-line summary, its usage text and the function that runs it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace dpmr::cli {

// Exit statuses shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitTransferFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCancelled = 130;

struct Command {
    std::string name;
    std::string summary;
    std::string usage;  // full help text printed by `dpmrtool NAME --help`
    std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<Command>& CommandRegistry();

struct RegisterCommand {
    explicit RegisterCommand(Command command) { CommandRegistry().push_back(std::move(command)); }
};

}  // namespace dpmr::cli
