// PosixSerialPort: the serial line on Linux through termios. Exclusive open
// (TIOCEXCL and an advisory lock, so that a second instance or another program
// cannot share the port), raw 8N1, poll()-based reads with interval and total
// deadlines, writes that return only once the bytes have left. Closing (or
// destroying the object) always releases the port and puts back the line
// settings it had, so that a terminal given by mistake keeps working.
#pragma once

#include <termios.h>

#include <string>

#include "link/SerialPort.h"

namespace dpmr {

// Device path for a stored port name: "COMn" and "\\.\COMn" (names kept by
// older settings files) mean /dev/ttyS(n-1); any other name is a device path
// and is used as it is.
std::string DevicePathForPortName(const std::string& portName);

// Why a serial device could not be opened: the system's words for `err`, and
// what to do where the user can do something ("Permission denied: add your
// user to the dialout group and log in again").
std::string PortOpenReason(int err);

class PosixSerialPort final : public SerialPort {
  public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override { Close(); }
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    Status Open(const std::string& portName, std::int32_t baudRate,
                TimeoutProfile profile) override;
    bool IsOpen() const override { return fd_ >= 0; }
    void Purge() override;
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override;
    std::size_t Write(const std::uint8_t* data, std::size_t count) override;
    void Close() override;

  private:
    bool WaitOutputDrained(int timeoutMs);

    int fd_ = -1;
    termios saved_{};  // the line settings found at Open
    Timeouts timeouts_ = TimeoutsFor(TimeoutProfile::kProgramming);
};

}  // namespace dpmr
