// A ustar archive in memory, compressed with zlib's gzip stream.
#include "util/TarArchive.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>

#include "util/FileIo.h"

namespace dpmr {

namespace {

constexpr std::size_t kBlock = 512;

// A number as the header writes it: size - 1 octal digits, zero-padded,
// then NUL (the field is zero already).
void Octal(char* field, std::size_t size, unsigned long long value) {
    for (std::size_t i = size - 1; i-- > 0; value /= 8)
        field[i] = static_cast<char>('0' + value % 8);
}

std::string Header(const ArchiveFile& file, long long modifiedAt) {
    char h[kBlock] = {};
    std::memcpy(h, file.name.data(), std::min<std::size_t>(file.name.size(), 100));
    Octal(h + 100, 8, 0644);
    Octal(h + 108, 8, 0);
    Octal(h + 116, 8, 0);
    Octal(h + 124, 12, file.content.size());
    Octal(h + 136, 12, static_cast<unsigned long long>(modifiedAt < 0 ? 0 : modifiedAt));
    h[156] = '0';  // a regular file
    std::memcpy(h + 257, "ustar", 6);
    std::memcpy(h + 263, "00", 2);
    // The checksum is taken with its own field as blanks.
    std::memset(h + 148, ' ', 8);
    unsigned sum = 0;
    for (char c : h) sum += static_cast<unsigned char>(c);
    Octal(h + 148, 7, sum);
    h[154] = '\0';
    h[155] = ' ';
    return std::string(h, kBlock);
}

}  // namespace

std::string TarGz(const std::vector<ArchiveFile>& files, long long modifiedAt) {
    std::string tar;
    for (const ArchiveFile& f : files) {
        tar += Header(f, modifiedAt);
        tar += f.content;
        tar.append((kBlock - f.content.size() % kBlock) % kBlock, '\0');
    }
    tar.append(2 * kBlock, '\0');

    z_stream z{};
    // 15 window bits, plus 16: a gzip stream rather than a bare zlib one.
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, static_cast<uLong>(tar.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(tar.data());
    z.avail_in = static_cast<uInt>(tar.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

Status WriteTarGz(const std::string& path, const std::vector<ArchiveFile>& files,
                  long long modifiedAt) {
    const std::string bytes = TarGz(files, modifiedAt);
    return WriteFileAtomically(path,
                               {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

}  // namespace dpmr
