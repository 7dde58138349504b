// The main window's commands, one row each, in menu order.
#include "app/ActionTable.h"

#include <array>
#include <cassert>

#include "app/CDocumentController.h"
#include "app/CMainFrame.h"
#include "app/CRadioCommands.h"
#include "dialogs/SharedByteDialogs.h"
#include "settings/BasicSettingDialog.h"
#include "settings/DtmfDialog.h"
#include "settings/ScanInfoDialog.h"

namespace {

using C = CDocumentController;
using F = CMainFrame;
using R = CRadioCommands;
using Key = QKeySequence;

const std::vector<ActionDecl>& Rows() {
    static const std::vector<ActionDecl> rows{
        // File
        {.id = ActionId::kNew,
         .text = QT_TRANSLATE_NOOP("Action", "&New"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Create a new document"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "New"),
         .shortcuts = {Key::New},
         .icon = QStyle::SP_FileIcon,
         .menu = MenuId::kFile,
         .toolbar = true,
         .run = &C::New},
        {.id = ActionId::kOpen,
         .text = QT_TRANSLATE_NOOP("Action", "&Open..."),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Open an existing document"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Open"),
         .shortcuts = {Key::Open},
         .icon = QStyle::SP_DialogOpenButton,
         .menu = MenuId::kFile,
         .toolbar = true,
         .run = &C::Open},
        {.id = ActionId::kOpenBackup,
         .text = QT_TRANSLATE_NOOP("Action", "Open &Backup..."),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Open a copy kept by an earlier Read or Write"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Open Backup"),
         .menu = MenuId::kFile,
         .run = &C::OpenBackup},
        {.id = ActionId::kSave,
         .text = QT_TRANSLATE_NOOP("Action", "&Save"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Save the active document"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Save"),
         .shortcuts = {Key::Save},
         .icon = QStyle::SP_DialogSaveButton,
         .menu = MenuId::kFile,
         .toolbar = true,
         .run = &C::Save},
        {.id = ActionId::kSaveAs,
         .text = QT_TRANSLATE_NOOP("Action", "Save &As..."),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Save the active document with a new name"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Save As"),
         .shortcuts = {Key("Ctrl+Shift+S")},
         .menu = MenuId::kFile,
         .run = &C::SaveAs,
         .recentFilesAfter = true},
        {.id = ActionId::kExportCodeplug,
         .text = QT_TRANSLATE_NOOP("Action", "Expor&t..."),
         .statusTip =
             QT_TRANSLATE_NOOP("Action", "Write the whole configuration to a readable YAML file"),
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &C::ExportCodeplug},
        {.id = ActionId::kImportCodeplug,
         .text = QT_TRANSLATE_NOOP("Action", "I&mport..."),
         .statusTip =
             QT_TRANSLATE_NOOP("Action", "Open a YAML file written by Export as a new document"),
         .menu = MenuId::kFile,
         .run = &C::ImportCodeplug},
        {.id = ActionId::kExportCsv,
         .text = QT_TRANSLATE_NOOP("Action", "Export &Channels as CSV..."),
         .statusTip =
             QT_TRANSLATE_NOOP("Action", "Write the channels to a CSV file in CHIRP's format"),
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &C::ExportCsv},
        {.id = ActionId::kImportCsv,
         .text = QT_TRANSLATE_NOOP("Action", "Import C&hannels from CSV..."),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Set channels from a CSV file in CHIRP's format"),
         .menu = MenuId::kFile,
         .run = &C::ImportCsv},
        {.id = ActionId::kPrint,
         .text = QT_TRANSLATE_NOOP("Action", "&Print..."),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Print the active document"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Print"),
         .shortcuts = {Key::Print},
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &C::Print},
        {.id = ActionId::kPrintPreview,
         .text = QT_TRANSLATE_NOOP("Action", "Print Pre&view"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Display full pages"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Print Preview"),
         .menu = MenuId::kFile,
         .run = &C::PrintPreview},
        {.id = ActionId::kPrintSetup,
         .text = QT_TRANSLATE_NOOP("Action", "P&rint Setup..."),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Change the printer and printing options"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Print Setup"),
         .menu = MenuId::kFile,
         .run = &C::PrintSetup},
        {.id = ActionId::kExit,
         .text = QT_TRANSLATE_NOOP("Action", "E&xit"),
         .statusTip =
             QT_TRANSLATE_NOOP("Action", "Quit the application; prompts to save documents"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Exit"),
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &F::Exit},
        // Edit
        {.id = ActionId::kUndo,
         .text = QT_TRANSLATE_NOOP("Action", "&Undo"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Take back the last change"),
         .shortcuts = {Key::Undo},
         .icon = QStyle::SP_ArrowBack,
         .menu = MenuId::kEdit,
         .enabled = EnabledWhen::kCanUndo,
         .run = &C::Undo},
        {.id = ActionId::kRedo,
         .text = QT_TRANSLATE_NOOP("Action", "&Redo"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Make the change taken back last again"),
         .shortcuts = {Key("Ctrl+Shift+Z"), Key("Ctrl+Y")},
         .icon = QStyle::SP_ArrowForward,
         .menu = MenuId::kEdit,
         .enabled = EnabledWhen::kCanRedo,
         .run = &C::Redo},
        {.id = ActionId::kCopy,
         .text = QT_TRANSLATE_NOOP("Action", "&Copy"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Copy the selected channels"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Copy"),
         .shortcuts = {Key::Copy},
         .menu = MenuId::kEdit,
         .separatorBefore = true,
         .run = &C::Copy},
        {.id = ActionId::kPaste,
         .text = QT_TRANSLATE_NOOP("Action", "&Paste"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Paste channels from the current row down"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Paste"),
         .shortcuts = {Key::Paste},
         .menu = MenuId::kEdit,
         .run = &C::Paste},
        {.id = ActionId::kApplyToSelection,
         .text = QT_TRANSLATE_NOOP("Action", "Appl&y to Selected Channels"),
         .statusTip = QT_TRANSLATE_NOOP(
             "Action",
             "Set the current cell's tone, power, scan, bandwidth or channel type for "
             "every selected channel"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Apply to Selected Channels"),
         .shortcuts = {Key("Ctrl+D")},
         .menu = MenuId::kEdit,
         .run = &C::ApplyToSelection},
        {.id = ActionId::kFillChannels,
         .text = QT_TRANSLATE_NOOP("Action", "&Fill Channels..."),
         .statusTip =
             QT_TRANSLATE_NOOP("Action",
                               "Fill the selected channels, or all 16, with the PMR446 or dPMR446 "
                               "channels"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Fill Channels"),
         .menu = MenuId::kEdit,
         .run = &C::FillChannels},
        {.id = ActionId::kScanInfo,
         .text = QT_TRANSLATE_NOOP("Action", "&Scan Info"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Edit the scan settings"),
         .shortcuts = {Key("Ctrl+1")},
         .menu = MenuId::kEdit,
         .separatorBefore = true,
         .run = &dpmr::ScanInfoDialogDecl},
        {.id = ActionId::kBasicSetting,
         .text = QT_TRANSLATE_NOOP("Action", "&Basic setting"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Edit the basic settings"),
         .shortcuts = {Key("Ctrl+2")},
         .menu = MenuId::kEdit,
         .run = &dpmr::BasicSettingDialogDecl},
        {.id = ActionId::kAlarm,
         .text = QT_TRANSLATE_NOOP("Action", "&Alarm"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Edit the alarm settings"),
         .shortcuts = {Key("Ctrl+3")},
         .menu = MenuId::kEdit,
         .run = &dpmr::AlarmDialogDecl},
        {.id = ActionId::kDtmf,
         .text = QT_TRANSLATE_NOOP("Action", "&DTMF"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Edit the DTMF settings"),
         .shortcuts = {Key("Ctrl+4")},
         .menu = MenuId::kEdit,
         .run = &dpmr::DtmfDialogDecl},
        {.id = ActionId::kDpmr,
         .text = QT_TRANSLATE_NOOP("Action", "dP&MR"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Edit the dPMR parameters"),
         .shortcuts = {Key("Ctrl+5")},
         .menu = MenuId::kEdit,
         .run = &dpmr::DpmrParamDialogDecl},
        // Program
        {.id = ActionId::kRead,
         .text = QT_TRANSLATE_NOOP("Action", "&Read"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Read Data From Radio"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Read"),
         .shortcuts = {Key("Ctrl+R")},
         .icon = QStyle::SP_ArrowUp,
         .menu = MenuId::kProgram,
         .toolbar = true,
         .toolbarSeparatorBefore = true,
         .run = &R::Read},
        {.id = ActionId::kWrite,
         .text = QT_TRANSLATE_NOOP("Action", "&Write"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Write Data to Radio "),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Write"),
         .shortcuts = {Key("Ctrl+W")},
         .icon = QStyle::SP_ArrowDown,
         .menu = MenuId::kProgram,
         .toolbar = true,
         .run = &R::Write},
        {.id = ActionId::kFleetWrite,
         .text = QT_TRANSLATE_NOOP("Action", "Write to &Several Radios..."),
         .statusTip = QT_TRANSLATE_NOOP(
             "Action", "Write this configuration to several radios at once, each with its own ID"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Write to Several Radios"),
         .menu = MenuId::kProgram,
         .run = &R::FleetWrite},
        // View
        {.id = ActionId::kToolbar,
         .text = QT_TRANSLATE_NOOP("Action", "&Toolbar"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Show or hide the toolbar"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Toggle ToolBar"),
         .menu = MenuId::kView,
         .checkable = true,
         .run = &F::ShowToolBar},
        {.id = ActionId::kStatusBar,
         .text = QT_TRANSLATE_NOOP("Action", "&Status Bar"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Show or hide the status bar"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Toggle StatusBar"),
         .menu = MenuId::kView,
         .checkable = true,
         .run = &F::ShowStatusBar},
        // Setting
        {.id = ActionId::kPort,
         .text = QT_TRANSLATE_NOOP("Action", "&Port"),
         .statusTip = QT_TRANSLATE_NOOP("Action", "Choose the serial port of the radio"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Port"),
         .menu = MenuId::kSetting,
         .run = &R::PortSetting,
         .languagesAfter = true},
        // Help
        {.id = ActionId::kUserGuide,
         .text = QT_TRANSLATE_NOOP("Action", "&User Guide"),
         .statusTip =
             QT_TRANSLATE_NOOP("Action", "Open the guide to a first Read, editing, Save and Write"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "User Guide"),
         .shortcuts = {Key(Qt::Key_F1)},
         .icon = QStyle::SP_DialogHelpButton,
         .menu = MenuId::kHelp,
         .run = &F::UserGuide},
        {.id = ActionId::kReportProblem,
         .text = QT_TRANSLATE_NOOP("Action", "&Report a Problem..."),
         .statusTip = QT_TRANSLATE_NOOP(
             "Action",
             "Gather what is needed to look into a problem into one file to attach; "
             "nothing is sent"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "Report a Problem"),
         .menu = MenuId::kHelp,
         .run = &F::ReportProblem},
        {.id = ActionId::kAbout,
         .text = QT_TRANSLATE_NOOP("Action", "&About ..."),
         .statusTip = QT_TRANSLATE_NOOP(
             "Action", "Display program information, version number and copyright"),
         .toolTip = QT_TRANSLATE_NOOP("Action", "About"),
         .icon = QStyle::SP_MessageBoxInformation,
         .menu = MenuId::kHelp,
         .toolbar = true,
         .toolbarSeparatorBefore = true,
         .run = &F::About},
    };
    return rows;
}

// Each action's row, by its id.
const std::array<const ActionDecl*, static_cast<std::size_t>(ActionId::kCount)>& ById() {
    static const auto byId = [] {
        std::array<const ActionDecl*, static_cast<std::size_t>(ActionId::kCount)> all{};
        for (const ActionDecl& row : Rows()) all[static_cast<std::size_t>(row.id)] = &row;
        return all;
    }();
    return byId;
}

}  // namespace

std::span<const ActionDecl> Actions() {
    return Rows();
}

const ActionDecl& ActionOf(ActionId id) {
    const ActionDecl* row = ById()[static_cast<std::size_t>(id)];
    assert(row && "every action has a row");
    return *row;
}

const char* MenuTitle(MenuId menu) {
    static constexpr const char* kTitles[] = {
        QT_TRANSLATE_NOOP("Action", "&File"),    QT_TRANSLATE_NOOP("Action", "&Edit"),
        QT_TRANSLATE_NOOP("Action", "&Program"), QT_TRANSLATE_NOOP("Action", "&View"),
        QT_TRANSLATE_NOOP("Action", "&Setting"), QT_TRANSLATE_NOOP("Action", "&Help")};
    return kTitles[static_cast<std::size_t>(menu)];
}

std::span<const MenuId> Menus() {
    static constexpr MenuId kMenus[] = {MenuId::kFile, MenuId::kEdit,    MenuId::kProgram,
                                        MenuId::kView, MenuId::kSetting, MenuId::kHelp};
    return kMenus;
}
