// The programming Read and Write against the virtual radio over a real
// pseudo-terminal: the exact wire sequence, every failure row, the shared
// wake-up retry counter, cancel, the band-edge fill and the image guarantees.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "core/link/LinkTestSupport.h"
#include "image/ImageLayout.h"
#include "link/ProgramTransfer.h"
#include "support/TempDir.h"

namespace dpmr::test {
namespace {

struct Outcome {
    TransferResult result;
    std::vector<WireFrame> traffic;
};

Outcome Transfer(VirtualRadio& radio, bool read, RadioImage& image,
                 const ProgressCallback& progress = {}, TransferControl* control = nullptr) {
    TransferControl local;
    TransferControl& c = control ? *control : local;
    radio.ClearTraffic();
    const LinkSettings link{radio.DevicePath(), 9600};
    Outcome out;
    out.result =
        read ? ReadFromRadio(link, image, progress, c) : WriteToRadio(link, image, progress, c);
    out.traffic = radio.Traffic();
    return out;
}

// Addresses the three ranges move (plus the closing block when `closing`).
bool Moved(std::size_t a, bool closing) {
    return (a >= 0x0100 && a < (closing ? 0x2180u : 0x2160u)) || (a >= 0x2178 && a < 0x3E30) ||
           a >= 0x3E50;
}

TEST(TransferBlocks, RangesCutAtThe32ByteBoundaries) {
    const auto blocks = SplitIntoBlocks(ProgramRanges());
    ASSERT_EQ(blocks.size(), 504u);
    std::size_t bytes = 0;
    for (const TransferBlock& b : blocks) {
        ASSERT_TRUE(b.length >= 1 && b.length <= 32);
        EXPECT_EQ(b.address / 32, (b.address + b.length - 1) / 32) << b.address;
        bytes += b.length;
    }
    EXPECT_EQ(bytes, 8288u + 7352u + 432u);
    EXPECT_EQ(blocks[258], (TransferBlock{0x2140, 32}));
    EXPECT_EQ(blocks[259], (TransferBlock{0x2178, 8}));
    EXPECT_EQ(blocks[489], (TransferBlock{0x3E20, 16}));
    EXPECT_EQ(blocks[490], (TransferBlock{0x3E50, 16}));
    EXPECT_EQ(SplitIntoBlocks({{0x45, 0x47}}), (std::vector<TransferBlock>{{0x45, 2}}));
    // The percentage is truncated: 1% only after the sixth block.
    for (auto [done, percent] : {std::pair{5, 0}, {6, 1}, {503, 99}, {504, 100}}) {
        EXPECT_EQ(ProgressPercent(done, 504), percent) << done;
    }
    EXPECT_EQ(ProgressPercent(1, 0), 0);
}

TEST(BandEdges, StoredAsBcdTensOfHzAndClampedToEightDigits) {
    for (auto [mhz, stored] : {std::pair<std::uint16_t, std::uint32_t>{0, 0},
                               {136, 13600000},
                               {999, 99900000},
                               {1000, 99999999},
                               {42950, 99999999},
                               {65535, 99999999}}) {
        RadioImage image;
        StoreRadioBandEdges(image, mhz, 470);
        EXPECT_EQ(image.Bcd4(layout::kRadioBandLower), stored) << mhz;
        EXPECT_EQ(image.Bcd4(layout::kRadioBandUpper), 47000000u);
    }
    RadioImage image;
    StoreRadioBandEdges(image, 400, 470);
    EXPECT_EQ(image.U8(0x3F80), 0x00);
    EXPECT_EQ(image.U8(0x3F83), 0x40);
}

class ProgramTransfer : public ::testing::Test {
  protected:
    void SetUp() override {
        radio_ = StartRadio({.bandLowMhz = 136, .bandHighMhz = 174});
        radioMemory_ = PatternImage(3);
        radioMemory_.SetU8(layout::kRadioBandLower + 3, 0x01);  // radio holds band limits
        radio_->SetMemory(radioMemory_);
        original_ = PatternImage(91);
    }
    std::unique_ptr<VirtualRadio> radio_;
    RadioImage radioMemory_;
    RadioImage original_;
};

TEST_F(ProgramTransfer, ReadAndWritePutTheExactSequenceOnTheWire) {
    for (const bool read : {true, false}) {
        radio_->SetMemory(radioMemory_);
        RadioImage image = original_;
        std::vector<int> progress;
        TransferControl control;
        bool busyDuringTransfer = true;
        const Outcome run = Transfer(
            *radio_, read, image,
            [&](int done, int total) {
                EXPECT_EQ(total, 504);
                progress.push_back(done);
                busyDuringTransfer = busyDuringTransfer && control.busy;
            },
            &control);
        ASSERT_TRUE(run.result.succeeded()) << run.result.message;
        EXPECT_TRUE(run.result.message.empty());

        std::vector<WireFrame> expected;
        const Bytes identity = IdentityBlock(136, 174);
        AppendOpening(expected, identity);
        AppendRead(expected, radioMemory_, 0x2160, 32);
        AppendOpening(expected, identity);
        for (const TransferBlock& b : SplitIntoBlocks(ProgramRanges())) {
            if (read) AppendRead(expected, radioMemory_, b.address, b.length);
            if (!read) AppendWrite(expected, image, b.address, b.length);
        }
        if (!read) AppendWrite(expected, image, 0x2160, 32);  // the closing block
        expected.push_back(To(read ? kEndR : kEndW));
        expected.push_back(From({'A'}));
        ASSERT_EQ(run.traffic.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(run.traffic[i], expected[i]) << "frame " << i;
        }

        // Read: the ranges replaced, the rest as before. Write: the radio got
        // the ranges and the closing block, never the header, the adjustment
        // area or 0x3E30-0x3E4F.
        const RadioImage after = radio_->Memory();
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            const std::uint8_t want = read ? (Moved(a, false) ? radioMemory_ : original_).U8(a)
                                           : (Moved(a, true) ? image : radioMemory_).U8(a);
            ASSERT_EQ((read ? image : after).U8(a), want) << a;
        }
        ASSERT_EQ(progress.size(), 504u);
        EXPECT_EQ(progress.back(), 504);
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        EXPECT_TRUE(busyDuringTransfer);
        EXPECT_FALSE(control.busy);
    }
    EXPECT_EQ(radio_->CompletedSessions(), 2);

