// FleetJob: the record of a whole fleet job, for the shop's files: when, the
// template file and its checksum, and per radio what tells it apart, the ID
// and name it got, the result, the read-back and the backup of what was
// sent. `dpmrtool fleet --log` and the desktop dialog's "Save Report..."
// write the same CSV; the dialog prints the same rows.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "fleet/FleetWrite.h"
#include "image/RadioImage.h"

namespace dpmr {

struct FleetJob {
    std::time_t date = 0;
    std::string templateFile;      // the document's path; empty: never saved
    std::string templateChecksum;  // CRC-32 of the 16384 bytes written from
    std::vector<FleetRadioResult> radios;
};

// The job for `document` (its checksum taken here).
FleetJob MakeFleetJob(std::time_t date, const std::string& templateFile, const RadioImage& document,
                      std::vector<FleetRadioResult> radios);

// "2026-12-08 10:31:05" in local time; empty for 0.
std::string LocalTimeText(std::time_t when);

// The report's columns: date, template file, template CRC-32, port, radio
// (what tells it apart), radio ID, name, result, verify, backup file,
// finished.
const std::vector<std::string>& FleetJobColumns();

// One row a radio, under those columns.
std::vector<std::vector<std::string>> FleetJobRows(const FleetJob& job);

// The columns' line and the rows as CSV.
std::string FleetJobCsv(const FleetJob& job);

}  // namespace dpmr
