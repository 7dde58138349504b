// Text between the core (std::string holding UTF-8) and Qt (QString).
#pragma once

#include <QString>
#include <string>

inline QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toStdString();
}
