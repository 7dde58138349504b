// The catalogue of settings dialogs.
#include "form/DialogRegistry.h"

#include "settings/AlarmDialog.h"
#include "dpmr/DpmrParamDialog.h"
#include "service/AdjustParamDialog.h"
#include "service/SqlCalibrationDialog.h"
#include "settings/BasicSettingDialog.h"
#include "settings/DtmfDialog.h"
#include "settings/ScanInfoDialog.h"

namespace dpmr::form {

const std::vector<const DialogSpec*>& AllDialogs() {
    static const std::vector<const DialogSpec*> dialogs{
        &ScanInfoDialogSpec(), &BasicSettingDialogSpec(), &AlarmDialogSpec(), &DtmfDialogSpec(),
        &DpmrParamDialogSpec(),
        // The service dialogs, which no menu offers.
        &SqlCalibrationDialogSpec(), &AdjustParamDialogSpec()};
    return dialogs;
}

std::vector<FieldRef> AllFields() {
    std::vector<FieldRef> fields;
    for (const DialogSpec* dialog : AllDialogs()) {
        for (std::size_t p = 0; p < dialog->pages.size(); ++p) {
            const PageSpec* table = dialog->pages[p].table;
            if (!table) continue;
            for (std::size_t f = 0; f < table->fields.size(); ++f)
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

}  // namespace dpmr::form
