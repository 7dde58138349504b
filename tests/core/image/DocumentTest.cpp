// File > New (built-in defaults and "Default.dat"), Open and Save of radio
// files, on real files in a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "document/NewDocument.h"
#include "image/Document.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kSize = RadioImage::kSize;

std::string Text(const RadioImage& image) {
    return {reinterpret_cast<const char*>(image.Data()), kSize};
}

std::string Pattern(std::size_t size) {
    std::string b(size, '\0');
    for (std::size_t k = 0; k < size; ++k) b[k] = static_cast<char>(k * 7 + k / 251);
    return b;
}

std::ptrdiff_t EntryCount(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// The built-in defaults byte for byte, every other byte 0xFF: each row is an
// offset and the bytes from there (channel records reset, the settings, the
// header, DTMF, scan, alarm, dPMR identities, contact 1, the band).
RadioImage DefaultsTable(const BandLimits& band) {
    const std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> rows{
        {0x0300, {0x05, 0x0A, 0x0A, 0x00}},
        {0x0307, {0xC1, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {0x0310, {0x00, 0x05, 0x0A}},
        {0x0318, {0xDF, 0xC5, 0xFC, 0x00}},
        {0x0320, {0x0A, 0xFF, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {0x0000, {0x01, 0x00, 0x00, 0x00}},
        {0x2000, {0x0A, 0x01, 0x01, 0x01, 0xFF, 0x00, 0xFF, 0x01, 0x0A, 0x32}},
        {0x2030, {0x0E, 0x04, 0xFF, 0xFF, 0x0A, 0xFF, 0xFF, 0x21}},
        {0x0340, {0x01, 0x00, 0x14, 0xFF, 0x1E, 0xFF, 0xFF, 0x8C, 0xFF, 0xFF, 0x00}},
        {0x0350, {0x00, 0x00, 0xFF, 0xFF, 0x0A, 0x05, 0x08, 0x00}},
        {0x0360, {9, 9, 9, 9, 9, 9, 8}},
        {0x0368, {0x00, 0x0A, 0x0A}},
        {0x0370, {0x00, 0x0A, 0x05, 0x0A}},
        {0x0378, {0x00, 0x05, 0x03, 0x05}},
        {0x0388, {0, 0, 0, 0, 0, 0, 1}},
        {0x0398, {0x07, 0x00, 0x03, 0x04, 0x03, 0x00, 0x01, 0x00}},
        {0x04B0, {9, 9, 9, 9, 9, 9, 0, 0xFF, 9, 9, 9, 9, 9, 9, 1}},
        {0x04C0, {0x40, 0x05}},
        {0x0540, {0, 0, 0, 0, 0, 0, 1, 1, 'N', 'a', 'm', 'e', ' ', '1'}},
    };
    RadioImage image;
    image.FillFF(0, kSize);
    for (int n = 1; n <= 16; ++n) {
        const std::size_t r = 0x0100 + 32 * static_cast<std::size_t>(n - 1);
        // The reset pattern of each record, +0x0C to +0x16.
        for (auto [k, b] : {std::pair<std::size_t, std::uint8_t>{0x0C, 0x00},
                            {0x0D, 0x00},
                            {0x0E, 0x06},
                            {0x0F, 0x00},
                            {0x10, 0x01},
                            {0x11, 0x00},
                            {0x12, 0x40},
                            {0x15, 0x00},
                            {0x16, 0x01}})
            image.SetU8(r + k, b);
    }
    for (const auto& [at, bytes] : rows)
        for (std::size_t k = 0; k < bytes.size(); ++k) image.SetU8(at + k, bytes[k]);
    image.SetBcd4(0x3FA0, static_cast<std::uint32_t>(band.lower));
    image.SetBcd4(0x3FA4, static_cast<std::uint32_t>(band.upper));
    return image;
}

// New overwrites every byte, whatever the image held. "Default.dat" of any
// length is copied from its start; without one, or with one that cannot be
// read (-1: a folder), the defaults table holds the band of the "Freq range"
// list.
TEST(DocumentNewTest, TakesDefaultDatOrTheDefaultsTableAndBand) {
    for (int size : {-2, -1, 16384, 20000, 100, 0}) {
        test::TempDir dir;
        if (size == -1) fs::create_directory(dir.File("Default.dat"));
        const std::string file = Pattern(static_cast<std::size_t>(std::max(size, 0)));
        if (size >= 0) std::ofstream(dir.File("Default.dat"), std::ios::binary) << file;
        const BandLimits band = size == -1 ? BandLimits{13600000, 17400000} : BandLimits{};
        RadioImage image;
        image.Fill(0, kSize, 0x00);  // whatever it held
        NewImage(image, dir.path(), band);
        if (size >= 0) {
            EXPECT_EQ(Text(image), (file + std::string(kSize, '\xFF')).substr(0, kSize));
        } else {
            const std::string want = Text(DefaultsTable(band)), got = Text(image);
            const auto [w, g] = std::ranges::mismatch(want, got);
            EXPECT_TRUE(w == want.end()) << "first difference at " << (w - want.begin());
        }
    }
}

// Open takes the first 16384 bytes of a longer file; a shorter one fails and
// leaves the image as it was. Save replaces the file with exactly the image,
// keeps its permissions (neither the temporary file's nor a fixed mode) and
// leaves nothing beside it.
TEST(DocumentFileTest, OpenAndSave) {
    test::TempDir dir;
    std::ofstream(dir.File("x.dat"), std::ios::binary) << Pattern(20000);
    fs::permissions(dir.File("x.dat"), fs::perms{0640});
    RadioImage image;
    ASSERT_TRUE(LoadImageFile(dir.File("x.dat"), image).ok());
    EXPECT_EQ(Text(image), Pattern(kSize));
    for (std::size_t size : {16383u, 0u}) {
        std::ofstream(dir.File("short.dat"), std::ios::binary) << Pattern(size);
        const Status s = LoadImageFile(dir.File("short.dat"), image);
        EXPECT_NE(s.message().find("nexpected file format"), std::string::npos) << size;
        EXPECT_TRUE(!s.ok() && Text(image) == Pattern(kSize)) << size;
    }
    image.SetU8(0x3FFF, 0x5A);
    ASSERT_TRUE(SaveImageFile(dir.File("x.dat"), image).ok());
    EXPECT_TRUE(test::FileText(dir.File("x.dat")) == Text(image));
    EXPECT_EQ(fs::status(dir.File("x.dat")).permissions(), fs::perms{0640});
    EXPECT_EQ(EntryCount(dir.path()), 2);  // x.dat and short.dat

    // A save that cannot start (a folder, a missing folder) or that fails
    // part-way (the file size limit, which binds root too) keeps the old file
    // and leaves no temporary file behind.
    fs::create_directory(dir.File("sub"));
    for (const std::string& path : {dir.File("sub"), dir.File("none/x.dat")})
        EXPECT_FALSE(SaveImageFile(path, RadioImage{}).message().empty()) << path;
    {
        test::FileSizeLimit full(1000);
        EXPECT_FALSE(SaveImageFile(dir.File("x.dat"), RadioImage{}).ok());
    }
    EXPECT_TRUE(test::FileText(dir.File("x.dat")) == Text(image));
    EXPECT_TRUE(fs::is_empty(dir.File("sub")));
    EXPECT_EQ(EntryCount(dir.path()), 3);
}

// A file longer than a radio image loads its first 16384 bytes, and its
// stamp tells its whole size (which Open says); one past 1 MiB, a 2 GB sparse
// file too, is refused with its size in the words of both programs and leaves
// the image as it was, as the loader of dpmrtool refuses any other size.
TEST(DocumentFileTest, LongAndFarTooLongFiles) {
    test::TempDir dir;
    const std::string path = dir.File("long.dat");
    RadioImage image;
    for (const std::uint64_t size : {kSize + 1, std::uint64_t{20000}, kMaxImageFileBytes}) {
        std::ofstream(path, std::ios::binary) << Pattern(size);
        FileStamp stamp;
        ASSERT_TRUE(LoadImageFile(path, image, &stamp).ok()) << size;
        EXPECT_EQ(Text(image), Pattern(kSize)) << size;
        EXPECT_EQ(stamp.size, size);
        EXPECT_TRUE(stamp.SameContentAs(FileStamp::OfFile(path))) << size;
        EXPECT_EQ(LoadExactImageFile(path, image).message(), NotARadioFileMessage(path, size));
    }
    EXPECT_EQ(LongerThanImageNote(path, 20000),
              "long.dat holds 20000 bytes, more than a radio image: only its first 16384 bytes "
              "are loaded, and the rest is not kept.");
    image.Fill(0, kSize, 0x11);
    for (const std::uint64_t size : {kMaxImageFileBytes + 1, std::uint64_t{2} << 30}) {
        std::ofstream{path};
        fs::resize_file(path, size);
        const Status s = LoadImageFile(path, image);
        EXPECT_EQ(s.message(), "\"" + path + "\" is not a radio file: it holds " +
                                   std::to_string(size) + " bytes; a radio file holds 16384.");
        EXPECT_EQ(LoadExactImageFile(path, image).message(), s.message());
        EXPECT_EQ(Text(image), std::string(kSize, '\x11')) << size;
    }
    std::ofstream(path, std::ios::binary) << Pattern(100);
    EXPECT_EQ(LoadExactImageFile(path, image).message(), NotARadioFileMessage(path, 100));
}

}  // namespace
}  // namespace dpmr
