// CDpmrParamDlg: the modal "dPMR param" dialog with its "Basic", "Contact"
// and "Group rx list" tabs. A tab change stores the page left and loads the
// page entered; closing stores the pages; Enter and Escape never close it.
#pragma once

#include "form/CTabDialog.h"

class CDpmrParamDlg : public CTabDialog {
  public:
    explicit CDpmrParamDlg(dpmr::RadioImage& image, QWidget* parent = nullptr);
};
