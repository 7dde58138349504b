// Detecting ModemManager in the way of the programming cable.
#include "link/ModemManagerCheck.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace dpmr {

namespace fs = std::filesystem;

std::string ModemManagerNote(const ModemManagerFacts& facts) {
    if (!facts.running || facts.device.empty()) return {};
    const std::string name = fs::path(facts.device).filename().string();
    if (name.rfind("ttyUSB", 0) != 0 && name.rfind("ttyACM", 0) != 0) return {};
    if (auto it = facts.properties.find("ID_MM_DEVICE_IGNORE");
        it != facts.properties.end() && it->second == "1")
        return {};
    std::string note = "ModemManager is running and has not been told to leave " + facts.device +
                       " alone: it may send AT commands to the cable for several seconds after "
                       "it is plugged in, and a Read or Write started then fails. ";
    if (facts.ruleInstalled) {
        note += std::string("Fix: the udev rule ") + kUdevRuleName +
                " is installed but does not cover this port yet: plug the cable in again (or "
                "run 'sudo udevadm trigger'); if its chip is not listed in the rule, stop "
                "ModemManager: sudo systemctl stop ModemManager";
    } else {
        note += std::string("Fix: install the udev rule ") + kUdevRuleName +
                " (the dpmrcps package does; from the sources: sudo cp res/linux/" + kUdevRuleName +
                " /etc/udev/rules.d/ && sudo udevadm control --reload) and plug the cable in "
                "again, or stop ModemManager: sudo systemctl stop ModemManager";
    }
    return note;
}

bool ModemManagerRunning(const std::string& procRoot) {
    std::error_code ec;
    for (fs::directory_iterator it(procRoot, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream comm(it->path() / "comm");
        std::string name;
        if (std::getline(comm, name) && name == "ModemManager") return true;
    }
    return false;
}

std::map<std::string, std::string> ParseUdevDatabase(const std::string& text) {
    std::map<std::string, std::string> properties;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("E:", 0) != 0) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 2) continue;
        properties[line.substr(2, eq - 2)] = line.substr(eq + 1);
    }
    return properties;
}

std::string UdevDatabaseFile(const std::string& devicePath) {
    struct stat st {};
    if (::stat(devicePath.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return {};
    return "/run/udev/data/c" + std::to_string(major(st.st_rdev)) + ":" +
           std::to_string(minor(st.st_rdev));
}

ModemManagerFacts ReadModemManagerFacts(const std::string& devicePath) {
    ModemManagerFacts facts;
    facts.running = ModemManagerRunning();
    if (!facts.running) return facts;
    std::error_code ec;
    const fs::path device = fs::canonical(devicePath, ec);
    if (ec) return facts;
    facts.device = device.string();
    if (const std::string db = UdevDatabaseFile(facts.device); !db.empty()) {
        std::ifstream in(db);
        std::ostringstream text;
        text << in.rdbuf();
        facts.properties = ParseUdevDatabase(text.str());
    }
    for (const char* folder :
         {"/etc/udev/rules.d/", "/run/udev/rules.d/", "/usr/local/lib/udev/rules.d/",
          "/usr/lib/udev/rules.d/", "/lib/udev/rules.d/"})
        if (fs::exists(std::string(folder) + kUdevRuleName, ec)) facts.ruleInstalled = true;
    return facts;
}

std::string ModemManagerNoteFor(const std::string& devicePath) {
    return ModemManagerNote(ReadModemManagerFacts(devicePath));
}

}  // namespace dpmr
