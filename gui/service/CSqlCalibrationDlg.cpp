// The squelch calibration dialog and its two transfers.
#include "service/CSqlCalibrationDlg.h"

#include <QPushButton>

#include "link/ServiceTransfers.h"
#include "service/CSqlCalibrationPage.h"
#include "service/ServiceTransfer.h"
#include "service/SqlCalibrationDialog.h"

CSqlCalibrationDlg::CSqlCalibrationDlg(dpmr::RadioImage& image, dpmr::LinkSettings link,
                                       QWidget* parent)
    : CTabDialog(dpmr::SqlCalibrationDialogDecl(), image, parent,
                 [](dpmr::form::FormPage& page, int) -> CPageWidget* {
                     return new CSqlCalibrationPage(static_cast<dpmr::SqlCalibrationPage&>(page));
                 }),
      image_(image),
      link_(std::move(link)) {
    connect(Page()->ReadButton(), &QPushButton::clicked, this, &CSqlCalibrationDlg::OnRead);
    connect(Page()->WriteButton(), &QPushButton::clicked, this, &CSqlCalibrationDlg::OnWrite);
}

CSqlCalibrationPage* CSqlCalibrationDlg::Page() const {
    return static_cast<CSqlCalibrationPage*>(PageWidget(0));
}

void CSqlCalibrationDlg::OnRead() {
    const dpmr::LinkSettings link = link_;
    const dpmr::TransferResult result = RunServiceTransfer(
        this, "Reading the squelch calibration from the radio...", image_,
        [link](dpmr::RadioImage& image) { return dpmr::ReadSquelch(link, image); });
    if (!result.succeeded()) return;
    // What the radio sent is the user's change: the dialog keeps it at close.
    Presenter().MarkChanged();
    Presenter().Page(0).LoadFromImage();
    Page()->Refresh();
}

void CSqlCalibrationDlg::OnWrite() {
    // The values sent are stored, and stay stored when the dialog closes.
    Presenter().MarkChanged();
    Presenter().Page(0).SaveToImage();
    const dpmr::LinkSettings link = link_;
    RunServiceTransfer(this, "Writing the squelch calibration to the radio...", image_,
                       [link](dpmr::RadioImage& image) { return dpmr::WriteSquelch(link, image); });
}
