// dpmrtool's safety net, run as the built program against the virtual radio:
// the backups of read and write (what the sequence keeps is WriteSequenceTest's;
// here that the commands keep and list them), `backups`, `write --verify` and
// --keep-calibration, a write refused for errors unless --force, and `check`.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <tuple>

#include "ProjectPaths.h"
#include "backup/BackupStore.h"
#include "codec/FrequencyCodec.h"
#include "core/link/LinkTestSupport.h"
#include "document/NewDocument.h"
#include "form/DtmfSymbols.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"

namespace dpmr::test {
namespace {

namespace fs = std::filesystem;

// Defaults, a radio name and ID, and channel 1 at `rx` (tens of Hz).
RadioImage Codeplug(const std::string& name, std::int64_t rx = 44600625) {
    RadioImage image;
    StoreBuiltInDefaults(image, BandLimits{});
    image.SetText(0x3F88, 8, name);
    WriteDtmfSymbols(image, 0x388, 7, "1234567");
    SetBcdFrequency(image, channel::RecordOffset(1), rx);
    SetBcdFrequency(image, channel::RecordOffset(1) + channel::kTxFreq, rx);
    return image;
}

class DpmrtoolSafety : public ::testing::Test {
  protected:
    int Tool(std::vector<std::string> args) { return ToolProcess(args, dir_.path()).Wait(); }
    std::string Out() const { return FileText(dir_.File("tool.out")); }
    std::string Err() const { return FileText(dir_.File("tool.err")); }
    std::vector<BackupEntry> Backups() const {
        std::vector<BackupEntry> entries;
        EXPECT_TRUE(BackupStore(folder_).List(entries).ok());
        return entries;
    }
    std::string Bytes(const RadioImage& image) const {
        return {reinterpret_cast<const char*>(image.Data()), RadioImage::kSize};
    }
    TempDir dir_;
    const std::string folder_ = dir_.File("state/dpmrcps/backups/");
    std::unique_ptr<VirtualRadio> radio_ = StartRadio();
    const std::string port_ = radio_->DevicePath();
    const std::string file_ = dir_.File("radio.dat");
    const std::string out_ = dir_.File("out.dat");
};

TEST_F(DpmrtoolSafety, ReadAndWriteKeepBackupsThatBackupsLists) {
    RadioImage memory = Codeplug("Unit 7");
    memory.SetU8(layout::kSquelchValues, 77);  // the radio's own calibration
    radio_->SetMemory(memory);
    ASSERT_EQ(Tool({"read", "--port", port_, "-o", out_}), 0) << Err();
    std::vector<BackupEntry> backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].kind, BackupKind::kRead);
    EXPECT_EQ(FileText(backups[0].path), FileText(out_));

    // A write to a radio from a shell that keeps a byte wrongly, as the
    // README shows it (the address in hex), fails its verify naming the
    // setting, status 1, and is listed as failed; a good one as a write:
    // what the radio got, its own calibration kept. Bytes of the name that
    // would upset a terminal are listed as "?".
    RadioImage sent = Codeplug("U ~\x1F\x7F\x80");
    sent.FillFF(0x388, 7);  // no radio ID
    ASSERT_TRUE(SaveImageFile(file_, sent).ok());
    TempDir simDir;
    ToolProcess sim({"sim", "--corrupt-byte", "0x0105"}, simDir.path());
    std::string port;
    ASSERT_TRUE(Eventually([&] {
        port = FileText(simDir.File("tool.out"));
        return !port.empty() && port.back() == '\n';
    }));
    port.pop_back();
    EXPECT_EQ(Tool({"write", "--port", port, "--verify", file_}), 1);
    EXPECT_EQ(Out(), "");
    // The last line names the write's trace, by the time it was made.
    EXPECT_EQ(Err().substr(0, Err().rfind("Wire trace: ")),
              "Verify failed\nthe radio holds other values for channel 1 Tx freq (MHz).\nWrite "
              "again before using the radio.\n");
    ::kill(sim.pid, SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);
    ASSERT_EQ(Tool({"write", "--keep-calibration", "--verify", "--port", port_, file_}), 0)
        << Err();
    EXPECT_EQ(Out(),
              "Written and verified, except the 24-byte closing block, which the radio does not "
              "send back\n");
    backups = Backups();
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(backups[0].kind, BackupKind::kWrite);
    EXPECT_EQ(backups[1].kind, BackupKind::kFailedWrite);
    RadioImage kept;
    ASSERT_TRUE(LoadImageFile(backups[0].path, kept).ok());
    EXPECT_EQ(kept.U8(layout::kSquelchValues), 77);
    EXPECT_TRUE(DifferingAddresses(kept, radio_->Memory()).empty());

    ASSERT_EQ(Tool({"backups"}), 0) << Err();
    EXPECT_EQ(Out(), backups[0].time + "  write         U ~???             " + backups[0].path +
                         "\n" + backups[1].time + "  write-failed  U ~???             " +
                         backups[1].path + "\n" + backups[2].time +
                         "  read          Unit 7    1234567  " + backups[2].path + "\n");
}

