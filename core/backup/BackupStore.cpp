// Backups of the images read from and written to the radio.
#include "backup/BackupStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <tuple>

#include "config/AppSettings.h"
#include "util/TempFileGuard.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

constexpr std::size_t kTimeLength = 19;  // "2026-12-06_21-30-05"
constexpr int kMaxSequence = 1000;

std::string Reason(int err) {
    return std::strerror(err);
}

std::string NotKept(BackupKind kind, const std::string& why) {
    // One whole sentence for each kind, so that a translation can word each.
    switch (kind) {
        case BackupKind::kRead:
            return Fill(Tr("backup", "No backup of the read was kept: %1"), {why});
        case BackupKind::kWrite:
            return Fill(Tr("backup", "No backup of the write was kept: %1"), {why});
        case BackupKind::kFailedWrite:
            break;
    }
    return Fill(Tr("backup", "No backup of the write-failed was kept: %1"), {why});
}

std::string TimeText(std::time_t when) {
    std::tm local{};
    char text[32] = "";
    if (::localtime_r(&when, &local)) std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

// A backup's name taken apart, or nothing for a file the store did not make.
struct ParsedName {
    std::string time;
    BackupKind kind;
    int sequence;
};

std::optional<ParsedName> ParseName(std::string_view name) {
    const auto digitsAt = [&](std::size_t pos, std::size_t count) {
        if (pos + count > name.size()) return false;
        for (std::size_t i = pos; i < pos + count; ++i)
            if (name[i] < '0' || name[i] > '9') return false;
        return true;
    };
    // YYYY-MM-DD_HH-MM-SS
    constexpr std::string_view kShape = "dddd-dd-dd_dd-dd-dd";
    if (name.size() < kTimeLength) return std::nullopt;
    for (std::size_t i = 0; i < kTimeLength; ++i)
        if (kShape[i] == 'd' ? !digitsAt(i, 1) : name[i] != kShape[i]) return std::nullopt;
    ParsedName parsed{std::string(name.substr(0, kTimeLength)), BackupKind::kRead, 1};
    std::string_view rest = name.substr(kTimeLength);
    if (rest.starts_with("_read")) {
        rest.remove_prefix(5);
    } else if (rest.starts_with("_write-failed")) {
        parsed.kind = BackupKind::kFailedWrite;
        rest.remove_prefix(13);
    } else if (rest.starts_with("_write")) {
        parsed.kind = BackupKind::kWrite;
        rest.remove_prefix(6);
    } else {
        return std::nullopt;
    }
    if (!rest.ends_with(".dat")) return std::nullopt;
    rest.remove_suffix(4);
    if (rest.empty()) return parsed;
    if (rest.size() < 2 || rest.size() > 5 || rest[0] != '-' || rest[1] == '0') return std::nullopt;
    int sequence = 0;
    for (char c : rest.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        sequence = sequence * 10 + (c - '0');
    }
    if (sequence < 2) return std::nullopt;
    parsed.sequence = sequence;
    return parsed;
}

std::string FileName(const std::string& time, BackupKind kind, int sequence) {
    std::string name = time + "_" + BackupKindName(kind);
    if (sequence > 1) name += "-" + std::to_string(sequence);
    return name + ".dat";
}

// Makes `folder` and its parents (0700: the backups are the user's own).
Status MakeFolder(const std::string& folder) {
    std::string path;
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = folder.find('/', pos + 1);
        path = folder.substr(0, pos);
        if (path.empty()) continue;
        if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) continue;
        const std::string why = Reason(errno);
        return Status::Error(Fill(Tr("backup", "cannot make the folder \"%1\": %2."), {path, why}));
    }
    // A trailing '/' would make a file in the way look like any other failure.
    std::string plain = folder;
    while (plain.size() > 1 && plain.back() == '/') plain.pop_back();
    struct stat st {};
    if (::stat(plain.c_str(), &st) != 0) {
        const std::string why = Reason(errno);
        return Status::Error(Fill(Tr("backup", "cannot use the folder \"%1\": %2."), {plain, why}));
    }
    if (!S_ISDIR(st.st_mode))
        return Status::Error(Fill(Tr("backup", "\"%1\" is not a folder."), {plain}));
    return Status::Ok();
}

// Writes the whole of `image` into the new file `path`, which must not exist;
// EEXIST when it does. A failed write, or a signal that ends the program
// meanwhile, removes what it made.
int WriteNewFile(const std::string& path, const RadioImage& image) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    TempFileGuard guard(path);
    const std::uint8_t* data = image.Data();
    std::size_t done = 0;
    int err = 0;
    while (done < RadioImage::kSize) {
        const ssize_t n = ::write(fd, data + done, RadioImage::kSize - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) ::unlink(path.c_str());
    guard.Release();
    return err;
}

}  // namespace

