// The one Write of a document against the virtual radio over a real
// pseudo-terminal: every way it ends, each with the backup it leaves (what
// was sent, marked failed or not) and whether the radio is partly written;
// the radio's calibration kept and the stages reported; the Read with its
// backup; a backup that cannot be kept or marked.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/link/LinkTestSupport.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "link/WriteSequence.h"
#include "support/TempDir.h"

namespace dpmr::test {
namespace {

using enum WriteStage;

// The backups in `folder`, newest first.
std::vector<BackupEntry> Backups(const std::string& folder) {
    std::vector<BackupEntry> entries;
    EXPECT_TRUE(BackupStore(folder).List(entries).ok());
    return entries;
}

struct WriteCase {
    const char* what;
    WriteOptions options;
    VirtualRadioFaults faults;
    // A stop asked for when this stage reports this many blocks done.
    std::optional<std::pair<WriteStage, int>> stopAt;
    TransferOutcome outcome;
    std::string message;  // how the message starts
    WriteStage stage;
    // The stages reported: C, W, V as each starts, "." after its last block.
    std::string stages;
    bool partly;
    std::optional<BackupKind> backup;  // none: no backup kept
    bool noPort = false;               // a port that does not exist
};

TEST(WriteSequence, EachEndingWithItsBackup) {
    const std::string partly = msg::kPartlyWritten;
    const std::string brokeOff = "Communication error\nthe transfer broke off at address 0x";
    using enum TransferOutcome;
    constexpr auto kKept = BackupKind::kWrite;
    constexpr auto kMarked = BackupKind::kFailedWrite;
    constexpr WriteOptions kVerify{.verify = true}, kOwn{.keepCalibration = true};
    // clang-format off
    const WriteCase cases[] = {
        {"written", {}, {}, {}, kSucceeded, "", kWriting, "W.", false, kKept},
        {"own calibration, verified", {true, true}, {}, {}, kSucceeded, msg::kWriteVerified, kVerifying, "CW.V.", false, kKept},
        {"verify failed", kVerify, {.corruptByteAt = 0x0105}, {}, kFailed,
         "Verify failed\nthe radio holds other values for ", kVerifying, "W.V.", false, kMarked},
        {"broke off", {}, {.nakWriteAt = 0x1000}, {}, kFailed, brokeOff + "1000\n" + partly, kWriting, "W", true, kMarked},
        {"first block refused", {}, {.nakWriteAt = 0x0100}, {}, kFailed, brokeOff + "0100", kWriting, "W", false, kMarked},
        {"never reached the radio", {}, {}, {}, kFailed, "Cound not open the port.\n", kWriting, "W", false, kMarked, true},
        {"stopped", {}, {}, {{kWriting, 10}}, kCancelled, partly, kWriting, "W", true, kMarked},
        {"stopped before the read-back", kVerify, {}, {{kVerifying, 0}}, kCancelled, msg::kVerifyStopped, kVerifying, "W.V", false, kMarked},
        {"stopped in the read-back", kVerify, {}, {{kVerifying, 10}}, kCancelled, msg::kVerifyStopped, kVerifying, "W.V", false, kMarked},
        {"stopped before anything was sent", kOwn, {}, {{kCalibration, 0}}, kCancelled, "", kCalibration, "C", false, std::nullopt},
        {"calibration read failed", kOwn, {.silent = true}, {}, kFailed, "Communication error\n", kCalibration, "C", false, std::nullopt},
    };
    // clang-format on
    const RadioImage document = PatternImage(150);
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        const RadioImage before = PatternImage(21);
        auto radio = StartRadio({.faults = c.faults});
        radio->SetMemory(before);
        TempDir dir;
        BackupSink sink(dir.File("backups"));
        TransferControl control;
        std::string stages;
        const WriteOutcome out = WriteDocument(
            {c.noPort ? dir.File("no-port") : radio->DevicePath(), 9600}, document, c.options, sink,
            [&](WriteStage stage, int done, int total) {
                if (done == 0) stages += "CWV"[static_cast<int>(stage)];
                if (done > 0 && done == total) stages += '.';
                if (c.stopAt && c.stopAt->first == stage && c.stopAt->second == done)
                    control.cancelRequested = true;
            },
            control);
        EXPECT_EQ(out.result.outcome, c.outcome);
        EXPECT_EQ(out.result.message.rfind(c.message, 0), 0u) << out.result.message;
        EXPECT_EQ(out.stage, c.stage);
        EXPECT_EQ(stages, c.stages);
        EXPECT_EQ(out.partlyWritten, c.partly);
        EXPECT_EQ(out.backupMessage, "");
        const std::vector<BackupEntry> backups = Backups(dir.File("backups"));
        ASSERT_EQ(backups.size(), c.backup ? 1u : 0u);
        EXPECT_EQ(out.backupPath, c.backup ? backups[0].path : "");
        if (!c.backup) {
            EXPECT_EQ(radio->Memory(), before);  // nothing was sent
            continue;
        }
        EXPECT_EQ(backups[0].kind, *c.backup);
        // The backup is what was sent: the document, with the radio's own
        // calibration (squelch values and noise thresholds) when it was kept.
        RadioImage sent = document;
        for (std::size_t a = 0x3E00; a < 0x3E3E && c.options.keepCalibration; ++a)
            if (a <= 0x3E10 || a >= 0x3E3A) sent.SetU8(a, before.U8(a));
        RadioImage kept;
        ASSERT_TRUE(LoadImageFile(backups[0].path, kept).ok());
        EXPECT_EQ(kept, sent);
        if (c.outcome == kSucceeded) {
            EXPECT_TRUE(DifferingAddresses(kept, radio->Memory()).empty());
        }
    }
}

// A backup that cannot be kept, or marked failed, is said and the transfer
// goes on. The Read keeps a backup of what the radio sent, none when it
// failed.
TEST(WriteSequence, BackupsThatCannotBeKeptAndTheRead) {
    auto radio = StartRadio();
    const LinkSettings link{radio->DevicePath(), 9600};
    TransferControl control;
    BackupSink none("");
    WriteOutcome out = WriteDocument(link, PatternImage(150), {}, none, {}, control);
    EXPECT_TRUE(out.result.succeeded());
    EXPECT_EQ(out.backupMessage,
              "No backup of the write was kept: there is no home folder to keep it in.");
    TempDir dir;
    BackupSink sink(dir.File("backups"));
    radio->SetFaults({.nakWriteAt = 0x1000});
    const auto removeBackup = [&](WriteStage, int done, int) {
        if (done == 1) std::filesystem::remove(Backups(dir.File("backups")).at(0).path);
    };
    out = WriteDocument(link, PatternImage(150), {}, sink, removeBackup, control);
    EXPECT_EQ(
        out.backupMessage.rfind("The backup \"" + out.backupPath + "\" could not be marked", 0), 0u)
        << out.backupMessage;

    for (const bool fails : {true, false}) {
        radio->SetFaults(
            {.nakReadAt = fails ? std::optional<std::uint16_t>(0x3000) : std::nullopt});
        RadioImage staging = PatternImage(5);
        const ReadOutcome read = ReadDocument(link, staging, sink, {}, control);
        EXPECT_EQ(read.result.succeeded(), !fails);
        EXPECT_EQ(Backups(dir.File("backups")).size(), fails ? 0u : 1u);
        if (fails) continue;
        RadioImage kept;
        ASSERT_TRUE(LoadImageFile(read.backupPath, kept).ok());
        EXPECT_EQ(kept, staging);
    }
}

}  // namespace
}  // namespace dpmr::test
