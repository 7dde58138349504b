// Recording a transfer's frames with their times.
#include "link/WireTrace.h"

#include <cstdio>

#include "link/PosixSerialPort.h"

namespace dpmr {

namespace {

std::string Hex(const std::uint8_t* data, std::size_t count) {
    std::string text;
    char byte[4];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(byte, sizeof byte, i ? " %02x" : "%02x", data[i]);
        text += byte;
    }
    return text;
}

std::string AddressTag(std::uint16_t address) {
    char tag[8];
    std::snprintf(tag, sizeof tag, "@%04X", address);
    return tag;
}

const char* ProfileName(TimeoutProfile profile) {
    return profile == TimeoutProfile::kAdjustment ? "adjustment" : "programming";
}

}  // namespace

WireTrace::WireTrace() : start_(std::chrono::steady_clock::now()) {}

void WireTrace::Add(const std::string& arrow, const std::string& rest) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char time[32];
    std::snprintf(time, sizeof time, "%9.3f  ", seconds);
    lines_.push_back(time + arrow + rest + "\n");
}

void WireTrace::Note(const std::string& text) {
    Add("", text);
}

void WireTrace::Sent(const std::uint8_t* data, std::size_t count) {
    if (command_ == 'W' && count == length_) {
        Add("-> ", AddressTag(address_) + "  " + Hex(data, count));
        command_ = 0;
        return;
    }
    command_ = 0;
    if (count == 4 && (data[0] == 'R' || data[0] == 'W')) {
        command_ = static_cast<char>(data[0]);
        address_ = static_cast<std::uint16_t>(data[1] << 8 | data[2]);
        length_ = data[3];
        echoPending_ = command_ == 'R';
    }
    Add("-> ", Hex(data, count));
}

void WireTrace::Received(const std::uint8_t* data, std::size_t got, std::size_t asked) {
    std::string rest = Hex(data, got);
    if (command_ == 'R' && !echoPending_ && asked == length_) {
        rest = AddressTag(address_) + "  " + rest;
        command_ = 0;
    } else if (command_ == 'R' && echoPending_ && asked == 4) {
        echoPending_ = false;
    } else {
        command_ = 0;
    }
    if (got < asked)
        rest += (got ? " " : "") + std::string("(") + std::to_string(got) + " of " +
                std::to_string(asked) + " bytes)";
    Add("<- ", rest);
}

std::string WireTrace::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line;
    return text;
}

bool ParseTraceDataLine(const std::string& line, TraceDataLine& out) {
    // "-> @0100  " or "<- @0100  ": the arrow, the address, two blanks.
    const std::size_t at =
        line.find("> @") != std::string::npos ? line.find("> @") : line.find("- @");
    if (at == std::string::npos || at + 9 > line.size() || line.compare(at + 7, 2, "  ") != 0)
        return false;
    unsigned address = 0;
    for (std::size_t i = at + 3; i < at + 7; ++i) {
        const char c = line[i];
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return false;
        address = address * 16 + static_cast<unsigned>(digit);
    }
    out = {at + 9, static_cast<std::uint16_t>(address)};
    return true;
}

Status TracingSerialPort::Open(const std::string& portName, std::int32_t baudRate,
                               TimeoutProfile profile) {
    const Status s = port_->Open(portName, baudRate, profile);
    trace_.Note("open " + portName + " at " + std::to_string(baudRate) + " bit/s, " +
                ProfileName(profile) + " time-outs: " + (s ? "ok" : s.message()));
    return s;
}

void TracingSerialPort::Purge() {
    trace_.Note("purge");
    port_->Purge();
}

std::size_t TracingSerialPort::Read(std::uint8_t* buffer, std::size_t count) {
    const std::size_t got = port_->Read(buffer, count);
    trace_.Received(buffer, got, count);
    return got;
}

std::size_t TracingSerialPort::Write(const std::uint8_t* data, std::size_t count) {
    trace_.Sent(data, count);
    return port_->Write(data, count);
}

void TracingSerialPort::Close() {
    if (port_->IsOpen()) trace_.Note("close");
    port_->Close();
}

std::unique_ptr<SerialPort> SystemPort(WireTrace* trace) {
    auto port = std::make_unique<PosixSerialPort>();
    if (!trace) return port;
    return std::make_unique<TracingSerialPort>(std::move(port), *trace);
}

}  // namespace dpmr
