// CMainFrame: menus and toolbar from the action table, status bar, title.
#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "app/CAboutDlg.h"
#include "app/CDocumentController.h"
#include "app/CLanguageMenu.h"
#include "app/CRadioCommands.h"
#include "app/CReportDlg.h"
#include "app/CUserGuideDlg.h"
#include "app/Resources.h"
#include "channels/CProgramView.h"
#include "service/ServiceKeyFilter.h"

CMainFrame::CMainFrame(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    InitResources();
    setWindowIcon(QIcon(":/icons/dpmrcps.png"));
    view_ = new CProgramView(context_.image, context_.band, context_.settings, this);
    setCentralWidget(view_);
    controller_ = new CDocumentController(context_, *view_, this);
    radio_ = new CRadioCommands(context_, *controller_, *view_, this);
    setAcceptDrops(true);
    CreateActions();
    CreateMenusAndToolBar();
    CreateStatusBar();
    PlaceOverWorkArea();
    qApp->installEventFilter(this);
    const auto say = [this](const QString& text, int timeoutMs) {
        statusBar()->showMessage(text, timeoutMs);
    };
    connect(controller_, &CDocumentController::StatusMessage, this, say);
    connect(radio_, &CRadioCommands::StatusMessage, this, say);
    connect(controller_, &CDocumentController::DocumentChanged, this,
            &CMainFrame::UpdateFromDocument);
    // A cell's correction stays said until the next edit (an empty text).
    connect(view_, &CProgramView::Notice, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    UpdateFromDocument();
    new ServiceKeyFilter(
        this, [this] { radio_->ServicePassword(); }, [this] { radio_->AdjustParam(); });
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // While QWidget tears the window down, its widgets may still signal (the
    // table commits an open editor when it loses the focus); this frame and
    // its commands are already gone by then and must not hear them.
    for (QObject* child : findChildren<QObject*>())
        for (const QObject* receiver :
             {static_cast<QObject*>(this), static_cast<QObject*>(controller_),
              static_cast<QObject*>(radio_)})
            child->disconnect(receiver);
}

void CMainFrame::CreateActions() {
    for (const ActionDecl& row : Actions()) {
        const QString text = QCoreApplication::translate("Action", row.text);
        auto* a = new QAction(text, this);
        a->setStatusTip(QCoreApplication::translate("Action", row.statusTip));
        a->setToolTip(row.toolTip ? QCoreApplication::translate("Action", row.toolTip)
                                  : QString(text).remove('&'));
        a->setShortcuts(QList<QKeySequence>(row.shortcuts.begin(), row.shortcuts.end()));
        if (row.icon != QStyle::SP_CustomBase) a->setIcon(style()->standardIcon(row.icon));
        a->setCheckable(row.checkable);
        a->setChecked(row.checkable);
        connect(a, &QAction::triggered, this, [this, &row] { Run(row); });
        actions_[static_cast<std::size_t>(row.id)] = a;
    }
}

void CMainFrame::Run(const ActionDecl& row) {
    struct {
        CMainFrame* frame;
        void operator()(ControllerSlot slot) const { (frame->controller_->*slot)(); }
        void operator()(RadioSlot slot) const { (frame->radio_->*slot)(); }
        void operator()(FrameSlot slot) const { (frame->*slot)(); }
        void operator()(DialogOf dialog) const { frame->controller_->RunSettingsDialog(dialog()); }
    } run{this};
    std::visit(run, row.run);
}

void CMainFrame::CreateMenusAndToolBar() {
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName("toolBar");
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(toolBar_, &QToolBar::visibilityChanged, Action(ActionId::kToolbar),
            &QAction::setChecked);
    for (MenuId id : Menus()) {
        QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("Action", MenuTitle(id)));
        for (const ActionDecl& row : Actions()) {
            if (row.menu != id) continue;
            if (row.separatorBefore) menu->addSeparator();
            menu->addAction(Action(row.id));
            if (row.languagesAfter) menu->addMenu(new CLanguageMenu(context_, this));
            if (!row.recentFilesAfter) continue;
            recentMenu_ = menu->addMenu(tr("Recent &Files"));
            recentMenu_->setObjectName("menuRecentFiles");
        }
    }
    for (const ActionDecl& row : Actions()) {
        if (!row.toolbar) continue;
        if (row.toolbarSeparatorBefore) toolBar_->addSeparator();
        toolBar_->addAction(Action(row.id));
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->showMessage(tr("Ready"));
    auto indicator = [bar](const QString& text, const char* name) {
        auto* label = new QLabel(text);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 12);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        return label;
    };
    capIndicator_ = indicator(tr("CAP"), "indicatorCap");
    numIndicator_ = indicator(tr("NUM"), "indicatorNum");
    scrlIndicator_ = indicator(tr("SCRL"), "indicatorScrl");
}

