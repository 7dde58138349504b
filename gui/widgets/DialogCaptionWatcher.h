// DialogCaptionWatcher: remembers the caption of the first dialog window that
// opens while it exists, so that an action that runs a dialog can be named
// after it ("Basic setting", "dPMR param") without repeating its caption.
#pragma once

#include <QObject>
#include <QString>

class DialogCaptionWatcher : public QObject {
  public:
    // Watches the whole application from now on.
    DialogCaptionWatcher();
    ~DialogCaptionWatcher() override;

    // The caption of the first dialog shown; empty while none was.
    const QString& Caption() const { return caption_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString caption_;
    bool seen_ = false;
};
