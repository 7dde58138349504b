// Open and Save of the radio image.
#include "image/Document.h"

#include <vector>

#include "image/ImageLayout.h"
#include "util/FileIo.h"

namespace dpmr {

Status LoadImageFile(const std::string& path, RadioImage& image, bool* tooShort) {
    std::vector<std::uint8_t> bytes;
    if (tooShort) *tooShort = false;
    if (Status s = ReadFilePrefix(path, RadioImage::kSize, bytes); !s) return s;
    if (tooShort) *tooShort = bytes.size() < RadioImage::kSize;
    if (bytes.size() < RadioImage::kSize)
        return Status::Error("Unexpected file format.\n\"" + path + "\" holds " +
                             std::to_string(bytes.size()) + " bytes; a radio file holds " +
                             std::to_string(RadioImage::kSize) + ".");
    std::copy(bytes.begin(), bytes.end(), image.Data());
    return Status::Ok();
}

Status LoadExactImageFile(const std::string& path, RadioImage& image) {
    std::vector<std::uint8_t> bytes;
    if (Status s = ReadFilePrefix(path, RadioImage::kSize + 1, bytes); !s) return s;
    if (bytes.size() != RadioImage::kSize)
        return Status::Error("\"" + path + "\" is not a radio file: it holds " +
                             (bytes.size() > RadioImage::kSize
                                  ? std::string("more than ") + std::to_string(RadioImage::kSize)
                                  : std::to_string(bytes.size())) +
                             " bytes, a radio file holds " + std::to_string(RadioImage::kSize) +
                             ".");
    std::copy(bytes.begin(), bytes.end(), image.Data());
    return Status::Ok();
}

Status SaveImageFile(const std::string& path, const RadioImage& image) {
    return WriteFileAtomically(path, image.Span(0, RadioImage::kSize));
}

}  // namespace dpmr
