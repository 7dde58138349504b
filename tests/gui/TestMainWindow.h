// TestMainWindow: the main window as the program opens it, for GUI tests: its
// settings read from a fresh folder of its own that holds the Program.ini the
// program ships, the user's settings and backups kept in that folder too,
// File > New done. The window goes before the values it works on. With it,
// the ways a user drives widgets that every GUI suite shares.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <memory>

#include "ModalHelper.h"
#include "ProjectPaths.h"
#include "app/CDocumentController.h"
#include "app/CMainFrame.h"
#include "app/CRadioCommands.h"
#include "channels/CProgramView.h"
#include "form/CFormPage.h"
#include "form/CTabDialog.h"
#include "form/DialogLauncher.h"
#include "link/CProgressDlg.h"
#include "support/TempDir.h"
#include "widgets/FlexGrid.h"
#include "widgets/SpinEdit.h"

namespace dpmr::test {

struct TestMainWindow {
    TempDir dir;
    AppContext context;
    std::unique_ptr<CMainFrame> frame;
    QString nextFile;       // what File > Open and Save As are answered
    QString offeredFolder;  // where they were offered to look

    explicit TestMainWindow(const std::string& port = {}) {
        std::filesystem::copy_file(SourceDir() + "/res/Program.ini", dir.File("Program.ini"));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.File("config")));
        context.settings = LoadAppSettings(dir.path());
        if (!port.empty()) context.settings.portName = port;
        context.backupFolder = dir.File("backups/");
        frame = std::make_unique<CMainFrame>(context);
        frame->controller().SetFileChooser([this](bool, const QString& offered) {
            offeredFolder = offered;
            return nextFile;
        });
        frame->controller().NewDocument();
    }
    ~TestMainWindow() {
        frame.reset();
        qunsetenv("XDG_CONFIG_HOME");
    }
    QAction* Action(ActionId id) const { return frame->Action(id); }
    CProgramView* view() const { return frame->view(); }
};

// Shows a window as the active one, so that focus changes happen.
inline void ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

inline void ClickCell(FlexGrid* grid, int row, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(row, col).center());
}

inline QLineEdit* EditOf(QWidget* box) {
    if (auto* spin = qobject_cast<SpinEdit*>(box)) return spin->findChild<QLineEdit*>();
    return qobject_cast<QLineEdit*>(box);
}
inline QString TextOf(QWidget* box) {
    return EditOf(box)->text();
}

// Types into a box as a user does: focus, select all, erase, type; `leave`
// then moves the focus away, so the box's rule runs.
inline void Type(QWidget* box, const QString& text, bool leave = true) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    if (leave) box->clearFocus();
}

// One notch of the mouse wheel over a widget that need not have the focus.
inline void Wheel(QWidget* w, int dy) {
    QWheelEvent wheel(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), {}, {0, dy}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
}

// A settings dialog as the program makes it, on `image`.
inline std::unique_ptr<CTabDialog> OpenDialog(const form::DialogDecl& decl, RadioImage& image,
                                              const QString& pictures = {},
                                              LinkSettings link = {}) {
    return MakeSettingsDialog(decl, image, {pictures, std::move(link)}, nullptr);
}

inline QWidget* Control(CTabDialog& dialog, int page, const char* key) {
    return static_cast<CFormPage*>(dialog.PageWidget(page))->Control(key);
}

inline RadioImage Filled(std::uint8_t value) {
    RadioImage image;
    image.Fill(0, RadioImage::kSize, value);
    return image;
}

// Clicks Start in the next progress dialog, after `before` has seen it, and
// Close once the transfer has ended and `ended` has seen the result.
inline std::shared_ptr<ModalAnswer> StartNextTransfer(
    std::function<void(CProgressDlg*)> before = {}, std::function<void(CProgressDlg*)> ended = {}) {
    return OnNextModal(
        [before, ended](QWidget* modal) {
            auto* dialog = qobject_cast<CProgressDlg*>(modal);
            if (before) before(dialog);
            QObject::connect(
                dialog, &CProgressDlg::TransferEnded, dialog,
                [dialog, ended] {
                    if (ended) ended(dialog);
                    dialog->exitButton()->click();
                },
                Qt::QueuedConnection);
            dialog->startButton()->click();
        },
        10000, [](QWidget* modal) { return qobject_cast<CProgressDlg*>(modal) != nullptr; });
}

}  // namespace dpmr::test
