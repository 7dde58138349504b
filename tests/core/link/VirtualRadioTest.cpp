// The virtual radio on its own: sessions one after another, programs that open
// and close the line or leave mid-frame, memory files, pacing, and the shipped
// demo configuration.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "channels/ChannelRowText.h"
#include "core/link/LinkTestSupport.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "link/PosixSerialPort.h"
#include "link/SampleCodeplug.h"
#include "link/ServiceTransfers.h"
#include "support/TempDir.h"
#include "util/DecimalText.h"

namespace dpmr::test {
namespace {

using namespace std::chrono_literals;

TEST(VirtualRadio, ServesManyTransfersInARow) {
    auto radio = StartRadio();
    const LinkSettings link{radio->DevicePath(), 9600};
    const RadioImage written = PatternImage(33);
    TransferControl control;
    for (int i = 0; i < 3; ++i) {
        RadioImage image;
        ASSERT_TRUE(WriteToRadio(link, written, {}, control).succeeded()) << i;
        ASSERT_TRUE(ReadFromRadio(link, image, {}, control).succeeded()) << i;
        EXPECT_EQ(image.U8(0x1234), written.U8(0x1234));
        RadioImage service = written;
        ASSERT_TRUE(ReadSquelch(link, service).succeeded()) << i;
        ASSERT_TRUE(ReadAdjustment(link, service).succeeded()) << i;
    }
    EXPECT_EQ(radio->CompletedSessions(), 9);  // the adjustment reads end no session
}

TEST(VirtualRadio, RecoversFromAProgramThatLeftMidFrame) {
    auto radio = StartRadio();
    {
        PosixSerialPort port;
        ASSERT_TRUE(port.Open(radio->DevicePath(), 9600, TimeoutProfile::kProgramming));
        // Half a write request, then the program goes away.
        const std::uint8_t half[] = {'W', 0x01, 0x00, 0x20, 0x55, 0x55};
        port.Write(half, sizeof half);
    }
    std::this_thread::sleep_for(1200ms);
    RadioImage image;
    TransferControl control;
    EXPECT_TRUE(ReadFromRadio({radio->DevicePath(), 9600}, image, {}, control).succeeded());
}

TEST(VirtualRadio, SilenceLastsUntilTheNextWakeUp) {
    auto radio = StartRadio();
    radio->SetFaults({.silentAfterBlocks = 1});
    RadioImage image = PatternImage(4);
    TransferControl control;
    const LinkSettings link{radio->DevicePath(), 9600};
    EXPECT_EQ(WriteToRadio(link, image, {}, control).message, "Communication error");
    EXPECT_EQ(radio->CompletedSessions(), 0);  // the silent radio did not answer "ENDW"
    radio->SetFaults({});
    EXPECT_TRUE(ReadFromRadio(link, image, {}, control).succeeded());
}

TEST(VirtualRadio, PacedRadioTakesAtLeastTheWireTime) {
    auto radio = StartRadio({.paceBaud = 9600});
    RadioImage image = PatternImage(8);
    const auto start = std::chrono::steady_clock::now();
    const TransferResult r = ReadSquelch({radio->DevicePath(), 9600}, image);
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(r.succeeded()) << r.message;
    // Squelch read: 7+2+1+4+1+4+1+4 bytes out, 1+16+1+4+17+1+4+4+1+1 back.
    int bytes = 0;
    for (const WireFrame& f : radio->Traffic()) bytes += static_cast<int>(f.bytes.size());
    EXPECT_EQ(bytes, 24 + 50);
    EXPECT_GE(took, std::chrono::microseconds(bytes * 10'000'000LL / 9600));
}

TEST(SampleCodeplug, ShippedFileIsWhatTheBuilderMakes) {
    const RadioImage sample = BuildSampleCodeplug();
    RadioImage shipped;
    const std::string path = std::string(DPMR_SOURCE_DIR) + "/res/" + kSampleCodeplugFileName;
    ASSERT_TRUE(LoadImageFile(path, shipped).ok()) << path;
    EXPECT_EQ(shipped, sample);
}

TEST(SampleCodeplug, HoldsThe16Pmr446ChannelsOnTheDefaults) {
    const RadioImage sample = BuildSampleCodeplug();
    RadioImage defaults;
    StoreBuiltInDefaults(defaults, BandLimits{});
    for (int n = 1; n <= 16; ++n) {
        const ChannelRowTexts row = ChannelRowFromImage(sample, n);
        const std::string freq = FormatScaled(44600625 + 1250LL * (n - 1), 5);
        EXPECT_EQ(row[0], freq + "0") << n;
        EXPECT_EQ(row[1], row[0]) << n;
        EXPECT_EQ(row[4], "Low");
    }
    EXPECT_EQ(ChannelRowFromImage(sample, 2)[2], "67.0");
    EXPECT_EQ(ChannelRowFromImage(sample, 4)[3], "D023N");
    EXPECT_EQ(ChannelRowFromImage(sample, 9)[7], "Digit");
    // Outside the channels and the fields a table store writes, the defaults.
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        if (a >= layout::kChannels && a < layout::kChannels + 16 * 32) continue;
        if (a == layout::kToneLight || a == layout::kToneLight2 || a == layout::kScanBitmap ||
            a == layout::kScanBitmap + 1 || a == layout::kShortMessageCount ||
            a == layout::kBandSelector || a == layout::kStoreMarker) {
            continue;
        }
        ASSERT_EQ(sample.U8(a), defaults.U8(a)) << a;
    }
    EXPECT_EQ(sample.U8(layout::kScanBitmap), 0b0110'1111);
    EXPECT_EQ(sample.U8(layout::kScanBitmap + 1), 0b1100'1111);
}

}  // namespace
}  // namespace dpmr::test
