// Whole-file reads and atomic writes on real files: what a save refuses,
// where it goes through a link, the temporary file when a signal ends the
// program, and what a killed save left, removed by the next one. Reading a prefix and replacing a
// whole file are covered through Open and Save of radio files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/TempDir.h"
#include "util/FileIo.h"
#include "util/TempFileGuard.h"

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

// Only a regular file, or a new path, is saved to: a pipe, a device and links
// to them stay what they are, and so does everything beside them. The check
// a long transfer makes first gives the same answers and leaves nothing.
TEST(FileIoTest, SaveRefusesWhatIsNoRegularFile) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    fs::create_symlink(dir.File("fifo"), dir.File("to-fifo"));
    fs::create_directory(dir.File("d"));
    const bool device = ::mknod(dir.File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    std::vector<std::string> refused = {dir.File("fifo"), dir.File("to-fifo"), dir.File("d"),
                                        dir.File("none/x"), ""};
    if (device) refused.push_back(dir.File("null"));
    const auto entries = EntryCount(dir.path());
    for (const std::string& path : refused) {
        EXPECT_FALSE(CheckCanSave(path).ok()) << path;
        const Status s = WriteFileAtomically(path, Bytes{1, 2, 3});
        EXPECT_TRUE(!s.ok() && s.message().rfind("Cannot save", 0) == 0) << path;
    }
    EXPECT_TRUE(fs::is_fifo(dir.File("fifo")) && fs::is_symlink(dir.File("to-fifo")));
    EXPECT_TRUE(!device || fs::is_character_file(dir.File("null")));
    EXPECT_EQ(EntryCount(dir.path()), entries);
    EXPECT_TRUE(CheckCanSave(dir.File("new.dat")).ok());
    EXPECT_EQ(EntryCount(dir.path()), entries);
}

// A dangling link (relative, through a second link) makes the file it names;
// a new file gets 0666 less the umask, a replaced one keeps its mode.
TEST(FileIoTest, NewFilesFollowLinksAndTheUmask) {
    test::TempDir dir;
    fs::create_directory(dir.File("store"));
    fs::create_symlink("store/later.dat", dir.File("inner"));
    fs::create_symlink("inner", dir.File("outer"));
    const mode_t old = ::umask(027);
    const Status s = WriteFileAtomically(dir.File("outer"), Bytes{7});
    ::umask(old);
    ASSERT_TRUE(s.ok()) << s.message();
    EXPECT_TRUE(fs::is_symlink(dir.File("outer")) && fs::is_symlink(dir.File("inner")));
    EXPECT_EQ(Slurp(dir.File("store/later.dat")), Bytes{7});
    EXPECT_EQ(fs::status(dir.File("store/later.dat")).permissions(), fs::perms{0640});
    fs::permissions(dir.File("store/later.dat"), fs::perms{0604});
    ASSERT_TRUE(WriteFileAtomically(dir.File("store/later.dat"), Bytes{8}).ok());
    EXPECT_EQ(fs::status(dir.File("store/later.dat")).permissions(), fs::perms{0604});
    EXPECT_EQ(EntryCount(dir.File("store")), 1);
}

// A signal that ends the program while a save's temporary file exists removes
// that file first; one the program ignores does nothing. (A write past the
// file size limit failing instead of ending the program the backup and save
// tests show.) Each runs in a child process.
TEST(FileIoTest, TemporaryFileGoesWithTheProgram) {
    // signal, ignored, released (renamed into place already), the child's
    // status (128 + signal when the signal ended it)
    struct Case {
        int signal;
        bool ignored, released;
        int status;
    };
    for (const Case c : {Case{SIGINT, false, false, 128 + SIGINT}, Case{SIGINT, true, false, 0},
                         Case{SIGHUP, false, true, 128 + SIGHUP}}) {
        test::TempDir dir;
        const std::string temp = dir.File("radio.dat.1234.tmp");
        std::ofstream(temp) << "part";
        const pid_t child = ::fork();
        if (child == 0) {
            if (c.ignored) ::signal(c.signal, SIG_IGN);
            TempFileGuard guard(temp);
            if (c.released) guard.Release();
            ::raise(c.signal);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), c.status)
            << c.signal;
        EXPECT_EQ(fs::exists(temp), c.status == 0 || c.released) << c.signal;
    }
}

