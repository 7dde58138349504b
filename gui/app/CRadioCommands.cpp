// CRadioCommands: Read, Write, the fleet, the port and the service entries.
#include "app/CRadioCommands.h"

#include <QMessageBox>
#include <QStringList>

#include "app/CDocumentController.h"
#include "channels/CProgramView.h"
#include "check/WriteCheck.h"
#include "fleet/CFleetWriteDlg.h"
#include "form/DialogLauncher.h"
#include "form/QtText.h"
#include "link/CPortSettingDlg.h"
#include "link/CProgressDlg.h"
#include "link/PortEntry.h"
#include "link/PosixSerialPort.h"
#include "service/AdjustParamDialog.h"
#include "service/CServicePasswordDlg.h"
#include "service/SqlCalibrationDialog.h"

CRadioCommands::CRadioCommands(AppContext& context, CDocumentController& document,
                               CProgramView& view, QWidget* window)
    : QObject(window), context_(context), document_(document), view_(view), window_(window) {}

dpmr::LinkSettings CRadioCommands::Link() const {
    return {context_.settings.portName, context_.settings.baudRate};
}

QString CRadioCommands::Caption() const {
    return ToQt(context_.settings.Caption());
}

void CRadioCommands::Read() {
    // What the radio sends replaces the document, as New and Open do.
    if (!document_.MaybeSave()) return;
    CProgressDlg dialog(CProgressDlg::Direction::kRead, context_.image, Link(), context_.transfer,
                        context_.backupFolder, window_);
    dialog.exec();
    if (!dialog.Succeeded()) return;
    // The dialog kept its backup of what the radio sent; the document takes
    // the image here, on this thread, now that the worker has ended.
    document_.ReplaceDocument(dialog.ReadImage(), DocumentOrigin::kRadio);
    const QString backupFailure = dialog.BackupMessage();
    if (backupFailure.isEmpty())
        emit StatusMessage(tr("Read from the radio"), 4000);
    else
        emit StatusMessage(tr("Read from the radio. %1").arg(backupFailure), 30000);
}

bool CRadioCommands::CheckBeforeWrite(QString& notice) {
    const std::vector<dpmr::WriteProblem> problems = dpmr::CheckBeforeWrite(context_.image);
    QStringList lines;
    for (const dpmr::WriteProblem& p : problems) lines << ToQt(dpmr::ProblemLine(p));
    // A long list is cut where it is shown; the box's "Show Details..." has
    // it all.
    constexpr int kShown = 12;
    QStringList shown = lines.mid(0, kShown);
    if (lines.size() > kShown) shown << tr("... and %1 more").arg(lines.size() - kShown);
    notice = shown.join('\n');
    if (!dpmr::HasErrors(problems)) return true;
    QMessageBox box(QMessageBox::Warning, Caption(), tr("Write anyway?"),
                    QMessageBox::Yes | QMessageBox::No, window_);
    box.setObjectName("writeAnywayBox");
    box.setInformativeText(
        tr("The radio cannot use this configuration as it stands:\n\n%1").arg(notice));
    if (lines.size() > kShown) box.setDetailedText(lines.join('\n'));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void CRadioCommands::Write() {
    // The check sees what is written: the table stored first.
    view_.StoreGridToImage();
    QString notice;
    if (!CheckBeforeWrite(notice)) return;
    CProgressDlg dialog(CProgressDlg::Direction::kWrite, context_.image, Link(), context_.transfer,
                        context_.backupFolder, window_);
    dialog.SetVerify(context_.settings.verifyAfterWrite);
    dialog.SetKeepCalibration(context_.settings.keepCalibration);
    if (!notice.isEmpty()) dialog.SetNotice(tr("Note before writing:\n%1").arg(notice));
    dialog.exec();
    if (dialog.VerifyChecked() != context_.settings.verifyAfterWrite) {
        context_.settings.verifyAfterWrite = dialog.VerifyChecked();
        dpmr::SaveVerifyAfterWrite(context_.settings);
    }
    if (dialog.KeepCalibrationChecked() != context_.settings.keepCalibration) {
        context_.settings.keepCalibration = dialog.KeepCalibrationChecked();
        dpmr::SaveKeepCalibration(context_.settings);
    }
    // The dialog kept a backup of what it sent, marked as a failed write
    // when the write did not end well.
    const QString backupFailure = dialog.BackupMessage();
    if (!dialog.Succeeded()) {
        if (!backupFailure.isEmpty()) emit StatusMessage(backupFailure, 30000);
        return;
    }
    QString done = dialog.result().message.empty() ? tr("Written to the radio")
                                                   : ToQt(dialog.result().message);
    if (!backupFailure.isEmpty()) done = tr("%1. %2").arg(done, backupFailure);
    emit StatusMessage(done, backupFailure.isEmpty() ? 10000 : 30000);
}

void CRadioCommands::FleetWrite() {
    // The check sees what is written: the table stored first.
    view_.StoreGridToImage();
    QString notice;
    if (!CheckBeforeWrite(notice)) return;
    CFleetWriteDlg dialog(context_.image, context_.settings.baudRate, context_.backupFolder,
                          context_.settings.verifyAfterWrite, /*force=*/true, window_);
    for (std::size_t k = 0; k < context_.demoFleetPorts.size(); ++k) {
        dialog.AddPort(
            {ToQt(context_.demoFleetPorts[k]), tr("Virtual radio %1 (demo)").arg(k + 1), true, {}});
    }
    for (const PortEntry& e : SystemPorts()) dialog.AddPort(e);
    if (!context_.settings.portName.empty()) {
        dialog.AddPort({ToQt(dpmr::DevicePathForPortName(context_.settings.portName)),
                        tr("the port of Read and Write"),
                        true,
                        {}});
    }
    dialog.SetTemplateFile(document_.session().path());
    dialog.Remember(context_.settings.fleetPorts, context_.settings.fleetVerify,
                    context_.settings.fleetKeepCalibration);
    dialog.exec();
    // The dialog's choices for the next session.
    dpmr::AppSettings& settings = context_.settings;
    const std::vector<std::string> ticked = dialog.TickedPorts();
    if (ticked != settings.fleetPorts || dialog.VerifyChecked() != settings.fleetVerify ||
        dialog.KeepCalibrationChecked() != settings.fleetKeepCalibration) {
        settings.fleetPorts = ticked;
        settings.fleetVerify = dialog.VerifyChecked();
        settings.fleetKeepCalibration = dialog.KeepCalibrationChecked();
        dpmr::SaveFleetChoices(settings);
    }
    if (const std::vector<std::string> partly = dialog.PartlyWritten(); !partly.empty()) {
        QStringList names;
        for (const std::string& port : partly) names << ToQt(port);
        emit StatusMessage(
            tr("These radios may hold a partly written configuration: %1").arg(names.join(", ")),
            0);
    }
}

void CRadioCommands::PortSetting() {
    CPortSettingDlg dialog(context_.settings.portName, context_.demoPortName,
                           context_.startDemoRadio, window_);
    dialog.SetKeptNote(ToQt(dpmr::WherePortIsKept(context_.settings)));
    dialog.exec();
}

void CRadioCommands::ServicePassword() {
    CServicePasswordDlg gate(window_);
    if (gate.exec() != QDialog::Accepted) {
        if (gate.WrongPassword())
            emit StatusMessage(tr("Wrong service password: squelch calibration not opened"), 10000);
        return;
    }
    document_.RunSettingsDialog(dpmr::SqlCalibrationDialogDecl());
}

void CRadioCommands::AdjustParam() {
    document_.RunSettingsDialog(dpmr::AdjustParamDialogDecl());
}
