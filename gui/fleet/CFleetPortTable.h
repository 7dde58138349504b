// CFleetPortTable: the fleet dialog's list of ports, one row a radio: the
// port with its check box (disabled with the reason when it cannot be
// opened), its description, the radio ID and name it gets, a progress bar
// and a status line.
#pragma once

#include <QTableWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fleet/FleetList.h"
#include "fleet/FleetWrite.h"
#include "link/PortEntry.h"

class CFleetPortTable : public QTableWidget {
    Q_OBJECT
  public:
    enum Column { kPortCol, kDescriptionCol, kIdCol, kNameCol, kProgressCol, kStatusCol };

    explicit CFleetPortTable(QWidget* parent = nullptr);

    // Appends the port's row, unticked, with empty ID and name; returns it.
    int AppendPort(const PortEntry& entry);
    int RowOf(const QString& devicePath) const;
    bool RowUsable(int row) const;
    bool RowTicked(int row) const;
    QString CellText(int row, int column) const;
    void SetText(int row, int column, const QString& text);
    void SetTicked(int row, bool checked);
    // The ports ticked now, in the list's order.
    std::vector<std::string> TickedPorts() const;
    // An unplugged port's row kept for its results: unticked, disabled.
    void MarkUnplugged(int row);
    // The row's bar at zero and its status "waiting" before a run.
    void ResetProgress(int row);
    void ShowProgress(int row, const dpmr::FleetProgress& progress);
    void ShowResult(int row, const dpmr::FleetRadioResult& result);
    // The ID and Name columns of the ticked rows from the first ID (none:
    // the document's ID), the step and the name pattern; `keepIdentity`
    // empties them (each radio keeps its own).
    void FillFromPattern(bool keepIdentity, std::optional<long long> from, long long step,
                         const std::string& pattern, const std::string& documentId);
    // Puts an imported list's rows on the ports: a row naming its port on
    // that port (listed first through `addPort` when missing), the others on
    // the free rows in order. Ticks the rows that got one and empties the
    // others; the list's rows left without a port go to `waiting`.
    void PlaceList(const std::vector<dpmr::FleetListRow>& rows,
                   const std::function<void(const std::string& port)>& addPort,
                   std::vector<dpmr::FleetListRow>& waiting);
};
