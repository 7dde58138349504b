// DialogLauncher: the one way a settings dialog is made: the tab dialog of
// its declaration, with each page's widget chosen by the page's key (a
// generic page of its field table unless the page draws something more),
// and, for the service dialogs, their transfers to and from the radio. A new
// settings dialog needs its declaration in core, its special page widgets if
// any (one row of the page table here), and one row of the action table.
#pragma once

#include <QString>
#include <memory>

#include "form/CTabDialog.h"
#include "form/DialogDecl.h"
#include "link/ProgramTransfer.h"

// What pages and transfers need from outside the image.
struct DialogEnv {
    QString pictureFolder;                  // the side key pictures
    dpmr::LinkSettings link;                // the port of Setting > Port, for the service transfers
    std::vector<std::string> freqRanges{};  // the "Freq range" entries (the squelch band)
};

std::unique_ptr<CTabDialog> MakeSettingsDialog(const dpmr::form::DialogDecl& decl,
                                               dpmr::RadioImage& image, const DialogEnv& env,
                                               QWidget* parent);
