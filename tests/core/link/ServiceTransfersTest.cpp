// The adjustment and squelch transfers against the virtual radio: what each
// sends, which end frames it sends or leaves out, its texts and wake-up
// retries, and where every transfer purges the line. Their failures are in
// ProgramTransferTest's table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "core/link/LinkTestSupport.h"
#include "link/PosixSerialPort.h"

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

// Bytes as upper-case hex digits, two to a byte.
std::string Hex(const std::uint8_t* data, std::size_t count) {
    std::string out;
    char digits[3];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(digits, sizeof digits, "%02X", data[i]);
        out += digits;
    }
    return out;
}
template <typename Bytes>
std::string Hex(const Bytes& bytes) {
    return Hex(bytes.data(), bytes.size());
}

// The system's serial port, noting what the program does with it in order:
// "P" for purging, the bytes it writes in hex, "r" for reading. Repeats are
// noted once (a request written in two parts is one entry).
class TracedPort final : public SerialPort {
  public:
    Status Open(const std::string& name, std::int32_t baud, TimeoutProfile profile) override {
        return port_.Open(name, baud, profile);
    }
    bool IsOpen() const override { return port_.IsOpen(); }
    void Purge() override {
        Note("P", false);
        port_.Purge();
    }
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override {
        Note("r", false);
        return port_.Read(buffer, count);
    }
    std::size_t Write(const std::uint8_t* data, std::size_t count) override {
        Note(Hex(data, count), true);
        return port_.Write(data, count);
    }
    void Close() override { port_.Close(); }
    std::string trace;

  private:
    void Note(const std::string& what, bool written) {
        if (written && writing_)
            trace += what;
        else if (written || trace.empty() || trace.back() != what[0])
            trace += (trace.empty() ? "" : " ") + what;
        writing_ = written;
    }
    PosixSerialPort port_;
    bool writing_ = false;
};

// Every request and every 'A' the program sends follows a purge, and so does
// the squelch transfers' reading of the wake-up answer; the wake-up bytes of
// the adjustment transfers, the data of a write and the end frames follow
// without one. A purge left out lets a stray byte from the line be taken for
// the radio's answer.
TEST(ServiceTransfer, EveryTransferPurgesWhereTheRadioExpects) {
    const std::string wakeEach = "P 02 P 50 P 52 P 4F P 47 P 52 P 41";
    const std::string opening = " P 4D02 r P 41 r";
    const std::string programming = wakeEach + " r" + opening + " P 52216020 r P 41 r";
    const std::string adjustment = "P 0250524F475241 r" + opening;
    const std::string squelch = wakeEach + " P r" + opening;
    const RadioImage image = PatternImage(3);
    std::string readAdjustment = adjustment, writeAdjustment = adjustment;
    for (std::uint16_t a = 0x40; a <= 0x80; a += 8) {
        const std::string request = Hex(Request('R', a, 8).data() + 1, 3);
        readAdjustment += " P 52" + request + " r P 41 r";
        writeAdjustment += " P 57" + request + Hex(image.Span(a, 8)) + " r";
    }
    const struct {
        Kind kind;
        std::string trace;  // the whole of it, or its start for the programming transfers
    } cases[] = {
        {Kind::kRead, programming + " " + wakeEach + " r" + opening + " P 52"},
        {Kind::kWrite, programming + " " + wakeEach + " r" + opening + " P 57"},
        {Kind::kReadAdjust, readAdjustment},
        {Kind::kWriteAdjust, writeAdjustment},
        {Kind::kReadSquelch, squelch + " P 523E0011 r P 41 r P 523E3A04 r P 41 r 454E4452 r"},
        {Kind::kWriteSquelch, squelch + " P 573E0011" + Hex(image.Span(0x3E00, 17)) +
                                  " r P 573E3A04" + Hex(image.Span(0x3E3A, 4)) + " r 454E4457 r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        auto radio = StartRadio();
        TracedPort port;
        RadioImage copy = image;
        TransferControl control;
        const LinkSettings link{radio->DevicePath(), 9600};
        using enum Kind;
        const TransferResult r = c.kind == kRead    ? ReadFromRadio(port, link, copy, {}, control)
                                 : c.kind == kWrite ? WriteToRadio(port, link, copy, {}, control)
                                 : c.kind == kReadAdjust  ? ReadAdjustment(port, link, copy)
                                 : c.kind == kWriteAdjust ? WriteAdjustment(port, link, copy)
                                 : c.kind == kReadSquelch ? ReadSquelch(port, link, copy)
                                                          : WriteSquelch(port, link, copy);
        EXPECT_TRUE(r.succeeded()) << r.message;
        if (c.kind == kRead || c.kind == kWrite)
            EXPECT_EQ(port.trace.substr(0, c.trace.size()), c.trace);
        else
            EXPECT_EQ(port.trace, c.trace);
    }
}

}  // namespace
}  // namespace dpmr::test
