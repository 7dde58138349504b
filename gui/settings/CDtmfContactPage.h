// CDtmfContactPage: the "Contact" page of "DTMF": the 16 DTMF codes in a grid
// ("No.", "Code") with an in-place editor, keyed like every grid (GridKeys).
// A left click on a "Code" cell, or Enter or F2 while the grid has the
// focus, opens the editor over the current cell with the cell's text
// selected; a character the code takes, typed on the cell, opens it with that
// character. It takes "0".."9", "A".."D", "*" and "#" (letters upper-cased).
// Enter gives the focus back to the grid and moves down a row, Escape gives
// it back with the code as it was, and whenever the editor loses the focus
// its text goes into the cell. The image is
// written only when the page stores. The codes are the fields of the page's
// table, one a row; this page drives that presenter directly.
#pragma once

#include "form/CPageWidget.h"
#include "form/FieldPage.h"

class FlexGrid;
class QKeyEvent;
class QLineEdit;

class CDtmfContactPage : public CPageWidget {
    Q_OBJECT

  public:
    explicit CDtmfContactPage(dpmr::form::FieldPage& page, QWidget* parent = nullptr);

    FlexGrid* Grid() const { return grid_; }
    QLineEdit* Editor() const { return editor_; }
    // The row the editor is open on, 0 when it is closed.
    int EditRow() const { return editRow_; }

    void Refresh() override;
    void Detach() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenEditor();
    void CloseEditor();
    bool HandleEditorKey(const QKeyEvent& event);
    bool HandleGridKey(const QKeyEvent& event);

    dpmr::form::FieldPage& page_;
    FlexGrid* grid_ = nullptr;
    QLineEdit* editor_ = nullptr;
    int editRow_ = 0;
    std::string textAtOpen_;  // the code when the editor opened (Escape)
    bool detached_ = false;
};