    // A stop asked for before the first block is kept: the transfer ends after
    // its first block of the loop.
    TransferControl early;
    early.cancelRequested = true;
    int calls = 0;
    RadioImage image = original_;
    const Outcome run = Transfer(*radio_, true, image, [&](int, int) { ++calls; }, &early);
    EXPECT_TRUE(run.result.cancelled());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(image, original_);
}

struct FailureRow {
    const char* name;
    bool read;
    VirtualRadioFaults faults;
    Bytes endFrame;  // empty: no end frame may be sent
};

class ProgramFailure : public ::testing::TestWithParam<FailureRow> {};

TEST_P(ProgramFailure, EndsWithCommunicationErrorAndLeavesTheImage) {
    const FailureRow& row = GetParam();
    auto radio = StartRadio();
    radio->SetMemory(PatternImage(5));
    radio->SetFaults(row.faults);
    RadioImage image = PatternImage(77);
    const Outcome run = Transfer(*radio, row.read, image);
    EXPECT_TRUE(run.result.failed());
    EXPECT_EQ(run.result.message, "Communication error");
    EXPECT_EQ(image, PatternImage(77));
    if (row.endFrame.empty()) {
        EXPECT_EQ(CountFrames(run.traffic, kEndR) + CountFrames(run.traffic, kEndW), 0);
    } else {
        EXPECT_EQ(SentToRadio(run.traffic).back(), row.endFrame);
        EXPECT_EQ(CountFrames(run.traffic, row.endFrame), 1);
    }
}

const std::set<int> kFourAttempts = {1, 2, 3, 4};

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramFailure,
    ::testing::Values(
        FailureRow{"FourthWrongWakeAnswer", true, {.wrongWakeAnswers = kFourAttempts}, {}},
        FailureRow{"FourMissingWakeAnswers", false, {.missingWakeAnswers = kFourAttempts}, {}},
        FailureRow{"ShortIdentity", true, {.shortIdentities = {1}}, {}},
        FailureRow{"ShortIdentitySecondPass", false, {.shortIdentities = {2}}, {}},
        FailureRow{"OpeningAckWrong", true, {.badOpeningAcks = {1}}, {}},
        FailureRow{"FirstPassBlockShortOnRead", true, {.shortReadAt = 0x2160}, kEndR},
        FailureRow{"FirstPassBlockShortOnWrite", false, {.shortReadAt = 0x2160}, kEndR},
        FailureRow{"FirstPassBlockNotAcknowledged", false, {.nakReadAt = 0x2160}, kEndR},
        FailureRow{"ReadBlockShort", true, {.shortReadAt = 0x1000}, kEndR},
        FailureRow{"ReadBlockNotAcknowledged", true, {.nakReadAt = 0x3FE0}, kEndR},
        FailureRow{"WriteBlockNotAcknowledged", false, {.nakWriteAt = 0x2178}, kEndW},
        FailureRow{"ClosingBlockNotAcknowledged", false, {.nakWriteAt = 0x2160}, kEndW},
        FailureRow{"RadioFallsSilentDuringRead", true, {.silentAfterBlocks = 260}, kEndR},
        FailureRow{"RadioFallsSilentDuringWrite", false, {.silentAfterBlocks = 300}, kEndW}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

TEST(ProgramOpen, PortThatCannotBeOpenedLeavesEverythingAlone) {
    TempDir dir;
    std::ofstream(dir.File("plain.dat")) << "not a port";
    RadioImage image = PatternImage(1);
    TransferControl control;
    for (const std::string& port :
         {dir.File("no-such-device"), std::string(), dir.File("plain.dat")}) {
        for (const bool read : {true, false}) {
            const TransferResult r = read ? ReadFromRadio({port, 9600}, image, {}, control)
                                          : WriteToRadio({port, 9600}, image, {}, control);
            EXPECT_TRUE(r.failed());
            EXPECT_EQ(r.message, "Cound not open the port.") << port;
        }
    }
    EXPECT_EQ(image, PatternImage(1));
    EXPECT_EQ(ReadWholeFile(dir.File("plain.dat")), "not a port");
    EXPECT_FALSE(control.busy);
}

TEST_F(ProgramTransfer, ThreeWrongWakeAnswersAreToleratedOverTheWholeTransfer) {
    // Wrong, missing, wrong in the first pass; the fourth attempt answers.
    radio_->SetFaults({.wrongWakeAnswers = {1, 3}, .missingWakeAnswers = {2}});
    RadioImage image = original_;
    Outcome run = Transfer(*radio_, true, image);
    ASSERT_TRUE(run.result.succeeded()) << run.result.message;
    EXPECT_EQ(CountFrames(run.traffic, {0x02}), 5);  // 4 in the first pass, 1 in the second
    EXPECT_EQ(image.U8(0x0100), radioMemory_.U8(0x0100));

    // Three used up in the first pass leave none for the second.
    radio_->SetFaults({.wrongWakeAnswers = {1, 2, 3, 5}});
    image = original_;
    run = Transfer(*radio_, true, image);
    EXPECT_EQ(run.result.message, "Communication error");
    EXPECT_EQ(CountFrames(run.traffic, {0x02}), 5);
    EXPECT_EQ(CountFrames(run.traffic, {'R', 0x21, 0x60, 0x20}), 1);  // first pass done
    EXPECT_EQ(image, original_);

    // The counter starts again with each transfer.
    radio_->SetFaults({.wrongWakeAnswers = {1, 3, 4, 6, 7}});
    EXPECT_TRUE(Transfer(*radio_, false, image).result.succeeded());
    EXPECT_TRUE(Transfer(*radio_, false, image).result.succeeded());
}

TEST_F(ProgramTransfer, CancelSendsTheEndFrameAndKeepsTheImage) {
    for (const bool read : {true, false}) {
        TransferControl control;
        int calls = 0;
        const auto progress = [&](int done, int) {
            ++calls;
            if (done == 100) control.cancelRequested = true;
        };
        RadioImage image = original_;
        const Outcome run = Transfer(*radio_, read, image, progress, &control);
        EXPECT_TRUE(run.result.cancelled()) << read;
        EXPECT_TRUE(run.result.message.empty());
        EXPECT_EQ(calls, 100);
        EXPECT_EQ(image, original_);
        EXPECT_EQ(SentToRadio(run.traffic).back(), read ? kEndR : kEndW);
        EXPECT_EQ(run.traffic.back(), From({'A'}));  // the final byte was read
    }
    EXPECT_EQ(radio_->CompletedSessions(), 2);
}

TEST_F(ProgramTransfer, BandEdgesAreFilledOnlyWhenTheImageHasNone) {
    const struct {
        std::uint32_t heldLow;  // 0: the radio holds none (0xFF)
        std::uint16_t reportedHigh;
        std::uint32_t low, high;
    } cases[] = {{0, 174, 13600000, 17400000},
                 {0, 65535, 13600000, 99999999},  // hostile radio: no overflow
                 {44600000, 174, 44600000, 44620000}};
    for (const auto& c : cases) {
        radioMemory_.FillFF(layout::kRadioBandLower, 8);
        if (c.heldLow != 0) {
            radioMemory_.SetBcd4(layout::kRadioBandLower, c.heldLow);
            radioMemory_.SetBcd4(layout::kRadioBandUpper, 44620000);
        }
        radio_->SetMemory(radioMemory_);
        radio_->SetBandEdges(136, c.reportedHigh);
        RadioImage image = original_;
        ASSERT_TRUE(Transfer(*radio_, true, image).result.succeeded());
        EXPECT_EQ(image.Bcd4(layout::kRadioBandLower), c.low);
        EXPECT_EQ(image.Bcd4(layout::kRadioBandUpper), c.high);
    }
}

}  // namespace
}  // namespace dpmr::test
