// The fleet write dialog: the ports with each radio's ID and name, the
// identity options and the list import, a progress bar and status line per
// radio, one cable's next radio, the summary, the session's log, "Retry
// Failed" and the job report.
#include "fleet/CFleetWriteDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "fleet/CFleetIdentityBox.h"
#include "fleet/CFleetPortTable.h"
#include "fleet/CFleetSummaryTable.h"
#include "fleet/CFleetWorker.h"
#include "fleet/FleetJob.h"
#include "fleet/FleetJobReport.h"
#include "link/CPortWatch.h"
#include "link/PosixSerialPort.h"
#include "util/DecimalText.h"
#include "util/FileIo.h"
#include "widgets/FileChoice.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << Q(line);
    return out.join('\n');
}

}  // namespace

CFleetWriteDlg::CFleetWriteDlg(const dpmr::RadioImage& document, std::int32_t baudRate,
                               std::string backupFolder, bool verify, bool force, QWidget* parent)
    : QDialog(parent),
      document_(document),
      baudRate_(baudRate),
      backupFolder_(std::move(backupFolder)),
      force_(force) {
    setObjectName("fleetWriteDlg");
    setWindowTitle(tr("Write to Several Radios"));
    worker_ = new CFleetWorker(
        [this](const dpmr::FleetProgress& p) {
            if (p.index < runRows_.size()) ports_->ShowProgress(runRows_[p.index], p);
        },
        [this](std::vector<dpmr::FleetRadioResult> results) { OnFinished(std::move(results)); },
        this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Radios (one per port, all written at the same time), each with its ID and "
                      "name:"),
                   this));
    layout->addWidget(BuildPortTable(), 1);
    layout->addLayout(BuildAddPortRow());
    layout->addWidget(BuildIdentityBox(verify));
    BuildResults();
    layout->addWidget(message_);
    layout->addWidget(nextLabel_);
    layout->addWidget(summary_, 1);
    layout->addWidget(log_);
    layout->addLayout(BuildButtons());
    // Tall enough for the list, the results and the log, but never taller
    // than the screen: the Start and Close buttons stay in sight at 800 px.
    resize(820, std::min(820, screen()->availableGeometry().height() - 60));
    UpdateButtons();
    // A cable plugged in adds its radio's row; one pulled out takes it away.
    auto* watch = new CPortWatch(this);
    connect(watch, &CPortWatch::PortAdded, this, &CFleetWriteDlg::AddPort);
    connect(watch, &CPortWatch::PortRemoved, this, &CFleetWriteDlg::RemovePort);
}

QTableWidget* CFleetWriteDlg::BuildPortTable() {
    ports_ = new CFleetPortTable(this);
    connect(ports_, &QTableWidget::cellChanged, this, &CFleetWriteDlg::OnPortItemChanged);
    return ports_;
}

QHBoxLayout* CFleetWriteDlg::BuildAddPortRow() {
    addPath_ = new QLineEdit(this);
    addPath_->setObjectName("fleetAddPath");
    addPath_->setPlaceholderText(tr("/dev/ttyUSB1 or a virtual radio's /dev/pts/N"));
    addPath_->setAccessibleName(tr("Port to add"));
    addPath_->installEventFilter(this);
    auto* add = new QPushButton(tr("Add Port"), this);
    add->setObjectName("fleetAddPort");
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &CFleetWriteDlg::AddTypedPort);
    import_ = new QPushButton(tr("Import list..."), this);
    import_->setObjectName("fleetImport");
    import_->setAutoDefault(false);
    import_->setToolTip(
        tr("The customer's list: one row a radio with its name, dPMR ID and, optionally, its "
           "port; from a CSV file, or the rows copied in a spreadsheet"));
    auto* menu = new QMenu(import_);
    menu->addAction(tr("From a CSV File..."), this, &CFleetWriteDlg::OnImportFile);
    menu->addAction(tr("Paste from the Clipboard"), this, &CFleetWriteDlg::OnPasteList);
    import_->setMenu(menu);
    auto* row = new QHBoxLayout;
    row->addWidget(addPath_, 1);
    row->addWidget(add);
    row->addWidget(import_);
    return row;
}

