// The programming Read and Write against the virtual radio over a real
// pseudo-terminal: the exact wire sequence, every failure row, the shared
// wake-up retry counter, cancel, the band-edge fill and the image guarantees;
// and every transfer's answer to a port that cannot be opened or is in use,
// including the names older settings files keep.
#include <gtest/gtest.h>

#include <cstring>

#include <map>

#include "core/link/LinkTestSupport.h"
#include "image/ImageLayout.h"
#include "link/PosixSerialPort.h"
#include "support/TempDir.h"

namespace dpmr::test {
namespace {

const std::string kPartly =
    "The radio may now hold a partly written configuration: write it again before using it.";

// Addresses the three ranges move (plus the closing block when `closing`).
bool Moved(std::size_t a, bool closing) {
    return (a >= 0x0100 && a < (closing ? 0x2180u : 0x2160u)) || (a >= 0x2178 && a < 0x3E30) ||
           a >= 0x3E50;
}

// Every frame the program sends in a whole transfer: wake-up, first pass over
// the block at 0x2160, wake-up again, the blocks, the closing block on write.
std::vector<Bytes> ExpectedSent(bool read, const RadioImage& image) {
    std::vector<Bytes> f;
    const auto opening = [&] {
        for (std::uint8_t b : Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'A'}) f.push_back({b});
        f.insert(f.end(), {{'M', 0x02}, {'A'}});
    };
    const auto block = [&](bool isRead, std::uint16_t address, std::uint8_t length) {
        f.push_back(Request(isRead ? 'R' : 'W', address, length));
        const auto data = image.Span(address, length);
        if (isRead) f.push_back({'A'});
        if (!isRead) f.back().insert(f.back().end(), data.begin(), data.end());
    };
    opening();
    block(true, 0x2160, 32);
    opening();
    for (const TransferBlock& b : SplitIntoBlocks(ProgramRanges()))
        block(read, b.address, b.length);
    if (!read) block(false, 0x2160, 32);
    f.push_back(read ? kEndR : kEndW);
    return f;
}

// The ranges are cut at the radio's 32-byte boundaries and the uneven ends
// come out as the radio expects. (That the blocks tile the ranges exactly the
// whole Read and Write below show.)
TEST(TransferBlocks, FollowTheRadiosBoundaries) {
    std::map<std::uint16_t, int> lengths;
    for (const TransferBlock& b : SplitIntoBlocks(ProgramRanges())) {
        EXPECT_EQ(b.address / 32, (b.address + b.length - 1) / 32) << b.address;
        lengths[b.address] = b.length;
    }
    EXPECT_EQ(lengths.size(), 504u);
    EXPECT_EQ(std::tuple(lengths[0x2178], lengths[0x3E20], lengths[0x3E50]), std::tuple(8, 16, 16));
    EXPECT_FALSE(lengths.contains(0x2160) || lengths.contains(0x3E30));  // never in the loops
    EXPECT_EQ(ProgressPercent(6, 504), 1);                               // truncated
}

class ProgramTransfer : public ::testing::Test {
  protected:
    void SetUp() override {
        radioMemory_.SetU8(layout::kRadioBandLower + 3, 0x01);  // radio holds band limits
        radio_->SetMemory(radioMemory_);
    }
    std::unique_ptr<VirtualRadio> radio_ = StartRadio({.bandLowMhz = 136, .bandHighMhz = 174});
    RadioImage radioMemory_ = PatternImage(3);
    const RadioImage original_ = PatternImage(91);
};

TEST_F(ProgramTransfer, ReadAndWritePutTheExactSequenceOnTheWire) {
    for (const bool read : {true, false}) {
        SCOPED_TRACE(read ? "read" : "write");
        radio_->SetMemory(radioMemory_);
        RadioImage image = original_;
        int calls = 0;
        TransferControl control;
        bool busy = true;
        const auto onBlock = [&](int done, int total) {
            EXPECT_EQ(std::pair(done, total), std::pair(++calls, 504));
            busy = busy && control.busy;
        };
        const TransferResult r =
            RunTransfer(read ? Kind::kRead : Kind::kWrite, *radio_, image, onBlock, &control);
        ASSERT_TRUE(r.succeeded() && r.message.empty()) << r.message;
        ASSERT_TRUE(SessionsCompleted(*radio_, read ? 1 : 2));
        ASSERT_EQ(SentToRadio(radio_->Traffic()), ExpectedSent(read, read ? radioMemory_ : image));
        // Read: the ranges replaced, the rest as before. Write: the radio got
        // the ranges and the closing block, never the header, the adjustment
        // area or 0x3E30-0x3E4F.
        const RadioImage after = radio_->Memory();
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            const std::uint8_t want = read ? (Moved(a, false) ? radioMemory_ : original_).U8(a)
                                           : (Moved(a, true) ? image : radioMemory_).U8(a);
            ASSERT_EQ((read ? image : after).U8(a), want) << a;
        }
        EXPECT_TRUE(calls == 504 && busy && !control.busy);
    }
}

