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

std::string ExecutableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string UserSettingsPath() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.config";
    } else {
        // No home: there is no private place for the settings (a shared folder
        // such as /tmp would let other users plant them).
        return {};
    }
    return base + "/dpmrcps/Program.ini";
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
    s.portName =
        CIniFile(s.portSettingsPath).GetString("Setup", "COM", ini.GetString("Setup", "COM", ""));
    s.modelName = ini.GetString("Setup", "Model", "HM-842R");
    s.baudRate = ParseBaudRate(ini.GetString("Setup", "BaudRate", "9600"));
    s.pictureFolder = programFolder + "Img/";
    return s;
}

bool SavePortName(AppSettings& settings) {
    if (settings.portName.empty()) return false;
    if (CIniFile(settings.portSettingsPath).WriteString("Setup", "COM", settings.portName))
        return true;
    // The program folder is read-only (an installed program): keep the port
    // in the user's own file from now on.
    const std::string user = UserSettingsPath();
    if (user.empty() || settings.portSettingsPath == user) return false;
    std::error_code ec;
    fs::create_directories(fs::path(user).parent_path(), ec);
    settings.portSettingsPath = user;
    return CIniFile(user).WriteString("Setup", "COM", settings.portName);
}

std::string FreqRangeSetting(const AppSettings& settings) {
    return settings.Ini().GetString("Setup", "FreqRange", "");
}

}  // namespace dpmr
