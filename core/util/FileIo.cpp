// File reading and atomic replacement with POSIX calls.
#include "util/FileIo.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <random>

#include "util/TempFileGuard.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

std::string Reason(int err) {
    return std::strerror(err);
}

std::int64_t Nanoseconds(const struct timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// When this run began, for the temporary files of earlier versions, whose
// names hold no PID: one older than this run has no save going on.
const std::int64_t gRunStartNs = [] {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}();

}  // namespace

Status ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                      FileFacts* facts) {
    out.clear();
    // Non-blocking open: a pipe or device chosen by mistake must not hang the
    // program waiting for a writer; only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Status::Error(Fill(Tr("util", "Cannot open \"%1\": %2."), {path, Reason(errno)}));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        return Status::Error(Fill(folder
                                      ? Tr("util", "Cannot open \"%1\": it is a folder.")
                                      : Tr("util", "Cannot open \"%1\": it is not a regular file."),
                                  {path}));
    }
    if (facts) *facts = {static_cast<std::uint64_t>(st.st_size), Nanoseconds(st.st_mtim)};
    // The buffer holds what the file holds (one byte more, to see its end
    // at once) and grows only for a file that grows while it is read: a
    // small file read often (the settings) costs no more than its size.
    out.resize(std::min(maxBytes, static_cast<std::size_t>(st.st_size) + 1));
    std::size_t got = 0;
    while (got < maxBytes) {
        if (got == out.size()) out.resize(std::min(maxBytes, 2 * got + 4096));
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            out.clear();
            return Status::Error(Fill(Tr("util", "Cannot read \"%1\": %2."), {path, Reason(err)}));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    out.resize(got);
    return Status::Ok();
}

namespace {

// Where a save goes and what it keeps of the file it replaces.
struct SaveTarget {
    std::string path;     // the file itself, with symbolic links followed
    bool exists = false;  // false: a new file is made there
    mode_t mode = 0;      // permissions of the file that exists
};

// `why` is a whole sentence: "it is a folder.", or the system's reason with its full stop.
Status CannotSave(const std::string& path, const std::string& why) {
    return Status::Error(Fill(Tr("util", "Cannot save \"%1\": %2"), {path, why}));
}

// The system's reason for a failed call, as the sentence of a save fault.
std::string Because(int err) {
    return Reason(err) + ".";
}

// Follows symbolic links from `given` to the path they end at, also when
// nothing is there yet (a dangling link). `found` says whether something is;
// `st` is then its lstat.
Status FollowLinks(const std::string& given, std::string& path, struct stat& st, bool& found) {
    path = given;
    for (int links = 0;; ++links) {
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) return CannotSave(path, Because(errno));
            found = false;
            return Status::Ok();
        }
        if (!S_ISLNK(st.st_mode)) {
            found = true;
            return Status::Ok();
        }
        if (links >= 40) return CannotSave(given, Because(ELOOP));
        std::string next(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), next.data(), next.size());
        if (n < 0 || static_cast<std::size_t>(n) >= next.size())
            return CannotSave(path, Because(n < 0 ? errno : ENAMETOOLONG));
        next.resize(static_cast<std::size_t>(n));
        // A relative link is read from the folder that holds it.
        const std::size_t slash = path.rfind('/');
        if (next.front() != '/' && slash != std::string::npos)
            next = path.substr(0, slash + 1) + next;
        path = next;
    }
}

// Follows symbolic links to the file they name, also when it does not exist
// yet (a dangling link makes that file, as saving through a link does). Only a
// regular file is replaced; a folder, a pipe or a device (or a link to one)
// is refused, since writing beside it and renaming over it would replace it
// with a regular file.
Status ResolveSaveTarget(const std::string& given, SaveTarget& target) {
    if (given.empty()) return Status::Error(Tr("util", "Cannot save: no file name given."));
    std::string path;
    struct stat st {};
    bool found = false;
    if (Status s = FollowLinks(given, path, st, found); !s) return s;
    if (!found) {
        target = {path, false, 0};
        return Status::Ok();
    }
    if (S_ISDIR(st.st_mode)) return CannotSave(path, Tr("util", "it is a folder."));
    if (!S_ISREG(st.st_mode))
        return CannotSave(path, Tr("util", "it is not a regular file (a device or a pipe)."));
    // A file the user may not write stays as it is, even though the rename
    // beside it would be allowed by the folder.
    if (::access(path.c_str(), W_OK) != 0) return CannotSave(path, Because(errno));
    target = {path, true, st.st_mode & 07777};
    return Status::Ok();
}

// Creates a new, empty temporary file beside `path`, named with this
// program's PID so that a later save can tell whether its maker still runs.
// Its mode is 0666 less the umask, what any new file of the user gets.
int CreateTempBeside(const std::string& path, std::string& tempPath) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%d.%08x", static_cast<int>(::getpid()), entropy());
        tempPath = path + suffix + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool AllOf(std::string_view text, int (*test)(int)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [test](char c) {
        return test(static_cast<unsigned char>(c)) != 0;
    });
}

