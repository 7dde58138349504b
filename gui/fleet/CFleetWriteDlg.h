// CFleetWriteDlg: Program > "Write to Several Radios...". Lists the ports
// with check boxes (ports that cannot be opened are shown disabled with the
// reason) and, per radio, the dPMR ID and name it gets: filled from the
// first ID, the step and the name pattern, or from the customer's list
// ("Import list...": a CSV file or cells pasted from a spreadsheet), and
// editable. The whole list is checked before anything is sent (refusals and
// questions naming the row, an ID the backups show on another radio). Then
// the document goes into every checked radio at once, with a progress bar
// and status line per radio, or, with "One cable", into one radio after
// another on the same port, the dialog asking for the next radio (Space or
// Enter) and showing which row comes next and what the last one got. The
// fleet runs on a worker thread, so the program stays responsive. A summary
// lists each radio's result; "Retry Failed" runs the radios that did not
// succeed again; one log holds every run of the session; "Save Report..."
// and "Print Report..." give the job report. Closing the dialog while
// radios are being written asks first, then stops every transfer.
#pragma once

#include <QDialog>
#include <set>
#include <string>
#include <vector>

#include "fleet/CFleetPortTable.h"
#include "fleet/CFleetSummaryTable.h"
#include "fleet/FleetList.h"
#include "fleet/FleetWrite.h"
#include "image/RadioImage.h"
#include "link/PortEntry.h"