// SIGTERM (a shutdown, `kill`) and SIGHUP (a logout, a closed terminal)
// during a write are taken as Ctrl+C is: the write stops between blocks, the
// radio gets its end frame, the user is told it holds a partly written
// configuration, the backup is listed as a failed write, and the exit status
// is the signal's.
TEST_F(DpmrtoolSafety, TermAndHupStopAWriteBetweenBlocksAndMarkItsBackup) {
    ASSERT_TRUE(SaveImageFile(file_, Codeplug("Unit 7")).ok());
    for (const int signo : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signo);
        auto radio = StartRadio({.paceBaud = 9600});  // a full write takes 20 s
        ToolProcess tool({"write", "--port", radio->DevicePath(), file_}, dir_.path());
        ASSERT_TRUE(Eventually([&] { return Requested(*radio, 0x0200); }));
        ::kill(tool.pid, signo);
        EXPECT_EQ(tool.Wait(), 128 + signo);
        EXPECT_EQ(Err().substr(0, Err().rfind("Wire trace: ")),
                  std::string(msg::kPartlyWritten) + "\n");
        EXPECT_TRUE(SessionsCompleted(*radio, 1));
        ExpectEndFrame(*radio, kEndW);
        const std::vector<BackupEntry> backups = Backups();
        ASSERT_FALSE(backups.empty());
        EXPECT_EQ(backups[0].kind, BackupKind::kFailedWrite);
        for (const BackupEntry& b : backups) fs::remove(b.path);
    }
}

TEST_F(DpmrtoolSafety, WriteRefusesErrorsUnlessForcedAndShowsWarnings) {
    ASSERT_TRUE(SaveImageFile(file_, Codeplug("Unit 7", 48000000)).ok());
    const std::string error =
        "error: Channel 1: Rx 480.000000 MHz is outside the band 400-470 MHz\n"
        "error: Channel 1: Tx 480.000000 MHz is outside the band 400-470 MHz\n";
    EXPECT_EQ(Tool({"write", "--port", port_, file_}), 2);
    EXPECT_EQ(Err(), error + "dpmrtool: " + file_ +
                         " has errors and was not written (--force writes it anyway)\n");
    EXPECT_TRUE(radio_->Traffic().empty());
    EXPECT_TRUE(Backups().empty());

    EXPECT_EQ(Tool({"write", "--force", "--port", port_, file_}), 0);
    EXPECT_EQ(Err(), error);
    EXPECT_EQ(radio_->Memory().Bcd4(0x0100), 48000000u);

    ASSERT_TRUE(SaveImageFile(file_, Codeplug("")).ok());
    EXPECT_EQ(Tool({"write", "--port", port_, file_}), 0);
    EXPECT_EQ(Err(), "warning: The dPMR radio name is empty\n");
}

// `check` lists the problems as `write` lists them and says 0 for a file
// without errors (warnings are settings that work), 1 for errors, and with
// --strict 1 for warnings too; 2 for a file it cannot read.
TEST_F(DpmrtoolSafety, CheckListsProblemsWithItsExitStatus) {
    ASSERT_TRUE(SaveImageFile(dir_.File("clean.dat"), Codeplug("Unit 7")).ok());
    ASSERT_TRUE(SaveImageFile(dir_.File("unnamed.dat"), Codeplug("")).ok());
    ASSERT_TRUE(SaveImageFile(dir_.File("outside.dat"), Codeplug("Unit 7", 48000000)).ok());
    std::ofstream(dir_.File("short.dat")) << "short";
    const std::string outside =
        "error: Channel 1: Rx 480.000000 MHz is outside the band 400-470 MHz\n"
        "error: Channel 1: Tx 480.000000 MHz is outside the band 400-470 MHz\n";
    const std::tuple<const char*, const char*, int, std::string> rows[] = {
        {"clean.dat", "", 0, "No problems found.\n"},
        {"clean.dat", "--strict", 0, "No problems found.\n"},
        {"unnamed.dat", "", 0, "warning: The dPMR radio name is empty\n"},
        {"unnamed.dat", "--strict", 1, "warning: The dPMR radio name is empty\n"},
        {"outside.dat", "", 1, outside},
        {"outside.dat", "--strict", 1, outside},
    };
    for (const auto& [file, option, status, out] : rows) {
        std::vector<std::string> args{"check", dir_.File(file)};
        if (*option) args.insert(args.begin() + 1, option);
        EXPECT_EQ(Tool(args), status) << file << " " << option;
        EXPECT_EQ(Out(), out);
    }
    EXPECT_EQ(Tool({"check", dir_.File("short.dat")}), 2);
    // The demo codeplug a fresh `make run` shows is clean.
    EXPECT_EQ(Tool({"check", "--strict", SourceDir() + "/res/pmr446-demo.dat"}), 0);
    EXPECT_EQ(Out(), "No problems found.\n");
}

// A file where the backup folder belongs: `backups` says so, and a read
// says that it kept no backup and goes on.
TEST_F(DpmrtoolSafety, BackupsWithNoneOrAnUnreadableFolder) {
    EXPECT_EQ(Tool({"backups"}), 0);
    EXPECT_EQ(Err(), "No backups in " + folder_ + "\n");
    fs::create_directories(dir_.File("state/dpmrcps"));
    std::ofstream(dir_.File("state/dpmrcps/backups")) << "in the way";
    EXPECT_EQ(Tool({"backups"}), 2);
    EXPECT_EQ(Err(),
              "dpmrtool: Cannot read the backup folder \"" + folder_ + "\": Not a directory.\n");
    radio_->SetMemory(Codeplug("Unit 7"));
    ASSERT_EQ(Tool({"read", "--port", port_, "-o", out_}), 0);
    EXPECT_EQ(Err(), "dpmrtool: No backup of the read was kept: \"" +
                         dir_.File("state/dpmrcps/backups") + "\" is not a folder.\n");
    EXPECT_EQ(FileText(out_).size(), RadioImage::kSize);
}

}  // namespace
}  // namespace dpmr::test
