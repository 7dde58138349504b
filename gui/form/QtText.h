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

// A text of the core's declarations (a field's label, help or list item, a
// dialog's or page's caption, a column's title) in the user's language. The
// declarations mark their texts with the context "Field".
inline QString FieldText(const std::string& text) {
    return text.empty() ? QString() : QCoreApplication::translate("Field", text.c_str());
}
