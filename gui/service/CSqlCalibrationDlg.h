// CSqlCalibrationDlg: the squelch calibration dialog "Sql", opened through the
// service password. Its rows follow the band of the image (the main window
// stores its table first). "Read" reads the squelch block from the radio and
// reloads; "Write" stores and writes it. Closing it in any way stores.
#pragma once

#include "form/CTabDialog.h"
#include "link/ProgramTransfer.h"

class CSqlCalibrationPage;

class CSqlCalibrationDlg : public CTabDialog {
    Q_OBJECT
  public:
    // `link`: the port of Setting > Port (the virtual radio in demo mode).
    CSqlCalibrationDlg(dpmr::RadioImage& image, dpmr::LinkSettings link, QWidget* parent = nullptr);

    CSqlCalibrationPage* Page() const;

  public slots:
    void OnRead();
    void OnWrite();

  private:
    dpmr::RadioImage& image_;
    dpmr::LinkSettings link_;
};
