// PortEntry: one serial port as the port lists show it (Setting > Port and
// "Write to Several Radios..."), and the system's ports as such entries.
#pragma once

#include <QString>
#include <vector>

struct PortEntry {
    QString devicePath;  // what is stored as the port name
    QString label;       // shown in the list
    bool available = true;
    QString reason;  // why it cannot be chosen
};

// The serial devices of this computer: ttyS*, ttyUSB*, ttyACM*, with what
// the system says about them (USB description, /dev/serial/by-id name) and
// whether they can be opened now.
std::vector<PortEntry> SystemPorts();

// The device `path` names, links followed; `path` itself when none.
QString CanonicalDevicePath(const QString& path);
