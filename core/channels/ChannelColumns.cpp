// The channel table's columns.
#include "channels/ChannelColumns.h"

#include "channels/ChannelRowText.h"

namespace dpmr {

namespace {

template <std::size_t N>
std::vector<std::string> Texts(const std::array<const char*, N>& texts) {
    return {texts.begin(), texts.end()};
}

}  // namespace

const std::array<ChannelColumn, kChannelColumnCount>& ChannelColumns() {
    using C = EditControl;
    using E = CellEditor;
    static const std::array<ChannelColumn, kChannelColumnCount> columns{{
        {"",
         500,
         E::kNone,
         std::nullopt,
         {},
         "The channel's number, 1 to 16. An empty row is an empty channel: type a receive "
         "frequency to make it."},
        {"Rx Freq", 1400, E::kFrequency, C::kRxFreq, {}},
        {"Tx Freq", 1400, E::kFrequency, C::kTxFreq, {}},
        {"Rx Tone", 1100, E::kTone, C::kRxTone, {}},
        {"Tx Tone", 1100, E::kTone, C::kTxTone, {}},
        {"Power", 1100, E::kList, C::kTxPower, Texts(kPowerTexts)},
        // The scan bit shows as "Add" or "Del", not as the dialog's check mark.
        {"Scan", 1000, E::kList, C::kScan, Texts(kScanTexts)},
        {"Bandwidth", 1000, E::kList, C::kBandwidth, Texts(kBandwidthTexts)},
        {"Channel type", 1500, E::kList, C::kChannelType, Texts(kChannelTypeTexts)},
        {"", 1200, E::kNone, std::nullopt, {}},
    }};
    return columns;
}

std::string ChannelColumnHelp(int column) {
    const ChannelColumn& c = ChannelColumns()[static_cast<std::size_t>(column)];
    if (c.help) return c.help;
    if (!c.field) return "";
    return ChannelRecordDecl().fields[FieldIndex(*c.field)].help;
}

}  // namespace dpmr
