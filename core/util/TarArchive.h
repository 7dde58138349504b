// TarArchive: files packed into one gzip-compressed tar archive (the POSIX
// ustar format that `tar -xzf` and every archive program read), made in
// memory and written atomically, for the problem report.
#pragma once

#include <string>
#include <vector>

#include "util/Result.h"

namespace dpmr {

struct ArchiveFile {
    std::string name;  // the path inside the archive, at most 100 characters
    std::string content;
};

// The archive's bytes: each file (mode 0644, the given time), then the two
// empty blocks that end a tar archive, compressed with gzip.
std::string TarGz(const std::vector<ArchiveFile>& files, long long modifiedAt);

// TarGz written to `path` (WriteFileAtomically's rules).
Status WriteTarGz(const std::string& path, const std::vector<ArchiveFile>& files,
                  long long modifiedAt);

}  // namespace dpmr
