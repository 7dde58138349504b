// Gathering the problem report and packing it.
#include "report/ProblemReport.h"

#include <sys/utsname.h>

#include <fstream>
#include <sstream>

#include "BuildInfo.h"
#include "backup/BackupStore.h"
#include "link/ConnectionDoctor.h"
#include "link/PosixSerialPort.h"
#include "link/TraceStore.h"
#include "report/ReportIdentity.h"
#include "util/TarArchive.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string FileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// PRETTY_NAME of os-release, else the file's first line.
std::string OsName(const std::string& root) {
    const std::string base = root == "/" ? "" : root;
    std::istringstream in(ReadText(base + "/etc/os-release"));
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("PRETTY_NAME=")) continue;
        std::string name = line.substr(12);
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        return name;
    }
    return "unknown";
}

std::string About(const ReportInputs& in, std::time_t when) {
    utsname system{};
    ::uname(&system);
    char time[32] = "";
    std::tm local{};
    if (::localtime_r(&when, &local)) std::strftime(time, sizeof time, "%Y-%m-%d %H:%M:%S", &local);
    std::string text = "Problem report of " + in.program + " " DPMR_VERSION ", made " + time + "\n";
    text += std::string("Build: compiler ") + __VERSION__ +
#ifdef NDEBUG
            ", optimised" +
#else
            ", with assertions" +
#endif
            "\n";
    text += "OS: " + OsName(in.root) + "\n";
    text += std::string("Kernel: ") + system.sysname + " " + system.release + " " + system.version +
            " " + system.machine + "\n";
    text +=
        "Qt: " + (in.qtVersion.empty() ? std::string("not used by ") + in.program : in.qtVersion) +
        "\n";
    text += "Port chosen: " + (in.portName.empty() ? std::string("none") : in.portName) + "\n";
    return text;
}

}  // namespace

std::vector<ReportPart> GatherReport(const ReportInputs& in) {
    std::vector<ReportPart> parts;
    const std::time_t now = std::time(nullptr);
    parts.push_back(
        {"about.txt", Tr("report", "version and build, OS, kernel, Qt"), About(in, now)});

    std::string doctor;
    const std::string chosen = in.portName.empty() ? "" : DevicePathForPortName(in.portName);
    for (const PortDiagnosis& d : CheckPorts({chosen}, in.root)) doctor += DiagnosisText(d) + "\n";
    parts.push_back({"doctor.txt", Tr("report", "the connection doctor's findings for every port"),
                     doctor.empty() ? "No serial port was found.\n" : doctor});

    int n = 0;
    for (const std::string& file : in.settingsFiles) {
        std::ifstream probe(file);
        if (!probe) continue;
        parts.push_back({"settings/" + std::to_string(++n) + "-" + FileName(file),
                         Fill(Tr("report", "the settings file %1"), {file}), ReadText(file)});
    }

    std::vector<BackupEntry> backups;
    std::string list;
    if (Status s = BackupStore(in.backupFolder).List(backups); !s) list = s.message() + "\n";
    for (const BackupEntry& b : backups) list += b.time + "  " + b.fileName + "\n";
    parts.push_back({"backups.txt", Tr("report", "the list of backups (names only, not the files)"),
                     list.empty() ? "No backups.\n" : list});

    for (const std::string& trace : TraceStore(in.traceFolder).List())
        parts.push_back({"traces/" + FileName(trace),
                         Tr("report", "a wire trace of a transfer, the radio's identity blanked"),
                         BlankIdentity(ReadText(trace))});

    if (in.codeplug) {
        RadioImage image = *in.codeplug;
        ReplaceIdentity(image);
        parts.push_back(
            {"codeplug.dat",
             Tr("report",
                "the open configuration, its radio ID, name, contacts and codes replaced"),
             std::string(reinterpret_cast<const char*>(image.Data()), RadioImage::kSize)});
    }
    parts.front().content += "\nContents:\n" + ReportContents(parts);
    return parts;
}

std::string ReportContents(const std::vector<ReportPart>& parts) {
    std::string text;
    for (const ReportPart& p : parts)
        text += Fill(Tr("report", "%1 (%2 bytes): %3"),
                     {p.name, std::to_string(p.content.size()), p.description}) +
                "\n";
    return text;
}

Status WriteReport(const std::string& path, const std::vector<ReportPart>& parts,
                   std::time_t when) {
    std::tm local{};
    char time[32] = "report";
    if (::localtime_r(&when, &local)) std::strftime(time, sizeof time, "%Y-%m-%d_%H-%M-%S", &local);
    const std::string folder = std::string("dpmrcps-report-") + time + "/";
    std::vector<ArchiveFile> files;
    for (const ReportPart& p : parts) files.push_back({folder + p.name, p.content});
    return WriteTarGz(path, files, static_cast<long long>(when));
}

}  // namespace dpmr
