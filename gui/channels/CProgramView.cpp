// CProgramView: widgets of the channel table form and the forwarding of their
// events to the table presenter.
#include "channels/CProgramView.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>
#include <vector>

#include "channels/CChannelEditDlg.h"
#include "channels/ChannelTablePrinter.h"
#include "codec/ToneCodec.h"
#include "dpmr/ContactChecks.h"
#include "widgets/DialogCaptionWatcher.h"
#include "widgets/FlexGrid.h"
#include "widgets/GridKeys.h"

using dpmr::CellEditor;
using dpmr::ChannelTablePresenter;

namespace {

// Lets into the frequency editor only what the table accepts there, a comma
// made the point.
class FrequencyValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const std::string text = input.toStdString();
        const std::string accepted = ChannelTablePresenter::FilterFrequencyText(text);
        if (accepted.size() != text.size()) return Invalid;
        input = QString::fromStdString(accepted);
        return Acceptable;
    }
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Tab moves one cell on (+1), Shift+Tab one back (-1); 0 for other keys.
int TabStep(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backtab) return -1;
    if (event.key() != Qt::Key_Tab) return 0;
    return (event.modifiers() & Qt::ShiftModifier) ? -1 : 1;
}

}  // namespace

CProgramView::CProgramView(dpmr::RadioImage& image, dpmr::BandLimits& band,
                           const dpmr::AppSettings& settings, QWidget* parent)
    : QWidget(parent), image_(image), band_(band), presenter_(image, band, settings) {
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Freq range", this));
    bandList_ = new QComboBox(this);
    // A wheel turned over the box while the pointer merely rests there must
    // not change the band: the box takes the focus from Tab or a click only,
    // and without the focus it lets the wheel pass (see eventFilter).
    bandList_->setFocusPolicy(Qt::StrongFocus);
    bandList_->installEventFilter(this);
    bandList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bandList_->setMinimumContentsLength(12);
    top->addWidget(bandList_);
    top->addSpacing(24);
    editButton_ = new QPushButton("Channel edit", this);
    factoryButton_ = new QPushButton("Factroy", this);
    top->addWidget(editButton_);
    top->addWidget(factoryButton_);
    top->addStretch(1);

    grid_ = new FlexGrid(this);
    grid_->SetSize(ChannelTablePresenter::kRows, ChannelTablePresenter::kCols);
    const auto& widths = ChannelTablePresenter::ColumnWidths();
    grid_->SetColWidths(std::vector<int>(widths.begin(), widths.end()));
    for (int c = 0; c < ChannelTablePresenter::kCols; ++c)
        grid_->SetTextMatrix(0, c, Q(presenter_.Cell(0, c)));
    for (int r = 1; r < ChannelTablePresenter::kRows; ++r)
        grid_->SetTextMatrix(r, 0, Q(presenter_.Cell(r, 0)));

    // Rows are selected for Copy by their numbers, by Shift with the arrows
    // or the mouse, or by Ctrl+A.
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->verticalHeader()->setSectionsClickable(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);

    // The in-place editors live on the grid's viewport, over the cell edited.
    freqEdit_ = new QLineEdit(grid_->viewport());
    freqEdit_->setMaxLength(static_cast<int>(ChannelTablePresenter::kMaxFrequencyChars));
    freqEdit_->setValidator(new FrequencyValidator(freqEdit_));
    freqEdit_->setAlignment(Qt::AlignCenter);
    toneCombo_ = new QComboBox(grid_->viewport());
    toneCombo_->setEditable(true);
    toneCombo_->setInsertPolicy(QComboBox::NoInsert);
    toneCombo_->setCompleter(nullptr);  // typed tones are taken as typed
    for (const std::string& tone : dpmr::ToneList()) toneCombo_->addItem(Q(tone));
    toneCombo_->setMaxVisibleItems(16);
    listCombo_ = new QComboBox(grid_->viewport());
    for (QWidget* editor : Editors()) {
        editor->hide();
        editor->installEventFilter(this);
    }
    toneCombo_->lineEdit()->installEventFilter(this);
    grid_->installEventFilter(this);

    connect(bandList_, &QComboBox::activated, this, &CProgramView::OnBandActivated);
    connect(editButton_, &QPushButton::clicked, this, &CProgramView::OnChannelEdit);
    connect(factoryButton_, &QPushButton::clicked, this, &CProgramView::OnFactory);
    connect(grid_, &FlexGrid::MouseDown, this, &CProgramView::OnGridMouseDown);
    connect(grid_, &FlexGrid::EnterCell, this, &CProgramView::OnGridCurrentChanged);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CProgramView::PlaceEditor);

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

void CProgramView::FilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintTable(&printer);
}