QGroupBox* CFleetWriteDlg::BuildIdentityBox(bool verify) {
    auto* identity = new CFleetIdentityBox(verify, this);
    idFrom_ = identity->idFrom();
    idStep_ = identity->idStep();
    namePattern_ = identity->namePattern();
    keepIdentity_ = identity->keepIdentity();
    verify_ = identity->verify();
    copyCalibration_ = identity->copyCalibration();
    oneCable_ = identity->oneCable();
    connect(keepIdentity_, &QCheckBox::toggled, this, [this] {
        UpdateButtons();
        FillFromPattern();
    });
    connect(oneCable_, &QCheckBox::toggled, this, &CFleetWriteDlg::UpdateButtons);
    connect(idFrom_, &QLineEdit::textEdited, this, &CFleetWriteDlg::OnPatternEdited);
    connect(idFrom_, &QLineEdit::textChanged, this, [this] {
        if (!listImported_) FillFromPattern();
    });
    connect(idStep_, &QSpinBox::valueChanged, this, &CFleetWriteDlg::OnPatternEdited);
    connect(namePattern_, &QLineEdit::textEdited, this, &CFleetWriteDlg::OnPatternEdited);
    connect(namePattern_, &QLineEdit::textChanged, this, [this] {
        if (!listImported_) FillFromPattern();
    });

    return identity;
}

