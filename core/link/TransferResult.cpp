// The reason lines of failed transfers.
#include "link/TransferResult.h"

#include <cstdio>

namespace dpmr::msg {

std::string BrokeOffAt(std::uint16_t address) {
    char text[48];
    std::snprintf(text, sizeof text, "the transfer broke off at address 0x%04X", address);
    return text;
}

std::string WithReason(const std::string& first, const std::string& reason) {
    return reason.empty() ? first : first + "\n" + reason;
}

}  // namespace dpmr::msg

namespace dpmr {

bool PortCouldNotOpen(const TransferResult& result) {
    if (!result.failed()) return false;
    const std::string first = result.message.substr(0, result.message.find('\n'));
    return first == msg::kProgramOpenFailed || first == msg::kAdjustmentOpenFailed ||
           first == msg::kSquelchOpenFailed;
}

}  // namespace dpmr
