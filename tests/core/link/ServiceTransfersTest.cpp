// The adjustment and squelch transfers against the virtual radio: what each
// sends, which end frames it sends or leaves out, its texts and wake-up
// retries. Their failures are in ProgramTransferTest's table.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/link/LinkTestSupport.h"

namespace dpmr::test {
namespace {

TEST(ServiceTransfer, EachMovesItsBlocksAndEndsAsTheRadioExpects) {
    std::vector<TransferBlock> adjustment;
    for (std::uint16_t a = 0x40; a <= 0x80; a += 8) adjustment.push_back({a, 8});
    const std::vector<TransferBlock> squelch = {{0x3E00, 17}, {0x3E3A, 4}};
    const struct {
        Kind kind;
        const char* message;
        const std::vector<TransferBlock>& blocks;  // moved in this order
        Bytes end;                                 // the adjustment transfers send none
    } cases[] = {{Kind::kReadAdjust, "Read successfully", adjustment, {}},
                 {Kind::kWriteAdjust, "Write successfully", adjustment, {}},
                 {Kind::kReadSquelch, "", squelch, kEndR},
                 {Kind::kWriteSquelch, "Success", squelch, kEndW}};
    const RadioImage radioMemory = PatternImage(11);
    const RadioImage original = PatternImage(140);
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        auto radio = StartRadio();
        radio->SetMemory(radioMemory);
        radio->SetFaults({.wrongWakeAnswers = {1, 2, 3}});  // three retries are allowed
        RadioImage image = original;
        const TransferResult r = RunTransfer(c.kind, *radio, image);
        ASSERT_TRUE(r.succeeded() && r.message == c.message) << r.message;
        // A read changes only its blocks in the image, a write only those in the radio.
        const bool read = c.kind == Kind::kReadAdjust || c.kind == Kind::kReadSquelch;
        RadioImage expected = read ? original : radioMemory;
        std::vector<Bytes> requests, expectedRequests;
        for (const TransferBlock& b : c.blocks) {
            const auto from = (read ? radioMemory : original).Span(b.address, b.length);
            std::copy(from.begin(), from.end(), expected.Span(b.address, b.length).begin());
            expectedRequests.push_back(Request(read ? 'R' : 'W', b.address, b.length));
        }
        EXPECT_EQ(read ? image : radio->Memory(), expected);
        const std::vector<WireFrame> traffic = radio->Traffic();
        for (const Bytes& f : SentToRadio(traffic))
            if (f.size() >= 4 && (f[0] == 'R' || f[0] == 'W')) requests.emplace_back(&f[0], &f[4]);
        EXPECT_EQ(requests, expectedRequests);
        ExpectEndFrame(*radio, c.end);
        EXPECT_EQ(CountFrames(traffic, {0x02}), 4);
    }
}

}  // namespace
}  // namespace dpmr::test
