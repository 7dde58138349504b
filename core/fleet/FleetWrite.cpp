// The fleet write: a worker per port, each a Read (when identities are kept),
// the check and the write sequence (calibration, backup, write, read-back)
// of one radio. With identities kept every radio is read before any is
// written, so that two radios holding the same ID are found before a byte is
// sent.
#include "fleet/FleetWrite.h"

#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "link/ServiceTransfers.h"
#include "link/TransferTrace.h"
#include "link/WriteSequence.h"
#include "util/Checksum.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using Clock = std::chrono::steady_clock;

// The transfer message on one line: its lines joined with ": ".
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string(": ") : std::string(1, c);
    return out;
}

// The read-back's word for the job report (English there; the window shows
// it translated).
std::string VerifyWord(const WriteOutcome& outcome) {
    if (outcome.stage != WriteStage::kVerifying) return DPMR_TR_NOOP("fleet", "not run");
    if (outcome.result.succeeded()) return DPMR_TR_NOOP("fleet", "verified");
    if (outcome.result.cancelled()) return DPMR_TR_NOOP("fleet", "stopped");
    if (outcome.result.message.rfind(Tr("link", msg::kVerifyBrokeOff), 0) == 0)
        return DPMR_TR_NOOP("fleet", "broke off");
    return DPMR_TR_NOOP("fleet", "differs");
}

FleetStage StageOf(WriteStage stage) {
    switch (stage) {
        case WriteStage::kCalibration:
            return FleetStage::kReadingCalibration;
        case WriteStage::kWriting:
            break;
        case WriteStage::kVerifying:
            return FleetStage::kVerifying;
    }
    return FleetStage::kWriting;
}

// Everything the workers share.
class FleetRun {
  public:
    FleetRun(const RadioImage& document, const std::vector<FleetTarget>& targets,
             const FleetRunOptions& options, const FleetProgressCallback& progress,
             const std::atomic<bool>& cancel)
        : options_(options), progress_(progress), cancel_(cancel), backups_(options.backupFolder) {
        for (const FleetTarget& t : targets) {
            Radio& r = radios_.emplace_back();
            r.result.target = t;
            r.result.radioId = t.radioId;
            r.result.name = t.name.value_or("");
            if (options.verify) r.result.verify = DPMR_TR_NOOP("fleet", "not run");
            r.image = document;
            r.own = document;
            r.trace =
                std::make_unique<TransferTrace>("fleet", LinkSettings{t.port, options.baudRate});
        }
    }

    std::vector<FleetRadioResult> Run() {
        const auto start = Clock::now();
        for (std::size_t i = 0; i < radios_.size(); ++i) radios_[i].start = start;
        if (options_.identity.keepIdentity) {
            // Every radio read first, then their IDs compared, then the writes.
            ForEachRadio([this](std::size_t i) { ReadPhase(i); });
            RefuseRepeatedIds();
        }
        if (!options_.copyCalibration) {
            ForEachRadio([this](std::size_t i) { CalibrationPhase(i); });
            WarnOfKnownIds();
        }
        ForEachRadio([this](std::size_t i) { WritePhase(i); });
        std::vector<FleetRadioResult> out;
        for (Radio& r : radios_) out.push_back(std::move(r.result));
        return out;
    }

  private:
    struct Radio {
        FleetRadioResult result;
        RadioImage image;  // what is sent
        RadioImage own;    // what was read from the radio
        bool ended = false;
        std::vector<std::uint8_t> identityBlock;  // filled by each session
        // The last progress reported (by its own worker only).
        bool reported = false;
        FleetStage lastStage = FleetStage::kWaiting;
        int lastPercent = 0;
        Clock::time_point start;
        TransferControl control;
        std::unique_ptr<TransferTrace> trace;  // both phases' sessions
    };

    template <typename Work>
    void ForEachRadio(Work work) {
        std::vector<std::thread> workers;
        workers.reserve(radios_.size());
        for (std::size_t i = 0; i < radios_.size(); ++i) {
            if (radios_[i].ended) continue;
            workers.emplace_back([&work, i] { work(i); });
        }
        for (std::thread& t : workers) t.join();
    }

