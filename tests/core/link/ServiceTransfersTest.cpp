// The adjustment and squelch transfers against the virtual radio: what each
// sends, which end frames it sends or leaves out, its texts, and that a failed
// read leaves the image as it was.
#include <gtest/gtest.h>

#include "core/link/LinkTestSupport.h"
#include "link/ServiceTransfers.h"

namespace dpmr::test {
namespace {

enum class Kind { kReadAdjust, kWriteAdjust, kReadSquelch, kWriteSquelch };

TransferResult RunKind(Kind kind, const LinkSettings& link, RadioImage& image) {
    switch (kind) {
        case Kind::kReadAdjust:
            return ReadAdjustment(link, image);
        case Kind::kWriteAdjust:
            return WriteAdjustment(link, image);
        case Kind::kReadSquelch:
            return ReadSquelch(link, image);
        case Kind::kWriteSquelch:
            return WriteSquelch(link, image);
    }
    return {};
}

bool InAdjustment(std::size_t a) {
    return a >= 0x0040 && a < 0x0088;
}
bool InSquelch(std::size_t a) {
    return (a >= 0x3E00 && a < 0x3E11) || (a >= 0x3E3A && a < 0x3E3E);
}

Bytes Request(char command, std::uint16_t address, std::uint8_t length) {
    return {static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), length};
}

TEST(ServiceTransfer, EachMovesItsBlocksAndEndsAsTheRadioExpects) {
    std::vector<Bytes> adjustRead, adjustWrite;
    for (std::uint16_t a = 0x40; a <= 0x80; a += 8) {
        adjustRead.push_back(Request('R', a, 8));
        adjustWrite.push_back(Request('W', a, 8));
    }
    const struct {
        Kind kind;
        bool (*moved)(std::size_t);
        const char* message;
        std::vector<Bytes> requests;  // block request headers in order
        Bytes last;                   // the last frame sent: no end frame for the adjustment
    } cases[] = {
        {Kind::kReadAdjust, InAdjustment, "Read successfully", adjustRead, {'A'}},
        {Kind::kWriteAdjust, InAdjustment, "Write successfully", adjustWrite, {}},
        {Kind::kReadSquelch,
         InSquelch,
         "",
         {Request('R', 0x3E00, 17), Request('R', 0x3E3A, 4)},
         kEndR},
        {Kind::kWriteSquelch,
         InSquelch,
         "Success",
         {Request('W', 0x3E00, 17), Request('W', 0x3E3A, 4)},
         kEndW},
    };
    for (const auto& c : cases) {
        auto radio = StartRadio();
        const RadioImage radioMemory = PatternImage(11);
        const RadioImage original = PatternImage(140);
        radio->SetMemory(radioMemory);
        RadioImage image = original;
        const TransferResult r = RunKind(c.kind, {radio->DevicePath(), 9600}, image);
        ASSERT_TRUE(r.succeeded()) << r.message;
        EXPECT_EQ(r.message, c.message);
        const bool read = c.kind == Kind::kReadAdjust || c.kind == Kind::kReadSquelch;
        const RadioImage after = radio->Memory();
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            const std::uint8_t want = read ? (c.moved(a) ? radioMemory : original).U8(a)
                                           : (c.moved(a) ? original : radioMemory).U8(a);
            ASSERT_EQ((read ? image : after).U8(a), want) << a;
        }
        std::vector<Bytes> requests;
        const auto sent = SentToRadio(radio->Traffic());
        for (const Bytes& f : sent) {
            if (f.size() >= 4 && (f[0] == 'R' || f[0] == 'W'))
                requests.emplace_back(f.begin(), f.begin() + 4);
        }
        EXPECT_EQ(requests, c.requests);
        EXPECT_EQ(c.last.empty() ? Bytes{} : sent.back(), c.last);
        EXPECT_EQ(c.kind == Kind::kWriteAdjust ? CountFrames(radio->Traffic(), kEndW) : 0, 0);
    }
}

struct ServiceFailureRow {
    const char* name;
    Kind kind;
    VirtualRadioFaults faults;
    Bytes endFrame;  // empty: none may be sent
    int wakeUps;     // wake-up sequences sent
};

class ServiceFailure : public ::testing::TestWithParam<ServiceFailureRow> {};

