// TransferResult: how a transfer with the radio ended, and the texts the user
// is shown for it: the fixed first line of a failure, then the reason.
#pragma once

#include <cstdint>
#include <string>

#include "util/Translation.h"

namespace dpmr {

enum class TransferOutcome { kSucceeded, kFailed, kCancelled };

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::kFailed;
    // Failed: the text to show, its first line one of the fixed texts below,
    // then the reason. Succeeded: the completion text to show, or empty when
    // nothing is shown. Cancelled: empty, or the warning that the radio holds
    // a partly written configuration.
    std::string message;

    bool succeeded() const { return outcome == TransferOutcome::kSucceeded; }
    bool cancelled() const { return outcome == TransferOutcome::kCancelled; }
    bool failed() const { return outcome == TransferOutcome::kFailed; }

    static TransferResult Success(std::string text = {}) {
        return {TransferOutcome::kSucceeded, std::move(text)};
    }
    static TransferResult Failure(std::string text) {
        return {TransferOutcome::kFailed, std::move(text)};
    }
    static TransferResult Cancelled(std::string text = {}) {
        return {TransferOutcome::kCancelled, std::move(text)};
    }
};

// Texts shown to the user, letter for letter; each goes through Tr("link", ...)
// where a result is made, and is compared in that form.
namespace msg {
inline constexpr const char* kProgramOpenFailed = DPMR_TR_NOOP("link", "Cound not open the port.");
inline constexpr const char* kAdjustmentOpenFailed =
    DPMR_TR_NOOP("link", "Cound not open the port");
inline constexpr const char* kSquelchOpenFailed = DPMR_TR_NOOP("link", "Could ont open the port");
inline constexpr const char* kCommunicationError = DPMR_TR_NOOP("link", "Communication error");
inline constexpr const char* kReadSuccessfully = DPMR_TR_NOOP("link", "Read successfully");
inline constexpr const char* kWriteSuccessfully = DPMR_TR_NOOP("link", "Write successfully");
inline constexpr const char* kSuccess = DPMR_TR_NOOP("link", "Success");
// The read-back after a Write. The closing block the Write ends with
// (0x2160-0x217F) is sent but the programming Read carries only its last 8
// bytes, so a verify that found no difference says which bytes it could not
// compare.
inline constexpr const char* kVerifyFailed = DPMR_TR_NOOP("link", "Verify failed");
inline constexpr const char* kWriteVerified = DPMR_TR_NOOP(
    "link",
    "Written and verified, except the 24-byte closing block, which the radio does not send back");
// The last line of a verify that found differences.
inline constexpr const char* kWriteAgain =
    DPMR_TR_NOOP("link", "Write again before using the radio.");
// A read-back that broke off checked nothing: no "Verify failed".
inline constexpr const char* kVerifyBrokeOff =
    DPMR_TR_NOOP("link", "The write was completed; the read-back broke off while verifying.");
inline constexpr const char* kVerifyStopped =
    DPMR_TR_NOOP("link", "The write was completed; checking it was stopped before the end.");

// Reasons given on the line after "Communication error".
inline constexpr const char* kNoAnswer =
    DPMR_TR_NOOP("link", "no answer from the radio: is it switched on and the cable plugged in?");
inline constexpr const char* kWakeUpRefused =
    DPMR_TR_NOOP("link", "the radio did not answer the wake-up with 'A'");
inline constexpr const char* kShortIdentity =
    DPMR_TR_NOOP("link", "the radio's identity block was cut short");
inline constexpr const char* kOpeningRefused =
    DPMR_TR_NOOP("link", "the radio did not confirm the opening exchange");
// After a Write that ended once the radio had taken blocks.
inline constexpr const char* kPartlyWritten = DPMR_TR_NOOP(
    "link",
    "The radio may now hold a partly written configuration: write it again before using it.");

// "the transfer broke off at address 0x1000"
std::string BrokeOffAt(std::uint16_t address);

// `first` alone, or `first`, a line break and `reason`.
std::string WithReason(const std::string& first, const std::string& reason);
}  // namespace msg

// Whether the transfer failed because its port could not be opened (any of
// the three open texts as the first line): the cases where the connection
// doctor can say why.
bool PortCouldNotOpen(const TransferResult& result);

}  // namespace dpmr
