// dpmrtool sim: virtual radios on pseudo-terminals for trying the program and
// for scripts. Prints each radio's device path on a line of its own, serves
// until SIGINT or SIGTERM, then saves the radios' memories when asked to.
#include <pthread.h>
#include <signal.h>

#include <cctype>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "document/NewDocument.h"
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

// Most radios one sim serves.
constexpr long long kMaxRadios = 64;

// "out.dat" for radio 3 -> "out-3.dat" (the number before the extension).
std::string NumberedPath(const std::string& path, int n) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && dot > (slash == std::string::npos ? 0 : slash + 1);
    const std::string suffix = "-" + std::to_string(n);
    return hasExtension ? path.substr(0, dot) + suffix + path.substr(dot) : path + suffix;
}

int RunSim(const std::vector<std::string>& args) {
    ArgParser p(
        {"--image", "--save", "--pace-baud", "--band-low", "--band-high", "--wrong-wake",
         "--missing-wake", "--short-identity", "--bad-opening-ack", "--short-read", "--nak-read",
         "--nak-write", "--corrupt-byte", "--silent-after", "--count", "--radio"},
        {"--silent"});
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
    f.silent = p.Has("--silent");
    int count = 1;
    int faultyRadio = 0;  // 0: the faults apply to every radio
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
        {"--count",
         number("--count", kMaxRadios, [&](long long v) { count = static_cast<int>(v); })},
        {"--radio",
         number("--radio", kMaxRadios, [&](long long v) { faultyRadio = static_cast<int>(v); })},
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
    if (count < 1)
        return UsageError("--count needs 1 to " + std::to_string(kMaxRadios) + " radios");
    if (p.Has("--radio") && (faultyRadio < 1 || faultyRadio > count))
        return UsageError("--radio names one of the " + std::to_string(count) + " radios (1 to " +
                          std::to_string(count) + ")");

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

    std::vector<std::unique_ptr<VirtualRadio>> radios;
    for (int n = 1; n <= count; ++n) {
        VirtualRadioOptions own = options;
        if (faultyRadio != 0 && n != faultyRadio) own.faults = {};
        radios.push_back(std::make_unique<VirtualRadio>(own));
        radios.back()->SetMemory(memory);
        if (Status s = radios.back()->Start(); !s) return UsageError(s.message());
    }
    for (const auto& radio : radios) std::cout << radio->DevicePath() << "\n";
    std::cout.flush();

    int signal = 0;
    sigwait(&stopSignals, &signal);
    for (const auto& radio : radios) radio->Stop();
    if (auto save = p.Value("--save")) {
        for (int n = 1; n <= count; ++n) {
            const std::string path = count == 1 ? *save : NumberedPath(*save, n);
            if (Status s = radios[static_cast<std::size_t>(n - 1)]->SaveMemory(path); !s)
                return FileError(s);
        }
    }
    return kExitOk;
}

const RegisterCommand kSim{
    {"sim", "run a virtual radio on a pseudo-terminal",
     "Usage: dpmrtool sim [--count N] [--image FILE.dat] [--save FILE.dat]\n"
     "                    [--pace-baud N] [--band-low MHz --band-high MHz]\n"
     "                    [--radio K] [fault options]\n\n"
     "Runs simulated radios on pseudo-terminals. Each radio's device is printed on\n"
     "a line of its own, in order, to give as --port (or as the port name of the\n"
     "desktop program). The radios serve one transfer after another until SIGINT\n"
     "or SIGTERM.\n\n"
     "Options:\n"
     "  --count N           run N independent radios (1 to 64; default 1)\n"
     "  --image FILE.dat    the radio's memory at start (default: the built-in\n"
     "                      defaults of File > New)\n"
     "  --save FILE.dat     save the radio's memory there when stopped; with several\n"
     "                      radios, radio K's goes to FILE-K.dat\n"
     "  --pace-baud N       send and take every byte at N bits per second (10 bits\n"
     "                      a byte) like a real serial line; default: full speed\n"
     "  --band-low MHz      lower band edge the radio reports (default 400)\n"
     "  --band-high MHz     upper band edge the radio reports (default 470)\n\n"
     "Fault options apply to every radio, or with --radio K to radio K alone\n"
     "(LIST is a comma-separated list of counts, 1 = the first one\n"
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
     "                         0x2160 counts) until the next wake-up sequence\n"
     "  --silent               never answer, like a radio switched off\n\n"
     "Exit status: 0 after a stop by signal; 2 usage or file error.\n",
     RunSim}};

}  // namespace

}  // namespace dpmr::cli
