// ChannelTable: the channel table presenter on a fresh image, as the program
// has it: a settings file listing the bands, the image's band bytes set, and
// channels put into the records the way the radio holds them.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "channels/ChannelTablePresenter.h"
#include "codec/FrequencyCodec.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"

namespace dpmr::test {

struct ChannelTable {
    // Band lower..upper (tens of Hz) in the image; the settings list
    // 400-470, 136-174 and 350-390 MHz.
    explicit ChannelTable(std::int32_t lower = 40000000, std::int32_t upper = 47000000) {
        std::ofstream(dir.File("Program.ini"))
            << "[Setup]\nFreqRange=400-470MHz;136-174MHz;350-390MHz\n";
        settings.programFolder = dir.path();
        settings.settingsPath = dir.File("Program.ini");
        image.SetBcd4(layout::kTableBandLower, static_cast<std::uint32_t>(lower));
        image.SetBcd4(layout::kTableBandUpper, static_cast<std::uint32_t>(upper));
        table.SelectBandFromImage();
    }

    // Channel n receiving on `rx` and sending on `tx` (tens of Hz; 0: no Tx),
    // with the record's other bytes as a reset leaves them, and the table
    // rebuilt.
    void PutChannel(int n, std::int64_t rx, std::int64_t tx) {
        ResetChannelRecord(image, n);
        SetBcdFrequency(image, channel::RecordOffset(n) + channel::kRxFreq, rx);
        SetBcdFrequency(image, channel::RecordOffset(n) + channel::kTxFreq, tx);
        table.LoadImageToGrid();
    }

    std::string Row(int n) const {
        std::string out;
        for (int c = 1; c <= 8; ++c) out += (c > 1 ? "|" : "") + table.Cell(n, c);
        return out;
    }

    TempDir dir;
    RadioImage image;
    BandLimits band;
    AppSettings settings;
    ChannelTablePresenter table{image, band, settings};
};

}  // namespace dpmr::test
