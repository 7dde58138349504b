// The main window's hidden service keys.
#include "service/ServiceKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

ServiceKeyFilter::ServiceKeyFilter(QWidget* window, std::function<void()> openPasswordGate,
                                   std::function<void()> openAdjustment)
    : QObject(window),
      window_(window),
      openPasswordGate_(std::move(openPasswordGate)),
      openAdjustment_(std::move(openAdjustment)) {
    qApp->installEventFilter(this);
}

ServiceKeyFilter::~ServiceKeyFilter() {
    qApp->removeEventFilter(this);
}

namespace {

// The window a key press belongs to: its widget's window, or for a drop-down
// list that is open (a popup) the window of the control that opened it.
QWidget* OwningWindow(QWidget* widget) {
    QWidget* window = widget->window();
    while (window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

}  // namespace

bool ServiceKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (OwningWindow(widget) != window_ || QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers();
    std::function<void()>* open = nullptr;
    if (key->key() == Qt::Key_F11 && (mods & Qt::ControlModifier))
        open = &openPasswordGate_;
    else if (key->key() == Qt::Key_F12 && (mods & Qt::ControlModifier) &&
             (mods & Qt::ShiftModifier))
        open = &openAdjustment_;
    if (!open) return QObject::eventFilter(watched, event);
    if (widget->window() == window_) {
        (*open)();
    } else {
        // An open drop-down list closes first (its control keeps its entry);
        // the dialog opens once the list is gone.
        widget->window()->close();
        QTimer::singleShot(0, this, *open);
    }
    return true;
}
