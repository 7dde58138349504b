// The "DTMF" and "Alarm" dialogs driven as a user drives them, offscreen: the
// DTMF code grid edited with the mouse and the keyboard, the encode page that
// loads when shown and stores when hidden, its Chinese label, and both
// dialogs opened from the Edit menu and closed with what was typed stored.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "ModalHelper.h"
#include "app/CMainFrame.h"
#include "form/CFormPage.h"
#include "settings/CDtmfContactPage.h"
#include "settings/CDtmfDlg.h"
#include "support/ImageBytes.h"
#include "support/TempDir.h"
#include "widgets/FlexGrid.h"
#include "widgets/SpinEdit.h"

using dpmr::test::Bytes;
using dpmr::test::ImageBytes;

namespace {

void ShowActive(QWidget* dialog) {
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

QLineEdit* EditOf(QWidget* box) {
    if (auto* spin = qobject_cast<SpinEdit*>(box)) return spin->findChild<QLineEdit*>();
    return qobject_cast<QLineEdit*>(box);
}

QWidget* Control(CTabDialog& dialog, int page, const char* key) {
    return static_cast<CFormPage*>(dialog.PageWidget(page))->Control(key);
}

void ClickCell(FlexGrid* grid, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(row, 1).center());
}

Bytes Code(Bytes symbols) {
    symbols.resize(16, 0xFF);
    return symbols;
}

}  // namespace

class DtmfAlarmDialogsTest : public QObject {
    Q_OBJECT

    dpmr::RadioImage image_;

  private slots:
    void init() { image_ = dpmr::RadioImage(); }

    void contactCodesAreEditedInPlaceAndStoredWithThePage() {
        image_.SetU8(0x2060, 0x01);
        image_.SetU8(0x2062, 0x02);  // after a 0xFF: not shown
        CDtmfDlg dialog(image_);
        ShowActive(&dialog);
        dialog.Tabs()->setCurrentIndex(2);
        auto* page = static_cast<CDtmfContactPage*>(dialog.PageWidget(2));
        FlexGrid* grid = page->Grid();
        QLineEdit* editor = page->Editor();
        QCOMPARE(grid->TextMatrix(0, 0), QString("No."));
        QCOMPARE(grid->TextMatrix(0, 1), QString("Code"));
        QCOMPARE(grid->TextMatrix(16, 0), QString("16"));
        QCOMPARE(grid->TextMatrix(1, 1), QString("1"));

        // A click opens the editor over the cell, its text selected; it
        // takes DTMF symbols only, letters upper-cased.
        ClickCell(grid, 1);
        QVERIFY(editor->isVisible() && editor->hasFocus());
        QCOMPARE(editor->geometry(), grid->CellRect(1, 1));
        QCOMPARE(editor->selectedText(), QString("1"));
        QTest::keyClicks(editor, "12ab*#x9e");
        QCOMPARE(editor->text(), QString("12AB*#9"));
        // Enter writes the cell and moves down; the image waits for the store.
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible() && grid->hasFocus());
        QCOMPARE(grid->TextMatrix(1, 1), QString("12AB*#9"));
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(image_.U8(0x2061), 0xFF);

