// CCodeplugCommands: File > "Export..." and "Import..." of a YAML codeplug.
// Export writes the document (the table stored first, as Save does) beside
// it, named after it; Import opens a codeplug as a new, modified document
// through the document controller, and says every value stored other than
// the file has it. An error is said and changes nothing.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

struct AppContext;
class CDocumentController;
class CProgramView;
class QWidget;

class CCodeplugCommands : public QObject {
    Q_OBJECT
  public:
    CCodeplugCommands(AppContext& context, CProgramView& view, CDocumentController& document,
                      QWidget* window);

    // How a file name is asked for (the document's chooser; none: the file
    // dialog). An empty name cancels.
    void SetFileChooser(std::function<QString(bool forSave, const QString& suggested)> chooser);

    void Export();
    // The file asked for, then imported (the unsaved-changes question was
    // asked before).
    void Import();
    void ImportFile(const QString& path);

  signals:
    // A short account for the status bar.
    void Notice(const QString& text);

  private:
    QString ChooseFile(bool forSave);

    AppContext& context_;
    CProgramView& view_;
    CDocumentController& document_;
    QWidget* window_;
    std::function<QString(bool, const QString&)> chooseFile_;
};
