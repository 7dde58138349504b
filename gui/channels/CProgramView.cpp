// CProgramView: widgets of the channel table form and the forwarding of their
// events to the table presenter.
#include "channels/CProgramView.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <vector>

#include "channels/ChannelCellText.h"
#include "channels/ChannelColumns.h"
#include "channels/ChannelTablePrinter.h"
#include "channels/ReportBox.h"
#include "dpmr/ContactChecks.h"
#include "form/QtText.h"
#include "widgets/FlexGrid.h"
#include "widgets/GridKeys.h"

using dpmr::CellEditor;
using dpmr::ChannelTablePresenter;

namespace {

// The table's move of a key that moves the current cell.
dpmr::TableKey TableMove(grid_keys::Move move) {
    switch (move) {
        case grid_keys::Move::kLeft:
        case grid_keys::Move::kPrevious:
            return dpmr::TableKey::kLeft;
        case grid_keys::Move::kUp:
            return dpmr::TableKey::kUp;
        case grid_keys::Move::kDown:
            return dpmr::TableKey::kDown;
        default:
            return dpmr::TableKey::kRight;
    }
}

}  // namespace

CProgramView::CProgramView(dpmr::RadioImage& image, dpmr::BandLimits& band,
                           const dpmr::AppSettings& settings, QWidget* parent)
    : QWidget(parent), image_(image), band_(band), presenter_(image, band, settings) {
    auto* top = new QHBoxLayout;
    auto* bandLabel = new QLabel(tr("Freq range"), this);
    top->addWidget(bandLabel);
    bandList_ = new QComboBox(this);
    bandLabel->setBuddy(bandList_);
    // A wheel turned over the box while the pointer merely rests there must
    // not change the band: the box takes the focus from Tab or a click only,
    // and without the focus it lets the wheel pass (see eventFilter).
    bandList_->setFocusPolicy(Qt::StrongFocus);
    bandList_->installEventFilter(this);
    bandList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bandList_->setMinimumContentsLength(12);
    top->addWidget(bandList_);
    top->addSpacing(24);
    editButton_ = new QPushButton(tr("Channel edit"), this);
    factoryButton_ = new QPushButton(tr("Factroy"), this);
    top->addWidget(editButton_);
    top->addWidget(factoryButton_);
    top->addStretch(1);

    grid_ = new FlexGrid(this);
    grid_->SetSize(ChannelTablePresenter::kRows, ChannelTablePresenter::kCols);
    const auto& widths = ChannelTablePresenter::ColumnWidths();
    grid_->SetColWidths(std::vector<int>(widths.begin(), widths.end()));
    grid_->setAccessibleName(tr("Channels"));
    for (int c = 0; c < ChannelTablePresenter::kCols; ++c) {
        grid_->SetTextMatrix(0, c, ChannelCellText(0, c, presenter_.Cell(0, c)));
        grid_->SetColumnHelp(c, FieldText(dpmr::ChannelColumnHelp(c)));
    }
    for (int r = 1; r < ChannelTablePresenter::kRows; ++r)
        grid_->SetTextMatrix(r, 0, ToQt(presenter_.Cell(r, 0)));

    // Rows are selected for Copy by their numbers, by Shift with the arrows
    // or the mouse, or by Ctrl+A.
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->verticalHeader()->setSectionsClickable(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);

    // The in-place editors live on the grid's viewport, over the cell edited.
    editors_ = std::make_unique<ChannelCellEditors>(grid_->viewport(), this);
    grid_->installEventFilter(this);

    connect(bandList_, &QComboBox::activated, this, &CProgramView::OnBandActivated);
    connect(editButton_, &QPushButton::clicked, this, &CProgramView::ChannelEditRequested);
    connect(factoryButton_, &QPushButton::clicked, this, &CProgramView::OnFactory);
    connect(grid_, &FlexGrid::MouseDown, this, &CProgramView::OnGridMouseDown);
    connect(grid_, &FlexGrid::EnterCell, this, &CProgramView::OnGridCurrentChanged);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CProgramView::PlaceEditor);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CProgramView::OnSelectionChanged);

    ShowPresenterState();
}

CProgramView::~CProgramView() = default;

void CProgramView::OnInitialUpdate() {
    SelectBandFromImage();
    dpmr::RepairContactNames(image_);
    dpmr::CheckContactReferences(image_);
    grid_->setFocus();
}

void CProgramView::StoreGridToImage() {
    const bool editing = presenter_.OpenEditor() != CellEditor::kNone;
    CopyEditorTextToPresenter();
    presenter_.StoreGridToImage();
    ShowPresenterState();
    if (editing) AnnounceCellEdit();
}

void CProgramView::StoreGridInto(dpmr::RadioImage& target) {
    CopyEditorTextToPresenter();
    presenter_.StoreGridInto(target);
}

void CProgramView::SelectBandFromImage() {
    ClearCorrection();
    presenter_.SelectBandFromImage();
    ShowPresenterState();
}

void CProgramView::PrintTable(QPrinter* printer) {
    if (!printer) return;
    CopyEditorTextToPresenter();
    ChannelTablePrinter(presenter_, image_).Print(*printer);
}

