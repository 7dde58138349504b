// The built-in defaults and File > New.
#include "document/NewDocument.h"

#include <initializer_list>
#include <vector>

#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "util/FileIo.h"

namespace dpmr {

namespace {

void Put(RadioImage& image, std::size_t off, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) image.SetU8(off++, b);
}

// A digit string such as "9999998", one symbol a byte.
void PutDigits(RadioImage& image, std::size_t off, const char* digits) {
    for (; *digits; ++digits) image.SetU8(off++, static_cast<std::uint8_t>(*digits - '0'));
}

}  // namespace

void StoreBuiltInDefaults(RadioImage& image, const BandLimits& band) {
    for (int n = 1; n <= layout::kChannelCount; ++n) ResetChannelRecord(image, n);
    Put(image, 0x0300, {0x05, 0x0A, 0x0A, 0x00});
    Put(image, 0x0307, {0xC1});
    Put(image, 0x0308, {0x00, 0x00, 0x00, 0x00, 0x00});
    Put(image, 0x0310, {0x00, 0x05, 0x0A});
    Put(image, 0x0318, {0xDF, 0xC5, 0xFC, 0x00});
    Put(image, 0x0320, {0x0A});
    Put(image, 0x0322, {0x09, 0x00, 0x00, 0x00, 0x00, 0x00});
    Put(image, layout::kHeader, {0x01, 0x00, 0x00, 0x00});
    Put(image, 0x2000, {0x0A, 0x01, 0x01, 0x01});
    Put(image, 0x2005, {0x00});
    Put(image, 0x2007, {0x01, 0x0A, 0x32});
    Put(image, 0x2030, {0x0E});
    Put(image, 0x2031, {0x04});
    Put(image, 0x2034, {0x0A});
    Put(image, 0x2037, {0x21});
    Put(image, 0x0340, {0x01, 0x00, 0x14});
    Put(image, 0x0344, {0x1E});
    Put(image, 0x0347, {0x8C});
    Put(image, 0x0348, {0xFF});
    Put(image, 0x034A, {0x00});
    Put(image, 0x0350, {0x00});
    Put(image, 0x0351, {0x00});
    Put(image, 0x0354, {0x0A, 0x05, 0x08, 0x00});
    Put(image, 0x0368, {0x00, 0x0A, 0x0A});
    Put(image, 0x0370, {0x00, 0x0A, 0x05, 0x0A});
    Put(image, 0x0378, {0x00, 0x19, 0x01});
    PutDigits(image, 0x0360, "9999998");
    PutDigits(image, 0x0388, "0000001");
    Put(image, 0x0398, {0x07, 0x00, 0x03, 0x04, 0x03, 0x00, 0x01, 0x00});
    PutDigits(image, 0x04B0, "9999990");
    PutDigits(image, 0x04B8, "9999991");
    image.SetU16Le(layout::kContactIndex, static_cast<std::uint16_t>(layout::kContactRecords));
    PutDigits(image, layout::kContactRecords, "0000001");
    Put(image, layout::kContactRecords + 7, {0x01});
    image.SetText(layout::kContactRecords + 8, 8, "Name 1");
    image.SetBcd4(layout::kTableBandLower, static_cast<std::uint32_t>(band.lower));
    image.SetBcd4(layout::kTableBandUpper, static_cast<std::uint32_t>(band.upper));
    Put(image, 0x0379, {0x05, 0x03, 0x05});
}

void NewImage(RadioImage& image, const std::string& programFolder, const BandLimits& band) {
    image.FillFF(0, RadioImage::kSize);
    std::vector<std::uint8_t> bytes;
    if (ReadFilePrefix(programFolder + "Default.dat", RadioImage::kSize, bytes).ok()) {
        std::copy(bytes.begin(), bytes.end(), image.Data());
        return;
    }
    StoreBuiltInDefaults(image, band);
}

}  // namespace dpmr
