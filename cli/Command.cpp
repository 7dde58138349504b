// The table of dpmrtool's commands, filled by each command file as it loads.
#include "Command.h"

namespace dpmr::cli {

std::vector<Command>& CommandRegistry() {
    static std::vector<Command> commands;
    return commands;
}

}  // namespace dpmr::cli
