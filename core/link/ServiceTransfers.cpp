// The adjustment and squelch transfers of the service dialogs: one opening
// exchange (no 0x2160 block), then a few fixed blocks.
#include "link/ServiceTransfers.h"

#include <array>
#include <optional>

#include "image/ImageLayout.h"
#include "link/LinkFrames.h"
#include "link/WireTrace.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

using namespace link;

constexpr int kWakeRetries = 3;
constexpr std::uint8_t kAdjustmentBlock = 8;
constexpr std::size_t kAdjustmentEnd = layout::kAdjustment + layout::kAdjustmentSize;

// Wake-up bytes 1 ms apart without purges, the answer read 2 ms later; the
// identity block is not used. On a failure `reason` says what went wrong.
bool AdjustmentHandshake(SerialPort& port, std::string& reason) {
    port.Purge();
    WakeUpAnswers answers;
    for (int attempts = 0;; ++attempts) {
        for (std::uint8_t byte : kWakeUp) {
            PauseMs(1);
            Send(port, {byte});
        }
        PauseMs(2);
        if (answers.Accepted(port)) break;
        if (attempts >= kWakeRetries) {
            reason = answers.FailureReason();
            return false;
        }
    }
    port.Purge();
    Send(port, kRequestTail, sizeof kRequestTail);
    std::array<std::uint8_t, kIdentitySize> identity{};
    if (!ReadExactly(port, identity.data(), identity.size())) {
        reason = Tr("link", msg::kShortIdentity);
        return false;
    }
    if (Acknowledge(port)) return true;
    reason = Tr("link", msg::kOpeningRefused);
    return false;
}

enum class SquelchOpening { kOk, kFailed, kFailedAfterIdentity };

// Like the programming exchange, with one more purge right after the last
// wake-up byte. A failure of its final 'A' needs an end frame.
SquelchOpening SquelchHandshake(SerialPort& port, std::string& reason) {
    WakeUpAnswers answers;
    for (int attempts = 0;; ++attempts) {
        for (std::uint8_t byte : kWakeUp) {
            PauseMs(2);
            port.Purge();
            Send(port, {byte});
        }
        port.Purge();
        if (answers.Accepted(port)) break;
        if (attempts >= kWakeRetries) {
            reason = answers.FailureReason();
            return SquelchOpening::kFailed;
        }
    }
    port.Purge();
    Send(port, kRequestTail, sizeof kRequestTail);
    std::array<std::uint8_t, kIdentitySize> identity{};
    if (!ReadExactly(port, identity.data(), identity.size())) {
        reason = Tr("link", msg::kShortIdentity);
        return SquelchOpening::kFailed;
    }
    PauseMs(10);
    if (Acknowledge(port)) return SquelchOpening::kOk;
    reason = Tr("link", msg::kOpeningRefused);
    return SquelchOpening::kFailedAfterIdentity;
}

struct SquelchPiece {
    std::uint16_t address;
    std::uint8_t length;
};
constexpr SquelchPiece kSquelchPieces[] = {
    {layout::kSquelchValues, layout::kSquelchValuesSize},
    {layout::kSquelchThresholds, layout::kSquelchThresholdsSize},
};

TransferResult CommunicationError(const std::string& reason) {
    return TransferResult::Failure(msg::WithReason(Tr("link", msg::kCommunicationError), reason));
}

// The port's failure under the transfer's own first line.
TransferResult OpenFailure(const std::string& first, const Status& status) {
    return TransferResult::Failure(msg::WithReason(first, status.message()));
}

// Opens the port and runs the squelch opening exchange. Returns the failure
// to report, or nothing when the session is open; a failure after the
// identity block first sends `endFrame`.
std::optional<TransferResult> OpenSquelchSession(SerialPort& port, const LinkSettings& link,
                                                 const std::uint8_t (&endFrame)[4]) {
    if (Status s = port.Open(link.portName, link.baudRate, TimeoutProfile::kProgramming); !s) {
        return OpenFailure(Tr("link", msg::kSquelchOpenFailed), s);
    }
    std::string reason;
    const SquelchOpening opening = SquelchHandshake(port, reason);
    if (opening == SquelchOpening::kFailedAfterIdentity) SendEndFrame(port, endFrame);
    if (opening != SquelchOpening::kOk) return CommunicationError(reason);
    return std::nullopt;
}

// Opens the port for an adjustment transfer and runs its opening exchange.
std::optional<TransferResult> OpenAdjustmentSession(SerialPort& port, const LinkSettings& link) {
    if (Status s = port.Open(link.portName, link.baudRate, TimeoutProfile::kAdjustment); !s) {
        return OpenFailure(Tr("link", msg::kAdjustmentOpenFailed), s);
    }
    std::string reason;
    if (!AdjustmentHandshake(port, reason)) return CommunicationError(reason);
    return std::nullopt;
}

}  // namespace

