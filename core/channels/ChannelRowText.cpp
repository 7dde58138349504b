// Decoding of one channel record into the channel table's texts.
#include "channels/ChannelRowText.h"

#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "channels/ToneCodec.h"

namespace dpmr {

using namespace channel;

ChannelRowTexts ChannelRowFromImage(const RadioImage& image, int n) {
    ChannelRowTexts row;
    if (IsChannelEmpty(image, n)) return row;
    const std::size_t r = RecordOffset(n);
    row[0] = FrequencyToText(BcdFrequency(image, r + kRxFreq));
    if (!IsTxFrequencyEmpty(image, n)) row[1] = FrequencyToText(BcdFrequency(image, r + kTxFreq));
    row[2] = ToneCodeToText(ReadToneCode(image, r + kRxTone));
    row[3] = ToneCodeToText(ReadToneCode(image, r + kTxTone));
    row[4] = kPowerTexts[image.Bits(r + kFlags, kPowerLo, 2) == 3 ? 1 : 0];
    row[5] = kScanTexts[image.Bit(r + kFlags, kScanBit) ? 0 : 1];
    row[6] = kBandwidthTexts[image.Bit(r + kFlags, kNarrowBit) ? 1 : 0];
    row[7] = kChannelTypeTexts[image.Bits(r + kMode, kChannelTypeLo, 2)];
    return row;
}

}  // namespace dpmr
