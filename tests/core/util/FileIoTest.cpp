// Whole-file reads and atomic writes on real files. Reading a prefix and
// replacing a whole file are covered through Open and Save of radio files.
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

std::ptrdiff_t EntryCount(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// A folder, a pipe without a writer (must not block) and a device are no
// radio files: each fails naming the path and hands back nothing.
TEST(FileIoTest, ReadFailuresAndSavingThroughALink) {
    test::TempDir dir;
    fs::create_directory(dir.File("d"));
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& path :
         {dir.File("missing"), dir.File("d"), dir.File("fifo"), std::string("/dev/null")}) {
        Bytes out{1};
        const Status s = ReadFilePrefix(path, 10, out);
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.message().find(path), std::string::npos) << s.message();
        EXPECT_TRUE(out.empty());
    }
    EXPECT_FALSE(FileExists(dir.File("d")) || FileExists(dir.File("missing")));

    // Saving through a symbolic link replaces the file it points at, not the link.
    fs::create_directory(dir.File("store"));
    ASSERT_TRUE(WriteFileAtomically(dir.File("store/radio.dat"), Bytes{1, 1}).ok());
    fs::create_symlink(dir.File("store/radio.dat"), dir.File("link.dat"));
    ASSERT_TRUE(WriteFileAtomically(dir.File("link.dat"), Bytes{2, 2, 2}).ok());
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(Slurp(dir.File("store/radio.dat")), (Bytes{2, 2, 2}));
    EXPECT_EQ(EntryCount(dir.path()), 4);  // nothing left beside the link or the target
    EXPECT_EQ(EntryCount(dir.File("store")), 1);
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
