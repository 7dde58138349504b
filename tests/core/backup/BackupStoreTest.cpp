// The automatic backups on real files: names from the local time and the
// kind, no backup replacing another, the newest 100 kept and other files left
// alone, the list newest first, where the folder is, and every way a backup
// cannot be kept (no folder, a file in the way, a full disk) reported without
// leaving anything behind.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <time.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "backup/BackupStore.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kWhen = 1796592605;  // 2026-12-06 21:30:05 UTC

class BackupStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Names are local time: make it UTC for the test.
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    static RadioImage Image(std::uint8_t salt) {
        RadioImage image;
        for (std::size_t i = 0; i < RadioImage::kSize; ++i)
            image.SetU8(i, static_cast<std::uint8_t>(i * 3 + salt));
        return image;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::string Bytes(const RadioImage& image) {
        return {reinterpret_cast<const char*>(image.Data()), RadioImage::kSize};
    }
    std::vector<std::string> Names() const {
        std::vector<BackupEntry> entries;
        EXPECT_TRUE(store_.List(entries).ok());
        std::vector<std::string> names;
        for (const BackupEntry& e : entries) names.push_back(e.fileName);
        return names;
    }
    test::TempDir dir_;
    const std::string folder_ = dir_.File("state/dpmrcps/backups");
    BackupStore store_{folder_};
};

TEST_F(BackupStoreTest, NamesCarryTimeAndKindAndNeverReplaceAnother) {
    std::string written;
    ASSERT_TRUE(store_.Save(Image(1), BackupKind::kRead, kWhen, &written).ok());
    EXPECT_EQ(written, folder_ + "/2026-12-06_21-30-05_read.dat");
    EXPECT_EQ(Slurp(written), Bytes(Image(1)));
    EXPECT_EQ(fs::status(folder_).permissions() & fs::perms::all, fs::perms::owner_all);
    ASSERT_TRUE(store_.Save(Image(2), BackupKind::kRead, kWhen, &written).ok());
    EXPECT_EQ(written, folder_ + "/2026-12-06_21-30-05_read-2.dat");
    ASSERT_TRUE(store_.Save(Image(3), BackupKind::kRead, kWhen).ok());
    ASSERT_TRUE(store_.Save(Image(4), BackupKind::kWrite, kWhen + 1).ok());
    EXPECT_EQ(Slurp(folder_ + "/2026-12-06_21-30-05_read.dat"), Bytes(Image(1)));

    std::vector<BackupEntry> entries;
    ASSERT_TRUE(store_.List(entries).ok());
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].fileName, "2026-12-06_21-30-06_write.dat");
    EXPECT_EQ(entries[0].time, "2026-12-06 21:30:06");
    EXPECT_EQ(entries[0].kind, BackupKind::kWrite);
    EXPECT_EQ(entries[0].path, folder_ + "/2026-12-06_21-30-06_write.dat");
    EXPECT_EQ(entries[1].fileName, "2026-12-06_21-30-05_read-3.dat");
    EXPECT_EQ(entries[3].fileName, "2026-12-06_21-30-05_read.dat");
    EXPECT_EQ(entries[3].kind, BackupKind::kRead);
}

TEST_F(BackupStoreTest, KeepsTheNewestHundredAndLeavesOtherFilesAlone) {
    fs::create_directories(folder_);
    const std::vector<std::string> others = {"notes.txt", "2026-12-06_21-30-05_read.dat.bak",
                                             "2026-12-06_21-30-05_copy.dat",
                                             "2026-12-06_21-30-05_read-1.dat", "radio.dat"};
    for (const std::string& name : others) std::ofstream(folder_ + "/" + name) << "mine";
    // Kinds alternate; the oldest backups come first.
    for (int k = 0; k < 103; ++k)
        ASSERT_TRUE(store_
                        .Save(Image(static_cast<std::uint8_t>(k)),
                              k % 2 ? BackupKind::kWrite : BackupKind::kRead, kWhen + 60 * k)
                        .ok());
    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 100u);
    EXPECT_EQ(names.front(), "2026-12-06_23-12-05_read.dat");  // k = 102
    EXPECT_EQ(names.back(), "2026-12-06_21-33-05_write.dat");  // k = 3
    for (const char* gone : {"2026-12-06_21-30-05_read.dat", "2026-12-06_21-31-05_write.dat",
                             "2026-12-06_21-32-05_read.dat"})
        EXPECT_FALSE(fs::exists(folder_ + "/" + gone)) << gone;
    for (const std::string& name : others) EXPECT_EQ(Slurp(folder_ + "/" + name), "mine");
}

// A backup that cannot be kept says which and why, and leaves nothing.
TEST_F(BackupStoreTest, FailuresSayWhyAndLeaveNothingBehind) {
    std::ofstream(dir_.File("file")) << "x";
    fs::create_directories(dir_.File("full"));
    const struct {
        std::string folder;
        BackupKind kind;
        std::string message;
    } cases[] = {
        {"", BackupKind::kRead,
         "No backup of the read was kept: there is no home folder to keep it in."},
        {dir_.File("file"), BackupKind::kWrite,
         "No backup of the write was kept: \"" + dir_.File("file") + "\" is not a folder."},
        {dir_.File("file/backups"), BackupKind::kRead,
         "No backup of the read was kept: cannot make the folder \"" + dir_.File("file/backups") +
             "\": Not a directory."},
        {dir_.File("full"), BackupKind::kRead,
         "No backup of the read was kept: cannot write \"" + dir_.File("full") +
             "/2026-12-06_21-30-05_read.dat\": File too large."},
    };
    for (const auto& c : cases) {
        Status s = Status::Ok();
        {
            test::FileSizeLimit full(1000);  // only the last folder gets as far as writing
            s = BackupStore(c.folder).Save(Image(0), c.kind, kWhen);
        }
        EXPECT_EQ(s.message(), c.message);
    }
    EXPECT_TRUE(fs::is_empty(dir_.File("full")));
    EXPECT_EQ(Slurp(dir_.File("file")), "x");

    std::vector<BackupEntry> entries{{}};
    EXPECT_TRUE(BackupStore(dir_.File("missing")).List(entries).ok());
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(BackupStore(dir_.File("file")).List(entries).ok());
}

TEST_F(BackupStoreTest, FolderFollowsTheStateHome) {
    const char* saved[] = {std::getenv("XDG_STATE_HOME"), std::getenv("HOME")};
    const std::string keep[] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : ""};
    const struct {
        const char* state;
        const char* home;
        std::string folder;
    } cases[] = {
        {"/srv/state", "/home/ann", "/srv/state/dpmrcps/backups/"},
        {"relative/state", "/home/ann", "/home/ann/.local/state/dpmrcps/backups/"},
        {nullptr, "/home/ann", "/home/ann/.local/state/dpmrcps/backups/"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        c.state ? ::setenv("XDG_STATE_HOME", c.state, 1) : ::unsetenv("XDG_STATE_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(DefaultBackupFolder(), c.folder);
    }
    saved[0] ? ::setenv("XDG_STATE_HOME", keep[0].c_str(), 1) : ::unsetenv("XDG_STATE_HOME");
    saved[1] ? ::setenv("HOME", keep[1].c_str(), 1) : ::unsetenv("HOME");
}

}  // namespace
}  // namespace dpmr
