// File > New (built-in defaults and "Default.dat"), Open and Save of radio
// files, on real files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "image/Document.h"
#include "support/TempDir.h"

namespace dpmr {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The built-in defaults written out from the defaults table, row by row, as
// the bytes the image must finally hold (later rows already applied).
struct Row {
    std::size_t off;
    const char* hex;
};
constexpr Row kDefaultRows[] = {
    {0x0000, "01 00 00 00"},
    {0x0300, "05 0A 0A 00"},
    {0x0307, "C1 00 00 00 00 00"},
    {0x0310, "00 05 0A"},
    {0x0318, "DF C5 FC 00"},
    {0x0320, "0A"},
    {0x0322, "09 00 00 00 00 00"},
    {0x0340, "01 00 14"},
    {0x0344, "1E"},
    {0x0347, "8C FF"},
    {0x034A, "00"},
    {0x0350, "00 00"},
    {0x0354, "0A 05 08 00"},
    {0x0360, "09 09 09 09 09 09 08"},
    {0x0368, "00 0A 0A"},
    {0x0370, "00 0A 05 0A"},
    {0x0378, "00 05 03 05"},
    {0x0388, "00 00 00 00 00 00 01"},
    {0x0398, "07 00 03 04 03 00 01 00"},
    {0x04B0, "09 09 09 09 09 09 00"},
    {0x04B8, "09 09 09 09 09 09 01"},
    {0x04C0, "40 05"},
    {0x0540, "00 00 00 00 00 00 01 01 4E 61 6D 65 20 31 FF FF"},
    {0x2000, "0A 01 01 01"},
    {0x2005, "00"},
    {0x2007, "01 0A 32"},
    {0x2030, "0E 04"},
    {0x2034, "0A"},
    {0x2037, "21"},
    {0x3FA0, "00 00 00 40 00 00 00 47"},
};
constexpr const char* kEmptyChannel =
    "FF FF FF FF FF FF FF FF FF FF FF FF 00 00 06 00 01 00 40 FF FF 00 01 FF FF FF FF FF FF FF FF "
    "FF";

void PutHex(Bytes& image, std::size_t off, const char* hex) {
    std::istringstream in(hex);
    unsigned b = 0;
    while (in >> std::hex >> b) image.at(off++) = static_cast<std::uint8_t>(b);
}

Bytes ExpectedDefaults() {
    Bytes image(RadioImage::kSize, 0xFF);
    for (std::size_t n = 0; n < 16; ++n) PutHex(image, 0x100 + 32 * n, kEmptyChannel);
    for (const Row& r : kDefaultRows) PutHex(image, r.off, r.hex);
    return image;
}

Bytes ImageBytes(const RadioImage& image) {
    return {image.Data(), image.Data() + RadioImage::kSize};
}

// Lists the differing offsets (at most a few) so a failure names the field.
std::string Differences(const Bytes& want, const Bytes& got) {
    std::ostringstream out;
    int shown = 0;
    for (std::size_t k = 0; k < want.size() && k < got.size() && shown < 8; ++k) {
        if (want[k] == got[k]) continue;
        out << std::hex << " @0x" << k << " want " << unsigned{want[k]} << " got "
            << unsigned{got[k]};
        ++shown;
    }
    return out.str();
}

Bytes Pattern(std::size_t size) {
    Bytes b(size);
    for (std::size_t k = 0; k < size; ++k) b[k] = static_cast<std::uint8_t>(k * 7 + k / 251);
    return b;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t EntryCount(const std::string& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
    return n;
}

// --- File > New -------------------------------------------------------------

TEST(DocumentNewTest, WithoutDefaultDatGivesTheDefaultsTable) {
    test::TempDir dir;
    RadioImage image;
    image.Fill(0, RadioImage::kSize, 0x00);  // New must overwrite everything
    NewImage(image, dir.path(), BandLimits{});
    const Bytes want = ExpectedDefaults();
    EXPECT_TRUE(ImageBytes(image) == want) << Differences(want, ImageBytes(image));
}

TEST(DocumentNewTest, OtherBandLandsInTheBandBytesOnly) {
    test::TempDir dir;
    RadioImage image;
    NewImage(image, dir.path(), BandLimits{13600000, 17400000});
    Bytes want = ExpectedDefaults();
    PutHex(want, 0x3FA0, "00 00 60 13 00 00 40 17");
    EXPECT_TRUE(ImageBytes(image) == want) << Differences(want, ImageBytes(image));
}

TEST(DocumentNewTest, DefaultDatOfAnySizeIsCopiedFromItsStart) {
    for (std::size_t size :
         {std::size_t{16384}, std::size_t{20000}, std::size_t{100}, std::size_t{0}}) {
        test::TempDir dir;
        const Bytes file = Pattern(size);
        WriteFile(dir.File("Default.dat"), file);
        RadioImage image;
        image.Fill(0, RadioImage::kSize, 0x00);
        NewImage(image, dir.path(), BandLimits{});
        Bytes want(RadioImage::kSize, 0xFF);
        std::copy_n(file.begin(), std::min(size, want.size()), want.begin());
        EXPECT_TRUE(ImageBytes(image) == want) << size << Differences(want, ImageBytes(image));
    }
}

TEST(DocumentNewTest, UnreadableDefaultDatFallsBackToDefaults) {
    test::TempDir dir;
    fs::create_directory(dir.File("Default.dat"));  // a folder, not a file
    RadioImage image;
    NewImage(image, dir.path(), BandLimits{});
    EXPECT_TRUE(ImageBytes(image) == ExpectedDefaults());
}

// --- Open -------------------------------------------------------------------

TEST(DocumentOpenTest, LoadsFirst16384BytesOfLongerFile) {
    test::TempDir dir;
    const Bytes file = Pattern(20000);
    WriteFile(dir.File("a.dat"), file);
    RadioImage image;
    ASSERT_TRUE(LoadImageFile(dir.File("a.dat"), image).ok());
    EXPECT_TRUE(ImageBytes(image) == Bytes(file.begin(), file.begin() + RadioImage::kSize));
}

TEST(DocumentOpenTest, BadFilesFailAndLeaveImageUnchanged) {
    test::TempDir dir;
    WriteFile(dir.File("short.dat"), Pattern(100));
    WriteFile(dir.File("one-short.dat"), Pattern(RadioImage::kSize - 1));
    WriteFile(dir.File("empty.dat"), {});
    fs::create_directory(dir.File("folder.dat"));
    struct Case {
        const char* name;
        const char* messagePart;
    };
    const Case cases[] = {{"short.dat", "nexpected file format"},
                          {"one-short.dat", "nexpected file format"},
                          {"empty.dat", "nexpected file format"},
                          {"folder.dat", "folder.dat"},
                          {"missing.dat", "missing.dat"}};
    for (const Case& c : cases) {
        RadioImage image;
        image.SetU8(0x123, 0x42);
        const RadioImage before = image;
        const Status s = LoadImageFile(dir.File(c.name), image);
        EXPECT_FALSE(s.ok()) << c.name;
        EXPECT_NE(s.message().find(c.messagePart), std::string::npos) << s.message();
        EXPECT_TRUE(image == before) << c.name;
    }
}

// --- Save -------------------------------------------------------------------

TEST(DocumentSaveTest, WritesExactlyTheImageAndNoLeftovers) {
    test::TempDir dir;
    RadioImage image;
    NewImage(image, dir.path(), BandLimits{});
    image.SetU8(0x3FFF, 0x5A);
    ASSERT_TRUE(SaveImageFile(dir.File("out.dat"), image).ok());
    const Bytes written = ReadFile(dir.File("out.dat"));
    EXPECT_EQ(written.size(), RadioImage::kSize);
    EXPECT_TRUE(written == ImageBytes(image));
    EXPECT_EQ(EntryCount(dir.path()), 1u);

    RadioImage again;
    ASSERT_TRUE(LoadImageFile(dir.File("out.dat"), again).ok());
    EXPECT_TRUE(again == image);
}

TEST(DocumentSaveTest, OverwriteKeepsPermissions) {
    for (fs::perms perms : {fs::perms::owner_read | fs::perms::owner_write,
                            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read}) {
        test::TempDir dir;
        WriteFile(dir.File("x.dat"), Pattern(10));
        fs::permissions(dir.File("x.dat"), perms);
        ASSERT_TRUE(SaveImageFile(dir.File("x.dat"), RadioImage{}).ok());
        EXPECT_EQ(fs::status(dir.File("x.dat")).permissions(), perms);
        EXPECT_EQ(fs::file_size(dir.File("x.dat")), RadioImage::kSize);
    }
}

TEST(DocumentSaveTest, FolderPathOrMissingFolderFailsCleanly) {
    test::TempDir dir;
    fs::create_directory(dir.File("sub"));
    WriteFile(dir.File("plain"), Pattern(5));
    for (const std::string& path :
         {dir.File("sub"), dir.File("nowhere/x.dat"), dir.File("plain/x.dat"), std::string()}) {
        const Status s = SaveImageFile(path, RadioImage{});
        EXPECT_FALSE(s.ok()) << path;
        EXPECT_FALSE(s.message().empty());
    }
    EXPECT_TRUE(fs::is_directory(dir.File("sub")));
    EXPECT_TRUE(fs::is_empty(dir.File("sub")));
    EXPECT_EQ(ReadFile(dir.File("plain")), Pattern(5));
    EXPECT_EQ(EntryCount(dir.path()), 2u);
}

// A write that fails part-way (here: the file size limit, which binds root
// too) keeps the old file and leaves no temporary file behind.
TEST(DocumentSaveTest, FailedWriteKeepsOldFileAndLeavesNoTemporary) {
    test::TempDir dir;
    const Bytes old = Pattern(RadioImage::kSize);
    WriteFile(dir.File("x.dat"), old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status s = SaveImageFile(dir.File("x.dat"), RadioImage{});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(s.ok());
    EXPECT_EQ(ReadFile(dir.File("x.dat")), old);
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(DocumentSaveTest, ReadOnlyFolderOrFileKeepsOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes through file permissions";
    test::TempDir dir;
    fs::create_directory(dir.File("ro"));
    WriteFile(dir.File("ro/x.dat"), Pattern(50));
    WriteFile(dir.File("locked.dat"), Pattern(60));
    fs::permissions(dir.File("locked.dat"), fs::perms::owner_read);
    fs::permissions(dir.File("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SaveImageFile(dir.File("ro/x.dat"), RadioImage{}).ok());
    EXPECT_FALSE(SaveImageFile(dir.File("locked.dat"), RadioImage{}).ok());
    fs::permissions(dir.File("ro"), fs::perms::owner_all);
    EXPECT_EQ(ReadFile(dir.File("ro/x.dat")), Pattern(50));
    EXPECT_EQ(ReadFile(dir.File("locked.dat")), Pattern(60));
    EXPECT_EQ(EntryCount(dir.File("ro")), 1u);
    EXPECT_EQ(EntryCount(dir.path()), 2u);
}

}  // namespace
}  // namespace dpmr
