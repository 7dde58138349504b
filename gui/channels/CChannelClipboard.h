// CChannelClipboard: Edit > Copy and Paste for the channel table. Copy puts
// the selected rows (or the current row) on the system clipboard as
// tab-separated text with a header, which spreadsheets paste, together with
// the rows' records (kChannelRecordsMime), which a paste into this program
// writes back whole. Paste writes from the first selected (or the current)
// row down as one change of the document, through the table's rules for text
// from elsewhere; what it changed or left out is shown. The rules live in
// core/interchange/ChannelClipboard.
#pragma once

#include <QObject>
#include <QString>
#include <utility>

#include "channels/CProgramView.h"
#include "image/RadioImage.h"

class CChannelClipboard : public QObject {
    Q_OBJECT
  public:
    CChannelClipboard(dpmr::RadioImage& image, CProgramView& view, ImageEditorRunner runEditor,
                      QObject* parent = nullptr);

    // The rows a copy takes and a paste starts at (the view's
    // SelectedRowRange).
    std::pair<int, int> SelectedRows() const;

  public slots:
    void Copy();
    void Paste();

  signals:
    // A short account for the status bar.
    void Notice(const QString& text);

  private:
    dpmr::RadioImage& image_;
    CProgramView& view_;
    ImageEditorRunner runEditor_;
};
