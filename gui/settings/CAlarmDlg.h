// CAlarmDlg: the modal "Alarm" dialog: emergency alarm, lone worker ("Work
// alone") and automatic contact. The man-down part ("Upside" and its times)
// is cut off the dialog but still loads and stores. No tabs, no buttons: the
// close box, Enter and Escape close it, and every way out stores.
#pragma once

#include "form/CTabDialog.h"

class CAlarmDlg : public CTabDialog {
  public:
    explicit CAlarmDlg(dpmr::RadioImage& image, QWidget* parent = nullptr);
};
