// The "DTMF" and "Alarm" dialogs driven as a user drives them, offscreen: the
// DTMF code grid edited with the mouse and the keyboard, the encode page that
// loads when shown and stores when hidden, and its Chinese label.
#include <QFontDatabase>

#include "TestMainWindow.h"
#include "settings/CDtmfContactPage.h"
#include "settings/DtmfDialog.h"
#include "support/ImageBytes.h"

using namespace dpmr::test;

namespace {

// A stored code: one symbol a byte, 0xFF after the last of 16.
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
        const auto owned = OpenDialog(dpmr::DtmfDialogDecl(), image_);
        CTabDialog& dialog = *owned;
        ShowActive(&dialog);
        dialog.Tabs()->setCurrentIndex(2);
        auto* page = static_cast<CDtmfContactPage*>(dialog.PageWidget(2));
        FlexGrid* grid = page->Grid();
        QLineEdit* editor = page->Editor();
        QCOMPARE(grid->TextMatrix(16, 0), QString("16"));
        QCOMPARE(grid->TextMatrix(1, 1), QString("1"));

        // A click opens the editor over the cell, its text selected; it
        // takes DTMF symbols only, letters upper-cased.
        ClickCell(grid, 1, 1);
        QVERIFY(editor->isVisible() && editor->hasFocus());
        QCOMPARE(editor->geometry(), grid->CellRect(1, 1));
        QCOMPARE(editor->selectedText(), QString("1"));
        QTest::keyClicks(editor, "12ab*#x9e");
        QCOMPARE(editor->text(), QString("12AB*#9"));
        // Enter writes the cell and moves down; the image waits for the store.
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible() && grid->hasFocus());
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(image_.U8(0x2061), 0xFF);

        // Enter on the grid opens the editor; Escape puts the code back.
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(page->EditRow(), 2);
        QTest::keyClicks(editor, "c");
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible() && dialog.isVisible() && grid->hasFocus());
        QCOMPARE(grid->TextMatrix(2, 1), QString());
        // A symbol typed on the grid opens the editor with it (one the code
        // does not take opens nothing); F2 opens it with the code.
        QTest::keyClicks(grid, "x");
        QCOMPARE(page->EditRow(), 0);
        QTest::keyClicks(grid, "d");
        QCOMPARE(page->EditRow(), 2);
        QCOMPARE(editor->text(), QString("D"));
        QTest::keyClicks(editor, "1");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(grid->Row(), 3);
        grid->SetCurrentCell(2, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        QCOMPARE(editor->selectedText(), QString("D1"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(grid->TextMatrix(2, 1), QString("D1"));

        // A click elsewhere writes the open cell and opens the one clicked;
        // a right click only ends the edit. 16 symbols at most.
        ClickCell(grid, 16, 1);
        QTest::keyClicks(editor, "0123456789ABCD*#7");
        ClickCell(grid, 5, 1);
        QCOMPARE(page->EditRow(), 5);
        QTest::keyClicks(editor, "5");
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, grid->CellRect(6, 1).center());
        QCOMPARE(page->EditRow(), 0);

        // Leaving the tab stores the page; the editor still open goes too.
        ClickCell(grid, 7, 1);
        QTest::keyClicks(editor, "#");
        dialog.Tabs()->setCurrentIndex(0);
        QCOMPARE(ImageBytes(image_, 0x2060, 16), Code({1, 2, 0x0A, 0x0B, 0x0E, 0x0F, 9}));
        QCOMPARE(ImageBytes(image_, 0x2070, 16), Code({0x0D, 1}));
        QCOMPARE(ImageBytes(image_, 0x20A0, 16), Code({5}));
        QCOMPARE(ImageBytes(image_, 0x20C0, 16), Code({0x0F}));
        QCOMPARE(ImageBytes(image_, 0x2150, 16),
                 (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}));

        // Typed and closed without leaving the cell: stored all the same.
        dialog.Tabs()->setCurrentIndex(2);
        ClickCell(grid, 8, 1);
        QTest::keyClicks(editor, "D");
        dialog.close();
        QCOMPARE(ImageBytes(image_, 0x20D0, 16), Code({0x0D}));
    }

    // The first digit delay (in steps of 100 ms) is stored when the page is
    // hidden or left, and read again when it is shown.
    void encodePageLoadsWhenShownAndStoresWhenHidden() {
        image_.SetU8(0x2001, 1);
        const auto owned = OpenDialog(dpmr::DtmfDialogDecl(), image_);
        CTabDialog& dialog = *owned;
        ShowActive(&dialog);
        auto* page = static_cast<CFormPage*>(dialog.PageWidget(0));
        QWidget* delay = page->Control("first_digit_delay");
        Type(delay, "250", false);
        QCOMPARE(image_.U8(0x2001), 1);
        page->hide();
        QCOMPARE(image_.U8(0x2001), 2);
        QCOMPARE(TextOf(delay), QString("200"));
        image_.SetU8(0x2001, 7);
        page->show();
        QCOMPARE(TextOf(delay), QString("700"));
        QTest::keyClick(EditOf(delay), Qt::Key_Up);
        dialog.Tabs()->setCurrentIndex(1);
        QCOMPARE(image_.U8(0x2001), 8);
        QVERIFY(!page->Control("short_beep")->isVisibleTo(page));
    }

    void theChineseLabelIsShownWithAFontThatHasItsGlyphs() {
        const auto owned = OpenDialog(dpmr::DtmfDialogDecl(), image_);
        CTabDialog& dialog = *owned;
        ShowActive(&dialog);
        QLabel* found = nullptr;
        for (QLabel* label : dialog.PageWidget(0)->findChildren<QLabel*>())
            if (label->text() == QString::fromUtf8("*和# tone (ms)")) found = label;
        QVERIFY(found && found->isVisible());
        // A font that draws the label: installed with the program's packages.
        QVERIFY(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty());
    }
};

QTEST_MAIN(DtmfAlarmDialogsTest)
#include "DtmfAlarmDialogsTest.moc"
