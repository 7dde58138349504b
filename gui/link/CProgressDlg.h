// CProgressDlg: the small modal dialog of Read and Write. "Start" runs the
// transfer on a worker thread, the bar and the percentage follow it block by
// block, "Exit" asks the transfer to stop after the block in progress (or
// closes the dialog while nothing runs). While the transfer runs, the line
// above the bar says what it does ("Writing block 0x1200..."); when it ends,
// the dialog stays open with the result ("Written and verified", "Written",
// "Read from the radio", or the failure with its reason) until "Close". The
// Write dialog can read the radio back after a successful write and compare
// ("Verify after writing"); a difference is a failure like any other.
#pragma once

#include <QDialog>
#include <functional>
#include <thread>

#include "image/RadioImage.h"
#include "link/ProgramTransfer.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

class CProgressDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Direction { kRead, kWrite };

    // Read replaces the image's transferred ranges only when the whole read
    // succeeded; Write sends the image as it is.
    CProgressDlg(Direction direction, dpmr::RadioImage& image, dpmr::LinkSettings link,
                 dpmr::TransferControl& control, QWidget* parent = nullptr);
    ~CProgressDlg() override;

    bool Succeeded() const { return succeeded_; }
    // Whether the transfer has ended (the result is shown).
    bool Ended() const { return started_ && !running_; }
    const dpmr::TransferResult& result() const { return result_; }

    // Write only: the "Verify after writing" box and its state.
    void SetVerify(bool on);
    bool VerifyChecked() const;
    // Write only: "Keep the radio's squelch calibration": the radio's own is
    // read first and written back unchanged instead of the image's.
    void SetKeepCalibration(bool on);
    bool KeepCalibrationChecked() const;
    // Runs on the user-interface thread when "Start" starts the transfer,
    // before the first byte is sent (Write keeps its backup there).
    void SetBeforeStart(std::function<void()> hook) { beforeStart_ = std::move(hook); }
    // Words shown above the bar (the problems found before a Write); none
    // when empty.
    void SetNotice(const QString& text);

    // The line above the bar: the hint, what the transfer does, its result.
    QLabel* hintLabel() const { return hint_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* exitButton() const { return exit_; }
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
    void OnFinished(dpmr::TransferResult result);
    QString ResultText() const;

    Direction direction_;
    dpmr::RadioImage& image_;
    dpmr::LinkSettings link_;
    dpmr::TransferControl& control_;
    std::thread worker_;
    bool started_ = false;
    bool running_ = false;
    bool succeeded_ = false;
    bool verifying_ = false;
    dpmr::TransferResult result_;
    std::function<void()> beforeStart_;
    QLabel* hint_ = nullptr;
    QLabel* notice_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* keepCalibration_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* exit_ = nullptr;
};