// A transfer the radio makes fail reports "Communication error" with the
// reason on the next line, leaves the image as it was and ends with the end
// frame given (none when empty). A Write that fails after the radio took
// blocks adds that the radio is now partly written.
TEST(TransferFailure, EveryFailureSaysWhyAndLeavesTheImage) {
    const std::set<int> four = {1, 2, 3, 4};
    const std::string none =
        "no answer from the radio: is it switched on and the cable plugged in?";
    const std::string opening = "the radio did not confirm the opening exchange";
    const auto at = [](const char* address, bool partly = false) {
        return std::string("the transfer broke off at address ") + address +
               (partly ? "\n" + kPartly : "");
    };
    using enum Kind;
    // clang-format off
    const std::tuple<Kind, VirtualRadioFaults, Bytes, std::string> rows[] = {
        {kRead, {.wrongWakeAnswers = four}, {}, "the radio did not answer the wake-up with 'A'"},
        {kWrite, {.missingWakeAnswers = four}, {}, none},
        {kWrite, {.shortIdentities = {2}}, {}, "the radio's identity block was cut short"},  // 2nd pass
        {kRead, {.badOpeningAcks = {1}}, {}, opening},
        {kWrite, {.shortReadAt = 0x2160}, kEndR, at("0x2160")},  // the first pass reads
        {kRead, {.lateEchoAt = 0x0400}, kEndR, at("0x0400")},  // not taken shifted
        {kRead, {.nakReadAt = 0x3FE0}, kEndR, at("0x3FE0")},  // the last block
        {kWrite, {.nakWriteAt = 0x0100}, kEndW, at("0x0100")},  // nothing taken yet
        {kWrite, {.nakWriteAt = 0x2178}, kEndW, at("0x2178", true)},
        {kWrite, {.nakWriteAt = 0x2160}, kEndW, at("0x2160", true)},  // the closing block
        {kWrite, {.silentAfterBlocks = 300}, kEndW, at("0x2660", true)},  // time-out
        {kWriteAdjust, {.nakWriteAt = 0x0048}, {}, at("0x0048")},
        {kReadAdjust, {.wrongWakeAnswers = four}, {}, "the radio did not answer the wake-up with 'A'"},
        {kWriteSquelch, {.missingWakeAnswers = four}, {}, none},
        {kReadSquelch, {.shortReadAt = 0x3E3A}, kEndR, at("0x3E3A")},
        {kReadAdjust, {.lateEchoAt = 0x0050}, {}, at("0x0050")},
    };
    // clang-format on
    for (std::size_t k = 0; k < std::size(rows); ++k) {
        SCOPED_TRACE(k);
        const auto& [kind, faults, end, reason] = rows[k];
        auto radio = StartRadio();
        radio->SetMemory(PatternImage(5));
        radio->SetFaults(faults);
        RadioImage image = PatternImage(77);
        const TransferResult r = RunTransfer(kind, *radio, image);
        EXPECT_TRUE(r.failed());
        EXPECT_EQ(r.message, "Communication error\n" + reason);
        EXPECT_EQ(image, PatternImage(77));
        ExpectEndFrame(*radio, end);
    }
}

TEST(DevicePath, OldWindowsNamesMapToTheSerialDevices) {
    std::string devices;
    for (const char* name :
         {"COM1", "\\\\.\\COM16", "com3", "/dev/pts/4", "COM0", "COM1x", "", "COM99999999999"})
        devices += DevicePathForPortName(name) + "|";
    EXPECT_EQ(devices, "/dev/ttyS0|/dev/ttyS15|/dev/ttyS2|/dev/pts/4|COM0|COM1x||COM99999999999|");
}