    LinkSettings Link(std::size_t i) {
        LinkSettings link = radios_[i].trace->Link();
        link.identityBlock = &radios_[i].identityBlock;
        return link;
    }

    // Reports progress and passes a stop request on to the radio's
    // transfers. Only a change is reported (a stage's percentage moves 100
    // times where its blocks are 504), so that a slow receiver of the
    // reports, such as a window's event loop, is never flooded.
    void Report(std::size_t i, FleetStage stage, int percent) {
        Radio& r = radios_[i];
        if (cancel_.load()) r.control.cancelRequested = true;
        if (!progress_ || (r.reported && r.lastStage == stage && r.lastPercent == percent)) return;
        r.reported = true;
        r.lastStage = stage;
        r.lastPercent = percent;
        std::lock_guard lock(progressMutex_);
        progress_(FleetProgress{i, stage, percent});
    }

    void End(std::size_t i, FleetStage outcome, const std::string& message) {
        Radio& r = radios_[i];
        r.ended = true;
        r.result.outcome = outcome;
        r.result.message = message;
        r.result.seconds = std::chrono::duration<double>(Clock::now() - r.start).count();
        r.result.finishedAt = std::time(nullptr);
        r.result.identityBlock = r.identityBlock;
        if (r.trace->Recorded()) {
            const std::string trace =
                r.trace->Keep(FleetStageText(outcome) + (message.empty() ? "" : "\n" + message));
            if (outcome == FleetStage::kFailed && !trace.empty())
                r.result.notes.push_back(Fill(Tr("fleet", "wire trace: %1"), {trace}));
        }
        Report(i, outcome, outcome == FleetStage::kDone ? 100 : 0);
    }

    // Ends the radio when a stop was asked for; true when it did.
    bool Stopped(std::size_t i) {
        if (!cancel_.load()) return false;
        End(i, FleetStage::kCancelled, Tr("fleet", "stopped before its configuration was sent"));
        return true;
    }

    // A transfer's failure or stop ends the radio; true when it did.
    bool EndedBy(std::size_t i, const TransferResult& result, const std::string& stopText) {
        if (result.succeeded()) return false;
        if (result.cancelled()) {
            End(i, FleetStage::kCancelled, result.message.empty() ? stopText : result.message);
        } else {
            End(i, FleetStage::kFailed, OneLine(result.message));
        }
        return true;
    }

    // A backup that could not be kept, in the radio's notes.
    void NoteBackup(std::size_t i, BackupKind kind, const std::string& problem) {
        if (problem.empty()) return;
        if (backups_.HasFolder()) {
            radios_[i].result.notes.push_back(problem);
            return;
        }
        radios_[i].result.notes.push_back(
            kind == BackupKind::kRead
                ? Tr("fleet", "no read backup kept: there is no folder for backups")
                : Tr("fleet", "no write backup kept: there is no folder for backups"));
    }

    void ReadPhase(std::size_t i) {
        Radio& r = radios_[i];
        if (Stopped(i)) return;
        Report(i, FleetStage::kReadingRadio, 0);
        const ReadOutcome read = ReadDocument(
            Link(i), r.own, backups_,
            [this, i](int done, int total) {
                Report(i, FleetStage::kReadingRadio, ProgressPercent(done, total));
            },
            r.control);
        if (EndedBy(i, read.result,
                    Tr("fleet", "stopped while reading the radio; nothing was sent")))
            return;
        NoteBackup(i, BackupKind::kRead, read.backupMessage);
        r.result.radioId = ImageRadioId(r.own);
        r.result.name = ImageRadioName(r.own);
    }

