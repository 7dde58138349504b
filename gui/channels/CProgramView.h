// CProgramView: the main window's central widget. Shows the 16 channels in a
// grid with in-place editors, the "Freq range" band choice and the "Channel
// edit" and "Factroy" buttons, and prints the table. Every rule lives in
// dpmr::ChannelTablePresenter; this class forwards events and draws. A choice
// that would empty the table asks first; the band box takes the mouse wheel
// only when it has the focus. Every change of the document made here (a
// committed cell, a band change, "Factroy") is announced by Edited with the
// name of its undo step; "Channel edit" asks the document to run its dialog.
// With several rows selected, a tone or list cell committed on one of them
// is set for all of them (one step, "Channels 1-4 Power").
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "channels/ChannelCellEditors.h"
#include "channels/ChannelPlan.h"
#include "channels/ChannelTablePresenter.h"
#include "config/AppSettings.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPrinter;
class QPushButton;
class FlexGrid;

// Runs an editor of the image as one change of the document, named for the
// undo history (the document controller's RunImageEditor).
using ImageEditorRunner =
    std::function<void(const std::function<void()>& edit, const QString& stepName)>;

namespace grid_keys {
enum class Move;
}

class CProgramView : public QWidget {
    Q_OBJECT
  public:
    // The view works on the one image and band of the run; it never copies them.
    CProgramView(dpmr::RadioImage& image, dpmr::BandLimits& band, const dpmr::AppSettings& settings,
                 QWidget* parent = nullptr);
    ~CProgramView() override;

    // After every New and every successful Open: band and table from the
    // image, then the contact checks (names first, then references); the
    // table takes the keyboard focus.
    void OnInitialUpdate();

    // Commits an open in-place editor and encodes the 16 rows into the image.
    void StoreGridToImage();
    // What StoreGridToImage would write, written into `target` instead; the
    // real image, the band and the table stay as they are.
    void StoreGridInto(dpmr::RadioImage& target);
    // Reloads the "Freq range" list, selects the band of the image's band
    // edges and rebuilds the table.
    void SelectBandFromImage();

    // Commits the open in-place editor (as the editor losing the focus does).
    void CommitEditor();

    // The rows a copy takes and a paste starts at: those of the table's
    // selection when it spans several rows (row numbers clicked, Shift with
    // the arrows or the mouse, Ctrl+A), else the current row.
    std::pair<int, int> SelectedRowRange() const;

    // Edit > Apply to Selected Channels: the current cell's text into its
    // column of every selected row, one change of the document.
    void ApplyCellToSelection();
    // Edit > Fill Channels: the plan into the table, one change of the
    // document; what was done goes to the status bar, and what was left out
    // or changed besides into a message.
    void FillChannels(const dpmr::FillRequest& request);

    // Draws the band and the 16 rows onto `printer`, page after page.
    void PrintTable(QPrinter* printer);

    dpmr::ChannelTablePresenter& presenter() { return presenter_; }
    FlexGrid* grid() const { return grid_; }
    QComboBox* bandList() const { return bandList_; }
    QLineEdit* frequencyEditor() const { return editors_->frequency(); }
    QComboBox* toneEditor() const { return editors_->tone(); }
    QComboBox* listEditor() const { return editors_->list(); }
    QPushButton* channelEditButton() const { return editButton_; }
    QPushButton* factoryButton() const { return factoryButton_; }

  signals:
    // The table shows other texts than before (for the title's mark); a move
    // of the current cell alone is no change.
    void TableChanged();
    // A commit changed (or refused) what was typed: the words for the status
    // bar, which stay until the next edit begins; then an empty text. The
    // cell carries the words as its tooltip, on a marked background, as long.
    void Notice(const QString& text);
    // An action that may have changed the document ended: `stepName` names
    // its undo step ("Channel 3 Rx Freq", "Freq range", "Factroy", a
    // dialog's caption).
    void Edited(const QString& stepName);
    // The "Channel edit" button: the document runs the dialog on the
    // current row.
    void ChannelEditRequested();

  public slots:
    void OnFactory();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnBandActivated(int index);
    void OnGridMouseDown(int row, int col, Qt::MouseButton button);
    void OnGridCurrentChanged(int row, int col);
    // The grid's selection changed: the presenter learns its rows.
    void OnSelectionChanged();
    void BeginCellEdit();
    // Shows the editor the presenter opened, with the focus; typed text keeps
    // the cursor at its end, a cell's own text is selected whole.
    void ShowOpenedEditor(bool selectAll);
    // Takes the mark off the cell last corrected and ends its notice.
    void ClearCorrection();
    // Edited for the cell the last editor was open on.
    void AnnounceCellEdit();
    void CopyEditorTextToPresenter();
    // The editor the presenter has open, or none.
    const ChannelCellEditors::Editor* OpenEditorWidget() const;
    // Tab and Shift+Tab, on the grid or in an editor: the cell is committed
    // and the next (or previous) one becomes current; Ctrl+Tab on the grid
    // leaves the table.
    bool HandleTab(bool onGrid, const QKeyEvent& event, grid_keys::Move move);
    bool HandleEditorKey(const QKeyEvent& event);
    bool HandleGridKey(const QKeyEvent& event, grid_keys::Move move);
    void ShowPresenterState();
    void PlaceEditor();
    void ShowMessage(const std::string& text);
    // A Yes/No question, No by default; true for Yes.
    bool Ask(const char* question);

    dpmr::RadioImage& image_;
    dpmr::BandLimits& band_;
    dpmr::ChannelTablePresenter presenter_;
    QComboBox* bandList_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* factoryButton_ = nullptr;
    FlexGrid* grid_ = nullptr;
    std::unique_ptr<ChannelCellEditors> editors_;
    bool syncing_ = false;
    int markedRow_ = 0;  // the cell last corrected (0: none)
    int markedCol_ = 0;
};