void CMainFrame::UpdateFromDocument() {
    const QString title = Caption() + " - " + controller_->DisplayName() + "[*]";
    if (windowTitle() != title) setWindowTitle(title);
    setWindowModified(controller_->ShowsModified());
    const dpmr::UndoHistory& history = controller_->history();
    // "&Undo Edit Name": the step's name goes into one sentence a translator can reorder.
    const auto step = [](const QString& verb, const QString& verbAndName, const std::string& name) {
        const QString escaped = QString::fromStdString(name).replace('&', "&&");
        return escaped.isEmpty() ? verb : verbAndName.arg(escaped);
    };
    Action(ActionId::kUndo)
        ->setText(step(tr("&Undo"), tr("&Undo %1"), history.CanUndo() ? history.UndoName() : ""));
    Action(ActionId::kRedo)
        ->setText(step(tr("&Redo"), tr("&Redo %1"), history.CanRedo() ? history.RedoName() : ""));
    for (const ActionDecl& row : Actions()) {
        if (row.enabled == EnabledWhen::kCanUndo) Action(row.id)->setEnabled(history.CanUndo());
        if (row.enabled == EnabledWhen::kCanRedo) Action(row.id)->setEnabled(history.CanRedo());
    }
    UpdateRecentMenu();
}

void CMainFrame::UpdateRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string>& paths = controller_->RecentPaths();
    for (std::size_t k = 0; k < paths.size(); ++k) {
        const QString path = QString::fromStdString(paths[k]);
        // "&1 radio.dat": the digit chooses it from the keyboard.
        QAction* a = recentMenu_->addAction(
            QString("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName().replace('&', "&&")));
        a->setStatusTip(path);
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] { controller_->OpenRecent(path); });
    }
    recentMenu_->setEnabled(!paths.empty());
}

void CMainFrame::Exit() {
    close();
}

void CMainFrame::ShowToolBar() {
    toolBar_->setVisible(Action(ActionId::kToolbar)->isChecked());
}

void CMainFrame::ShowStatusBar() {
    statusBar()->setVisible(Action(ActionId::kStatusBar)->isChecked());
}

void CMainFrame::About() {
    CAboutDlg dialog(Caption(), this);
    dialog.exec();
}

void CMainFrame::ReportProblem() {
    // The configuration as the user sees it: the table stored into a copy.
    dpmr::RadioImage codeplug = context_.image;
    view_->StoreGridInto(codeplug);
    CReportDlg dialog(context_, codeplug, this);
    dialog.exec();
}

void CMainFrame::UserGuide() {
    // One guide window, kept open beside the main window while the user works.
    if (!userGuide_) userGuide_ = new CUserGuideDlg(/*withFleet=*/true, context_.language, this);
    userGuide_->show();
    userGuide_->raise();
    userGuide_->activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (controller_->MaybeSave())
        event->accept();
    else
        event->ignore();
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
    QTimer::singleShot(0, controller_, [this, path] { controller_->OpenDroppedFile(path); });
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
    }
    // Back from another program or window: has the document's file been
    // changed there? Asked once this activation has been handled.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, controller_, &CDocumentController::CheckFileOnDisk);
    return QMainWindow::event(event);
}

QString CMainFrame::Caption() const {
    return QString::fromStdString(context_.settings.Caption());
}

void CMainFrame::UpdateKeyIndicators(quint32 nativeModifiers) {
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
        UpdateKeyIndicators(key->nativeModifiers());
    }
    return QMainWindow::eventFilter(watched, event);
}
