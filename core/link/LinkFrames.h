// LinkFrames: the frame-level steps the radio's transfers are built from
// (wake-up sequence, acknowledgement, block requests, end frames), shared by
// the programming transfer and the service transfers. Internal to core/link.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace dpmr::link {

inline constexpr std::uint8_t kWakeUp[7] = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
inline constexpr std::uint8_t kAck = 'A';
inline constexpr std::uint8_t kRequestTail[2] = {'M', 0x02};
inline constexpr std::size_t kIdentitySize = 16;
inline constexpr std::uint8_t kEndRead[4] = {'E', 'N', 'D', 'R'};
inline constexpr std::uint8_t kEndWrite[4] = {'E', 'N', 'D', 'W'};

// Waits the given whole milliseconds (the protocol's fixed pauses).
void PauseMs(int ms);

// Sends bytes; the write result is not checked (only reads decide).
void Send(SerialPort& port, std::initializer_list<std::uint8_t> bytes);
void Send(SerialPort& port, const std::uint8_t* data, std::size_t count);

// Reads one byte; true when it arrived and is 'A'.
bool ReadAck(SerialPort& port);

// Reads one byte; nothing when none came.
std::optional<std::uint8_t> ReadByte(SerialPort& port);

// Counts the answers to the wake-up sequence over a transfer's opening
// exchanges and says why the last one failed.
class WakeUpAnswers {
  public:
    // Reads the answer; true when it is 'A'.
    bool Accepted(SerialPort& port);
    // No answer at all (radio off, cable out) or a wrong one.
    std::string FailureReason() const;

  private:
    bool anyAnswer_ = false;
};

// Reads exactly `count` bytes into `out`; true when all arrived.
bool ReadExactly(SerialPort& port, std::uint8_t* out, std::size_t count);

// Purge; send 'R' high low length; read the 4-byte echo (not checked) and the
// data. True when all `length` data bytes arrived.
bool RequestRead(SerialPort& port, std::uint16_t address, std::uint8_t length, std::uint8_t* out);

// Purge; send 'A'; true when the radio answers 'A'.
bool Acknowledge(SerialPort& port);

// Purge; send 'W' high low length, then the data as a second write; true when
// the radio answers 'A'.
bool RequestWrite(SerialPort& port, std::uint16_t address, const std::uint8_t* data,
                  std::uint8_t length);

// "ENDR" or "ENDW", then the radio's final byte (read, never checked).
void SendEndFrame(SerialPort& port, const std::uint8_t (&frame)[4]);

// Closes the port when the transfer leaves its scope, whichever way.
class PortCloser {
  public:
    explicit PortCloser(SerialPort& port) : port_(port) {}
    ~PortCloser() { port_.Close(); }
    PortCloser(const PortCloser&) = delete;
    PortCloser& operator=(const PortCloser&) = delete;

  private:
    SerialPort& port_;
};

}  // namespace dpmr::link