class CFleetWorker;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
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

    // The document's file, named in the job report (empty: never saved).
    void SetTemplateFile(const std::string& path) { templateFile_ = path; }
    // The choices of the last session: these ports are ticked whenever they
    // are listed, and the two boxes set.
    void Remember(const std::vector<std::string>& ports, bool verify, bool keepCalibration);

    // Adds a port to the list (the system's ports, the demo radios; tests
    // add pseudo-terminals). A port already listed is left as it is.
    void AddPort(const PortEntry& entry);
    // Takes an unplugged port off the list (a port a run has results for
    // stays, marked unplugged and unticked).
    void RemovePort(const QString& devicePath);
    // Ticks or clears a listed port's box.
    void SetPortChecked(const QString& devicePath, bool checked);
    // Takes the list's rows from a CSV text or pasted spreadsheet cells;
    // false with the reason said when it cannot be read.
    bool ImportListText(const QString& text, const QString& source);

    bool Running() const { return running_; }
    const std::vector<dpmr::FleetRadioResult>& Results() const { return results_; }
    bool VerifyChecked() const;
    bool KeepCalibrationChecked() const;
    // The ports ticked now, in the list's order.
    std::vector<std::string> TickedPorts() const;
    // The ports that may hold a partly written configuration.
    std::vector<std::string> PartlyWritten() const;
    // Writes the job report as CSV; false with `error` set on failure.
    bool SaveReportTo(const QString& path, QString& error) const;
    // Draws the job report onto `printer` (the print preview's pages).
    void PrintReport(QPrinter* printer) const;
    // The report's rows as the print shows them.
    QString ReportHtml() const;

    QTableWidget* portTable() const { return ports_; }
    QTableWidget* summaryTable() const { return summary_; }
    QLineEdit* idFromEdit() const { return idFrom_; }
    QSpinBox* idStepBox() const { return idStep_; }
    QLineEdit* namePatternEdit() const { return namePattern_; }
    QCheckBox* keepIdentityBox() const { return keepIdentity_; }
    QCheckBox* verifyBox() const { return verify_; }
    QCheckBox* copyCalibrationBox() const { return copyCalibration_; }
    QCheckBox* oneCableBox() const { return oneCable_; }
    QLineEdit* addPathEdit() const { return addPath_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* retryButton() const { return retry_; }
    QPushButton* saveReportButton() const { return saveReport_; }
    QPushButton* stopButton() const { return stop_; }
    QLabel* messageLabel() const { return message_; }
    QLabel* nextLabel() const { return nextLabel_; }
    QPlainTextEdit* sessionLog() const { return log_; }

  signals:
    // Emitted on the user-interface thread when a run has ended.
    void RunFinished();

  public slots:
    void OnStart();
    // One cable: the next radio is on the cable.
    void OnNextRadio();
    void OnRetryFailed();
    void OnStop();
    void OnImportFile();
    void OnPasteList();
    void OnSaveReport();
    void OnPrintReport();
    // Escape and the title bar's close: asks first while radios are written.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter in the "Add Port" field adds the port (and never starts a write).
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The parts of the dialog, made once by the constructor.
    QTableWidget* BuildPortTable();
    QHBoxLayout* BuildAddPortRow();
    QGroupBox* BuildIdentityBox(bool verify);
    void BuildResults();
    QHBoxLayout* BuildButtons();
    void AddTypedPort();
    void SetCell(int row, int column, const QString& text);
    // The ID and Name columns from the pattern (while no list is imported).
    void FillFromPattern();
    void OnPatternEdited();
    void OnPortItemChanged(int row, int column);
    // The ticked rows as list rows (and their table rows), after the rows of
    // an imported list that are still waiting for a radio are refused.
    bool PlanFromTable(std::vector<dpmr::FleetTarget>& targets, std::vector<int>& rows);
    bool PlanKeepingIdentity(std::vector<dpmr::FleetTarget>& targets, std::vector<int>& rows);
    // Asks the list's questions; true to go on.
    bool AskToGoOn(const std::vector<std::string>& questions, const QString& title);
    dpmr::FleetRunOptions MakeRunOptions();
    // Runs `targets` (rows of the port table) on the worker.
    void Run(std::vector<dpmr::FleetTarget> targets, std::vector<int> rows);
    void StartOneCable();
    void ShowNextRow();
    void OnFinished(std::vector<dpmr::FleetRadioResult> results);
    void ShowSummary();
    void UpdateButtons();
    void Log(const QString& line);
    // Stop every transfer and close once they have ended? False when the
    // user wants to go on.
    bool AskToStop();

    dpmr::RadioImage document_;
    std::int32_t baudRate_;
    std::string backupFolder_;
    std::string templateFile_;
    bool force_;
    std::set<std::string> remembered_;
    std::vector<PortEntry> entries_;
    // The rows of an imported list that no listed port has taken yet.
    std::vector<dpmr::FleetListRow> waiting_;
    std::vector<dpmr::FleetListRow> listRows_;  // the whole list, for one cable
    bool listImported_ = false;
    bool filling_ = false;
    // One cable: the list's targets, the next one, the port.
    std::vector<dpmr::FleetTarget> cableTargets_;
    std::size_t cableNext_ = 0;
    int cableRow_ = -1;
    bool oneCableRun_ = false;
    std::vector<dpmr::WrittenRadio> cableWritten_;  // this job's radios, newest first
    // The radios of the last Start, their rows and results (a retry replaces
    // the results of the radios it ran; one cable adds a result a radio).
    std::vector<int> rows_;
    std::vector<int> runRows_;  // the rows of the run in progress
    std::time_t jobStarted_ = 0;
    // The lines said when the run started (the first radio's check).
    std::set<std::string> shown_;
    std::vector<dpmr::FleetRadioResult> results_;
    CFleetWorker* worker_ = nullptr;
    bool running_ = false;
    bool closeWhenDone_ = false;

    CFleetPortTable* ports_ = nullptr;
    QLineEdit* idFrom_ = nullptr;
    QSpinBox* idStep_ = nullptr;
    QLineEdit* namePattern_ = nullptr;
    QCheckBox* keepIdentity_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* copyCalibration_ = nullptr;
    QCheckBox* oneCable_ = nullptr;
    QLineEdit* addPath_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* nextLabel_ = nullptr;
    CFleetSummaryTable* summary_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* retry_ = nullptr;
    QPushButton* saveReport_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
};
