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
        d.tabbed = false;
        for (int n = 1; n <= layout::kChannelCount; ++n) {
            form::PageEntry page;
            page.table = &ChannelPageDecl(n);
            // Frequencies are clamped to the band the file was stored with.
            page.make = [n](RadioImage& image) -> std::unique_ptr<form::FormPage> {
                const BandLimits band = BandLimitsInImage(image).value_or(BandLimits{});
                return std::make_unique<ChannelEditPresenter>(image, band, n, "");
            };
            d.pages.push_back(std::move(page));
        }
        return d;
    }();
    return decl;
}

}  // namespace dpmr
