// The "Basic setting" dialog: its three pages on the shared tab host.
#include "settings/CBasicSettingDlg.h"

#include "settings/BasicSettingDialog.h"
#include "settings/COptionPage.h"
#include "settings/CSideKeyPage.h"
#include "settings/CToneLightPage.h"

CBasicSettingDlg::CBasicSettingDlg(dpmr::RadioImage& image, const QString& pictureFolder,
                                   QWidget* parent)
    : CTabDialog(dpmr::BasicSettingDialogDecl(), image, parent,
                 [pictureFolder](dpmr::form::FormPage& page, int index) -> CPageWidget* {
                     auto& fields = static_cast<dpmr::form::FieldPage&>(page);
                     switch (index) {
                         case 0:
                             return new COptionPage(fields);
                         case 1:
                             return new CSideKeyPage(fields, pictureFolder);
                         default:
                             return new CToneLightPage(fields);
                     }
                 }) {}
