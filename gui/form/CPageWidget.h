// CPageWidget: what a tab dialog needs of the Qt side of one of its pages:
// show the presenter's state again after it loaded or committed, stop
// handing events over once the dialog has stored, and, for a page that
// carries them, the buttons that move its values to and from the radio.
#pragma once

#include <QWidget>
#include <utility>

class QAbstractButton;

class CPageWidget : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    virtual void Refresh() = 0;
    virtual void Detach() = 0;
    // The page's own "Read" and "Write" buttons (the squelch calibration);
    // none for the others.
    virtual std::pair<QAbstractButton*, QAbstractButton*> TransferButtons() const {
        return {nullptr, nullptr};
    }
};
