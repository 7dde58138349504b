// ProgramTransfer: the programming Read and Write of the radio memory image.
// Plain blocking code for whatever thread calls it (the desktop program runs it
// on a worker thread, dpmrtool on its main thread). It reports progress once
// per block, polls the cancel flag once per block, and a Read commits to the
// caller's image only when the whole transfer succeeded.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "image/RadioImage.h"
#include "link/SerialPort.h"
#include "link/TransferResult.h"

namespace dpmr {

class WireTrace;

// Which port and speed a transfer uses.
struct LinkSettings {
    std::string portName;  // "COMn" or a device path
    std::int32_t baudRate = 9600;
    // Where the transfers over the system's port record their frames; none
    // when null (TransferTrace hands one out).
    WireTrace* trace = nullptr;
    // Receives the 16 bytes of the identity block each programming session
    // opens with, when not null (a fleet tells its radios apart by them).
    std::vector<std::uint8_t>* identityBlock = nullptr;
};

// A half-open range of radio addresses (= image offsets).
struct TransferRange {
    std::uint16_t start;
    std::uint16_t end;  // exclusive
};

// One request of at most 32 bytes that never crosses a 32-byte boundary.
struct TransferBlock {
    std::uint16_t address;
    std::uint8_t length;
    bool operator==(const TransferBlock&) const = default;
};

// The three ranges Read and Write move, in order: 0x0100-0x215F,
// 0x2178-0x3E2F, 0x3E50-0x3FFF.
const std::vector<TransferRange>& ProgramRanges();

// The blocks of the ranges, in transfer order (504 for ProgramRanges()).
std::vector<TransferBlock> SplitIntoBlocks(const std::vector<TransferRange>& ranges);

// The percentage shown beside the progress bar: truncated, never rounded.
int ProgressPercent(int blocksDone, int totalBlocks);

// Shared between the progress dialog and the worker. The transfer sets `busy`
// while it runs; the caller clears `cancelRequested` before starting it and
// sets it to stop the transfer after the block in progress.
struct TransferControl {
    std::atomic<bool> busy{false};
    std::atomic<bool> cancelRequested{false};
};

// Called after every block with (blocks done, total blocks).
using ProgressCallback = std::function<void(int blocksDone, int totalBlocks)>;

// Programming Read: on success the three ranges of `image` hold what the radio
// sent and the radio's band edges are filled in at 0x3F80 when byte 0x3F83 is
// 0xFF; on failure or cancel `image` is unchanged.
TransferResult ReadFromRadio(SerialPort& port, const LinkSettings& link, RadioImage& image,
                             const ProgressCallback& progress, TransferControl& control);
// Programming Write of the three ranges and the closing block.
TransferResult WriteToRadio(SerialPort& port, const LinkSettings& link, const RadioImage& image,
                            const ProgressCallback& progress, TransferControl& control);

// Verify after a Write: reads the three ranges back in a session of its own
// and compares them with `sent`. Succeeds with msg::kWriteVerified, which
// names the bytes of the closing block the read-back cannot carry; a difference
// fails with "Verify failed", the settings that differ (named as `dpmrtool
// diff` names them) and the advice to write again; a read-back that broke
// off fails with "... broke off while verifying." and its reason, as it
// compared nothing. `sent` is never changed.
TransferResult VerifyRadio(SerialPort& port, const LinkSettings& link, const RadioImage& sent,
                           const ProgressCallback& progress, TransferControl& control);

// The same over the system's serial port (PosixSerialPort), traced into
// the link's trace when it has one.
TransferResult ReadFromRadio(const LinkSettings& link, RadioImage& image,
                             const ProgressCallback& progress, TransferControl& control);
TransferResult WriteToRadio(const LinkSettings& link, const RadioImage& image,
                            const ProgressCallback& progress, TransferControl& control);
TransferResult VerifyRadio(const LinkSettings& link, const RadioImage& sent,
                           const ProgressCallback& progress, TransferControl& control);

// The addresses of the three ranges at which `a` and `b` differ, in order.
std::vector<std::uint16_t> DifferingAddresses(const RadioImage& a, const RadioImage& b);

// Writes the radio's band edges (whole MHz) into image 0x3F80..0x3F87 as two
// 4-byte BCD values in tens of Hz, clamped to 8 digits. Used after a Read when
// byte 0x3F83 is 0xFF.
void StoreRadioBandEdges(RadioImage& image, std::uint16_t lowMhz, std::uint16_t highMhz);

}  // namespace dpmr
