// The "Scan Info" dialog on the shared host.
#include "settings/CScanInfoDlg.h"

#include "settings/ScanInfoDialog.h"

CScanInfoDlg::CScanInfoDlg(dpmr::RadioImage& image, QWidget* parent)
    : CTabDialog(dpmr::ScanInfoDialogDecl(), image, parent) {}
