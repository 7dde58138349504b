// CChannelCsvCommands: the channel table to and from CHIRP's CSV files.
#include "channels/CChannelCsvCommands.h"

#include <QFileInfo>

#include "channels/CProgramView.h"
#include "channels/ReportBox.h"
#include "form/QtText.h"
#include "interchange/ChirpCsv.h"
#include "util/FileIo.h"
#include "widgets/FileChoice.h"

namespace {

constexpr const char* kCsvFilter =
    QT_TRANSLATE_NOOP("CChannelCsvCommands", "CSV files (*.csv);;All Files (*)");

}  // namespace

CChannelCsvCommands::CChannelCsvCommands(dpmr::RadioImage& image, CProgramView& view,
                                         ImageEditorRunner runEditor, QWidget* parent)
    : QObject(parent),
      image_(image),
      view_(view),
      runEditor_(std::move(runEditor)),
      parent_(parent) {}

QString CChannelCsvCommands::ChooseFile(bool forSave) {
    const QString document = documentPath_ ? documentPath_() : QString();
    const QString suggested =
        forSave ? SuggestBesideDocument(document, "csv", "channels.csv")
                : (document.isEmpty() ? QString() : QFileInfo(document).absolutePath());
    if (chooseFile_) return chooseFile_(forSave, suggested);
    return ChooseFileInDialog(
        parent_, forSave,
        {forSave ? tr("Export Channels as CSV") : tr("Import Channels from CSV"), tr(kCsvFilter),
         "csv"},
        suggested);
}

void CChannelCsvCommands::OnExportCsv() {
    const QString path = ChooseFile(true);
    if (path.isEmpty()) return;
    // What the table shows, with a cell still being typed in.
    dpmr::RadioImage shown = image_;
    view_.StoreGridInto(shown);
    const std::string csv = dpmr::ChannelsToChirpCsv(shown);
    const auto* data = reinterpret_cast<const std::uint8_t*>(csv.data());
    if (dpmr::Status s = dpmr::WriteFileAtomically(path.toStdString(), {data, csv.size()}); !s) {
        ShowReport(parent_, QMessageBox::Warning, QString::fromStdString(s.message()), {});
        return;
    }
    emit Notice(tr("Exported the channels to %1").arg(QFileInfo(path).fileName()));
}

void CChannelCsvCommands::OnImportCsv() {
    const QString path = ChooseFile(false);
    if (path.isEmpty()) return;
    const QString name = QFileInfo(path).fileName();
    std::string text;
    dpmr::ChirpCsvRows rows;
    dpmr::Status s = dpmr::ReadListFile(path.toStdString(), "CHIRP CSV", text);
    if (s) s = dpmr::ReadChirpCsv(text, rows);
    if (!s) {
        ShowReport(parent_, QMessageBox::Warning, tr("Cannot import %1.").arg(name),
                   {s.message(), FromQt(tr("No channel was changed."))});
        return;
    }
    dpmr::ChirpImportReport report;
    runEditor_([&] { report = dpmr::ImportChirpRows(view_.presenter(), rows); },
               tr("Import Channels from CSV"));
    const QString summary = report.channels == 1
                                ? tr("Imported 1 channel from %1").arg(name)
                                : tr("Imported %1 channels from %2").arg(report.channels).arg(name);
    emit Notice(summary);
    if (!report.lines.empty())
        ShowReport(parent_, QMessageBox::Information, tr("%1.").arg(summary), report.lines);
}
