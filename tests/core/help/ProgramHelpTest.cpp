// The help texts as --help and as a manual page: roff escaping, the sections
// and every command and option of the table in both forms.
#include <gtest/gtest.h>

#include "help/ProgramHelp.h"

namespace dpmr::help {
namespace {

TEST(ProgramHelpTest, RoffEscape) {
    const std::pair<const char*, const char*> cases[] = {
        {"--port DEV", "\\-\\-port DEV"}, {"C:\\path", "C:\\epath"}, {".hidden", "\\&.hidden"},
        {"'quoted'", "\\&'quoted'"},      {"a.b 'c'", "a.b 'c'"},    {"", ""},
    };
    for (auto [in, out] : cases) EXPECT_EQ(RoffEscape(in), out) << in;
}

// Every command with its summary in --help, with its whole usage in the
// page; indented lines of a usage stay as they are, paragraphs are kept; a
// line of text that starts with a period cannot become a request.
TEST(ProgramHelpTest, HelpAndManualPageFromOneTable) {
    ProgramHelp h;
    h.name = "tool";
    h.purpose = "does things";
    h.synopsis = "Usage: tool COMMAND\n       tool --version\n";
    h.description = "Does things.\n";
    h.options = {{"--version", "print the version"}};
    h.commands = {{"run", "run a thing",
                   "Usage: tool run [--fast]\n\nRuns.\n.dots first\n"
                   "  --fast   quickly\n"},
                  {"stop", "stop it", "Usage: tool stop\n"}};
    h.exitStatus = {{"0", "success"}, {"2", "usage error"}};
    h.environment = {{"HOME", "the home folder"}};
    h.files = {{"~/.config/tool", "settings"}};
    h.seeAlso = {"other(1)", "more(8)"};

    const std::string text = HelpText(h);
    for (const char* part :
         {"Usage: tool COMMAND\n", "  --version  print the version\n", "  run   run a thing\n",
          "  stop  stop it\n", "  2  usage error\n", "man tool"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;

    const std::string page = ManPage(h, "1.2.3");
    for (const char* part :
         {".TH TOOL 1 \"\" \"tool 1.2.3\"", ".SH NAME\ntool \\- does things\n",
          ".SH SYNOPSIS\n.nf\ntool COMMAND\ntool \\-\\-version\n.fi\n",
          ".SH OPTIONS\n.TP\n.B \\-\\-version\n", ".SH COMMANDS\n.SS run\nrun a thing.\n",
          "Usage: tool run [\\-\\-fast]\n.PP\nRuns.\n"
          "\\&.dots first\n.nf\n  \\-\\-fast   quickly\n.fi\n",
          ".SS stop\n", ".SH EXIT STATUS\n.TP\n.B 0\nsuccess\n", ".SH ENVIRONMENT\n.TP\n.B HOME\n",
          ".SH FILES\n", ".SH SEE ALSO\n.BR other (1),\n.BR more (8)\n"})
        EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;
}

// dpmrcps's page and --help name every option and both user folders.
TEST(ProgramHelpTest, DesktopHelpCoversOptionsAndFiles) {
    const ProgramHelp h = DesktopHelp();
    const std::string text = HelpText(h);
    const std::string page = ManPage(h, "0");
    for (const Entry& option : h.options) {
        EXPECT_NE(text.find(option.term), std::string::npos) << option.term;
        EXPECT_NE(page.find(RoffEscape(option.term)), std::string::npos) << option.term;
    }
    for (const char* part : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "Program.ini", "backups",
                             "Default.dat", "Factory.dat", "60\\-dpmrcps.rules"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace dpmr::help
