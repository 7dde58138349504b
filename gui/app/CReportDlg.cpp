// The problem report: what goes in, then the file.
#include "app/CReportDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <ctime>

#include "link/TraceStore.h"
#include "widgets/FileChoice.h"

CReportDlg::CReportDlg(const AppContext& context, const dpmr::RadioImage& codeplug, QWidget* parent)
    : QDialog(parent), context_(context), image_(codeplug) {
    setObjectName("reportDlg");
    setWindowTitle(tr("Report a Problem"));
    auto* intro = new QLabel(
        tr("This gathers what is needed to look into a connection or a transfer that went wrong "
           "into one file for you to attach to your report. Nothing is sent anywhere. It holds:"));
    intro->setWordWrap(true);
    codeplug_ =
        new QCheckBox(tr("&Include the open configuration (radio ID, radio name, contacts "
                         "and codes replaced)"));
    codeplug_->setObjectName("reportCodeplug");
    codeplug_->setChecked(true);
    connect(codeplug_, &QCheckBox::toggled, this, &CReportDlg::Gather);
    contents_ = new QPlainTextEdit;
    contents_->setObjectName("reportContents");
    contents_->setReadOnly(true);
    contents_->setLineWrapMode(QPlainTextEdit::NoWrap);
    message_ = new QLabel;
    message_->setObjectName("reportMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* save = buttons->addButton(tr("&Save Report..."), QDialogButtonBox::ActionRole);
    save->setObjectName("reportSave");
    connect(save, &QPushButton::clicked, this, &CReportDlg::OnSave);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(contents_, 1);
    layout->addWidget(codeplug_);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    resize(720, 420);
    Gather();
}

void CReportDlg::Gather() {
    dpmr::ReportInputs inputs;
    inputs.program = "dpmrcps";
    inputs.qtVersion = qVersion();
    inputs.portName = context_.settings.portName;
    inputs.settingsFiles = {context_.settings.settingsPath};
    if (context_.settings.portSettingsPath != context_.settings.settingsPath)
        inputs.settingsFiles.push_back(context_.settings.portSettingsPath);
    inputs.backupFolder = context_.backupFolder;
    inputs.traceFolder = dpmr::DefaultTraceFolder();
    if (codeplug_->isChecked()) inputs.codeplug = image_;
    parts_ = dpmr::GatherReport(inputs);
    contents_->setPlainText(QString::fromStdString(dpmr::ReportContents(parts_)));
}

bool CReportDlg::SaveTo(const QString& path, QString& error) {
    const dpmr::Status s = dpmr::WriteReport(path.toStdString(), parts_, std::time(nullptr));
    if (!s) error = QString::fromStdString(s.message());
    message_->setText(s ? tr("Saved to %1. Attach this file to your problem report.").arg(path)
                        : tr("The report was not saved: %1").arg(error));
    return s.ok();
}

void CReportDlg::OnSave() {
    const QString path = ChooseFileInDialog(
        this, true, {tr("Save Report"), tr("Report archives (*.tar.gz);;All Files (*)"), "tar.gz"},
        "dpmrcps-report.tar.gz");
    if (path.isEmpty()) return;
    QString error;
    SaveTo(path, error);
}
