// CChannelCsvCommands: File > "Export Channels as CSV..." and "Import Channels
// from CSV..." with CHIRP's CSV format. Export writes what the table shows;
// import checks the whole file first (a broken file changes nothing and is
// named with its line), then sets the channels it names through the table's
// rules as one change of the document and lists every row it changed or left
// out. The format and the rules live in core/interchange/ChirpCsv.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "channels/CProgramView.h"
#include "image/RadioImage.h"

class CChannelCsvCommands : public QObject {
    Q_OBJECT
  public:
    CChannelCsvCommands(dpmr::RadioImage& image, CProgramView& view, ImageEditorRunner runEditor,
                        QWidget* parent);

    // How the file is asked for (a seam for tests); default: the file dialog,
    // opened on `suggested`. An empty name cancels.
    using FileChooser = std::function<QString(bool forSave, const QString& suggested)>;
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // The open document's file (empty for a new one): export offers a CSV
    // beside it, named after it, and import starts in its folder, as the
    // codeplug commands do.
    void SetDocumentPath(std::function<QString()> documentPath) {
        documentPath_ = std::move(documentPath);
    }

  public slots:
    void OnExportCsv();
    void OnImportCsv();

  signals:
    // A short account for the status bar.
    void Notice(const QString& text);

  private:
    QString ChooseFile(bool forSave);

    dpmr::RadioImage& image_;
    CProgramView& view_;
    ImageEditorRunner runEditor_;
    QWidget* parent_;
    FileChooser chooseFile_;
    std::function<QString()> documentPath_;
};
