// The wait dialog of the service transfers.
#include "link/CTransferWaitDlg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CTransferWaitDlg::CTransferWaitDlg(QWidget* parent, const QString& text) : QDialog(parent) {
    setWindowTitle(parent ? parent->windowTitle() : QString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* label = new QLabel(text);
    auto* bar = new QProgressBar;
    bar->setRange(0, 0);  // busy: no progress to show
    bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(bar);
    setMinimumWidth(300);
}

CTransferWaitDlg::~CTransferWaitDlg() {
    if (worker_.joinable()) worker_.join();
}

dpmr::TransferResult CTransferWaitDlg::Run(QWidget* parent, const QString& text, Work work) {
    CTransferWaitDlg dialog(parent, text);
    dialog.running_ = true;
    // The dialog outlives the worker (its destructor joins it), so it is a
    // safe receiver for the queued end of the transfer, which exec() below
    // delivers.
    dialog.worker_ = std::thread([&dialog, work = std::move(work)] {
        dpmr::TransferResult result = work();
        QMetaObject::invokeMethod(
            &dialog, [&dialog, result] { dialog.OnFinished(result); }, Qt::QueuedConnection);
    });
    QApplication::setOverrideCursor(Qt::BusyCursor);
    dialog.exec();
    QApplication::restoreOverrideCursor();
    return dialog.result_;
}

void CTransferWaitDlg::OnFinished(dpmr::TransferResult result) {
    if (worker_.joinable()) worker_.join();
    running_ = false;
    result_ = std::move(result);
    done(QDialog::Accepted);
}

void CTransferWaitDlg::reject() {
    if (running_) return;
    QDialog::reject();
}
