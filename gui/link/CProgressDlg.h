// CProgressDlg: the small modal dialog of Read and Write. "Start" runs the
// transfer on a worker thread, the bar and the percentage follow it block by
// block, "Exit" asks the transfer to stop after the block in progress (or
// closes the dialog while nothing runs). While the transfer runs, the line
// above the bar says what it does ("Writing block 0x1200..."); when it ends,
// the dialog stays open with the result (the verify's words on what it
// compared, "Written", "Read from the radio", or the failure with its reason
// and where its wire trace is; a port that could not be opened offers "Check
// the connection") until "Close". The Write dialog can read the radio back
// after a successful write and compare ("Verify after writing"); a
// difference is a failure like any other. The
// transfer itself, with its backups, is the core's (ReadDocument,
// WriteDocument); the dialog adds the thread and the progress. The document
// is never written by the dialog: a Read lands in the dialog's own image,
// which the caller takes once the dialog has closed.
#pragma once

#include <QDialog>
#include <string>
#include <thread>

#include "image/RadioImage.h"
#include "link/WriteSequence.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

class CProgressDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Direction { kRead, kWrite };

    // Read starts from a copy of `document` taken at "Start" and replaces its
    // transferred ranges only when the whole read succeeded; Write sends that
    // copy. Backups go to `backupFolder` (empty: none, which the dialog's
    // BackupMessage() then says).
    CProgressDlg(Direction direction, const dpmr::RadioImage& document, dpmr::LinkSettings link,
                 dpmr::TransferControl& control, std::string backupFolder,
                 QWidget* parent = nullptr);
    ~CProgressDlg() override;

    bool Succeeded() const { return succeeded_; }
    // Whether the transfer has ended (the result is shown).
    bool Ended() const { return started_ && !running_; }
    const dpmr::TransferResult& result() const { return result_; }
    // Read: what the radio sent, once the transfer has succeeded.
    const dpmr::RadioImage& ReadImage() const { return staging_; }
    // Why no backup was kept (or a failed Write's could not be marked as
    // such); empty when all went well.
    QString BackupMessage() const { return backupMessage_; }

    // Write only: the "Verify after writing" box and its state.
    void SetVerify(bool on);
    bool VerifyChecked() const;
    // Write only: "Keep the radio's squelch calibration": the radio's own is
    // read first and written back unchanged instead of the image's.
    void SetKeepCalibration(bool on);
    bool KeepCalibrationChecked() const;
    // Words shown above the bar (the problems found before a Write); none
    // when empty.
    void SetNotice(const QString& text);

    // The line above the bar: the hint, what the transfer does, its result.
    QLabel* hintLabel() const { return hint_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* exitButton() const { return exit_; }
    // "Check the connection": shown when the port could not be opened; shows
    // the connection doctor's findings for the port.
    QPushButton* checkButton() const { return check_; }
    QProgressBar* progressBar() const { return bar_; }
    QLabel* percentLabel() const { return percent_; }
    QCheckBox* verifyBox() const { return verify_; }
    QCheckBox* keepCalibrationBox() const { return keepCalibration_; }

  signals:
    // The transfer ended; its result is shown and "Close" closes the dialog.
    void TransferEnded();

  public slots:
    void OnStart();
    // "Exit", Escape and the title bar's close all come here.
    void reject() override;

  private:
    void OnProgress(int blocksDone, int totalBlocks);
    void OnVerifying();
    void OnFinished(dpmr::TransferResult result, std::string backupMessage);
    QString ResultText() const;
    // Grows the dialog so that the line above the bar shows whole.
    void FitText();

    Direction direction_;
    const dpmr::RadioImage& document_;
    // The worker's image: what is sent, or where a Read lands.
    dpmr::RadioImage staging_;
    dpmr::LinkSettings link_;
    dpmr::TransferControl& control_;
    dpmr::BackupSink backups_;
    std::thread worker_;
    bool started_ = false;
    bool running_ = false;
    bool succeeded_ = false;
    bool verifying_ = false;
    dpmr::TransferResult result_;
    QString backupMessage_;
    QLabel* hint_ = nullptr;
    QLabel* notice_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* keepCalibration_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* check_ = nullptr;
};
