// CChannelEditDlg: placeholder until the dialog's controls land.
#include "channels/CChannelEditDlg.h"

CChannelEditDlg::CChannelEditDlg(dpmr::RadioImage& image, const dpmr::BandLimits& band,
                                 int channel, const QString& rxText, QWidget* parent)
    : QDialog(parent), image_(image), band_(band), channel_(channel) {
    Q_UNUSED(rxText);
    setWindowTitle("Channel edit");
}

CChannelEditDlg::~CChannelEditDlg() = default;
