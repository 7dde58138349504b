// Whole-file reads and atomic writes on real files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "support/TempDir.h"
#include "util/FileIo.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FileIoTest, ReadPrefixStopsAtLimitOrEnd) {
    test::TempDir dir;
    const Bytes data{1, 2, 3, 4, 5};
    ASSERT_TRUE(WriteFileAtomically(dir.File("f"), data).ok());
    Bytes out{9, 9};
    ASSERT_TRUE(ReadFilePrefix(dir.File("f"), 3, out).ok());
    EXPECT_EQ(out, (Bytes{1, 2, 3}));
    ASSERT_TRUE(ReadFilePrefix(dir.File("f"), 100, out).ok());
    EXPECT_EQ(out, data);
    ASSERT_TRUE(ReadFilePrefix(dir.File("f"), 0, out).ok());
    EXPECT_TRUE(out.empty());
}

TEST(FileIoTest, ReadFailuresNameTheFileAndClearOutput) {
    test::TempDir dir;
    fs::create_directory(dir.File("d"));
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);  // no writer: must not block
    for (const std::string& path :
         {dir.File("missing"), dir.File("d"), dir.File("fifo"), std::string("/dev/null")}) {
        Bytes out{1};
        const Status s = ReadFilePrefix(path, 10, out);
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.message().find(path), std::string::npos) << s.message();
        EXPECT_TRUE(out.empty());
    }
    EXPECT_FALSE(FileExists(dir.File("d")));
    EXPECT_FALSE(FileExists(dir.File("missing")));
}

TEST(FileIoTest, AtomicWriteReplacesWholeFile) {
    test::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("f"), Bytes(1000, 0xAA)).ok());
    ASSERT_TRUE(WriteFileAtomically(dir.File("f"), Bytes{7}).ok());
    EXPECT_EQ(Slurp(dir.File("f")), Bytes{7});
    ASSERT_TRUE(WriteFileAtomically(dir.File("f"), {}).ok());
    EXPECT_TRUE(FileExists(dir.File("f")));
    EXPECT_EQ(fs::file_size(dir.File("f")), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(FileIoTest, SavingThroughALinkUpdatesItsTarget) {
    test::TempDir dir;
    fs::create_directory(dir.File("store"));
    ASSERT_TRUE(WriteFileAtomically(dir.File("store/radio.dat"), Bytes{1, 1}).ok());
    fs::create_symlink(dir.File("store/radio.dat"), dir.File("link.dat"));
    ASSERT_TRUE(WriteFileAtomically(dir.File("link.dat"), Bytes{2, 2, 2}).ok());
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(Slurp(dir.File("store/radio.dat")), (Bytes{2, 2, 2}));
    // Nothing was left behind beside the link or the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("store")), fs::directory_iterator()), 1);
}

TEST(FileIoTest, ReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes through file permissions";
    test::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("f"), Bytes{1, 2}).ok());
    fs::permissions(dir.File("f"), fs::perms::owner_read);
    EXPECT_FALSE(WriteFileAtomically(dir.File("f"), Bytes{3}).ok());
    EXPECT_EQ(Slurp(dir.File("f")), (Bytes{1, 2}));
}

}  // namespace
}  // namespace dpmr
