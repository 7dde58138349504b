// ServiceTransfers: the small transfers of the service dialogs. The factory
// adjustment block (image 0x0040-0x0087) and the squelch calibration block
// (0x3E00-0x3E10 and 0x3E3A-0x3E3D) travel only with these. They run
// synchronously, cannot be cancelled and have no progress. A read changes the
// image only when the whole transfer succeeded. On success the result's
// message is the completion text to show ("Read successfully", "Write
// successfully", "Success"), or empty for a squelch read, after which the
// dialog reloads from the image.
#pragma once

#include "image/RadioImage.h"
#include "link/ProgramTransfer.h"
#include "link/SerialPort.h"
#include "link/TransferResult.h"

namespace dpmr {

TransferResult ReadAdjustment(SerialPort& port, const LinkSettings& link, RadioImage& image);
TransferResult WriteAdjustment(SerialPort& port, const LinkSettings& link, const RadioImage& image);
TransferResult ReadSquelch(SerialPort& port, const LinkSettings& link, RadioImage& image);
TransferResult WriteSquelch(SerialPort& port, const LinkSettings& link, const RadioImage& image);

// The same over the system's serial port (PosixSerialPort), traced into
// the link's trace when it has one.
TransferResult ReadAdjustment(const LinkSettings& link, RadioImage& image);
TransferResult WriteAdjustment(const LinkSettings& link, const RadioImage& image);
TransferResult ReadSquelch(const LinkSettings& link, RadioImage& image);
TransferResult WriteSquelch(const LinkSettings& link, const RadioImage& image);

// Copies the squelch calibration (values and noise thresholds) from `from`.
void CopySquelchCalibration(const RadioImage& from, RadioImage& to);

}  // namespace dpmr
