// The demo configuration: File > New's built-in defaults with the 16 PMR446
// channels filled in, as the channel table would store them.
#include "link/SampleCodeplug.h"

#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "document/NewDocument.h"
#include "image/BandLimits.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "image/ImageLayout.h"

namespace dpmr {

namespace {

using channel::ChannelType;

struct SampleChannel {
    const char* rxTone;
    const char* txTone;
    ChannelType type;
    bool narrow;
    bool scan;
};

// Channels 1-8 analog FM, some with CTCSS or DCS squelch; 9-14 dPMR; 15-16
// mixed. PMR446 radios are low power, narrow band.
constexpr SampleChannel kChannels[layout::kChannelCount] = {
    {"None", "None", ChannelType::kAnalog, true, true},
    {"67.0", "67.0", ChannelType::kAnalog, true, true},
    {"88.5", "88.5", ChannelType::kAnalog, true, true},
    {"D023N", "D023N", ChannelType::kAnalog, true, true},
    {"100.0", "100.0", ChannelType::kAnalog, true, false},
    {"D754I", "D754I", ChannelType::kAnalog, true, true},
    {"None", "123.0", ChannelType::kAnalog, true, true},
    {"None", "None", ChannelType::kAnalog, true, false},
    {"None", "None", ChannelType::kDigit, true, true},
    {"None", "None", ChannelType::kDigit, true, true},
    {"None", "None", ChannelType::kDigit, true, true},
    {"None", "None", ChannelType::kDigit, true, true},
    {"None", "None", ChannelType::kDigit, true, false},
    {"None", "None", ChannelType::kDigit, true, false},
    {"None", "None", ChannelType::kMixedDigit, true, true},
    {"None", "None", ChannelType::kMixedAnalog, true, true},
};

// 446.00625 MHz, then 12.5 kHz steps (tens of Hz).
constexpr std::int64_t kFirstChannel = 44600625;
constexpr std::int64_t kChannelStep = 1250;

}  // namespace

RadioImage BuildSampleCodeplug() {
    RadioImage image;
    const BandLimits band;  // 400-470 MHz holds the PMR446 band
    StoreBuiltInDefaults(image, band);

    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const SampleChannel& c = kChannels[n - 1];
        const std::size_t rec = channel::RecordOffset(n);
        const std::int64_t freq = kFirstChannel + kChannelStep * (n - 1);
        ResetChannelRecord(image, n);
        SetBcdFrequency(image, rec + channel::kRxFreq, freq);
        SetBcdFrequency(image, rec + channel::kTxFreq, freq);
        WriteToneCode(image, rec + channel::kRxTone, ToneCodeFromText(c.rxTone));
        WriteToneCode(image, rec + channel::kTxTone, ToneCodeFromText(c.txTone));
        // Simplex: no offset, no shift, same frequency.
        image.SetBcd4(rec + channel::kOffset, 0);
        image.SetBits(rec + channel::kMode, channel::kOffsetDirectionLo, 2, 0);
        image.SetU8(rec + channel::kSameFrequency, 1);
        image.SetBit(rec + channel::kFlags, channel::kScanBit, c.scan);
        image.SetBit(rec + channel::kFlags, channel::kNarrowBit, c.narrow);
        image.SetBits(rec + channel::kFlags, channel::kPowerLo, 2, 0);  // low power
        image.SetBits(rec + channel::kMode, channel::kChannelTypeLo, 2,
                      static_cast<unsigned>(c.type));
        if (c.type != ChannelType::kAnalog) {
            image.SetU8(rec + channel::kTxContact, 1);  // "Name 1" of the defaults
        }
    }

    // A dPMR radio name, so that the check before a Write finds nothing.
    image.SetText(layout::kRadioName, 8, "PMR446");

    // What a store of the channel table leaves behind: the light bits, the
    // store marker, the short-message count (none), the band selector and the
    // scan membership.
    image.SetBit(layout::kToneLight2, 7, true);
    image.SetBit(layout::kToneLight, 7, true);
    image.SetU8(layout::kStoreMarker, 3);
    image.SetU8(layout::kShortMessageCount, 0);
    image.SetU8(layout::kBandSelector, 1);
    RebuildScanMembership(image, band);
    return image;
}

RadioImage LoadSampleCodeplug(const std::string& programFolder) {
    RadioImage image;
    if (LoadImageFile(programFolder + kSampleCodeplugFileName, image).ok()) return image;
    return BuildSampleCodeplug();
}

}  // namespace dpmr
