// The fleet write: a worker per port, each a Read (when identities are kept),
// a squelch read, the check, a backup, the Write and the read-back of one
// radio. With identities kept every radio is read before any is written, so
// that two radios holding the same ID are found before a byte is sent.
#include "fleet/FleetWrite.h"

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

#include "backup/BackupStore.h"
#include "check/WriteCheck.h"
#include "link/ProgramTransfer.h"
#include "link/ServiceTransfers.h"
#include "util/Csv.h"

namespace dpmr {

namespace {

using Clock = std::chrono::steady_clock;

// The transfer message on one line: its lines joined with ": ".
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string(": ") : std::string(1, c);
    return out;
}

// Everything the workers share.
class FleetRun {
  public:
    FleetRun(const RadioImage& document, const std::vector<FleetTarget>& targets,
             const FleetRunOptions& options, const FleetProgressCallback& progress,
             const std::atomic<bool>& cancel)
        : document_(document), options_(options), progress_(progress), cancel_(cancel) {
        for (const FleetTarget& t : targets) {
            Radio& r = radios_.emplace_back();
            r.result.target = t;
            r.result.radioId = t.radioId;
            r.result.name = t.name.value_or("");
            r.image = document;
            r.own = document;
        }
    }

    std::vector<FleetRadioResult> Run() {
        const auto start = Clock::now();
        for (std::size_t i = 0; i < radios_.size(); ++i) radios_[i].start = start;
        if (options_.keepIdentity) {
            // Every radio read first, then their IDs compared, then the writes.
            ForEachRadio([this](std::size_t i) { ReadPhase(i); });
            RefuseRepeatedIds();
            ForEachRadio([this](std::size_t i) { WritePhase(i); });
        } else {
            ForEachRadio([this](std::size_t i) {
                ReadPhase(i);
                WritePhase(i);
            });
        }
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
        Clock::time_point start;
        TransferControl control;
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

    LinkSettings Link(std::size_t i) const {
        return LinkSettings{radios_[i].result.target.port, options_.baudRate};
    }

    void Report(std::size_t i, FleetStage stage, int percent) {
        if (!progress_) return;
        std::lock_guard lock(progressMutex_);
        progress_(FleetProgress{i, stage, percent});
    }

    // The transfer's progress, which also passes a stop request on to it.
    ProgressCallback StageProgress(std::size_t i, FleetStage stage, bool* blocksTaken = nullptr) {
        return [this, i, stage, blocksTaken](int done, int total) {
            if (blocksTaken && done > 0) *blocksTaken = true;
            if (cancel_.load()) radios_[i].control.cancelRequested = true;
            Report(i, stage, ProgressPercent(done, total));
        };
    }

    void End(std::size_t i, FleetStage outcome, const std::string& message) {
        Radio& r = radios_[i];
        r.ended = true;
        r.result.outcome = outcome;
        r.result.message = message;
        r.result.seconds = std::chrono::duration<double>(Clock::now() - r.start).count();
        r.result.finishedAt = std::time(nullptr);
        Report(i, outcome, outcome == FleetStage::kDone ? 100 : 0);
    }

    // Ends the radio when a stop was asked for; true when it did.
    bool Stopped(std::size_t i) {
        if (!cancel_.load()) return false;
        End(i, FleetStage::kCancelled, "stopped before its configuration was sent");
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

    void Backup(std::size_t i, const RadioImage& image, BackupKind kind) {
        Radio& r = radios_[i];
        if (options_.backupFolder.empty()) {
            r.result.notes.push_back(std::string("no ") + BackupKindName(kind) +
                                     " backup kept: there is no folder for backups");
            return;
        }
        std::string written;
        // One at a time, so that two radios' copies never race over names or
        // over the removal of the oldest.
        std::unique_lock lock(backupMutex_);
        const Status s =
            BackupStore(options_.backupFolder).Save(image, kind, std::time(nullptr), &written);
        lock.unlock();
        if (!s) {
            r.result.notes.push_back(s.message());
        } else if (kind == BackupKind::kWrite) {
            r.result.backupFile = written;
        }
    }

    void ReadPhase(std::size_t i) {
        Radio& r = radios_[i];
        r.control.cancelRequested = false;
        if (Stopped(i)) return;
        if (options_.keepIdentity) {
            Report(i, FleetStage::kReadingRadio, 0);
            const TransferResult read = ReadFromRadio(
                Link(i), r.own, StageProgress(i, FleetStage::kReadingRadio), r.control);
            if (EndedBy(i, read, "stopped while reading the radio; nothing was sent")) return;
            Backup(i, r.own, BackupKind::kRead);
            r.result.radioId = ImageRadioId(r.own);
            r.result.name = ImageRadioName(r.own);
            if (Stopped(i)) return;
        }
        if (!options_.copyCalibration) {
            Report(i, FleetStage::kReadingCalibration, 0);
            RadioImage calibration = document_;
            const TransferResult read = ReadSquelch(Link(i), calibration);
            if (!read.succeeded()) {
                End(i, FleetStage::kFailed,
                    "its squelch calibration could not be read, so nothing was sent: " +
                        OneLine(read.message));
                return;
            }
            CopySquelchCalibration(calibration, r.own);
        }
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
        std::string text = "two radios hold the same ID, so none was written: ";
        for (std::size_t k = 0; k < repeats.size(); ++k) text += (k ? "; " : "") + repeats[k];
        for (std::size_t i = 0; i < radios_.size(); ++i)
            if (!radios_[i].ended) End(i, FleetStage::kNotWritten, text);
    }

    void BuildImage(std::size_t i) {
        Radio& r = radios_[i];
        const FleetTarget& t = r.result.target;
        if (options_.keepIdentity) {
            CopyRadioIdentity(r.own, r.image);
            if (!options_.namePattern.empty()) {
                std::string name, note;
                if (FleetRadioName(options_.namePattern, t.number, r.result.radioId, name, note)) {
                    StoreRadioName(r.image, name);
                    r.result.name = name;
                    if (!note.empty()) r.result.notes.push_back(note);
                }
            }
        } else {
            if (!t.radioId.empty() || t.name) {
                StoreRadioIdentity(r.image, t.radioId.empty() ? ImageRadioId(r.image) : t.radioId,
                                   t.name.value_or(ImageRadioName(r.image)));
            }
            r.result.radioId = ImageRadioId(r.image);
            r.result.name = ImageRadioName(r.image);
        }
        if (!options_.copyCalibration) CopySquelchCalibration(r.own, r.image);
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
                    "its configuration has errors and was not sent: " + errors);
                return;
            }
            r.result.notes.push_back("written despite errors: " + errors);
        }
        Backup(i, r.image, BackupKind::kWrite);
        if (Stopped(i)) return;

