// Channel record reset, emptiness tests and the scan membership bitmap.
#include "image/ChannelRecord.h"

namespace dpmr {

using namespace channel;

void ResetChannelRecord(RadioImage& image, int n) {
    const std::size_t r = RecordOffset(n);
    image.FillFF(r, layout::kChannelSize);
    image.SetBcd4(r + kOffset, 60000);
    image.SetU8(r + kFlags, 0x01);
    image.SetU8(r + kSignalling, 0x00);
    image.SetU8(r + kMode, 0x40);
    image.SetU8(r + kTxContact, 0x00);
    image.SetU8(r + kSameFrequency, 0x01);
}

bool IsChannelEmpty(const RadioImage& image, int n) {
    const std::uint8_t b = image.U8(RecordOffset(n) + kRxFreq + 3);
    return b == 0xFF || b == 0x00;
}

bool IsTxFrequencyEmpty(const RadioImage& image, int n) {
    const std::uint8_t b = image.U8(RecordOffset(n) + kTxFreq + 3);
    return b == 0xFF || b == 0x00;
}

void RebuildScanMembership(RadioImage& image, const BandLimits& band) {
    image.SetU8(layout::kScanBitmap, 0);
    image.SetU8(layout::kScanBitmap + 1, 0);
    for (int n = 1; n <= layout::kChannelCount; ++n) UpdateScanMembership(image, band, n);
}

void UpdateScanMembership(RadioImage& image, const BandLimits& band, int n) {
    const std::size_t r = RecordOffset(n);
    const bool member = !IsChannelEmpty(image, n) && image.Bit(r + kFlags, kScanBit) &&
                        band.Contains(image.Bcd4(r + kRxFreq));
    const auto byte = layout::kScanBitmap + static_cast<std::size_t>((n - 1) / 8);
    image.SetBit(byte, static_cast<unsigned>((n - 1) % 8), member);
}

}  // namespace dpmr