// The temporary files of saves that were killed go at the next save of that
// file (and when asked, as Open does): only names of the program's pattern
// for that very file, and only those whose program has ended: a PID that
// runs no more, or, for the names of earlier versions without a PID, a file
// older than this run. A save going on, another file's temporaries and the
// user's own files stay.
TEST(FileIoTest, TheNextSaveRemovesWhatKilledSavesLeft) {
    test::TempDir dir;
    fs::create_directory(dir.File("store"));
    const std::string gone = "1073741824";  // above any PID the kernel hands out
    const std::string running = std::to_string(::getppid()), own = std::to_string(::getpid());
    struct Case {
        std::string name;
        bool stale;
    };
    const Case cases[] = {
        {"radio.dat." + gone + ".0123abcd.tmp", true},
        {"radio.dat.89abcdef.tmp", true},   // made an hour ago, by an earlier version
        {"radio.dat.89abcdee.tmp", false},  // the same, made during this run
        {"radio.dat." + running + ".0123abcd.tmp", false},
        {"radio.dat." + own + ".0123abcd.tmp", false},
        {"radio.dat." + gone + ".0123ABCD.tmp", false},
        {"radio.dat." + gone + ".0123abc.tmp", false},
        {"radio.dat." + gone + ".0123abcd.tmp.keep", false},
        {"radio.dat.x" + gone + ".0123abcd.tmp", false},
        {"radio.dat..0123abcd.tmp", false},
        {"xradio.dat." + gone + ".0123abcd.tmp", false},
        {"radio.da." + gone + ".0123abcd.tmp", false},
        {"other.dat." + gone + ".0123abcd.tmp", false},
    };
    const auto place = [&](const std::string& folder) {
        for (const Case& c : cases) {
            std::ofstream(folder + "/" + c.name) << "part";
            // An hour before this run, and a minute into it.
            const auto now = fs::file_time_type::clock::now();
            if (c.name == "radio.dat.89abcdef.tmp")
                fs::last_write_time(folder + "/" + c.name, now - std::chrono::hours(1));
            if (c.name == "radio.dat.89abcdee.tmp")
                fs::last_write_time(folder + "/" + c.name, now + std::chrono::minutes(1));
        }
    };
    const auto check = [&](const std::string& folder) {
        for (const Case& c : cases)
            EXPECT_EQ(fs::exists(folder + "/" + c.name), !c.stale) << c.name;
    };
    place(dir.path());
    fs::create_directory(dir.File("radio.dat." + gone + ".00000000.tmp"));  // no file: stays
    ASSERT_TRUE(WriteFileAtomically(dir.File("radio.dat"), Bytes{1}).ok());
    check(dir.path());
    EXPECT_TRUE(fs::is_directory(dir.File("radio.dat." + gone + ".00000000.tmp")));
    EXPECT_EQ(Slurp(dir.File("radio.dat")), Bytes{1});

    // Asked for: the names removed, without their folder. Through a link,
    // the folder of the file the link names, as a save goes there.
    place(dir.File("store"));
    fs::create_symlink(dir.File("store/radio.dat"), dir.File("link.dat"));
    EXPECT_EQ(RemoveStaleTemporaries(dir.File("link.dat")),
              (std::vector<std::string>{"radio.dat." + gone + ".0123abcd.tmp",
                                        "radio.dat.89abcdef.tmp"}));
    check(dir.File("store"));
    EXPECT_TRUE(RemoveStaleTemporaries(dir.File("link.dat")).empty());
}

// A save killed outright (SIGKILL: nothing can remove its temporary file
// then) leaves the file whole, old or new, never a mix; the next save removes
// the temporary file it left.
TEST(FileIoTest, ASaveKilledLeavesTheFileWholeAndTheNextSaveCleansUp) {
    test::TempDir dir;
    const std::string path = dir.File("radio.dat");
    const Bytes before(1 << 20, 0x11), after(1 << 20, 0x22);
    const auto temporaries = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            if (entry.path().extension() == ".tmp") names.push_back(entry.path().filename());
        return names;
    };
    for (int attempt = 0; attempt < 100 && temporaries().empty(); ++attempt) {
        ASSERT_TRUE(WriteFileAtomically(path, before).ok());
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) WriteFileAtomically(path, after);
        }
        for (int look = 0; look < 1000000 && temporaries().empty(); ++look) {
        }
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const Bytes now = Slurp(path);
        EXPECT_TRUE(now == before || now == after) << now.size();
    }
    ASSERT_EQ(temporaries().size(), 1u);
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{3}).ok());
    EXPECT_TRUE(temporaries().empty());
    EXPECT_EQ(Slurp(path), Bytes{3});
}

}  // namespace
}  // namespace dpmr
