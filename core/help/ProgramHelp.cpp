// The help texts of both programs, and their two forms: --help and roff.
#include "help/ProgramHelp.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace dpmr::help {

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// "  --demo     text" with the text's further lines under its first.
void AppendEntries(std::string& out, const std::vector<Entry>& entries) {
    std::size_t width = 0;
    for (const Entry& e : entries) width = std::max(width, e.term.size());
    width = std::min<std::size_t>(width + 2, 24);
    for (const Entry& e : entries) {
        bool first = true;
        for (const std::string& line : Lines(e.text)) {
            std::string term = first ? e.term : std::string();
            out += "  " + term;
            if (first && term.size() + 2 > width) {
                out += "\n  ";
                term.clear();
            }
            out += std::string(width - term.size(), ' ') + line + "\n";
            first = false;
        }
    }
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// A block of help text as roff: a blank line starts a new paragraph, an
// indented line is kept as it is (a table or an example), other lines are
// filled.
void AppendBlock(std::ostringstream& out, const std::string& text) {
    bool preformatted = false;
    for (const std::string& line : Lines(text)) {
        const bool indented = !line.empty() && line[0] == ' ';
        if (line.empty()) {
            if (preformatted) out << ".fi\n";
            preformatted = false;
            out << ".PP\n";
            continue;
        }
        if (indented && !preformatted) out << ".nf\n";
        if (!indented && preformatted) out << ".fi\n";
        preformatted = indented;
        out << RoffEscape(line) << "\n";
    }
    if (preformatted) out << ".fi\n";
}

void AppendTaggedEntries(std::ostringstream& out, const std::vector<Entry>& entries) {
    for (const Entry& e : entries) {
        out << ".TP\n.B " << RoffEscape(e.term) << "\n";
        AppendBlock(out, e.text);
    }
}

}  // namespace

std::string RoffEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

std::string HelpText(const ProgramHelp& help) {
    std::string out = help.synopsis + "\n";
    if (!help.description.empty()) out += help.description + "\n";
    if (!help.options.empty()) {
        out += "Options:\n";
        AppendEntries(out, help.options);
        out += "\n";
    }
    if (!help.commands.empty()) {
        out += "Commands:\n";
        std::vector<Entry> list;
        for (const CommandHelp& c : help.commands) list.push_back({c.name, c.summary});
        AppendEntries(out, list);
        out += "\n";
    }
    if (!help.commandsFooter.empty()) out += help.commandsFooter + "\n";
    if (!help.exitStatus.empty()) {
        out += "Exit status:\n";
        AppendEntries(out, help.exitStatus);
        out += "\n";
    }
    out += "Files, folders and environment variables: man " + help.name + "\n";
    return out;
}

std::string ManPage(const ProgramHelp& help, const std::string& version) {
    std::ostringstream out;
    out << ".\\\" Made by dpmr_manpage from the program's own help texts; do not edit.\n";
    out << ".TH " << Upper(help.name) << " 1 \"\" \"" << help.name << " " << version
        << "\" \"User Commands\"\n";
    // No hyphenation: names such as BaudRate and --keep-calibration are typed.
    out << ".nh\n.ad l\n";
    out << ".SH NAME\n" << help.name << " \\- " << RoffEscape(help.purpose) << "\n";
    out << ".SH SYNOPSIS\n.nf\n";
    for (std::string line : Lines(help.synopsis)) {
        if (line.rfind("Usage: ", 0) == 0) line = line.substr(7);
        line.erase(0, line.find_first_not_of(' '));
        if (line.empty()) continue;
        out << RoffEscape(line) << "\n";
    }
    out << ".fi\n";
    if (!help.description.empty()) {
        out << ".SH DESCRIPTION\n";
        AppendBlock(out, help.description);
    }
    if (!help.options.empty()) {
        out << ".SH OPTIONS\n";
        AppendTaggedEntries(out, help.options);
    }
    if (!help.commands.empty()) {
        out << ".SH COMMANDS\n";
        for (const CommandHelp& c : help.commands) {
            out << ".SS " << RoffEscape(c.name) << "\n" << RoffEscape(c.summary) << ".\n.PP\n";
            AppendBlock(out, c.usage);
        }
        if (!help.commandsFooter.empty()) {
            out << ".PP\n";
            AppendBlock(out, help.commandsFooter);
        }
    }
    const std::pair<const char*, const std::vector<Entry>*> lists[] = {
        {"EXIT STATUS", &help.exitStatus},
        {"ENVIRONMENT", &help.environment},
        {"FILES", &help.files}};
    for (const auto& [title, entries] : lists) {
        if (entries->empty()) continue;
        out << ".SH " << title << "\n";
        AppendTaggedEntries(out, *entries);
    }
    if (!help.seeAlso.empty()) {
        out << ".SH SEE ALSO\n";
        for (std::size_t i = 0; i < help.seeAlso.size(); ++i) {
            const std::string& ref = help.seeAlso[i];
            const std::size_t paren = ref.find('(');
            out << ".BR " << RoffEscape(ref.substr(0, paren)) << " " << ref.substr(paren)
                << (i + 1 < help.seeAlso.size() ? "," : "") << "\n";
        }
    }
    return out.str();
}

