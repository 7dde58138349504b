// CChannelEditDlg: the modal "Channel edit" dialog, one channel record at a
// time with all its analog and digital settings.
#pragma once

#include <QDialog>
#include <QString>

#include "channels/BandLimits.h"
#include "image/RadioImage.h"

class CChannelEditDlg : public QDialog {
    Q_OBJECT
public:
    // `channel` is 1..16 (the table's current row); `rxText` that row's
    // "Rx Freq" text. The dialog edits `image` directly and stores the channel
    // on show when it closes.
    CChannelEditDlg(dpmr::RadioImage& image, const dpmr::BandLimits& band, int channel,
                    const QString& rxText, QWidget* parent = nullptr);
    ~CChannelEditDlg() override;

private:
    dpmr::RadioImage& image_;
    const dpmr::BandLimits& band_;
    int channel_;
};
