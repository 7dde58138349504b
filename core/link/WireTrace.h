// WireTrace: what a transfer put on the wire and got back, frame by frame,
// with the time of each since the trace began, so that a failed transfer can
// be replayed by whoever looks into it. The bytes of every block are kept;
// a block's data names its radio address ("@0100"), so that a report can
// blank the radio's identity in it. TracingSerialPort records into a trace
// everything that passes through the port it wraps.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace dpmr {

class WireTrace {
  public:
    WireTrace();

    // A line of its own ("open /dev/ttyUSB0 at 9600 bit/s: ok").
    void Note(const std::string& text);
    void Sent(const std::uint8_t* data, std::size_t count);
    void Received(const std::uint8_t* data, std::size_t got, std::size_t asked);

    // The lines so far, each ending with '\n'.
    std::string Text() const;

  private:
    void Add(const std::string& arrow, const std::string& rest);

    std::chrono::steady_clock::time_point start_;
    std::vector<std::string> lines_;
    // The block request whose data comes next.
    char command_ = 0;
    std::uint16_t address_ = 0;
    std::uint8_t length_ = 0;
    bool echoPending_ = false;
};

// "   12.345  -> @0100  01 02 03": a block's data line; nothing else starts
// its bytes with '@'. The address and the bytes of such a line, for the
// report's blanking.
struct TraceDataLine {
    std::size_t bytesAt = 0;  // where the first byte's two digits start
    std::uint16_t address = 0;
};
bool ParseTraceDataLine(const std::string& line, TraceDataLine& out);

class TracingSerialPort final : public SerialPort {
  public:
    TracingSerialPort(std::unique_ptr<SerialPort> port, WireTrace& trace)
        : port_(std::move(port)), trace_(trace) {}

    Status Open(const std::string& portName, std::int32_t baudRate,
                TimeoutProfile profile) override;
    bool IsOpen() const override { return port_->IsOpen(); }
    void Purge() override;
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override;
    std::size_t Write(const std::uint8_t* data, std::size_t count) override;
    void Close() override;

  private:
    std::unique_ptr<SerialPort> port_;
    WireTrace& trace_;
};

// The system's serial port for one transfer, traced into `trace` when given.
std::unique_ptr<SerialPort> SystemPort(WireTrace* trace);

}  // namespace dpmr