        // Enter on the grid opens the editor; Escape keeps what was typed.
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(page->EditRow(), 2);
        QTest::keyClicks(editor, "c");
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible() && dialog.isVisible());
        QCOMPARE(grid->TextMatrix(2, 1), QString("C"));

        // A click elsewhere writes the open cell and opens the one clicked.
        ClickCell(grid, 16);
        QTest::keyClicks(editor, "0123456789ABCD*#7");
        ClickCell(grid, 5);
        QCOMPARE(grid->TextMatrix(16, 1), QString("0123456789ABCD*#"));
        QCOMPARE(page->EditRow(), 5);
        QTest::keyClicks(editor, "5");
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, grid->CellRect(6, 1).center());
        QCOMPARE(page->EditRow(), 0);  // the editor lost the focus; no new one
        QCOMPARE(grid->TextMatrix(5, 1), QString("5"));

        // Leaving the tab stores the page; the editor still open goes too.
        ClickCell(grid, 7);
        QTest::keyClicks(editor, "#");
        dialog.Tabs()->setCurrentIndex(0);
        QCOMPARE(ImageBytes(image_, 0x2060, 16), Code({1, 2, 0x0A, 0x0B, 0x0E, 0x0F, 9}));
        QCOMPARE(ImageBytes(image_, 0x2070, 16), Code({0x0C}));
        QCOMPARE(ImageBytes(image_, 0x20A0, 16), Code({5}));
        QCOMPARE(ImageBytes(image_, 0x20C0, 16), Code({0x0F}));
        QCOMPARE(ImageBytes(image_, 0x2150, 16),
                 (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}));

        // Typed and closed without leaving the cell: stored all the same.
        dialog.Tabs()->setCurrentIndex(2);
        QVERIFY(!editor->isVisible());
        ClickCell(grid, 8);
        QTest::keyClicks(editor, "D");
        dialog.close();
        QCOMPARE(ImageBytes(image_, 0x20D0, 16), Code({0x0D}));
    }

    void encodePageLoadsWhenShownAndStoresWhenHidden() {
        image_.SetU8(0x2001, 1);
        CDtmfDlg dialog(image_);
        ShowActive(&dialog);
        auto* page = static_cast<CFormPage*>(dialog.PageWidget(0));
        QLineEdit* delay = EditOf(page->Control("first_digit_delay"));
        delay->setFocus();
        QTest::keyClick(delay, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(delay, "250");
        QCOMPARE(image_.U8(0x2001), 1);
        page->hide();
        QCOMPARE(image_.U8(0x2001), 2);
        QCOMPARE(delay->text(), QString("200"));
        image_.SetU8(0x2001, 7);
        page->show();
        QCOMPARE(delay->text(), QString("700"));

        // Enter and Escape never close the dialog; leaving it a tab stores.
        QTest::keyClick(delay, Qt::Key_Escape);
        QTest::keyClick(delay, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(delay, Qt::Key_Up);
        dialog.Tabs()->setCurrentIndex(1);
        QCOMPARE(image_.U8(0x2001), 8);
        QVERIFY(!Control(dialog, 0, "short_beep")->isVisibleTo(page));
    }

    void theChineseLabelIsShownWithAFontThatHasItsGlyphs() {
        CDtmfDlg dialog(image_);
        ShowActive(&dialog);
        QLabel* found = nullptr;
        for (QLabel* label : dialog.PageWidget(0)->findChildren<QLabel*>())
            if (label->text() == QString::fromUtf8("*和# tone (ms)")) found = label;
        QVERIFY(found && found->isVisible());
        // A font that draws the label: installed with the program's packages.
        QVERIFY(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty());
    }

    void editMenuOpensBothDialogsAndClosingStores() {
        dpmr::test::TempDir dir;
        AppContext context;
        context.settings = dpmr::LoadAppSettings(dir.path());
        CMainFrame frame(context);
        frame.NewDocument();
        context.image.SetU8(0x357, 0);

        QStringList seen;
        dpmr::test::OnNextModal([&seen](QWidget* modal) {
            auto* dialog = static_cast<CTabDialog*>(modal);
            ShowActive(dialog);
            seen << dialog->windowTitle();
            for (const char* cut : {"upside", "entry_delay", "upside_pre_prompt", "exit_delay"})
                if (!Control(*dialog, 0, cut)->isVisible()) seen << cut;
            seen << EditOf(Control(*dialog, 0, "cycle"))->text();
            if (Control(*dialog, 0, "auto_contact")->toolTip().contains("dPMR")) seen << "tip";
            // Typed, not left: Escape closes, and the box's rule still runs.
            QLineEdit* alarmTime = EditOf(Control(*dialog, 0, "alarm_time"));
            alarmTime->setFocus();
            QTest::keyClick(alarmTime, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(alarmTime, "300");
            QTest::keyClick(alarmTime, Qt::Key_Escape);
        });
        frame.action("actionAlarm")->trigger();
        QCOMPARE(seen, QStringList({"Alarm", "upside", "entry_delay", "upside_pre_prompt",
                                    "exit_delay", "continue", "tip"}));
        QCOMPARE(context.image.U8(0x354), 10);

        seen.clear();
        dpmr::test::OnNextModal([&seen](QWidget* modal) {
            auto* dialog = static_cast<CDtmfDlg*>(modal);
            ShowActive(dialog);
            seen << dialog->windowTitle();
            for (int i = 0; i < dialog->Tabs()->count(); ++i) seen << dialog->Tabs()->tabText(i);
            static_cast<QComboBox*>(Control(*dialog, 1, "kill_type"))->setCurrentIndex(2);
            dialog->close();
        });
        frame.action("actionDtmf")->trigger();
        QCOMPARE(seen, QStringList({"DTMF", "Encode", "Decode", "Contact"}));
        QCOMPARE(context.image.Bits(0x2037, 6, 2), 2u);
        QCOMPARE(context.image.U8(0x2000), 50);  // speed "10" of the defaults stored
        QVERIFY(frame.IsModified());
    }
};

QTEST_MAIN(DtmfAlarmDialogsTest)
#include "DtmfAlarmDialogsTest.moc"