const char* BackupKindName(BackupKind kind) {
    switch (kind) {
        case BackupKind::kRead:
            return "read";
        case BackupKind::kWrite:
            return "write";
        case BackupKind::kFailedWrite:
            break;
    }
    return "write-failed";
}

std::string DefaultBackupFolder() {
    const std::string base = UserFolder("XDG_STATE_HOME", "/.local/state");
    return base.empty() ? base : base + "/dpmrcps/backups/";
}

BackupStore::BackupStore(std::string folder, std::size_t keep)
    : folder_(std::move(folder)), keep_(std::max<std::size_t>(keep, 1)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

Status BackupStore::Save(const RadioImage& image, BackupKind kind, std::time_t when,
                         std::string* written) const {
    if (folder_.empty())
        return Status::Error(NotKept(kind, Tr("backup", "there is no home folder to keep it in.")));
    if (Status s = MakeFolder(folder_); !s) return Status::Error(NotKept(kind, s.message()));
    const std::string time = TimeText(when);
    for (int sequence = 1; sequence <= kMaxSequence; ++sequence) {
        const std::string path = folder_ + FileName(time, kind, sequence);
        const int err = WriteNewFile(path, image);
        if (err == EEXIST) continue;
        if (err != 0)
            return Status::Error(
                NotKept(kind, Fill(Tr("backup", "cannot write \"%1\": %2."), {path, Reason(err)})));
        if (written) *written = path;
        // Pruning is housekeeping: a backup that cannot be deleted stays.
        std::vector<BackupEntry> all;
        if (List(all).ok()) {
            for (std::size_t k = keep_; k < all.size(); ++k) ::unlink(all[k].path.c_str());
        }
        return Status::Ok();
    }
    return Status::Error(
        NotKept(kind, Tr("backup", "too many backups made within the same second.")));
}

Status BackupStore::MarkFailed(const std::string& path, std::string* renamed) const {
    const std::size_t slash = path.rfind('/');
    const std::string folder = path.substr(0, slash == std::string::npos ? 0 : slash + 1);
    const std::optional<ParsedName> parsed = ParseName(path.substr(folder.size()));
    const auto fail = [&](const std::string& why) {
        return Status::Error(
            Fill(Tr("backup", "The backup \"%1\" could not be marked as a failed write: %2"),
                 {path, why}));
    };
    if (!parsed || parsed->kind != BackupKind::kWrite)
        return fail(Tr("backup", "it is no write backup."));
    for (int sequence = 1; sequence <= kMaxSequence; ++sequence) {
        const std::string target =
            folder + FileName(parsed->time, BackupKind::kFailedWrite, sequence);
        // A hard link never replaces a file that is there; the old name goes
        // once the new one exists.
        if (::link(path.c_str(), target.c_str()) != 0) {
            if (errno == EEXIST) continue;
            return fail(Reason(errno) + ".");
        }
        ::unlink(path.c_str());
        if (renamed) *renamed = target;
        return Status::Ok();
    }
    return fail(Tr("backup", "too many backups made within the same second."));
}

Status BackupStore::List(std::vector<BackupEntry>& out) const {
    out.clear();
    DIR* dir = ::opendir(folder_.empty() ? "" : folder_.c_str());
    if (!dir) {
        if (errno == ENOENT) return Status::Ok();
        const std::string why = Reason(errno);
        return Status::Error(
            Fill(Tr("backup", "Cannot read the backup folder \"%1\": %2."), {folder_, why}));
    }
    struct Found {
        BackupEntry entry;
        std::tuple<std::string, long long, int> age;  // name's time, change time, sequence
    };
    std::vector<Found> found;
    while (const dirent* e = ::readdir(dir)) {
        const std::optional<ParsedName> parsed = ParseName(e->d_name);
        if (!parsed) continue;
        const std::string path = folder_ + e->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // Backups made within one second are told apart by their times on disk.
        const long long mtime =
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        BackupEntry entry{path, e->d_name, parsed->time, parsed->kind};
        entry.time[10] = ' ';
        entry.time[13] = entry.time[16] = ':';
        found.push_back({std::move(entry), {parsed->time, mtime, parsed->sequence}});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.age > b.age; });
    for (Found& f : found) out.push_back(std::move(f.entry));
    return Status::Ok();
}

}  // namespace dpmr