// Whether `name` is a temporary file a save of the file `base` made
// (base.PID.XXXXXXXX.tmp, or base.XXXXXXXX.tmp of earlier versions) and its
// save can no longer be going on.
bool IsStaleTemporary(const std::string& base, const std::string& name, const struct stat& st) {
    constexpr std::string_view kTail = ".tmp";
    if (name.size() <= base.size() + 1 + kTail.size() || name.compare(0, base.size(), base) != 0 ||
        name[base.size()] != '.' || !name.ends_with(kTail))
        return false;
    const std::string_view middle = std::string_view(name).substr(
        base.size() + 1, name.size() - base.size() - 1 - kTail.size());
    const auto isLowerHex = [](int c) { return std::isdigit(c) || (c >= 'a' && c <= 'f') ? 1 : 0; };
    const std::size_t dot = middle.find('.');
    const std::string_view random = dot == std::string_view::npos ? middle : middle.substr(dot + 1);
    if (random.size() != 8 || !AllOf(random, isLowerHex)) return false;
    if (dot == std::string_view::npos) return Nanoseconds(st.st_mtim) < gRunStartNs;
    const std::string_view pidText = middle.substr(0, dot);
    int pid = 0;
    const auto [end, err] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
    if (!AllOf(pidText, [](int c) { return std::isdigit(c); }) || err != std::errc() ||
        end != pidText.data() + pidText.size())
        return false;
    // This program's own are saves going on; a process that runs (or that
    // may not be signalled, EPERM) may still be writing its file.
    return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::vector<std::string> RemoveStaleTemporaries(const std::string& given) {
    std::vector<std::string> removed;
    std::string path;
    struct stat st {};
    bool found = false;
    if (given.empty() || !FollowLinks(given, path, st, found)) return removed;
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return removed;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string full = folder + "/" + name;
        struct stat entrySt {};
        if (::lstat(full.c_str(), &entrySt) != 0 || !S_ISREG(entrySt.st_mode) ||
            !IsStaleTemporary(base, name, entrySt))
            continue;
        if (::unlink(full.c_str()) == 0) removed.push_back(name);
    }
    ::closedir(dir);
    std::sort(removed.begin(), removed.end());
    return removed;
}

Status CheckCanSave(const std::string& path) {
    SaveTarget target;
    if (Status s = ResolveSaveTarget(path, target); !s) return s;
    std::string temp;
    const int fd = CreateTempBeside(target.path, temp);
    if (fd < 0) return CannotSave(target.path, Because(errno));
    ::close(fd);
    ::unlink(temp.c_str());
    return Status::Ok();
}

Status ReadListFile(const std::string& path, const std::string& what, std::string& text) {
    constexpr std::size_t kMaxBytes = 1 << 20;
    std::vector<std::uint8_t> bytes;
    if (Status s = ReadFilePrefix(path, kMaxBytes + 1, bytes); !s) return s;
    if (bytes.size() > kMaxBytes) {
        // The place of the first byte past the limit, like any other fault
        // of the file.
        const auto end = bytes.begin() + kMaxBytes;
        const auto lineStart =
            std::find(std::make_reverse_iterator(end), bytes.rend(), '\n').base();
        const auto line = 1 + std::count(bytes.begin(), end, '\n');
        const auto column = 1 + (end - lineStart);
        return Status::Error(
            Fill(Tr("util", "%1: line %2, column %3: larger than 1 MiB, no %4 file"),
                 {path, std::to_string(line), std::to_string(column), what}));
    }
    text.assign(bytes.begin(), bytes.end());
    return Status::Ok();
}

Status WriteFileAtomically(const std::string& linkOrPath, std::span<const std::uint8_t> bytes) {
    SaveTarget target;
    if (Status s = ResolveSaveTarget(linkOrPath, target); !s) return s;
    const std::string& path = target.path;
    // What a save of this file that was killed left behind goes first.
    RemoveStaleTemporaries(path);
    std::string temp;
    const int fd = CreateTempBeside(path, temp);
    if (fd < 0) return CannotSave(path, Because(errno));
    TempFileGuard guard(temp);
    const auto abandon = [&](int err, bool open) {
        if (open) ::close(fd);
        ::unlink(temp.c_str());
        return CannotSave(path, Because(err));
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon(errno, true);
        }
        done += static_cast<std::size_t>(n);
    }
    // A file that is replaced keeps its permissions.
    if (target.exists && ::fchmod(fd, target.mode) != 0) return abandon(errno, true);
    if (::fsync(fd) != 0) return abandon(errno, true);
    if (::close(fd) != 0) return abandon(errno, false);
    if (::rename(temp.c_str(), path.c_str()) != 0) return abandon(errno, false);
    guard.Release();
    return Status::Ok();
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace dpmr
