// WriteSequence: the one Write of a document into a radio, as the desktop
// Write dialog, `dpmrtool write` and every radio of a fleet run it: the
// radio's own squelch calibration read first when it is kept, a backup of
// exactly what is sent before the first byte goes out, the write, the
// read-back when asked, and the backup marked as a failed write whenever the
// write did not end well. And the matching Read, which keeps a backup of
// what the radio sent. Plain blocking code for whatever thread calls it.
#pragma once

#include <functional>
#include <string>

#include "backup/BackupSink.h"
#include "image/RadioImage.h"
#include "link/ProgramTransfer.h"
#include "link/TransferResult.h"

namespace dpmr {

struct WriteOptions {
    // Read the radio's squelch calibration first and send it back unchanged
    // instead of the document's (set at the factory for another radio).
    bool keepCalibration = false;
    // Read the radio back after the write and compare.
    bool verify = false;
};

// The stages of a Write, in order.
enum class WriteStage { kCalibration, kWriting, kVerifying };

// Called as each stage starts (0 blocks done) and after each block of the
// write and the read-back. The calibration read has no blocks: it is
// reported once, as it starts (0 of 1).
using WriteProgress = std::function<void(WriteStage stage, int blocksDone, int totalBlocks)>;

struct WriteOutcome {
    TransferResult result;
    // The stage that ended it: the one that failed or was stopped, else the
    // last one run.
    WriteStage stage = WriteStage::kCalibration;
    // The radio took blocks and the write did not complete: it may hold a
    // partly written configuration.
    bool partlyWritten = false;
    // The backup of what was sent ("..._write-failed.dat" once marked);
    // empty when none was kept.
    std::string backupPath;
    // Why no backup was kept, or why it could not be marked as a failed
    // write; empty when all went well. The transfer goes on without one.
    std::string backupMessage;
};

// Writes `document` into the radio. A stop asked for before the write
// begins sends nothing and keeps no backup; a calibration read that fails
// sends nothing either.
WriteOutcome WriteDocument(const LinkSettings& link, const RadioImage& document,
                           const WriteOptions& options, BackupSink& backup,
                           const WriteProgress& progress, TransferControl& control);

struct ReadOutcome {
    TransferResult result;
    std::string backupPath;     // the backup of what was read; empty when none was kept
    std::string backupMessage;  // why none was kept
};

// Reads the radio into `staging` (ReadFromRadio: changed only when the whole
// read succeeded) and then keeps a backup of it.
ReadOutcome ReadDocument(const LinkSettings& link, RadioImage& staging, BackupSink& backup,
                         const ProgressCallback& progress, TransferControl& control);

}  // namespace dpmr
