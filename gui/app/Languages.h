// Languages: the languages the desktop program speaks, which one a start
// uses (the user's choice in Setting > Language, else the desktop's), and
// putting it in place: the program's translation, Qt's own (file dialogs,
// message-box buttons) from qt6-translations-l10n, and core's messages.
#pragma once

#include <QString>
#include <span>
#include <string>

struct Language {
    const char* code;  // "de"; "en" is the source texts
    const char* name;  // in its own language: the menu shows it so ("Deutsch")
};

// English first, then the translations in menu order.
std::span<const Language> Languages();

// The language a start uses: `setting` ([Setup] "Language") when it names one
// of Languages(); else the first of the desktop's languages (`uiLanguages`,
// "de-DE", "fr", ... as QLocale gives them) that the program has; else English.
QString StartLanguage(const std::string& setting, const QStringList& uiLanguages);

// Whether `setting` names none of the languages (and is not empty): a start
// then says so on stderr and follows the desktop.
bool UnknownLanguageSetting(const std::string& setting);

// Installs the translations of `code` into the application (nothing for
// English): false when the program's own could not be loaded.
bool InstallLanguage(const QString& code);
