// dpmrtool's help: what every command says of itself, and what they share.
#include "ToolHelp.h"

#include "Command.h"

namespace dpmr::cli {

help::ProgramHelp ToolHelp() {
    help::ProgramHelp h;
    h.name = "dpmrtool";
    h.purpose = "read, edit and transfer the configuration of an FM/dPMR handheld radio";
    h.synopsis =
        "Usage: dpmrtool COMMAND [OPTIONS] [ARGS]\n"
        "       dpmrtool COMMAND --help\n"
        "       dpmrtool --help | --version\n";
    h.description =
        "Reads, edits and transfers the configuration of an FM/dPMR handheld radio.\n"
        "Radio files (.dat) hold exactly the radio's 16384 bytes, as the desktop\n"
        "program dpmrcps saves them; every edit follows the rules of its dialogs.\n";
    for (const Command& c : CommandRegistry()) h.commands.push_back({c.name, c.summary, c.usage});
    h.commandsFooter = "'dpmrtool COMMAND --help' describes one command.\n";
    h.exitStatus = {
        {"0", "success"},
        {"1",
         "the transfer with the radio failed (the message is on stderr, its reason\n"
         "on the next line); check: problems listed; diff: the files differ"},
        {"2", "a usage or file error; nothing was written"},
        {"130", "the transfer was stopped by Ctrl+C"},
        {"143, 129", "the transfer was stopped by SIGTERM or SIGHUP (a logout)"},
    };
    h.environment = help::SharedEnvironment();
    h.files = help::SharedFiles();
    h.seeAlso = {"dpmrcps(1)", "ModemManager(8)"};
    return h;
}

}  // namespace dpmr::cli
