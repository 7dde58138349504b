// The stamp of a file: stat for size and time, FNV-1a over the content.
#include "util/FileStamp.h"

#include <sys/stat.h>

#include <vector>

#include "util/FileIo.h"

namespace dpmr {

namespace {

std::uint64_t Fnv1a(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const std::uint8_t b : bytes) {
        hash ^= b;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

}  // namespace

FileStamp FileStamp::OfBytes(std::span<const std::uint8_t> bytes, std::int64_t mtimeNs) {
    return {true, bytes.size(), mtimeNs, Fnv1a(bytes)};
}

FileStamp FileStamp::OfFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    FileStamp stamp{true, static_cast<std::uint64_t>(st.st_size),
                    static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                    0};
    if (stamp.size > kMaxHashedBytes) return stamp;
    std::vector<std::uint8_t> bytes;
    FileFacts facts;
    if (!ReadFilePrefix(path, kMaxHashedBytes + 1, bytes, &facts)) return stamp;
    return OfBytes(bytes, facts.mtimeNs);
}

}  // namespace dpmr
