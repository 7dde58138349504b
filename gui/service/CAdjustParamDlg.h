// CAdjustParamDlg: the factory adjustment dialog "可调节参数" with its "Tx",
// "Rx" and "DTMF" tabs. It has no OK or Cancel: closing it (close box or Esc)
// keeps every edit in the image. Its menu bar moves the adjustment block to
// and from the radio: "Read" reads it and reloads the three pages, "Write"
// stores the three pages and writes it.
#pragma once

#include "form/CTabDialog.h"
#include "link/ProgramTransfer.h"

class QAction;

class CAdjustParamDlg : public CTabDialog {
    Q_OBJECT
  public:
    // `link`: the port of Setting > Port (the virtual radio in demo mode).
    CAdjustParamDlg(dpmr::RadioImage& image, dpmr::LinkSettings link, QWidget* parent = nullptr);

    QAction* readAction() const { return read_; }
    QAction* writeAction() const { return write_; }

  public slots:
    void OnRead();
    void OnWrite();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    dpmr::RadioImage& image_;
    dpmr::LinkSettings link_;
    QAction* read_ = nullptr;
    QAction* write_ = nullptr;
};
