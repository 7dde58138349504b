// FileStamp: what a file held when this program last read or wrote it (its
// size, modification time and a hash of its content), so that a change made
// by another program or window since then can be told from none.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace dpmr {

struct FileStamp {
    // Files larger than this are not read for their hash: no file this
    // program opens is, so their size alone tells them apart.
    static constexpr std::uint64_t kMaxHashedBytes = 1 << 20;

    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;  // last modification, nanoseconds since the epoch
    std::uint64_t hash = 0;    // FNV-1a over the whole content

    // The stamp of `bytes` as the file's content, modified at `mtimeNs`.
    static FileStamp OfBytes(std::span<const std::uint8_t> bytes, std::int64_t mtimeNs);
    // The file at `path` as it is now; `exists` is false when there is none.
    // A file that cannot be read gets its size and time and a hash of 0.
    static FileStamp OfFile(const std::string& path);

    // The same content: both missing, or of one size and one hash. The time
    // alone does not count: a file touched or saved with the same bytes
    // holds nothing new.
    bool SameContentAs(const FileStamp& other) const {
        return exists == other.exists && (!exists || (size == other.size && hash == other.hash));
    }
};

}  // namespace dpmr
