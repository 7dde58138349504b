// PortProbe: whether a serial device can be opened right now, and if not, why,
// in words a user can act on (absent, in use, no permission: not in the
// dialout group). The port setting dialog shows ports that fail as disabled.
#pragma once

#include <string>

namespace dpmr {

struct PortProbeResult {
    bool available = false;
    std::string reason;  // empty when available
};

// Opens the device for reading and writing without waiting for a carrier,
// checks that no other program holds it, and closes it again at once.
PortProbeResult ProbeSerialPort(const std::string& devicePath);

}  // namespace dpmr
