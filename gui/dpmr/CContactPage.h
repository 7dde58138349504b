// CContactPage: the "Contact" page of "dPMR param": the contact grid ("No.",
// "Name", "Number", "Type") with its in-place editors and the "Add",
// "Insert" and "Delete" buttons, keyed like every grid (GridKeys). A click,
// Enter or F2 opens the editor of the focused cell, and a character the cell
// takes opens it with that character; Enter ends the edit (the page may
// refuse it, and says why under the grid) and moves to the next cell,
// leaving the editor ends it too, Escape drops it; the Delete key does what
// the "Delete" button does, and only while that button is enabled. Every
// rule lives in
// dpmr::ContactPagePresenter; this class forwards events and draws.
#pragma once

#include "dpmr/ContactPagePresenter.h"
#include "form/CPageWidget.h"

class FlexGrid;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

class CContactPage : public CPageWidget {
    Q_OBJECT
  public:
    explicit CContactPage(dpmr::ContactPagePresenter& presenter, QWidget* parent = nullptr);

    void Refresh() override;
    void Detach() override;

    FlexGrid* Grid() const { return grid_; }
    // The edit over name and number cells, the drop-down list over type cells.
    QLineEdit* TextEditor() const { return textEdit_; }
    QComboBox* TypeEditor() const { return typeCombo_; }
    QPushButton* AddButton() const { return addButton_; }
    QPushButton* InsertButton() const { return insertButton_; }
    QPushButton* DeleteButton() const { return deleteButton_; }
    // The line under the grid that says why an edit was refused.
    QLabel* Notice() const { return notice_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BeginEdit();
    void EndEdit(bool keep);
    bool HandleGridKey(const QKeyEvent& event);
    QWidget* OpenEditorWidget() const;
    void PlaceEditor();
    void Press(void (dpmr::ContactPagePresenter::*action)());

    dpmr::ContactPagePresenter& presenter_;
    FlexGrid* grid_ = nullptr;
    QLineEdit* textEdit_ = nullptr;
    QComboBox* typeCombo_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QLabel* notice_ = nullptr;
    bool syncing_ = false;
    bool detached_ = false;
};
