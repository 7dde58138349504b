// dpmr_manpage: writes the manual page of dpmrcps or dpmrtool from the
// programs' own help texts, at build time, so the page says what --help says.
#include <fstream>
#include <iostream>
#include <string>

#include "BuildInfo.h"
#include "ToolHelp.h"
#include "help/ProgramHelp.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: dpmr_manpage dpmrcps|dpmrtool OUT.1\n";
        return 2;
    }
    const std::string program = argv[1];
    dpmr::help::ProgramHelp help;
    if (program == "dpmrcps") {
        help = dpmr::help::DesktopHelp();
    } else if (program == "dpmrtool") {
        help = dpmr::cli::ToolHelp();
    } else {
        std::cerr << "dpmr_manpage: unknown program '" << program << "'\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << dpmr::help::ManPage(help, DPMR_VERSION);
    out.close();
    if (!out) {
        std::cerr << "dpmr_manpage: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
