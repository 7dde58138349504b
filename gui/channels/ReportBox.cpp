// ReportBox: a summary with its list of remarks.
#include "channels/ReportBox.h"

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

namespace {

constexpr int kShownLines = 12;

}  // namespace

void ShowReport(QWidget* parent, QMessageBox::Icon icon, const QString& summary,
                const std::vector<std::string>& lines) {
    QStringList all;
    for (const std::string& line : lines) all << QString::fromStdString(line);
    QMessageBox box(icon, parent->window()->windowTitle(), summary, QMessageBox::Ok, parent);
    box.setObjectName("reportBox");
    if (all.size() <= kShownLines) {
        box.setInformativeText(all.join('\n'));
    } else {
        box.setInformativeText(all.mid(0, kShownLines).join('\n') +
                               QCoreApplication::translate("ReportBox", "\n... and %1 more")
                                   .arg(all.size() - kShownLines));
        box.setDetailedText(all.join('\n'));
    }
    box.exec();
}
