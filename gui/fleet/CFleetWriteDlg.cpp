// The fleet write dialog: the ports, the identity options, a progress bar and
// status line per radio, the summary, "Retry Failed" and "Save Log...".
#include "fleet/CFleetWriteDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "fleet/FleetJob.h"
#include "link/CPortWatch.h"
#include "link/PosixSerialPort.h"
#include "util/DecimalText.h"
#include "util/FileIo.h"
#include "widgets/FileChoice.h"

namespace {

enum PortColumn { kPortCol, kDescriptionCol, kProgressCol, kStatusCol };
enum SummaryColumn { kSumPort, kSumId, kSumName, kSumResult, kSumSeconds };

QString Q(const std::string& text) {
    return QString::fromStdString(text);
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
    setWindowTitle("Write to Several Radios");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Radios (one per port, all written at the same time):", this));
    layout->addWidget(BuildPortTable(), 1);
    layout->addLayout(BuildAddPortRow());
    layout->addWidget(BuildIdentityBox(verify));
    BuildResults();
    layout->addWidget(message_);
    layout->addWidget(summary_, 1);
    layout->addLayout(BuildButtons());
    resize(760, 720);
    UpdateButtons();
    // A cable plugged in adds its radio's row; one pulled out takes it away.
    auto* watch = new CPortWatch(this);
    connect(watch, &CPortWatch::PortAdded, this, &CFleetWriteDlg::AddPort);
    connect(watch, &CPortWatch::PortRemoved, this, &CFleetWriteDlg::RemovePort);
}

QTableWidget* CFleetWriteDlg::BuildPortTable() {
    ports_ = new QTableWidget(0, 4, this);
    ports_->setObjectName("fleetPorts");
    ports_->setHorizontalHeaderLabels({"Port", "Description", "Progress", "Status"});
    ports_->verticalHeader()->hide();
    ports_->setSelectionMode(QAbstractItemView::NoSelection);
    ports_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ports_->horizontalHeader()->setSectionResizeMode(kStatusCol, QHeaderView::Stretch);
    ports_->setColumnWidth(kPortCol, 150);
    ports_->setColumnWidth(kDescriptionCol, 170);
    ports_->setColumnWidth(kProgressCol, 110);
    return ports_;
}

QHBoxLayout* CFleetWriteDlg::BuildAddPortRow() {
    addPath_ = new QLineEdit(this);
    addPath_->setObjectName("fleetAddPath");
    addPath_->setPlaceholderText("/dev/ttyUSB1 or a virtual radio's /dev/pts/N");
    auto* add = new QPushButton("Add Port", this);
    add->setObjectName("fleetAddPort");
    connect(add, &QPushButton::clicked, this, [this] {
        const QString path = addPath_->text().trimmed();
        if (path.isEmpty()) return;
        // A port that cannot be opened now is listed with the reason, unticked.
        const PortEntry found =
            EntryOf(dpmr::CheckPort(dpmr::DevicePathForPortName(path.toStdString())));
        AddPort({path, "added by hand", found.available, found.reason});
        SetPortChecked(path, true);
        addPath_->clear();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(addPath_, 1);
    row->addWidget(add);
    return row;
}

QGroupBox* CFleetWriteDlg::BuildIdentityBox(bool verify) {
    idFrom_ = new QLineEdit(this);
    idFrom_->setObjectName("fleetIdFrom");
    idFrom_->setMaxLength(7);
    idFrom_->setPlaceholderText("e.g. 1000001");
    idStep_ = new QSpinBox(this);
    idStep_->setObjectName("fleetIdStep");
    idStep_->setRange(-100000, 100000);
    idStep_->setValue(1);
    namePattern_ = new QLineEdit(this);
    namePattern_->setObjectName("fleetNamePattern");
    namePattern_->setPlaceholderText("Unit {n}, or {id:4} for the ID's last 4 digits");
    namePattern_->setToolTip(
        "{n}: the radio's number in the list of ticked ports; {id}: its 7-digit ID; "
        "{id:4}: the ID's last 4 digits. Cut to the radio's 8 characters.");
    keepIdentity_ = new QCheckBox("Keep each radio's identity", this);
    keepIdentity_->setObjectName("fleetKeepIdentity");
    keepIdentity_->setToolTip(
        "Read each radio first and write the new configuration with its own ID and name");
    verify_ = new QCheckBox("Verify after writing", this);
    verify_->setObjectName("fleetVerify");
    verify_->setChecked(verify);
    copyCalibration_ = new QCheckBox("Copy this file's squelch calibration to every radio", this);
    copyCalibration_->setObjectName("fleetCopyCalibration");
    copyCalibration_->setToolTip(
        "Off: each radio keeps the squelch calibration the factory set for it (read first, "
        "written back unchanged)");
    connect(keepIdentity_, &QCheckBox::toggled, this, [this](bool keep) {
        idFrom_->setEnabled(!keep);
        idStep_->setEnabled(!keep);
    });

    auto* identity = new QGroupBox("Each radio", this);
    auto* form = new QFormLayout(identity);
    form->addRow("First radio ID:", idFrom_);
    form->addRow("ID step:", idStep_);
    form->addRow("Name pattern:", namePattern_);
    form->addRow(keepIdentity_);
    form->addRow(verify_);
    form->addRow(copyCalibration_);
    return identity;
}

void CFleetWriteDlg::BuildResults() {
    message_ = new QLabel(this);
    message_->setObjectName("fleetMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    summary_ = new QTableWidget(0, 5, this);
    summary_->setObjectName("fleetSummary");
    summary_->setHorizontalHeaderLabels({"Port", "Radio ID", "Name", "Result", "Seconds"});
    summary_->verticalHeader()->hide();
    summary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summary_->horizontalHeader()->setSectionResizeMode(kSumResult, QHeaderView::Stretch);
    summary_->hide();
}

QHBoxLayout* CFleetWriteDlg::BuildButtons() {
    const auto button = [this](const char* text, const char* name, void (CFleetWriteDlg::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    start_ = button("Start", "fleetStart", &CFleetWriteDlg::OnStart);
    start_->setDefault(true);
    retry_ = button("Retry Failed", "fleetRetry", &CFleetWriteDlg::OnRetryFailed);
    saveLog_ = button("Save Log...", "fleetSaveLog", &CFleetWriteDlg::OnSaveLog);
    stop_ = button("Stop", "fleetStop", &CFleetWriteDlg::OnStop);
    close_ = button("Close", "fleetClose", &CFleetWriteDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(retry_);
    buttons->addWidget(saveLog_);
    buttons->addStretch(1);
    buttons->addWidget(stop_);
    buttons->addWidget(close_);
    return buttons;
}

CFleetWriteDlg::~CFleetWriteDlg() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void CFleetWriteDlg::AddPort(const PortEntry& entry) {
    for (const PortEntry& e : entries_)
        if (e.devicePath == entry.devicePath) return;
    entries_.push_back(entry);
    const int row = ports_->rowCount();
    ports_->insertRow(row);
    auto* port = new QTableWidgetItem(entry.devicePath);
    port->setFlags(entry.available ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                   : Qt::ItemIsUserCheckable);
    port->setCheckState(Qt::Unchecked);
    ports_->setItem(row, kPortCol, port);
    auto* description = new QTableWidgetItem(entry.label);
    description->setFlags(entry.available ? Qt::ItemIsEnabled : Qt::NoItemFlags);
    ports_->setItem(row, kDescriptionCol, description);
    auto* bar = new QProgressBar(ports_);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setEnabled(entry.available);
    ports_->setCellWidget(row, kProgressCol, bar);
    auto* status = new QTableWidgetItem(entry.available ? QString() : entry.reason);
    status->setFlags(entry.available ? Qt::ItemIsEnabled : Qt::NoItemFlags);
    if (!entry.available) status->setToolTip(entry.reason);
    ports_->setItem(row, kStatusCol, status);
}

void CFleetWriteDlg::RemovePort(const QString& devicePath) {
    for (int row = 0; row < ports_->rowCount(); ++row) {
        if (ports_->item(row, kPortCol)->text() != devicePath) continue;
        // Rows a run has results for keep their place, unplugged.
        if (running_ || !results_.empty()) {
            ports_->item(row, kPortCol)->setCheckState(Qt::Unchecked);
            ports_->item(row, kPortCol)->setFlags(Qt::ItemIsUserCheckable);
            ports_->item(row, kStatusCol)->setText("unplugged");
            return;
        }
        ports_->removeRow(row);
        entries_.erase(entries_.begin() + row);
        return;
    }
}

void CFleetWriteDlg::SetPortChecked(const QString& devicePath, bool checked) {
    for (int row = 0; row < ports_->rowCount(); ++row) {
        QTableWidgetItem* item = ports_->item(row, kPortCol);
        if (item->text() == devicePath && (item->flags() & Qt::ItemIsEnabled))
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

bool CFleetWriteDlg::VerifyChecked() const {
    return verify_->isChecked();
}

void CFleetWriteDlg::OnStart() {
    if (running_) return;
    std::vector<std::string> ports;
    std::vector<int> rows;
    for (int row = 0; row < ports_->rowCount(); ++row) {
        QTableWidgetItem* item = ports_->item(row, kPortCol);
        if ((item->flags() & Qt::ItemIsEnabled) && item->checkState() == Qt::Checked) {
            ports.push_back(item->text().toStdString());
            rows.push_back(row);
        }
    }
    if (ports.empty()) {
        message_->setText("Tick the ports of the radios to write.");
        return;
    }
    dpmr::FleetIdentityOptions identity;
    identity.keepIdentity = keepIdentity_->isChecked();
    identity.namePattern = namePattern_->text().toStdString();
    const QString from = idFrom_->text().trimmed();
    if (!identity.keepIdentity && !from.isEmpty()) {
        identity.idFrom = dpmr::ParseWholeNumber(from.toStdString());
        if (!identity.idFrom) {
            message_->setText("The first radio ID is a number of up to 7 digits, not \"" + from +
                              "\".");
            return;
        }
        identity.idStep = idStep_->value();
    }
    std::vector<dpmr::FleetTarget> targets;
    std::vector<std::string> notes;
    if (dpmr::Status s = dpmr::PlanFleet(ports, identity, document_, targets, notes); !s) {
        message_->setText("Nothing was sent: " + Q(s.message()) + ".");
        return;
    }
    runOptions_ = {.baudRate = baudRate_,
                   .identity = identity,
                   .verify = verify_->isChecked(),
                   .copyCalibration = copyCalibration_->isChecked(),
                   .force = force_,
                   .backupFolder = backupFolder_};
    results_.clear();
    // What the first radio's check finds is said once, here; the radios'
    // notes that repeat it are not.
    shown_.clear();
    for (const dpmr::WriteProblem& p : dpmr::CheckFirstRadio(document_, targets))
        shown_.insert(dpmr::ProblemLine(p));
    QStringList said;
    for (const std::string& note : notes) said << Q(note);
    for (const std::string& line : shown_) said << Q(line);
    message_->setText(said.join('\n'));
    targets_ = targets;
    rows_ = rows;
    Run(std::move(targets), std::move(rows));
}

void CFleetWriteDlg::OnRetryFailed() {
    if (running_) return;
    std::vector<dpmr::FleetTarget> targets;
    std::vector<int> rows;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        if (results_[i].succeeded()) continue;
        targets.push_back(results_[i].target);
        rows.push_back(rows_[i]);
    }
    if (targets.empty()) return;
    message_->clear();
    Run(std::move(targets), std::move(rows));
}

void CFleetWriteDlg::Run(std::vector<dpmr::FleetTarget> targets, std::vector<int> rows) {
    if (worker_.joinable()) worker_.join();
    for (int row : rows) {
        static_cast<QProgressBar*>(ports_->cellWidget(row, kProgressCol))->setValue(0);
        ports_->item(row, kStatusCol)->setText(dpmr::FleetStageText(dpmr::FleetStage::kWaiting));
    }
    runRows_ = rows;
    cancel_ = false;
    running_ = true;
    UpdateButtons();
    const dpmr::FleetRunOptions options = runOptions_;
    worker_ = std::thread([this, targets = std::move(targets), options] {
        std::vector<dpmr::FleetRadioResult> results = dpmr::RunFleet(
            document_, targets, options,
            [this](const dpmr::FleetProgress& p) {
                QMetaObject::invokeMethod(
                    this, [this, p] { OnProgress(p); }, Qt::QueuedConnection);
            },
            cancel_);
        QMetaObject::invokeMethod(
            this,
            [this, results = std::move(results)]() mutable { OnFinished(std::move(results)); },
            Qt::QueuedConnection);
    });
}

void CFleetWriteDlg::OnProgress(const dpmr::FleetProgress& p) {
    if (p.index >= runRows_.size()) return;
    const int row = runRows_[p.index];
    auto* bar = static_cast<QProgressBar*>(ports_->cellWidget(row, kProgressCol));
    // The bar follows the write; the other stages show in the status line.
    if (p.stage == dpmr::FleetStage::kWriting || p.stage == dpmr::FleetStage::kDone)
        bar->setValue(p.percent);
    QString text = dpmr::FleetStageText(p.stage);
    if (p.stage == dpmr::FleetStage::kReadingRadio || p.stage == dpmr::FleetStage::kWriting ||
        p.stage == dpmr::FleetStage::kVerifying)
        text += QString(" %1%").arg(p.percent);
    ports_->item(row, kStatusCol)->setText(text);
}

void CFleetWriteDlg::OnFinished(std::vector<dpmr::FleetRadioResult> results) {
    if (worker_.joinable()) worker_.join();
    running_ = false;
    dpmr::MergeRetryResults(results_, results);
    for (std::size_t i = 0; i < results.size() && i < runRows_.size(); ++i) {
        const dpmr::FleetRadioResult& r = results[i];
        QTableWidgetItem* status = ports_->item(runRows_[i], kStatusCol);
        status->setText(Q(dpmr::FleetResultText(r)));
        status->setToolTip(Q(dpmr::FleetResultText(r)));
    }
    ShowSummary();
    int done = 0;
    for (const dpmr::FleetRadioResult& r : results_) done += r.succeeded();
    QStringList lines;
    if (!message_->text().isEmpty()) lines << message_->text();
    lines << QString("%1 of %2 radios written.").arg(done).arg(results_.size());
    for (const dpmr::FleetRadioResult& r : results)
        for (const std::string& note : dpmr::UnshownNotes(r, shown_))
            lines << Q(r.target.port + ": " + note);
    const std::vector<std::string> partly = dpmr::PartlyWrittenPorts(results_);
    if (!partly.empty()) {
        QStringList names;
        for (const std::string& port : partly) names << Q(port);
        lines << "These radios may now hold a partly written configuration: write them again "
                 "before using them: " +
                     names.join(", ");
    }
    message_->setText(lines.join('\n'));
    UpdateButtons();
    emit RunFinished();
    if (closeWhenDone_) QDialog::reject();
}

void CFleetWriteDlg::ShowSummary() {
    summary_->setRowCount(static_cast<int>(results_.size()));
    for (int i = 0; i < static_cast<int>(results_.size()); ++i) {
        const dpmr::FleetRadioResult& r = results_[static_cast<std::size_t>(i)];
        const QString cells[] = {Q(r.target.port), Q(r.radioId), Q(r.name),
                                 Q(dpmr::FleetResultText(r)), QString::number(r.seconds, 'f', 1)};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            summary_->setItem(i, c, item);
        }
    }
    summary_->resizeColumnsToContents();
    summary_->show();
}

void CFleetWriteDlg::UpdateButtons() {
    bool anyFailed = false;
    for (const dpmr::FleetRadioResult& r : results_) anyFailed |= !r.succeeded();
    start_->setEnabled(!running_);
    retry_->setEnabled(!running_ && anyFailed);
    saveLog_->setEnabled(!running_ && !results_.empty());
    stop_->setEnabled(running_);
    ports_->setEnabled(!running_);
    for (QWidget* w : std::initializer_list<QWidget*>{namePattern_, keepIdentity_, verify_,
                                                      copyCalibration_, addPath_})
        w->setEnabled(!running_);
    idFrom_->setEnabled(!running_ && !keepIdentity_->isChecked());
    idStep_->setEnabled(!running_ && !keepIdentity_->isChecked());
}

void CFleetWriteDlg::OnStop() {
    if (running_) cancel_ = true;
}

bool CFleetWriteDlg::SaveLogTo(const QString& path, QString& error) const {
    const std::string text =
        dpmr::FleetJobCsv(dpmr::MakeFleetJob(std::time(nullptr), {}, document_, results_));
    const dpmr::Status s = dpmr::WriteFileAtomically(
        path.toStdString(), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (!s) error = Q(s.message());
    return s.ok();
}

void CFleetWriteDlg::OnSaveLog() {
    if (results_.empty()) return;
    const QString path = ChooseFileInDialog(
        this, true, {"Save Log", "CSV files (*.csv);;All Files (*)", "csv"}, "fleet-log.csv");
    if (path.isEmpty()) return;
    QString error;
    if (!SaveLogTo(path, error)) {
        QMessageBox::warning(this, windowTitle(), "The log was not saved.\n" + error);
        return;
    }
    message_->setText(message_->text() + "\nLog saved to " + path);
}

bool CFleetWriteDlg::AskToStop() {
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    "Radios are being written. Stop every transfer and close?",
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("fleetStopBox");
    box.setInformativeText(
        "A radio stopped in the middle of its write holds a partly written configuration "
        "and is to be written again.");
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
    cancel_ = true;
}

void CFleetWriteDlg::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}
