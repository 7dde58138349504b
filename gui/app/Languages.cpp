// Languages: the table of languages and the translators of one of them.
#include "app/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include "app/Resources.h"
#include "util/Translation.h"

namespace {

constexpr Language kLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"},    {"fr", "Français"}, {"it", "Italiano"},
    {"es", "Español"}, {"nl", "Nederlands"}, {"pl", "Polski"},
};

bool Known(const QString& code) {
    for (const Language& l : kLanguages)
        if (code == QLatin1String(l.code)) return true;
    return false;
}

// Core messages through the same translation as the window's texts.
std::string TranslateCore(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

bool UnknownLanguageSetting(const std::string& setting) {
    return !setting.empty() && !Known(QString::fromStdString(setting));
}

QString StartLanguage(const std::string& setting, const QStringList& uiLanguages) {
    const QString chosen = QString::fromStdString(setting);
    if (Known(chosen)) return chosen;
    for (const QString& ui : uiLanguages) {
        // "de-DE", "de_AT", "nl": the language before any country.
        const QString code = ui.section('-', 0, 0).section('_', 0, 0).toLower();
        if (Known(code)) return code;
    }
    return "en";
}

bool InstallLanguage(const QString& code) {
    if (code == "en" || !Known(code)) return code == "en";
    InitResources();
    // The translators live as long as the application.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(":/i18n/dpmrcps_" + code + ".qm")) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    dpmr::InstallTranslator(&TranslateCore);
    return true;
}
