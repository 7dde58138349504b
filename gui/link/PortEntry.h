// PortEntry: one serial port as the port lists show it (Setting > Port and
// "Write to Several Radios..."), and the system's ports as such entries:
// named and judged by the connection doctor.
#pragma once

#include <QString>
#include <vector>

#include "link/ConnectionDoctor.h"

struct PortEntry {
    QString devicePath;  // what is stored as the port name
    QString label;       // shown in the list
    bool available = true;
    QString reason;  // why it cannot be chosen
};

// The entry of a port the doctor has looked at: its label ("CH340 cable on
// /dev/ttyUSB0"), usable or not, and the first problem as the reason.
PortEntry EntryOf(const dpmr::PortDiagnosis& diagnosis);

// The serial devices of this computer (ttyUSB*, ttyACM*, rfcomm*, and the
// ttyS* with hardware behind them), as the doctor finds them now.
std::vector<PortEntry> SystemPorts();

// The device `path` names, links followed; `path` itself when none.
QString CanonicalDevicePath(const QString& path);
