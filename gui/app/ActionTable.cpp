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
         .text = "&New",
         .statusTip = "Create a new document",
         .toolTip = "New",
         .shortcuts = {Key::New},
         .icon = QStyle::SP_FileIcon,
         .menu = MenuId::kFile,
         .toolbar = true,
         .run = &C::New},
        {.id = ActionId::kOpen,
         .text = "&Open...",
         .statusTip = "Open an existing document",
         .toolTip = "Open",
         .shortcuts = {Key::Open},
         .icon = QStyle::SP_DialogOpenButton,
         .menu = MenuId::kFile,
         .toolbar = true,
         .run = &C::Open},
        {.id = ActionId::kOpenBackup,
         .text = "Open &Backup...",
         .statusTip = "Open a copy kept by an earlier Read or Write",
         .toolTip = "Open Backup",
         .menu = MenuId::kFile,
         .run = &C::OpenBackup},
        {.id = ActionId::kSave,
         .text = "&Save",
         .statusTip = "Save the active document",
         .toolTip = "Save",
         .shortcuts = {Key::Save},
         .icon = QStyle::SP_DialogSaveButton,
         .menu = MenuId::kFile,
         .toolbar = true,
         .run = &C::Save},
        {.id = ActionId::kSaveAs,
         .text = "Save &As...",
         .statusTip = "Save the active document with a new name",
         .toolTip = "Save As",
         .shortcuts = {Key("Ctrl+Shift+S")},
         .menu = MenuId::kFile,
         .run = &C::SaveAs,
         .recentFilesAfter = true},
        {.id = ActionId::kExportCodeplug,
         .text = "Expor&t...",
         .statusTip = "Write the whole configuration to a readable YAML file",
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &C::ExportCodeplug},
        {.id = ActionId::kImportCodeplug,
         .text = "I&mport...",
         .statusTip = "Open a YAML file written by Export as a new document",
         .menu = MenuId::kFile,
         .run = &C::ImportCodeplug},
        {.id = ActionId::kExportCsv,
         .text = "Export &Channels as CSV...",
         .statusTip = "Write the channels to a CSV file in CHIRP's format",
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &C::ExportCsv},
        {.id = ActionId::kImportCsv,
         .text = "Import C&hannels from CSV...",
         .statusTip = "Set channels from a CSV file in CHIRP's format",
         .menu = MenuId::kFile,
         .run = &C::ImportCsv},
        {.id = ActionId::kPrint,
         .text = "&Print...",
         .statusTip = "Print the active document",
         .toolTip = "Print",
         .shortcuts = {Key::Print},
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &C::Print},
        {.id = ActionId::kPrintPreview,
         .text = "Print Pre&view",
         .statusTip = "Display full pages",
         .toolTip = "Print Preview",
         .menu = MenuId::kFile,
         .run = &C::PrintPreview},
        {.id = ActionId::kPrintSetup,
         .text = "P&rint Setup...",
         .statusTip = "Change the printer and printing options",
         .toolTip = "Print Setup",
         .menu = MenuId::kFile,
         .run = &C::PrintSetup},
        {.id = ActionId::kExit,
         .text = "E&xit",
         .statusTip = "Quit the application; prompts to save documents",
         .toolTip = "Exit",
         .menu = MenuId::kFile,
         .separatorBefore = true,
         .run = &F::Exit},
        // Edit
        {.id = ActionId::kUndo,
         .text = "&Undo",
         .statusTip = "Take back the last change",
         .shortcuts = {Key::Undo},
         .icon = QStyle::SP_ArrowBack,
         .menu = MenuId::kEdit,
         .enabled = EnabledWhen::kCanUndo,
         .run = &C::Undo},
        {.id = ActionId::kRedo,
         .text = "&Redo",
         .statusTip = "Make the change taken back last again",
         .shortcuts = {Key("Ctrl+Shift+Z"), Key("Ctrl+Y")},
         .icon = QStyle::SP_ArrowForward,
         .menu = MenuId::kEdit,
         .enabled = EnabledWhen::kCanRedo,
         .run = &C::Redo},
        {.id = ActionId::kCopy,
         .text = "&Copy",
         .statusTip = "Copy the selected channels",
         .toolTip = "Copy",
         .shortcuts = {Key::Copy},
         .menu = MenuId::kEdit,
         .separatorBefore = true,
         .run = &C::Copy},
        {.id = ActionId::kPaste,
         .text = "&Paste",
         .statusTip = "Paste channels from the current row down",
         .toolTip = "Paste",
         .shortcuts = {Key::Paste},
         .menu = MenuId::kEdit,
         .run = &C::Paste},
        {.id = ActionId::kApplyToSelection,
         .text = "Appl&y to Selected Channels",
         .statusTip = "Set the current cell's tone, power, scan, bandwidth or channel type for "
                      "every selected channel",
         .toolTip = "Apply to Selected Channels",
         .shortcuts = {Key("Ctrl+D")},
         .menu = MenuId::kEdit,
         .run = &C::ApplyToSelection},
        {.id = ActionId::kFillChannels,
         .text = "&Fill Channels...",
         .statusTip = "Fill the selected channels, or all 16, with the PMR446 or dPMR446 "
                      "channels",
         .toolTip = "Fill Channels",
         .menu = MenuId::kEdit,
         .run = &C::FillChannels},
        {.id = ActionId::kScanInfo,
         .text = "&Scan Info",
         .statusTip = "Edit the scan settings",
         .shortcuts = {Key("Ctrl+1")},
         .menu = MenuId::kEdit,
         .separatorBefore = true,
         .run = &dpmr::ScanInfoDialogDecl},
        {.id = ActionId::kBasicSetting,
         .text = "&Basic setting",
         .statusTip = "Edit the basic settings",
         .shortcuts = {Key("Ctrl+2")},
         .menu = MenuId::kEdit,
         .run = &dpmr::BasicSettingDialogDecl},
        {.id = ActionId::kAlarm,
         .text = "&Alarm",
         .statusTip = "Edit the alarm settings",
         .shortcuts = {Key("Ctrl+3")},
         .menu = MenuId::kEdit,
         .run = &dpmr::AlarmDialogDecl},
        {.id = ActionId::kDtmf,
         .text = "&DTMF",
         .statusTip = "Edit the DTMF settings",
         .shortcuts = {Key("Ctrl+4")},
         .menu = MenuId::kEdit,
         .run = &dpmr::DtmfDialogDecl},
        {.id = ActionId::kDpmr,
         .text = "dP&MR",
         .statusTip = "Edit the dPMR parameters",
         .shortcuts = {Key("Ctrl+5")},
         .menu = MenuId::kEdit,
         .run = &dpmr::DpmrParamDialogDecl},
        // Program
        {.id = ActionId::kRead,
         .text = "&Read",
         .statusTip = "Read Data From Radio",
         .toolTip = "Read",
         .shortcuts = {Key("Ctrl+R")},
         .icon = QStyle::SP_ArrowUp,
         .menu = MenuId::kProgram,
         .toolbar = true,
         .toolbarSeparatorBefore = true,
         .run = &R::Read},
        {.id = ActionId::kWrite,
         .text = "&Write",
         .statusTip = "Write Data to Radio ",
         .toolTip = "Write",
         .shortcuts = {Key("Ctrl+W")},
         .icon = QStyle::SP_ArrowDown,
         .menu = MenuId::kProgram,
         .toolbar = true,
         .run = &R::Write},
        {.id = ActionId::kFleetWrite,
         .text = "Write to &Several Radios...",
         .statusTip = "Write this configuration to several radios at once, each with its own ID",
         .toolTip = "Write to Several Radios",
         .menu = MenuId::kProgram,
         .run = &R::FleetWrite},
        // View
        {.id = ActionId::kToolbar,
         .text = "&Toolbar",
         .statusTip = "Show or hide the toolbar",
         .toolTip = "Toggle ToolBar",
         .menu = MenuId::kView,
         .checkable = true,
         .run = &F::ShowToolBar},
        {.id = ActionId::kStatusBar,
         .text = "&Status Bar",
         .statusTip = "Show or hide the status bar",
         .toolTip = "Toggle StatusBar",
         .menu = MenuId::kView,
         .checkable = true,
         .run = &F::ShowStatusBar},
        // Setting
        {.id = ActionId::kPort,
         .text = "&Port",
         .statusTip = "Choose the serial port of the radio",
         .toolTip = "Port",
         .menu = MenuId::kSetting,
         .run = &R::PortSetting,
         .languagesAfter = true},
        // Help
        {.id = ActionId::kUserGuide,
         .text = "&User Guide",
         .statusTip = "Open the guide to a first Read, editing, Save and Write",
         .toolTip = "User Guide",
         .shortcuts = {Key(Qt::Key_F1)},
         .icon = QStyle::SP_DialogHelpButton,
         .menu = MenuId::kHelp,
         .run = &F::UserGuide},
        {.id = ActionId::kReportProblem,
         .text = "&Report a Problem...",
         .statusTip = "Gather what is needed to look into a problem into one file to attach; "
                      "nothing is sent",
         .toolTip = "Report a Problem",
         .menu = MenuId::kHelp,
         .run = &F::ReportProblem},
        {.id = ActionId::kAbout,
         .text = "&About ...",
         .statusTip = "Display program information, version number and copyright",
         .toolTip = "About",
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
    static constexpr const char* kTitles[] = {"&File", "&Edit",    "&Program",
                                              "&View", "&Setting", "&Help"};
    return kTitles[static_cast<std::size_t>(menu)];
}

std::span<const MenuId> Menus() {
    static constexpr MenuId kMenus[] = {MenuId::kFile, MenuId::kEdit,    MenuId::kProgram,
                                        MenuId::kView, MenuId::kSetting, MenuId::kHelp};
    return kMenus;
}
