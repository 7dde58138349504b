// CPageWidget: what a tab dialog needs of the Qt side of one of its pages:
// show the presenter's state again after it loaded or committed, and stop
// handing events over once the dialog has stored.
#pragma once

#include <QWidget>

class CPageWidget : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    virtual void Refresh() = 0;
    virtual void Detach() = 0;
};
