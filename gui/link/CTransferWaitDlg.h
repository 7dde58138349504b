// CTransferWaitDlg: the small modal wait of the service transfers (adjustment
// and squelch). Those cannot be cancelled and report no progress, so the
// dialog shows a busy bar and a busy cursor while a worker thread runs the
// transfer, keeps the window painting, and closes itself when it ends. It
// cannot be closed meanwhile.
#pragma once

#include <QDialog>
#include <functional>
#include <thread>

#include "link/TransferResult.h"

class CTransferWaitDlg : public QDialog {
    Q_OBJECT
  public:
    using Work = std::function<dpmr::TransferResult()>;

    // Runs `work` on a worker thread under the wait dialog and returns its
    // result. `work` must not touch anything the user interface uses.
    static dpmr::TransferResult Run(QWidget* parent, const QString& text, Work work);

    ~CTransferWaitDlg() override;

    // Escape and the close box do nothing while the transfer runs.
    void reject() override;

  private:
    CTransferWaitDlg(QWidget* parent, const QString& text);
    void OnFinished(dpmr::TransferResult result);

    std::thread worker_;
    bool running_ = false;
    dpmr::TransferResult result_;
};
