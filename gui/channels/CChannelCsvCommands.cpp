// CChannelCsvCommands: the channel table to and from CHIRP's CSV files.
#include "channels/CChannelCsvCommands.h"

#include <QFileInfo>

#include "channels/CProgramView.h"
#include "channels/ReportBox.h"
#include "interchange/ChirpCsv.h"
#include "util/FileIo.h"
#include "widgets/FileChoice.h"

namespace {

constexpr const char* kCsvFilter = "CSV files (*.csv);;All Files (*)";

QString Count(int channels) {
    return QString("%1 channel%2").arg(channels).arg(channels == 1 ? "" : "s");
}

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
        {forSave ? "Export Channels as CSV" : "Import Channels from CSV", kCsvFilter, "csv"},
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
    emit Notice("Exported the channels to " + QFileInfo(path).fileName());
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
        ShowReport(parent_, QMessageBox::Warning, "Cannot import " + name + ".",
                   {s.message(), "No channel was changed."});
        return;
    }
    dpmr::ChirpImportReport report;
    runEditor_([&] { report = dpmr::ImportChirpRows(view_.presenter(), rows); },
               "Import Channels from CSV");
    const QString summary = "Imported " + Count(report.channels) + " from " + name;
    emit Notice(summary);
    if (!report.lines.empty())
        ShowReport(parent_, QMessageBox::Information, summary + ".", report.lines);
}
