// The side-key page and its key pictures.
#include "settings/CSideKeyPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

#include "app/Resources.h"

namespace {

constexpr const char* kFiles[] = {"TK.bmp", "SK1.bmp", "SK2.bmp"};
constexpr const char* kBuiltIn[] = {":/pictures/TK.svg", ":/pictures/SK1.svg",
                                    ":/pictures/SK2.svg"};

QPixmap RenderBuiltIn(const char* resource) {
    QSvgRenderer renderer{QString(resource)};
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace

CSideKeyPage::CSideKeyPage(dpmr::form::FieldPage& page, const QString& pictureFolder,
                           QWidget* parent)
    : CFormPage(page, parent) {
    InitResources();
    for (std::size_t k = 0; k < pixmaps_.size(); ++k) {
        QPixmap fromFile;
        if (!pictureFolder.isEmpty() && fromFile.load(pictureFolder + kFiles[k])) {
            pixmaps_[k] = fromFile;
            fromFolder_[k] = true;
        } else {
            pixmaps_[k] = RenderBuiltIn(kBuiltIn[k]);
        }
    }
    picture_ = new QLabel(this);
    picture_->setObjectName("keyPicture");
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Room for the largest picture inside the frame, so that neither is cut
    // (a picture from the folder larger than half the screen is shown smaller).
    const QSize most(640, 400);
    QSize room;
    for (QPixmap& pixmap : pixmaps_) {
        if (pixmap.width() > most.width() || pixmap.height() > most.height())
            pixmap = pixmap.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        room = room.expandedTo(pixmap.size());
    }
    picture_->setMinimumSize(room + 2 * QSize(picture_->frameWidth(), picture_->frameWidth()));
    Columns()->addWidget(picture_);

    // The picture follows the key whose list has the focus.
    Binder().onFocus = [this](std::size_t field) {
        const std::string& group = Page().Field(field).group;
        if (group == "TK1") Show(Key::kTk);
        if (group == "SK1") Show(Key::kSk1);
        if (group == "SK2") Show(Key::kSk2);
    };
    Show(Key::kTk);
}

void CSideKeyPage::Show(Key key) {
    shown_ = key;
    picture_->setPixmap(pixmaps_[static_cast<std::size_t>(key)]);
}
