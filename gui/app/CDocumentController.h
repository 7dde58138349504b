// CDocumentController: the life of the one document of the desktop program.
// It owns the undo history, the recent files and the document's session
// (its file and what Save wrote last), and runs every command that opens,
// replaces, saves or edits the document: New, Open, Open Backup, Recent
// Files, a dropped file, Save, Save As, Export, Import, the channel CSV
// commands, Copy and Paste, Print, Undo and Redo, and the settings dialogs.
// Read, Write and the fleet are CRadioCommands, which come back here to
// replace the document. The window (CMainFrame) only shows what this says.
// Codeplug files, printing, the channel dialogs, the CSV commands and the
// clipboard are classes of their own that this one owns and forwards to.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "app/AppContext.h"
#include "config/RecentFiles.h"
#include "form/DialogDecl.h"
#include "history/UndoHistory.h"
#include "image/DocumentSession.h"

class CChannelClipboard;
class CChannelEditCommands;
class CCodeplugCommands;
class CChannelCsvCommands;
class CPrintCommands;
class CProgramView;
class QWidget;

// Where a new content of the document came from: each way of replacing it
// has its own order of the contact checks, and its own idea of which file
// the document belongs to.
enum class DocumentOrigin {
    kNew,     // File > New
    kFile,    // File > Open, Recent Files, a dropped file: the document is that file
    kBackup,  // File > Open Backup: a new document, so Save asks for a name
    kImport,  // a YAML codeplug: a new document that counts as changed
    kRadio,   // Read: one step of the history, and a new document that counts as changed
    kReload,  // the file again, changed on disk: one step of the history
};

class CDocumentController : public QObject {
    Q_OBJECT
  public:
    CDocumentController(AppContext& context, CProgramView& view, QWidget* window);
    ~CDocumentController() override;

    // Start-up: File > New without asking, and the file of the command line.
    // A file that cannot be read, or is too short to be a radio file, leaves
    // the document, its unsaved changes and its undo history as they were.
    void NewDocument();
    bool OpenDocument(const QString& path);
    // A file of File > Recent Files: one that no longer exists is said and
    // dropped from the list; else it opens after the unsaved-changes question.
    void OpenRecent(const QString& path);
    // A .dat file dropped on the window opens, a .yaml (or .yml) file is
    // imported, after the unsaved-changes question.
    void OpenDroppedFile(const QString& path);

    // ---- The commands of the action table ----
    void New();
    void Open();
    void OpenBackup();
    void Save() { SaveDocument(); }
    void SaveAs() { SaveDocumentAs(); }
    // "Export...": the document as a YAML codeplug (the table stored first,
    // as Save does). "Import...": a codeplug opened as a new, modified
    // document, after the unsaved-changes question; an error changes nothing.
    void ExportCodeplug();
    void ImportCodeplug();
    void ExportCsv();
    void ImportCsv();
    void Copy();
    void Paste();
    // Edit > Apply to Selected Channels, and Edit > Fill Channels (its
    // dialog, then the fill, one undo step).
    void ApplyToSelection();
    void FillChannels();
    void Print();
    void PrintPreview();
    void PrintSetup();
    void Undo();
    void Redo();

    // Save; false when the user cancelled the file dialog or the save failed.
    // Replacing the document's own file asks first when that file changed
    // on disk since it was opened or saved here, or holds more than a radio
    // image (Replace, Save As or Cancel).
    bool SaveDocument();
    bool SaveDocumentAs();
    // Asks "Save changes?" when there are changes; false when the user
    // cancels or the save fails.
    bool MaybeSave();

    // The image now holds what came from `origin` (New has filled it, Open
    // and Read hand it in): the table is rebuilt, the contact checks run in
    // that origin's order, and the session and history start from it.
    void ReplaceDocument(const dpmr::RadioImage& image, DocumentOrigin origin,
                         const QString& path = {}, const dpmr::FileStamp& disk = {});

    // When the window is active again: a document file that another program
    // or window changed on disk since it was opened or saved here is said,
    // with the choice to reload it (one undo step) or keep this document.
    // Waits while a transfer or a dialog is open.
    void CheckFileOnDisk();

    // Runs an editor of the image (a modal dialog, a paste, an import): the
    // table is stored into the channel records first, so that the editor
    // sees what the table shows, and rebuilt from the image afterwards. An
    // editor that changed nothing gets the image back as it was before the
    // table was stored, and the table stays. The change is one undo step
    // named `stepName`.
    void RunImageEditor(const std::function<void()>& edit, const QString& stepName);
    // A settings dialog, built from its declaration, run as an editor.
    void RunSettingsDialog(const dpmr::form::DialogDecl& decl);

    // After an action named `name` (a table cell, a dialog, "Read"): one
    // undo step when the document changed.
    void RecordStep(const QString& name);

    // True when saving now would write bytes that differ from the file last
    // opened or saved (or from what New produced).
    bool IsModified();
    // The same for the title's mark, worked out again only after the
    // document or the table changed (not at every move of the cursor).
    bool ShowsModified();
    // "radio.dat", or "Untitled".
    QString DisplayName() const;
    const dpmr::UndoHistory& history() const { return history_; }
    const dpmr::DocumentSession& session() const { return session_; }
    const std::vector<std::string>& RecentPaths() const { return recent_->Paths(); }
    // Undo and Redo wait while a transfer or a dialog is open.
    bool CanChangeHistoryNow() const;

    // How a file name is asked for (a seam for tests and scripted use);
    // default: the file dialog. An empty name cancels.
    using FileChooser = std::function<QString(bool forSave, const QString& suggested)>;
    void SetFileChooser(FileChooser chooser);
    QString ChooseFile(bool forSave, const QString& suggested);
    // A message box over the window, with the program's caption.
    void ShowMessage(const QString& text);

  signals:
    // Words for the status bar; a timeout of 0 keeps them until the next.
    void StatusMessage(const QString& text, int timeoutMs);
    // The title, the modified mark, the undo step names or the recent files
    // may have changed.
    void DocumentChanged();

  private:
    // What Save would write now; worked out again when stale.
    const dpmr::RadioImage& WouldWrite();
    void MarkStale();
    void RestoreFromHistory(const dpmr::RadioImage& state);
    bool SaveTo(const QString& path);
    // Reads a .dat file; a file that is not a radio file is said, and false.
    bool ReadImageFile(const QString& path, dpmr::RadioImage& image, dpmr::FileStamp* stamp);
    // Said after a file was opened: one longer than a radio image.
    void SayWhatWasNotLoaded(const QString& path, const dpmr::FileStamp& stamp);
    void ReloadFromDisk();
    void KeepMine(const dpmr::FileStamp& now);
    void RememberFile(const QString& path);

    AppContext& context_;
    CProgramView& view_;
    QWidget* window_;
    dpmr::UndoHistory history_;
    dpmr::DocumentSession session_;
    std::unique_ptr<dpmr::RecentFiles> recent_;
    CChannelCsvCommands* csvCommands_ = nullptr;
    CChannelClipboard* clipboard_ = nullptr;
    CCodeplugCommands* codeplug_ = nullptr;
    CChannelEditCommands* channelEdits_ = nullptr;
    std::unique_ptr<CPrintCommands> printing_;
    FileChooser chooseFile_;
    dpmr::RadioImage wouldWrite_;
    bool stale_ = true;
    bool askingAboutDisk_ = false;
};
