// The digital fields of one channel given to the other selected channels.
#include "channels/DigitalFieldSpread.h"

#include "channels/ChannelEditPresenter.h"
#include "channels/ChannelTablePresenter.h"
#include "form/ListItems.h"
#include "util/Translation.h"

namespace dpmr {

SpreadReport SpreadDigitalFields(RadioImage& image, const RadioImage& before,
                                 const BandLimits& band, int source, const std::set<int>& targets) {
    SpreadReport report;
    // The source channel's changed fields and their new texts, as its dialog
    // shows them (opened on copies: looking never changes the image).
    std::vector<std::pair<EditControl, std::string>> changes;
    {
        RadioImage was = before;
        RadioImage now = image;
        const ChannelEditPresenter old(was, band, source, "");
        const ChannelEditPresenter shown(now, band, source, "");
        for (EditControl c : kSpreadFields)
            if (shown.Text(c) != old.Text(c)) changes.emplace_back(c, shown.Text(c));
    }
    for (const auto& [control, text] : changes) {
        std::set<int> given;
        std::vector<std::pair<int, std::string>> refused;
        for (int n : targets) {
            if (n == source || n < 1 || n > ChannelEditPresenter::kLastChannel) continue;
            ChannelEditPresenter dialog(image, band, n, "");
            const std::size_t i = FieldIndex(control);
            if (!dialog.State(control).enabled) {
                const std::string why = dialog.WhyDisabled(i);
                refused.emplace_back(n, dialog.Text(EditControl::kRxFreq).empty()
                                            ? Tr("channels", "no channel")
                                        : why.empty() ? Tr("channels", "greyed out")
                                                      : why);
                continue;
            }
            const int index = FindItemText(dialog.State(control).items, text);
            if (index < 0) {
                refused.emplace_back(n, Fill(Tr("channels", "\"%1\" is not offered"), {text}));
                continue;
            }
            dialog.FocusIn(i);
            dialog.Choose(i, index);
            dialog.FocusOut(i);
            dialog.SaveToImage();
            given.insert(n);
        }
        const std::string label = LabelOf(control);
        if (!given.empty())
            report.lines.push_back(Fill(Tr("channels", "%1 \"%2\" given to %3 as well"),
                                        {label, text, ChannelsText(given, false)}));
        for (const auto& [n, why] : refused)
            report.lines.push_back(
                Fill(Tr("channels", "%1 keeps its %2: %3"), {ChannelsText({n}), label, why}));
        report.changed.insert(given.begin(), given.end());
    }
    return report;
}

}  // namespace dpmr
