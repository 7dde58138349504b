// Text between the core (std::string holding UTF-8) and Qt (QString).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

inline QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

// A text of the core's declarations (a label, a help, a list entry, a
// caption) in the window's language: they are translated in the context
// "Field" (see i18n/DeclarationTexts.cpp).
inline QString FieldText(const std::string& text) {
    if (text.empty()) return {};
    return QCoreApplication::translate("Field", text.c_str());
}