void CProgramView::OnFactory() {
    CommitEditor();
    if (presenter_.LoadFactoryReplacesChannels() &&
        !Ask(ChannelTablePresenter::kLoadFactoryQuestion))
        return;
    const dpmr::Status status = presenter_.LoadFactory();
    ShowPresenterState();
    if (!status) ShowMessage(status.message());
    emit Edited(factoryButton_->text());
}

void CProgramView::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, window()->windowTitle(), ToQt(text), QMessageBox::Ok,
                    this);
    box.exec();
}

bool CProgramView::Ask(const char* question) {
    QMessageBox box(QMessageBox::Question, window()->windowTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void CProgramView::OnBandActivated(int index) {
    CommitEditor();
    // No keeps the band in use, and the list shows it again.
    if (presenter_.ChangeBandClearsChannels(index) &&
        !Ask(ChannelTablePresenter::kChangeBandQuestion)) {
        ShowPresenterState();
        return;
    }
    presenter_.ChangeBand(index);
    ShowPresenterState();
    emit Edited(tr("Freq range"));
}

void CProgramView::OnGridMouseDown(int row, int col, Qt::MouseButton button) {
    if (button != Qt::LeftButton || row < 1 || col < 1) return;
    presenter_.SetCurrentCell(row, col);
    BeginCellEdit();
}

void CProgramView::OnGridCurrentChanged(int row, int col) {
    if (!syncing_) presenter_.SetCurrentCell(row, col);
}

void CProgramView::OnSelectionChanged() {
    std::set<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes())
        rows.insert(index.row() + 1);
    presenter_.SetSelectedRows(std::move(rows));
}

std::pair<int, int> CProgramView::SelectedRowRange() const {
    const std::set<int>& rows = presenter_.SelectedRows();
    if (rows.size() < 2) return {presenter_.CurrentRow(), presenter_.CurrentRow()};
    return {*rows.begin(), *rows.rbegin()};
}

void CProgramView::ApplyCellToSelection() {
    CopyEditorTextToPresenter();
    const bool ran = presenter_.ApplyCellToSelection();
    if (!ran) {
        // Nothing changed: the words go to the status bar, no cell is marked.
        const std::string why = presenter_.TakeNotice();
        ShowPresenterState();
        emit Notice(ToQt(why));
        return;
    }
    ShowPresenterState();
    AnnounceCellEdit();
}

void CProgramView::FillChannels(const dpmr::FillRequest& request) {
    CommitEditor();
    dpmr::FillReport report;
    const dpmr::Status status = dpmr::FillChannels(presenter_, request, report);
    ShowPresenterState();
    if (!status) {
        ShowMessage(status.message());
        return;
    }
    emit Edited(tr("Fill Channels"));
    if (!report.lines.empty()) emit Notice(ToQt(report.lines.front()));
    if (report.lines.size() > 1)
        ShowReport(this, QMessageBox::Information, ToQt(report.lines.front()) + ".",
                   {report.lines.begin() + 1, report.lines.end()});
}

void CProgramView::BeginCellEdit() {
    CommitEditor();
    presenter_.BeginCellEdit();
    ShowOpenedEditor(true);
}

void CProgramView::ClearCorrection() {
    if (markedRow_ == 0) return;
    grid_->SetCellMark(markedRow_, markedCol_, {});
    markedRow_ = markedCol_ = 0;
    emit Notice(QString());
}

void CProgramView::ShowOpenedEditor(bool selectAll) {
    // The next edit begins: the last correction has been seen.
    ClearCorrection();
    editors_->Fill(presenter_);
    ShowPresenterState();
    if (const ChannelCellEditors::Editor* open = OpenEditorWidget()) {
        open->widget->setFocus();
        if (open->line) selectAll ? open->line->selectAll() : open->line->end(false);
    }
}

const ChannelCellEditors::Editor* CProgramView::OpenEditorWidget() const {
    return editors_->Open(presenter_);
}

void CProgramView::CopyEditorTextToPresenter() {
    editors_->CopyTextTo(presenter_);
}

void CProgramView::CommitEditor() {
    if (presenter_.OpenEditor() == CellEditor::kNone) return;
    CopyEditorTextToPresenter();
    presenter_.CommitOpenEditors();
    ShowPresenterState();
    AnnounceCellEdit();
}

void CProgramView::AnnounceCellEdit() {
    const auto& titles = ChannelTablePresenter::ColumnTitles();
    const std::set<int>& rows = presenter_.LastEditRows();
    const std::string channels =
        dpmr::ChannelsText(rows.empty() ? std::set<int>{presenter_.EditRow()} : rows);
    emit Edited(tr("%1 %2").arg(ToQt(channels),
                                FieldText(titles[static_cast<std::size_t>(presenter_.EditCol())])));
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == bandList_) {
        // Without the focus the wheel scrolls on past the box.
        if (event->type() == QEvent::Wheel && !bandList_->hasFocus()) {
            event->ignore();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut && watched != grid_) {
        // Losing the focus commits the editor; a popup of the combo itself,
        // or a move between the combo and its own edit field, does not.
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason &&
            !editors_->Contains(QApplication::focusWidget()))
            CommitEditor();
    } else if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const grid_keys::Move move = grid_keys::MoveOf(key);
        if (move == grid_keys::Move::kNext || move == grid_keys::Move::kPrevious)
            return HandleTab(watched == grid_, key, move);
        if (watched == grid_) return HandleGridKey(key, move);
        return HandleEditorKey(key);
    }
    return QWidget::eventFilter(watched, event);
}

