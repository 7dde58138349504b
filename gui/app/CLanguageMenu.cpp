// CLanguageMenu: the languages as checkable entries; a choice is saved and
// takes effect at the next start, which the status bar (and a box) says.
#include "app/CLanguageMenu.h"

#include <QActionGroup>
#include <QLocale>
#include <QMessageBox>

#include "app/AppContext.h"
#include "app/Languages.h"

CLanguageMenu::CLanguageMenu(AppContext& context, QWidget* parent)
    : QMenu(tr("&Language"), parent), context_(context) {
    setObjectName("menuLanguage");
    group_ = new QActionGroup(this);
    const auto add = [this](const QString& text, const QString& code) {
        QAction* a = addAction(text);
        a->setObjectName("language." + (code.isEmpty() ? QString("desktop") : code));
        a->setCheckable(true);
        a->setChecked(QString::fromStdString(context_.settings.language) == code);
        group_->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { Choose(code); });
    };
    add(tr("The &Desktop's Language"), {});
    addSeparator();
    // Each language by its own name, whatever the window speaks; its first
    // letters as the mnemonic would clash (Deutsch, Desktop), so none.
    for (const Language& l : Languages()) add(QString(l.name).replace('&', "&&"), l.code);
    if (!group_->checkedAction()) group_->actions().constFirst()->setChecked(true);
}

void CLanguageMenu::Choose(const QString& code) {
    context_.settings.language = code.toStdString();
    if (!dpmr::SaveLanguage(context_.settings)) {
        QMessageBox::warning(parentWidget(), tr("Language"),
                             tr("The choice of language could not be kept in %1.")
                                 .arg(QString::fromStdString(context_.settings.portSettingsPath)));
        return;
    }
    if (StartLanguage(context_.settings.language, QLocale::system().uiLanguages()) !=
        context_.language)
        QMessageBox::information(parentWidget(), tr("Language"),
                                 tr("The language changes the next time dpmrcps starts."));
}
