// The fleet dialog's port list: each radio's row, its bar and status line.
#include "fleet/CFleetPortTable.h"

#include <QHeaderView>
#include <QProgressBar>
#include <set>

#include "fleet/FleetPlan.h"
#include "form/DtmfSymbols.h"

CFleetPortTable::CFleetPortTable(QWidget* parent) : QTableWidget(0, 6, parent) {
    setObjectName("fleetPorts");
    setAccessibleName(tr("Radios"));
    setHorizontalHeaderLabels(
        {tr("Port"), tr("Description"), tr("Radio ID"), tr("Name"), tr("Progress"), tr("Status")});
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setSectionResizeMode(kStatusCol, QHeaderView::Stretch);
    setColumnWidth(kPortCol, 150);
    setColumnWidth(kDescriptionCol, 150);
    setColumnWidth(kIdCol, 80);
    setColumnWidth(kNameCol, 90);
    setColumnWidth(kProgressCol, 100);
}

int CFleetPortTable::AppendPort(const PortEntry& entry) {
    const int row = rowCount();
    insertRow(row);
    auto* port = new QTableWidgetItem(entry.devicePath);
    port->setFlags(entry.available ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                   : Qt::ItemIsUserCheckable);
    port->setCheckState(Qt::Unchecked);
    setItem(row, kPortCol, port);
    auto* description = new QTableWidgetItem(entry.label);
    description->setFlags(entry.available ? Qt::ItemIsEnabled : Qt::NoItemFlags);
    setItem(row, kDescriptionCol, description);
    for (int column : {kIdCol, kNameCol}) {
        auto* cell = new QTableWidgetItem;
        cell->setFlags(entry.available
                           ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags);
        setItem(row, column, cell);
    }
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setEnabled(entry.available);
    setCellWidget(row, kProgressCol, bar);
    auto* status = new QTableWidgetItem(entry.available ? QString() : entry.reason);
    status->setFlags(entry.available ? Qt::ItemIsEnabled : Qt::NoItemFlags);
    if (!entry.available) status->setToolTip(entry.reason);
    setItem(row, kStatusCol, status);
    return row;
}

int CFleetPortTable::RowOf(const QString& devicePath) const {
    for (int row = 0; row < rowCount(); ++row)
        if (CellText(row, kPortCol) == devicePath) return row;
    return -1;
}

bool CFleetPortTable::RowUsable(int row) const {
    return (item(row, kPortCol)->flags() & Qt::ItemIsEnabled) != 0;
}

bool CFleetPortTable::RowTicked(int row) const {
    return RowUsable(row) && item(row, kPortCol)->checkState() == Qt::Checked;
}

QString CFleetPortTable::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CFleetPortTable::SetText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setText(text);
}

void CFleetPortTable::SetTicked(int row, bool checked) {
    item(row, kPortCol)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

std::vector<std::string> CFleetPortTable::TickedPorts() const {
    std::vector<std::string> out;
    for (int row = 0; row < rowCount(); ++row)
        if (RowTicked(row)) out.push_back(CellText(row, kPortCol).toStdString());
    return out;
}

void CFleetPortTable::MarkUnplugged(int row) {
    item(row, kPortCol)->setCheckState(Qt::Unchecked);
    item(row, kPortCol)->setFlags(Qt::ItemIsUserCheckable);
    item(row, kStatusCol)->setText(tr("unplugged"));
}

void CFleetPortTable::ResetProgress(int row) {
    static_cast<QProgressBar*>(cellWidget(row, kProgressCol))->setValue(0);
    item(row, kStatusCol)->setText(dpmr::FleetStageText(dpmr::FleetStage::kWaiting));
}

void CFleetPortTable::ShowProgress(int row, const dpmr::FleetProgress& p) {
    auto* bar = static_cast<QProgressBar*>(cellWidget(row, kProgressCol));
    // The bar follows the write; the other stages show in the status line.
    if (p.stage == dpmr::FleetStage::kWriting || p.stage == dpmr::FleetStage::kDone)
        bar->setValue(p.percent);
    QString text = dpmr::FleetStageText(p.stage);
    if (p.stage == dpmr::FleetStage::kReadingRadio || p.stage == dpmr::FleetStage::kWriting ||
        p.stage == dpmr::FleetStage::kVerifying)
        text += QString(" %1%").arg(p.percent);
    item(row, kStatusCol)->setText(text);
}

void CFleetPortTable::ShowResult(int row, const dpmr::FleetRadioResult& r) {
    QTableWidgetItem* status = item(row, kStatusCol);
    const QString text = QString::fromStdString(dpmr::FleetResultText(r));
    status->setText(text);
    status->setToolTip(text);
    if (r.succeeded()) static_cast<QProgressBar*>(cellWidget(row, kProgressCol))->setValue(100);
}

void CFleetPortTable::FillFromPattern(bool keepIdentity, std::optional<long long> from,
                                      long long step, const std::string& pattern,
                                      const std::string& documentId) {
    int number = 0;
    for (int row = 0; row < rowCount(); ++row) {
        QString id, name;
        if (RowTicked(row) && !keepIdentity) {
            ++number;
            std::string radioId = documentId;
            if (from) {
                const long long value = *from + step * (number - 1);
                radioId = value >= 1 && value <= 9999999
                              ? dpmr::PadSevenDigits(std::to_string(value))
                              : std::to_string(value);
            }
            id = QString::fromStdString(radioId);
            std::string expanded;
            if (!pattern.empty() && dpmr::ExpandNamePattern(pattern, number, radioId, expanded))
                name = QString::fromStdString(expanded);
        }
        SetText(row, kIdCol, id);
        SetText(row, kNameCol, name);
    }
}

void CFleetPortTable::PlaceList(const std::vector<dpmr::FleetListRow>& rows,
                                const std::function<void(const std::string& port)>& addPort,
                                std::vector<dpmr::FleetListRow>& waiting) {
    const auto place = [this](int row, const dpmr::FleetListRow& r) {
        SetText(row, kIdCol, QString::fromStdString(r.radioId));
        SetText(row, kNameCol, QString::fromStdString(r.name));
    };
    std::set<int> used;
    std::vector<dpmr::FleetListRow> unplaced;
    for (const dpmr::FleetListRow& r : rows) {
        if (r.port.empty()) {
            unplaced.push_back(r);
            continue;
        }
        int row = RowOf(QString::fromStdString(r.port));
        if (row < 0) {
            addPort(r.port);
            row = RowOf(QString::fromStdString(r.port));
        }
        if (!RowUsable(row) || used.count(row)) {
            waiting.push_back(r);
            continue;
        }
        used.insert(row);
        place(row, r);
    }
    int next = 0;
    for (const dpmr::FleetListRow& r : unplaced) {
        while (next < rowCount() && (!RowUsable(next) || used.count(next))) ++next;
        if (next >= rowCount()) {
            waiting.push_back(r);
            continue;
        }
        used.insert(next);
        place(next, r);
    }
    for (int row = 0; row < rowCount(); ++row) {
        if (!RowUsable(row)) continue;
        SetTicked(row, used.count(row) != 0);
        if (!used.count(row)) {
            SetText(row, kIdCol, {});
            SetText(row, kNameCol, {});
        }
    }
}
