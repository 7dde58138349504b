// CMainFrame: menu, toolbar, status bar and the document life cycle.
#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "app/CAboutDlg.h"
#include "app/CUserGuideDlg.h"
#include "app/Resources.h"
#include "channels/CChannelClipboard.h"
#include "channels/CChannelCsvCommands.h"
#include "channels/CProgramView.h"
#include "channels/ReportBox.h"
#include "check/WriteCheck.h"
#include "document/NewDocument.h"
#include "dpmr/CDpmrParamDlg.h"
#include "dpmr/ContactChecks.h"
#include "fleet/CFleetWriteDlg.h"
#include "image/Document.h"
#include "interchange/CodeplugYaml.h"
#include "link/CPortSettingDlg.h"
#include "link/CProgressDlg.h"
#include "link/PosixSerialPort.h"
#include "service/CAdjustParamDlg.h"
#include "service/CServicePasswordDlg.h"
#include "service/CSqlCalibrationDlg.h"
#include "service/ServiceKeyFilter.h"
#include "settings/CAlarmDlg.h"
#include "settings/CBasicSettingDlg.h"
#include "settings/CDtmfDlg.h"
#include "settings/CScanInfoDlg.h"
#include "util/FileIo.h"
#include "widgets/FileChoice.h"
#include "widgets/FlexGrid.h"

namespace {

constexpr const char* kDatFilter = "*.dat (*.dat);;All Files (*)";
constexpr const char* kCodeplugFilter = "Codeplug (*.yaml *.yml);;All Files (*)";

struct ActionDecl {
    const char* name;
    const char* text;
    const char* statusTip;
    QKeySequence shortcut;
    QStyle::StandardPixmap icon;
};

}  // namespace