std::vector<Entry> SharedEnvironment() {
    return {
        {"XDG_CONFIG_HOME",
         "The user's settings: $XDG_CONFIG_HOME/dpmrcps/Program.ini (else\n"
         "~/.config/dpmrcps/Program.ini). See FILES."},
        {"XDG_STATE_HOME",
         "The backups of every Read and Write: $XDG_STATE_HOME/dpmrcps/backups/\n"
         "(else ~/.local/state/dpmrcps/backups/)."},
        {"HOME",
         "Where the two folders above are when their variable is not set (or not\n"
         "an absolute path). Without HOME no settings or backups are kept in the\n"
         "user's folders."},
    };
}

std::vector<Entry> SharedFiles() {
    return {
        {"PREFIX/share/dpmrcps/Program.ini",
         "The installed settings: [Setup] Model (the window title), BaudRate (the\n"
         "serial speed, 9600 when not a positive number), FreqRange (the bands of\n"
         "the \"Freq range\" list, separated by \";\") and COM (the port)."},
        {"~/.config/dpmrcps/Program.ini",
         "The user's settings. An installed program keeps the chosen port\n"
         "(COM) and VerifyAfterWrite here; Model, BaudRate and FreqRange\n"
         "written here win over the installed ones."},
        {"PROGRAM_FOLDER/Program.ini",
         "A program run from its build or unpacked folder (Program.ini beside\n"
         "the executable) takes Model, BaudRate and FreqRange from that file\n"
         "alone, and keeps the port there, or in the user's settings when that\n"
         "file exists or the folder is read-only."},
        {"PREFIX/share/dpmrcps/Default.dat",
         "When present, File > New and \"dpmrtool new\" start from it (beside the\n"
         "executable for a build or unpacked folder)."},
        {"PREFIX/share/dpmrcps/Factory.dat",
         "The configuration the channel table's \"Factroy\" button loads."},
        {"PREFIX/share/dpmrcps/pmr446-demo.dat",
         "The demo configuration (16 PMR446 channels) the virtual radio of\n"
         "\"dpmrcps --demo\" holds; a radio file to try the program with."},
        {"~/.local/state/dpmrcps/backups/",
         "A copy of every configuration read from or written to a radio, named\n"
         "like 2026-12-06_21-30-05_read.dat; the newest 100 are kept."},
        {"PREFIX/lib/udev/rules.d/60-dpmrcps.rules",
         "Tells ModemManager to leave the USB-serial programming cables alone\n"
         "(CH340, PL2303, CP210x, FTDI) and gives the group dialout access to\n"
         "them. Add your user to dialout: sudo adduser $USER dialout."},
    };
}

ProgramHelp DesktopHelp() {
    ProgramHelp h;
    h.name = "dpmrcps";
    h.purpose = "programming software for an FM/dPMR handheld radio";
    h.synopsis = "Usage: dpmrcps [--demo] [--adjust] [FILE.dat]\n";
    h.description =
        "Reads the radio's configuration over a USB-serial programming cable, edits it\n"
        "(channels, options, side keys, scan, alarm, DTMF, dPMR identity, contacts,\n"
        "group lists), saves it as a .dat file and writes it back. Help > User Guide\n"
        "(F1) explains a first Read, editing, Save, Write, backups and undo.\n";
    h.options = {
        {"FILE.dat", "open this radio file instead of a new one"},
        {"--demo",
         "connect Read and Write to a built-in virtual radio that holds\n"
         "a sample PMR446 configuration (the port setting is not saved),\n"
         "and offer four virtual radios to Write to Several Radios"},
        {"--adjust", "open the factory adjustment dialog once the window is up"},
        {"--help", "print this text"},
        {"--version", "print the version"},
    };
    h.exitStatus = {
        {"0", "the program ended normally"},
        {"2",
         "an unknown option or a second file name, or the virtual radio of\n--demo could not be "
         "started"},
    };
    h.environment = SharedEnvironment();
    h.files = SharedFiles();
    h.seeAlso = {"dpmrtool(1)", "ModemManager(8)"};
    return h;
}

}  // namespace dpmr::help
