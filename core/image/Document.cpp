// Open and Save of the radio image.
#include "image/Document.h"

#include <algorithm>
#include <vector>

#include "image/ImageLayout.h"
#include "util/FileIo.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

std::string FileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string NotARadioFileMessage(const std::string& path, std::uint64_t size) {
    return Fill(
        Tr("image", "\"%1\" is not a radio file: it holds %2 bytes; a radio file holds %3."),
        {path, std::to_string(size), std::to_string(RadioImage::kSize)});
}

std::string LongerThanImageNote(const std::string& path, std::uint64_t size) {
    return Fill(Tr("image",
                   "%1 holds %2 bytes, more than a radio image: only its first %3 bytes "
                   "are loaded, and the rest is not kept."),
                {FileName(path), std::to_string(size), std::to_string(RadioImage::kSize)});
}

Status LoadImageFile(const std::string& path, RadioImage& image, FileStamp* stamp) {
    std::vector<std::uint8_t> bytes;
    FileFacts facts;
    if (Status s = ReadFilePrefix(path, kMaxImageFileBytes + 1, bytes, &facts); !s) return s;
    const std::uint64_t size = std::max<std::uint64_t>(facts.size, bytes.size());
    if (size > kMaxImageFileBytes) return Status::Error(NotARadioFileMessage(path, size));
    if (bytes.size() < RadioImage::kSize)
        return Status::Error(Fill(
            Tr("image", "Unexpected file format.\n\"%1\" holds %2 bytes; a radio file holds %3."),
            {path, std::to_string(bytes.size()), std::to_string(RadioImage::kSize)}));
    std::copy_n(bytes.begin(), RadioImage::kSize, image.Data());
    if (stamp) *stamp = FileStamp::OfBytes(bytes, facts.mtimeNs);
    return Status::Ok();
}

Status LoadExactImageFile(const std::string& path, RadioImage& image) {
    std::vector<std::uint8_t> bytes;
    FileFacts facts;
    if (Status s = ReadFilePrefix(path, RadioImage::kSize + 1, bytes, &facts); !s) return s;
    if (bytes.size() != RadioImage::kSize || facts.size != RadioImage::kSize)
        return Status::Error(
            NotARadioFileMessage(path, std::max<std::uint64_t>(facts.size, bytes.size())));
    std::copy(bytes.begin(), bytes.end(), image.Data());
    return Status::Ok();
}

Status SaveImageFile(const std::string& path, const RadioImage& image, FileStamp* stamp) {
    const auto bytes = image.Span(0, RadioImage::kSize);
    if (Status s = WriteFileAtomically(path, bytes); !s) return s;
    // The content is what was written; the time is the file's own. (Were it
    // replaced again in between, its content would differ from this stamp,
    // which is what counts.)
    if (stamp) *stamp = FileStamp::OfBytes(bytes, FileStamp::OfFile(path).mtimeNs);
    return Status::Ok();
}

}  // namespace dpmr
