// File > New (built-in defaults and "Default.dat"), Open and Save of radio
// files, on real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/Document.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kSize = RadioImage::kSize;

// The built-in defaults written out by hand from the defaults table, as the
// bytes the image must finally hold ("offset:" starts a run of bytes); the
// 16 channel records are empty and the band comes last.
constexpr const char* kDefaults =
    "0000: 01 00 00 00  0300: 05 0A 0A 00  0307: C1 00 00 00 00 00  0310: 00 05 0A "
    "0318: DF C5 FC 00  0320: 0A  0322: 09 00 00 00 00 00  0340: 01 00 14  0344: 1E "
    "0347: 8C FF  034A: 00  0350: 00 00  0354: 0A 05 08 00  0360: 09 09 09 09 09 09 08 "
    "0368: 00 0A 0A  0370: 00 0A 05 0A  0378: 00 05 03 05  0388: 00 00 00 00 00 00 01 "
    "0398: 07 00 03 04 03 00 01 00  04B0: 09 09 09 09 09 09 00  04B8: 09 09 09 09 09 09 01 "
    "04C0: 40 05  0540: 00 00 00 00 00 00 01 01 4E 61 6D 65 20 31 FF FF  2000: 0A 01 01 01 "
    "2005: 00  2007: 01 0A 32  2030: 0E 04  2034: 0A  2037: 21  3FA0: ";

std::string ExpectedDefaults(const char* band) {
    std::ostringstream hex;  // each empty channel record: a run from its byte +0x0C
    for (int n = 0; n < 16; ++n)
        hex << std::hex << 0x10C + 32 * n << ": 00 00 06 00 01 00 40 FF FF 00 01 ";
    hex << kDefaults << band;
    std::istringstream in(hex.str());
    std::string image(kSize, '\xFF');
    std::size_t off = 0;
    for (std::string token; in >> token;) {
        const auto v = std::stoul(token, nullptr, 16);
        if (token.back() == ':') off = v;
        if (token.back() != ':') image.at(off++) = static_cast<char>(v);
    }
    return image;
}

std::string Text(const RadioImage& image) {
    return {reinterpret_cast<const char*>(image.Data()), kSize};
}

// Where two images first differ (their size when they are equal), so that a
// failure names the field.
std::size_t FirstDifference(const std::string& want, const std::string& got) {
    return static_cast<std::size_t>(
        std::mismatch(want.begin(), want.end(), got.begin(), got.end()).first - want.begin());
}

std::string Pattern(std::size_t size) {
    std::string b(size, '\0');
    for (std::size_t k = 0; k < size; ++k) b[k] = static_cast<char>(k * 7 + k / 251);
    return b;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::ptrdiff_t EntryCount(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// New overwrites every byte. "Default.dat" of any length is copied from its
// start; without one, or with one that cannot be read (-1: a folder), the
// defaults table holds the band of the "Freq range" list.
TEST(DocumentNewTest, TakesDefaultDatOrTheDefaultsTableAndBand) {
    for (int size : {-2, -1, 16384, 20000, 100, 0}) {
        test::TempDir dir;
        if (size == -1) fs::create_directory(dir.File("Default.dat"));
        const std::string file = Pattern(static_cast<std::size_t>(std::max(size, 0)));
        if (size >= 0) std::ofstream(dir.File("Default.dat"), std::ios::binary) << file;
        RadioImage image;
        image.Fill(0, kSize, 0x00);
        NewImage(image, dir.path(), size == -1 ? BandLimits{13600000, 17400000} : BandLimits{});
        std::string want = (file + std::string(kSize, '\xFF')).substr(0, kSize);
        if (size == -2) want = ExpectedDefaults("00 00 00 40 00 00 00 47");
        if (size == -1) want = ExpectedDefaults("00 00 60 13 00 00 40 17");
        EXPECT_EQ(FirstDifference(want, Text(image)), kSize) << size;
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
    for (std::size_t size : {100u, 16383u, 0u}) {
        std::ofstream(dir.File("short.dat"), std::ios::binary) << Pattern(size);
        const Status s = LoadImageFile(dir.File("short.dat"), image);
        EXPECT_NE(s.message().find("nexpected file format"), std::string::npos) << size;
        EXPECT_TRUE(!s.ok() && Text(image) == Pattern(kSize)) << size;
    }
    image.SetU8(0x3FFF, 0x5A);
    ASSERT_TRUE(SaveImageFile(dir.File("x.dat"), image).ok());
    EXPECT_TRUE(ReadFile(dir.File("x.dat")) == Text(image));
    EXPECT_EQ(fs::status(dir.File("x.dat")).permissions(), fs::perms{0640});
    EXPECT_EQ(EntryCount(dir.path()), 2);  // x.dat and short.dat

    // A save that cannot start (a folder, a missing folder) or that fails
    // part-way (the file size limit, which binds root too) keeps the old file
    // and leaves no temporary file behind.
    fs::create_directory(dir.File("sub"));
    for (const std::string& path :
         {dir.File("sub"), dir.File("none/x.dat"), dir.File("x.dat/y"), std::string()})
        EXPECT_FALSE(SaveImageFile(path, RadioImage{}).message().empty()) << path;
    {
        test::FileSizeLimit full(1000);
        EXPECT_FALSE(SaveImageFile(dir.File("x.dat"), RadioImage{}).ok());
    }
    EXPECT_TRUE(ReadFile(dir.File("x.dat")) == Text(image));
    EXPECT_TRUE(fs::is_empty(dir.File("sub")));
    EXPECT_EQ(EntryCount(dir.path()), 3);
}

}  // namespace
}  // namespace dpmr
