// FleetWrite: one configuration written to several radios at once, one worker
// thread per port, each running the ordinary transfer engine on its own port.
// Every radio gets its own image: the document with that radio's identity
// (FleetPlan) and, unless the user opts out, its own factory squelch
// calibration, read from it first and written back unchanged. Each radio's
// image is checked before it is written, backed up (what was read and what is
// sent), and read back when asked. A failure on one port never stops the
// others; a stop request stops every transfer and the results name the
// radios that may now hold a partly written configuration.
#pragma once

#include <atomic>
#include <ctime>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "check/WriteCheck.h"
#include "fleet/FleetHistory.h"
#include "fleet/FleetPlan.h"
#include "image/RadioImage.h"
#include "util/Translation.h"

namespace dpmr {

// What one radio is doing, as its progress line shows it.
enum class FleetStage {
    kWaiting,
    kReadingRadio,        // keeping its identity: the whole configuration
    kReadingCalibration,  // its squelch calibration
    kWriting,
    kVerifying,
    kDone,
    kFailed,
    kCancelled,
    kNotWritten,  // refused before its write started (a repeated identity)
};

// "waiting", "reading the radio", "reading its calibration", "writing",
// "verifying", "done", "failed", "cancelled", "not written".
const char* FleetStageText(FleetStage stage);

struct FleetRunOptions {
    std::int32_t baudRate = 9600;
    // The options the targets were planned with. Keeping identities, each
    // radio is read first and written back with its own ID and name (a name
    // pattern, when given, still names it from its own ID).
    FleetIdentityOptions identity{};
    bool verify = false;
    // Write the document's squelch calibration into every radio instead of
    // each radio's own (the user's deliberate choice).
    bool copyCalibration = false;
    // Write an image that has errors in the check before writing.
    bool force = false;
    // Where the backups go; empty: none are kept (each radio's notes say so).
    std::string backupFolder{};
    // The radios the backups know (LoadWrittenRadios): once every radio's
    // calibration is read and before any is written, an ID that they show
    // on another radio is a warning (IdOnAnotherRadio).
    std::vector<WrittenRadio> history{};
    // Asked once with those warnings (from the thread that runs the fleet);
    // false: no radio is written. None given: the warnings go into the
    // radios' notes and the run goes on.
    std::function<bool(const std::vector<std::string>& warnings)> confirm{};
};

// One radio's progress: its index in the targets, stage and percentage of
// the stage (0 to 100).
struct FleetProgress {
    std::size_t index = 0;
    FleetStage stage = FleetStage::kWaiting;
    int percent = 0;
};

struct FleetRadioResult {
    FleetTarget target;
    std::string radioId;  // what the radio got (or holds, when not written)
    std::string name;
    FleetStage outcome = FleetStage::kWaiting;  // kDone, kFailed, kCancelled or kNotWritten
    // The reason, for every outcome but kDone; for kDone after a read-back,
    // what the verify compared.
    std::string message;
    // The write had begun and did not complete: the radio may hold a partly
    // written configuration.
    bool partlyWritten = false;
    double seconds = 0;
    std::time_t finishedAt = 0;
    std::string backupFile;  // the backup of what was sent (empty: none kept)
    // The radio's own squelch calibration as read from it (empty: not read)
    // and the identity block of its last session (empty: none opened).
    std::vector<std::uint8_t> calibration;
    std::vector<std::uint8_t> identityBlock;
    // The read-back: "verified", "differs", "broke off", "stopped", "not
    // run" (the write did not complete) or "not asked".
    std::string verify = DPMR_TR_NOOP("fleet", "not asked");
    // What the user should know besides: the check's warnings, a backup that
    // could not be kept, a name cut to 8 characters.
    std::vector<std::string> notes;

    bool succeeded() const { return outcome == FleetStage::kDone; }
};

// Called from the workers (never two calls at a time).
using FleetProgressCallback = std::function<void(const FleetProgress&)>;

// Runs the fleet write and returns one result per target, in order. Blocks
// until every worker has ended. `cancel` may be set from any thread or a
// signal handler: every transfer stops after its block in progress.
std::vector<FleetRadioResult> RunFleet(const RadioImage& document,
                                       const std::vector<FleetTarget>& targets,
                                       const FleetRunOptions& options,
                                       const FleetProgressCallback& progress,
                                       const std::atomic<bool>& cancel);

// The check of what the first radio gets (the document with that radio's
// identity): what the user is told once, before anything is sent.
std::vector<WriteProblem> CheckFirstRadio(const RadioImage& document,
                                          const std::vector<FleetTarget>& targets);

// The notes of `result` the user has not been told yet: those not among
// `shown` (such as the lines of CheckFirstRadio).
std::vector<std::string> UnshownNotes(const FleetRadioResult& result,
                                      const std::set<std::string>& shown);

// A retry's results in place of the earlier results of the radios it ran
// (the same port); a radio not run before is added at the end.
void MergeRetryResults(std::vector<FleetRadioResult>& results,
                       const std::vector<FleetRadioResult>& retried);

// The result's words for a table or a log: "done" (with what the verify
// compared when the radio was read back), or the outcome and its reason on
// one line ("failed: Communication error: no answer ...").
std::string FleetResultText(const FleetRadioResult& result);

// The ports of the results that may hold a partly written configuration.
std::vector<std::string> PartlyWrittenPorts(const std::vector<FleetRadioResult>& results);

// What tells the radio apart, as the job report gives it: "squelch
// 1a2b3c4d, block 0f1e2d3c" (the CRC-32 of its calibration and of its
// identity block), the parts it has; empty when neither was read.
std::string RadioMarks(const FleetRadioResult& result);

}  // namespace dpmr
