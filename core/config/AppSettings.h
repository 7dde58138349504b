// AppSettings: the application-wide values read at start-up from the settings
// file (serial port, model name, speed), where that file lives, and the
// program folder that holds the files shipped with the program. Run from its
// build or an unpacked folder, the program keeps the rules of "Program.ini"
// beside it: the port the user chooses is read from and written to that file
// whenever it can be written, and kept in a file of the user's own only when
// it cannot (a read-only folder); everything else is always read from the
// program folder's file, so that editing it is never silently overruled by
// an old copy. Installed under a
// prefix, its folder is read-only: the user's file keeps the choices, and
// values written there win over the installed template.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/CIniFile.h"

namespace dpmr {

struct AppSettings {
    // Where the shipped files are ("Program.ini", "Default.dat", "Factory.dat",
    // the demo codeplug, "Img/"), ending with '/'; see LocateProgram.
    std::string programFolder;
    bool installed = false;         // programFolder is <prefix>/share/dpmrcps/
    std::string settingsPath;       // programFolder + "Program.ini": [Setup] of the program
    std::string portSettingsPath;   // where the user's choices ([Setup] "COM",
                                    // "VerifyAfterWrite") are read and written
    std::string portName;           // [Setup] "COM"
    bool verifyAfterWrite = false;  // [Setup] "VerifyAfterWrite": 1 reads the radio back
    // [Setup] "KeepCalibration": 1 makes Write read the radio's squelch
    // calibration first and send it back unchanged.
    bool keepCalibration = false;
    // The fleet dialog's choices of the last session: [Setup] "FleetPorts"
    // (the ticked ports, separated by ";"), "FleetVerify" and
    // "FleetKeepCalibration" (1 or 0; each radio's own calibration kept).
    std::vector<std::string> fleetPorts;
    bool fleetVerify = false;
    bool fleetKeepCalibration = true;
    // [Setup] "Language": the desktop program's language ("de", "en", ...);
    // empty (or "desktop" in the file): the desktop's own.
    std::string language;
    std::string modelName = "QT215";
    std::int32_t baudRate = 9600;
    std::string pictureFolder;  // programFolder + "Img/"

    std::string Caption() const { return modelName + " Software"; }
    CIniFile Ini() const { return CIniFile(settingsPath); }
};

// The folder of the running executable, with a trailing '/'.
std::string ExecutableFolder();

// Where the files shipped with a program are. A folder that holds
// "Program.ini" beside the executable (a build or an unpacked folder) is
// the program folder itself; an executable installed under a prefix finds
// them in <prefix>/share/dpmrcps/, from its own bin folder. Without either,
// the executable's folder (and the built-in defaults).
struct ProgramLocation {
    std::string folder;  // ending with '/'
    bool installed = false;
};
ProgramLocation LocateProgram(const std::string& executableFolder);

// The program folder of the running executable: LocateProgram's folder.
std::string ProgramFolder();

// The user's own folder of a kind: $`variable` when it is an absolute path,
// else $HOME + `underHome` ("/.config"); empty when the user has no home
// folder (a shared folder such as /tmp would let other users plant files).
std::string UserFolder(const char* variable, const char* underHome);

// $XDG_CONFIG_HOME/dpmrcps/Program.ini, or ~/.config/dpmrcps/Program.ini;
// empty when the user has no home folder.
std::string UserSettingsPath();

// The file that keeps the port of a program run from its own folder: the
// program folder's "Program.ini" whenever it can be written, so that an edit
// of it is never overruled by an older copy; else the user's copy.
std::string ResolvePortSettingsPath(const std::string& programFolder);

// Where Setting > Port says the port is kept, when that is not the program
// folder's "Program.ini" (empty then).
std::string WherePortIsKept(const AppSettings& settings);

// A speed that is not a positive number gives 9600.
std::int32_t ParseBaudRate(const std::string& text);

// Locates the program from the executable's folder (LocateProgram) and reads
// [Setup] "Model" and "BaudRate" of the program folder's file and "COM" of the
// port's file (the program folder's value when the user's copy has none),
// with their defaults. Installed, the user's copy keeps the port and its
// Model and BaudRate win over the template's.
AppSettings LoadAppSettings(const std::string& executableFolder);

// A [Setup] value: installed, the user's copy when it has the key, else the
// program folder's file; run from its own folder, that file alone.
std::string SetupValue(const AppSettings& settings, const std::string& key, const std::string& def);

// Writes [Setup] "COM" at exit (nothing when the port name is empty). When the
// program folder's file cannot be written, the port goes to the user's copy,
// which holds the port alone.
bool SavePortName(AppSettings& settings);

// Writes [Setup] "VerifyAfterWrite" (1 or 0) where the port is kept, with the
// same move to the user's copy when the program folder is read-only.
bool SaveVerifyAfterWrite(AppSettings& settings);

// Writes [Setup] "KeepCalibration" (1 or 0) the same way.
bool SaveKeepCalibration(AppSettings& settings);

// Writes [Setup] "Language" the same way; "" is kept as "desktop", the
// desktop's language again.
bool SaveLanguage(AppSettings& settings);
// Writes the fleet dialog's three choices the same way.
bool SaveFleetChoices(AppSettings& settings);

// [Setup] "FreqRange" as it stands: the "Freq range" entries, separated by ";".
std::string FreqRangeSetting(const AppSettings& settings);
// The "Freq range" entries: the setting split at each ";", empty pieces left
// out, in order; read at each rebuild of the channel table.
std::vector<std::string> FreqRangeEntries(const AppSettings& settings);

}  // namespace dpmr
