// The main window's hidden service keys.
#include "service/ServiceKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
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

bool ServiceKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    if (static_cast<QWidget*>(watched)->window() != window_ || QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers();
    if (key->key() == Qt::Key_F11 && (mods & Qt::ControlModifier)) {
        openPasswordGate_();
        return true;
    }
    if (key->key() == Qt::Key_F12 && (mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier)) {
        openAdjustment_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
