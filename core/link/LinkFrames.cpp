// Frame-level steps of the radio's transfers.
#include "link/LinkFrames.h"

#include <chrono>
#include <thread>

#include "link/TransferResult.h"
#include "util/Translation.h"

namespace dpmr::link {

void PauseMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void Send(SerialPort& port, std::initializer_list<std::uint8_t> bytes) {
    port.Write(bytes.begin(), bytes.size());
}

void Send(SerialPort& port, const std::uint8_t* data, std::size_t count) {
    port.Write(data, count);
}

bool ReadAck(SerialPort& port) {
    return ReadByte(port) == kAck;
}

std::optional<std::uint8_t> ReadByte(SerialPort& port) {
    std::uint8_t byte = 0;
    if (port.Read(&byte, 1) != 1) return std::nullopt;
    return byte;
}

bool WakeUpAnswers::Accepted(SerialPort& port) {
    const auto answer = ReadByte(port);
    anyAnswer_ = anyAnswer_ || answer.has_value();
    return answer == kAck;
}

std::string WakeUpAnswers::FailureReason() const {
    return anyAnswer_ ? Tr("link", msg::kWakeUpRefused) : Tr("link", msg::kNoAnswer);
}

bool ReadExactly(SerialPort& port, std::uint8_t* out, std::size_t count) {
    return port.Read(out, count) == count;
}

bool RequestRead(SerialPort& port, std::uint16_t address, std::uint8_t length, std::uint8_t* out) {
    port.Purge();
    Send(port, {'R', static_cast<std::uint8_t>(address >> 8),
                static_cast<std::uint8_t>(address & 0xFF), length});
    // The echo's bytes are not checked, but all four must come: were the
    // rest of a late echo taken as data, the block would land shifted.
    std::uint8_t echo[4];
    return ReadExactly(port, echo, sizeof echo) && ReadExactly(port, out, length);
}

bool Acknowledge(SerialPort& port) {
    port.Purge();
    Send(port, {kAck});
    return ReadAck(port);
}

bool RequestWrite(SerialPort& port, std::uint16_t address, const std::uint8_t* data,
                  std::uint8_t length) {
    port.Purge();
    Send(port, {'W', static_cast<std::uint8_t>(address >> 8),
                static_cast<std::uint8_t>(address & 0xFF), length});
    Send(port, data, length);
    return ReadAck(port);
}

void SendEndFrame(SerialPort& port, const std::uint8_t (&frame)[4]) {
    Send(port, frame, sizeof frame);
    std::uint8_t last = 0;
    port.Read(&last, 1);
}

}  // namespace dpmr::link
