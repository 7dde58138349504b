// The fleet dialog's summary of each radio's result.
#include "fleet/CFleetSummaryTable.h"

#include <QHeaderView>

CFleetSummaryTable::CFleetSummaryTable(QWidget* parent) : QTableWidget(0, 6, parent) {
    setObjectName("fleetSummary");
    setAccessibleName(tr("Results"));
    setHorizontalHeaderLabels(
        {tr("Port"), tr("Radio ID"), tr("Name"), tr("Result"), tr("Verify"), tr("Seconds")});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);  // the result
    hide();
}

void CFleetSummaryTable::ShowResults(const std::vector<dpmr::FleetRadioResult>& results) {
    setRowCount(static_cast<int>(results.size()));
    for (int i = 0; i < static_cast<int>(results.size()); ++i) {
        const dpmr::FleetRadioResult& r = results[static_cast<std::size_t>(i)];
        const QString cells[] = {QString::fromStdString(r.target.port),
                                 QString::fromStdString(r.radioId),
                                 QString::fromStdString(r.name),
                                 QString::fromStdString(dpmr::FleetResultText(r)),
                                 QCoreApplication::translate("fleet", r.verify.c_str()),
                                 QString::number(r.seconds, 'f', 1)};
        for (int c = 0; c < 6; ++c) {
            auto* cell = new QTableWidgetItem(cells[c]);
            cell->setToolTip(cells[c]);
            setItem(i, c, cell);
        }
    }
    resizeColumnsToContents();
    show();
}
