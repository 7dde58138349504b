// The service entries driven as a technician drives them, offscreen: Ctrl+F11
// from any control of the main window (an open cell editor included) and the
// password, the squelch grid's editor, thresholds and band rows, the
// adjustment dialog through its key, and the Read and Write of both dialogs
// against the virtual radio, with the document unchanged after a failed read.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <map>

#include "ModalHelper.h"
#include "TestMainWindow.h"
#include "app/CMainFrame.h"
#include "channels/CProgramView.h"
#include "form/CFormPage.h"
#include "image/ImageLayout.h"
#include "link/VirtualRadio.h"
#include "service/CAdjustParamDlg.h"
#include "service/CServicePasswordDlg.h"
#include "service/CSqlCalibrationDlg.h"
#include "service/CSqlCalibrationPage.h"
#include "widgets/FlexGrid.h"
#include "widgets/SpinEdit.h"

using dpmr::test::ClickOnNextMessageBox;

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
        const QString name = dialog->metaObject()->className();
        if (name == "QMessageBox" || name == "CTransferWaitDlg") return false;
        shown << name;
        const auto found = answers.find(name);
        auto act = found != answers.end() ? found->second : [](QDialog* d) { d->reject(); };
        // A check failing inside `act` must not leave the dialog open.
        QTimer::singleShot(0, dialog, [dialog, act] {
            act(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        return false;
    }
};

void ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Types into a box as a user does: focus, select all, erase, type, leave.
void TypeAndLeave(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    box->clearFocus();
}

QString TextOf(QWidget* box) {
    if (auto* spin = qobject_cast<SpinEdit*>(box)) return spin->findChild<QLineEdit*>()->text();
    return static_cast<QLineEdit*>(box)->text();
}

void ClickCell(FlexGrid* grid, int row, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(row, col).center());
}

dpmr::RadioImage Filled(std::uint8_t value) {
    dpmr::RadioImage image;
    image.Fill(0, dpmr::RadioImage::kSize, value);
    return image;
}

void SetBand(dpmr::RadioImage& image, std::uint32_t lowMhz, std::uint32_t highMhz) {
    image.SetBcd4(dpmr::layout::kTableBandLower, lowMhz * 100000);
    image.SetBcd4(dpmr::layout::kTableBandUpper, highMhz * 100000);
}

QWidget* AdjustControl(CAdjustParamDlg* dialog, int page, const char* key) {
    return static_cast<CFormPage*>(dialog->PageWidget(page))->Control(key);
}

}  // namespace

class ServiceDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<dpmr::test::TestMainWindow> window_;

  private slots:
    void init() { window_ = std::make_unique<dpmr::test::TestMainWindow>(); }
    void cleanup() { window_.reset(); }

    void ctrlF11OpensTheGateFromAnyControlAndOnlyTheRightPasswordPasses() {
        ShowActive(window_->frame.get());
        CProgramView* view = window_->frame->view();
        const struct {
            const char* name;
            QWidget* focus;  // nullptr: the frequency editor of row 2, opened by a click
            Qt::KeyboardModifiers modifiers;
            const char* password;  // nullptr: Cancel
            QStringList shown;
        } cases[] = {
            {"F11 alone", view->grid(), Qt::NoModifier, "463RTV", {}},
            {"Shift+F11", view->grid(), Qt::ShiftModifier, "463RTV", {}},
            {"trailing blank",
             view->bandList(),
             Qt::ControlModifier,
             "463RTV ",
             {"CServicePasswordDlg"}},
            {"cancel", view->grid(), Qt::ControlModifier, nullptr, {"CServicePasswordDlg"}},
            {"empty", view->channelEditButton(), Qt::ControlModifier, "", {"CServicePasswordDlg"}},
            {"lower case, from a cell editor",
             nullptr,
             Qt::ControlModifier,
             "463rtv",
             {"CServicePasswordDlg", "CSqlCalibrationDlg"}},
            {"band list dropped down",
             view->bandList()->view(),
             Qt::ControlModifier,
             "463RTV",
             {"CServicePasswordDlg", "CSqlCalibrationDlg"}},
        };
        for (const auto& c : cases) {
            DialogWatcher watcher;
            watcher.answers["CServicePasswordDlg"] = [&c](QDialog* gate) {
                auto* edit = static_cast<CServicePasswordDlg*>(gate)->PasswordEdit();
                if (c.password) QTest::keyClicks(edit, c.password);
                auto* buttons = gate->findChild<QDialogButtonBox*>();
                const auto which = c.password ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel;
                buttons->button(which)->click();
            };
            ShowActive(window_->frame.get());
            QWidget* focus = c.focus;
            if (!focus) {
                ClickCell(view->grid(), 2, 1);
                focus = view->frequencyEditor();
                QTest::keyClicks(focus, "446.1");  // typed, not yet committed
            }
            if (focus == view->bandList()->view()) {
                view->bandList()->showPopup();
                QTRY_VERIFY(focus->isVisible());
            } else {
                focus->setFocus();
                QVERIFY2(focus->hasFocus(), c.name);
            }
            QTest::keyClick(focus, Qt::Key_F11, c.modifiers);
            // From a dropped-down list the gate opens once the list has closed.
            QTRY_VERIFY2(watcher.shown == c.shown,
                         qPrintable(QString(c.name) + ": " + watcher.shown.join(",")));
            QVERIFY(!view->bandList()->view()->isVisible());
        }
        QCOMPARE(view->bandList()->currentText(), QString("400-470MHz"));
        // The value typed in the cell editor was committed, not lost; the
        // dropped-down list closed without changing its cell.
        QCOMPARE(QString::fromStdString(view->presenter().Cell(2, 1)), QString("446.100000"));
        QCOMPARE(view->bandList()->currentText(), QString("400-470MHz"));
    }

    void thePasswordEditMasksAndTakes14Characters() {
        CServicePasswordDlg gate;
        QCOMPARE(gate.windowTitle(), QString("Password"));
        QCOMPARE(gate.PasswordEdit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(gate.PasswordEdit(), "463RTV463RTV463RTV");
        QCOMPARE(gate.PasswordEdit()->text(), QString("463RTV463RTV46"));
        QVERIFY(gate.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isDefault());
    }

    void squelchCellsAndThresholdsAsAUserEditsThem() {
        dpmr::RadioImage image = Filled(0x22);
        SetBand(image, 403, 470);
        image.SetU8(0x3E03, 255);
        image.SetU8(0x3E3B, 127);
        CSqlCalibrationDlg dialog(image, {"/dev/null", 9600});
        ShowActive(&dialog);
        CSqlCalibrationPage* page = dialog.Page();
        FlexGrid* grid = page->Grid();
        QCOMPARE(dialog.windowTitle(), QString("Sql"));
        QCOMPARE(grid->Rows(), 16);  // the title row and 15 points
        QCOMPARE(grid->TextMatrix(0, 1), QString("Freq"));
        QCOMPARE(grid->TextMatrix(0, 2), QString("Sql"));
        QCOMPARE(grid->TextMatrix(1, 1), QString("403"));
        QCOMPARE(grid->TextMatrix(2, 1), QString("405"));
        QCOMPARE(grid->TextMatrix(15, 0), QString("15"));
        QCOMPARE(grid->TextMatrix(15, 2), QString("34"));
        QVERIFY(!page->RowsNote()->isVisible());

        // A click opens the row's editor over the cell; Enter commits it.
        ClickCell(grid, 2, 2);
        SpinEdit* editor = page->CellEditor(2);
        QVERIFY(editor->isVisible() && editor->hasFocus());
        QCOMPARE(grid->item(1, 1)->foreground().color(), QColor(255, 0, 0));
        QTest::keyClicks(editor, "3x00");
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(dialog.isVisible() && !editor->isVisible() && grid->hasFocus());
        QCOMPARE(grid->TextMatrix(2, 2), QString("255"));

        // Clicking another cell commits the open one; the spin wraps.
        ClickCell(grid, 3, 2);
        QTest::keyClicks(page->CellEditor(3), "0");
        ClickCell(grid, 4, 2);
        QCOMPARE(grid->TextMatrix(3, 2), QString("1"));
        QVERIFY(grid->item(1, 1)->foreground().color() != QColor(255, 0, 0));
        QTest::keyClick(page->CellEditor(4), Qt::Key_Up);
        QCOMPARE(TextOf(page->CellEditor(4)), QString("1"));

        // Enter on the grid opens the current cell; Delete empties it.
        grid->setFocus();
        grid->SetCurrentCell(6, 2);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(dialog.isVisible() && page->CellEditor(6)->hasFocus());
        grid->setFocus();
        grid->SetCurrentCell(5, 2);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(grid->TextMatrix(5, 2), QString());

        TypeAndLeave(page->Threshold(0), "200");
        QCOMPARE(TextOf(page->Threshold(0)), QString("0"));
        page->Threshold(1)->setFocus();
        QTest::keyClick(page->Threshold(1), Qt::Key_Up);
        QCOMPARE(TextOf(page->Threshold(1)), QString("0"));
        // The wheel over a box without the focus changes nothing.
        QWheelEvent wheel(QPointF(5, 5), page->Threshold(2)->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(page->Threshold(2), &wheel);
        QCOMPARE(TextOf(page->Threshold(2)), QString("34"));

        QTest::keyClick(page->Threshold(3), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        const std::vector<std::uint8_t> expected = {0x22, 255, 1, 1, 60, 0x22};
        for (std::size_t k = 0; k < expected.size(); ++k)
            QCOMPARE(image.U8(0x3E00 + k), expected[k]);
        QCOMPARE(image.U8(0x3E3A), std::uint8_t{0});
        QCOMPARE(image.U8(0x3E3B), std::uint8_t{0});
        QCOMPARE(image.U8(0x3E3C), std::uint8_t{0x22});
    }

    void aBandOfMoreThan17PointsShows17RowsAndSaysSo() {
        dpmr::RadioImage image = Filled(0x22);
        SetBand(image, 400, 520);
        const dpmr::RadioImage before = image;
        {
            CSqlCalibrationDlg dialog(image, {"/dev/null", 9600});
            ShowActive(&dialog);
            CSqlCalibrationPage* page = dialog.Page();
            QCOMPARE(page->Grid()->Rows(), 18);
            QCOMPARE(page->Grid()->TextMatrix(17, 1), QString("480"));
            QVERIFY(page->RowsNote()->isVisible());
            QVERIFY(page->RowsNote()->text().contains("25 points"));
            ClickCell(page->Grid(), 17, 2);
            QTest::keyClicks(page->CellEditor(17), "9");
            dialog.close();
        }
        dpmr::RadioImage expected = before;
        expected.SetU8(0x3E10, 9);
        QVERIFY(image == expected);
    }

    void squelchReadAndWriteMoveTheBlockAndAFailedReadChangesNothing() {
        dpmr::VirtualRadio radio;
        dpmr::RadioImage memory = Filled(0x00);
        for (std::size_t k = 0; k < 17; ++k)
            memory.SetU8(0x3E00 + k, static_cast<std::uint8_t>(100 + k));
        memory.SetU8(0x3E3A, 77);
        radio.SetMemory(memory);
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = Filled(0x22);
        SetBand(image, 400, 470);

        {  // No port: the message, and nothing changes.
            CSqlCalibrationDlg dialog(image, {"/dev/no-such-port", 9600});
            ShowActive(&dialog);
            const dpmr::RadioImage before = image;
            auto box = ClickOnNextMessageBox(QMessageBox::Ok);
            QTest::mouseClick(dialog.Page()->ReadButton(), Qt::LeftButton);
            QCOMPARE(box->text.section(QChar(0x0A), 0, 0), QString("Could ont open the port"));
            QVERIFY(image == before);
            QCOMPARE(dialog.Page()->Grid()->TextMatrix(1, 2), QString("34"));
        }
        CSqlCalibrationDlg dialog(image, {radio.DevicePath(), 9600});
        ShowActive(&dialog);
        CSqlCalibrationPage* page = dialog.Page();
        QTest::mouseClick(page->ReadButton(), Qt::LeftButton);  // no message on success
        QCOMPARE(page->Grid()->TextMatrix(1, 2), QString("100"));
        QCOMPARE(page->Grid()->TextMatrix(15, 2), QString("114"));
        QCOMPARE(TextOf(page->Threshold(0)), QString("77"));
        QCOMPARE(image.U8(0x3E10), std::uint8_t{116});  // all 17 values came

        ClickCell(page->Grid(), 1, 2);
        QTest::keyClicks(page->CellEditor(1), "5");
        auto box = ClickOnNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(page->WriteButton(), Qt::LeftButton);
        QCOMPARE(box->text, QString("Success"));
        QCOMPARE(radio.Memory().U8(0x3E00), std::uint8_t{5});
        QCOMPARE(radio.Memory().U8(0x3E3A), std::uint8_t{77});
        QCOMPARE(radio.Memory().U8(0x3E10), std::uint8_t{116});
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
        QString caption, tabs, message;
        bool unchanged = false;
        watcher.answers["CAdjustParamDlg"] = [&](QDialog* d) {
            auto* dialog = static_cast<CAdjustParamDlg*>(d);
            caption = dialog->windowTitle();
            for (int i = 0; i < dialog->Tabs()->count(); ++i) tabs += dialog->Tabs()->tabText(i);
            const dpmr::RadioImage before = window_->context.image;
            radio.SetFaults({.nakReadAt = 0x60});  // the fifth of nine blocks fails
            auto box = ClickOnNextMessageBox(QMessageBox::Ok);
            dialog->readAction()->trigger();
            message = box->text;
            unchanged = window_->context.image == before &&
                        TextOf(AdjustControl(dialog, 0, "lout_dc_offset")) == "FFFF";
            dialog->close();
        };
        QTest::keyClick(window_->frame->view()->grid(), Qt::Key_F12,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(watcher.shown, QStringList({"CAdjustParamDlg"}));
        QCOMPARE(caption, QString("可调节参数"));
        QCOMPARE(tabs, QString("TxRxDTMF"));
        QCOMPARE(message.section(QChar(0x0A), 0, 0), QString("Communication error"));
        QVERIFY(unchanged);

        QStringList messages;
        watcher.answers["CAdjustParamDlg"] = [&](QDialog* d) {
            auto* dialog = static_cast<CAdjustParamDlg*>(d);
            ShowActive(dialog);
            radio.SetFaults({});
            auto box = ClickOnNextMessageBox(QMessageBox::Ok);
            dialog->readAction()->trigger();
            messages << box->text;
            QWidget* lout = AdjustControl(dialog, 0, "lout_dc_offset");
            QCOMPARE(TextOf(lout), QString("100"));  // 0x00, 0x01 low byte first
            TypeAndLeave(lout, "g-a");
            QCOMPARE(TextOf(lout), QString("A"));
            TypeAndLeave(AdjustControl(dialog, 0, "rout_dc_offset"), "");
            dialog->Tabs()->setCurrentIndex(2);
            QWidget* amplitude = AdjustControl(dialog, 2, "amplitude");
            QCOMPARE(TextOf(amplitude), QString("40"));
            TypeAndLeave(amplitude, "");
            auto* vco = static_cast<QComboBox*>(AdjustControl(dialog, 2, "vco_gain"));
            QCOMPARE(vco->currentText(), QString("0"));  // stored 0x41: no entry
            vco->setCurrentIndex(vco->findText("6"));
            dialog->Tabs()->setCurrentIndex(0);
            QCOMPARE(TextOf(AdjustControl(dialog, 0, "rout_dc_offset")), QString("800"));
            box = ClickOnNextMessageBox(QMessageBox::Ok);
            dialog->writeAction()->trigger();
            messages << box->text;
            QTest::keyClick(dialog, Qt::Key_Escape);
        };
        QTest::keyClick(window_->frame->view()->grid(), Qt::Key_F12,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(messages, QStringList({"Read successfully", "Write successfully"}));
        const dpmr::RadioImage& image = window_->context.image;
        QCOMPARE(image.U16Le(0x40), std::uint16_t{0x000A});
        QCOMPARE(image.U16Le(0x42), std::uint16_t{0x0800});
        QCOMPARE(image.U8(0x80), std::uint8_t{0x7F});
        QCOMPARE(image.U8(0x81), std::uint8_t{63});
        for (std::size_t off = 0x40; off < 0x88; ++off)
            QCOMPARE(radio.Memory().U8(off), image.U8(off));
    }
};

QTEST_MAIN(ServiceDialogsTest)
#include "ServiceDialogsTest.moc"
