// ActionTable: every command of the main window as one row: its text, tips,
// shortcuts and icon, the menu and place it sits in, whether the toolbar
// shows it, what it runs and when it is enabled. The menus, the toolbar and
// the shortcuts are built from these rows, so a command is declared once and
// never looked up by a name.
#pragma once

#include <QKeySequence>
#include <QStyle>
#include <span>
#include <variant>
#include <vector>

#include "form/DialogDecl.h"

class CDocumentController;
class CMainFrame;
class CRadioCommands;

enum class ActionId {
    kNew,
    kOpen,
    kOpenBackup,
    kSave,
    kSaveAs,
    kExportCodeplug,
    kImportCodeplug,
    kExportCsv,
    kImportCsv,
    kPrint,
    kPrintPreview,
    kPrintSetup,
    kExit,
    kUndo,
    kRedo,
    kCopy,
    kPaste,
    kApplyToSelection,
    kFillChannels,
    kScanInfo,
    kBasicSetting,
    kAlarm,
    kDtmf,
    kDpmr,
    kRead,
    kWrite,
    kFleetWrite,
    kToolbar,
    kStatusBar,
    kPort,
    kUserGuide,
    kReportProblem,
    kAbout,
    kCount
};

enum class MenuId { kFile, kEdit, kProgram, kView, kSetting, kHelp };

// When an action can be chosen; the frame updates the states after every
// change of the document.
enum class EnabledWhen { kAlways, kCanUndo, kCanRedo };

// What choosing the action does: a command of the document, of the radio or
// of the window, or a settings dialog run on the document.
using ControllerSlot = void (CDocumentController::*)();
using RadioSlot = void (CRadioCommands::*)();
using FrameSlot = void (CMainFrame::*)();
using DialogOf = const dpmr::form::DialogDecl& (*)();
using ActionRun = std::variant<ControllerSlot, RadioSlot, FrameSlot, DialogOf>;

struct ActionDecl {
    ActionId id;
    const char* text;               // the menu text, "&" before the mnemonic
    const char* statusTip;          // the status bar's prompt
    const char* toolTip = nullptr;  // the toolbar's tip; nullptr: the text without "&"
    std::vector<QKeySequence> shortcuts{};
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;  // SP_CustomBase: none
    MenuId menu = MenuId::kFile;
    bool separatorBefore = false;  // a line above it in its menu
    bool toolbar = false;          // on the toolbar, in table order
    bool toolbarSeparatorBefore = false;
    bool checkable = false;  // the View menu's toggles
    EnabledWhen enabled = EnabledWhen::kAlways;
    ActionRun run;
    // The File menu's "Recent Files" submenu comes right after this action.
    bool recentFilesAfter = false;
    // The Setting menu's "Language" submenu comes right after this action.
    bool languagesAfter = false;
};

// The rows in menu order (and toolbar order among those on it).
std::span<const ActionDecl> Actions();
const ActionDecl& ActionOf(ActionId id);

// The menu's title ("&File").
const char* MenuTitle(MenuId menu);
std::span<const MenuId> Menus();
