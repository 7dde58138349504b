// The settings dialogs built from their declarations: the page widgets by
// page key, the service transfers by dialog.
#include "form/DialogLauncher.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <string_view>

#include "dpmr/CContactPage.h"
#include "dpmr/CDpmrBasicPage.h"
#include "dpmr/CGroupRxListPage.h"
#include "link/ServiceTransfers.h"
#include "link/TransferTrace.h"
#include "service/AdjustParamDialog.h"
#include "service/CAdjustTxPage.h"
#include "service/CSqlCalibrationPage.h"
#include "service/ServiceTransfer.h"
#include "service/SqlCalibrationDialog.h"
#include "settings/CDtmfContactPage.h"
#include "settings/CDtmfEncodePage.h"
#include "settings/CSideKeyPage.h"

namespace {

using dpmr::form::FieldPage;
using dpmr::form::FormPage;

FieldPage& Fields(FormPage& page) {
    return static_cast<FieldPage&>(page);
}

// The pages that draw more than their field table, by page key.
struct PageWidgetDecl {
    std::string_view key;
    CPageWidget* (*make)(FormPage& page, const DialogEnv& env);
};

const PageWidgetDecl kPageWidgets[] = {
    {"sidekey",
     [](FormPage& p, const DialogEnv& env) -> CPageWidget* {
         return new CSideKeyPage(Fields(p), env.pictureFolder);
     }},
    {"dtmfencode",
     [](FormPage& p, const DialogEnv&) -> CPageWidget* { return new CDtmfEncodePage(Fields(p)); }},
    {"dtmfcontact",
     [](FormPage& p, const DialogEnv&) -> CPageWidget* { return new CDtmfContactPage(Fields(p)); }},
    {"dpmr",
     [](FormPage& p, const DialogEnv&) -> CPageWidget* { return new CDpmrBasicPage(Fields(p)); }},
    {"contact",
     [](FormPage& p, const DialogEnv&) -> CPageWidget* {
         return new CContactPage(static_cast<dpmr::ContactPagePresenter&>(p));
     }},
    {"grouplist",
     [](FormPage& p, const DialogEnv&) -> CPageWidget* {
         return new CGroupRxListPage(static_cast<dpmr::GroupRxListPresenter&>(p));
     }},
    {"adjusttx",
     [](FormPage& p, const DialogEnv&) -> CPageWidget* { return new CAdjustTxPage(Fields(p)); }},
    {"sql",
     [](FormPage& p, const DialogEnv&) -> CPageWidget* {
         return new CSqlCalibrationPage(static_cast<dpmr::SqlCalibrationPage&>(p));
     }},
};

// The service dialogs' transfers: what moves their values to and from the
// radio, and what the wait dialog says meanwhile.
struct ServiceDialogDecl {
    const dpmr::form::DialogDecl& (*dialog)();
    const char* readBusy;
    const char* writeBusy;
    const char* readTip;  // the menu bar's status tips, where there is one
    const char* writeTip;
    dpmr::TransferResult (*read)(const dpmr::LinkSettings&, dpmr::RadioImage&);
    dpmr::TransferResult (*write)(const dpmr::LinkSettings&, const dpmr::RadioImage&);
    bool escapeCloses;
    const char* traceName;  // the transfers' wire traces: "read-" or "write-" and this
};

const ServiceDialogDecl kServiceDialogs[] = {
    {&dpmr::SqlCalibrationDialogDecl,
     QT_TRANSLATE_NOOP("ServiceDialog", "Reading the squelch calibration from the radio..."),
     QT_TRANSLATE_NOOP("ServiceDialog", "Writing the squelch calibration to the radio..."), nullptr,
     nullptr, &dpmr::ReadSquelch, &dpmr::WriteSquelch, false, "squelch"},
    {&dpmr::AdjustParamDialogDecl,
     QT_TRANSLATE_NOOP("ServiceDialog", "Reading the adjustment values from the radio..."),
     QT_TRANSLATE_NOOP("ServiceDialog", "Writing the adjustment values to the radio..."),
     QT_TRANSLATE_NOOP("ServiceDialog", "Read the adjustment values from the radio"),
     QT_TRANSLATE_NOOP("ServiceDialog", "Write the adjustment values to the radio"),
     &dpmr::ReadAdjustment, &dpmr::WriteAdjustment, true, "adjust"},
};

// "Read" and "Write" of a service dialog: the page's own buttons when it has
// them, else a menu bar with the two.
void AddServiceTransfers(CTabDialog& dialog, const ServiceDialogDecl& service,
                         const dpmr::LinkSettings& link, dpmr::RadioImage& image) {
    const auto read = [&dialog, &image, service, link] {
        const dpmr::TransferResult result = RunServiceTransfer(
            &dialog, QCoreApplication::translate("ServiceDialog", service.readBusy), link.portName,
            image, [service, link](dpmr::RadioImage& copy) {
                return dpmr::RunTraced(
                    std::string("read-") + service.traceName, link,
                    [&](const dpmr::LinkSettings& l) { return service.read(l, copy); });
            });
        if (!result.succeeded()) return;
        // What the radio sent is the user's change: the dialog keeps it at close.
        dialog.Presenter().MarkChanged();
        dialog.ReloadPages();
    };
    const auto write = [&dialog, &image, service, link] {
        // The values sent are stored, and stay stored when the dialog closes.
        dialog.Presenter().MarkChanged();
        dialog.StorePages();
        RunServiceTransfer(&dialog, QCoreApplication::translate("ServiceDialog", service.writeBusy),
                           link.portName, image, [service, link](dpmr::RadioImage& copy) {
                               return dpmr::RunTraced(std::string("write-") + service.traceName,
                                                      link, [&](const dpmr::LinkSettings& l) {
                                                          return service.write(l, copy);
                                                      });
                           });
    };
    auto [readButton, writeButton] = dialog.PageWidget(0)->TransferButtons();
    if (readButton && writeButton) {
        QObject::connect(readButton, &QAbstractButton::clicked, &dialog, read);
        QObject::connect(writeButton, &QAbstractButton::clicked, &dialog, write);
        return;
    }
    auto* menu = new QMenuBar(&dialog);
    const auto tip = [](const char* text) {
        return text ? QCoreApplication::translate("ServiceDialog", text) : QString();
    };
    QAction* readAction = menu->addAction(QCoreApplication::translate("ServiceDialog", "&Read"));
    readAction->setStatusTip(tip(service.readTip));
    QAction* writeAction = menu->addAction(QCoreApplication::translate("ServiceDialog", "&Write"));
    writeAction->setStatusTip(tip(service.writeTip));
    dialog.layout()->setMenuBar(menu);
    QObject::connect(readAction, &QAction::triggered, &dialog, read);
    QObject::connect(writeAction, &QAction::triggered, &dialog, write);
}

}  // namespace

std::unique_ptr<CTabDialog> MakeSettingsDialog(const dpmr::form::DialogDecl& decl,
                                               dpmr::RadioImage& image, const DialogEnv& env,
                                               QWidget* parent) {
    auto dialog = std::make_unique<CTabDialog>(
        decl, image, parent,
        [&env](FormPage& page) -> CPageWidget* {
            for (const PageWidgetDecl& w : kPageWidgets)
                if (w.key == page.Key()) return w.make(page, env);
            return nullptr;
        },
        dpmr::form::PageContext{env.freqRanges});
    for (const ServiceDialogDecl& service : kServiceDialogs) {
        if (&service.dialog() != &decl) continue;
        AddServiceTransfers(*dialog, service, env.link, image);
        dialog->SetEscapeCloses(service.escapeCloses);
    }
    return dialog;
}
