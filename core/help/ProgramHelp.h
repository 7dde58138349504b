// ProgramHelp: the command-line help of dpmrcps and dpmrtool held as data, so
// that `--help` and the manual pages (dpmrcps.1, dpmrtool.1, made at build
// time by dpmr_manpage) are printed from the same texts and cannot drift.
#pragma once

#include <string>
#include <vector>

namespace dpmr::help {

// One option, exit status, environment variable or file: the term and what it
// means (one or more lines, without a trailing line break).
struct Entry {
    std::string term;
    std::string text;
};

// One dpmrtool command: its name, one-line summary and full usage text (the
// text `dpmrtool NAME --help` prints).
struct CommandHelp {
    std::string name;
    std::string summary;
    std::string usage;
};

struct ProgramHelp {
    std::string name;         // "dpmrtool"
    std::string purpose;      // the manual's NAME line after the dash
    std::string synopsis;     // "Usage: ..." lines, one per form
    std::string description;  // paragraphs separated by blank lines
    std::vector<Entry> options;
    std::vector<CommandHelp> commands;
    std::string commandsFooter;  // after the command list of --help
    std::vector<Entry> exitStatus;
    std::vector<Entry> environment;
    std::vector<Entry> files;
    std::vector<std::string> seeAlso;  // "dpmrtool(1)"
};

// What `--help` prints: synopsis, description, options, the commands with
// their summaries, exit statuses. Environment and files are left to the
// manual page, except a pointer to it.
std::string HelpText(const ProgramHelp& help);

// The manual page in roff (man macros): NAME, SYNOPSIS, DESCRIPTION, OPTIONS,
// COMMANDS with every command's full usage, EXIT STATUS, ENVIRONMENT, FILES,
// SEE ALSO. `version` goes into the page's footer.
std::string ManPage(const ProgramHelp& help, const std::string& version);

// Text made safe for roff: backslashes escaped, and a line that starts with
// a period or an apostrophe is not taken for a request.
std::string RoffEscape(const std::string& text);

// The environment variables and files both programs use (settings, backups,
// the shipped files).
std::vector<Entry> SharedEnvironment();
std::vector<Entry> SharedFiles();

// dpmrcps's command line.
ProgramHelp DesktopHelp();

}  // namespace dpmr::help
