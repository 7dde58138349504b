// ToolHelp: dpmrtool's help as data, from the command table, for
// `dpmrtool --help` and the manual page dpmrtool.1.
#pragma once

#include "help/ProgramHelp.h"

namespace dpmr::cli {

help::ProgramHelp ToolHelp();

}  // namespace dpmr::cli
