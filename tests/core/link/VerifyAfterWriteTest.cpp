// Verify after a Write against the virtual radio over a real pseudo-terminal:
// a radio that holds other bytes fails naming the settings that differ, as
// `dpmrtool diff` does; a read-back that breaks off says so (a match and a
// stop: WriteSequenceTest); bytes outside the three ranges never count.
#include <gtest/gtest.h>

#include "core/link/LinkTestSupport.h"

namespace dpmr::test {
namespace {

// Writes `sent` (band edges left empty, so that a plain Read would fill them
// in and compare wrongly), lets `between` change the radio's memory, then
// verifies with `faults` set.
TransferResult WriteThenVerify(VirtualRadio& radio, const VirtualRadioFaults& faults,
                               const std::function<void(RadioImage&)>& between) {
    RadioImage sent = PatternImage(150);
    sent.FillFF(0x3F80, 8);
    RadioImage copy = sent;
    EXPECT_TRUE(RunTransfer(Kind::kWrite, radio, copy).succeeded());
    RadioImage memory = radio.Memory();
    if (between) between(memory);
    radio.SetMemory(memory);
    radio.SetFaults(faults);
    radio.ClearTraffic();
    TransferControl control;
    return VerifyRadio({radio.DevicePath(), 9600}, sent, {}, control);
}

void Flip(RadioImage& m, std::size_t a) {
    m.SetU8(a, static_cast<std::uint8_t>(~m.U8(a)));
}

TEST(VerifyAfterWriteTest, MatchAndEveryWayToFail) {
    const auto differ = [](RadioImage& m) {
        for (std::size_t a : {0x0050, 0x2165, 0x3E40}) Flip(m, a);  // never compared
        m.SetU16Le(0x308, static_cast<std::uint16_t>(~m.U16Le(0x308)));
    };
    // Twelve channels and a setting: the first ten are named.
    const auto many = [&](RadioImage& m) {
        differ(m);
        for (int n = 1; n <= 12; ++n) m.SetBcd4(0x0100 + 32 * (n - 1), 44600000 + 125 * n);
    };
    std::string channels;
    for (int n = 1; n <= 10; ++n)
        channels +=
            (n > 1 ? ", " : "") + std::string("channel ") + std::to_string(n) + " Rx freq (MHz)";
    const std::string again = ".\nWrite again before using the radio.";
    const std::tuple<VirtualRadioFaults, std::function<void(RadioImage&)>, std::string> cases[] = {
        {{}, differ, "Verify failed\nthe radio holds other values for option.tot" + again},
        {{},
         many,
         "Verify failed\nthe radio holds other values for " + channels + " and 3 more" + again},
        {{.nakReadAt = 0x3000},
         {},
         "The write was completed; the read-back broke off while verifying.\nCommunication "
         "error\nthe transfer broke off at address 0x3000"},
    };
    for (const auto& [faults, between, message] : cases) {
        SCOPED_TRACE(message);
        auto radio = StartRadio();
        const TransferResult result = WriteThenVerify(*radio, faults, between);
        EXPECT_TRUE(result.failed());
        EXPECT_EQ(result.message, message);
        // The read-back is a session of its own that leaves the radio as it was.
        EXPECT_TRUE(SessionsCompleted(*radio, 2));
        ExpectEndFrame(*radio, kEndR);
        for (const Bytes& frame : SentToRadio(radio->Traffic())) EXPECT_NE(frame[0], 'W');
    }
}

// The closing block goes out with every Write, but the read-back carries only
// its last 8 bytes: a radio that keeps a wrong byte in its first 24 cannot be
// caught, so the verify that finds no difference says which bytes it could
// not compare, and the count it names is the count the ranges leave out.
TEST(VerifyAfterWriteTest, AMatchSaysTheClosingBlockWasNotCompared) {
    int unread = 0;
    for (unsigned a = 0x2160; a < 0x2180; ++a) {
        bool carried = false;
        for (const TransferRange& r : ProgramRanges()) carried |= a >= r.start && a < r.end;
        unread += !carried;
    }
    EXPECT_EQ(unread, 24);
    auto radio = StartRadio({.faults = {.corruptByteAt = 0x2170}});
    const TransferResult result = WriteThenVerify(*radio, {}, {});
    EXPECT_TRUE(result.succeeded());
    EXPECT_EQ(result.message,
              "Written and verified, except the 24-byte closing block, which the radio does not "
              "send back");
    EXPECT_NE(radio->Memory().U8(0x2170), PatternImage(150).U8(0x2170));
}

}  // namespace
}  // namespace dpmr::test
