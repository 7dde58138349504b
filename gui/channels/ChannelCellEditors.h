// ChannelCellEditors: the three in-place editors of the channel table (the
// frequency line, the tone box that also takes typed tones, the drop-down
// list), shown over the cell the presenter has open. They fill themselves
// from the presenter and hand their text back to it; the view places them
// and turns their keys into table moves.
#pragma once

#include <array>
#include <vector>

#include "channels/ChannelTablePresenter.h"

class QComboBox;
class QLineEdit;
class QObject;
class QWidget;

class ChannelCellEditors {
  public:
    // An editor: the widget shown over the cell, the line its text is typed
    // in (none for the drop-down list), and what Enter in it does.
    struct Editor {
        QWidget* widget = nullptr;
        QLineEdit* line = nullptr;
        void (dpmr::ChannelTablePresenter::*enter)() = nullptr;
    };

    // The editors live on `viewport`, hidden; `filter` sees their events.
    ChannelCellEditors(QWidget* viewport, QObject* filter);

    QLineEdit* frequency() const { return frequency_; }
    QComboBox* tone() const { return tone_; }
    QComboBox* list() const { return list_; }

    // The editor the presenter has open, or none.
    const Editor* Open(const dpmr::ChannelTablePresenter& presenter) const;
    std::vector<QWidget*> Widgets() const;
    // True for an editor or a part of one (the tone box's own line).
    bool Contains(const QWidget* widget) const;
    // The open editor takes the presenter's text (or selection, or items).
    void Fill(const dpmr::ChannelTablePresenter& presenter);
    // The open editor's text into the presenter.
    void CopyTextTo(dpmr::ChannelTablePresenter& presenter) const;

  private:
    QLineEdit* frequency_ = nullptr;
    QComboBox* tone_ = nullptr;
    QComboBox* list_ = nullptr;
    std::array<Editor, 3> editors_{};  // frequency, tone, list
};
