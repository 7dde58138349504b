// dpmrtool report: the problem report, one archive to attach when a
// connection or a transfer goes wrong. Nothing is sent anywhere.
#include <ctime>
#include <iostream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "backup/BackupStore.h"
#include "config/AppSettings.h"
#include "image/Document.h"
#include "link/TraceStore.h"
#include "report/ProblemReport.h"

namespace dpmr::cli {

namespace {

int RunReport(const std::vector<std::string>& args) {
    ArgParser p({"-o", "--output", "--codeplug"}, {});
    if (!p.Parse(args)) return UsageError(p.error());
    auto out = p.Value("-o");
    if (!out) out = p.Value("--output");
    if (!out || out->empty() || !p.Positional().empty())
        return UsageError("usage: dpmrtool report [--codeplug FILE.dat] -o REPORT.tar.gz");
    const AppSettings settings = LoadAppSettings(ExecutableFolder());
    ReportInputs inputs;
    inputs.program = "dpmrtool";
    inputs.portName = settings.portName;
    inputs.settingsFiles = {settings.settingsPath};
    if (settings.portSettingsPath != settings.settingsPath)
        inputs.settingsFiles.push_back(settings.portSettingsPath);
    inputs.backupFolder = DefaultBackupFolder();
    inputs.traceFolder = DefaultTraceFolder();
    if (auto file = p.Value("--codeplug")) {
        RadioImage image;
        if (Status s = LoadExactImageFile(*file, image); !s) return FileError(s);
        inputs.codeplug = image;
    }
    const std::vector<ReportPart> parts = GatherReport(inputs);
    std::cout << ReportContents(parts);
    if (Status s = WriteReport(*out, parts, std::time(nullptr)); !s) return FileError(s);
    std::cout << "Written to " << *out
              << ". Nothing has been sent anywhere: attach the file to your problem report.\n";
    return kExitOk;
}

const RegisterCommand kReport{
    {"report", "gather a problem report into one file to attach",
     "Usage: dpmrtool report [--codeplug FILE.dat] -o REPORT.tar.gz\n\n"
     "Gathers what a maintainer needs to look into a connection or a transfer\n"
     "that went wrong, lists it, and writes it as one .tar.gz archive: the\n"
     "version and build, the OS, kernel and Qt, the connection doctor's\n"
     "findings for every port, the settings files, the list of backups (names\n"
     "only) and the wire traces of the last transfers. A radio ID, radio name,\n"
     "contact names and numbers, kill and active codes and alarm IDs in the\n"
     "traces are blanked. Nothing is sent anywhere.\n\n"
     "Options:\n"
     "  --codeplug FILE.dat  add this configuration, its identity replaced by\n"
     "               placeholders (radio ID 1000001, name RADIO, contacts\n"
     "               \"Name 01\" with numbers 0000001, ...)\n"
     "  -o, --output REPORT.tar.gz   where to write the archive\n\n"
     "Exit status: 0 written; 2 usage or file error.\n",
     RunReport}};

}  // namespace

}  // namespace dpmr::cli
