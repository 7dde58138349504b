// CBasicSettingDlg: the modal "Basic setting" dialog with its "Option",
// "Side Key" and "Tone and Light" tabs.
#pragma once

#include "form/CTabDialog.h"

class CBasicSettingDlg : public CTabDialog {
  public:
    CBasicSettingDlg(dpmr::RadioImage& image, const QString& pictureFolder,
                     QWidget* parent = nullptr);
};
