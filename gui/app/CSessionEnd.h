// CSessionEnd: the end of the user's session while dpmrcps runs. A logout
// first asks the program to save its data (QGuiApplication's
// commitDataRequest), then ends it, through the session manager or with
// SIGTERM or SIGHUP from the system. A Read or Write in progress is then
// stopped between blocks, as its "Exit" button stops it, so that the radio
// gets its end frame, the dialog says what the radio holds ("partly
// written") and a Write's backup is marked as a failed write. On a signal the
// program quits afterwards with the signal's status (128 + its number): the
// dialogs close as they do when closed, each waiting for its transfer to
// stop (a fleet write's radios too). The signal handler only writes the
// signal's number to a socket that the event loop watches; the same signal a
// second time ends the program at once.
#pragma once

#include <QObject>
#include <functional>

#include "link/ProgramTransfer.h"

class QSocketNotifier;

class CSessionEnd : public QObject {
    Q_OBJECT
  public:
    // `quit` ends the program with a status (QCoreApplication::exit; a test
    // gives its own). At most one exists at a time.
    CSessionEnd(dpmr::TransferControl& transfer, std::function<void(int status)> quit,
                QObject* parent = nullptr);
    // Gives the signals back to the handlers they had.
    ~CSessionEnd() override;

    // The session is ending: a transfer in progress stops after its block.
    void StopTransfer();

  private:
    void OnSignal();

    dpmr::TransferControl& transfer_;
    std::function<void(int)> quit_;
    QSocketNotifier* notifier_ = nullptr;
};