    // With identities kept: radios that hold the same ID are not written,
    // nor is any other, so that the user sorts the fleet out first.
    void RefuseRepeatedIds() {
        std::vector<FleetTarget> read;
        for (const Radio& r : radios_) {
            if (r.ended) continue;
            FleetTarget t = r.result.target;
            t.radioId = r.result.radioId;
            read.push_back(t);
        }
        const std::vector<std::string> repeats = RepeatedIds(read);
        if (repeats.empty()) return;
        std::string list;
        for (std::size_t k = 0; k < repeats.size(); ++k) list += (k ? "; " : "") + repeats[k];
        const std::string text =
            Fill(Tr("fleet", "two radios hold the same ID, so none was written: %1"), {list});
        for (std::size_t i = 0; i < radios_.size(); ++i)
            if (!radios_[i].ended) End(i, FleetStage::kNotWritten, text);
    }

    // The radio's own squelch calibration, read before anything is written
    // (it goes back into the radio unchanged and tells it apart).
    void CalibrationPhase(std::size_t i) {
        Radio& r = radios_[i];
        if (r.ended || Stopped(i)) return;
        Report(i, FleetStage::kReadingCalibration, 0);
        const TransferResult read = ReadSquelch(Link(i), r.own);
        if (!read.succeeded()) {
            End(i, FleetStage::kFailed,
                Fill(Tr("fleet",
                        "its squelch calibration could not be read, so nothing was "
                        "sent: %1"),
                     {OneLine(read.message)}));
            return;
        }
        r.result.calibration = SquelchCalibrationBytes(r.own);
    }

    // An ID that the backups show on another radio: asked once, or noted.
    void WarnOfKnownIds() {
        std::vector<std::string> warnings;
        std::vector<std::pair<std::size_t, std::string>> said;
        for (std::size_t i = 0; i < radios_.size(); ++i) {
            const Radio& r = radios_[i];
            if (r.ended || options_.identity.keepIdentity) continue;
            FleetTarget t = r.result.target;
            t.radioId = r.result.radioId;
            std::string w = SameRadioAgain(t, r.result.calibration, options_.history, r.image);
            if (w.empty()) w = IdOnAnotherRadio(t, r.result.calibration, options_.history, r.image);
            if (w.empty()) continue;
            warnings.push_back(w);
            said.emplace_back(i, w);
        }
        if (warnings.empty()) return;
        if (options_.confirm && !options_.confirm(warnings)) {
            for (std::size_t i = 0; i < radios_.size(); ++i)
                if (!radios_[i].ended)
                    End(i, FleetStage::kNotWritten,
                        Fill(Tr("fleet", "not written, after the warning: %1"),
                             {warnings.front()}));
            return;
        }
        for (const auto& [i, w] : said) radios_[i].result.notes.push_back(w);
    }

    void BuildImage(std::size_t i) {
        Radio& r = radios_[i];
        const FleetTarget& t = r.result.target;
        const FleetIdentityOptions& identity = options_.identity;
        if (identity.keepIdentity) {
            CopyRadioIdentity(r.own, r.image);
            if (!identity.namePattern.empty()) {
                std::string name, note;
                if (FleetRadioName(identity.namePattern, t.number, r.result.radioId, name, note)) {
                    StoreRadioName(r.image, name);
                    r.result.name = name;
                    if (!note.empty()) r.result.notes.push_back(note);
                }
            }
        } else {
            ApplyPlannedIdentity(r.image, t);
            r.result.radioId = ImageRadioId(r.image);
            r.result.name = ImageRadioName(r.image);
        }
    }