// A port that cannot be opened: each transfer's own first line (letter for
// letter, as users know them), then the device and the reason. A port in use
// by another program (or another copy of this one) is one.
TEST(TransferOpen, PortThatCannotBeOpenedSaysWhyAndLeavesEverythingAlone) {
    TempDir dir;
    RadioImage image = PatternImage(1);
    TransferControl control;
    auto radio = StartRadio();
    PosixSerialPort other;
    ASSERT_TRUE(other.Open(radio->DevicePath(), 9600, TimeoutProfile::kProgramming));
    // The reason, then what the connection doctor finds, with its fix.
    const std::pair<std::string, std::string> ports[] = {
        {dir.File("no-such-device"), dir.File("no-such-device: No such file or directory\n") +
                                         "Problem: " + dir.File("no-such-device") +
                                         " does not exist: the cable is not plugged in"},
        {"", "no port is chosen: choose one under Setting > Port"},
        {radio->DevicePath(),
         radio->DevicePath() + ": in use by another program\nProblem: " + radio->DevicePath() +
             " is in use by another program\n" + "  Fix: close the other program, then try again"}};
    // clang-format off
    const std::pair<Kind, const char*> kinds[] = {
        {Kind::kRead, "Cound not open the port."}, {Kind::kWrite, "Cound not open the port."},
        {Kind::kReadAdjust, "Cound not open the port"}, {Kind::kWriteAdjust, "Cound not open the port"},
        {Kind::kReadSquelch, "Could ont open the port"}, {Kind::kWriteSquelch, "Could ont open the port"}};
    // clang-format on
    for (const auto& [port, reason] : ports) {
        for (const auto& [kind, text] : kinds) {
            const TransferResult r = RunTransfer(kind, port, image, {}, &control);
            EXPECT_TRUE(r.failed()) << port;
            EXPECT_EQ(r.message.substr(0, std::strlen(text) + 1 + reason.size()),
                      text + ("\n" + reason));
        }
    }
    EXPECT_EQ(image, PatternImage(1));
    EXPECT_FALSE(control.busy);
    other.Close();  // releases the port
    EXPECT_TRUE(RunTransfer(Kind::kReadSquelch, *radio, image).succeeded());
}

// Three wrong or missing wake-up answers are allowed over the whole transfer,
// both passes together.
TEST_F(ProgramTransfer, ThreeWrongWakeAnswersAreToleratedOverTheWholeTransfer) {
    radio_->SetFaults({.wrongWakeAnswers = {1, 3}, .missingWakeAnswers = {2}});
    RadioImage image = original_;
    ASSERT_TRUE(RunTransfer(Kind::kRead, *radio_, image).succeeded());
    EXPECT_EQ(CountFrames(radio_->Traffic(), {0x02}), 5);  // 4 in the first pass, 1 in the second

    radio_->SetFaults({.wrongWakeAnswers = {1, 2, 3, 5}});  // none left for the second pass
    image = original_;
    EXPECT_TRUE(RunTransfer(Kind::kRead, *radio_, image).failed());
    EXPECT_EQ(CountFrames(radio_->Traffic(), Request('R', 0x2160, 32)), 1);  // first pass done
    EXPECT_EQ(image, original_);
}

// Stop asked for during block 100, or before the first block (the transfer
// must not clear a request made between "Start" and its first block). A
// Read says nothing; a Write warns that the radio is partly written.
TEST_F(ProgramTransfer, CancelEndsAfterTheBlockSendsTheEndFrameAndKeepsTheImage) {
    int sessions = 0;
    for (const int stopAt : {100, 0}) {
        for (const bool read : {true, false}) {
            SCOPED_TRACE(stopAt);
            TransferControl control;
            control.cancelRequested = stopAt == 0;
            int calls = 0;
            const auto progress = [&](int, int) {
                if (++calls == stopAt) control.cancelRequested = true;
            };
            RadioImage image = original_;
            const TransferResult r =
                RunTransfer(read ? Kind::kRead : Kind::kWrite, *radio_, image, progress, &control);
            EXPECT_TRUE(r.cancelled());
            EXPECT_EQ(r.message, read ? "" : kPartly);
            EXPECT_EQ(calls, std::max(stopAt, 1));
            EXPECT_EQ(image, original_);
            EXPECT_TRUE(SessionsCompleted(*radio_, ++sessions));
            ExpectEndFrame(*radio_, read ? kEndR : kEndW);
        }
    }
}

// A read fills in the band edges the radio reports when its memory holds none.
// (Edges it holds are read like any other byte, as the whole Read shows.)
TEST_F(ProgramTransfer, BandEdgesAreFilledWhenTheRadioHoldsNone) {
    radioMemory_.FillFF(layout::kRadioBandLower, 8);
    radio_->SetMemory(radioMemory_);
    RadioImage image = original_;
    ASSERT_TRUE(RunTransfer(Kind::kRead, *radio_, image).succeeded());
    EXPECT_EQ(std::pair(image.Bcd4(layout::kRadioBandLower), image.Bcd4(layout::kRadioBandUpper)),
              std::pair(13600000u, 17400000u));
}

}  // namespace
}  // namespace dpmr::test
