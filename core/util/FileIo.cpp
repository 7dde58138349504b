// File reading and atomic replacement with POSIX calls.
#include "util/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

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
    out.resize(maxBytes);
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(fd, out.data() + got, maxBytes - got);
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

Status WriteFileAtomically(const std::string& linkOrPath, std::span<const std::uint8_t> bytes) {
    // Saving through a symbolic link replaces the file it points at, not the
    // link: the user saved "that file".
    std::string path = linkOrPath;
    struct stat lst {};
    if (::lstat(linkOrPath.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        if (char* real = ::realpath(linkOrPath.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    const auto fail = [&path](const std::string& what, int err) {
        return Status::Error("Cannot save \"" + path + "\": " + what + Reason(err) + ".");
    };
    // Keep the permissions of a file that is being replaced.
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return Status::Error("Cannot save \"" + path + "\": it is a folder.");
        mode = st.st_mode & 07777;
        // A file the user may not write stays as it is, even though the
        // rename beside it would be allowed by the folder.
        if (::access(path.c_str(), W_OK) != 0) return fail("", errno);
    }
    std::string tmpl = path + ".XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return fail("", errno);
    const auto abandon = [&](const std::string& what) {
        const int err = errno;
        ::close(fd);
        ::unlink(tmpl.c_str());
        return fail(what, err);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon("");
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fchmod(fd, mode) != 0) return abandon("");
    if (::fsync(fd) != 0) return abandon("");
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return fail("", err);
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return fail("", err);
    }
    return Status::Ok();
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace dpmr
