// Start-up settings and the location of the settings file.
#include "config/AppSettings.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "util/DecimalText.h"
#include "util/FileIo.h"

namespace dpmr {

namespace fs = std::filesystem;

namespace {
constexpr const char* kVerifyKey = "VerifyAfterWrite";
constexpr const char* kKeepCalibrationKey = "KeepCalibration";
}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
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
    const std::string user = UserSettingsPath();
    if (!user.empty() && FileExists(user)) return user;
    return programFolder + "Program.ini";
}

std::int32_t ParseBaudRate(const std::string& text) {
    const auto v = ScanInt(text);
    return v && *v > 0 ? *v : 9600;
}

AppSettings LoadAppSettings(const std::string& programFolder) {
    AppSettings s;
    s.programFolder = programFolder;
    s.settingsPath = programFolder + "Program.ini";
    s.portSettingsPath = ResolvePortSettingsPath(programFolder);
    const CIniFile ini = s.Ini();
    const CIniFile user(s.portSettingsPath);
    s.portName = user.GetString("Setup", "COM", ini.GetString("Setup", "COM", ""));
    s.verifyAfterWrite =
        user.GetString("Setup", kVerifyKey, ini.GetString("Setup", kVerifyKey, "0")) == "1";
    s.keepCalibration = user.GetString("Setup", kKeepCalibrationKey,
                                       ini.GetString("Setup", kKeepCalibrationKey, "0")) == "1";
    s.modelName = ini.GetString("Setup", "Model", "HM-842R");
    s.baudRate = ParseBaudRate(ini.GetString("Setup", "BaudRate", "9600"));
    s.pictureFolder = programFolder + "Img/";
    return s;
}

namespace {

// Writes one of the user's choices into [Setup] of the file that keeps them.
bool SaveUserChoice(AppSettings& settings, const char* key, const std::string& value) {
    if (CIniFile(settings.portSettingsPath).WriteString("Setup", key, value)) return true;
    // The program folder is read-only (an installed program): keep the
    // choices in the user's own file from now on.
    const std::string user = UserSettingsPath();
    if (user.empty() || settings.portSettingsPath == user) return false;
    std::error_code ec;
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

bool SaveKeepCalibration(AppSettings& settings) {
    return SaveUserChoice(settings, kKeepCalibrationKey, settings.keepCalibration ? "1" : "0");
}

std::string FreqRangeSetting(const AppSettings& settings) {
    return settings.Ini().GetString("Setup", "FreqRange", "");
}

}  // namespace dpmr
