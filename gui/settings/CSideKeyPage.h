// CSideKeyPage: the "Side Key" page of "Basic setting": the long-press time
// and the function of each programmable key, with a picture of the radio that
// shows the key whose list has the focus. The pictures are "TK.bmp",
// "SK1.bmp" and "SK2.bmp" of the picture folder when they load, else the
// program's own.
#pragma once

#include <QPixmap>
#include <QString>
#include <array>

#include "form/CFormPage.h"

class QLabel;

class CSideKeyPage : public CFormPage {
  public:
    enum class Key { kTk, kSk1, kSk2 };

    CSideKeyPage(dpmr::form::FieldPage& page, const QString& pictureFolder,
                 QWidget* parent = nullptr);

    Key ShownKey() const { return shown_; }
    QLabel* Picture() const { return picture_; }
    // Whether the key's picture came from the picture folder.
    bool FromPictureFolder(Key key) const { return fromFolder_[static_cast<std::size_t>(key)]; }

  private:
    void Show(Key key);

    QLabel* picture_ = nullptr;
    std::array<QPixmap, 3> pixmaps_;
    std::array<bool, 3> fromFolder_{};
    Key shown_ = Key::kTk;
};
