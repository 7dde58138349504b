// The DTMF code grid and its in-place editor.
#include "settings/CDtmfContactPage.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "form/FormBinder.h"
#include "form/QtText.h"
#include "widgets/FlexGrid.h"
#include "widgets/GridKeys.h"

namespace {

constexpr int kCodeCol = 1;

}  // namespace

CDtmfContactPage::CDtmfContactPage(dpmr::form::FieldPage& page, QWidget* parent)
    : CPageWidget(parent), page_(page) {
    const int rows = static_cast<int>(page_.FieldCount());
    grid_ = new FlexGrid(this);
    grid_->setObjectName("dtmfCodes");
    grid_->SetSize(rows + 1, 2);
    grid_->SetColWidths({500, 2500});
    grid_->SetTextMatrix(0, 0, tr("No."));
    grid_->SetTextMatrix(0, kCodeCol, tr("Code"));
    grid_->SetColumnHelp(kCodeCol, FieldText(page_.Field(0).help));
    grid_->setAccessibleName(tr("DTMF codes"));
    for (int r = 1; r <= rows; ++r) grid_->SetTextMatrix(r, 0, QString::number(r));
    grid_->SetCurrentCell(1, kCodeCol);
    grid_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);

    // One editor for every row; it holds no more than a code can.
    editor_ = new QLineEdit(grid_->viewport());
    editor_->setObjectName("dtmfCodeEditor");
    editor_->setAlignment(Qt::AlignCenter);
    editor_->setMaxLength(static_cast<int>(page_.Field(0).limit));
    editor_->hide();
    editor_->installEventFilter(this);
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (detached_ || editRow_ == 0) return;
        const auto i = static_cast<std::size_t>(editRow_ - 1);
        page_.Type(i, FromQt(text));
        ShowEditText(editor_, ToQt(page_.State(i).text));
    });
    connect(grid_, &FlexGrid::MouseDown, this, [this](int, int col, Qt::MouseButton button) {
        if (button == Qt::LeftButton && col == kCodeCol) OpenEditor();
    });
    Refresh();
}

void CDtmfContactPage::Refresh() {
    for (std::size_t i = 0; i < page_.FieldCount(); ++i)
        grid_->SetTextMatrix(static_cast<int>(i) + 1, kCodeCol, ToQt(page_.State(i).text));
    // The presenter let the code go (the tab was left): so does the editor.
    if (editRow_ != 0 && page_.Focused() != editRow_ - 1) {
        editRow_ = 0;
        editor_->hide();
    }
}

void CDtmfContactPage::Detach() {
    detached_ = true;
}

void CDtmfContactPage::OpenEditor() {
    if (detached_ || grid_->Col() != kCodeCol || grid_->Row() < 1) return;
    CloseEditor();
    editRow_ = grid_->Row();
    const auto i = static_cast<std::size_t>(editRow_ - 1);
    page_.FocusIn(i);
    textAtOpen_ = page_.State(i).text;
    editor_->setText(ToQt(page_.State(i).text));
    editor_->setGeometry(grid_->CellRect(editRow_, kCodeCol));
    editor_->show();
    editor_->raise();
    editor_->setFocus();
    editor_->selectAll();
}

void CDtmfContactPage::CloseEditor() {
    if (editRow_ == 0) return;
    const int row = editRow_;
    editRow_ = 0;
    editor_->hide();
    if (detached_) return;
    const auto i = static_cast<std::size_t>(row - 1);
    page_.FocusOut(i);
    grid_->SetTextMatrix(row, kCodeCol, ToQt(page_.State(i).text));
}

bool CDtmfContactPage::HandleEditorKey(const QKeyEvent& event) {
    switch (grid_keys::InEditor(event)) {
        case grid_keys::Action::kCancel:
            // The code as it was before the editor opened; the focus going
            // back to the grid commits it unchanged.
            page_.Type(static_cast<std::size_t>(editRow_ - 1), textAtOpen_);
            grid_->setFocus();
            return true;
        case grid_keys::Action::kCommit: {
            const auto [row, col] =
                grid_keys::NextCell(editRow_, kCodeCol, grid_->Rows() - 1, {kCodeCol});
            grid_->setFocus();
            grid_->SetCurrentCell(row, col);
            return true;
        }
        default:
            return false;
    }
}

bool CDtmfContactPage::HandleGridKey(const QKeyEvent& event) {
    const grid_keys::Action action = grid_keys::OnGrid(event);
    if (action == grid_keys::Action::kNone || grid_->Col() != kCodeCol) return false;
    const auto i = static_cast<std::size_t>(grid_->Row() - 1);
    if (action == grid_keys::Action::kTypeInto && !page_.Accepts(i, grid_keys::Typed(event)))
        return true;
    OpenEditor();
    if (action == grid_keys::Action::kTypeInto) grid_keys::SendTo(editor_, event);
    return true;
}

bool CDtmfContactPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            CloseEditor();
        } else if (event->type() == QEvent::KeyPress && editRow_ != 0) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (HandleEditorKey(*key)) return true;
            if (RefusesKey(page_, static_cast<std::size_t>(editRow_ - 1), *key)) return true;
        }
    } else if (watched == grid_ && event->type() == QEvent::KeyPress) {
        if (HandleGridKey(*static_cast<QKeyEvent*>(event))) return true;
    }
    return CPageWidget::eventFilter(watched, event);
}
