// CRadioCommands: the commands that talk to the radio: Program > Read, Write
// and "Write to Several Radios...", Setting > Port, and the hidden service
// entries (Ctrl+F11: the password, then the squelch calibration;
// Ctrl+Shift+F12 or --adjust: the factory adjustment). A Read replaces the
// document through the document controller; Write and the fleet check the
// document first and keep what the radios were sent.
#pragma once

#include <QObject>
#include <QString>

#include "app/AppContext.h"

class CDocumentController;
class CProgramView;
class QWidget;

class CRadioCommands : public QObject {
    Q_OBJECT
  public:
    CRadioCommands(AppContext& context, CDocumentController& document, CProgramView& view,
                   QWidget* window);

    void Read();
    void Write();
    void FleetWrite();
    void PortSetting();
    void ServicePassword();
    void AdjustParam();

  signals:
    // Words for the status bar; a timeout of 0 keeps them until the next.
    void StatusMessage(const QString& text, int timeoutMs);

  private:
    // The check before a Write: false when it has errors and the user does
    // not want to write anyway. `notice` receives the problems to show.
    bool CheckBeforeWrite(QString& notice);
    dpmr::LinkSettings Link() const;
    QString Caption() const;

    AppContext& context_;
    CDocumentController& document_;
    CProgramView& view_;
    QWidget* window_;
};