CMainFrame::CMainFrame(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), printer_(std::make_unique<QPrinter>()) {
    InitResources();
    setWindowIcon(QIcon(":/icons/dpmrcps.png"));
    view_ = new CProgramView(context_.image, context_.band, context_.settings, this);
    setCentralWidget(view_);
    csvCommands_ = new CChannelCsvCommands(context_.image, *view_, this);
    csvCommands_->SetDocumentPath(
        [this] { return QString::fromStdString(context_.document.path()); });
    clipboard_ = new CChannelClipboard(context_.image, *view_, this);
    recent_ = std::make_unique<dpmr::RecentFiles>(dpmr::RecentFilesPath());
    setAcceptDrops(true);
    CreateActions();
    CreateUndoActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    PlaceOverWorkArea();
    qApp->installEventFilter(this);
    connect(view_, &CProgramView::TableChanged, this, &CMainFrame::UpdateTitle);
    connect(view_, &CProgramView::Edited, this, &CMainFrame::RecordStep);
    const auto notice = [this](const QString& text) { statusBar()->showMessage(text, 10000); };
    // A cell's correction stays said until the next edit (an empty text).
    connect(view_, &CProgramView::Notice, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    connect(csvCommands_, &CChannelCsvCommands::Notice, this, notice);
    connect(clipboard_, &CChannelClipboard::Notice, this, notice);
    UpdateTitle();
    new ServiceKeyFilter(
        this, [this] { OnServicePassword(); }, [this] { OnAdjustParam(); });
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // While QWidget tears the window down, its widgets may still signal (the
    // table commits an open editor when it loses the focus); this frame is
    // already gone by then and must not hear them.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

QAction* CMainFrame::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void CMainFrame::CreateActions() {
    const ActionDecl decls[] = {
        {"actionNew", "&New", "Create a new document\nNew", QKeySequence::New, QStyle::SP_FileIcon},
        {"actionOpen", "&Open...", "Open an existing document\nOpen", QKeySequence::Open,
         QStyle::SP_DialogOpenButton},
        {"actionOpenBackup",
         "Open &Backup...",
         "Open a copy kept by an earlier Read or Write\nOpen Backup",
         {},
         QStyle::SP_CustomBase},
        {"actionSave", "&Save", "Save the active document\nSave", QKeySequence::Save,
         QStyle::SP_DialogSaveButton},
        {"actionSaveAs", "Save &As...", "Save the active document with a new name\nSave As",
         QKeySequence("Ctrl+Shift+S"), QStyle::SP_CustomBase},
        {"actionExportCodeplug",
         "Expor&t...",
         "Write the whole configuration to a readable YAML file",
         {},
         QStyle::SP_CustomBase},
        {"actionImportCodeplug",
         "I&mport...",
         "Open a YAML file written by Export as a new document",
         {},
         QStyle::SP_CustomBase},
        {"actionExportCsv",
         "Export Channels as CS&V...",
         "Write the channels to a CSV file in CHIRP's format",
         {},
         QStyle::SP_CustomBase},
        {"actionImportCsv",
         "Import Channels from CSV...",
         "Set channels from a CSV file in CHIRP's format",
         {},
         QStyle::SP_CustomBase},
        {"actionCopy", "&Copy", "Copy the selected channels\nCopy", QKeySequence::Copy,
         QStyle::SP_CustomBase},
        {"actionPaste", "&Paste", "Paste channels from the current row down\nPaste",
         QKeySequence::Paste, QStyle::SP_CustomBase},
        {"actionPrint", "&Print...", "Print the active document\nPrint", QKeySequence::Print,
         QStyle::SP_CustomBase},
        {"actionPrintPreview",
         "Print Pre&view",
         "Display full pages\nPrint Preview",
         {},
         QStyle::SP_CustomBase},
        {"actionPrintSetup",
         "P&rint Setup...",
         "Change the printer and printing options\nPrint Setup",
         {},
         QStyle::SP_CustomBase},
        {"actionExit",
         "E&xit",
         "Quit the application; prompts to save documents\nExit",
         {},
         QStyle::SP_CustomBase},
        {"actionScanInfo", "Scan Info", "Edit the scan settings", {}, QStyle::SP_CustomBase},
        {"actionBasicSetting",
         "Basic setting",
         "Edit the basic settings",
         {},
         QStyle::SP_CustomBase},
        {"actionAlarm", "Alarm", "Edit the alarm settings", {}, QStyle::SP_CustomBase},
        {"actionDtmf", "DTMF", "Edit the DTMF settings", {}, QStyle::SP_CustomBase},
        {"actionDpmr", "dPMR", "Edit the dPMR parameters", {}, QStyle::SP_CustomBase},
        {"actionRead", "Read", "Read Data From Radio\nRead", QKeySequence("Ctrl+R"),
         QStyle::SP_ArrowUp},
        {"actionWrite", "Write", "Write Data to Radio \nWrite", QKeySequence("Ctrl+W"),
         QStyle::SP_ArrowDown},
        {"actionFleetWrite",
         "Write to Several Radios...",
         "Write this configuration to several radios at once, each with its own ID\nWrite to "
         "Several Radios",
         {},
         QStyle::SP_CustomBase},
        {"actionToolbar",
         "&Toolbar",
         "Show or hide the toolbar\nToggle ToolBar",
         {},
         QStyle::SP_CustomBase},
        {"actionStatusBar",
         "&Status Bar",
         "Show or hide the status bar\nToggle StatusBar",
         {},
         QStyle::SP_CustomBase},
        {"actionPort",
         "Port",
         "Choose the serial port of the radio\nPort",
         {},
         QStyle::SP_CustomBase},
        {"actionUserGuide", "User Guide",
         "Open the guide to a first Read, editing, Save and Write\nUser Guide",
         QKeySequence(Qt::Key_F1), QStyle::SP_DialogHelpButton},
        {"actionAbout",
         "About ...",
         "Display program information, version number and copyright\nAbout",
         {},
         QStyle::SP_MessageBoxInformation},
    };
    for (const ActionDecl& s : decls) {
        auto* a = new QAction(this);
        a->setObjectName(s.name);
        a->setText(s.text);
        const QString tip = s.statusTip;
        const int nl = tip.indexOf('\n');
        a->setStatusTip(nl < 0 ? tip : tip.left(nl));
        a->setToolTip(nl < 0 ? QString(s.text).remove('&') : tip.mid(nl + 1));
        if (!s.shortcut.isEmpty()) a->setShortcut(s.shortcut);
        if (s.icon != QStyle::SP_CustomBase) a->setIcon(style()->standardIcon(s.icon));
    }
    connect(action("actionNew"), &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(action("actionOpen"), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(action("actionOpenBackup"), &QAction::triggered, this, &CMainFrame::OnFileOpenBackup);
    connect(action("actionSave"), &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(action("actionSaveAs"), &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(action("actionExportCodeplug"), &QAction::triggered, this,
            &CMainFrame::OnExportCodeplug);
    connect(action("actionImportCodeplug"), &QAction::triggered, this,
            &CMainFrame::OnImportCodeplug);
    connect(action("actionExportCsv"), &QAction::triggered, csvCommands_,
            &CChannelCsvCommands::OnExportCsv);
    connect(action("actionImportCsv"), &QAction::triggered, csvCommands_,
            &CChannelCsvCommands::OnImportCsv);
    connect(action("actionCopy"), &QAction::triggered, clipboard_, &CChannelClipboard::Copy);
    connect(action("actionPaste"), &QAction::triggered, clipboard_, &CChannelClipboard::Paste);
    connect(action("actionPrint"), &QAction::triggered, this, &CMainFrame::OnFilePrint);
    connect(action("actionPrintPreview"), &QAction::triggered, this,
            &CMainFrame::OnFilePrintPreview);
    connect(action("actionPrintSetup"), &QAction::triggered, this, &CMainFrame::OnFilePrintSetup);
    connect(action("actionExit"), &QAction::triggered, this, &QWidget::close);
    connect(action("actionRead"), &QAction::triggered, this, &CMainFrame::OnRead);
    connect(action("actionWrite"), &QAction::triggered, this, &CMainFrame::OnWrite);
    connect(action("actionFleetWrite"), &QAction::triggered, this, &CMainFrame::OnFleetWrite);
    connect(action("actionPort"), &QAction::triggered, this, &CMainFrame::OnPortSetting);
    connect(action("actionAbout"), &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(action("actionUserGuide"), &QAction::triggered, this, &CMainFrame::OnUserGuide);
    connect(action("actionScanInfo"), &QAction::triggered, this, &CMainFrame::OnScanInfo);
    connect(action("actionBasicSetting"), &QAction::triggered, this, &CMainFrame::OnBasicSetting);
    connect(action("actionAlarm"), &QAction::triggered, this, &CMainFrame::OnAlarm);
    connect(action("actionDtmf"), &QAction::triggered, this, &CMainFrame::OnDtmf);
    connect(action("actionDpmr"), &QAction::triggered, this, &CMainFrame::OnDpmr);
}

void CMainFrame::CreateUndoActions() {
    auto* undo = new QAction("Undo", this);
    undo->setObjectName("actionUndo");
    undo->setShortcut(QKeySequence::Undo);
    undo->setStatusTip("Take back the last change");
    undo->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    auto* redo = new QAction("Redo", this);
    redo->setObjectName("actionRedo");
    redo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    redo->setStatusTip("Make the change taken back last again");
    redo->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    connect(undo, &QAction::triggered, this, &CMainFrame::OnUndo);
    connect(redo, &QAction::triggered, this, &CMainFrame::OnRedo);
    UpdateUndoActions();
}

void CMainFrame::UpdateUndoActions() {
    QAction* undo = action("actionUndo");
    QAction* redo = action("actionRedo");
    const QString undoName = QString::fromStdString(history_.UndoName());
    const QString redoName = QString::fromStdString(history_.RedoName());
    undo->setEnabled(history_.CanUndo());
    undo->setText(history_.CanUndo() ? "Undo " + undoName : "Undo");
    redo->setEnabled(history_.CanRedo());
    redo->setText(history_.CanRedo() ? "Redo " + redoName : "Redo");
}

dpmr::RadioImage CMainFrame::WouldWrite() {
    dpmr::RadioImage wouldWrite = context_.image;
    view_->StoreGridInto(wouldWrite);
    return wouldWrite;
}

void CMainFrame::RecordStep(const QString& name) {
    if (history_.Record(name.toStdString(), WouldWrite())) UpdateUndoActions();
    UpdateTitle();
}

bool CMainFrame::CanChangeHistoryNow() const {
    return !context_.transfer.busy && !QApplication::activeModalWidget();
}

void CMainFrame::RestoreFromHistory(const dpmr::RadioImage& state) {
    context_.image = state;
    view_->SelectBandFromImage();
    UpdateUndoActions();
    UpdateTitle();
}

void CMainFrame::OnUndo() {
    if (!CanChangeHistoryNow()) return;
    // A cell being typed in is committed first and is the step taken back;
    // a change that no step recorded becomes one, so that Redo brings it back.
    view_->CommitEditor();
    RecordStep("Edit");
    if (auto state = history_.Undo()) RestoreFromHistory(*state);
}

void CMainFrame::OnRedo() {
    if (!CanChangeHistoryNow()) return;
    view_->CommitEditor();
    RecordStep("Edit");
    if (auto state = history_.Redo()) RestoreFromHistory(*state);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction(action("actionNew"));
    file->addAction(action("actionOpen"));
    file->addAction(action("actionOpenBackup"));
    file->addAction(action("actionSave"));
    file->addAction(action("actionSaveAs"));
    recentMenu_ = file->addMenu("Recent &Files");
    recentMenu_->setObjectName("menuRecentFiles");
    UpdateRecentMenu();
    file->addSeparator();
    file->addAction(action("actionExportCodeplug"));
    file->addAction(action("actionImportCodeplug"));
    file->addSeparator();
    file->addAction(action("actionExportCsv"));
    file->addAction(action("actionImportCsv"));
    file->addSeparator();
    file->addAction(action("actionPrint"));
    file->addAction(action("actionPrintPreview"));
    file->addAction(action("actionPrintSetup"));
    file->addSeparator();
    file->addAction(action("actionExit"));

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->addAction(action("actionUndo"));
    edit->addAction(action("actionRedo"));
    edit->addSeparator();
    edit->addAction(action("actionCopy"));
    edit->addAction(action("actionPaste"));
    edit->addSeparator();
    for (const char* name :
         {"actionScanInfo", "actionBasicSetting", "actionAlarm", "actionDtmf", "actionDpmr"})
        edit->addAction(action(name));

    QMenu* program = menuBar()->addMenu("&Program");
    program->addAction(action("actionRead"));
    program->addAction(action("actionWrite"));
    program->addAction(action("actionFleetWrite"));

    QMenu* viewMenu = menuBar()->addMenu("&View");
    viewMenu->addAction(action("actionToolbar"));
    viewMenu->addAction(action("actionStatusBar"));

    QMenu* setting = menuBar()->addMenu("&Setting");
    setting->addAction(action("actionPort"));

    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction(action("actionUserGuide"));
    help->addAction(action("actionAbout"));
}

void CMainFrame::CreateToolBar() {
    QToolBar* bar = addToolBar("Standard");
    bar->setObjectName("toolBar");
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->addAction(action("actionNew"));
    bar->addAction(action("actionOpen"));
    bar->addAction(action("actionSave"));
    bar->addSeparator();
    bar->addAction(action("actionRead"));
    bar->addAction(action("actionWrite"));
    bar->addSeparator();
    bar->addAction(action("actionAbout"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QAction* toggle = action("actionToolbar");
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QToolBar::setVisible);
    connect(bar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->showMessage("Ready");
    auto indicator = [bar](const char* text) {
        auto* label = new QLabel(text);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 12);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        return label;
    };
    capIndicator_ = indicator("CAP");
    numIndicator_ = indicator("NUM");
    scrlIndicator_ = indicator("SCRL");
    capIndicator_->setObjectName("indicatorCap");
    numIndicator_->setObjectName("indicatorNum");
    scrlIndicator_->setObjectName("indicatorScrl");

    QAction* toggle = action("actionStatusBar");
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::PlaceOverWorkArea() {
    // The window, its frame included, covers the desktop's work area and
    // cannot be resized by its border. The frame is known once the window
    // manager has framed the window; until then it counts as none.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    placedFrame_ = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(area.size().shrunkBy(placedFrame_));
    move(area.topLeft());  // the frame's top left corner
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        if (windowHandle() && windowHandle()->frameMargins() != placedFrame_) PlaceOverWorkArea();
        // Back from a dialog that may have changed the image.
        UpdateTitle();
    }
    return QMainWindow::event(event);
}

QString CMainFrame::Caption() const {
    return QString::fromStdString(context_.settings.Caption());
}

void CMainFrame::UpdateTitle() {
    const QString title =
        Caption() + " - " + QString::fromStdString(context_.document.DisplayName()) + "[*]";
    if (windowTitle() != title) setWindowTitle(title);
    setWindowModified(IsModified());
}

void CMainFrame::UpdateKeyIndicators(Qt::KeyboardModifiers, quint32 nativeModifiers) {
    // On X11 the native modifier state carries Caps Lock (Lock) and Num Lock
    // (Mod2); Scroll Lock has no modifier bit and is followed by its key.
    if (QGuiApplication::platformName() != "xcb") return;
    capIndicator_->setEnabled((nativeModifiers & 0x02) != 0);
    numIndicator_->setEnabled((nativeModifiers & 0x10) != 0);
    scrlIndicator_->setEnabled(scrollLock_);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_ScrollLock &&
            !key->isAutoRepeat())
            scrollLock_ = !scrollLock_;
        UpdateKeyIndicators(key->modifiers(), key->nativeModifiers());
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ShowMessage(const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, Caption(), text, QMessageBox::Ok, this);
    box.exec();
}

void CMainFrame::ResetBaseline(const std::string& path) {
    const dpmr::RadioImage wouldWrite = WouldWrite();
    context_.document.Reset(path, wouldWrite);
    history_.Reset(wouldWrite);
    UpdateUndoActions();
    UpdateTitle();
}

bool CMainFrame::IsModified() {
    return context_.document.IsModified(WouldWrite());
}

void CMainFrame::NewDocument() {
    dpmr::NewImage(context_.image, context_.settings.programFolder, context_.band);
    view_->OnInitialUpdate();
    ResetBaseline({});
}

bool CMainFrame::OpenDocument(const QString& path) {
    if (!LoadDocument(path)) return false;
    RememberFile(path);
    return true;
}

bool CMainFrame::LoadDocument(const QString& path) {
    // A file that is no radio file (too short) or cannot be read at all
    // (missing, no access, a folder) leaves the open document, its file, its
    // unsaved changes and its undo history as they were, whatever the
    // unsaved-changes question was answered.
    if (dpmr::Status s = dpmr::LoadImageFile(path.toStdString(), context_.image); !s) {
        ShowMessage(QString::fromStdString(s.message()));
        return false;
    }
    view_->OnInitialUpdate();
    ResetBaseline(QFileInfo(path).absoluteFilePath().toStdString());
    statusBar()->showMessage(QString("Opened %1").arg(QFileInfo(path).fileName()), 4000);
    return true;
}

bool CMainFrame::MaybeSave() {
    if (!IsModified()) return true;
    QMessageBox box(QMessageBox::Warning, Caption(), "Save changes?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("saveChangesBox");
    box.setInformativeText(QString("The radio data in \"%1\" has been changed.")
                               .arg(QString::fromStdString(context_.document.DisplayName())));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return OnFileSave();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

QString CMainFrame::ChooseFile(bool forSave, const QString& suggested) {
    if (chooseFile_) return chooseFile_(forSave, suggested);
    return ChooseFileInDialog(this, forSave, {forSave ? "Save As" : "Open", kDatFilter, "dat"},
                              suggested);
}

QString CMainFrame::ChooseCodeplugFile(bool forSave) {
    // Beside the document, named after it: radio.dat <-> radio.yaml.
    const QString document = QString::fromStdString(context_.document.path());
    const QString suggested =
        forSave ? SuggestBesideDocument(document, "yaml", "codeplug.yaml")
                : (document.isEmpty() ? QString() : QFileInfo(document).absolutePath());
    if (chooseFile_) return chooseFile_(forSave, suggested);
    return ChooseFileInDialog(this, forSave,
                              {forSave ? "Export" : "Import", kCodeplugFilter, "yaml"}, suggested);
}

void CMainFrame::OnExportCodeplug() {
    const QString path = ChooseCodeplugFile(true);
    if (path.isEmpty()) return;
    view_->StoreGridToImage();
    const std::string text = dpmr::CodeplugToYaml(context_.image);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (dpmr::Status s = dpmr::WriteFileAtomically(path.toStdString(), {bytes, text.size()}); !s) {
        ShowMessage(QString::fromStdString(s.message()));
        return;
    }
    statusBar()->showMessage(QString("Exported %1").arg(QFileInfo(path).fileName()), 4000);
}

void CMainFrame::OnImportCodeplug() {
    if (!MaybeSave()) return;
    const QString path = ChooseCodeplugFile(false);
    if (path.isEmpty()) return;
    ImportCodeplug(path);
}

void CMainFrame::ImportCodeplug(const QString& path) {
    std::string text;
    dpmr::RadioImage image;
    std::vector<std::string> corrections;
    dpmr::Status s = dpmr::ReadListFile(path.toStdString(), "codeplug", text);
    if (s) s = dpmr::CodeplugFromYaml(text, context_.settings, image, &corrections);
    if (!s) {
        ShowMessage("Cannot import " + QFileInfo(path).fileName() + ":\n" +
                    QString::fromStdString(s.message()));
        return;
    }
    // Like Open of a file nobody saved yet: the table is rebuilt, the
    // contact checks run, the history starts afresh, and Save asks for a name.
    context_.image = image;
    view_->OnInitialUpdate();
    ResetBaseline({});
    context_.document.ResetUnsaved(WouldWrite());
    UpdateTitle();
    const QString summary = QString("Imported %1").arg(QFileInfo(path).fileName());
    statusBar()->showMessage(summary, 4000);
    // Values stored other than the file has them are said, never silent.
    if (!corrections.empty())
        ShowReport(
            this, QMessageBox::Information,
            summary + QString(": %1 value(s) stored other than written.").arg(corrections.size()),
            corrections);
}

void CMainFrame::OnFileNew() {
    if (!MaybeSave()) return;
    NewDocument();
}

void CMainFrame::OnFileOpen() {
    if (!MaybeSave()) return;
    const QString path = ChooseFile(false, {});
    if (path.isEmpty()) return;
    OpenDocument(path);
}

void CMainFrame::OnFileOpenBackup() {
    if (!MaybeSave()) return;
    // Made when missing, so that the file dialog opens there even before the
    // first backup.
    const QString folder = QString::fromStdString(context_.backupFolder);
    if (!folder.isEmpty()) QDir().mkpath(folder);
    const QString path = ChooseFile(false, folder);
    if (path.isEmpty() || !LoadDocument(path)) return;
    // A backup opens as a new document: Save asks for a name, so that an
    // edit never replaces the copy kept (nor goes where old copies are
    // deleted).
    ResetBaseline({});
    statusBar()->showMessage(
        QString("Opened the backup %1; Save asks for a new name").arg(QFileInfo(path).fileName()),
        10000);
}

void CMainFrame::RememberFile(const QString& path) {
    recent_->Add(QFileInfo(path).absoluteFilePath().toStdString());
    UpdateRecentMenu();
}

void CMainFrame::UpdateRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string>& paths = recent_->Paths();
    for (std::size_t k = 0; k < paths.size(); ++k) {
        const QString path = QString::fromStdString(paths[k]);
        // "&1 radio.dat": the digit chooses it from the keyboard.
        QAction* a = recentMenu_->addAction(
            QString("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName().replace('&', "&&")));
        a->setObjectName(QString("actionRecentFile%1").arg(k + 1));
        a->setStatusTip(path);
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] { OnOpenRecent(path); });
    }
    recentMenu_->setEnabled(!paths.empty());
}

void CMainFrame::OnOpenRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        recent_->Remove(path.toStdString());
        UpdateRecentMenu();
        ShowMessage(
            QString("%1 no longer exists; it was removed from the recent files.").arg(path));
        return;
    }
    if (!MaybeSave()) return;
    OpenDocument(path);
}

QString CMainFrame::DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "dat" || suffix == "yaml" || suffix == "yml" ? path : QString();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty() && !QApplication::activeModalWidget())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty() || QApplication::activeModalWidget() || context_.transfer.busy) return;
    event->acceptProposedAction();
    // Run after the drop has ended, so that the question and any message box
    // do not run inside the drag's own event handling.
    QTimer::singleShot(0, this, [this, path] { OpenDroppedFile(path); });
}

void CMainFrame::OpenDroppedFile(const QString& path) {
    if (!MaybeSave()) return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "dat")
        OpenDocument(path);
    else
        ImportCodeplug(path);
}

bool CMainFrame::SaveTo(const QString& path) {
    view_->StoreGridToImage();
    if (dpmr::Status s = dpmr::SaveImageFile(path.toStdString(), context_.image); !s) {
        ShowMessage(QString::fromStdString(s.message()));
        return false;
    }
    context_.document.Reset(QFileInfo(path).absoluteFilePath().toStdString(), context_.image);
    RememberFile(path);
    UpdateTitle();
    statusBar()->showMessage(QString("Saved %1").arg(QFileInfo(path).fileName()), 4000);
    return true;
}

bool CMainFrame::OnFileSave() {
    if (context_.document.path().empty()) return OnFileSaveAs();
    return SaveTo(QString::fromStdString(context_.document.path()));
}

bool CMainFrame::OnFileSaveAs() {
    QString suggested = QString::fromStdString(context_.document.path());
    if (suggested.isEmpty()) suggested = "Untitled.dat";
    const QString path = ChooseFile(true, suggested);
    if (path.isEmpty()) return false;
    return SaveTo(path);
}

void CMainFrame::OnFilePrint() {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    view_->PrintTable(printer_.get());
}

void CMainFrame::OnFilePrintPreview() {
    QPrintPreviewDialog dialog(printer_.get(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { view_->PrintTable(printer); });
    dialog.resize(width() * 3 / 4, height() * 3 / 4);
    dialog.exec();
}

void CMainFrame::OnFilePrintSetup() {
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(Caption(), this);
    dialog.exec();
}

void CMainFrame::OnUserGuide() {
    // One guide window, kept open beside the main window while the user works.
    if (!userGuide_) {
        bool withFleet = false;
        for (const QAction* a : findChildren<QAction*>())
            if (a->text().startsWith("Write to Several Radios")) withFleet = true;
        userGuide_ = new CUserGuideDlg(withFleet, this);
    }
    userGuide_->show();
    userGuide_->raise();
    userGuide_->activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (MaybeSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

dpmr::LinkSettings CMainFrame::Link() const {
    return {context_.settings.portName, context_.settings.baudRate};
}

void CMainFrame::OnRead() {
    // What the radio sends replaces the document, as New and Open do.
    if (!MaybeSave()) return;
    CProgressDlg dialog(CProgressDlg::Direction::kRead, context_.image, Link(), context_.transfer,
                        context_.backupFolder, this);
    dialog.exec();
    if (!dialog.Succeeded()) return;
    // The dialog kept its backup of what the radio sent; the document takes
    // it here, on this thread, now that the worker has ended.
    context_.image = dialog.ReadImage();
    const QString backupFailure = dialog.BackupMessage();
    // The image was replaced underneath the table: rebuild it, then check the
    // contacts the radio sent.
    view_->SelectBandFromImage();
    dpmr::CheckContactReferences(context_.image);
    dpmr::RepairContactNames(context_.image);
    view_->grid()->setFocus();
    RecordStep("Read");
    if (backupFailure.isEmpty())
        statusBar()->showMessage("Read from the radio", 4000);
    else
        statusBar()->showMessage("Read from the radio. " + backupFailure, 30000);
}

bool CMainFrame::CheckBeforeWrite(QString& notice) {
    const std::vector<dpmr::WriteProblem> problems = dpmr::CheckBeforeWrite(context_.image);
    QStringList lines;
    for (const dpmr::WriteProblem& p : problems)
        lines << QString::fromStdString(dpmr::ProblemLine(p));
    // A long list is cut where it is shown; the box's "Show Details..." has
    // it all.
    constexpr int kShown = 12;
    QStringList shown = lines.mid(0, kShown);
    if (lines.size() > kShown) shown << QString("... and %1 more").arg(lines.size() - kShown);
    notice = shown.join('\n');
    if (!dpmr::HasErrors(problems)) return true;
    QMessageBox box(QMessageBox::Warning, Caption(), "Write anyway?",
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("writeAnywayBox");
    box.setInformativeText("The radio cannot use this configuration as it stands:\n\n" + notice);
    if (lines.size() > kShown) box.setDetailedText(lines.join('\n'));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void CMainFrame::OnWrite() {
    // The check sees what is written: the table stored first.
    view_->StoreGridToImage();
    QString notice;
    if (!CheckBeforeWrite(notice)) return;
    CProgressDlg dialog(CProgressDlg::Direction::kWrite, context_.image, Link(), context_.transfer,
                        context_.backupFolder, this);
    dialog.SetVerify(context_.settings.verifyAfterWrite);
    dialog.SetKeepCalibration(context_.settings.keepCalibration);
    if (!notice.isEmpty()) dialog.SetNotice("Note before writing:\n" + notice);
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
        if (!backupFailure.isEmpty()) statusBar()->showMessage(backupFailure, 30000);
        return;
    }
    QString done = dialog.result().message.empty()
                       ? QString("Written to the radio")
                       : QString::fromStdString(dialog.result().message);
    if (!backupFailure.isEmpty()) done += ". " + backupFailure;
    statusBar()->showMessage(done, backupFailure.isEmpty() ? 10000 : 30000);
}

void CMainFrame::OnFleetWrite() {
    // The check sees what is written: the table stored first.
    view_->StoreGridToImage();
    QString notice;
    if (!CheckBeforeWrite(notice)) return;
    CFleetWriteDlg dialog(context_.image, context_.settings.baudRate, context_.backupFolder,
                          context_.settings.verifyAfterWrite, /*force=*/true, this);
    for (std::size_t k = 0; k < context_.demoFleetPorts.size(); ++k) {
        dialog.AddPort({QString::fromStdString(context_.demoFleetPorts[k]),
                        QString("Virtual radio %1 (demo)").arg(k + 1),
                        true,
                        {}});
    }
    for (const PortEntry& e : SystemPorts()) dialog.AddPort(e);
    if (!context_.settings.portName.empty()) {
        dialog.AddPort(
            {QString::fromStdString(dpmr::DevicePathForPortName(context_.settings.portName)),
             "the port of Read and Write",
             true,
             {}});
    }
    dialog.exec();
}

void CMainFrame::OnScanInfo() {
    view_->RunImageEditor([this] {
        CScanInfoDlg dialog(context_.image, this);
        dialog.exec();
    });
}

void CMainFrame::OnBasicSetting() {
    view_->RunImageEditor([this] {
        CBasicSettingDlg dialog(context_.image,
                                QString::fromStdString(context_.settings.pictureFolder), this);
        dialog.exec();
    });
}

void CMainFrame::OnAlarm() {
    view_->RunImageEditor([this] {
        CAlarmDlg dialog(context_.image, this);
        dialog.exec();
    });
}

void CMainFrame::OnDtmf() {
    view_->RunImageEditor([this] {
        CDtmfDlg dialog(context_.image, this);
        dialog.exec();
    });
}

void CMainFrame::OnDpmr() {
    view_->RunImageEditor([this] {
        CDpmrParamDlg dialog(context_.image, this);
        dialog.exec();
    });
}

void CMainFrame::OnServicePassword() {
    CServicePasswordDlg gate(this);
    if (gate.exec() != QDialog::Accepted) {
        if (gate.WrongPassword())
            statusBar()->showMessage("Wrong service password: squelch calibration not opened",
                                     10000);
        return;
    }
    view_->RunImageEditor([this] {
        CSqlCalibrationDlg dialog(context_.image, Link(), this);
        dialog.exec();
    });
}

void CMainFrame::OnAdjustParam() {
    view_->RunImageEditor([this] {
        CAdjustParamDlg dialog(context_.image, Link(), this);
        dialog.exec();
    });
}

void CMainFrame::OnPortSetting() {
    CPortSettingDlg dialog(context_.settings.portName, context_.demoPortName,
                           context_.startDemoRadio, this);
    dialog.exec();
}
