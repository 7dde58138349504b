// CScanInfoDlg: the modal "Scan Info" dialog. It has no tabs and no buttons:
// the close box, Enter and Escape close it, and every way out stores. Its
// channel lists are built from the channels present when it opens, so the
// main window stores its channel table first.
#pragma once

#include "form/CTabDialog.h"

class CScanInfoDlg : public CTabDialog {
  public:
    explicit CScanInfoDlg(dpmr::RadioImage& image, QWidget* parent = nullptr);
};
