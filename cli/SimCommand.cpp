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
#include "util/PlainText.h"

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

// The fault options: given before any --radio they apply to every radio;
// each --radio K starts a group of them for radio K alone.
const std::set<std::string> kFaultValues{"--wrong-wake",      "--missing-wake", "--short-identity",
                                         "--bad-opening-ack", "--short-read",   "--nak-read",
                                         "--nak-write",       "--corrupt-byte", "--silent-after"};
const std::set<std::string> kFaultFlags{"--silent"};
const std::set<std::string> kSimValues{"--image",    "--save",      "--pace-baud",
                                       "--band-low", "--band-high", "--count"};

// The arguments of one group of fault options: every radio's (no radio
// named) or radio K's.
struct FaultGroup {
    std::optional<std::string> radio;  // K as given
    std::vector<std::string> args;
};

// Splits the arguments into the sim's own options (anywhere) and the groups
// of fault options, the first one every radio's. "--name=value" and "--name
// value" alike; an option's value is never taken for an option.
void SplitFaultGroups(const std::vector<std::string>& args, std::vector<std::string>& own,
                      std::vector<FaultGroup>& groups) {
    groups.assign(1, FaultGroup{});
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::string name = a.rfind("--", 0) == 0 ? a.substr(0, a.find('=')) : a;
        const bool inlineValue = name.size() != a.size();
        const bool valued = kFaultValues.count(name) || kSimValues.count(name) || name == "--radio";
        std::vector<std::string> taken{a};
        if (valued && !inlineValue && i + 1 < args.size()) taken.push_back(args[++i]);
        if (name == "--radio") {
            FaultGroup group;
            group.radio = inlineValue ? a.substr(a.find('=') + 1)
                                      : (taken.size() > 1 ? taken[1] : std::string());
            groups.push_back(std::move(group));
            if (taken.size() == 1) own.push_back(a);  // no value: the parser says so
        } else if (kFaultValues.count(name) || kFaultFlags.count(name)) {
            groups.back().args.insert(groups.back().args.end(), taken.begin(), taken.end());
        } else {
            own.insert(own.end(), taken.begin(), taken.end());
        }
    }
}

// The value of option `name`, when given, as a number up to `max` handed to
// `assign`; false when it is not one.
template <typename Assign>
bool NumberOption(const ArgParser& p, const std::string& name, long long max, Assign assign) {
    const auto text = p.Value(name);
    if (!text) return true;
    const auto v = ParseNumber(*text, max);
    if (!v) return false;
    assign(*v);
    return true;
}

// Applies one group's fault options onto `f` (what is not given stays);
// false with `error` set on a bad option or value.
bool ApplyFaults(const std::vector<std::string>& args, VirtualRadioFaults& f, std::string& error) {
    ArgParser p(kFaultValues, kFaultFlags);
    if (!p.Parse(args)) {
        error = p.error();
        return false;
    }
    if (!p.Positional().empty()) {
        error = "sim takes no file arguments (see --help)";
        return false;
    }
    const auto number = [&](const std::string& name, long long max, auto assign) {
        return NumberOption(p, name, max, assign);
    };
    const auto list = [&](const std::string& name, std::set<int>& out) -> bool {
        const auto text = p.Value(name);
        if (!text) return true;
        out.clear();
        return ParseList(*text, out);
    };
    if (p.Has("--silent")) f.silent = true;
    const struct {
        const char* name;
        bool ok;
    } checks[] = {
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
        if (!c.ok) {
            error = std::string("bad value for ") + c.name + " (see dpmrtool sim --help)";
            return false;
        }
    }
    return true;
}

int RunSim(const std::vector<std::string>& args) {
    std::vector<std::string> ownArgs;
    std::vector<FaultGroup> groups;
    SplitFaultGroups(args, ownArgs, groups);
    std::set<std::string> valued = kSimValues;
    valued.insert("--radio");  // here only when its value is missing
    ArgParser p(valued, {});
    if (!p.Parse(ownArgs)) return UsageError(p.error());
    if (!p.Positional().empty()) return UsageError("sim takes no file arguments (see --help)");

    VirtualRadioOptions options;
    const auto number = [&](const std::string& name, long long max, auto assign) {
        return NumberOption(p, name, max, assign);
    };
    int count = 1;
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
        {"--count",
         number("--count", kMaxRadios, [&](long long v) { count = static_cast<int>(v); })},
    };
    for (const auto& c : checks) {
        if (!c.ok)
            return UsageError(std::string("bad value for ") + c.name +
                              " (see dpmrtool sim --help)");
    }
    if (count < 1)
        return UsageError("--count needs 1 to " + std::to_string(kMaxRadios) + " radios");

    // Every radio's faults, then each group's onto its radio's.
    std::string error;
    if (!ApplyFaults(groups[0].args, options.faults, error)) return UsageError(error);
    std::vector<VirtualRadioFaults> faults(static_cast<std::size_t>(count), options.faults);
    for (std::size_t g = 1; g < groups.size(); ++g) {
        const auto k = ParseNumber(*groups[g].radio, kMaxRadios);
        if (!k || *k < 1 || *k > count)
            return UsageError("--radio names one of the " + std::to_string(count) +
                              " radios (1 to " + std::to_string(count) + "), not " +
                              QuoteInput(*groups[g].radio));
        if (!ApplyFaults(groups[g].args, faults[static_cast<std::size_t>(*k - 1)], error))
            return UsageError(error);
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

    std::vector<std::unique_ptr<VirtualRadio>> radios;
    for (int n = 1; n <= count; ++n) {
        VirtualRadioOptions own = options;
        own.faults = faults[static_cast<std::size_t>(n - 1)];
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
     "                    [fault options] [--radio K fault options]...\n\n"
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
     "Fault options given before any --radio apply to every radio; each --radio K\n"
     "starts a group of fault options for radio K alone, added to those (\"--radio 1\n"
     "--silent --radio 3 --nak-write 0x1000\" makes radio 1 silent and radio 3\n"
     "refuse a block). LIST is a comma-separated list of counts, 1 = the first\n"
     "one since the start; ADDR is decimal or 0x hexadecimal:\n"
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