void CProgramView::FilePrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &CProgramView::PrintTable);
    preview.exec();
}

void CProgramView::RunImageEditor(const std::function<void()>& run, const QString& name) {
    const dpmr::RadioImage before = image_;
    StoreGridToImage();
    const dpmr::RadioImage stored = image_;
    DialogCaptionWatcher caption;
    run();
    // An editor that changed nothing leaves every byte as it was, and the
    // table too (it may hold what the image does not yet).
    if (image_ == stored)
        image_ = before;
    else
        SelectBandFromImage();
    grid_->setFocus();
    if (!name.isEmpty())
        emit Edited(name);
    else
        emit Edited(caption.Caption().isEmpty() ? QString("Edit") : caption.Caption());
}

void CProgramView::OnChannelEdit() {
    RunImageEditor([this] {
        const int row = presenter_.CurrentRow();
        const QString rxText = Q(presenter_.Cell(row, ChannelTablePresenter::kRxFreqCol));
        CChannelEditDlg dialog(image_, band_, row, rxText, this);
        dialog.exec();
    });
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
    QMessageBox box(QMessageBox::Warning, window()->windowTitle(), Q(text), QMessageBox::Ok, this);
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
    emit Edited("Freq range");
}

void CProgramView::OnGridMouseDown(int row, int col, Qt::MouseButton button) {
    if (button != Qt::LeftButton || row < 1 || col < 1) return;
    presenter_.SetCurrentCell(row, col);
    BeginCellEdit();
}

void CProgramView::OnGridCurrentChanged(int row, int col) {
    if (!syncing_) presenter_.SetCurrentCell(row, col);
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
    const QString text = Q(presenter_.EditorText());
    switch (presenter_.OpenEditor()) {
        case CellEditor::kFrequency:
            freqEdit_->setText(text);
            break;
        case CellEditor::kTone:
            if (presenter_.EditorSelection() >= 0)
                toneCombo_->setCurrentIndex(presenter_.EditorSelection());
            else
                toneCombo_->setEditText(text);
            break;
        case CellEditor::kList: {
            const QSignalBlocker block(listCombo_);
            listCombo_->clear();
            for (const std::string& item : presenter_.EditorItems()) listCombo_->addItem(Q(item));
            listCombo_->setCurrentIndex(presenter_.EditorSelection());
            break;
        }
        case CellEditor::kNone:
            break;
    }
    ShowPresenterState();
    switch (presenter_.OpenEditor()) {
        case CellEditor::kFrequency:
            freqEdit_->setFocus();
            selectAll ? freqEdit_->selectAll() : freqEdit_->end(false);
            break;
        case CellEditor::kTone:
            toneCombo_->setFocus();
            selectAll ? toneCombo_->lineEdit()->selectAll() : toneCombo_->lineEdit()->end(false);
            break;
        case CellEditor::kList:
            listCombo_->setFocus();
            break;
        case CellEditor::kNone:
            break;
    }
}

void CProgramView::CopyEditorTextToPresenter() {
    switch (presenter_.OpenEditor()) {
        case CellEditor::kFrequency:
            presenter_.SetEditorText(freqEdit_->text().toStdString());
            break;
        case CellEditor::kTone:
            presenter_.SetEditorText(toneCombo_->currentText().toStdString());
            break;
        case CellEditor::kList:
            presenter_.SetEditorText(listCombo_->currentIndex() < 0
                                         ? std::string()
                                         : listCombo_->currentText().toStdString());
            break;
        case CellEditor::kNone:
            break;
    }
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
    emit Edited(QString("Channel %1 %2")
                    .arg(presenter_.EditRow())
                    .arg(titles[static_cast<std::size_t>(presenter_.EditCol())]));
}

std::array<QWidget*, 3> CProgramView::Editors() const {
    return {freqEdit_, toneCombo_, listCombo_};
}

QWidget* CProgramView::OpenEditorWidget() const {
    switch (presenter_.OpenEditor()) {
        case CellEditor::kFrequency:
            return freqEdit_;
        case CellEditor::kTone:
            return toneCombo_;
        case CellEditor::kList:
            return listCombo_;
        case CellEditor::kNone:
            break;
    }
    return nullptr;
}

bool CProgramView::IsEditorWidget(const QWidget* widget) const {
    for (const QWidget* editor : Editors()) {
        if (widget && (widget == editor || editor->isAncestorOf(widget))) return true;
    }
    return false;
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
        if (focus->reason() != Qt::PopupFocusReason && !IsEditorWidget(QApplication::focusWidget()))
            CommitEditor();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_) return HandleGridKey(key);
        if (const int step = TabStep(*key); step != 0) {
            // As in a spreadsheet: the cell is committed and the next one
            // (the previous one for Shift+Tab) becomes current.
            CommitEditor();
            presenter_.TableArrow(step > 0 ? dpmr::TableKey::kRight : dpmr::TableKey::kLeft);
            grid_->setFocus();
            ShowPresenterState();
            return true;
        }
        return HandleEditorKey(watched, key->key());
    }
    return QWidget::eventFilter(watched, event);
}

