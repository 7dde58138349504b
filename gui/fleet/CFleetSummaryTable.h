// CFleetSummaryTable: the fleet dialog's summary, one row a radio of the job
// with its port, ID, name, result, verify and seconds. Hidden until the
// first run.
#pragma once

#include <QTableWidget>
#include <vector>

#include "fleet/FleetWrite.h"

class CFleetSummaryTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit CFleetSummaryTable(QWidget* parent = nullptr);

    // Shows the job's results (and the table).
    void ShowResults(const std::vector<dpmr::FleetRadioResult>& results);
};
