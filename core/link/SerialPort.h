// SerialPort: the serial line a transfer talks to the radio over. Opened afresh
// for every transfer with one of two time-out profiles and closed at its end.
// Reads return how many bytes arrived before the time-outs ran out; a missing
// or short reply shows only as a lower count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "util/Result.h"

namespace dpmr {

// The two time-out sets of the radio's transfers, in milliseconds. A read of
// n bytes gives up after totalConstantMs + totalPerByteMs * n, or sooner when
// the line stays quiet for longer than intervalMs between two bytes.
enum class TimeoutProfile {
    kProgramming,  // programming Read/Write and the squelch transfers
    kAdjustment,   // factory adjustment transfers
};

struct Timeouts {
    int readIntervalMs;
    int readTotalPerByteMs;
    int readTotalConstantMs;
    int writeTotalPerByteMs;
    int writeTotalConstantMs;
};

Timeouts TimeoutsFor(TimeoutProfile profile);

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens the named port (see DevicePathForPortName) exclusively, sets raw
    // 8N1 at `baudRate` and the profile's time-outs. Fails, naming the device
    // and the reason, when the port cannot be opened (missing, no permission,
    // not a serial device, or held by another program).
    virtual Status Open(const std::string& portName, std::int32_t baudRate,
                        TimeoutProfile profile) = 0;
    virtual bool IsOpen() const = 0;

    // Discards what has arrived and not been read yet, and waits until what
    // was written has left.
    virtual void Purge() = 0;

    // Reads up to `count` bytes under the profile's time-outs; returns how many
    // arrived.
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t count) = 0;

    // Writes the bytes and waits until they have left (or the write time-out
    // ran out); returns how many were accepted.
    virtual std::size_t Write(const std::uint8_t* data, std::size_t count) = 0;

    // Gives the line back with the settings it had before Open.
    virtual void Close() = 0;
};

}  // namespace dpmr
