// The Write of a document (calibration, backup, write, read-back, failed
// mark) and the Read with its backup.
#include "link/WriteSequence.h"

#include "link/ServiceTransfers.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

// A transfer's blocks reported as `stage`; `taken` is set once the radio
// has taken one.
ProgressCallback StageBlocks(const WriteProgress& progress, WriteStage stage,
                             bool* taken = nullptr) {
    return [&progress, stage, taken](int done, int total) {
        if (taken && done > 0) *taken = true;
        if (progress) progress(stage, done, total);
    };
}

}  // namespace

WriteOutcome WriteDocument(const LinkSettings& link, const RadioImage& document,
                           const WriteOptions& options, BackupSink& backup,
                           const WriteProgress& progress, TransferControl& control) {
    WriteOutcome out;
    const int blocks = static_cast<int>(SplitIntoBlocks(ProgramRanges()).size());
    // Reports the stage's start; false when a stop was asked for by then.
    const auto begin = [&](WriteStage stage, int total) {
        out.stage = stage;
        if (progress) progress(stage, 0, total);
        return !control.cancelRequested;
    };
    // Stopped before anything was sent.
    const auto stopped = [&out] {
        out.result = TransferResult::Cancelled();
        return out;
    };
    RadioImage sent = document;
    if (options.keepCalibration) {
        if (!begin(WriteStage::kCalibration, 1)) return stopped();
        RadioImage radio = document;
        out.result = ReadSquelch(link, radio);
        if (!out.result.succeeded()) return out;
        CopySquelchCalibration(radio, sent);
    }
    if (!begin(WriteStage::kWriting, blocks)) return stopped();
    if (Status s = backup.Save(sent, BackupKind::kWrite, &out.backupPath); !s)
        out.backupMessage = s.message();
    bool taken = false;
    out.result =
        WriteToRadio(link, sent, StageBlocks(progress, WriteStage::kWriting, &taken), control);
    out.partlyWritten = !out.result.succeeded() && taken;
    if (out.result.succeeded() && options.verify) {
        out.result =
            begin(WriteStage::kVerifying, blocks)
                ? VerifyRadio(link, sent, StageBlocks(progress, WriteStage::kVerifying), control)
                : TransferResult::Cancelled(Tr("link", msg::kVerifyStopped));
    }
    // The copy kept is not what the radio holds: the list of backups says so.
    if (!out.result.succeeded() && !out.backupPath.empty()) {
        std::string renamed;
        if (Status s = backup.MarkFailed(out.backupPath, &renamed); s)
            out.backupPath = renamed;
        else
            out.backupMessage = s.message();
    }
    return out;
}

ReadOutcome ReadDocument(const LinkSettings& link, RadioImage& staging, BackupSink& backup,
                         const ProgressCallback& progress, TransferControl& control) {
    ReadOutcome out;
    out.result = ReadFromRadio(link, staging, progress, control);
    if (!out.result.succeeded()) return out;
    if (Status s = backup.Save(staging, BackupKind::kRead, &out.backupPath); !s)
        out.backupMessage = s.message();
    return out;
}

}  // namespace dpmr
