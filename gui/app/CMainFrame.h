// CMainFrame: the main window: menu, toolbar, status bar with the key-state
// indicators, the channel table as its central view, and the document
// commands (New, Open, Recent Files, Save, Save As, Export, Import, Print,
// Exit, a file dropped on the window) with the unsaved-changes question. The title names the model,
// the file and whether it has unsaved changes. Edit > Undo and Redo step through the document's
// history; Read and Write keep backups, and Write checks the image first.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/AppContext.h"
#include "backup/BackupStore.h"
#include "config/RecentFiles.h"
#include "history/UndoHistory.h"

class CChannelClipboard;
class CChannelCsvCommands;
class CProgramView;
class CUserGuideDlg;
class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QPrinter;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(AppContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // File > New without asking (start-up), or open `path` (command line).
    // A file that cannot be read, or is too short to be a radio file, leaves
    // the document, its unsaved changes and its undo history as they were.
    // An opened file goes to the top of File > Recent Files.
    void NewDocument();
    bool OpenDocument(const QString& path);
    // A file of File > Recent Files: one that no longer exists is said and
    // dropped from the list; else it opens after the unsaved-changes question.
    void OnOpenRecent(const QString& path);
    // A .dat file dropped on the window opens, a .yaml (or .yml) file is
    // imported, after the unsaved-changes question.
    void OpenDroppedFile(const QString& path);

    // The model name followed by " Software": the title of the program's
    // message boxes and the start of the window title.
    QString Caption() const;

    CProgramView* view() const { return view_; }
    AppContext& context() { return context_; }

    // True when saving now would write bytes that differ from the file last
    // opened or saved (or from what New produced).
    bool IsModified();

    // Seams for tests and scripted use: how a file name is asked for, and how
    // the unsaved-changes question is answered. Default: the real dialogs.
    using FileChooser = std::function<QString(bool forSave, const QString& suggested)>;
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    QAction* action(const QString& objectName) const;

    const dpmr::UndoHistory& history() const { return history_; }
    // After an action named `name` (a table cell, a dialog's caption, "Read"):
    // one undo step when the document changed.
    void RecordStep(const QString& name);

  public slots:
    void OnFileNew();
    void OnFileOpen();
    void OnFileOpenBackup();
    // File > "Export...": the document as a YAML codeplug (the table stored
    // first, as Save does). "Import...": a codeplug opened as a new, modified
    // document, after the unsaved-changes question; an error changes nothing.
    void OnExportCodeplug();
    void OnImportCodeplug();
    void OnUndo();
    void OnRedo();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnUserGuide();  // Help > User Guide (F1)
    void OnRead();
    void OnWrite();
    void OnFleetWrite();
    void OnPortSetting();
    void OnScanInfo();
    void OnBasicSetting();
    void OnAlarm();
    void OnDtmf();
    void OnDpmr();
    // Hidden service entries: Ctrl+F11 (password, then squelch calibration)
    // and Ctrl+Shift+F12 or --adjust (factory adjustment).
    void OnServicePassword();
    void OnAdjustParam();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void CreateActions();
    void CreateUndoActions();
    void UpdateUndoActions();
    // Undo and Redo wait while a transfer or a dialog is open.
    bool CanChangeHistoryNow() const;
    void RestoreFromHistory(const dpmr::RadioImage& state);
    // What Save would write now.
    dpmr::RadioImage WouldWrite();
    // The check before a Write: false when it has errors and the user does
    // not want to write anyway. `notice` receives the problems to show.
    bool CheckBeforeWrite(QString& notice);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void PlaceOverWorkArea();
    // "HM-842R Software - radio.dat", marked when there are unsaved changes.
    void UpdateTitle();
    // The document now belongs to `path` (empty: new) and holds no changes.
    void ResetBaseline(const std::string& path);
    bool SaveTo(const QString& path);
    // Open without remembering the file (a backup opens as a new document).
    bool LoadDocument(const QString& path);
    // A codeplug file as a new, modified document; an error changes nothing.
    void ImportCodeplug(const QString& path);
    void RememberFile(const QString& path);
    void UpdateRecentMenu();
    // The one local .dat or .yaml file a drag carries, else empty.
    static QString DroppedFile(const QMimeData* data);
    // Asks "Save changes?" when there are changes; false when the user cancels
    // or the save fails.
    bool MaybeSave();
    QString ChooseFile(bool forSave, const QString& suggested);
    // The same for a codeplug (.yaml); the test seam gets "codeplug.yaml".
    QString ChooseCodeplugFile(bool forSave);
    void ShowMessage(const QString& text, QMessageBox::Icon icon = QMessageBox::Warning);
    void UpdateKeyIndicators(Qt::KeyboardModifiers modifiers, quint32 nativeModifiers);
    dpmr::LinkSettings Link() const;

    AppContext& context_;
    dpmr::UndoHistory history_;
    CProgramView* view_ = nullptr;
    CChannelCsvCommands* csvCommands_ = nullptr;  // File > Export / Import Channels
    CChannelClipboard* clipboard_ = nullptr;      // Edit > Copy / Paste
    FileChooser chooseFile_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<dpmr::RecentFiles> recent_;
    QMenu* recentMenu_ = nullptr;
    QLabel* capIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrlIndicator_ = nullptr;
    bool scrollLock_ = false;
    QMargins placedFrame_;  // the window frame the last placement allowed for
    QPointer<CUserGuideDlg> userGuide_;
};
