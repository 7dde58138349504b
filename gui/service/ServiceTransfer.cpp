// Service transfers under the wait dialog, with their messages.
#include "service/ServiceTransfer.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "link/CTransferWaitDlg.h"
#include "link/ConnectionCheck.h"

namespace {

// The caption of the program's main window (the top of the parent chain).
QString ProgramCaption(QWidget* widget) {
    QWidget* top = widget->window();
    while (top->parentWidget()) top = top->parentWidget()->window();
    return top->windowTitle();
}

}  // namespace

dpmr::TransferResult RunServiceTransfer(QWidget* dialog, const QString& busyText,
                                        const std::string& portName, dpmr::RadioImage& image,
                                        ImageTransfer transfer) {
    dpmr::RadioImage copy = image;
    const dpmr::TransferResult result = CTransferWaitDlg::Run(
        dialog, busyText, [&copy, transfer = std::move(transfer)] { return transfer(copy); });
    if (result.succeeded()) image = copy;
    if (result.failed() || !result.message.empty()) {
        QMessageBox box(result.failed() ? QMessageBox::Warning : QMessageBox::Information,
                        ProgramCaption(dialog), QString::fromStdString(result.message),
                        QMessageBox::Ok, dialog);
        // A port that would not open: the doctor can say why, and how to fix it.
        QPushButton* check = nullptr;
        if (!portName.empty() && dpmr::PortCouldNotOpen(result))
            check = box.addButton(
                QCoreApplication::translate("ServiceTransfer", "&Check the connection"),
                QMessageBox::ActionRole);
        box.exec();
        if (check && box.clickedButton() == check) ShowConnectionCheck(dialog, portName);
    }
    return result;
}
