// Helpers shared by the link tests: a running virtual radio, the six transfers
// run one way, the frames the program puts on the wire.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "image/RadioImage.h"
#include "link/ProgramTransfer.h"
#include "link/ServiceTransfers.h"
#include "link/VirtualRadio.h"
#include "support/ToolRun.h"

namespace dpmr::test {

using Bytes = std::vector<std::uint8_t>;
using Dir = WireFrame::Direction;
inline const Bytes kEndR = {'E', 'N', 'D', 'R'};
inline const Bytes kEndW = {'E', 'N', 'D', 'W'};

// A radio memory in which every byte value occurs and neighbours differ.
inline RadioImage PatternImage(std::uint8_t salt) {
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.SetU8(i, static_cast<std::uint8_t>((i * 7 + (i >> 8) + salt) & 0xFF));
    return image;
}

inline std::unique_ptr<VirtualRadio> StartRadio(VirtualRadioOptions options = {}) {
    auto radio = std::make_unique<VirtualRadio>(options);
    EXPECT_TRUE(radio->Start().ok());
    return radio;
}

// A block request header: command, address high and low byte, length.
inline Bytes Request(char command, std::uint16_t address, std::uint8_t length) {
    return {static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), length};
}

// The frames the program sent to the radio, in order.
inline std::vector<Bytes> SentToRadio(const std::vector<WireFrame>& traffic) {
    std::vector<Bytes> out;
    for (const WireFrame& f : traffic)
        if (f.direction == Dir::kToRadio) out.push_back(f.bytes);
    return out;
}

// How often the program sent this frame (a wake-up sequence starts with {0x02}).
inline int CountFrames(const std::vector<WireFrame>& traffic, const Bytes& bytes) {
    int n = 0;
    for (const WireFrame& f : traffic) n += f.direction == Dir::kToRadio && f.bytes == bytes;
    return n;
}

// The six transfers, run the same way on `image` at 9600 bit/s.
enum class Kind { kRead, kWrite, kReadAdjust, kWriteAdjust, kReadSquelch, kWriteSquelch };

inline TransferResult RunTransfer(Kind kind, const std::string& port, RadioImage& image,
                                  const ProgressCallback& progress = {},
                                  TransferControl* control = nullptr) {
    TransferControl local;
    TransferControl& c = control ? *control : local;
    const LinkSettings l{port, 9600};
    using enum Kind;
    return kind == kRead          ? ReadFromRadio(l, image, progress, c)
           : kind == kWrite       ? WriteToRadio(l, image, progress, c)
           : kind == kReadAdjust  ? ReadAdjustment(l, image)
           : kind == kWriteAdjust ? WriteAdjustment(l, image)
           : kind == kReadSquelch ? ReadSquelch(l, image)
                                  : WriteSquelch(l, image);
}

// The same with the radio's traffic cleared first.
inline TransferResult RunTransfer(Kind kind, VirtualRadio& radio, RadioImage& image,
                                  const ProgressCallback& progress = {},
                                  TransferControl* control = nullptr) {
    radio.ClearTraffic();
    return RunTransfer(kind, radio.DevicePath(), image, progress, control);
}

// Waits for something another thread or process does: true once `happened`
// holds. The bound is only there so that a hung program fails the test.
inline bool Eventually(const std::function<bool()>& happened) {
    using namespace std::chrono_literals;
    for (const auto end = std::chrono::steady_clock::now() + 30s;
         std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(5ms)) {
        if (happened()) return true;
    }
    return happened();
}

// True once the program has sent a block request ('R' or 'W') for `address`.
inline bool Requested(const VirtualRadio& radio, std::uint16_t address) {
    for (const WireFrame& f : radio.Traffic())
        if (f.direction == Dir::kToRadio && f.bytes.size() >= 4 &&
            (f.bytes[0] == 'R' || f.bytes[0] == 'W') && f.bytes[1] == (address >> 8) &&
            f.bytes[2] == (address & 0xFF))
            return true;
    return false;
}

// The program does not wait for the radio to take its end frame (the final
// byte is read but never checked), so the radio's thread may still be at it
// when a transfer returns. Waits until the radio has completed `sessions`
// sessions in all, each answered; false when it completed another number.
inline bool SessionsCompleted(const VirtualRadio& radio, int sessions) {
    return Eventually([&] { return radio.CompletedSessions() >= sessions; }) &&
           radio.CompletedSessions() == sessions;
}

// The transfer ended with `end` sent once as its last frame or, when `end` is
// empty, sent no end frame at all.
inline void ExpectEndFrame(const VirtualRadio& radio, const Bytes& end) {
    if (!end.empty()) Eventually([&] { return CountFrames(radio.Traffic(), end) > 0; });
    const std::vector<WireFrame> traffic = radio.Traffic();
    const int ends = CountFrames(traffic, kEndR) + CountFrames(traffic, kEndW);
    EXPECT_TRUE(end.empty() ? ends == 0 : ends == 1 && SentToRadio(traffic).back() == end);
}

}  // namespace dpmr::test
