// ProblemReport: one file for the user to attach when a connection or a
// transfer still goes wrong: the program's version and build, the system
// (OS, kernel, Qt), the connection doctor's findings for every port, the
// settings files, the list of backups, the last wire traces and, when the
// user keeps it, the open configuration, with its identity replaced in both
// (ReportIdentity). The parts are gathered first, so that the user sees
// what goes in before the archive is written; nothing is sent anywhere.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

struct ReportInputs {
    std::string program;     // "dpmrcps" or "dpmrtool"
    std::string qtVersion;   // the Qt the program runs with; empty: none
    std::string root = "/";  // where the doctor reads the system's facts
    std::string portName;    // the chosen port
    std::vector<std::string> settingsFiles;
    std::string backupFolder;
    std::string traceFolder;
    std::optional<RadioImage> codeplug;  // the open configuration, as it is
};

struct ReportPart {
    std::string name;         // its path in the archive, under the report's folder
    std::string description;  // what it is, for the list shown before writing
    std::string content;
};

std::vector<ReportPart> GatherReport(const ReportInputs& inputs);

// The list shown before the archive is written: one line per part, "name
// (size): description".
std::string ReportContents(const std::vector<ReportPart>& parts);

// The parts as a .tar.gz archive at `path`, in a folder named after the
// time ("dpmrcps-report-2026-12-06_21-30-05/").
Status WriteReport(const std::string& path, const std::vector<ReportPart>& parts, std::time_t when);

}  // namespace dpmr
