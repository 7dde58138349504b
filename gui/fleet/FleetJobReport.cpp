// The fleet job's report: the CSV file and the printed page.
#include "fleet/FleetJobReport.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTextDocument>

#include "util/FileIo.h"

bool SaveFleetJobReport(const dpmr::FleetJob& job, const QString& path, QString& error) {
    const std::string text = dpmr::FleetJobCsv(job);
    const dpmr::Status s = dpmr::WriteFileAtomically(
        path.toStdString(), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (!s) error = QString::fromStdString(s.message());
    return s.ok();
}

QString FleetJobReportHtml(const dpmr::FleetJob& job) {
    const auto e = [](const std::string& text) {
        return QString::fromStdString(text).toHtmlEscaped();
    };
    const QString file =
        job.templateFile.empty()
            ? QCoreApplication::translate("FleetJobReport", "(not saved)").toHtmlEscaped()
            : e(job.templateFile);
    QString html = QString("<h2>%1</h2><p>%2<br>%3<br>%4</p>")
                       .arg(QCoreApplication::translate("FleetJobReport", "Fleet job"),
                            QCoreApplication::translate("FleetJobReport", "Date: %1")
                                .arg(e(dpmr::LocalTimeText(job.date))),
                            QCoreApplication::translate("FleetJobReport", "Template: %1").arg(file),
                            QCoreApplication::translate("FleetJobReport", "Template CRC-32: %1")
                                .arg(e(job.templateChecksum)));
    html += "<table border='1' cellspacing='0' cellpadding='3'><tr>";
    const std::vector<std::string>& columns = dpmr::FleetJobColumns();
    for (std::size_t c = 3; c < columns.size(); ++c) html += "<th>" + e(columns[c]) + "</th>";
    html += "</tr>";
    for (const auto& row : dpmr::FleetJobRows(job)) {
        html += "<tr>";
        for (std::size_t c = 3; c < row.size(); ++c) html += "<td>" + e(row[c]) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

void PrintFleetJobReport(const dpmr::FleetJob& job, QPrinter* printer) {
    if (!printer) return;
    QTextDocument page;
    page.setHtml(FleetJobReportHtml(job));
    page.print(printer);
}
