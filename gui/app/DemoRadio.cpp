// Starting the demo mode's virtual radio with the sample configuration.
#include "app/DemoRadio.h"

#include "config/AppSettings.h"
#include "form/FormDialog.h"
#include "image/ImageLayout.h"
#include "link/SampleCodeplug.h"
#include "service/AdjustParamDialog.h"

namespace {

// Made-up factory values, so that the service dialogs' Read shows a radio that
// has been adjusted: every gain at its usual middle value (what an empty edit
// of the adjustment dialog stores), every list at 0 dB, and squelch values and
// noise thresholds that rise with the frequency.
void AddDemoFactoryValues(dpmr::RadioImage& memory, int variant) {
    dpmr::form::FormDialog adjustment(dpmr::AdjustParamDialogDecl(), memory);
    for (int p = 0; p < adjustment.PageCount(); ++p) {
        dpmr::form::FieldPage& page = *adjustment.FieldPageAt(p);
        for (std::size_t i = 0; i < page.FieldCount(); ++i)
            if (page.Field(i).kind == dpmr::form::FieldKind::kHex) page.Type(i, "");
    }
    adjustment.Close();
    for (std::size_t k = 0; k < dpmr::layout::kSquelchValuesSize; ++k)
        memory.SetU8(dpmr::layout::kSquelchValues + k,
                     static_cast<std::uint8_t>(52 + k + 3 * variant));
    const std::uint8_t thresholds[] = {40, 46, 36, 42};
    for (std::size_t k = 0; k < dpmr::layout::kSquelchThresholdsSize; ++k)
        memory.SetU8(dpmr::layout::kSquelchThresholds + k, thresholds[k]);
}

}  // namespace

std::unique_ptr<dpmr::VirtualRadio> StartDemoVirtualRadio(std::string& error, int variant) {
    auto radio = std::make_unique<dpmr::VirtualRadio>();
    dpmr::RadioImage memory = dpmr::LoadSampleCodeplug(dpmr::ProgramFolder());
    AddDemoFactoryValues(memory, variant);
    radio->SetMemory(memory);
    if (dpmr::Status s = radio->Start(); !s) {
        error = s.message();
        return nullptr;
    }
    return radio;
}

std::string DemoRadioPortName(const dpmr::VirtualRadio& radio) {
    return radio.DevicePath();
}
