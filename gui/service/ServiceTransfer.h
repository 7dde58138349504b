// RunServiceTransfer: how the service dialogs run one of their transfers
// (adjustment or squelch, read or write): on a copy of the image under the
// wait dialog, so that the window keeps painting with a busy cursor; the
// image takes the copy back only when the transfer succeeded. A failure is
// shown in a warning box, a completion text (if the transfer has one) in a
// box owned by the service dialog; both carry the main window's caption. A
// port that would not open offers "Check the connection" in the warning.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "image/RadioImage.h"
#include "link/TransferResult.h"

class QWidget;

using ImageTransfer = std::function<dpmr::TransferResult(dpmr::RadioImage& image)>;

dpmr::TransferResult RunServiceTransfer(QWidget* dialog, const QString& busyText,
                                        const std::string& portName, dpmr::RadioImage& image,
                                        ImageTransfer transfer);
