// File > New (built-in defaults and "Default.dat"), Open and Save of radio
// files, on real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
            EXPECT_EQ(image.Bcd4(0x3FA0), size == -1 ? 13600000u : 40000000u);
            EXPECT_EQ(image.Bcd4(0x3FA4), size == -1 ? 17400000u : 47000000u);
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

}  // namespace
}  // namespace dpmr
