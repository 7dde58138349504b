// The contact grid, its in-place editors and buttons, forwarding to the
// contact page presenter.
#include "dpmr/CContactPage.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>
#include <cctype>
#include <vector>

#include "form/QtText.h"
#include "widgets/FlexGrid.h"
#include "widgets/GridKeys.h"

using dpmr::ContactEditor;
using dpmr::ContactPagePresenter;

namespace {

// Lets into the edit only what the column takes.
class ColumnValidator : public QValidator {
  public:
    explicit ColumnValidator(const ContactPagePresenter& presenter, QObject* parent)
        : QValidator(parent), presenter_(presenter) {}
    State validate(QString& input, int&) const override {
        const std::string text = FromQt(input);
        return ContactPagePresenter::TypedText(presenter_.EditCol(), text) == text ? Acceptable
                                                                                   : Invalid;
    }

  private:
    const ContactPagePresenter& presenter_;
};

// The old page measured its columns in pixels; the grid takes twips.
constexpr int kTwipsPerPixel = 15;

// Whether a character typed on a cell of `col` starts editing it: one the
// name or number takes, or the first letter of a type.
bool StartsEdit(int col, char c) {
    if (col != ContactPagePresenter::kTypeCol) return ContactPagePresenter::Accepts(col, c);
    for (const std::string& choice : ContactPagePresenter::TypeChoices())
        if (!choice.empty() && std::toupper(static_cast<unsigned char>(choice.front())) ==
                                   std::toupper(static_cast<unsigned char>(c)))
            return true;
    return false;
}

}  // namespace

CContactPage::CContactPage(ContactPagePresenter& presenter, QWidget* parent)
    : CPageWidget(parent), presenter_(presenter) {
    grid_ = new FlexGrid(this);
    grid_->setObjectName("contactGrid");
    grid_->setAccessibleName(tr("Contacts"));
    std::vector<int> widths;
    for (int w : ContactPagePresenter::ColumnWidths()) widths.push_back(w * kTwipsPerPixel);
    grid_->SetColWidths(widths);

    addButton_ = new QPushButton(tr("Add"), this);
    insertButton_ = new QPushButton(tr("Insert"), this);
    deleteButton_ = new QPushButton(tr("Delete"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(insertButton_);
    buttons->addWidget(deleteButton_);
    buttons->addStretch(1);
    // Why an edit was refused ("1000002 is already Alice's").
    notice_ = new QLabel(this);
    notice_->setObjectName("contactNotice");
    notice_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(notice_);
    layout->addLayout(buttons);

    // The in-place editors live on the grid's viewport, over the cell edited.
    textEdit_ = new QLineEdit(grid_->viewport());
    textEdit_->setValidator(new ColumnValidator(presenter_, textEdit_));
    textEdit_->setAlignment(Qt::AlignCenter);
    typeCombo_ = new QComboBox(grid_->viewport());
    for (const std::string& choice : ContactPagePresenter::TypeChoices())
        typeCombo_->addItem(FieldText(choice), ToQt(choice));  // shown; the presenter's own
    for (QWidget* editor : std::vector<QWidget*>{textEdit_, typeCombo_}) {
        editor->hide();
        editor->installEventFilter(this);
    }
    grid_->installEventFilter(this);

    connect(textEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!detached_) presenter_.SetEditorText(FromQt(text));
    });
    connect(typeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!detached_ && !syncing_ && index >= 0)
            presenter_.SetEditorText(FromQt(typeCombo_->itemData(index).toString()));
    });
    connect(grid_, &FlexGrid::MouseDown, this, [this](int row, int col, Qt::MouseButton button) {
        if (detached_ || button != Qt::LeftButton) return;
        presenter_.SetCurrentCell(row, col);
        BeginEdit();
    });
    connect(grid_, &FlexGrid::EnterCell, this, [this](int row, int col) {
        if (!detached_ && !syncing_) presenter_.SetCurrentCell(row, col);
        if (!detached_ && !syncing_) Refresh();
    });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CContactPage::PlaceEditor);
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CContactPage::PlaceEditor);
    connect(addButton_, &QPushButton::clicked, this, [this] { Press(&ContactPagePresenter::Add); });
    connect(insertButton_, &QPushButton::clicked, this,
            [this] { Press(&ContactPagePresenter::Insert); });
    connect(deleteButton_, &QPushButton::clicked, this,
            [this] { Press(&ContactPagePresenter::Delete); });
    Refresh();
}

void CContactPage::Detach() {
    detached_ = true;
    // The presenter goes before the widgets: an editor that still has the
    // focus when the dialog is destroyed must not ask it about its text.
    textEdit_->setValidator(nullptr);
}

void CContactPage::Press(void (ContactPagePresenter::*action)()) {
    if (detached_) return;
    (presenter_.*action)();
    Refresh();
    // The keyboard goes on in the grid, on the cell that had the focus.
    grid_->setFocus();
}

