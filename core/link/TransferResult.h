// TransferResult: how a transfer with the radio ended, and the fixed texts the
// user is shown for it.
#pragma once

#include <string>

namespace dpmr {

enum class TransferOutcome { kSucceeded, kFailed, kCancelled };

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::kFailed;
    // Failed: the text to show. Succeeded: the completion text to show, or
    // empty when nothing is shown. Cancelled: empty.
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
    static TransferResult Cancelled() { return {TransferOutcome::kCancelled, {}}; }
};

// Texts shown to the user, letter for letter.
namespace msg {
inline constexpr const char* kProgramOpenFailed = "Cound not open the port.";
inline constexpr const char* kAdjustmentOpenFailed = "Cound not open the port";
inline constexpr const char* kSquelchOpenFailed = "Could ont open the port";
inline constexpr const char* kCommunicationError = "Communication error";
inline constexpr const char* kReadSuccessfully = "Read successfully";
inline constexpr const char* kWriteSuccessfully = "Write successfully";
inline constexpr const char* kSuccess = "Success";
}  // namespace msg

}  // namespace dpmr
