// dpmrtool sim: a virtual radio on a pseudo-terminal for trying the program
// and for scripts. Prints the device path on its first line, serves until
// SIGINT or SIGTERM, then saves the radio's memory when asked to.
#include <pthread.h>
#include <signal.h>

#include <cctype>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "image/Document.h"
#include "link/VirtualRadio.h"
#include "util/DecimalText.h"

namespace dpmr::cli {

namespace {

// A whole number within [0, max]; "0x" starts a hexadecimal one.
std::optional<long long> ParseNumber(const std::string& text, long long max) {
    std::optional<long long> value;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        long long v = 0;
        for (std::size_t i = 2; i < text.size(); ++i) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            const int digit = (c >= '0' && c <= '9')   ? c - '0'
                              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                       : -1;
            if (digit < 0 || v > max) return std::nullopt;
            v = v * 16 + digit;
        }
        value = v;
    } else {
        value = ParseWholeNumber(text);
    }
    if (!value || *value > max) return std::nullopt;
    return value;
}

// "1,3,4" -> {1, 3, 4}.
bool ParseList(const std::string& text, std::set<int>& out) {
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto v = ParseNumber(item, 1000000);
        if (!v || *v < 1) return false;
        out.insert(static_cast<int>(*v));
    }
    return !out.empty();
}

int RunSim(const std::vector<std::string>& args) {
    ArgParser p({"--image", "--save", "--pace-baud", "--band-low", "--band-high", "--wrong-wake",
                 "--missing-wake", "--short-identity", "--bad-opening-ack", "--short-read",
                 "--nak-read", "--nak-write", "--corrupt-byte", "--silent-after"},
                {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (!p.Positional().empty()) return UsageError("sim takes no file arguments (see --help)");

    VirtualRadioOptions options;
    const auto number = [&](const std::string& name, long long max, auto assign) -> bool {
        const auto text = p.Value(name);
        if (!text) return true;
        const auto v = ParseNumber(*text, max);
        if (!v) return false;
        assign(*v);
        return true;
    };
    const auto list = [&](const std::string& name, std::set<int>& out) -> bool {
        const auto text = p.Value(name);
        return !text || ParseList(*text, out);
    };
    VirtualRadioFaults& f = options.faults;
    const struct {
        const char* name;
        bool ok;
    } checks[] = {
        {"--pace-baud", number("--pace-baud", 4000000,
                               [&](long long v) { options.paceBaud = static_cast<int>(v); })},
        {"--band-low",
         number("--band-low", 65535,
                [&](long long v) { options.bandLowMhz = static_cast<std::uint16_t>(v); })},
        {"--band-high",
         number("--band-high", 65535,
                [&](long long v) { options.bandHighMhz = static_cast<std::uint16_t>(v); })},
        {"--short-read",
         number("--short-read", 0xFFFF,
                [&](long long v) { f.shortReadAt = static_cast<std::uint16_t>(v); })},
        {"--nak-read", number("--nak-read", 0xFFFF,
                              [&](long long v) { f.nakReadAt = static_cast<std::uint16_t>(v); })},
        {"--nak-write", number("--nak-write", 0xFFFF,
                               [&](long long v) { f.nakWriteAt = static_cast<std::uint16_t>(v); })},
        {"--corrupt-byte",
         number("--corrupt-byte", 0xFFFF,
                [&](long long v) { f.corruptByteAt = static_cast<std::uint16_t>(v); })},
        {"--silent-after", number("--silent-after", 100000,
                                  [&](long long v) { f.silentAfterBlocks = static_cast<int>(v); })},
        {"--wrong-wake", list("--wrong-wake", f.wrongWakeAnswers)},
        {"--missing-wake", list("--missing-wake", f.missingWakeAnswers)},
        {"--short-identity", list("--short-identity", f.shortIdentities)},
        {"--bad-opening-ack", list("--bad-opening-ack", f.badOpeningAcks)},
    };
    for (const auto& c : checks) {
        if (!c.ok)
            return UsageError(std::string("bad value for ") + c.name +
                              " (see dpmrtool sim --help)");
    }

    RadioImage memory;
    if (auto image = p.Value("--image")) {
        if (Status s = LoadExactImageFile(*image, memory); !s) return FileError(s);
    } else {
        StoreBuiltInDefaults(memory, BandLimits{});
    }

    // SIGINT and SIGTERM are taken with sigwait below; block them before the
    // radio's thread starts so that it inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    VirtualRadio radio(options);
    radio.SetMemory(memory);
    if (Status s = radio.Start(); !s) return UsageError(s.message());
    std::cout << radio.DevicePath() << std::endl;  // first line, flushed

    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.Stop();
    if (auto save = p.Value("--save")) {
        if (Status s = radio.SaveMemory(*save); !s) return FileError(s);
    }
    return kExitOk;
}

const RegisterCommand kSim{
    {"sim", "run a virtual radio on a pseudo-terminal",
     "Usage: dpmrtool sim [--image FILE.dat] [--save FILE.dat] [--pace-baud N]\n"
     "                    [--band-low MHz --band-high MHz] [fault options]\n\n"
     "Runs a simulated radio on a pseudo-terminal. The first line printed is the\n"
     "device to give as --port (or as the port name of the desktop program). The\n"
     "radio serves one transfer after another until SIGINT or SIGTERM.\n\n"
     "Options:\n"
     "  --image FILE.dat    the radio's memory at start (default: the built-in\n"
     "                      defaults of File > New)\n"
     "  --save FILE.dat     save the radio's memory there when stopped\n"
     "  --pace-baud N       send and take every byte at N bits per second (10 bits\n"
     "                      a byte) like a real serial line; default: full speed\n"
     "  --band-low MHz      lower band edge the radio reports (default 400)\n"
     "  --band-high MHz     upper band edge the radio reports (default 470)\n\n"
     "Fault options (LIST is a comma-separated list of counts, 1 = the first one\n"
     "since the start; ADDR is decimal or 0x hexadecimal):\n"
     "  --wrong-wake LIST      answer these wake-up sequences with a wrong byte\n"
     "  --missing-wake LIST    do not answer these wake-up sequences\n"
     "  --short-identity LIST  send only 10 bytes of these identity blocks\n"
     "  --bad-opening-ack LIST answer the final 'A' of these opening exchanges wrongly\n"
     "  --short-read ADDR      answer a read of ADDR with one byte too few\n"
     "  --nak-read ADDR        answer the acknowledgement after a read of ADDR wrongly\n"
     "  --nak-write ADDR       answer a write of ADDR with a wrong byte (and keep\n"
     "                         the old data)\n"
     "  --corrupt-byte ADDR    keep the byte at ADDR inverted whenever a write\n"
     "                         carries it (and answer 'A' as usual)\n"
     "  --silent-after N       fall silent after N blocks of a session (the block at\n"
     "                         0x2160 counts) until the next wake-up sequence\n\n"
     "Exit status: 0 after a stop by signal; 2 usage or file error.\n",
     RunSim}};

}  // namespace

}  // namespace dpmr::cli
