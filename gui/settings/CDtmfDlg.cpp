// The "DTMF" dialog: its three pages on the shared tab host.
#include "settings/CDtmfDlg.h"

#include "settings/CDtmfContactPage.h"
#include "settings/CDtmfDecodePage.h"
#include "settings/CDtmfEncodePage.h"
#include "settings/DtmfDialog.h"

CDtmfDlg::CDtmfDlg(dpmr::RadioImage& image, QWidget* parent)
    : CTabDialog(dpmr::DtmfDialogDecl(), image, parent,
                 [](dpmr::form::FormPage& page, int index) -> CPageWidget* {
                     auto& fields = static_cast<dpmr::form::FieldPage&>(page);
                     switch (index) {
                         case 0:
                             return new CDtmfEncodePage(fields);
                         case 1:
                             return new CDtmfDecodePage(fields);
                         default:
                             return new CDtmfContactPage(fields);
                     }
                 }) {}
