// Answers the next modal dialog (a message box or a dialog) from a timer, the
// way a user would click one of its buttons, and remembers its text.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

namespace dpmr::test {

struct ModalAnswer {
    QString text;  // the message box text, when it was one
    bool seen = false;
    bool stopped = false;  // set to stop waiting for a modal that did not come
};

// Polls for a modal widget (one that `wanted` accepts, when given) and hands
// it to `act`. Returns the record that is filled in when the modal appears.
inline std::shared_ptr<ModalAnswer> OnNextModal(std::function<void(QWidget*)> act,
                                                int timeoutMs = 10000,
                                                std::function<bool(QWidget*)> wanted = {}) {
    auto answer = std::make_shared<ModalAnswer>();
    auto* timer = new QTimer(qApp);  // freed at exit when no modal ever came
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, act, elapsed, timeoutMs, wanted] {
        *elapsed += 10;
        if (answer->stopped) *elapsed = timeoutMs;
        QWidget* modal = QApplication::activeModalWidget();
        if ((modal && wanted && !wanted(modal)) || answer->stopped) modal = nullptr;
        if (!modal && *elapsed < timeoutMs) return;
        timer->stop();
        timer->deleteLater();
        if (!modal) return;
        answer->seen = true;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) answer->text = box->text();
        act(modal);
    });
    timer->start();
    return answer;
}

// Clicks the message box button with the given role (Save, Discard, Cancel, Ok).
inline std::shared_ptr<ModalAnswer> ClickOnNextMessageBox(QMessageBox::StandardButton which) {
    return OnNextModal(
        [which](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                if (QAbstractButton* b = box->button(which)) {
                    b->click();
                    return;
                }
            }
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        },
        10000, [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; });
}

}  // namespace dpmr::test
