// The "Alarm" dialog on the shared host.
#include "settings/CAlarmDlg.h"

#include "dialogs/SharedByteDialogs.h"

CAlarmDlg::CAlarmDlg(dpmr::RadioImage& image, QWidget* parent)
    : CTabDialog(dpmr::AlarmDialogDecl(), image, parent) {}
