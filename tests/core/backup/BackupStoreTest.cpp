// The automatic backups on real files: names from the local time and the
// kind, no backup replacing another, the newest 100 kept and other files left
// alone, the list newest first, and every way a backup
// cannot be kept (no folder, a file in the way, a full disk) reported without
// leaving anything behind.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <time.h>
#include <filesystem>
#include <fstream>

#include "backup/BackupStore.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kWhen = 1796592605;  // 2026-12-06 21:30:05 UTC

RadioImage Image(std::uint8_t salt) {
    RadioImage image;
    image.SetU8(0x1000, salt);
    return image;
}

class BackupStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Names are local time: make it UTC for the test.
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    std::vector<BackupEntry> List() const {
        std::vector<BackupEntry> entries;
        EXPECT_TRUE(store_.List(entries).ok());
        return entries;
    }
    test::TempDir dir_;
    const std::string folder_ = dir_.File("state/dpmrcps/backups");
    BackupStore store_{folder_};
};

// Two backups in the same second both stay: the second gets "-2".
TEST_F(BackupStoreTest, NamesCarryTimeAndKindAndNeverReplaceAnother) {
    std::string written;
    ASSERT_TRUE(store_.Save(Image(1), BackupKind::kRead, kWhen, &written).ok());
    EXPECT_EQ(written, folder_ + "/2026-12-06_21-30-05_read.dat");
    EXPECT_EQ(test::FileText(written),
              std::string(reinterpret_cast<const char*>(Image(1).Data()), RadioImage::kSize));
    EXPECT_EQ(fs::status(folder_).permissions() & fs::perms::all, fs::perms::owner_all);
    ASSERT_TRUE(store_.Save(Image(2), BackupKind::kRead, kWhen, &written).ok());
    EXPECT_EQ(written, folder_ + "/2026-12-06_21-30-05_read-2.dat");
    ASSERT_TRUE(store_.Save(Image(4), BackupKind::kWrite, kWhen + 1).ok());
    EXPECT_EQ(test::FileText(folder_ + "/2026-12-06_21-30-05_read.dat")[0x1000], 1);

    const std::vector<BackupEntry> entries = List();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].fileName, "2026-12-06_21-30-06_write.dat");
    EXPECT_EQ(entries[0].time, "2026-12-06 21:30:06");
    EXPECT_EQ(entries[1].fileName, "2026-12-06_21-30-05_read-2.dat");
}

// A write that did not end well is marked as failed under the same time,
// never replacing another file, and lists as such; only write backups are
// marked.
TEST_F(BackupStoreTest, AFailedWriteIsMarkedAndListedAsSuch) {
    std::string first, second, read, marked;
    ASSERT_TRUE(store_.Save(Image(1), BackupKind::kWrite, kWhen, &first).ok());
    ASSERT_TRUE(store_.Save(Image(2), BackupKind::kWrite, kWhen, &second).ok());
    ASSERT_TRUE(store_.Save(Image(3), BackupKind::kRead, kWhen + 1, &read).ok());
    ASSERT_TRUE(store_.MarkFailed(first, &marked).ok());
    EXPECT_EQ(marked, folder_ + "/2026-12-06_21-30-05_write-failed.dat");
    ASSERT_TRUE(store_.MarkFailed(second, &marked).ok());
    EXPECT_EQ(marked, folder_ + "/2026-12-06_21-30-05_write-failed-2.dat");
    EXPECT_EQ(test::FileText(marked)[0x1000], 2);
    EXPECT_FALSE(fs::exists(first) || fs::exists(second));
    EXPECT_EQ(store_.MarkFailed(read).message(),
              "The backup \"" + read +
                  "\" could not be marked as a failed write: it is no "
                  "write backup.");
    EXPECT_FALSE(store_.MarkFailed(first).ok());  // gone already

    const std::vector<BackupEntry> entries = List();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].kind, BackupKind::kRead);
    EXPECT_EQ(entries[1].kind, BackupKind::kFailedWrite);
    EXPECT_EQ(entries[1].fileName, "2026-12-06_21-30-05_write-failed-2.dat");
    EXPECT_EQ(entries[2].kind, BackupKind::kFailedWrite);
    EXPECT_STREQ(BackupKindName(BackupKind::kFailedWrite), "write-failed");
}

// Only backups count towards the 100: the user's own files in the folder,
// even those named like one, are never deleted.
TEST_F(BackupStoreTest, KeepsTheNewestHundredAndLeavesOtherFilesAlone) {
    fs::create_directories(folder_);
    const std::vector<std::string> others = {"notes.txt", "2026-12-06_21-30-05_read.dat.bak",
                                             "2026-12-06_21-30-05_copy.dat",
                                             "2026-12-06_21-30-05_read-1.dat"};
    for (const std::string& name : others) std::ofstream(folder_ + "/" + name) << "mine";
    for (int k = 0; k < 102; ++k)  // the oldest first, kinds alternating
        ASSERT_TRUE(
            store_.Save(Image(1), k % 2 ? BackupKind::kWrite : BackupKind::kRead, kWhen + 60 * k)
                .ok());
    const std::vector<BackupEntry> entries = List();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries.front().fileName, "2026-12-06_23-11-05_write.dat");  // k = 101
    EXPECT_EQ(entries.back().fileName, "2026-12-06_21-32-05_read.dat");    // k = 2
    for (const std::string& name : others) EXPECT_EQ(test::FileText(folder_ + "/" + name), "mine");
}

// A backup that cannot be kept says which and why, and leaves nothing.
TEST_F(BackupStoreTest, FailuresSayWhyAndLeaveNothingBehind) {
    std::ofstream(dir_.File("file")) << "x";
    fs::create_directories(dir_.File("full"));
    const std::string no = "No backup of the ";
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"", no + "read was kept: there is no home folder to keep it in."},
        {dir_.File("file"), no + "write was kept: \"" + dir_.File("file") + "\" is not a folder."},
        {dir_.File("file/backups"), no + "read was kept: cannot make the folder \"" + dir_.File("file/backups") + "\": Not a directory."},
        {dir_.File("full"), no + "read was kept: cannot write \"" + dir_.File("full") + "/2026-12-06_21-30-05_read.dat\": File too large."},
    };
    // clang-format on
    for (const auto& [folder, message] : cases) {
        const BackupKind kind =
            folder == dir_.File("file") ? BackupKind::kWrite : BackupKind::kRead;
        Status s = Status::Ok();
        {
            test::FileSizeLimit full(1000);  // only the last folder gets as far as writing
            s = BackupStore(folder).Save(Image(0), kind, kWhen);
        }
        EXPECT_EQ(s.message(), message);
    }
    EXPECT_TRUE(fs::is_empty(dir_.File("full")));
    EXPECT_EQ(test::FileText(dir_.File("file")), "x");

    std::vector<BackupEntry> entries{{}};
    EXPECT_TRUE(BackupStore(dir_.File("missing")).List(entries).ok() && entries.empty());
    EXPECT_FALSE(BackupStore(dir_.File("file")).List(entries).ok());  // a failure, not "none"
}

}  // namespace
}  // namespace dpmr