void CFleetWriteDlg::BuildResults() {
    message_ = new QLabel(this);
    message_->setObjectName("fleetMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selectable for copying with the mouse, read as text by a screen reader:
    // not a stop of Tab and not a control without a name while it is empty.
    message_->setFocusPolicy(Qt::NoFocus);
    nextLabel_ = new QLabel(this);
    nextLabel_->setObjectName("fleetNextRow");
    nextLabel_->setWordWrap(true);
    nextLabel_->hide();

    summary_ = new CFleetSummaryTable(this);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName("fleetLog");
    log_->setAccessibleName(tr("Session log"));
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(5000);
    log_->setPlaceholderText(tr("Every run and retry of this session is logged here."));
    log_->setMaximumHeight(120);
}

QHBoxLayout* CFleetWriteDlg::BuildButtons() {
    const auto button = [this](const QString& text, const char* name,
                               void (CFleetWriteDlg::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    start_ = button(tr("Start"), "fleetStart", &CFleetWriteDlg::OnStart);
    next_ = button(tr("Next Radio"), "fleetNext", &CFleetWriteDlg::OnNextRadio);
    retry_ = button(tr("Retry Failed"), "fleetRetry", &CFleetWriteDlg::OnRetryFailed);
    saveReport_ = button(tr("Save Report..."), "fleetSaveReport", &CFleetWriteDlg::OnSaveReport);
    print_ = button(tr("Print Report..."), "fleetPrintReport", &CFleetWriteDlg::OnPrintReport);
    stop_ = button(tr("Stop"), "fleetStop", &CFleetWriteDlg::OnStop);
    close_ = button(tr("Close"), "fleetClose", &CFleetWriteDlg::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {start_, next_, retry_, saveReport_, print_}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(stop_);
    buttons->addWidget(close_);
    return buttons;
}

CFleetWriteDlg::~CFleetWriteDlg() {
    worker_->Cancel();
    worker_->Join();
}

void CFleetWriteDlg::Remember(const std::vector<std::string>& ports, bool verify,
                              bool keepCalibration) {
    remembered_ = {ports.begin(), ports.end()};
    verify_->setChecked(verify);
    copyCalibration_->setChecked(!keepCalibration);
    for (int row = 0; row < ports_->rowCount(); ++row)
        if (remembered_.count(ports_->CellText(row, CFleetPortTable::kPortCol).toStdString()))
            SetPortChecked(ports_->CellText(row, CFleetPortTable::kPortCol), true);
}

bool CFleetWriteDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == addPath_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddTypedPort();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CFleetWriteDlg::AddTypedPort() {
    const QString path = addPath_->text().trimmed();
    if (path.isEmpty() || running_) return;
    // A port that cannot be opened now is listed with the reason, unticked.
    const PortEntry found =
        EntryOf(dpmr::CheckPort(dpmr::DevicePathForPortName(path.toStdString())));
    AddPort({path, tr("added by hand"), found.available, found.reason});
    SetPortChecked(path, true);
    addPath_->clear();
}

void CFleetWriteDlg::SetCell(int row, int column, const QString& text) {
    const bool was = filling_;
    filling_ = true;
    ports_->SetText(row, column, text);
    filling_ = was;
}

void CFleetWriteDlg::AddPort(const PortEntry& entry) {
    if (ports_->RowOf(entry.devicePath) >= 0) return;
    const bool was = filling_;
    filling_ = true;
    entries_.push_back(entry);
    const int row = ports_->AppendPort(entry);
    filling_ = was;
    if (!entry.available || running_) return;
    if (listImported_ && !waiting_.empty()) {
        // A cable plugged in takes the next row of the list that waits.
        const dpmr::FleetListRow next = waiting_.front();
        waiting_.erase(waiting_.begin());
        SetPortChecked(entry.devicePath, true);
        SetCell(row, CFleetPortTable::kIdCol, Q(next.radioId));
        SetCell(row, CFleetPortTable::kNameCol, Q(next.name));
        Log(tr("%1 takes line %2 of the list").arg(entry.devicePath).arg(next.line));
    } else if (remembered_.count(entry.devicePath.toStdString())) {
        SetPortChecked(entry.devicePath, true);
    }
}

void CFleetWriteDlg::RemovePort(const QString& devicePath) {
    const int row = ports_->RowOf(devicePath);
    if (row < 0) return;
    // Rows a run has results for keep their place, unplugged.
    if (running_ || !results_.empty()) {
        ports_->MarkUnplugged(row);
        return;
    }
    ports_->removeRow(row);
    entries_.erase(entries_.begin() + row);
}

void CFleetWriteDlg::SetPortChecked(const QString& devicePath, bool checked) {
    const int row = ports_->RowOf(devicePath);
    if (row >= 0 && ports_->RowUsable(row)) ports_->SetTicked(row, checked);
}

bool CFleetWriteDlg::VerifyChecked() const {
    return verify_->isChecked();
}

bool CFleetWriteDlg::KeepCalibrationChecked() const {
    return !copyCalibration_->isChecked();
}

std::vector<std::string> CFleetWriteDlg::TickedPorts() const {
    return ports_->TickedPorts();
}

std::vector<std::string> CFleetWriteDlg::PartlyWritten() const {
    return dpmr::PartlyWrittenPorts(results_);
}

// ---- each radio's ID and name ------------------------------------------------

void CFleetWriteDlg::OnPatternEdited() {
    // The pattern typed after a list was imported takes over from the list.
    if (listImported_) {
        listImported_ = false;
        waiting_.clear();
    }
    FillFromPattern();
}

void CFleetWriteDlg::OnPortItemChanged(int, int column) {
    if (filling_ || column != CFleetPortTable::kPortCol || listImported_) return;
    FillFromPattern();
}

void CFleetWriteDlg::FillFromPattern() {
    if (filling_ || listImported_) return;
    filling_ = true;
    ports_->FillFromPattern(
        keepIdentity_->isChecked(), dpmr::ParseWholeNumber(idFrom_->text().trimmed().toStdString()),
        idStep_->value(), namePattern_->text().toStdString(), dpmr::ImageRadioId(document_));
    filling_ = false;
}

bool CFleetWriteDlg::ImportListText(const QString& text, const QString& source) {
    if (running_) return false;
    std::vector<dpmr::FleetListRow> rows;
    if (dpmr::Status s = dpmr::ParseFleetList(text.toStdString(), rows); !s) {
        message_->setText(tr("The list was not taken from %1: %2.").arg(source, Q(s.message())));
        return false;
    }
    listImported_ = true;
    waiting_.clear();
    filling_ = true;
    ports_->PlaceList(
        rows,
        [this](const std::string& port) {
            const PortEntry found = EntryOf(dpmr::CheckPort(dpmr::DevicePathForPortName(port)));
            AddPort({Q(port), tr("named in the list"), found.available, found.reason});
        },
        waiting_);
    filling_ = false;
    // One cable takes the list in its order, whatever the ports.
    listRows_ = rows;
    QString said = tr("%1 radios from %2.").arg(rows.size()).arg(source);
    if (!waiting_.empty() && !oneCable_->isChecked()) {
        QStringList names;
        for (const dpmr::FleetListRow& r : waiting_) names << Q(dpmr::FleetRowLabel(r));
        said += tr("\nNo port for %1 yet: plug in another cable, or write them with \"One cable\".")
                    .arg(names.join(", "));
    }
    message_->setText(said);
    Log(tr("Imported %1 rows from %2").arg(rows.size()).arg(source));
    return true;
}

void CFleetWriteDlg::OnImportFile() {
    const QString path = ChooseFileInDialog(
        this, false,
        {tr("Import List"), tr("CSV files (*.csv);;Text files (*.txt);;All Files (*)"), "csv"}, {});
    if (path.isEmpty()) return;
    std::string text;
    if (dpmr::Status s = dpmr::ReadListFile(path.toStdString(), "fleet list", text); !s) {
        message_->setText(tr("The list was not read: %1.").arg(Q(s.message())));
        return;
    }
    ImportListText(Q(text), path);
}

void CFleetWriteDlg::OnPasteList() {
    ImportListText(QApplication::clipboard()->text(), tr("the clipboard"));
}

// ---- checks and runs ---------------------------------------------------------

bool CFleetWriteDlg::AskToGoOn(const std::vector<std::string>& questions, const QString& title) {
    if (questions.empty()) return true;
    QMessageBox box(QMessageBox::Question, windowTitle(), title, QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setObjectName("fleetQuestionBox");
    box.setInformativeText(Lines(questions));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool CFleetWriteDlg::PlanKeepingIdentity(std::vector<dpmr::FleetTarget>& targets,
                                         std::vector<int>& rows) {
    std::vector<std::string> ports;
    for (int row = 0; row < ports_->rowCount(); ++row) {
        if (!ports_->RowTicked(row)) continue;
        ports.push_back(ports_->CellText(row, CFleetPortTable::kPortCol).toStdString());
        rows.push_back(row);
    }
    dpmr::FleetIdentityOptions identity;
    identity.keepIdentity = true;
    identity.namePattern = namePattern_->text().toStdString();
    std::vector<std::string> notes;
    if (dpmr::Status s = dpmr::PlanFleet(ports, identity, document_, targets, notes); !s) {
        message_->setText(tr("Nothing was sent: %1.").arg(Q(s.message())));
        return false;
    }
    return true;
}

bool CFleetWriteDlg::PlanFromTable(std::vector<dpmr::FleetTarget>& targets,
                                   std::vector<int>& rows) {
    if (!waiting_.empty()) {
        QStringList names;
        for (const dpmr::FleetListRow& r : waiting_) names << Q(dpmr::FleetRowLabel(r));
        message_->setText(tr("Nothing was sent: %1 of the list have no radio: plug in another "
                             "cable or tick another port.")
                              .arg(names.join(", ")));
        return false;
    }
    const std::string pattern = namePattern_->text().toStdString();
    if (!listImported_ && !pattern.empty()) {
        std::string name;
        if (dpmr::Status s = dpmr::ExpandNamePattern(pattern, 1, "0000001", name); !s) {
            message_->setText(tr("Nothing was sent: %1.").arg(Q(s.message())));
            return false;
        }
    }
    std::vector<dpmr::FleetListRow> list;
    for (int row = 0; row < ports_->rowCount(); ++row) {
        if (!ports_->RowTicked(row)) continue;
        list.push_back({static_cast<std::size_t>(row) + 1,
                        ports_->CellText(row, CFleetPortTable::kNameCol).trimmed().toStdString(),
                        ports_->CellText(row, CFleetPortTable::kIdCol).trimmed().toStdString(),
                        ports_->CellText(row, CFleetPortTable::kPortCol).toStdString()});
        rows.push_back(row);
    }
    const dpmr::FleetListPlan plan =
        dpmr::PlanFleetList(list, {}, {}, DPMR_TR_NOOP("fleet", "row"));
    if (plan.Refused()) {
        message_->setText(tr("Nothing was sent:\n%1").arg(Lines(plan.Texts(true))));
        return false;
    }
    if (!AskToGoOn(plan.Texts(false), tr("Write the radios all the same?"))) {
        message_->setText(tr("Nothing was sent."));
        return false;
    }
    targets = plan.targets;
    return true;
}

dpmr::FleetRunOptions CFleetWriteDlg::MakeRunOptions() {
    dpmr::FleetRunOptions options{.baudRate = baudRate_,
                                  .identity = {},
                                  .verify = verify_->isChecked(),
                                  .copyCalibration = copyCalibration_->isChecked(),
                                  .force = force_,
                                  .backupFolder = backupFolder_};
    options.identity.keepIdentity = keepIdentity_->isChecked();
    if (options.identity.keepIdentity)
        options.identity.namePattern = namePattern_->text().toStdString();
    if (!backupFolder_.empty() && !dpmr::LoadWrittenRadios(backupFolder_, options.history))
        Log(tr("The backups could not be looked through for IDs given before."));
    if (oneCableRun_)
        options.history.insert(options.history.begin(), cableWritten_.begin(), cableWritten_.end());
    // Asked from the fleet's thread, answered here.
    options.confirm = [this](const std::vector<std::string>& warnings) {
        bool yes = false;
        QMetaObject::invokeMethod(
            this,
            [this, &warnings, &yes] {
                yes = AskToGoOn(warnings, tr("Write the radios all the same?"));
            },
            Qt::BlockingQueuedConnection);
        return yes;
    };
    return options;
}

void CFleetWriteDlg::OnStart() {
    if (running_) return;
    if (oneCable_->isChecked()) {
        StartOneCable();
        return;
    }
    std::vector<dpmr::FleetTarget> targets;
    std::vector<int> rows;
    const bool planned = keepIdentity_->isChecked() ? PlanKeepingIdentity(targets, rows)
                                                    : PlanFromTable(targets, rows);
    if (!planned) return;
    if (targets.empty()) {
        message_->setText(tr("Tick the ports of the radios to write."));
        return;
    }
    results_.clear();
    oneCableRun_ = false;
    jobStarted_ = std::time(nullptr);
    // What the first radio's check finds is said once, here; the radios'
    // notes that repeat it are not.
    shown_.clear();
    for (const dpmr::WriteProblem& p : dpmr::CheckFirstRadio(document_, targets))
        shown_.insert(dpmr::ProblemLine(p));
    QStringList said;
    for (const std::string& line : shown_) said << Q(line);
    bool named = keepIdentity_->isChecked();
    for (const dpmr::FleetTarget& t : targets) named |= t.name.has_value();
    if (!named && targets.size() > 1)
        said << tr("Every radio keeps the file's name \"%1\".")
                    .arg(Q(dpmr::ImageRadioName(document_)));
    message_->setText(said.join('\n'));
    rows_ = rows;
    Log((verify_->isChecked() ? tr("Start: %1 radio(s), verify") : tr("Start: %1 radio(s)"))
            .arg(targets.size()));
    Run(std::move(targets), std::move(rows));
}

void CFleetWriteDlg::StartOneCable() {
    const std::vector<std::string> ticked = TickedPorts();
    if (ticked.size() != 1) {
        message_->setText(tr("One cable: tick the one port the radios are put on."));
        return;
    }
    if (listRows_.empty()) {
        message_->setText(tr("One cable: import the list of radios first (\"Import list...\")."));
        return;
    }
    const dpmr::FleetListPlan plan = dpmr::PlanFleetList(listRows_, {}, ticked[0]);
    if (plan.Refused()) {
        message_->setText(tr("Nothing was sent:\n%1").arg(Lines(plan.Texts(true))));
        return;
    }
    if (!AskToGoOn(plan.Texts(false), tr("Write the radios all the same?"))) {
        message_->setText(tr("Nothing was sent."));
        return;
    }
    cableTargets_ = plan.targets;
    cableNext_ = 0;
    cableRow_ = ports_->RowOf(Q(ticked[0]));
    cableWritten_.clear();
    oneCableRun_ = true;
    jobStarted_ = std::time(nullptr);
    results_.clear();
    for (const dpmr::FleetTarget& t : cableTargets_) {
        dpmr::FleetRadioResult waiting;
        waiting.target = t;
        waiting.radioId = t.radioId;
        waiting.name = t.name.value_or("");
        results_.push_back(waiting);
    }
    shown_.clear();
    message_->clear();
    Log(tr("One cable on %1: %2 radios").arg(Q(ticked[0])).arg(cableTargets_.size()));
    ShowSummary();
    ShowNextRow();
}

void CFleetWriteDlg::ShowNextRow() {
    QString text;
    if (!results_.empty() && cableNext_ > 0) {
        const dpmr::FleetRadioResult& last = results_[cableNext_ - 1];
        text = tr("Radio %1 got %2 \"%3\": %4.\n")
                   .arg(last.target.number)
                   .arg(Q(last.radioId), Q(last.name), Q(dpmr::FleetResultText(last)));
    }
    if (cableNext_ >= cableTargets_.size()) {
        int done = 0;
        for (const dpmr::FleetRadioResult& r : results_) done += r.succeeded();
        text +=
            tr("The list is done: %1 of %2 radios written.").arg(done).arg(cableTargets_.size());
        oneCableRun_ = false;
        Log(text.split('\n').last());
    } else {
        const dpmr::FleetTarget& t = cableTargets_[cableNext_];
        const dpmr::FleetRadioResult& now = results_[cableNext_];
        text += (now.outcome == dpmr::FleetStage::kWaiting
                     ? tr("Next: put radio %1 of %2 on the cable (ID %3, \"%4\") and press "
                          "Space or Enter.")
                     : tr("Again: put radio %1 of %2 on the cable (ID %3, \"%4\") and press "
                          "Space or Enter."))
                    .arg(t.number)
                    .arg(cableTargets_.size())
                    .arg(Q(t.radioId), Q(t.name.value_or(dpmr::ImageRadioName(document_))));
    }
    nextLabel_->setText(text);
    nextLabel_->show();
    UpdateButtons();
    if (next_->isEnabled()) {
        next_->setDefault(true);
        next_->setFocus();
    }
}

void CFleetWriteDlg::OnNextRadio() {
    if (running_ || !oneCableRun_ || cableNext_ >= cableTargets_.size()) return;
    Log(tr("Radio %1 of %2 on the cable").arg(cableNext_ + 1).arg(cableTargets_.size()));
    Run({cableTargets_[cableNext_]}, {cableRow_});
}

void CFleetWriteDlg::OnRetryFailed() {
    if (running_ || oneCableRun_) return;
    std::vector<dpmr::FleetTarget> targets;
    std::vector<int> rows;
    for (std::size_t i = 0; i < results_.size() && i < rows_.size(); ++i) {
        if (results_[i].succeeded()) continue;
        targets.push_back(results_[i].target);
        rows.push_back(rows_[i]);
    }
    if (targets.empty()) return;
    message_->clear();
    Log(tr("Retry: %1 radio(s)").arg(targets.size()));
    Run(std::move(targets), std::move(rows));
}

void CFleetWriteDlg::Run(std::vector<dpmr::FleetTarget> targets, std::vector<int> rows) {
    worker_->Join();
    for (int row : rows) ports_->ResetProgress(row);
    runRows_ = rows;
    running_ = true;
    UpdateButtons();
    worker_->Start(document_, std::move(targets), MakeRunOptions());
}

void CFleetWriteDlg::OnFinished(std::vector<dpmr::FleetRadioResult> results) {
    worker_->Join();
    worker_->ShowProgress();
    running_ = false;
    for (std::size_t i = 0; i < results.size() && i < runRows_.size(); ++i) {
        const dpmr::FleetRadioResult& r = results[i];
        ports_->ShowResult(runRows_[i], r);
        const QString port = Q(r.target.port), id = Q(r.radioId), name = Q(r.name),
                      result = Q(dpmr::FleetResultText(r));
        Log(r.verify == "not asked"
                ? tr("%1: %2 \"%3\": %4").arg(port, id, name, result)
                : tr("%1: %2 \"%3\": %4, verify %5")
                      .arg(port, id, name, result,
                           QCoreApplication::translate("fleet", r.verify.c_str())));
        for (const std::string& note : dpmr::UnshownNotes(r, shown_))
            Log(Q(r.target.port + ": " + note));
    }
    const bool cable = oneCableRun_ && results.size() == 1 && cableNext_ < results_.size();
    if (cable) {
        results_[cableNext_] = results[0];
        if (results[0].succeeded()) {
            const dpmr::FleetRadioResult& r = results[0];
            cableWritten_.insert(cableWritten_.begin(),
                                 dpmr::JustWritten(r.target, r.radioId, r.name, r.calibration));
            ++cableNext_;
        }
    } else {
        dpmr::MergeRetryResults(results_, results);
    }
    ShowSummary();
    const std::vector<std::string> partly = PartlyWritten();
    if (!partly.empty()) {
        Log(tr("May hold a partly written configuration: %1")
                .arg(Lines(partly).replace('\n', ", ")));
    }
    if (cable && !closeWhenDone_) {
        if (worker_->Cancelled()) oneCableRun_ = false;
        ShowNextRow();
    } else {
        int done = 0;
        for (const dpmr::FleetRadioResult& r : results_) done += r.succeeded();
        QStringList lines;
        if (!message_->text().isEmpty()) lines << message_->text();
        lines << tr("%1 of %2 radios written.").arg(done).arg(results_.size());
        for (const dpmr::FleetRadioResult& r : results)
            for (const std::string& note : dpmr::UnshownNotes(r, shown_))
                lines << Q(r.target.port + ": " + note);
        if (!partly.empty()) {
            lines << tr("These radios may now hold a partly written configuration: write them "
                        "again before using them: %1")
                         .arg(Lines(partly).replace('\n', ", "));
        }
        message_->setText(lines.join('\n'));
    }
    UpdateButtons();
    emit RunFinished();
    if (closeWhenDone_) QDialog::reject();
}

void CFleetWriteDlg::ShowSummary() {
    summary_->ShowResults(results_);
}

void CFleetWriteDlg::UpdateButtons() {
    bool anyFailed = false;
    for (const dpmr::FleetRadioResult& r : results_) anyFailed |= !r.succeeded();
    const bool cable = oneCable_->isChecked();
    start_->setEnabled(!running_ && !oneCableRun_);
    next_->setVisible(cable);
    next_->setEnabled(!running_ && oneCableRun_ && cableNext_ < cableTargets_.size());
    if (!next_->isEnabled()) next_->setDefault(false);
    retry_->setEnabled(!running_ && !oneCableRun_ && anyFailed);
    saveReport_->setEnabled(!running_ && !results_.empty());
    print_->setEnabled(!running_ && !results_.empty());
    stop_->setEnabled(running_ || oneCableRun_);
    ports_->setEnabled(!running_ && !oneCableRun_);
    for (QWidget* w : std::initializer_list<QWidget*>{namePattern_, keepIdentity_, verify_,
                                                      copyCalibration_, addPath_, import_})
        w->setEnabled(!running_ && !oneCableRun_);
    oneCable_->setEnabled(!running_ && !oneCableRun_ && !keepIdentity_->isChecked());
    idFrom_->setEnabled(!running_ && !oneCableRun_ && !keepIdentity_->isChecked());
    idStep_->setEnabled(!running_ && !oneCableRun_ && !keepIdentity_->isChecked());
}

void CFleetWriteDlg::Log(const QString& line) {
    log_->appendPlainText(QDateTime::currentDateTime().toString("HH:mm:ss") + "  " + line);
}

void CFleetWriteDlg::OnStop() {
    if (running_) {
        worker_->Cancel();
    } else if (oneCableRun_) {
        // One cable: the user ends the job before the list is done.
        oneCableRun_ = false;
        nextLabel_->setText(nextLabel_->text() + tr("\nStopped before the end of the list."));
        Log(tr("One cable: stopped before the end of the list"));
        UpdateButtons();
    }
}

// ---- the job report ------------------------------------------------------------

bool CFleetWriteDlg::SaveReportTo(const QString& path, QString& error) const {
    return SaveFleetJobReport(dpmr::MakeFleetJob(jobStarted_, templateFile_, document_, results_),
                              path, error);
}

void CFleetWriteDlg::OnSaveReport() {
    if (results_.empty()) return;
    const QString path = ChooseFileInDialog(
        this, true, {tr("Save Report"), tr("CSV files (*.csv);;All Files (*)"), "csv"},
        "fleet-job.csv");
    if (path.isEmpty()) return;
    QString error;
    if (!SaveReportTo(path, error)) {
        QMessageBox::warning(this, windowTitle(), tr("The report was not saved.\n%1").arg(error));
        return;
    }
    message_->setText(message_->text() + tr("\nReport saved to %1").arg(path));
    Log(tr("Report saved to %1").arg(path));
}

QString CFleetWriteDlg::ReportHtml() const {
    return FleetJobReportHtml(dpmr::MakeFleetJob(jobStarted_, templateFile_, document_, results_));
}

void CFleetWriteDlg::PrintReport(QPrinter* printer) const {
    if (!printer) return;
    PrintFleetJobReport(dpmr::MakeFleetJob(jobStarted_, templateFile_, document_, results_),
                        printer);
}

void CFleetWriteDlg::OnPrintReport() {
    if (results_.empty()) return;
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName("fleetPrintPreview");
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { PrintReport(p); });
    preview.resize(width(), height());
    preview.exec();
}

// ---- closing -------------------------------------------------------------------

bool CFleetWriteDlg::AskToStop() {
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    tr("Radios are being written. Stop every transfer and close?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("fleetStopBox");
    box.setInformativeText(
        tr("A radio stopped in the middle of its write holds a partly written configuration "
           "and is to be written again."));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void CFleetWriteDlg::reject() {
    if (!running_) {
        QDialog::reject();
        return;
    }
    if (!AskToStop()) return;
    closeWhenDone_ = true;
    worker_->Cancel();
    Log(tr("Closed during the transfer: every radio stopped"));
}

void CFleetWriteDlg::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}
