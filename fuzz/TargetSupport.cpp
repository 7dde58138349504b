// The radio files, settings and checks the fuzz targets share.
#include "TargetSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ProjectPaths.h"
#include "dpmr/ContactCsv.h"
#include "dpmr/GroupListCsv.h"
#include "link/SampleCodeplug.h"

namespace dpmr::fuzz {

const AppSettings& ShippedSettings() {
    static const AppSettings settings = LoadAppSettings(SourceDir() + "/res/");
    return settings;
}

namespace {

RadioImage DemoWithLists() {
    RadioImage image = BuildSampleCodeplug();
    const bool added =
        ImportContactsCsv(image,
                          "Name,Number,Type\n"
                          "Base,0000101,Single call\n"
                          "Car 2,0000102,Single call\n"
                          "Team,0000200,Group call\n"
                          "All,*,Group call\n"
                          "Rescue,0000300,Group call\n")
            .ok() &&
        ImportGroupListsCsv(image,
                            "List,Member1,Member2,Member3,Member4,Member5,Member6,Member7,Member8\n"
                            "1,Team,All,,,,,,\n"
                            "2,Rescue,,,,,,,\n"
                            "16,All,Rescue,Team,,,,,\n")
            .ok();
    Expect(added, "the demo codeplug's lists cannot be set");
    return image;
}

}  // namespace

const RadioImage& DemoImage() {
    static const RadioImage image = DemoWithLists();
    return image;
}

RadioImage ImageFromInput(const std::uint8_t* data, std::size_t size) {
    RadioImage image = DemoImage();
    std::copy_n(data, std::min(size, RadioImage::kSize), image.Data());
    return image;
}

void Expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

void ExpectSameImage(const RadioImage& expected, const RadioImage& actual, const char* what) {
    if (expected == actual) return;
    int shown = 0;
    for (std::size_t off = 0; off < RadioImage::kSize && shown < 16; ++off) {
        if (expected.U8(off) == actual.U8(off)) continue;
        std::fprintf(stderr, "0x%04zX: %02X -> %02X\n", off, expected.U8(off), actual.U8(off));
        ++shown;
    }
    Expect(false, what);
}

}  // namespace dpmr::fuzz
