// AppSettings: the application-wide values read at start-up from the settings
// file (serial port, model name, speed) and where that file lives. On Linux an
// installed program's folder is usually read-only, so the settings file may
// live in the user's configuration folder instead.
#pragma once

#include <cstdint>
#include <string>

#include "config/CIniFile.h"

namespace dpmr {

struct AppSettings {
    std::string programFolder;   // folder of the executable, ending with '/'
    std::string settingsPath;    // the "Program.ini" that [Setup] is read from
    std::string portName;        // [Setup] "COM"
    std::string modelName = "QT215";
    std::int32_t baudRate = 9600;
    std::string pictureFolder;   // programFolder + "Img/"

    std::string Caption() const { return modelName + " Software"; }
    CIniFile Ini() const { return CIniFile(settingsPath); }
};

// The folder of the running executable, with a trailing '/'.
std::string ExecutableFolder();

// $XDG_CONFIG_HOME/dpmrcps/Program.ini, or ~/.config/dpmrcps/Program.ini;
// empty when the user has no home folder.
std::string UserSettingsPath();

// The settings file to read: the user's copy when it exists, else the one in
// the program folder.
std::string ResolveSettingsPath(const std::string& programFolder);

// A speed that is not a positive number gives 9600.
std::int32_t ParseBaudRate(const std::string& text);

// Reads [Setup] "COM", "Model" and "BaudRate" with their defaults.
AppSettings LoadAppSettings(const std::string& programFolder);

// Writes [Setup] "COM" at exit (nothing when the port name is empty). When the
// program folder cannot be written, the settings go to the user's copy, which
// starts as a copy of the program folder's file so that no key is lost.
bool SavePortName(AppSettings& settings);

// The "Freq range" entries of [Setup] "FreqRange", read at each rebuild of
// the channel table.
std::string FreqRangeSetting(const AppSettings& settings);

}  // namespace dpmr
