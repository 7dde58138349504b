// The factory adjustment dialog: three table pages and the adjustment
// transfers.
#include "service/CAdjustParamDlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>

#include "link/ServiceTransfers.h"
#include "service/AdjustParamDialog.h"
#include "service/CAdjustDtmfPage.h"
#include "service/CAdjustRxPage.h"
#include "service/CAdjustTxPage.h"
#include "service/ServiceTransfer.h"

CAdjustParamDlg::CAdjustParamDlg(dpmr::RadioImage& image, dpmr::LinkSettings link, QWidget* parent)
    : CTabDialog(dpmr::AdjustParamDialogDecl(), image, parent,
                 [](dpmr::form::FormPage& page, int index) -> CPageWidget* {
                     auto& fields = static_cast<dpmr::form::FieldPage&>(page);
                     switch (index) {
                         case 0:
                             return new CAdjustTxPage(fields);
                         case 1:
                             return new CAdjustRxPage(fields);
                         default:
                             return new CAdjustDtmfPage(fields);
                     }
                 }),
      image_(image),
      link_(std::move(link)) {
    auto* menu = new QMenuBar(this);
    read_ = menu->addAction("&Read");
    read_->setObjectName("actionReadAdjustment");
    read_->setStatusTip("Read the adjustment values from the radio");
    write_ = menu->addAction("&Write");
    write_->setObjectName("actionWriteAdjustment");
    write_->setStatusTip("Write the adjustment values to the radio");
    layout()->setMenuBar(menu);
    connect(read_, &QAction::triggered, this, &CAdjustParamDlg::OnRead);
    connect(write_, &QAction::triggered, this, &CAdjustParamDlg::OnWrite);
}

void CAdjustParamDlg::OnRead() {
    const dpmr::LinkSettings link = link_;
    const dpmr::TransferResult result = RunServiceTransfer(
        this, "Reading the adjustment values from the radio...", image_,
        [link](dpmr::RadioImage& image) { return dpmr::ReadAdjustment(link, image); });
    if (!result.succeeded()) return;
    // What the radio sent is the user's change: the dialog keeps it at close.
    Presenter().MarkChanged();
    for (int i = 0; i < Presenter().PageCount(); ++i) {
        Presenter().Page(i).LoadFromImage();
        PageWidget(i)->Refresh();
    }
}

void CAdjustParamDlg::OnWrite() {
    // The values sent are stored, and stay stored when the dialog closes.
    Presenter().MarkChanged();
    for (int i = 0; i < Presenter().PageCount(); ++i) Presenter().Page(i).SaveToImage();
    const dpmr::LinkSettings link = link_;
    RunServiceTransfer(
        this, "Writing the adjustment values to the radio...", image_,
        [link](dpmr::RadioImage& image) { return dpmr::WriteAdjustment(link, image); });
}

void CAdjustParamDlg::keyPressEvent(QKeyEvent* event) {
    // Esc closes this tab dialog (every page stores); Enter stays swallowed.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close();
        return;
    }
    CTabDialog::keyPressEvent(event);
}
