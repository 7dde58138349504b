// AppContext: the values that live for the whole run of dpmrcps: the settings
// read at start-up, the one radio image and the band of the channel table.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "config/AppSettings.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"
#include "link/ProgramTransfer.h"

struct AppContext {
    dpmr::AppSettings settings;
    dpmr::RadioImage image;
    dpmr::BandLimits band;
    // Where Read and Write keep their backups (set at start-up; empty: no
    // place for them, which the status bar then says).
    std::string backupFolder;
    // The two flags shared by the progress dialog and the transfer worker.
    dpmr::TransferControl transfer;
    // Device path of the built-in virtual radio while it runs (empty
    // otherwise). That port is never written back to the settings file.
    std::string demoPortName;
    // In demo mode, the four virtual radios "Write to Several Radios..."
    // offers (the first is the one above).
    std::vector<std::string> demoFleetPorts;
    // Starts the virtual radio on demand and returns its device path (empty
    // when it cannot be started).
    std::function<std::string()> startDemoRadio;
    // The language this run speaks ("en", "de", ...): Setting > Language
    // says which one a change takes the next start to.
    QString language = "en";
};
