// DialogCaptionWatcher: the first dialog shown, seen through an application
// event filter.
#include "widgets/DialogCaptionWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

DialogCaptionWatcher::DialogCaptionWatcher() {
    qApp->installEventFilter(this);
}

DialogCaptionWatcher::~DialogCaptionWatcher() {
    qApp->removeEventFilter(this);
}

bool DialogCaptionWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (!seen_ && event->type() == QEvent::Show) {
        const auto* dialog = qobject_cast<const QDialog*>(watched);
        if (dialog && dialog->isWindow()) {
            seen_ = true;
            caption_ = dialog->windowTitle();
        }
    }
    return QObject::eventFilter(watched, event);
}
