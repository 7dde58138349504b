// The "Channel edit" dialog declaration: sixteen pages, one per channel.
#include "channels/ChannelEditDialog.h"

#include <memory>

#include "channels/ChannelEditPresenter.h"
#include "channels/ChannelFields.h"
#include "image/BandLimits.h"
#include "image/ImageLayout.h"

namespace dpmr {

const form::DialogDecl& ChannelEditDialogDecl() {
    static const form::DialogDecl decl = [] {
        form::DialogDecl d;
        d.caption = "Channel edit";
        d.help =
            "One channel at a time, with its analog and its digital settings; Channel no. and "
            "its spin step through the 16 channels. Closing keeps the edits.";
        d.tabbed = false;
        for (int n = 1; n <= layout::kChannelCount; ++n) {
            form::PageEntry page;
            page.table = &ChannelPageDecl(n);
            // Frequencies are clamped to the band the channel table works in
            // for the file: the "Freq range" entry its band bytes match.
            page.make = [n](RadioImage& image,
                            const form::PageContext& context) -> std::unique_ptr<form::FormPage> {
                const BandLimits band = BandForImage(image, context.freqRanges).band;
                return std::make_unique<ChannelEditPresenter>(image, band, n, "");
            };
            d.pages.push_back(std::move(page));
        }
        return d;
    }();
    return decl;
}

}  // namespace dpmr