bool CProgramView::HandleGridKey(const QKeyEvent* event) {
    const int key = event->key();
    if (IsEnterKey(key) || key == Qt::Key_F2) {
        BeginCellEdit();
        return true;
    }
    if (const int step = TabStep(*event); step != 0) {
        // Tab and Shift+Tab move between cells as in a spreadsheet (wrapping
        // to the next or previous row); Ctrl+Tab leaves the table.
        if (event->modifiers() & Qt::ControlModifier) {
            focusNextPrevChild(step > 0);
        } else {
            presenter_.TableArrow(step > 0 ? dpmr::TableKey::kRight : dpmr::TableKey::kLeft);
            ShowPresenterState();
        }
        return true;
    }
    // Shift with Up or Down extends the selection of rows (the grid's own
    // handling).
    if ((event->modifiers() & Qt::ShiftModifier) && (key == Qt::Key_Up || key == Qt::Key_Down))
        return false;
    dpmr::TableKey move;
    switch (key) {
        case Qt::Key_Left:
            move = dpmr::TableKey::kLeft;
            break;
        case Qt::Key_Right:
            move = dpmr::TableKey::kRight;
            break;
        case Qt::Key_Up:
            move = dpmr::TableKey::kUp;
            break;
        case Qt::Key_Down:
            move = dpmr::TableKey::kDown;
            break;
        default: {
            // A character typed on a cell starts editing it with that
            // character; one its editor does not take is dropped rather than
            // sending the current cell to another row.
            if (grid_keys::OnGrid(*event) != grid_keys::Action::kTypeInto) return false;
            if (presenter_.TypeIntoCell(grid_keys::Typed(*event))) ShowOpenedEditor(false);
            return true;
        }
    }
    presenter_.TableArrow(move);
    ShowPresenterState();
    return true;
}

bool CProgramView::HandleEditorKey(QObject* watched, int key) {
    if (key == Qt::Key_Escape) {
        // The cell keeps the text the editor opened with.
        presenter_.CancelEditor();
        grid_->setFocus();
        ShowPresenterState();
        return true;
    }
    if (!IsEnterKey(key)) return false;
    CopyEditorTextToPresenter();
    if (watched == freqEdit_)
        presenter_.FrequencyEditorEnter();
    else if (watched == listCombo_)
        presenter_.ListEditorEnter();
    else
        presenter_.ToneEditorEnter();
    // The editor is closed already, so the focus change commits nothing more.
    grid_->setFocus();
    ShowPresenterState();
    AnnounceCellEdit();
    return true;
}

void CProgramView::ShowPresenterState() {
    const bool wasSyncing = syncing_;
    syncing_ = true;
    for (int r = 1; r < ChannelTablePresenter::kRows; ++r)
        for (int c = 1; c < ChannelTablePresenter::kCols; ++c)
            grid_->SetTextMatrix(r, c, Q(presenter_.Cell(r, c)));
    grid_->SetCurrentCell(presenter_.CurrentRow(), presenter_.CurrentCol());

    const auto& entries = presenter_.BandEntries();
    {
        const QSignalBlocker block(bandList_);
        bool same = bandList_->count() == static_cast<int>(entries.size());
        for (int k = 0; same && k < bandList_->count(); ++k)
            same = bandList_->itemText(k) == Q(entries[static_cast<std::size_t>(k)]);
        if (!same) {
            bandList_->clear();
            for (const std::string& entry : entries) bandList_->addItem(Q(entry));
        }
        bandList_->setCurrentIndex(presenter_.BandSelection());
    }

    const auto editors = Editors();
    grid_->ShowEditor(OpenEditorWidget(), {editors.begin(), editors.end()}, presenter_.EditRow(),
                      presenter_.EditCol());
    syncing_ = wasSyncing;
    if (const std::string notice = presenter_.TakeNotice(); !notice.empty()) {
        // The corrected cell stays marked, and the notice stays, until the
        // next edit begins.
        ClearCorrection();
        markedRow_ = presenter_.EditRow();
        markedCol_ = presenter_.EditCol();
        grid_->SetCellMark(markedRow_, markedCol_, Q(notice));
        emit Notice(Q(notice));
    }
    emit TableChanged();
}

void CProgramView::PlaceEditor() {
    if (QWidget* editor = OpenEditorWidget())
        grid_->PlaceOverCell(editor, presenter_.EditRow(), presenter_.EditCol());
}
