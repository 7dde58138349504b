// Whole-file reads and atomic writes. A write goes to a temporary file beside
// the target (NAME.PID.XXXXXXXX.tmp, the PID of the program that writes it),
// is flushed to disk and then renamed over it, so a failed save never damages
// the file that was there and leaves no temporary file behind. One left by a
// program that was killed is removed by the next save of that file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/Result.h"

namespace dpmr {

// What the file's own entry says when it is opened for reading.
struct FileFacts {
    std::uint64_t size = 0;    // the whole file, also past what is read
    std::int64_t mtimeNs = 0;  // last modification, nanoseconds since the epoch
};

// Reads at most `maxBytes` bytes from the start of the file.
Status ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                      FileFacts* facts = nullptr);

// A file people make and edit (a CSV list) read whole into `text`. One
// larger than 1 MiB is no such file ("<path>: line L, column C: larger than
// 1 MiB, no <what> file", the place of its first byte past 1 MiB): a channel
// or contact list is a few kilobytes.
Status ReadListFile(const std::string& path, const std::string& what, std::string& text);

// Replaces the regular file at `path` (through symbolic links, also dangling
// ones) or makes a new one there (0666 less the umask). A folder, pipe or
// device is refused. A file that is replaced keeps its permissions.
Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Whether a save to `path` could start: the same checks, and a temporary
// file made beside the target and removed again. For a long transfer whose
// result would otherwise be lost at the end.
Status CheckCanSave(const std::string& path);

// Removes the temporary files that saves of `path` (through links, as a save
// goes) left behind when they were killed: only names of this program's
// pattern for that file, and only those whose program has ended (its PID no
// longer runs; for the PID-less names of earlier versions, older than this
// run). Returns the names removed, without their folder.
std::vector<std::string> RemoveStaleTemporaries(const std::string& path);

bool FileExists(const std::string& path);

}  // namespace dpmr
