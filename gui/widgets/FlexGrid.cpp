// FlexGrid: titles in the table's headers, centred non-editable cells,
// proportional column widths.
#include "widgets/FlexGrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <numeric>

#include "widgets/Emphasis.h"

namespace {

constexpr double kTwipsPerPixel = 15.0;  // 1440 twips per inch at 96 dpi

QTableWidgetItem* CenteredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    // First: the settings below lay the table out, which places this label.
    corner_ = new QLabel(this);
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 12);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (row >= 0 && col >= 0) emit EnterCell(row + 1, col + 1);
    });
}

void FlexGrid::SetSize(int rows, int cols) {
    setRowCount(std::max(rows - 1, 0));
    setColumnCount(std::max(cols - 1, 0));
    for (int r = 0; r < rowCount(); ++r) {
        setVerticalHeaderItem(r, CenteredItem(QString()));
        for (int c = 0; c < columnCount(); ++c) setItem(r, c, CenteredItem(QString()));
    }
    for (int c = 0; c < columnCount(); ++c) setHorizontalHeaderItem(c, CenteredItem(QString()));
    ApplyColWidths();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (row == 0 && col == 0) {
        corner_->setText(text);
        return;
    }
    QTableWidgetItem* target = nullptr;
    if (row == 0 && col > 0)
        target = horizontalHeaderItem(col - 1);
    else if (col == 0 && row > 0)
        target = verticalHeaderItem(row - 1);
    else if (row > 0 && col > 0)
        target = item(row - 1, col - 1);
    if (target && target->text() != text) target->setText(text);
}

void FlexGrid::SetColumnHelp(int col, const QString& help) {
    QTableWidgetItem* title = horizontalHeaderItem(col - 1);
    if (!title) return;
    title->setToolTip(help);
    title->setWhatsThis(help);
}

void FlexGrid::SetCellMark(int row, int col, const QString& why) {
    QTableWidgetItem* target = item(row - 1, col - 1);
    if (!target) return;
    // Amber with dark text: seen at a glance, readable on any palette.
    target->setData(Qt::BackgroundRole,
                    why.isEmpty() ? QVariant() : QVariant(emphasis::MarkedCellBackground()));
    target->setData(Qt::ForegroundRole,
                    why.isEmpty() ? QVariant() : QVariant(emphasis::MarkedCellText()));
    target->setToolTip(why);
}

bool FlexGrid::HasCellMark(int row, int col) const {
    const QTableWidgetItem* target = item(row - 1, col - 1);
    return target && !target->toolTip().isEmpty();
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (row == 0 && col == 0) return corner_->text();
    const QTableWidgetItem* source = nullptr;
    if (row == 0 && col > 0)
        source = horizontalHeaderItem(col - 1);
    else if (col == 0 && row > 0)
        source = verticalHeaderItem(row - 1);
    else if (row > 0 && col > 0)
        source = item(row - 1, col - 1);
    return source ? source->text() : QString();
}

void FlexGrid::SetCurrentCell(int row, int col) {
    if (row < 1 || col < 1 || row > rowCount() || col > columnCount()) return;
    if (row == Row() && col == Col()) return;
    setCurrentCell(row - 1, col - 1);
}

void FlexGrid::SetColWidths(std::vector<int> widths) {
    widths_ = std::move(widths);
    ApplyColWidths();
}

void FlexGrid::ApplyColWidths() {
    if (widths_.empty()) return;
    const double total = std::accumulate(widths_.begin(), widths_.end(), 0.0);
    int available = width() - 2 * frameWidth();
    if (verticalScrollBar()->isVisible()) available -= verticalScrollBar()->width();
    const double perUnit = std::max(1.0 / kTwipsPerPixel, available / total);
    verticalHeader()->setFixedWidth(static_cast<int>(widths_[0] * perUnit));
    for (int c = 0; c < columnCount() && c + 1 < static_cast<int>(widths_.size()); ++c)
        setColumnWidth(c, static_cast<int>(widths_[static_cast<std::size_t>(c + 1)] * perUnit));
}

QRect FlexGrid::CellRect(int row, int col) const {
    if (row < 1 || col < 1 || row > rowCount() || col > columnCount()) return {};
    return visualRect(model()->index(row - 1, col - 1));
}

std::pair<int, int> FlexGrid::CellAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid()) return {-1, -1};
    return {index.row() + 1, index.column() + 1};
}

void FlexGrid::PlaceOverCell(QWidget* editor, int row, int col) const {
    const QRect cell = CellRect(row, col);
    if (!cell.isValid()) return;
    QRect area = cell;
    const int needed = editor->sizeHint().height();
    if (qobject_cast<QComboBox*>(editor) && needed > area.height()) {
        area.setTop(cell.center().y() - needed / 2);
        area.setHeight(needed);
    }
    editor->setGeometry(area);
}

void FlexGrid::ShowEditor(QWidget* open, const std::vector<QWidget*>& editors, int row,
                          int col) const {
    for (QWidget* editor : editors)
        if (editor != open && editor->isVisible()) editor->hide();
    if (!open) return;
    const QTableWidgetItem* title = horizontalHeaderItem(col - 1);
    const QString name = tr("%1, row %2").arg(TextMatrix(0, col), TextMatrix(row, 0));
    const QString help = title ? title->toolTip() : QString();
    std::vector<QWidget*> parts{open};
    // An editable list's own edit is what has the focus.
    if (auto* box = qobject_cast<QComboBox*>(open); box && box->lineEdit())
        parts.push_back(box->lineEdit());
    for (QWidget* part : parts) {
        part->setAccessibleName(name);
        part->setAccessibleDescription(help);
    }
    PlaceOverCell(open, row, col);
    open->show();
    open->raise();
}

QSize FlexGrid::sizeHint() const {
    const double total = std::accumulate(widths_.begin(), widths_.end(), 0.0);
    const int w = static_cast<int>(total / kTwipsPerPixel) + 2 * frameWidth() + 4;
    const int h = horizontalHeader()->sizeHint().height() +
                  verticalHeader()->defaultSectionSize() * rowCount() + 2 * frameWidth() + 2;
    return {w, h};
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    const auto [row, col] = CellAt(event->position().toPoint());
    if (row > 0) emit MouseDown(row, col, event->button());
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    ApplyColWidths();
}

void FlexGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    // Where the table puts its corner: left of the titles, above the numbers.
    corner_->setGeometry(verticalHeader()->x(), horizontalHeader()->y(), verticalHeader()->width(),
                         horizontalHeader()->height());
    corner_->raise();
}
