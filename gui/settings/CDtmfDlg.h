// CDtmfDlg: the modal "DTMF" dialog with its "Encode", "Decode" and "Contact"
// tabs. A tab change stores the page left and loads the page entered; closing
// stores the three pages in that order. Enter and Escape never close it.
#pragma once

#include "form/CTabDialog.h"

class CDtmfDlg : public CTabDialog {
  public:
    explicit CDtmfDlg(dpmr::RadioImage& image, QWidget* parent = nullptr);
};
