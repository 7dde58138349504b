// File reading and atomic replacement with POSIX calls.
#include "util/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "util/TempFileGuard.h"

namespace dpmr {

namespace {

std::string Reason(int err) {
    return std::strerror(err);
}

}  // namespace

Status ReadFilePrefix(const std::string& path, std::size_t maxBytes,
                      std::vector<std::uint8_t>& out) {
    out.clear();
    // Non-blocking open: a pipe or device chosen by mistake must not hang the
    // program waiting for a writer; only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Status::Error("Cannot open \"" + path + "\": " + Reason(errno) + ".");
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        return Status::Error("Cannot open \"" + path +
                             "\": " + (folder ? "it is a folder." : "it is not a regular file."));
    }
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
            return Status::Error("Cannot read \"" + path + "\": " + Reason(err) + ".");
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

Status CannotSave(const std::string& path, const std::string& why) {
    return Status::Error("Cannot save \"" + path + "\": " + why);
}

// Follows symbolic links to the file they name, also when it does not exist
// yet (a dangling link makes that file, as saving through a link does). Only a
// regular file is replaced; a folder, a pipe or a device (or a link to one)
// is refused, since writing beside it and renaming over it would replace it
// with a regular file.
Status ResolveSaveTarget(const std::string& given, SaveTarget& target) {
    if (given.empty()) return Status::Error("Cannot save: no file name given.");
    std::string path = given;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) return CannotSave(path, Reason(errno) + ".");
            target = {path, false, 0};
            return Status::Ok();
        }
        if (!S_ISLNK(st.st_mode)) {
            if (S_ISDIR(st.st_mode)) return CannotSave(path, "it is a folder.");
            if (!S_ISREG(st.st_mode))
                return CannotSave(path, "it is not a regular file (a device or a pipe).");
            // A file the user may not write stays as it is, even though the
            // rename beside it would be allowed by the folder.
            if (::access(path.c_str(), W_OK) != 0) return CannotSave(path, Reason(errno) + ".");
            target = {path, true, st.st_mode & 07777};
            return Status::Ok();
        }
        if (links >= 40) return CannotSave(given, Reason(ELOOP) + ".");
        std::string next(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), next.data(), next.size());
        if (n < 0 || static_cast<std::size_t>(n) >= next.size())
            return CannotSave(path, Reason(n < 0 ? errno : ENAMETOOLONG) + ".");
        next.resize(static_cast<std::size_t>(n));
        // A relative link is read from the folder that holds it.
        const std::size_t slash = path.rfind('/');
        if (next.front() != '/' && slash != std::string::npos)
            next = path.substr(0, slash + 1) + next;
        path = next;
    }
}

// Creates a new, empty temporary file beside `path`. Its mode is 0666 less
// the umask, what any new file of the user gets.
int CreateTempBeside(const std::string& path, std::string& tempPath) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", entropy());
        tempPath = path + suffix + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

Status CheckCanSave(const std::string& path) {
    SaveTarget target;
    if (Status s = ResolveSaveTarget(path, target); !s) return s;
    std::string temp;
    const int fd = CreateTempBeside(target.path, temp);
    if (fd < 0) return CannotSave(target.path, Reason(errno) + ".");
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
        return Status::Error(path + ": line " + std::to_string(line) + ", column " +
                             std::to_string(column) + ": larger than 1 MiB, no " + what + " file");
    }
    text.assign(bytes.begin(), bytes.end());
    return Status::Ok();
}

Status WriteFileAtomically(const std::string& linkOrPath, std::span<const std::uint8_t> bytes) {
    SaveTarget target;
    if (Status s = ResolveSaveTarget(linkOrPath, target); !s) return s;
    const std::string& path = target.path;
    std::string temp;
    const int fd = CreateTempBeside(path, temp);
    if (fd < 0) return CannotSave(path, Reason(errno) + ".");
    TempFileGuard guard(temp);
    const auto abandon = [&](int err, bool open) {
        if (open) ::close(fd);
        ::unlink(temp.c_str());
        return CannotSave(path, Reason(err) + ".");
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
