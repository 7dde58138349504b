// The system's serial ports, named and judged by the connection doctor.
#include "link/PortEntry.h"

#include <QFileInfo>

PortEntry EntryOf(const dpmr::PortDiagnosis& diagnosis) {
    const dpmr::Finding* problem = diagnosis.FirstProblem();
    return {QString::fromStdString(diagnosis.path), QString::fromStdString(diagnosis.label),
            problem == nullptr, problem ? QString::fromStdString(problem->text) : QString()};
}

QString CanonicalDevicePath(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? path : c;
}

std::vector<PortEntry> SystemPorts() {
    std::vector<PortEntry> entries;
    for (const dpmr::PortDiagnosis& d : dpmr::CheckPorts({})) entries.push_back(EntryOf(d));
    return entries;
}
