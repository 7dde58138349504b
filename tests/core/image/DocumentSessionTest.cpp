// The document's session on real files: what counts as a change made on disk
// by someone else (the content, not the time), keeping one's own document
// over it, and the name of a new document, such as one read from a radio.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "image/Document.h"
#include "image/DocumentSession.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;

TEST(DocumentSessionTest, ChangesOnDiskAreChangesOfContent) {
    test::TempDir dir;
    const std::string path = dir.File("same.dat");
    RadioImage mine;
    mine.SetU8(0x0300, 0x01);
    FileStamp saved;
    ASSERT_TRUE(SaveImageFile(path, mine, &saved).ok());
    const FileStamp onDisk = FileStamp::OfFile(path);
    EXPECT_TRUE(saved.exists && saved.size == RadioImage::kSize && saved.SameContentAs(onDisk));
    EXPECT_EQ(saved.mtimeNs, onDisk.mtimeNs);
    DocumentSession session;
    session.Reset(path, mine, saved);
    EXPECT_EQ(session.DisplayName(), "same.dat");
    EXPECT_FALSE(session.ChangedOnDisk(onDisk));

    // Touched, or saved again with the same bytes: nothing new to ask about.
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::hours(1));
    EXPECT_FALSE(session.ChangedOnDisk(FileStamp::OfFile(path)));
    ASSERT_TRUE(SaveImageFile(path, mine).ok());
    EXPECT_FALSE(session.ChangedOnDisk(FileStamp::OfFile(path)));

    // One byte other, the size the same; a longer file with the same start.
    RadioImage theirs = mine;
    theirs.SetU8(0x3FFF, 0x00);
    ASSERT_TRUE(SaveImageFile(path, theirs).ok());
    const FileStamp changed = FileStamp::OfFile(path);
    EXPECT_TRUE(session.ChangedOnDisk(changed));
    std::ofstream(path, std::ios::app | std::ios::binary) << 'x';
    EXPECT_TRUE(session.ChangedOnDisk(FileStamp::OfFile(path)));
    // A file that is gone: Save makes it again, nothing to lose.
    fs::remove(path);
    EXPECT_FALSE(FileStamp::OfFile(path).exists);
    EXPECT_FALSE(session.ChangedOnDisk(FileStamp::OfFile(path)));

    // Kept over the change: that content is known from now on, and the
    // document differs from its file.
    EXPECT_FALSE(session.IsModified(mine));
    session.KeepOverDiskChange(changed);
    EXPECT_FALSE(session.ChangedOnDisk(changed));
    EXPECT_TRUE(session.IsModified(mine));
    EXPECT_EQ(session.path(), path);

    // A document read from a radio is new, whatever it holds, with a file of
    // none: no change on disk concerns it. The next Reset names it anew.
    session.ResetUnsaved(mine, "Untitled (read from the radio)");
    EXPECT_EQ(session.DisplayName(), "Untitled (read from the radio)");
    EXPECT_TRUE(session.path().empty() && session.IsModified(mine));
    EXPECT_FALSE(session.ChangedOnDisk(changed));
    session.Reset({}, mine);
    EXPECT_EQ(session.DisplayName(), "Untitled");
    EXPECT_FALSE(session.IsModified(mine));
}

}  // namespace
}  // namespace dpmr
