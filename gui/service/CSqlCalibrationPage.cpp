// The squelch calibration page's widgets.
#include "service/CSqlCalibrationPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "form/QtText.h"
#include "widgets/FlexGrid.h"
#include "widgets/GridKeys.h"
#include "widgets/SpinEdit.h"

namespace {

constexpr int kFreqCol = 1;
constexpr int kSqlCol = 2;
const QColor kCurrentCellColor(255, 0, 0);  // the old grid's colour 255

}  // namespace

CSqlCalibrationPage::CSqlCalibrationPage(dpmr::SqlCalibrationPage& page, QWidget* parent)
    : CPageWidget(parent), page_(page), binder_(page, this) {
    const int rows = page_.RowCount();
    grid_ = new FlexGrid(this);
    grid_->setObjectName("sqlGrid");
    grid_->SetSize(rows + 1, 3);
    grid_->SetColWidths({1000, 1000, 1000});
    // No selection highlight: the current cell shows in red.
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->SetTextMatrix(0, kFreqCol, tr("Freq"));
    grid_->SetTextMatrix(0, kSqlCol, tr("Sql"));
    grid_->SetColumnHelp(kFreqCol,
                         tr("The frequency of the band, in MHz, that the row calibrates."));
    if (rows > 0)
        grid_->SetColumnHelp(kSqlCol, FieldText(page_.Field(dpmr::SquelchRowField(1)).help));
    grid_->setAccessibleName(tr("Squelch calibration points"));
    for (int r = 1; r <= rows; ++r) {
        grid_->SetTextMatrix(r, 0, QString::number(r));
        grid_->SetTextMatrix(r, kFreqCol, QString::number(page_.RowMhz(r)));
    }
    grid_->setMinimumHeight(grid_->sizeHint().height());
    grid_->installEventFilter(this);

    note_ = new QLabel(ToQt(page_.RowsNote()), this);
    note_->setObjectName("sqlRowsNote");
    note_->setWordWrap(true);
    note_->setVisible(!note_->text().isEmpty());

    auto* left = new QVBoxLayout;
    left->addWidget(grid_);
    left->addWidget(note_);
    left->addStretch();

    auto* form = new QFormLayout;
    for (std::size_t t = 0; t < dpmr::kThresholdCount; ++t) {
        auto* spin = new SpinEdit(this);
        spin->setObjectName(ToQt("sql." + page_.Field(t).key));
        spin->setMinimumWidth(80);
        auto* label = new QLabel(FieldText(page_.Field(t).label), this);
        label->setBuddy(spin);
        form->addRow(label, spin);
        thresholds_.push_back(spin);
        binder_.Bind(t, spin);
    }
    read_ = new QPushButton(tr("Read"), this);
    write_ = new QPushButton(tr("Write"), this);
    // Neither is the dialog's default: Enter clicks a button only when it has
    // the focus (below).
    for (QPushButton* button : {read_, write_}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(read_);
    buttons->addWidget(write_);
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addStretch();
    right->addLayout(buttons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);

    // One editor per row, kept hidden over the grid until its cell is
    // clicked; leaving it commits the value into the cell.
    for (int r = 1; r <= rows; ++r) {
        auto* editor = new SpinEdit(grid_->viewport());
        editor->setObjectName(QString("sqlCellEditor%1").arg(r));
        editor->hide();
        editor->installEventFilter(this);
        editors_.push_back(editor);
        binder_.Bind(dpmr::SquelchRowField(r), editor);
    }
    binder_.onChanged = [this](std::size_t field) {
        const int row = RowOfField(field);
        if (row == 0) return;
        ShowCell(row);
        SpinEdit* editor = CellEditor(row);
        if (editor->isVisible() && !editor->hasFocus()) editor->hide();
    };
    connect(grid_, &FlexGrid::MouseDown, this, [this](int row, int col, Qt::MouseButton button) {
        if (button == Qt::LeftButton && col == kSqlCol) OpenEditor(row);
    });
    connect(grid_, &FlexGrid::EnterCell, this, &CSqlCalibrationPage::MarkCurrentCell);
    Refresh();
}

SpinEdit* CSqlCalibrationPage::CellEditor(int row) const {
    return editors_[static_cast<std::size_t>(row - 1)];
}

int CSqlCalibrationPage::EditorRow(const QObject* object) const {
    for (std::size_t k = 0; k < editors_.size(); ++k)
        if (editors_[k] == object) return static_cast<int>(k) + 1;
    return 0;
}

int CSqlCalibrationPage::RowOfField(std::size_t field) const {
    if (field < dpmr::kThresholdCount) return 0;
    return static_cast<int>(field - dpmr::kThresholdCount) + 1;
}

void CSqlCalibrationPage::ShowCell(int row) {
    grid_->SetTextMatrix(row, kSqlCol, ToQt(page_.CellText(row)));
}

void CSqlCalibrationPage::Refresh() {
    binder_.Refresh();
    for (int r = 1; r <= page_.RowCount(); ++r) ShowCell(r);
}

void CSqlCalibrationPage::OpenEditor(int row) {
    if (row < 1 || row > page_.RowCount()) return;
    SpinEdit* editor = CellEditor(row);
    textAtOpen_ = page_.CellText(row);
    editor->setGeometry(grid_->CellRect(row, kSqlCol));
    editor->show();
    editor->setFocus(Qt::MouseFocusReason);
    editor->selectAll();
}

void CSqlCalibrationPage::MarkCurrentCell(int row, int col) {
    // The colour marks the current cell; the cell left gets its own back.
    if (QTableWidgetItem* old = grid_->item(markedRow_ - 1, markedCol_ - 1))
        old->setData(Qt::ForegroundRole, QVariant());
    if (QTableWidgetItem* now = grid_->item(row - 1, col - 1))
        now->setForeground(kCurrentCellColor);
    markedRow_ = row;
    markedCol_ = col;
}

bool CSqlCalibrationPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return CPageWidget::eventFilter(watched, event);
    const auto& keyEvent = *static_cast<QKeyEvent*>(event);
    const int key = keyEvent.key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == grid_) {
        // Enter and F2 open the current "Sql" cell (Enter never closes the
        // dialog), a digit opens it with that digit; Delete empties it.
        const grid_keys::Action action = grid_keys::OnGrid(keyEvent);
        if (action != grid_keys::Action::kNone && grid_->Col() == kSqlCol) {
            const int row = grid_->Row();
            if (action == grid_keys::Action::kTypeInto &&
                !page_.Accepts(dpmr::SquelchRowField(row), grid_keys::Typed(keyEvent)))
                return true;
            OpenEditor(row);
            if (action == grid_keys::Action::kTypeInto)
                grid_keys::SendTo(CellEditor(row), keyEvent);
            return true;
        }
        if (enter) return true;
        if (key == Qt::Key_Delete && grid_->Col() == kSqlCol) {
            page_.ClearCell(grid_->Row());
            ShowCell(grid_->Row());
            return true;
        }
    } else if (enter && (watched == read_ || watched == write_)) {
        static_cast<QPushButton*>(watched)->click();
        return true;
    } else if (const int row = EditorRow(watched); row != 0) {
        switch (grid_keys::InEditor(keyEvent)) {
            case grid_keys::Action::kCancel:
                // The value as it was when the editor opened; the focus going
                // back to the grid commits it unchanged.
                page_.Type(dpmr::SquelchRowField(row), textAtOpen_);
                grid_->setFocus(Qt::OtherFocusReason);
                return true;
            case grid_keys::Action::kCommit: {
                // The value is committed, the dialog stays open, and the next
                // row's cell becomes current.
                const auto [next, col] =
                    grid_keys::NextCell(row, kSqlCol, page_.RowCount(), {kSqlCol});
                grid_->setFocus(Qt::OtherFocusReason);
                grid_->SetCurrentCell(next, col);
                return true;
            }
            default:
                break;
        }
    }
    return CPageWidget::eventFilter(watched, event);
}

std::pair<QAbstractButton*, QAbstractButton*> CSqlCalibrationPage::TransferButtons() const {
    return {read_, write_};
}
