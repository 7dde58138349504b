// dpmrtool fleet: one configuration written to several radios at once, each
// with its own radio ID and name (or its own identity kept), each keeping its
// factory squelch calibration. One progress line per radio while it runs,
// then a summary table; the exit status says whether every radio succeeded.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <iomanip>
#include <iostream>
#include <set>
#include <sstream>

#include "ArgParser.h"
#include "Command.h"
#include "FileError.h"
#include "InterruptScope.h"
#include "backup/BackupStore.h"
#include "check/WriteCheck.h"
#include "config/AppSettings.h"
#include "fleet/FleetJob.h"
#include "fleet/FleetList.h"
#include "fleet/FleetWrite.h"
#include "image/Document.h"
#include "util/DecimalText.h"
#include "util/FileIo.h"
#include "util/PlainText.h"

namespace dpmr::cli {

namespace {

// Ctrl+C, SIGTERM or SIGHUP asks every transfer to stop after its block in
// progress (a lock-free atomic store is safe in a signal handler); the same
// signal again ends the program at once.
std::atomic<bool> gFleetStop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void OnFleetInterrupt(int) {
    gFleetStop.store(true);
}

// A whole number, possibly negative (for the step).
std::optional<long long> ParseSigned(const std::string& text) {
    if (!text.empty() && text[0] == '-') {
        const auto v = ParseWholeNumber(text.substr(1));
        if (!v) return std::nullopt;
        return -*v;
    }
    return ParseWholeNumber(text);
}

// The progress lines on stderr: on a terminal one line per radio redrawn in
// place; otherwise a line whenever a radio enters a new stage.
class ProgressLines {
  public:
    explicit ProgressLines(const std::vector<FleetTarget>& targets)
        : targets_(targets), states_(targets.size()), live_(::isatty(STDERR_FILENO) != 0) {
        if (!live_) return;
        for (std::size_t i = 0; i < targets_.size(); ++i)
            std::fprintf(stderr, "%s\n", Line(i).c_str());
        std::fflush(stderr);
    }

    void Update(const FleetProgress& p) {
        State& s = states_[p.index];
        const bool newStage = s.stage != p.stage;
        if (!newStage && s.percent == p.percent) return;
        s.stage = p.stage;
        s.percent = p.percent;
        if (live_) {
            // Up to the radio's line, redraw it, back down below the last line.
            const std::size_t up = targets_.size() - p.index;
            std::fprintf(stderr, "\x1b[%zuA\r\x1b[2K%s\x1b[%zuB\r", up, Line(p.index).c_str(), up);
        } else if (newStage) {
            std::fprintf(stderr, "%s\n", Line(p.index).c_str());
        }
        std::fflush(stderr);
    }

  private:
    struct State {
        FleetStage stage = FleetStage::kWaiting;
        int percent = 0;
    };

    std::string Line(std::size_t i) const {
        const State& s = states_[i];
        std::ostringstream out;
        out << "radio " << targets_[i].number << " " << targets_[i].port << ": "
            << FleetStageText(s.stage);
        if (s.stage == FleetStage::kReadingRadio || s.stage == FleetStage::kWriting ||
            s.stage == FleetStage::kVerifying)
            out << " " << s.percent << "%";
        return out.str();
    }

