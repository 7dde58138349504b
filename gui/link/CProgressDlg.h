// CProgressDlg: the small modal dialog of Read and Write. "Start" runs the
// transfer on a worker thread, the bar and the percentage follow it block by
// block, "Exit" asks the transfer to stop after the block in progress (or
// closes the dialog while nothing runs). The dialog closes itself when the
// transfer ends; a failure, and a Write that left the radio partly written,
// are shown before it closes.
#pragma once

#include <QDialog>
#include <thread>

#include "image/RadioImage.h"
#include "link/ProgramTransfer.h"

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
    const dpmr::TransferResult& result() const { return result_; }

    QPushButton* startButton() const { return start_; }
    QPushButton* exitButton() const { return exit_; }
    QProgressBar* progressBar() const { return bar_; }
    QLabel* percentLabel() const { return percent_; }

  public slots:
    void OnStart();
    // "Exit", Escape and the title bar's close all come here.
    void reject() override;

  private:
    void OnProgress(int blocksDone, int totalBlocks);
    void OnFinished(dpmr::TransferResult result);

    Direction direction_;
    dpmr::RadioImage& image_;
    dpmr::LinkSettings link_;
    dpmr::TransferControl& control_;
    std::thread worker_;
    bool started_ = false;
    bool running_ = false;
    bool succeeded_ = false;
    dpmr::TransferResult result_;
    QProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* exit_ = nullptr;
};
