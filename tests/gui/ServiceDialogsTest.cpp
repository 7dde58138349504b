// The service entries driven as a technician drives them, offscreen: Ctrl+F11
// from any control of the main window (an open cell editor included) and the
// password, the squelch grid's editor, thresholds and band rows, the
// adjustment dialog through its key, and the Read and Write of both dialogs
// against the virtual radio, with the document unchanged after a failed read.
#include <QDialogButtonBox>
#include <QStatusBar>
#include <map>

#include <QMenuBar>
#include "TestMainWindow.h"
#include "image/ImageLayout.h"
#include "link/VirtualRadio.h"
#include "service/CServicePasswordDlg.h"
#include "service/CSqlCalibrationPage.h"
#include "service/SqlCalibrationDialog.h"
#include "support/ImageBytes.h"

using namespace dpmr::test;

namespace {

// Records the class of every dialog shown and answers it from its own event
// loop with the action given for its class (none: it is rejected).
class DialogWatcher : public QObject {
  public:
    DialogWatcher() { qApp->installEventFilter(this); }
    ~DialogWatcher() override { qApp->removeEventFilter(this); }
    std::map<QString, std::function<void(QDialog*)>> answers;
    QStringList shown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || !dialog || !dialog->isWindow()) return false;
        // A settings dialog goes by its caption, the others by their class.
        const QString name = qobject_cast<CTabDialog*>(dialog) ? dialog->windowTitle()
                                                               : dialog->metaObject()->className();
        if (name == "QMessageBox" || name == "CTransferWaitDlg") return false;
        shown << name;
        auto act = answers.contains(name) ? answers[name] : [](QDialog* d) { d->reject(); };
        // A check failing inside `act` must not leave the dialog open.
        QTimer::singleShot(0, dialog, [dialog, act] {
            act(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        return false;
    }
};

// The adjustment dialog's menu bar: "Read" and "Write".
QAction* ReadAction(QDialog* dialog) {
    return dialog->findChild<QMenuBar*>()->actions().value(0);
}
QAction* WriteAction(QDialog* dialog) {
    return dialog->findChild<QMenuBar*>()->actions().value(1);
}

dpmr::RadioImage Banded(std::uint32_t lowMhz, std::uint32_t highMhz) {
    dpmr::RadioImage image = Filled(0x22);
    image.SetBcd4(dpmr::layout::kTableBandLower, lowMhz * 100000);
    image.SetBcd4(dpmr::layout::kTableBandUpper, highMhz * 100000);
    return image;
}

}  // namespace

class ServiceDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestMainWindow> window_;

  private slots:
    void init() { window_ = std::make_unique<TestMainWindow>(); }
    void cleanup() { window_.reset(); }

