// The reason lines of failed transfers.
#include "link/TransferResult.h"
#include "util/Translation.h"

#include <cstdio>

namespace dpmr::msg {

std::string BrokeOffAt(std::uint16_t address) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", address);
    return Fill(Tr("link", "the transfer broke off at address %1"), {hex});
}

std::string WithReason(const std::string& first, const std::string& reason) {
    return reason.empty() ? first : first + "\n" + reason;
}

}  // namespace dpmr::msg

namespace dpmr {

bool PortCouldNotOpen(const TransferResult& result) {
    if (!result.failed()) return false;
    const std::string first = result.message.substr(0, result.message.find('\n'));
    return first == Tr("link", msg::kProgramOpenFailed) ||
           first == Tr("link", msg::kAdjustmentOpenFailed) ||
           first == Tr("link", msg::kSquelchOpenFailed);
}

}  // namespace dpmr
