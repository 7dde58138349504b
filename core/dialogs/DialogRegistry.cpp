// The catalogue of settings dialogs.
#include "dialogs/DialogRegistry.h"

#include "channels/ChannelEditDialog.h"
#include "dialogs/SharedByteDialogs.h"
#include "form/FieldKinds.h"
#include "service/AdjustParamDialog.h"
#include "service/SqlCalibrationDialog.h"
#include "settings/BasicSettingDialog.h"
#include "settings/DtmfDialog.h"
#include "settings/ScanInfoDialog.h"

namespace dpmr::form {

const std::vector<const DialogDecl*>& AllDialogs() {
    static const std::vector<const DialogDecl*> dialogs{
        &ChannelEditDialogDecl(), &ScanInfoDialogDecl(), &BasicSettingDialogDecl(),
        &AlarmDialogDecl(), &DtmfDialogDecl(), &DpmrParamDialogDecl(),
        // The service dialogs, which no menu offers.
        &SqlCalibrationDialogDecl(), &AdjustParamDialogDecl()};
    return dialogs;
}

std::vector<FieldRef> AllFields() {
    std::vector<FieldRef> fields;
    for (const DialogDecl* dialog : AllDialogs()) {
        for (std::size_t p = 0; p < dialog->pages.size(); ++p) {
            const PageDecl* table = dialog->pages[p].table;
            if (!table) continue;
            // Controls that only show a value (the channel number) are no fields.
            for (std::size_t f = 0; f < table->fields.size(); ++f)
                if (table->fields[f].at.size != 0)
                    fields.push_back({dialog, static_cast<int>(p), static_cast<int>(f)});
        }
    }
    return fields;
}

std::optional<FieldRef> FindField(std::string_view fullKey) {
    for (const FieldRef& ref : AllFields())
        if (ref.Key() == fullKey) return ref;
    return std::nullopt;
}

std::optional<std::string> ShownFieldText(const RadioImage& image, std::string_view fullKey) {
    const std::optional<FieldRef> ref = FindField(fullKey);
    if (!ref) return std::nullopt;
    const FieldDecl& decl = ref->Decl();
    ControlState state;
    if (HasItems(decl)) state.items = ListItemsFor(decl, image);
    LoadField(decl, image, state);
    return ShownText(decl, state);
}

}  // namespace dpmr::form