        Report(i, FleetStage::kWriting, 0);
        bool blocksTaken = false;
        const TransferResult write = WriteToRadio(
            Link(i), r.image, StageProgress(i, FleetStage::kWriting, &blocksTaken), r.control);
        if (!write.succeeded()) r.result.partlyWritten = blocksTaken;
        if (EndedBy(i, write, "stopped before its configuration was sent")) return;
        if (options_.verify) {
            Report(i, FleetStage::kVerifying, 0);
            const TransferResult verify =
                VerifyRadio(Link(i), r.image, StageProgress(i, FleetStage::kVerifying), r.control);
            if (EndedBy(i, verify, msg::kVerifyStopped)) return;
        }
        End(i, FleetStage::kDone, {});
    }

    const RadioImage& document_;
    const FleetRunOptions& options_;
    const FleetProgressCallback& progress_;
    const std::atomic<bool>& cancel_;
    std::deque<Radio> radios_;  // a radio's control cannot move
    std::mutex progressMutex_;
    std::mutex backupMutex_;
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

std::string FleetLogCsv(const std::vector<FleetRadioResult>& results) {
    std::string out = CsvLine({"time", "port", "radio ID", "name", "result", "backup file"});
    for (const FleetRadioResult& r : results) {
        char when[32] = "";
        std::tm local{};
        if (localtime_r(&r.finishedAt, &local))
            std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
        out += CsvLine({when, r.target.port, r.radioId, r.name, FleetResultText(r), r.backupFile});
    }
    return out;
}

}  // namespace dpmr