    // Only Ctrl+F11 opens the gate, from wherever the focus is; only the
    // password (in any case, nothing more) opens the squelch dialog.
    void ctrlF11OpensTheGateFromAnyControlAndOnlyTheRightPasswordPasses() {
        CProgramView* view = window_->view();
        enum Focus { kGrid, kBands, kButton, kCellEditor, kDroppedList };
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const struct {
            Focus focus;
            Qt::KeyboardModifiers modifiers;
            const char* password;  // nullptr: Cancel
            int dialogs;           // 0: none, 1: the gate, 2: the gate and then squelch
        } cases[] = {
            {kGrid, Qt::NoModifier, "463RTV", 0},
            {kGrid, Qt::ShiftModifier, "463RTV", 0},
            {kBands, ctrl, "463RTV ", 1},
            {kGrid, ctrl, nullptr, 1},
            {kButton, ctrl, "", 1},
            {kCellEditor, ctrl, "463rtv", 2},
            {kDroppedList, ctrl, "463RTV", 2},
        };
        const QStringList dialogs = {"CServicePasswordDlg", "Sql"};
        for (const auto& c : cases) {
            DialogWatcher watcher;
            watcher.answers["CServicePasswordDlg"] = [&c](QDialog* gate) {
                QLineEdit* edit = static_cast<CServicePasswordDlg*>(gate)->PasswordEdit();
                QCOMPARE(edit->echoMode(), QLineEdit::Password);
                if (c.password) QTest::keyClicks(edit, c.password);
                gate->findChild<QDialogButtonBox*>()
                    ->button(c.password ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                    ->click();
            };
            ShowActive(window_->frame.get());
            QWidget* const plain[] = {view->grid(), view->bandList(), view->channelEditButton()};
            QWidget* focus = plain[c.focus <= kButton ? c.focus : kGrid];
            if (c.focus == kCellEditor) {
                ClickCell(view->grid(), 2, 1);
                focus = view->frequencyEditor();
                QTest::keyClicks(focus, "446.1");  // typed, not yet committed
            } else if (c.focus == kDroppedList) {
                view->bandList()->showPopup();
                focus = view->bandList()->view();
                QTRY_VERIFY(focus->isVisible());
            } else {
                focus->setFocus();
            }
            QTest::keyClick(focus, Qt::Key_F11, c.modifiers);
            // From a dropped-down list the gate opens once the list has closed.
            QTRY_COMPARE(watcher.shown, dialogs.first(c.dialogs));
            QVERIFY(!view->bandList()->view()->isVisible());
            // A wrong password is said; Cancel is not a wrong password.
            const bool wrong = c.dialogs == 1 && c.password;
            QCOMPARE(
                window_->frame->statusBar()->currentMessage().startsWith("Wrong service password"),
                wrong);
            window_->frame->statusBar()->clearMessage();
        }
        // The value typed in the cell editor was committed, not lost; the
        // dropped-down list closed without changing its cell.
        QCOMPARE(QString::fromStdString(view->presenter().Cell(2, 1)), QString("446.100000"));
        QCOMPARE(view->bandList()->currentText(), QString("400-470MHz"));
    }

    // One row a 5 MHz point of the band; a click opens a row's editor, Enter
    // or a click on another cell commits it; the thresholds turn only with
    // the focus; Escape closes and stores. (The rules: SqlCalibrationTest.)
    void squelchCellsAndThresholdsAsAUserEditsThem() {
        dpmr::RadioImage image = Banded(403, 470);
        dpmr::RadioImage expected = image;
        const auto dialog =
            OpenDialog(dpmr::SqlCalibrationDialogDecl(), image, {}, {"/dev/null", 9600});
        ShowActive(dialog.get());
        auto* page = static_cast<CSqlCalibrationPage*>(dialog->PageWidget(0));
        FlexGrid* grid = page->Grid();
        QCOMPARE(grid->Rows(), 16);  // the title row and 15 points
        QCOMPARE(grid->TextMatrix(2, 1) + grid->TextMatrix(15, 1),
                 QString("405470"));  // ends at the edge
        QVERIFY(!page->RowsNote()->isVisible());
        // A click opens the row's editor; Enter, or a click on another cell,
        // commits it.
        ClickCell(grid, 2, 2);
        QTest::keyClicks(page->CellEditor(2), "150");
        QTest::keyClick(page->CellEditor(2), Qt::Key_Return);
        QVERIFY(dialog->isVisible() && grid->hasFocus());
        // Enter moved down a row. A digit typed on the cell opens its editor
        // with it; Escape puts the value back and keeps the dialog open; F2
        // opens the editor with the cell's value.
        QCOMPARE(grid->Row(), 3);
        QTest::keyClicks(grid, "x9");
        QVERIFY(page->CellEditor(3)->hasFocus());
        QCOMPARE(TextOf(page->CellEditor(3)), QString("9"));
        QTest::keyClick(page->CellEditor(3), Qt::Key_Escape);
        QVERIFY(dialog->isVisible() && grid->hasFocus());
        QCOMPARE(grid->TextMatrix(3, 2), QString("34"));
        QTest::keyClick(grid, Qt::Key_F2);
        QCOMPARE(EditOf(page->CellEditor(3))->selectedText(), QString("34"));
        grid->setFocus();
        ClickCell(grid, 3, 2);
        QTest::keyClicks(page->CellEditor(3), "7");
        ClickCell(grid, 4, 2);
        grid->setFocus();
        grid->SetCurrentCell(5, 2);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(grid->TextMatrix(5, 2), QString());

        Type(page->Threshold(0), "20");
        Wheel(page->Threshold(2), 120);
        QCOMPARE(TextOf(page->Threshold(2)), QString("34"));
        QTest::keyClick(page->Threshold(3), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        const std::pair<std::size_t, std::uint8_t> stored[] = {
            {0x3E01, 150}, {0x3E02, 7}, {0x3E04, 60}, {0x3E3A, 20}};
        for (auto [off, value] : stored) expected.SetU8(off, value);
        QVERIFY(image == expected);  // and nothing else
    }

    // A failed read changes nothing. 400..520 MHz has 25 points: 17 rows are
    // shown (the radio keeps 17) and a note says so; Read and Write move all
    // 17 and the thresholds.
    void squelchReadAndWriteMoveTheBlockAndAFailedReadChangesNothing() {
        dpmr::VirtualRadio radio;
        dpmr::RadioImage memory = Filled(0x00);
        for (std::size_t k = 0; k < 17; ++k)
            memory.SetU8(0x3E00 + k, static_cast<std::uint8_t>(100 + k));
        memory.SetU8(0x3E3A, 77);
        radio.SetMemory(memory);
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = Banded(400, 520);

        {  // No port: the message, and nothing changes.
            const auto dialog = OpenDialog(dpmr::SqlCalibrationDialogDecl(), image, {},
                                           {"/dev/no-such-port", 9600});
            ShowActive(dialog.get());
            auto* page = static_cast<CSqlCalibrationPage*>(dialog->PageWidget(0));
            const dpmr::RadioImage before = image;
            // The warning offers the connection doctor, whose box names the port.
            std::shared_ptr<ModalAnswer> check;
            auto box = OnNextModal(
                [&check](QWidget* modal) {
                    auto* warning = qobject_cast<QMessageBox*>(modal);
                    QAbstractButton* offered = nullptr;
                    for (QAbstractButton* b : warning->buttons())
                        if (b->text() == "&Check the connection") offered = b;
                    if (!offered) return warning->reject();
                    check = ClickOnNextMessageBox(QMessageBox::Ok);
                    offered->click();
                },
                10000, [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; });
            QTest::mouseClick(page->ReadButton(), Qt::LeftButton);
            QCOMPARE(box->text.section(QChar(0x0A), 0, 0), QString("Could ont open the port"));
            QVERIFY(check && check->seen);
            QVERIFY2(check->text.contains("/dev/no-such-port"), qPrintable(check->text));
            QVERIFY(image == before);
            QCOMPARE(page->Grid()->TextMatrix(1, 2), QString("34"));
        }
        const auto dialog =
            OpenDialog(dpmr::SqlCalibrationDialogDecl(), image, {}, {radio.DevicePath(), 9600});
        ShowActive(dialog.get());
        auto* page = static_cast<CSqlCalibrationPage*>(dialog->PageWidget(0));
        QCOMPARE(page->Grid()->Rows(), 18);
        QCOMPARE(page->Grid()->TextMatrix(17, 1), QString("480"));
        QVERIFY(page->RowsNote()->isVisible() && page->RowsNote()->text().contains("25 points"));
        QTest::mouseClick(page->ReadButton(), Qt::LeftButton);  // no message on success
        QCOMPARE(page->Grid()->TextMatrix(17, 2), QString("116"));
        QCOMPARE(TextOf(page->Threshold(0)), QString("77"));

        ClickCell(page->Grid(), 1, 2);
        QTest::keyClicks(page->CellEditor(1), "5");
        auto box = ClickOnNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(page->WriteButton(), Qt::LeftButton);
        QCOMPARE(box->text, QString("Success"));
        QCOMPARE(radio.Memory().U8(0x3E00), std::uint8_t{5});
        QCOMPARE(radio.Memory().U8(0x3E3A), std::uint8_t{77});
    }

    // Through Ctrl+Shift+F12 on the main window: a failed read leaves the
    // document and the pages as they were; a read, edits and a write go
    // through.
    void adjustmentDialogThroughItsKeyReadsEditsAndWrites() {
        dpmr::VirtualRadio radio;
        dpmr::RadioImage memory = Filled(0x00);
        for (std::size_t k = 0; k < 72; ++k) memory.SetU8(0x40 + k, static_cast<std::uint8_t>(k));
        radio.SetMemory(memory);
        QVERIFY(radio.Start().ok());
        window_->context.settings.portName = radio.DevicePath();
        ShowActive(window_->frame.get());

        DialogWatcher watcher;
        QStringList seen;
        watcher.answers["可调节参数"] = [&](QDialog* d) {
            auto* dialog = static_cast<CTabDialog*>(d);
            seen << dialog->windowTitle();
            for (int i = 0; i < dialog->Tabs()->count(); ++i) seen << dialog->Tabs()->tabText(i);
            const dpmr::RadioImage before = window_->context.image;
            radio.SetFaults({.nakReadAt = 0x60});  // the fifth of nine blocks fails
            auto box = ClickOnNextMessageBox(QMessageBox::Ok);
            ReadAction(dialog)->trigger();
            seen << box->text.section(QChar(0x0A), 0, 0);
            if (window_->context.image == before &&
                TextOf(Control(*dialog, 0, "lout_dc_offset")) == "FFFF")
                seen << "unchanged";
            dialog->close();
        };
        QTest::keyClick(window_->view()->grid(), Qt::Key_F12,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(watcher.shown, QStringList({"可调节参数"}));
        QCOMPARE(seen, QStringList(
                           {"可调节参数", "Tx", "Rx", "DTMF", "Communication error", "unchanged"}));

        QStringList messages;
        watcher.answers["可调节参数"] = [&](QDialog* d) {
            auto* dialog = static_cast<CTabDialog*>(d);
            ShowActive(dialog);
            radio.SetFaults({});
            auto box = ClickOnNextMessageBox(QMessageBox::Ok);
            ReadAction(dialog)->trigger();
            messages << box->text;
            messages << TextOf(Control(*dialog, 0, "lout_dc_offset"));  // 0x00, 0x01 low first
            dialog->Tabs()->setCurrentIndex(2);
            auto* vco = static_cast<QComboBox*>(Control(*dialog, 2, "vco_gain"));
            vco->setCurrentIndex(vco->findText("6"));
            box = ClickOnNextMessageBox(QMessageBox::Ok);
            WriteAction(dialog)->trigger();
            messages << box->text;
            QTest::keyClick(dialog, Qt::Key_Escape);
        };
        QTest::keyClick(window_->view()->grid(), Qt::Key_F12,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(messages, QStringList({"Read successfully", "100", "Write successfully"}));
        const dpmr::RadioImage& image = window_->context.image;
        QCOMPARE(image.U8(0x81), std::uint8_t{63});
        QCOMPARE(ImageBytes(radio.Memory(), 0x40, 0x48), ImageBytes(image, 0x40, 0x48));
    }
};

QTEST_MAIN(ServiceDialogsTest)
#include "ServiceDialogsTest.moc"
