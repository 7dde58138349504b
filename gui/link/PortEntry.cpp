// The system's serial ports, described and probed.
#include "link/PortEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <map>

#include "link/PortProbe.h"

namespace {

// /dev/serial/by-id names, keyed by the device they point at.
std::map<QString, QString> ByIdNames() {
    std::map<QString, QString> names;
    const QDir dir("/dev/serial/by-id");
    for (const QFileInfo& link :
         dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        names[link.canonicalFilePath()] = link.fileName();
    return names;
}

}  // namespace

QString CanonicalDevicePath(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? path : c;
}

std::vector<PortEntry> SystemPorts() {
    std::vector<PortEntry> entries;
    const auto byId = ByIdNames();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        const QString name = info.portName();
        if (!name.startsWith("ttyS") && !name.startsWith("ttyUSB") && !name.startsWith("ttyACM"))
            continue;
        PortEntry e;
        e.devicePath = path;
        QStringList parts{path};
        QString description = info.description();
        if (!info.manufacturer().isEmpty() && !description.contains(info.manufacturer()))
            description = info.manufacturer() + " " + description;
        if (!description.trimmed().isEmpty()) parts << description.trimmed();
        if (auto it = byId.find(CanonicalDevicePath(path)); it != byId.end()) parts << it->second;
        e.label = parts.join("  —  ");
        const dpmr::PortProbeResult probe = dpmr::ProbeSerialPort(path.toStdString());
        e.available = probe.available;
        e.reason = QString::fromStdString(probe.reason);
        entries.push_back(e);
    }
    return entries;
}