    void WritePhase(std::size_t i) {
        Radio& r = radios_[i];
        if (r.ended || Stopped(i)) return;
        BuildImage(i);
        const std::vector<WriteProblem> problems = CheckBeforeWrite(r.image);
        std::string errors;
        for (const WriteProblem& p : problems) {
            if (p.severity == Severity::kError) {
                errors += (errors.empty() ? "" : "; ") + p.text;
            } else {
                r.result.notes.push_back(ProblemLine(p));
            }
        }
        if (!errors.empty()) {
            if (!options_.force) {
                End(i, FleetStage::kFailed,
                    Fill(Tr("fleet", "its configuration has errors and was not sent: %1"),
                         {errors}));
                return;
            }
            r.result.notes.push_back(Fill(Tr("fleet", "written despite errors: %1"), {errors}));
        }

        // The calibration read first goes back unchanged.
        if (!options_.copyCalibration) CopySquelchCalibration(r.own, r.image);
        const WriteOptions write{.keepCalibration = false, .verify = options_.verify};
        const WriteOutcome outcome = WriteDocument(
            Link(i), r.image, write, backups_,
            [this, i](WriteStage stage, int done, int total) {
                Report(i, StageOf(stage), ProgressPercent(done, total));
            },
            r.control);
        r.result.backupFile = outcome.backupPath;
        r.result.partlyWritten = outcome.partlyWritten;
        NoteBackup(i, BackupKind::kWrite, outcome.backupMessage);
        if (options_.verify) r.result.verify = VerifyWord(outcome);
        if (EndedBy(i, outcome.result, Tr("fleet", "stopped before its configuration was sent")))
            return;
        // A verified radio's result says what the verify compared.
        End(i, FleetStage::kDone, outcome.result.message);
    }

    const FleetRunOptions& options_;
    const FleetProgressCallback& progress_;
    const std::atomic<bool>& cancel_;
    BackupSink backups_;
    std::deque<Radio> radios_;  // a radio's control cannot move
    std::mutex progressMutex_;
};

}  // namespace

const char* FleetStageText(FleetStage stage) {
    switch (stage) {
        case FleetStage::kWaiting:
            return "waiting";
        case FleetStage::kReadingRadio:
            return "reading the radio";
        case FleetStage::kReadingCalibration:
            return "reading its calibration";
        case FleetStage::kWriting:
            return "writing";
        case FleetStage::kVerifying:
            return "verifying";
        case FleetStage::kDone:
            return "done";
        case FleetStage::kFailed:
            return "failed";
        case FleetStage::kCancelled:
            return "cancelled";
        case FleetStage::kNotWritten:
            return "not written";
    }
    return "";
}

std::vector<FleetRadioResult> RunFleet(const RadioImage& document,
                                       const std::vector<FleetTarget>& targets,
                                       const FleetRunOptions& options,
                                       const FleetProgressCallback& progress,
                                       const std::atomic<bool>& cancel) {
    return FleetRun(document, targets, options, progress, cancel).Run();
}

std::vector<WriteProblem> CheckFirstRadio(const RadioImage& document,
                                          const std::vector<FleetTarget>& targets) {
    RadioImage first = document;
    if (!targets.empty()) ApplyPlannedIdentity(first, targets[0]);
    return CheckBeforeWrite(first);
}

std::vector<std::string> UnshownNotes(const FleetRadioResult& result,
                                      const std::set<std::string>& shown) {
    std::vector<std::string> out;
    for (const std::string& note : result.notes)
        if (!shown.count(note)) out.push_back(note);
    return out;
}

void MergeRetryResults(std::vector<FleetRadioResult>& results,
                       const std::vector<FleetRadioResult>& retried) {
    for (const FleetRadioResult& r : retried) {
        bool replaced = false;
        for (FleetRadioResult& old : results) {
            if (old.target.port == r.target.port) {
                old = r;
                replaced = true;
            }
        }
        if (!replaced) results.push_back(r);
    }
}

std::string FleetResultText(const FleetRadioResult& result) {
    std::string text = FleetStageText(result.outcome);
    if (!result.message.empty()) text += ": " + result.message;
    return text;
}

std::vector<std::string> PartlyWrittenPorts(const std::vector<FleetRadioResult>& results) {
    std::vector<std::string> out;
    for (const FleetRadioResult& r : results)
        if (r.partlyWritten) out.push_back(r.target.port);
    return out;
}

std::string RadioMarks(const FleetRadioResult& result) {
    std::string out;
    if (!result.calibration.empty()) out = "squelch " + Crc32Hex(result.calibration);
    if (!result.identityBlock.empty())
        out += (out.empty() ? "" : ", ") + std::string("block ") + Crc32Hex(result.identityBlock);
    return out;
}

}  // namespace dpmr