TransferResult ReadAdjustment(SerialPort& port, const LinkSettings& link, RadioImage& image) {
    PortCloser closer(port);
    if (auto failed = OpenAdjustmentSession(port, link)) return *failed;
    RadioImage staging = image;
    for (std::size_t a = layout::kAdjustment; a < kAdjustmentEnd; a += kAdjustmentBlock) {
        std::array<std::uint8_t, kAdjustmentBlock> data{};
        // A short block would leave stale bytes among the factory values, so
        // it counts as a failed exchange.
        const auto address = static_cast<std::uint16_t>(a);
        if (!RequestRead(port, address, kAdjustmentBlock, data.data()) || !Acknowledge(port)) {
            return CommunicationError(msg::BrokeOffAt(address));
        }
        std::copy(data.begin(), data.end(), staging.Span(a, kAdjustmentBlock).begin());
    }
    image = staging;
    return TransferResult::Success(Tr("link", msg::kReadSuccessfully));
}

TransferResult WriteAdjustment(SerialPort& port, const LinkSettings& link,
                               const RadioImage& image) {
    PortCloser closer(port);
    if (auto failed = OpenAdjustmentSession(port, link)) return *failed;
    for (std::size_t a = layout::kAdjustment; a < kAdjustmentEnd; a += kAdjustmentBlock) {
        const auto address = static_cast<std::uint16_t>(a);
        if (!RequestWrite(port, address, image.Span(a, kAdjustmentBlock).data(),
                          kAdjustmentBlock)) {
            return CommunicationError(msg::BrokeOffAt(address));
        }
    }
    return TransferResult::Success(Tr("link", msg::kWriteSuccessfully));
}

TransferResult ReadSquelch(SerialPort& port, const LinkSettings& link, RadioImage& image) {
    PortCloser closer(port);
    if (auto failed = OpenSquelchSession(port, link, kEndRead)) return *failed;
    RadioImage staging = image;
    for (const SquelchPiece& piece : kSquelchPieces) {
        std::array<std::uint8_t, 32> data{};
        if (!RequestRead(port, piece.address, piece.length, data.data()) || !Acknowledge(port)) {
            SendEndFrame(port, kEndRead);
            return CommunicationError(msg::BrokeOffAt(piece.address));
        }
        std::copy_n(data.begin(), piece.length, staging.Span(piece.address, piece.length).begin());
    }
    SendEndFrame(port, kEndRead);
    image = staging;
    return TransferResult::Success();
}

TransferResult WriteSquelch(SerialPort& port, const LinkSettings& link, const RadioImage& image) {
    PortCloser closer(port);
    if (auto failed = OpenSquelchSession(port, link, kEndWrite)) return *failed;
    for (const SquelchPiece& piece : kSquelchPieces) {
        if (!RequestWrite(port, piece.address, image.Span(piece.address, piece.length).data(),
                          piece.length)) {
            SendEndFrame(port, kEndWrite);
            return CommunicationError(msg::BrokeOffAt(piece.address));
        }
    }
    SendEndFrame(port, kEndWrite);
    return TransferResult::Success(Tr("link", msg::kSuccess));
}

TransferResult ReadAdjustment(const LinkSettings& link, RadioImage& image) {
    const auto port = SystemPort(link.trace);
    return ReadAdjustment(*port, link, image);
}
TransferResult WriteAdjustment(const LinkSettings& link, const RadioImage& image) {
    const auto port = SystemPort(link.trace);
    return WriteAdjustment(*port, link, image);
}
TransferResult ReadSquelch(const LinkSettings& link, RadioImage& image) {
    const auto port = SystemPort(link.trace);
    return ReadSquelch(*port, link, image);
}
TransferResult WriteSquelch(const LinkSettings& link, const RadioImage& image) {
    const auto port = SystemPort(link.trace);
    return WriteSquelch(*port, link, image);
}

void CopySquelchCalibration(const RadioImage& from, RadioImage& to) {
    for (std::size_t i = 0; i < layout::kSquelchValuesSize; ++i)
        to.SetU8(layout::kSquelchValues + i, from.U8(layout::kSquelchValues + i));
    for (std::size_t i = 0; i < layout::kSquelchThresholdsSize; ++i)
        to.SetU8(layout::kSquelchThresholds + i, from.U8(layout::kSquelchThresholds + i));
}

}  // namespace dpmr