bool CProgramView::HandleTab(bool onGrid, const QKeyEvent& event, grid_keys::Move move) {
    if (onGrid && (event.modifiers() & Qt::ControlModifier)) {
        focusNextPrevChild(move == grid_keys::Move::kNext);
        return true;
    }
    // As in a spreadsheet: the cell is committed and the next one (the
    // previous one for Shift+Tab) becomes current, wrapping to the next or
    // previous row.
    CommitEditor();
    presenter_.TableArrow(TableMove(move));
    grid_->setFocus();
    ShowPresenterState();
    return true;
}

bool CProgramView::HandleGridKey(const QKeyEvent& event, grid_keys::Move move) {
    const grid_keys::Action action = grid_keys::OnGrid(event);
    if (action == grid_keys::Action::kEdit) {
        BeginCellEdit();
        return true;
    }
    if (move != grid_keys::Move::kNone) {
        // Shift with Up or Down extends the selection of rows (the grid's own
        // handling).
        if ((event.modifiers() & Qt::ShiftModifier) &&
            (move == grid_keys::Move::kUp || move == grid_keys::Move::kDown))
            return false;
        presenter_.TableArrow(TableMove(move));
        ShowPresenterState();
        return true;
    }
    // A character typed on a cell starts editing it with that character; one
    // its editor does not take is dropped rather than sending the current
    // cell to another row.
    if (action != grid_keys::Action::kTypeInto) return false;
    if (presenter_.TypeIntoCell(grid_keys::Typed(event))) ShowOpenedEditor(false);
    return true;
}

bool CProgramView::HandleEditorKey(const QKeyEvent& event) {
    const grid_keys::Action action = grid_keys::InEditor(event);
    if (action == grid_keys::Action::kCancel) {
        // The cell keeps the text the editor opened with.
        presenter_.CancelEditor();
        grid_->setFocus();
        ShowPresenterState();
        return true;
    }
    const ChannelCellEditors::Editor* open = OpenEditorWidget();
    if (action != grid_keys::Action::kCommit || !open) return false;
    CopyEditorTextToPresenter();
    (presenter_.*(open->enter))();
    // The editor is closed already, so the focus change commits nothing more.
    grid_->setFocus();
    ShowPresenterState();
    AnnounceCellEdit();
    return true;
}

void CProgramView::ShowPresenterState() {
    const bool wasSyncing = syncing_;
    syncing_ = true;
    bool changed = false;
    for (int r = 1; r < ChannelTablePresenter::kRows; ++r) {
        for (int c = 1; c < ChannelTablePresenter::kCols; ++c) {
            const QString text = ChannelCellText(r, c, presenter_.Cell(r, c));
            if (grid_->TextMatrix(r, c) == text) continue;
            grid_->SetTextMatrix(r, c, text);
            changed = true;
        }
    }
    grid_->SetCurrentCell(presenter_.CurrentRow(), presenter_.CurrentCol());

    const auto& entries = presenter_.BandEntries();
    {
        const QSignalBlocker block(bandList_);
        bool same = bandList_->count() == static_cast<int>(entries.size());
        for (int k = 0; same && k < bandList_->count(); ++k)
            same = bandList_->itemText(k) == ToQt(entries[static_cast<std::size_t>(k)]);
        if (!same) {
            bandList_->clear();
            for (const std::string& entry : entries) bandList_->addItem(ToQt(entry));
        }
        changed = changed || !same || bandList_->currentIndex() != presenter_.BandSelection();
        bandList_->setCurrentIndex(presenter_.BandSelection());
    }

    const ChannelCellEditors::Editor* open = OpenEditorWidget();
    grid_->ShowEditor(open ? open->widget : nullptr, editors_->Widgets(), presenter_.EditRow(),
                      presenter_.EditCol());
    syncing_ = wasSyncing;
    if (const std::string notice = presenter_.TakeNotice(); !notice.empty()) {
        // The corrected cell stays marked, and the notice stays, until the
        // next edit begins.
        ClearCorrection();
        markedRow_ = presenter_.EditRow();
        markedCol_ = presenter_.EditCol();
        grid_->SetCellMark(markedRow_, markedCol_, ToQt(notice));
        emit Notice(ToQt(notice));
    }
    if (changed) emit TableChanged();
}

void CProgramView::PlaceEditor() {
    if (const ChannelCellEditors::Editor* open = OpenEditorWidget())
        grid_->PlaceOverCell(open->widget, presenter_.EditRow(), presenter_.EditCol());
}
