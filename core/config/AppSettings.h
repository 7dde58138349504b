// AppSettings: the application-wide values read at start-up from the settings
// file (serial port, model name, speed) and where that file lives. On Linux an
// installed program's folder is usually read-only, so the port the user
// chooses may be kept in a file of the user's own; everything else is always
// read from the program folder's "Program.ini", so that editing it is never
// silently overruled by an old copy.
#pragma once

#include <cstdint>
#include <string>

#include "config/CIniFile.h"

namespace dpmr {

struct AppSettings {
    std::string programFolder;      // folder of the executable, ending with '/'
    std::string settingsPath;       // programFolder + "Program.ini": [Setup] of the program
    std::string portSettingsPath;   // where the user's choices ([Setup] "COM",
                                    // "VerifyAfterWrite") are read and written
    std::string portName;           // [Setup] "COM"
    bool verifyAfterWrite = false;  // [Setup] "VerifyAfterWrite": 1 reads the radio back
    // [Setup] "KeepCalibration": 1 makes Write read the radio's squelch
    // calibration first and send it back unchanged.
    bool keepCalibration = false;
    std::string modelName = "QT215";
    std::int32_t baudRate = 9600;
    std::string pictureFolder;  // programFolder + "Img/"

    std::string Caption() const { return modelName + " Software"; }
    CIniFile Ini() const { return CIniFile(settingsPath); }
};

// The folder of the running executable, with a trailing '/'.
std::string ExecutableFolder();

// The user's own folder of a kind: $`variable` when it is an absolute path,
// else $HOME + `underHome` ("/.config"); empty when the user has no home
// folder (a shared folder such as /tmp would let other users plant files).
std::string UserFolder(const char* variable, const char* underHome);

// $XDG_CONFIG_HOME/dpmrcps/Program.ini, or ~/.config/dpmrcps/Program.ini;
// empty when the user has no home folder.
std::string UserSettingsPath();

// The file that keeps the port: the user's copy when it exists, else the
// program folder's "Program.ini".
std::string ResolvePortSettingsPath(const std::string& programFolder);

// A speed that is not a positive number gives 9600.
std::int32_t ParseBaudRate(const std::string& text);

// Reads [Setup] "Model" and "BaudRate" of the program folder's file and
// "COM" of the port's file (the program folder's value when the user's copy
// has none), with their defaults.
AppSettings LoadAppSettings(const std::string& programFolder);

// Writes [Setup] "COM" at exit (nothing when the port name is empty). When the
// program folder's file cannot be written, the port goes to the user's copy,
// which holds the port alone.
bool SavePortName(AppSettings& settings);

// Writes [Setup] "VerifyAfterWrite" (1 or 0) where the port is kept, with the
// same move to the user's copy when the program folder is read-only.
bool SaveVerifyAfterWrite(AppSettings& settings);

// Writes [Setup] "KeepCalibration" (1 or 0) the same way.
bool SaveKeepCalibration(AppSettings& settings);

// The "Freq range" entries of [Setup] "FreqRange", read at each rebuild of
// the channel table.
std::string FreqRangeSetting(const AppSettings& settings);

}  // namespace dpmr
