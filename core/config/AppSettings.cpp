// Start-up settings and the location of the settings file.
#include "config/AppSettings.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "InstallPaths.h"
#include "util/DecimalText.h"
#include "util/FileIo.h"
#include "util/Translation.h"

namespace dpmr {

namespace fs = std::filesystem;

namespace {
constexpr const char* kVerifyKey = "VerifyAfterWrite";
constexpr const char* kLanguageKey = "Language";
// The stored choice of the desktop's language (a settings file keeps no
// empty value).
constexpr const char* kDesktopLanguage = "desktop";
constexpr const char* kKeepCalibrationKey = "KeepCalibration";
constexpr const char* kFleetPortsKey = "FleetPorts";
constexpr const char* kFleetVerifyKey = "FleetVerify";
constexpr const char* kFleetKeepCalibrationKey = "FleetKeepCalibration";

// The entries of a ";"-separated value, empty pieces left out.
std::vector<std::string> SplitAtSemicolons(const std::string& value) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(';', start);
        if (end == std::string::npos) end = value.size();
        if (end > start) entries.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}
}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

ProgramLocation LocateProgram(const std::string& executableFolder) {
    if (FileExists(executableFolder + "Program.ini")) return {executableFolder, false};
    const std::string data =
        fs::path(executableFolder + DPMR_DATA_FROM_BIN).lexically_normal().string();
    if (FileExists(data + "Program.ini")) return {data, true};
    return {executableFolder, false};
}

std::string ProgramFolder() {
    return LocateProgram(ExecutableFolder()).folder;
}

std::string UserFolder(const char* variable, const char* underHome) {
    if (const char* xdg = std::getenv(variable); xdg && *xdg == '/') return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + underHome;
    return {};
}

std::string UserSettingsPath() {
    const std::string base = UserFolder("XDG_CONFIG_HOME", "/.config");
    return base.empty() ? base : base + "/dpmrcps/Program.ini";
}

std::string ResolvePortSettingsPath(const std::string& programFolder) {
    const std::string folderFile = programFolder + "Program.ini";
    const std::string user = UserSettingsPath();
    if (user.empty() || CheckCanSave(folderFile)) return folderFile;
    return user;
}

std::string WherePortIsKept(const AppSettings& settings) {
    if (settings.portSettingsPath.empty() || settings.portSettingsPath == settings.settingsPath)
        return {};
    if (settings.installed)
        return Fill(Tr("config", "The port is kept in %1."), {settings.portSettingsPath});
    return Fill(Tr("config", "The port is kept in %1, because %2 cannot be written."),
                {settings.portSettingsPath, settings.settingsPath});
}

std::int32_t ParseBaudRate(const std::string& text) {
    const auto v = ScanInt(text);
    return v && *v > 0 ? *v : 9600;
}

AppSettings LoadAppSettings(const std::string& executableFolder) {
    AppSettings s;
    const ProgramLocation location = LocateProgram(executableFolder);
    s.programFolder = location.folder;
    s.installed = location.installed;
    s.settingsPath = s.programFolder + "Program.ini";
    // The installed template is never written: the user's file keeps the
    // choices even when the folder could be written (as root).
    s.portSettingsPath =
        s.installed ? UserSettingsPath() : ResolvePortSettingsPath(s.programFolder);
    // The choices come from the file that keeps them; the program folder's
    // file gives what that file does not hold (both are one file when the
    // folder can be written).
    const CIniFile ini = s.Ini();
    const CIniFile user(s.portSettingsPath);
    s.portName = user.GetString("Setup", "COM", ini.GetString("Setup", "COM", ""));
    s.verifyAfterWrite =
        user.GetString("Setup", kVerifyKey, ini.GetString("Setup", kVerifyKey, "0")) == "1";
    s.keepCalibration = user.GetString("Setup", kKeepCalibrationKey,
                                       ini.GetString("Setup", kKeepCalibrationKey, "0")) == "1";
    const auto choice = [&](const char* key, const std::string& def) {
        return user.GetString("Setup", key, ini.GetString("Setup", key, def));
    };
    s.fleetPorts = SplitAtSemicolons(choice(kFleetPortsKey, ""));
    s.fleetVerify = choice(kFleetVerifyKey, s.verifyAfterWrite ? "1" : "0") == "1";
    s.fleetKeepCalibration = choice(kFleetKeepCalibrationKey, "1") == "1";
    s.language = choice(kLanguageKey, "");
    if (s.language == kDesktopLanguage) s.language.clear();
    s.modelName = SetupValue(s, "Model", "HM-842R");
    s.baudRate = ParseBaudRate(SetupValue(s, "BaudRate", "9600"));
    s.pictureFolder = s.programFolder + "Img/";
    return s;
}

std::string SetupValue(const AppSettings& settings, const std::string& key,
                       const std::string& def) {
    const std::string value = settings.Ini().GetString("Setup", key, def);
    if (!settings.installed || settings.portSettingsPath.empty()) return value;
    return CIniFile(settings.portSettingsPath).GetString("Setup", key, value);
}

namespace {

// Writes one of the user's choices into [Setup] of the file that keeps them.
bool SaveUserChoice(AppSettings& settings, const char* key, const std::string& value) {
    const std::string user = UserSettingsPath();
    std::error_code ec;
    if (!user.empty() && settings.portSettingsPath == user)
        fs::create_directories(fs::path(user).parent_path(), ec);
    if (!settings.portSettingsPath.empty() &&
        CIniFile(settings.portSettingsPath).WriteString("Setup", key, value))
        return true;
    // The program folder is read-only: keep the choices in the user's own
    // file from now on.
    if (user.empty() || settings.portSettingsPath == user) return false;
    fs::create_directories(fs::path(user).parent_path(), ec);
    settings.portSettingsPath = user;
    return CIniFile(user).WriteString("Setup", key, value);
}

}  // namespace

bool SavePortName(AppSettings& settings) {
    if (settings.portName.empty()) return false;
    return SaveUserChoice(settings, "COM", settings.portName);
}

bool SaveVerifyAfterWrite(AppSettings& settings) {
    return SaveUserChoice(settings, kVerifyKey, settings.verifyAfterWrite ? "1" : "0");
}

bool SaveLanguage(AppSettings& settings) {
    return SaveUserChoice(settings, kLanguageKey,
                          settings.language.empty() ? kDesktopLanguage : settings.language);
}

bool SaveKeepCalibration(AppSettings& settings) {
    return SaveUserChoice(settings, kKeepCalibrationKey, settings.keepCalibration ? "1" : "0");
}

bool SaveFleetChoices(AppSettings& settings) {
    std::string ports;
    for (const std::string& p : settings.fleetPorts) ports += (ports.empty() ? "" : ";") + p;
    return SaveUserChoice(settings, kFleetPortsKey, ports) &&
           SaveUserChoice(settings, kFleetVerifyKey, settings.fleetVerify ? "1" : "0") &&
           SaveUserChoice(settings, kFleetKeepCalibrationKey,
                          settings.fleetKeepCalibration ? "1" : "0");
}

std::string FreqRangeSetting(const AppSettings& settings) {
    return SetupValue(settings, "FreqRange", "");
}

std::vector<std::string> FreqRangeEntries(const AppSettings& settings) {
    return SplitAtSemicolons(FreqRangeSetting(settings));
}

}  // namespace dpmr