void CContactPage::BeginEdit() {
    if (!presenter_.BeginEdit()) {
        Refresh();
        return;
    }
    Refresh();
    const QString text = ToQt(presenter_.EditorText());
    if (presenter_.OpenEditor() == ContactEditor::kChoice) {
        {
            const QSignalBlocker block(typeCombo_);
            typeCombo_->setCurrentIndex(typeCombo_->findData(text));
        }
        typeCombo_->setFocus();
    } else {
        const bool name = presenter_.EditCol() == ContactPagePresenter::kNameCol;
        textEdit_->setMaxLength(static_cast<int>(name ? ContactPagePresenter::kNameLimit
                                                      : ContactPagePresenter::kNumberLimit));
        textEdit_->setText(text);
        textEdit_->setFocus();
        textEdit_->selectAll();
    }
}

void CContactPage::EndEdit(bool keep) {
    if (detached_ || presenter_.OpenEditor() == ContactEditor::kNone) return;
    if (keep)
        presenter_.CommitEdit();
    else
        presenter_.CancelEdit();
    Refresh();
}

QWidget* CContactPage::OpenEditorWidget() const {
    switch (presenter_.OpenEditor()) {
        case ContactEditor::kText:
            return textEdit_;
        case ContactEditor::kChoice:
            return typeCombo_;
        case ContactEditor::kNone:
            break;
    }
    return nullptr;
}

bool CContactPage::eventFilter(QObject* watched, QEvent* event) {
    if (detached_) return CPageWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut && watched != grid_) {
        // Leaving the editor ends the edit; its own drop-down opening does not.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            QApplication::focusWidget() != watched)
            EndEdit(true);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_) return HandleGridKey(*key);
        const grid_keys::Action action = grid_keys::InEditor(*key);
        if (action == grid_keys::Action::kCancel) {
            EndEdit(false);
            grid_->setFocus();
            return true;
        }
        if (action == grid_keys::Action::kCommit) {
            // A refused edit (an empty or repeated name or number) stays on
            // its cell.
            const int row = presenter_.EditRow();
            const int col = presenter_.EditCol();
            if (presenter_.CommitEdit()) {
                const auto [r, c] = grid_keys::NextCell(
                    row, col, presenter_.RowCount(),
                    {ContactPagePresenter::kNameCol, ContactPagePresenter::kNumberCol,
                     ContactPagePresenter::kTypeCol});
                presenter_.SetCurrentCell(r, c);
            }
            Refresh();
            grid_->setFocus();
            return true;
        }
    } else if (event->type() == QEvent::Wheel && watched == typeCombo_ && !typeCombo_->hasFocus()) {
        return true;
    }
    return CPageWidget::eventFilter(watched, event);
}

bool CContactPage::HandleGridKey(const QKeyEvent& event) {
    const int key = event.key();
    switch (grid_keys::OnGrid(event)) {
        case grid_keys::Action::kEdit:
            BeginEdit();
            return true;
        case grid_keys::Action::kTypeInto:
            if (StartsEdit(presenter_.CurrentCol(), grid_keys::Typed(event))) {
                BeginEdit();
                if (QWidget* editor = OpenEditorWidget()) grid_keys::SendTo(editor, event);
            }
            return true;
        default:
            break;
    }
    if (key == Qt::Key_Delete) {
        if (presenter_.CanDelete()) Press(&ContactPagePresenter::Delete);
        return true;
    }
    // The page swallows Escape so that it cannot close the dialog.
    return key == Qt::Key_Escape;
}

void CContactPage::Refresh() {
    const bool wasSyncing = syncing_;
    syncing_ = true;
    const int rows = presenter_.RowCount();
    if (grid_->Rows() != rows + 1) grid_->SetSize(rows + 1, ContactPagePresenter::kCols);
    for (int c = 0; c < ContactPagePresenter::kCols; ++c) {
        const auto column = static_cast<std::size_t>(c);
        grid_->SetTextMatrix(0, c, FieldText(ContactPagePresenter::ColumnTitles()[column]));
        grid_->SetColumnHelp(c, FieldText(ContactPagePresenter::ColumnHelp()[column]));
    }
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < ContactPagePresenter::kCols; ++c)
            // The type is one of the editor's entries, shown as the editor shows it.
            grid_->SetTextMatrix(r, c,
                                 c == ContactPagePresenter::kTypeCol
                                     ? FieldText(presenter_.Cell(r, c))
                                     : ToQt(presenter_.Cell(r, c)));
    if (presenter_.CurrentRow() > 0)
        grid_->SetCurrentCell(presenter_.CurrentRow(), presenter_.CurrentCol());
    else
        grid_->setCurrentCell(-1, -1);

    notice_->setText(ToQt(presenter_.Notice()));
    addButton_->setEnabled(presenter_.CanAdd());
    insertButton_->setEnabled(presenter_.CanInsert());
    deleteButton_->setEnabled(presenter_.CanDelete());

    // The grid scrolls (64 rows): the edited cell is brought into view.
    if (presenter_.OpenEditor() != ContactEditor::kNone)
        grid_->scrollTo(grid_->model()->index(presenter_.EditRow() - 1, presenter_.EditCol() - 1));
    grid_->ShowEditor(OpenEditorWidget(), {textEdit_, typeCombo_}, presenter_.EditRow(),
                      presenter_.EditCol());
    syncing_ = wasSyncing;
}

void CContactPage::PlaceEditor() {
    if (QWidget* editor = OpenEditorWidget())
        grid_->PlaceOverCell(editor, presenter_.EditRow(), presenter_.EditCol());
}
