// The folder of the last transfers' wire traces.
#include "link/TraceStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "config/AppSettings.h"
#include "util/Translation.h"

namespace dpmr {

namespace fs = std::filesystem;

namespace {

std::string TimeText(std::time_t when) {
    std::tm local{};
    char text[32] = "";
    if (::localtime_r(&when, &local)) std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

// Writes the new file `path`; EEXIST when it is there already.
int WriteNew(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    int err = 0;
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) ::unlink(path.c_str());
    return err;
}

}  // namespace

std::string DefaultTraceFolder() {
    const std::string base = UserFolder("XDG_STATE_HOME", "/.local/state");
    return base.empty() ? base : base + "/dpmrcps/traces/";
}

TraceStore::TraceStore(std::string folder, std::size_t keep)
    : folder_(std::move(folder)), keep_(std::max<std::size_t>(keep, 1)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

Status TraceStore::Keep(const std::string& text, const std::string& what,
                        std::string* written) const {
    if (folder_.empty()) return Status::Error(Tr("link", "there is no home folder to keep it in"));
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec)
        return Status::Error(
            Fill(Tr("link", "cannot make the folder \"%1\": %2"), {folder_, ec.message()}));
    const std::string stem = folder_ + TimeText(std::time(nullptr)) + "_" + what;
    for (int sequence = 1; sequence <= 1000; ++sequence) {
        const std::string path =
            stem + (sequence > 1 ? "-" + std::to_string(sequence) : std::string()) + ".trace";
        const int err = WriteNew(path, text);
        if (err == EEXIST) continue;
        if (err != 0)
            return Status::Error(
                Fill(Tr("link", "cannot write \"%1\": %2"), {path, std::strerror(err)}));
        if (written) *written = path;
        // Housekeeping: a trace that cannot be removed stays.
        const std::vector<std::string> all = List();
        for (std::size_t k = keep_; k < all.size(); ++k) ::unlink(all[k].c_str());
        return Status::Ok();
    }
    return Status::Error(Tr("link", "too many traces within the same second"));
}

std::vector<std::string> TraceStore::List() const {
    struct Found {
        std::string path;
        fs::file_time_type time;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder_.empty() ? "." : folder_, ec), end;
         !folder_.empty() && !ec && it != end; it.increment(ec)) {
        std::error_code fileError;
        if (it->path().extension() != ".trace" || !it->is_regular_file(fileError)) continue;
        found.push_back({it->path().string(), it->last_write_time(fileError)});
    }
    // Newest first; within one tick of the clock, by name.
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    std::vector<std::string> paths;
    for (Found& f : found) paths.push_back(std::move(f.path));
    return paths;
}

}  // namespace dpmr
