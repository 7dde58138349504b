// CFleetWriteDlg: Program > "Write to Several Radios...". Lists the ports
// with check boxes (ports that cannot be opened are shown disabled with the
// reason), takes the first radio ID and the step, the name pattern, "Keep each
// radio's identity", "Verify after writing" and the opt-out that copies the
// document's squelch calibration, then writes the document into every
// checked radio at once with a progress bar and status line per radio. The
// fleet runs on a worker thread, so the program stays responsive. At the end
// a summary lists port, radio ID, name, result and seconds; "Retry Failed"
// runs the radios that did not succeed again with the identities they were
// given, and "Save Log..." writes the results as CSV. Closing the dialog
// while radios are being written asks first, then stops every transfer.
#pragma once

#include <QDialog>
#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "fleet/FleetWrite.h"
#include "image/RadioImage.h"
#include "link/PortEntry.h"

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class CFleetWriteDlg : public QDialog {
    Q_OBJECT
  public:
    // `document` is what is written (the table already stored into it).
    // `force`: the user agreed to write a document with errors.
    CFleetWriteDlg(const dpmr::RadioImage& document, std::int32_t baudRate,
                   std::string backupFolder, bool verify, bool force, QWidget* parent = nullptr);
    ~CFleetWriteDlg() override;

    // Adds a port to the list (the system's ports, the demo radios; tests
    // add pseudo-terminals). A port already listed is left as it is.
    void AddPort(const PortEntry& entry);
    // Takes an unplugged port off the list (a port a run has results for
    // stays, marked unplugged and unticked).
    void RemovePort(const QString& devicePath);
    // Ticks or clears a listed port's box.
    void SetPortChecked(const QString& devicePath, bool checked);

    bool Running() const { return running_; }
    const std::vector<dpmr::FleetRadioResult>& Results() const { return results_; }
    bool VerifyChecked() const;
    // Writes the log of the last run; false with `error` set on failure.
    bool SaveLogTo(const QString& path, QString& error) const;

    QTableWidget* portTable() const { return ports_; }
    QTableWidget* summaryTable() const { return summary_; }
    QLineEdit* idFromEdit() const { return idFrom_; }
    QSpinBox* idStepBox() const { return idStep_; }
    QLineEdit* namePatternEdit() const { return namePattern_; }
    QCheckBox* keepIdentityBox() const { return keepIdentity_; }
    QCheckBox* verifyBox() const { return verify_; }
    QCheckBox* copyCalibrationBox() const { return copyCalibration_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* retryButton() const { return retry_; }
    QPushButton* saveLogButton() const { return saveLog_; }
    QPushButton* stopButton() const { return stop_; }
    QLabel* messageLabel() const { return message_; }

  signals:
    // Emitted on the user-interface thread when a run has ended.
    void RunFinished();

  public slots:
    void OnStart();
    void OnRetryFailed();
    void OnStop();
    void OnSaveLog();
    // Escape and the title bar's close: asks first while radios are written.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The parts of the dialog, made once by the constructor.
    QTableWidget* BuildPortTable();
    QHBoxLayout* BuildAddPortRow();
    QGroupBox* BuildIdentityBox(bool verify);
    void BuildResults();
    QHBoxLayout* BuildButtons();
    // Runs `targets` (rows of the port table) on the worker.
    void Run(std::vector<dpmr::FleetTarget> targets, std::vector<int> rows);
    void OnProgress(const dpmr::FleetProgress& progress);
    void OnFinished(std::vector<dpmr::FleetRadioResult> results);
    void ShowSummary();
    void UpdateButtons();
    // Stop every transfer and close once they have ended? False when the
    // user wants to go on.
    bool AskToStop();

    dpmr::RadioImage document_;
    std::int32_t baudRate_;
    std::string backupFolder_;
    bool force_;
    dpmr::FleetRunOptions runOptions_;
    std::vector<PortEntry> entries_;
    // The radios of the last Start, their rows and results (a retry replaces
    // the results of the radios it ran).
    std::vector<dpmr::FleetTarget> targets_;
    std::vector<int> rows_;
    std::vector<int> runRows_;  // the rows of the run in progress
    // The lines said when the run started (the first radio's check).
    std::set<std::string> shown_;
    std::vector<dpmr::FleetRadioResult> results_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    bool closeWhenDone_ = false;

    QTableWidget* ports_ = nullptr;
    QLineEdit* idFrom_ = nullptr;
    QSpinBox* idStep_ = nullptr;
    QLineEdit* namePattern_ = nullptr;
    QCheckBox* keepIdentity_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* copyCalibration_ = nullptr;
    QLineEdit* addPath_ = nullptr;
    QLabel* message_ = nullptr;
    QTableWidget* summary_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* retry_ = nullptr;
    QPushButton* saveLog_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
};
