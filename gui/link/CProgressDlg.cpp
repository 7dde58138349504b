// CProgressDlg: Read/Write on a worker thread with progress and cancel.
#include "link/CProgressDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "link/ConnectionCheck.h"
#include "link/TransferTrace.h"
#include "widgets/Emphasis.h"

CProgressDlg::CProgressDlg(Direction direction, const dpmr::RadioImage& document,
                           dpmr::LinkSettings link, dpmr::TransferControl& control,
                           std::string backupFolder, QWidget* parent)
    : QDialog(parent),
      direction_(direction),
      document_(document),
      link_(std::move(link)),
      control_(control),
      backups_(std::move(backupFolder)) {
    setWindowTitle(direction == Direction::kRead ? tr("Read data") : tr("Write data"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int blocks = static_cast<int>(dpmr::SplitIntoBlocks(dpmr::ProgramRanges()).size());
    hint_ = new QLabel(tr("Connect the radio, switch it on, then press Start."));
    hint_->setObjectName("hint");
    hint_->setWordWrap(true);
    notice_ = new QLabel;
    notice_->setObjectName("notice");
    notice_->setWordWrap(true);
    notice_->hide();
    bar_ = new QProgressBar;
    bar_->setRange(0, blocks);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    percent_ = new QLabel("0%");
    percent_->setAlignment(Qt::AlignCenter);
    start_ = new QPushButton(tr("Start"));
    start_->setDefault(true);
    exit_ = new QPushButton(tr("Exit"));
    connect(start_, &QPushButton::clicked, this, &CProgressDlg::OnStart);
    connect(exit_, &QPushButton::clicked, this, &CProgressDlg::reject);
    check_ = new QPushButton(tr("Check the connection"));
    check_->setObjectName("checkConnection");
    check_->hide();
    connect(check_, &QPushButton::clicked, this,
            [this] { ShowConnectionCheck(this, link_.portName); });

    auto* buttons = new QHBoxLayout;
    if (direction == Direction::kWrite) {
        // Off by default: reading back doubles the time a Write takes.
        verify_ = new QCheckBox(tr("Verify after writing"));
        buttons->addWidget(verify_);
        keepCalibration_ = new QCheckBox(tr("Keep the radio's squelch calibration"));
        keepCalibration_->setToolTip(
            tr("Read the radio's own squelch calibration first and write it back unchanged, "
               "instead of the one in this file (set at the factory for the radio it came "
               "from)"));
        buttons->addWidget(keepCalibration_);
    }
    buttons->addStretch();
    buttons->addWidget(check_);
    buttons->addWidget(start_);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint_);
    layout->addWidget(notice_);
    layout->addWidget(bar_);
    layout->addWidget(percent_);
    layout->addLayout(buttons);
    setMinimumWidth(340);
}

CProgressDlg::~CProgressDlg() {
    // Never leave a worker behind that still talks to the radio.
    control_.cancelRequested = true;
    if (worker_.joinable()) worker_.join();
}

void CProgressDlg::SetVerify(bool on) {
    if (verify_) verify_->setChecked(on);
}

bool CProgressDlg::VerifyChecked() const {
    return verify_ && verify_->isChecked();
}

void CProgressDlg::SetKeepCalibration(bool on) {
    if (keepCalibration_) keepCalibration_->setChecked(on);
}

bool CProgressDlg::KeepCalibrationChecked() const {
    return keepCalibration_ && keepCalibration_->isChecked();
}

void CProgressDlg::SetNotice(const QString& text) {
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

void CProgressDlg::OnStart() {
    if (started_ || control_.busy) return;
    started_ = true;
    running_ = true;
    start_->setEnabled(false);
    if (verify_) verify_->setEnabled(false);
    if (keepCalibration_) keepCalibration_->setEnabled(false);
    staging_ = document_;
    // Mark the transfer busy before the worker starts, so that "Exit" pressed
    // right away is taken as a stop request, not as closing the dialog; an
    // earlier request (from a dialog closed before it started) is forgotten.
    control_.cancelRequested = false;
    control_.busy = true;
    // The dialog outlives the worker (its destructor joins it), and calls
    // queued to a dialog that is gone are dropped by Qt, so `this` is a safe
    // receiver for the worker's reports.
    const auto onUi = [this](auto call) {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    };
    const dpmr::WriteOptions options{.keepCalibration = KeepCalibrationChecked(),
                                     .verify = VerifyChecked()};
    hint_->setText(tr("Connecting to the radio..."));
    worker_ = std::thread([this, onUi, options] {
        dpmr::TransferResult result;
        std::string backupMessage;
        // Every session of the transfer on the wire, kept among the last ones.
        dpmr::TransferTrace trace(direction_ == Direction::kRead ? "read" : "write", link_);
        if (direction_ == Direction::kRead) {
            const dpmr::ReadOutcome read = dpmr::ReadDocument(
                trace.Link(), staging_, backups_,
                [&onUi, this](int done, int total) {
                    onUi([this, done, total] { OnProgress(done, total); });
                },
                control_);
            result = read.result;
            backupMessage = read.backupMessage;
        } else {
            // A stage's start: the read-back says so; the others keep the line.
            const dpmr::WriteOutcome written = dpmr::WriteDocument(
                trace.Link(), staging_, options, backups_,
                [&onUi, this](dpmr::WriteStage stage, int done, int total) {
                    if (stage == dpmr::WriteStage::kVerifying && done == 0)
                        onUi([this] { OnVerifying(); });
                    else if (done > 0)
                        onUi([this, done, total] { OnProgress(done, total); });
                },
                control_);
            result = written.result;
            backupMessage = written.backupMessage;
        }
        trace.Finish(result);
        control_.busy = false;
        onUi([this, result, backupMessage] { OnFinished(result, backupMessage); });
    });
}

void CProgressDlg::OnProgress(int blocksDone, int totalBlocks) {
    if (!running_) return;  // a report queued behind the end
    bar_->setValue(blocksDone);
    percent_->setText(QString("%1%").arg(dpmr::ProgressPercent(blocksDone, totalBlocks)));
    // The line says what the transfer does now: the block after the one done.
    const std::vector<dpmr::TransferBlock> blocks = dpmr::SplitIntoBlocks(dpmr::ProgramRanges());
    if (blocksDone < 0 || blocksDone >= static_cast<int>(blocks.size())) {
        hint_->setText(tr("Ending the session..."));
        return;
    }
    const QString address =
        QString("%1").arg(blocks[static_cast<std::size_t>(blocksDone)].address, 4, 16, QChar('0'));
    const QString doing = verifying_                        ? tr("Verifying block 0x%1...")
                          : direction_ == Direction::kWrite ? tr("Writing block 0x%1...")
                                                            : tr("Reading block 0x%1...");
    hint_->setText(doing.arg(address.toUpper()));
}

void CProgressDlg::OnVerifying() {
    verifying_ = true;
    hint_->setText(tr("Written. Reading the radio back to verify..."));
    bar_->setValue(0);
    percent_->setText("0%");
}

QString CProgressDlg::ResultText() const {
    const QString message = QString::fromStdString(result_.message);
    const bool write = direction_ == Direction::kWrite;
    if (result_.succeeded()) {
        if (!write) return tr("Read from the radio");
        // A verify's own words: what it compared.
        return verifying_ ? message : tr("Written");
    }
    if (!message.isEmpty()) return message;
    return write ? tr("Stopped.") : tr("Stopped: the document is as it was.");
}

void CProgressDlg::OnFinished(dpmr::TransferResult result, std::string backupMessage) {
    if (worker_.joinable()) worker_.join();
    running_ = false;
    result_ = std::move(result);
    backupMessage_ = QString::fromStdString(backupMessage);
    succeeded_ = result_.succeeded();
    // The dialog stays open with the result (success, or the failure and its
    // reason) until the user closes it.
    hint_->setText(ResultText());
    hint_->setProperty("outcome", succeeded_ ? "succeeded" : "failed");
    hint_->setStyleSheet(succeeded_ ? QString("font-weight: bold")
                                    : "font-weight: bold; color: " +
                                          emphasis::FailureText(palette()).name());
    hint_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    start_->hide();
    check_->setVisible(!link_.portName.empty() && dpmr::PortCouldNotOpen(result_));
    FitText();
    exit_->setText(tr("Close"));
    exit_->setDefault(true);
    exit_->setFocus();
    emit TransferEnded();
}

void CProgressDlg::FitText() {
    // A message of several lines (the reason and the advice on the last ones)
    // makes the dialog taller rather than being cut at its top and bottom.
    layout()->activate();
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : sizeHint().height();
    if (height() < needed) resize(width(), needed);
}

void CProgressDlg::reject() {
    control_.cancelRequested = true;
    if (running_) return;  // the worker stops after the block in progress
    if (Ended()) {
        done(succeeded_ ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    QDialog::reject();
}