    const std::vector<FleetTarget>& targets_;
    std::vector<State> states_;
    bool live_;
};

// The summary table on stdout.
void PrintSummary(const std::vector<FleetRadioResult>& results) {
    std::size_t portWidth = 4;
    for (const FleetRadioResult& r : results) portWidth = std::max(portWidth, r.target.port.size());
    std::cout << std::left << std::setw(static_cast<int>(portWidth) + 2) << "port" << std::setw(10)
              << "radio ID" << std::setw(10) << "name" << std::setw(9) << "seconds"
              << "result\n";
    for (const FleetRadioResult& r : results) {
        std::ostringstream seconds;
        seconds << std::fixed << std::setprecision(1) << r.seconds;
        std::cout << std::left << std::setw(static_cast<int>(portWidth) + 2) << r.target.port
                  << std::setw(10) << r.radioId << std::setw(10) << r.name << std::setw(9)
                  << seconds.str() << FleetResultText(r) << "\n";
    }
}

// One cable: the list's radios one after another, each asked for with
// Enter (or "q" to stop), the next row and what the last one got said. A
// radio that failed is asked for again. Every row has a result: those not
// reached are "waiting".
std::vector<FleetRadioResult> RunOneCable(const RadioImage& document,
                                          const std::vector<FleetTarget>& targets,
                                          FleetRunOptions run) {
    std::vector<FleetRadioResult> results;
    for (const FleetTarget& t : targets) {
        FleetRadioResult waiting;
        waiting.target = t;
        waiting.radioId = t.radioId;
        waiting.name = t.name.value_or(ImageRadioName(document));
        results.push_back(waiting);
    }
    InterruptScope interrupt(OnFleetInterrupt);
    gFleetStop = false;
    for (std::size_t k = 0; k < targets.size() && !gFleetStop.load();) {
        const FleetTarget& t = targets[k];
        std::cerr << (results[k].outcome == FleetStage::kWaiting ? "Next" : "Again") << ": radio "
                  << t.number << " of " << targets.size() << ", ID " << t.radioId << " \""
                  << results[k].name
                  << "\": put it on the cable and press Enter (q and Enter stops)\n";
        std::string answer;
        if (!std::getline(std::cin, answer) || answer == "q") {
            std::cerr << "dpmrtool: stopped before the end of the list\n";
            break;
        }
        {
            const std::vector<FleetTarget> one{t};
            ProgressLines lines(one);
            results[k] = RunFleet(
                document, one, run,
                [&lines](const FleetProgress& progress) { lines.Update(progress); }, gFleetStop)[0];
        }
        std::cerr << "radio " << t.number << " got " << results[k].radioId << " \""
                  << results[k].name << "\": " << FleetResultText(results[k]) << "\n";
        if (results[k].succeeded()) {
            // The next radio on the cable is told from this one.
            const FleetRadioResult& r = results[k];
            run.history.insert(run.history.begin(),
                               JustWritten(r.target, r.radioId, r.name, r.calibration));
            ++k;
        }
    }
    return results;
}

// A question of the list's check: yes with --yes; asked on a terminal;
// otherwise nothing is sent.
bool GoOn(const std::vector<std::string>& questions, bool yes) {
    for (const std::string& q : questions) std::cerr << "dpmrtool: " << q << "\n";
    if (questions.empty() || yes) return true;
    if (!::isatty(STDIN_FILENO)) {
        std::cerr << "dpmrtool: nothing was sent (--yes goes on all the same)\n";
        return false;
    }
    std::cerr << "Write the radios all the same? [y/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    if (answer == "y" || answer == "Y" || answer == "yes") return true;
    std::cerr << "dpmrtool: nothing was sent\n";
    return false;
}

// The options that are given once: one given twice is refused rather than
// the last one winning.
Status RefuseRepeats(const ArgParser& p) {
    for (const char* once :
         {"--baud", "--id-from", "--id-step", "--name", "--log", "--list", "--one-port"}) {
        const std::vector<std::string> values = p.Values(once);
        if (values.size() < 2) continue;
        std::string said;
        for (std::size_t i = 0; i < values.size(); ++i)
            said += (i == 0 ? "" : i + 1 == values.size() ? " and " : ", ") + QuoteInput(values[i]);
        return Status::Error(
            std::string(once) + " is given " +
            (values.size() == 2 ? std::string("twice") : std::to_string(values.size()) + " times") +
            " (" + said + "): give it once");
    }
    return Status::Ok();
}

// Options that others make pointless are refused, naming both.
Status RefusePointless(const ArgParser& p) {
    if (p.Has("--list")) {
        for (const char* other : {"--id-from", "--id-step", "--name", "--keep-identity"}) {
            if (p.Has(other))
                return Status::Error(std::string("--list gives every radio its ID and name, so ") +
                                     other + " has no use with it");
        }
    }
    if (p.Has("--one-port")) {
        if (!p.Has("--list"))
            return Status::Error("--one-port needs --list: the radios' IDs and names, in order");
        if (p.Has("--port"))
            return Status::Error(
                "--one-port writes every radio through one cable, so --port has no use with it");
    }
    if (p.Has("--id-step") && !p.Has("--id-from"))
        return Status::Error("--id-step needs --id-from");
    return Status::Ok();
}

int RunFleetCommand(const std::vector<std::string>& args) {
    ArgParser p(
        {"--port", "--baud", "--id-from", "--id-step", "--name", "--log", "--list", "--one-port"},
        {"--keep-identity", "--verify", "--force", "--copy-calibration", "--yes"});
    if (!p.Parse(args)) return UsageError(p.error());
    if (p.Positional().size() != 1) {
        return UsageError(
            "usage: dpmrtool fleet FILE.dat --port P1 --port P2 ... [--id-from N] [--id-step K] "
            "[--name PATTERN | --list LIST.csv] [--keep-identity] [--verify] [--force] "
            "[--log LOG.csv]");
    }
    if (Status s = RefuseRepeats(p); !s) return UsageError(s.message());
    if (Status s = RefusePointless(p); !s) return UsageError(s.message());
    const std::vector<std::string> ports = p.Values("--port");
    const auto list = p.Value("--list");
    const auto onePort = p.Value("--one-port");
    if (ports.empty() && !list)
        return UsageError("no radio given: name each radio's port with --port");

    FleetIdentityOptions identity;
    identity.keepIdentity = p.Has("--keep-identity");
    identity.namePattern = p.Value("--name").value_or("");
    if (auto from = p.Value("--id-from")) {
        identity.idFrom = ParseWholeNumber(*from);
        if (!identity.idFrom) return UsageError("--id-from needs a radio ID, not '" + *from + "'");
    }
    if (auto step = p.Value("--id-step")) {
        const auto v = ParseSigned(*step);
        if (!v) return UsageError("--id-step needs a whole number, not '" + *step + "'");
        identity.idStep = *v;
    }

    FleetRunOptions run;
    run.baudRate = LoadAppSettings(ExecutableFolder()).baudRate;
    if (auto baud = p.Value("--baud")) {
        const auto value = ParseWholeNumber(*baud);
        if (!value || *value <= 0 || *value > 4000000)
            return UsageError("--baud needs a positive number of bits per second, not '" + *baud +
                              "'");
        run.baudRate = static_cast<std::int32_t>(*value);
    }
    run.identity = identity;
    run.verify = p.Has("--verify");
    run.force = p.Has("--force");
    run.copyCalibration = p.Has("--copy-calibration");
    run.backupFolder = DefaultBackupFolder();

    const std::string& file = p.Positional()[0];
    RadioImage document;
    FileStamp stamp;
    if (Status s = LoadImageFile(file, document, &stamp); !s) return FileError(s);
    if (stamp.size > RadioImage::kSize)
        std::cerr << "dpmrtool: " << LongerThanImageNote(file, stamp.size) << "\n";
    const auto log = p.Value("--log");
    if (log) {
        if (Status s = CheckCanSave(*log); !s) return FileError(s);
    }

    std::vector<FleetTarget> targets;
    if (list) {
        std::string text;
        if (Status s = ReadListFile(*list, "fleet list", text); !s) return FileError(s);
        std::vector<FleetListRow> rows;
        if (Status s = ParseFleetList(text, rows); !s)
            return UsageError(*list + ": " + s.message());
        const FleetListPlan plan = PlanFleetList(rows, ports, onePort.value_or(""));
        if (plan.Refused()) {
            for (const std::string& refusal : plan.Texts(true))
                std::cerr << "dpmrtool: " << refusal << "\n";
            return UsageError("nothing was sent: mend " + *list + " first");
        }
        if (!GoOn(plan.Texts(false), p.Has("--yes"))) return kExitUsage;
        targets = plan.targets;
    } else {
        std::vector<std::string> notes;
        if (Status s = PlanFleet(ports, identity, document, targets, notes); !s)
            return UsageError(s.message());
        for (const std::string& note : notes) std::cerr << "dpmrtool: " << note << "\n";
    }

    const std::vector<WriteProblem> problems = CheckFirstRadio(document, targets);
    std::set<std::string> shown;
    for (const WriteProblem& problem : problems) {
        std::cerr << ProblemLine(problem) << "\n";
        shown.insert(ProblemLine(problem));
    }
    if (HasErrors(problems) && !run.force)
        return UsageError(file + " has errors and was not written (--force writes it anyway)");
    if (!list && !identity.keepIdentity && identity.namePattern.empty()) {
        std::cerr << "dpmrtool: no --name and no --list: every radio keeps the file's name "
                  << QuoteInput(ImageRadioName(document)) << "\n";
    }

    // The radios the backups know: an ID on another radio is asked about.
    if (Status s = LoadWrittenRadios(run.backupFolder, run.history); !s)
        std::cerr << "dpmrtool: the backups were not looked through: " << s.message() << "\n";
    const bool yes = p.Has("--yes");
    run.confirm = [yes](const std::vector<std::string>& warnings) { return GoOn(warnings, yes); };
    const std::time_t started = std::time(nullptr);
    std::vector<FleetRadioResult> results;
    if (onePort) {
        results = RunOneCable(document, targets, run);
    } else {
        ProgressLines lines(targets);
        InterruptScope interrupt(OnFleetInterrupt);
        gFleetStop = false;
        results = RunFleet(
            document, targets, run,
            [&lines](const FleetProgress& progress) { lines.Update(progress); }, gFleetStop);
    }
    for (const FleetRadioResult& r : results) {
        for (const std::string& note : UnshownNotes(r, shown))
            std::cerr << "radio " << r.target.number << " " << r.target.port << ": " << note
                      << "\n";
    }
    PrintSummary(results);
    if (const auto partly = PartlyWrittenPorts(results); !partly.empty()) {
        std::cerr << "These radios may now hold a partly written configuration: write them "
                     "again before using them:";
        for (const std::string& port : partly) std::cerr << " " << port;
        std::cerr << "\n";
    }
    int status = kExitOk;
    for (const FleetRadioResult& r : results)
        if (!r.succeeded()) status = kExitTransferFailed;
    if (gFleetStop.load()) status = StoppedExitStatus();
    if (log) {
        const std::string text = FleetJobCsv(MakeFleetJob(started, file, document, results));
        if (Status s = WriteFileAtomically(
                *log, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
            !s) {
            std::cerr << "dpmrtool: the log was not written: " << s.message() << "\n";
            if (status == kExitOk) status = kExitUsage;
        }
    }
    return status;
}

const RegisterCommand kFleet{
    {"fleet", "write one configuration to several radios at once",
     "Usage: dpmrtool fleet FILE.dat --port P1 --port P2 ... [--baud N]\n"
     "                      [--id-from N] [--id-step K] [--name PATTERN]\n"
     "                      [--keep-identity] [--copy-calibration] [--verify]\n"
     "                      [--force] [--log LOG.csv]\n"
     "       dpmrtool fleet FILE.dat --list LIST.csv [--port P1 ...] [--yes] ...\n"
     "       dpmrtool fleet FILE.dat --one-port P --list LIST.csv [--yes] ...\n\n"
     "Writes the configuration of FILE.dat into every radio named with --port,\n"
     "all at the same time (one transfer per port). Each radio gets its own\n"
     "image: the file with that radio's dPMR radio ID and name, and the radio's\n"
     "own factory squelch calibration, read from it first with the squelch\n"
     "transfer and written back unchanged.\n\n"
     "Every radio needs an ID of its own: an ID the radio would not take\n"
     "(0000001 to 9000000, not 1000000, 2000000, ... 9000000) or one that\n"
     "repeats is refused before anything is sent. Each radio's image is checked\n"
     "(see dpmrtool check) and backed up (see dpmrtool backups) before it is\n"
     "sent. A failure on one port never stops the others. Ctrl+C, SIGTERM or\n"
     "SIGHUP (a logout) stops every transfer after its block in progress, marks\n"
     "the backups of the radios it stopped as failed writes and names the radios\n"
     "that may now hold a partly written configuration.\n\n"
     "While it runs, one line per radio on stderr shows what it is doing; at the\n"
     "end a table on stdout gives each radio's port, radio ID, name, seconds and\n"
     "result.\n\n"
     "Options:\n"
     "  --port DEV          a radio's serial device; repeat for every radio\n"
     "  --baud N            line speed; default: [Setup] BaudRate, else 9600\n"
     "  --id-from N         the first radio's ID; radio k gets N + (k-1) * step\n"
     "  --id-step K         the step between IDs (default 1; needs --id-from)\n"
     "  --name PATTERN      each radio's name: {n} is its number (1 for the first\n"
     "                      --port), {id} its 7-digit ID, {id:4} the ID's last 4\n"
     "                      digits, {{ and }} braces; cut to 8 characters (said)\n"
     "  --list LIST.csv     each radio's name and ID from a list: one row a radio,\n"
     "                      name, dPMR ID and, optionally, its port (CSV, or the\n"
     "                      tab-separated rows a spreadsheet copies; a first row\n"
     "                      of titles is passed over). Rows that name no port get\n"
     "                      the --port devices in order. The whole list is\n"
     "                      checked first: an ID the radio would replace or given\n"
     "                      twice, a name it cannot show or two names made the same\n"
     "                      by the cut to 8 characters, a row left without a port\n"
     "                      are refused; a name cut or a port left over is asked\n"
     "                      about\n"
     "  --one-port P        one cable: the list's radios one after another on the\n"
     "                      port P; before each, the next row is shown and Enter\n"
     "                      (on standard input) writes it, q stops; what each got\n"
     "                      is said; a radio that failed is asked for again\n"
     "  --yes               go on after the list's questions without asking\n"
     "  --keep-identity     read each radio first and keep its own ID and name\n"
     "                      (how an existing fleet gets new channels); two radios\n"
     "                      found with the same ID are reported and none is written\n"
     "  --copy-calibration  write the file's squelch calibration into every radio\n"
     "                      instead of each radio's own\n"
     "  --verify            read each radio back afterwards and compare (all but\n"
     "                      the closing block's first 24 bytes, 0x2160-0x2177,\n"
     "                      which the radio does not send back: the result says so)\n"
     "  --force             write a file that has errors\n"
     "  --log LOG.csv       write the job report: one row a radio with the date,\n"
     "                      the file and its CRC-32, the port, what tells the\n"
     "                      radio apart (its squelch calibration and identity\n"
     "                      block), radio ID, name, result, verify, backup file\n\n"
     "Before any radio is written, each radio's squelch calibration is read; an\n"
     "ID that the backups show on another radio (another calibration) is asked\n"
     "about (--yes goes on).\n\n"
     "Without --id-from or --keep-identity, a single radio keeps the file's ID;\n"
     "without --name or --list, every radio keeps the file's name (said once).\n"
     "An option is given once: one given twice, or one another makes pointless\n"
     "(--name with --list), is refused.\n\n"
     "Exit status: 0 every radio succeeded; 1 a radio failed (the table says\n"
     "which); 2 usage or file error, nothing sent; 130, 143, 129 stopped by\n"
     "Ctrl+C, SIGTERM, SIGHUP.\n",
     RunFleetCommand}};

}  // namespace

}  // namespace dpmr::cli
