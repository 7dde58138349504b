// CMainFrame: the main window. Its menus, toolbar and shortcuts are built from
// the action table; the channel table is its central view; the status bar
// shows the commands' words and the key-state indicators; the title names
// the model, the file and whether it has unsaved changes. What the commands
// do is the document controller's and the radio commands' business.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "app/ActionTable.h"
#include "app/AppContext.h"

class CDocumentController;
class CProgramView;
class CRadioCommands;
class CUserGuideDlg;
class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(AppContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CProgramView* view() const { return view_; }
    CDocumentController& controller() const { return *controller_; }
    CRadioCommands& radio() const { return *radio_; }
    AppContext& context() { return context_; }
    QAction* Action(ActionId id) const { return actions_[static_cast<std::size_t>(id)]; }

    // The model name followed by " Software": the title of the program's
    // message boxes and the start of the window title.
    QString Caption() const;

    // ---- The window's own commands of the action table ----
    void Exit();
    void ShowToolBar();
    void ShowStatusBar();
    void UserGuide();      // Help > User Guide (F1)
    void ReportProblem();  // Help > Report a Problem...
    void About();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenusAndToolBar();
    void CreateStatusBar();
    void Run(const ActionDecl& row);
    void PlaceOverWorkArea();
    // "HM-842R Software - radio.dat", marked when there are unsaved changes;
    // the undo step names and the recent files follow the document too.
    void UpdateFromDocument();
    void UpdateRecentMenu();
    void UpdateKeyIndicators(quint32 nativeModifiers);
    // The one local .dat or .yaml file a drag carries, else empty.
    static QString DroppedFile(const QMimeData* data);

    AppContext& context_;
    CProgramView* view_ = nullptr;
    CDocumentController* controller_ = nullptr;
    CRadioCommands* radio_ = nullptr;
    std::array<QAction*, static_cast<std::size_t>(ActionId::kCount)> actions_{};
    QToolBar* toolBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QLabel* capIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrlIndicator_ = nullptr;
    bool scrollLock_ = false;
    QMargins placedFrame_;  // the window frame the last placement allowed for
    QPointer<CUserGuideDlg> userGuide_;
};
