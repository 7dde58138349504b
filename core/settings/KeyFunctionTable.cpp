// The side-key function names and the lists that offer them.
#include "settings/KeyFunctionTable.h"

namespace dpmr {

const std::array<const char*, kKeyFunctionCount>& KeyFunctionTable() {
    static const std::array<const char*, kKeyFunctionCount> table{"None",
                                                                  "VFO",
                                                                  "Channel display",
                                                                  "Monitor",
                                                                  "Scan",
                                                                  "Noise ch tmp remove",
                                                                  "VOX",
                                                                  "Hihg/Low power",
                                                                  "Power detect",
                                                                  "EMI",
                                                                  "EMI close",
                                                                  "Record",
                                                                  "Auto contact",
                                                                  "Work alone",
                                                                  "Backlight",
                                                                  "Call 1",
                                                                  "Call 2",
                                                                  "Encrypt",
                                                                  "Talk around",
                                                                  "Reverse",
                                                                  "Message",
                                                                  "Contact",
                                                                  "Channel type",
                                                                  "Key lock",
                                                                  "1750 signal",
                                                                  "Group call",
                                                                  "Pri ch scan",
                                                                  "Noise suppression switch",
                                                                  "Flashlight",
                                                                  "Kill",
                                                                  "Wake"};
    return table;
}

int KeyFunctionCode(std::string_view name) {
    const auto& table = KeyFunctionTable();
    for (int code = 0; code < kKeyFunctionCount; ++code)
        if (name == table[static_cast<std::size_t>(code)]) return code;
    return -1;
}

std::vector<std::string> ShortPressFunctions() {
    return {"None",       "Scan",           "Noise ch tmp remove",
            "VOX",        "Hihg/Low power", "Power detect",
            "EMI",        "Auto contact",   "Work alone",
            "Call 1",     "Call 2",         "Talk around",
            "Reverse",    "Channel type",   "1750 signal",
            "Group call", "Pri ch scan",    "Kill",
            "Wake"};
}

std::vector<std::string> LongPressFunctions() {
    std::vector<std::string> items = ShortPressFunctions();
    items.insert(items.begin() + 1, "Monitor");
    return items;
}

const std::string& KeyFunctionsHelp() {
    static const std::string help =
        "None: nothing. Monitor (long press only): opens the squelch to listen to weak "
        "signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel "
        "scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low "
        "power: changes the transmit power. Power detect: tells the battery level. EMI: "
        "raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch "
        "that function. Call 1, Call 2: send the channel's call. Channel type: changes "
        "between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many "
        "analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority "
        "channel. Kill, Wake: send the remote kill or wake-up command.";
    return help;
}

}  // namespace dpmr
