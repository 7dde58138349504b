// dpmrtool backups and check: the list of the automatic backups kept by every
// programming read and write, and the look over a file that a write does
// before it sends anything.
#include <cstdio>
#include <iostream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "backup/BackupStore.h"
#include "check/WriteCheck.h"
#include "dialogs/DialogRegistry.h"
#include "image/Document.h"

namespace dpmr::cli {

namespace {

// Control characters of a radio name would upset the terminal.
std::string Printable(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) c = '?';
    }
    return text;
}

// The dPMR radio name and ID of a backup, each empty when the file holds
// none (an erased ID would only show the dialog's fallback).
std::pair<std::string, std::string> RadioNameAndId(const std::string& path) {
    RadioImage image;
    if (!LoadExactImageFile(path, image)) return {};
    std::string name = form::ShownFieldText(image, "dpmr.radio_name").value_or("");
    std::string id;
    if (const auto ref = form::FindField("dpmr.radio_id")) {
        const form::Location& at = ref->Decl().at;
        bool erased = true;
        for (std::size_t k = 0; k < at.size; ++k)
            erased = erased && image.U8(at.offset + k) == 0xFF;
        if (!erased) id = form::ShownFieldText(image, "dpmr.radio_id").value_or("");
    }
    return {Printable(name), id};
}

int RunBackups(const std::vector<std::string>& args) {
    ArgParser p({}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (!p.Positional().empty()) return UsageError("usage: dpmrtool backups");
    const BackupStore store(DefaultBackupFolder());
    if (store.folder().empty()) return UsageError("there is no home folder that holds backups");
    std::vector<BackupEntry> backups;
    if (Status s = store.List(backups); !s) return FileError(s);
    if (backups.empty()) {
        std::cerr << "No backups in " << store.folder() << "\n";
        return kExitOk;
    }
    for (const BackupEntry& b : backups) {
        const auto [name, id] = RadioNameAndId(b.path);
        std::printf("%s  %-12s  %-8s  %-7s  %s\n", b.time.c_str(), BackupKindName(b.kind),
                    name.c_str(), id.c_str(), b.path.c_str());
    }
    std::fflush(stdout);
    return kExitOk;
}

int RunCheck(const std::vector<std::string>& args) {
    ArgParser p({}, {"--strict"});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 1) return UsageError("usage: dpmrtool check [--strict] FILE.dat");
    RadioImage image;
    if (Status s = LoadExactImageFile(p.Positional()[0], image); !s) return FileError(s);
    const std::vector<WriteProblem> problems = CheckBeforeWrite(image);
    for (const WriteProblem& problem : problems) std::cout << ProblemLine(problem) << "\n";
    if (problems.empty()) std::cout << "No problems found.\n";
    // Warnings are settings that work: they fail the check only when asked to.
    const bool failed = p.Has("--strict") ? !problems.empty() : HasErrors(problems);
    return failed ? kExitTransferFailed : kExitOk;
}

const RegisterCommand kBackups{
    {"backups", "list the backups kept by every read and write",
     "Usage: dpmrtool backups\n\n"
     "Every programming read (here and in the desktop program) keeps a copy of\n"
     "the configuration read, and every write a copy of the configuration sent,\n"
     "in $XDG_STATE_HOME/dpmrcps/backups/ (else ~/.local/state/dpmrcps/backups/);\n"
     "the newest 100 are kept. Lists them newest first, one a line: date and\n"
     "time, read, write or write-failed (a write that never reached the radio,\n"
     "broke off, was stopped or failed its verify), the dPMR radio name and\n"
     "radio ID when the copy holds them, and the file.\n\n"
     "Exit status: 0 success (also when there are none); 2 the folder cannot be read.\n",
     RunBackups}};

const RegisterCommand kCheck{
    {"check", "check a file for problems before writing it",
     "Usage: dpmrtool check [--strict] FILE.dat\n\n"
     "Prints the problems a write would report, one a line, errors first:\n"
     "  error:   a channel outside the band the file holds; a channel's Tx\n"
     "           contact that is a free slot or above 64; a group receive list\n"
     "           naming a free slot or a single-call contact; a channel that\n"
     "           selects a group receive list without members\n"
     "  warning: an analog call that selects an empty DTMF code; a channel with\n"
     "           an Rx but no Tx frequency; a DCS code that is not one of the\n"
     "           107 standard codes; an empty dPMR radio name\n"
     "dpmrtool write refuses a file with errors unless given --force.\n"
     "--strict counts warnings as errors.\n\n"
     "Exit status: 0 no errors (warnings only, or no problems); 1 errors listed\n"
     "(with --strict: any problem listed); 2 usage or file error.\n",
     RunCheck}};

}  // namespace

}  // namespace dpmr::cli
