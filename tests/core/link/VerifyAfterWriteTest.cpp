// Verify after a Write against the virtual radio over a real pseudo-terminal:
// a radio that keeps what it was sent matches; one that keeps a byte wrongly,
// or holds other bytes, fails naming the first addresses; a read-back that
// breaks off or is stopped says so; bytes outside the three ranges never count.
#include <gtest/gtest.h>

#include "core/link/LinkTestSupport.h"

namespace dpmr::test {
namespace {

// What is written: band edges left empty, so that a plain Read would fill
// them in and compare wrongly.
RadioImage Sent() {
    RadioImage image = PatternImage(150);
    image.FillFF(0x3F80, 8);
    return image;
}

TransferResult WriteThenVerify(VirtualRadio& radio, const RadioImage& sent,
                               const VirtualRadioFaults& verifyFaults = {},
                               const std::function<void(RadioImage&)>& between = {},
                               const ProgressCallback& progress = {},
                               TransferControl* control = nullptr) {
    RadioImage copy = sent;
    EXPECT_TRUE(RunTransfer(Kind::kWrite, radio, copy).succeeded());
    if (between) {
        RadioImage memory = radio.Memory();
        between(memory);
        radio.SetMemory(memory);
    }
    radio.SetFaults(verifyFaults);
    radio.ClearTraffic();
    TransferControl local;
    const TransferResult result =
        VerifyRadio({radio.DevicePath(), 9600}, sent, progress, control ? *control : local);
    EXPECT_EQ(copy, sent);
    return result;
}

TEST(VerifyAfterWriteTest, MatchAndEveryWayToFail) {
    const std::string differ = "Verify failed\nthe radio holds other bytes at ";
    const struct {
        const char* name;
        VirtualRadioFaults writeFaults;
        VirtualRadioFaults verifyFaults;
        std::function<void(RadioImage&)> between;
        TransferOutcome outcome;
        std::string message;
    } cases[] = {
        {"match", {}, {}, {}, TransferOutcome::kSucceeded, "Write verified"},
        {"a byte kept wrongly",
         {.corruptByteAt = 0x0105},
         {},
         {},
         TransferOutcome::kFailed,
         differ + "0x0105 (1 byte differs)"},
        {"last byte of the last range",
         {.corruptByteAt = 0x3FFF},
         {},
         {},
         TransferOutcome::kFailed,
         differ + "0x3FFF (1 byte differs)"},
        {"the first eight of many are named",
         {},
         {},
         [](RadioImage& m) {
             for (std::size_t a : {0x0050, 0x2165, 0x3E40})  // never compared
                 m.SetU8(a, static_cast<std::uint8_t>(~m.U8(a)));
             for (std::size_t a = 0x2170; a < 0x2188; a += 2)
                 m.SetU8(a, static_cast<std::uint8_t>(~m.U8(a)));
             m.SetU8(0x0100, static_cast<std::uint8_t>(~m.U8(0x0100)));
         },
         TransferOutcome::kFailed,
         differ + "0x0100, 0x2178, 0x217A, 0x217C, 0x217E, 0x2180, 0x2182, 0x2184, ... (9 bytes "
                  "differ)"},
        {"read-back breaks off",
         {},
         {.nakReadAt = 0x3000},
         {},
         TransferOutcome::kFailed,
         "Verify failed\nCommunication error\nthe transfer broke off at address 0x3000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto radio = StartRadio({.faults = c.writeFaults});
        radio->SetMemory(PatternImage(21));
        const TransferResult result = WriteThenVerify(*radio, Sent(), c.verifyFaults, c.between);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.message, c.message);
        // The read-back is a session of its own that leaves the radio as it was.
        EXPECT_TRUE(SessionsCompleted(*radio, 2));
        ExpectEndFrame(*radio, kEndR);
        for (const Bytes& frame : SentToRadio(radio->Traffic())) EXPECT_NE(frame[0], 'W');
    }
}

TEST(VerifyAfterWriteTest, StoppingTheReadBackIsACancelThatSaysTheWriteIsDone) {
    auto radio = StartRadio();
    TransferControl control;
    int blocks = 0;
    const TransferResult result = WriteThenVerify(
        *radio, Sent(), {}, {},
        [&](int done, int total) {
            blocks = done;
            EXPECT_EQ(total, 504);
            if (done == 10) control.cancelRequested = true;
        },
        &control);
    EXPECT_TRUE(result.cancelled());
    EXPECT_EQ(result.message, "The write was completed; checking it was stopped before the end.");
    EXPECT_EQ(blocks, 10);
    EXPECT_FALSE(control.busy);
}

}  // namespace
}  // namespace dpmr::test
