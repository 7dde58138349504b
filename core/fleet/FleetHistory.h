// FleetHistory: the radios the backups know. Every backup of a Read and of a
// Write holds the dPMR ID and name the radio had or got and, when the
// radio's own calibration was kept, its factory squelch calibration, which
// differs from radio to radio. Grouped by that calibration, the backups say
// which ID each radio last got, so that an ID about to go to one radio that
// the backups show on another is a warning before anything is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fleet/FleetPlan.h"
#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

// One radio as one backup shows it.
struct WrittenRadio {
    std::string time;  // "2026-12-07 10:31:05", from the backup's name
    std::string radioId;
    std::string name;
    std::vector<std::uint8_t> calibration;  // SquelchCalibrationBytes of the backup
    std::string backupFile;
    // Written a moment ago in this job (one cable), not found in a backup.
    bool thisJob = false;
};

// The squelch values and thresholds of `image`, the bytes that tell one
// radio from another.
std::vector<std::uint8_t> SquelchCalibrationBytes(const RadioImage& image);

// The radios of the read and write backups in `folder`, newest first; writes
// marked as failed and files that cannot be read are passed over. A folder
// that does not exist holds none.
Status LoadWrittenRadios(const std::string& folder, std::vector<WrittenRadio>& out);

// The warning for `target` when the newest backup of another radio (another
// calibration) shows the ID it is to get: "radio 4 (/dev/pts/7) is to get
// the ID 2310501, which the backups show on another radio: "Delta" (backup
// of 2026-12-07 10:31:05)"; empty otherwise. `calibration` is the target radio's
// own, as read from it; without it (or with a calibration that cannot tell
// radios apart: erased, or the template's own, as a write that copied the
// template's calibration leaves) nothing is said.
std::string IdOnAnotherRadio(const FleetTarget& target,
                             const std::vector<std::uint8_t>& calibration,
                             const std::vector<WrittenRadio>& history, const RadioImage& document);

// One cable: the warning when the radio on the cable is one this job has
// already written (its calibration among the history's `thisJob` radios),
// as when the radio was not swapped: "radio 2 (/dev/ttyUSB0) looks like the
// radio just written as radio 1 ("Alfa", 2310417): is the next radio on the
// cable?"; empty otherwise, and without a telling calibration.
std::string SameRadioAgain(const FleetTarget& target, const std::vector<std::uint8_t>& calibration,
                           const std::vector<WrittenRadio>& history, const RadioImage& document);

// The history entry of a radio this job has just written, to go first in
// the history (the newest).
WrittenRadio JustWritten(const FleetTarget& target, const std::string& radioId,
                         const std::string& name, const std::vector<std::uint8_t>& calibration);

}  // namespace dpmr
