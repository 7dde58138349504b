// dpmrtool fill: the PMR446 or dPMR446 channel plan put into a radio file's
// channels through the channel table's rules, as Edit > Fill Channels does.
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "channels/ChannelPlan.h"
#include "channels/ChannelTablePresenter.h"
#include "config/AppSettings.h"
#include "image/Document.h"
#include "util/FileIo.h"
#include "util/PlainText.h"

namespace dpmr::cli {

namespace {

// A channel number of one or two digits; nothing for anything else.
std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// "5" or "3-8": the table rows; nothing when it is neither.
std::optional<std::set<int>> RowsOf(std::string_view text) {
    const std::size_t dash = text.find('-');
    const auto first = SmallNumber(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : SmallNumber(text.substr(dash + 1));
    if (!first || !last || *first > *last) return std::nullopt;
    std::set<int> rows;
    for (int n = *first; n <= *last; ++n) rows.insert(n);
    return rows;
}

int Run(const std::vector<std::string>& args) {
    const std::set<std::string> valued{"--first", "--channels", "--tone", "--tones-from"};
    ArgParser p(valued, {});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 2)
        return UsageError(
            "usage: dpmrtool fill FILE.dat pmr446|dpmr446 [--first N] [--channels A-B] "
            "[--tone T | --tones-from T]");
    // An option given twice is a mistake, not a choice of the last one.
    for (const std::string& option : valued)
        if (p.Values(option).size() > 1) return UsageError(option + " is given twice");
    if (p.Has("--tone") && p.Has("--tones-from"))
        return UsageError("--tone and --tones-from are two patterns of tones: give one");

    const std::string& path = p.Positional()[0];
    const std::optional<PlanId> plan = FindPlan(p.Positional()[1]);
    if (!plan)
        return UsageError("unknown plan " + QuoteInput(p.Positional()[1]) + " (pmr446 or dpmr446)");
    FillRequest request{*plan};
    if (auto first = p.Value("--first")) {
        const auto n = SmallNumber(*first);
        if (!n) return UsageError("--first needs a plan channel number, not " + QuoteInput(*first));
        request.firstPlanChannel = *n;
    }
    if (auto channels = p.Value("--channels")) {
        const auto rows = RowsOf(*channels);
        if (!rows)
            return UsageError("--channels needs N or A-B (channels 1 to 16), not " +
                              QuoteInput(*channels));
        request.rows = *rows;
    }
    if (auto tone = p.Value("--tone")) {
        request.tones = PlanTones::kSame;
        request.tone = *tone;
    } else if (auto from = p.Value("--tones-from")) {
        request.tones = PlanTones::kOnePerChannel;
        request.tone = *from;
    }

    RadioImage image;
    if (Status s = LoadExactImageFile(path, image); !s) return FileError(s);
    // The table of the program, on the file's band and the band list of the
    // settings beside dpmrtool.
    const RadioImage before = image;
    const AppSettings settings = LoadAppSettings(ExecutableFolder());
    BandLimits band;
    ChannelTablePresenter table(image, band, settings);
    table.SelectBandFromImage();
    FillReport report;
    if (Status s = FillChannels(table, request, report); !s)
        return UsageError(path + " not changed: " + s.message());
    table.StoreRowsToImage(report.filled);
    for (const std::string& line : report.lines) std::cerr << line << "\n";
    if (image == before) return kExitOk;
    if (Status s = SaveImageFile(path, image); !s) return FileError(s);
    return kExitOk;
}

const RegisterCommand kFill{
    {"fill", "put the PMR446 or dPMR446 channel plan into the channels",
     "Usage: dpmrtool fill FILE.dat PLAN [--first N] [--channels A-B]\n"
     "                     [--tone T | --tones-from T]\n\n"
     "Puts a channel plan into the channels as Edit > Fill Channels does, each\n"
     "channel as if typed into the channel table (its band and raster rules):\n"
     "  pmr446    16 analog channels, 446.00625 to 446.19375 MHz, 12.5 kHz apart;\n"
     "            Narrow, Analog\n"
     "  dpmr446   32 digital channels, 446.003125 to 446.196875 MHz, 6.25 kHz\n"
     "            apart, 16 at a time; Narrow, Digit\n"
     "Each channel filled gets its plan frequency to receive and send on, Narrow\n"
     "and the plan's channel type; an empty one first gets the table's defaults.\n"
     "Power, scan and the digital fields stay as they are.\n"
     "  --first N        the plan channel the first channel filled gets (default 1)\n"
     "  --channels A-B   the channels to fill (default 1-16); channels the plan runs\n"
     "                   out for stay as they are, and this is said\n"
     "  --tone T         the CTCSS tone T (as 67.0) both ways on every channel\n"
     "  --tones-from T   one tone per channel: T on the first, then the next CTCSS\n"
     "                   tones of the tone list\n"
     "Without a tone option the analog channels get no tones; a digital plan\n"
     "keeps its channels' tones and takes no tone option.\n"
     "A plan the file's band does not hold whole, or a frequency the file's raster\n"
     "could not hold exactly, is refused with status 2 and the file untouched, as\n"
     "is a first channel outside the plan, a tone that is not in the tone list or\n"
     "one tone per channel running past its last CTCSS tone. What was filled is\n"
     "said on stderr.\n",
     Run}};

}  // namespace

}  // namespace dpmr::cli