TEST_P(ServiceFailure, ReportsACommunicationErrorAndKeepsTheImage) {
    const ServiceFailureRow& row = GetParam();
    auto radio = StartRadio();
    radio->SetMemory(PatternImage(9));
    radio->SetFaults(row.faults);
    RadioImage image = PatternImage(60);
    const TransferResult r = RunKind(row.kind, {radio->DevicePath(), 9600}, image);
    EXPECT_TRUE(r.failed());
    EXPECT_EQ(r.message, "Communication error");
    EXPECT_EQ(image, PatternImage(60));
    const auto traffic = radio->Traffic();
    if (row.endFrame.empty()) {
        EXPECT_EQ(CountFrames(traffic, kEndR) + CountFrames(traffic, kEndW), 0);
    } else {
        EXPECT_EQ(SentToRadio(traffic).back(), row.endFrame);
    }
    EXPECT_EQ(CountFrames(traffic, {0x02}), row.wakeUps);
}

const std::set<int> kNeverAnswers = {1, 2, 3, 4, 5};

INSTANTIATE_TEST_SUITE_P(
    Rows, ServiceFailure,
    ::testing::Values(
        ServiceFailureRow{
            "AdjustNeverAnswered", Kind::kReadAdjust, {.missingWakeAnswers = kNeverAnswers}, {}, 4},
        ServiceFailureRow{"SquelchNeverAnswered",
                          Kind::kWriteSquelch,
                          {.missingWakeAnswers = kNeverAnswers},
                          {},
                          4},
        ServiceFailureRow{
            "AdjustShortIdentity", Kind::kWriteAdjust, {.shortIdentities = {1}}, {}, 1},
        ServiceFailureRow{
            "SquelchShortIdentity", Kind::kReadSquelch, {.shortIdentities = {1}}, {}, 1},
        ServiceFailureRow{
            "AdjustOpeningAckWrong", Kind::kReadAdjust, {.badOpeningAcks = {1}}, {}, 1},
        ServiceFailureRow{
            "SquelchReadOpeningAckWrong", Kind::kReadSquelch, {.badOpeningAcks = {1}}, kEndR, 1},
        ServiceFailureRow{
            "SquelchWriteOpeningAckWrong", Kind::kWriteSquelch, {.badOpeningAcks = {1}}, kEndW, 1},
        ServiceFailureRow{"AdjustShortBlock", Kind::kReadAdjust, {.shortReadAt = 0x0060}, {}, 1},
        ServiceFailureRow{
            "AdjustReadNotAcknowledged", Kind::kReadAdjust, {.nakReadAt = 0x0080}, {}, 1},
        ServiceFailureRow{
            "AdjustWriteNotAcknowledged", Kind::kWriteAdjust, {.nakWriteAt = 0x0048}, {}, 1},
        ServiceFailureRow{
            "SquelchSecondFrameShort", Kind::kReadSquelch, {.shortReadAt = 0x3E3A}, kEndR, 1},
        ServiceFailureRow{"SquelchFirstFrameNotAcknowledged",
                          Kind::kReadSquelch,
                          {.nakReadAt = 0x3E00},
                          kEndR,
                          1},
        ServiceFailureRow{"SquelchSecondWriteNotAcknowledged",
                          Kind::kWriteSquelch,
                          {.nakWriteAt = 0x3E3A},
                          kEndW,
                          1}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

TEST(ServiceTransfer, WrongWakeAnswersAreRetriedThreeTimes) {
    auto radio = StartRadio();
    for (const Kind kind : {Kind::kReadAdjust, Kind::kReadSquelch}) {
        radio->SetFaults({.wrongWakeAnswers = {1, 2, 3}});
        radio->ClearTraffic();
        RadioImage image;
        const TransferResult r = RunKind(kind, {radio->DevicePath(), 9600}, image);
        EXPECT_TRUE(r.succeeded()) << r.message;
        EXPECT_EQ(CountFrames(radio->Traffic(), {0x02}), 4);
    }
}

TEST(ServiceOpen, EachTransferHasItsOwnOpenFailureText) {
    const LinkSettings missing{"/dev/no-such-serial-port", 9600};
    RadioImage image = PatternImage(2);
    for (auto [kind, message] : {std::pair{Kind::kReadAdjust, "Cound not open the port"},
                                 {Kind::kWriteAdjust, "Cound not open the port"},
                                 {Kind::kReadSquelch, "Could ont open the port"},
                                 {Kind::kWriteSquelch, "Could ont open the port"}}) {
        const TransferResult r = RunKind(kind, missing, image);
        EXPECT_TRUE(r.failed());
        EXPECT_EQ(r.message, message);
    }
    EXPECT_EQ(image, PatternImage(2));
}

}  // namespace
}  // namespace dpmr::test
