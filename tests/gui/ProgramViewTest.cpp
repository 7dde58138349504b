// The channel table view driven through its real widgets, offscreen: clicks,
// typing, Enter and arrow keys, focus changes, the band list, "Factroy" and
// printing. The table's rules themselves are tested in the core tests.
#include <QComboBox>
#include <QLineEdit>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QtTest>
#include <fstream>
#include <memory>

#include "ModalHelper.h"
#include "channels/CProgramView.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelTablePrinter.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "widgets/FlexGrid.h"

using namespace dpmr;

class ProgramViewTest : public QObject {
    Q_OBJECT

    void ClickCell(int row, int col) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->CellRect(row, col).center());
    }
    FlexGrid* grid() const { return view_->grid(); }
    QString Cell(int row, int col) const { return grid()->TextMatrix(row, col); }

    std::unique_ptr<test::TempDir> dir_;
    RadioImage image_;
    BandLimits band_;
    AppSettings settings_;
    std::unique_ptr<CProgramView> view_;

  private slots:
    // Band 136-174 MHz, channel 2 on 145 MHz, one listed contact without a
    // name, and channel 5 sending to a contact that is not listed.
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        std::ofstream(dir_->File("Program.ini")) << "[Setup]\nFreqRange=136-174MHz;400-470MHz\n";
        settings_.programFolder = dir_->path();
        settings_.settingsPath = dir_->File("Program.ini");
        image_ = RadioImage();
        image_.SetBcd4(layout::kTableBandLower, 13600000);
        image_.SetBcd4(layout::kTableBandUpper, 17400000);
        image_.SetBcd4(channel::RecordOffset(2), 14500000);
        image_.SetU16Le(layout::kContactIndex, 0x0540);
        image_.Fill(0x0540, 8, 0x01);
        image_.SetU8(channel::RecordOffset(5) + channel::kTxContact, 9);
        view_ = std::make_unique<CProgramView>(image_, band_ = BandLimits{}, settings_);
        // 1280 wide: the central widget of a 1280 x 800 window, below the bars.
        view_->resize(1280, 640);
        view_->OnInitialUpdate();
        view_->show();
        QVERIFY(QTest::qWaitForWindowActive(view_.get()));
    }

    void clickTypeAndKeysEditTheTable() {
        ClickCell(1, 4);  // an empty row starts with its receive frequency
        QLineEdit* edit = view_->frequencyEditor();
        QVERIFY(edit->isVisible() && edit->hasFocus());
        QCOMPARE(edit->geometry(), grid()->CellRect(1, 1));
        QTest::keyClicks(edit, "1a4-5.1 2x5");  // letters and signs are refused
        QTest::keyClicks(edit, "0000000");      // at most 10 characters
        QCOMPARE(edit->text(), QString("145.125000"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!edit->isVisible() && grid()->hasFocus() && grid()->Col() == 2);
        QCOMPARE(Cell(1, 2) + Cell(1, 8), QString("145.125000Digit"));

        grid()->SetCurrentCell(2, 9);
        QTest::keyClick(grid(), Qt::Key_Right);  // wraps to the next row
        QCOMPARE(QPoint(grid()->Col(), grid()->Row()), QPoint(1, 3));
        grid()->SetCurrentCell(2, 5);
        QTest::keyClick(grid(), Qt::Key_Enter);
        QComboBox* list = view_->listEditor();
        QVERIFY(list->isVisible() && list->count() == 2);
        list->setCurrentIndex(0);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Cell(2, 5), QString("Low"));
        QVERIFY(!list->isVisible() && grid()->hasFocus() && grid()->Col() == 6);
    }

    void focusChangesCommitTheOpenEditor() {
        ClickCell(1, 1);
        QTest::keyClicks(view_->frequencyEditor(), "150");
        ClickCell(2, 3);  // commits, then opens the tone combo there
        QCOMPARE(Cell(1, 1), QString("150.000000"));
        QComboBox* tone = view_->toneEditor();
        QVERIFY(tone->isVisible() && tone->geometry().intersects(grid()->CellRect(2, 3)));
        tone->lineEdit()->selectAll();
        QTest::keyClicks(tone->lineEdit(), "23");
        view_->bandList()->setFocus();  // Tab or a click outside the table
        QTRY_VERIFY(!tone->isVisible());
        QCOMPARE(Cell(2, 3), QString("D023N"));
        QCOMPARE(tone->count(), 266);  // nothing typed is added to the list
    }

    void channelEditStoresFirstAndRebuildsAfter() {
        ClickCell(4, 1);
        QTest::keyClicks(view_->frequencyEditor(), "160");
        bool storedBeforeDialog = false;
        auto answer = test::OnNextModal([&](QWidget* modal) {
            storedBeforeDialog = image_.Bcd4(channel::RecordOffset(4)) == 16000000u;
            image_.SetBcd4(channel::RecordOffset(7), 16100000);  // the dialog's change
            qobject_cast<QDialog*>(modal)->reject();
        });
        QTest::mouseClick(view_->channelEditButton(), Qt::LeftButton);
        QTRY_VERIFY(storedBeforeDialog);
        QCOMPARE(Cell(7, 1) + Cell(4, 1), QString("161.000000160.000000"));
        // The offscreen platform does not activate the window again after the
        // dialog; the grid is the widget that gets the focus when it is.
        QCOMPARE(view_->focusWidget(), grid());
    }

    void bandListAndFactoryButton() {
        QCOMPARE(view_->bandList()->currentText(), QString("136-174MHz"));
        view_->bandList()->setFocus();
        QTest::keyClick(view_->bandList(), Qt::Key_Down);
        QCOMPARE(band_, (BandLimits{40000000, 47000000}));
        QCOMPARE(Cell(2, 1), QString());
        const RadioImage before = image_;
        auto answer = test::ClickOnNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(view_->factoryButton(), Qt::LeftButton);
        QTRY_VERIFY(answer->seen);
        QCOMPARE(answer->text, QString("Not find factory.dat"));
        QVERIFY(image_ == before);
    }

    void tableFitsTheMainWindowAndPrints() {
        // The first update ran the contact checks.
        QCOMPARE(QString::fromStdString(image_.Text(0x0548, 8)), QString("Name 1"));
        QCOMPARE(int(image_.U8(channel::RecordOffset(5) + channel::kTxContact)), 0xFF);
        // The last cell shows whole (its right border may touch the viewport's).
        QVERIFY(grid()->viewport()->rect().adjusted(0, 0, 2, 0).contains(grid()->CellRect(16, 9)));
        QVERIFY(grid()->CellRect(1, 1).height() > grid()->fontMetrics().height());
        // Columns keep their proportions: "Channel type" is wider than "Scan".
        QVERIFY(grid()->CellRect(1, 8).width() > grid()->CellRect(1, 6).width());
        // A page with room for a few rows only: the 16 rows run onto more pages.
        QPdfWriter small(QString::fromStdString(dir_->File("small.pdf")));
        small.setPageSize(QPageSize(QSizeF(120, 40), QPageSize::Millimeter));
        small.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        QVERIFY(ChannelTablePrinter(view_->presenter()).Print(small) > 2);
    }
};

QTEST_MAIN(ProgramViewTest)
#include "ProgramViewTest.moc"
