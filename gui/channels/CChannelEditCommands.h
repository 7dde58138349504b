// CChannelEditCommands: the dialogs that edit channels of the table, each
// one change of the document: Edit > Fill Channels, and the table's "Channel
// edit" on the current row. With several channels selected, the digital
// fields changed in "Channel edit" go to the others too, in the same undo
// step, and what was spread is said.
#pragma once

#include <QObject>
#include <QString>

#include "channels/CProgramView.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"

class CChannelEditCommands : public QObject {
    Q_OBJECT
  public:
    CChannelEditCommands(dpmr::RadioImage& image, dpmr::BandLimits& band, CProgramView& view,
                         ImageEditorRunner runEditor, QWidget* window, QObject* parent = nullptr);

    void FillChannels();
    void ChannelEdit();

  signals:
    // Words for the status bar, kept until the next.
    void Notice(const QString& text);

  private:
    dpmr::RadioImage& image_;
    dpmr::BandLimits& band_;
    CProgramView& view_;
    ImageEditorRunner runEditor_;
    QWidget* window_;
};
