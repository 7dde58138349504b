// The channel table view driven through its real widgets, offscreen: clicks,
// typing, Enter and arrow keys, focus changes, the band list, "Factroy" and
// printing. The table's rules themselves are tested in the core tests.
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSignalSpy>
#include <fstream>
#include <numeric>
#include <tuple>

#include "TestMainWindow.h"
#include "channels/ChannelTablePrinter.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"

using namespace dpmr;

class ProgramViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    RadioImage image_;
    BandLimits band_;
    AppSettings settings_;
    std::unique_ptr<CProgramView> view_;

    FlexGrid* grid() const { return view_->grid(); }
    QString Cell(int row, int col) const { return grid()->TextMatrix(row, col); }
    void ClickCell(int row, int col) { test::ClickCell(grid(), row, col); }
    QPoint Current() const { return QPoint(grid()->Col(), grid()->Row()); }
    // Answers the next message box and checks its question.
    void Expect(QMessageBox::StandardButton answer, const QString& question, auto&& act) {
        auto box = test::ClickOnNextMessageBox(answer);
        act();
        QTRY_VERIFY(box->seen);
        QCOMPARE(box->text, question);
    }

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
        test::ShowActive(view_.get());
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
        QCOMPARE(Current(), QPoint(1, 3));
        for (int row : {2, 1, 1}) {  // up a row at a time, and not past the first
            QTest::keyClick(grid(), Qt::Key_Up);
            QCOMPARE(Current(), QPoint(1, row));
        }
        QTest::keyClick(grid(), Qt::Key_Down);
        QTest::keyClick(grid(), Qt::Key_Left);  // wraps to the row above
        QCOMPARE(Current(), QPoint(9, 1));
        grid()->SetCurrentCell(2, 5);
        QTest::keyClick(grid(), Qt::Key_Enter);
        QComboBox* list = view_->listEditor();
        QVERIFY(list->isVisible());
        list->setCurrentIndex(0);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Cell(2, 5), QString("Low"));
        QVERIFY(!list->isVisible() && grid()->hasFocus() && grid()->Col() == 6);
    }

    // The band box: a wheel over it without the focus changes nothing; a
    // change that would empty present channels asks first, and No keeps
    // band and channels. "Factroy" asks the same way when the file is there.
    void bandBoxAndFactoryButtonAskBeforeEmptyingTheTable() {
        QComboBox* bands = view_->bandList();
        test::Wheel(bands, -120);
        QCOMPARE(bands->currentText(), QString("136-174MHz"));
        bands->setFocus();
        for (const auto& [answer, band, channel] :
             {std::tuple{QMessageBox::No, BandLimits{13600000, 17400000}, QString("145.000000")},
              std::tuple{QMessageBox::Yes, BandLimits{40000000, 47000000}, QString()}}) {
            Expect(answer, "Changing the band clears all channels. Continue?",
                   [&] { QTest::keyClick(bands, Qt::Key_Down); });
            QCOMPARE(band_, band);
            QCOMPARE(Cell(2, 1), channel);
            QCOMPARE(bands->currentIndex(), band.lower == 13600000 ? 0 : 1);
        }
        // Nothing left to clear: no question.
        auto none = test::ClickOnNextMessageBox(QMessageBox::No);
        QTest::keyClick(bands, Qt::Key_Up);
        none->stopped = true;
        QVERIFY(!none->seen);
        QCOMPARE(band_, (BandLimits{13600000, 17400000}));

        // "Factroy": a missing file is reported without a question.
        image_.SetBcd4(channel::RecordOffset(3), 15000000);
        view_->SelectBandFromImage();
        const RadioImage before = image_;
        Expect(QMessageBox::Ok,
               QString::fromStdString("Not find factory.dat\nCannot open \"" +
                                      dir_->File("Factory.dat") + "\": No such file or directory."),
               [&] { QTest::mouseClick(view_->factoryButton(), Qt::LeftButton); });
        QVERIFY(image_ == before);
        RadioImage factory;
        factory.SetBcd4(channel::RecordOffset(1), 44600625);
        std::ofstream(dir_->File("Factory.dat"), std::ios::binary)
            .write(reinterpret_cast<const char*>(factory.Data()), RadioImage::kSize);
        for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            Expect(answer, "Loading factory.dat replaces all channels and settings. Continue?",
                   [&] { QTest::mouseClick(view_->factoryButton(), Qt::LeftButton); });
            QVERIFY(image_ == (answer == QMessageBox::No ? before : factory));
        }
        QCOMPARE(Cell(3, 1), QString());
    }

    // Keys on the table as in a spreadsheet: a character opens the cell's
    // editor with it (a comma is the point), F2 opens it with the cell's text,
    // Escape leaves the cell as it was; a character no editor takes moves
    // nothing. A commit that changes what was typed says so.
    void typingEscapeF2AndCommaInTheTable() {
        QSignalSpy notices(view_.get(), &CProgramView::Notice);
        grid()->setFocus();
        grid()->SetCurrentCell(2, 1);
        QTest::keyClicks(grid(), "x");  // no editor, no jump to another row
        QVERIFY(!view_->frequencyEditor()->isVisible());
        QCOMPARE(Current(), QPoint(1, 2));
        QTest::keyClick(grid(), Qt::Key_1);
        QLineEdit* edit = view_->frequencyEditor();
        QVERIFY(edit->isVisible() && edit->hasFocus());
        QTest::keyClicks(edit, "46,5");
        QCOMPARE(edit->text(), QString("146.5"));
        QTest::keyClick(edit, Qt::Key_Return);

        grid()->SetCurrentCell(2, 1);
        QTest::keyClick(grid(), Qt::Key_F2);
        QCOMPARE(edit->text(), QString("146.500000"));
        QTest::keyClicks(edit, "150");  // replaces the selected text
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!edit->isVisible() && grid()->hasFocus());
        QCOMPARE(Cell(2, 1), QString("146.500000"));
        QVERIFY(notices.isEmpty());

        const std::pair<int, QString> typed[] = {{1, "200"}, {3, "67"}, {5, "l"}};
        for (const auto& [col, keys] : typed) {
            grid()->SetCurrentCell(2, col);
            QTest::keyClicks(grid(), keys.left(1));
            QTest::keyClicks(QApplication::focusWidget(), keys.mid(1));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(Cell(2, 1) + " " + Cell(2, 3) + " " + Cell(2, 5), QString("174.000000 D067N Low"));
        QStringList said;  // an empty notice: the last one is over
        for (const QList<QVariant>& n : notices)
            if (!n[0].toString().isEmpty()) said << n[0].toString();
        QCOMPARE(said, QStringList({"200 is outside 136-174 MHz: set to 174.000000",
                                    "67 was taken as DCS D067N; type 67.0 for 67.0 Hz"}));
        grid()->SetCurrentCell(6, 5);  // an empty row starts with its frequency
        QTest::keyClicks(grid(), "L");
        QVERIFY(!view_->listEditor()->isVisible() && !edit->isVisible());
    }

    // Tab and Shift+Tab move between cells as in a spreadsheet, on the table
    // and from an open editor (which commits); Ctrl+Tab leaves the table. A
    // corrected cell stays marked, its reason as its tooltip, and the notice
    // stands, until the next edit begins.
    void tabMovesBetweenCellsAndCorrectionsStayMarked() {
        QSignalSpy notices(view_.get(), &CProgramView::Notice);
        grid()->setFocus();
        grid()->SetCurrentCell(2, 9);
        QTest::keyClick(grid(), Qt::Key_Tab);
        QCOMPARE(Current(), QPoint(1, 3));
        QTest::keyClick(grid(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Current(), QPoint(9, 2));
        QTest::keyClick(grid(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Current(), QPoint(8, 2));

        grid()->SetCurrentCell(2, 1);
        QTest::keyClicks(grid(), "5");
        QTest::keyClicks(view_->frequencyEditor(), "00");
        QTest::keyClick(view_->frequencyEditor(), Qt::Key_Tab);
        QVERIFY(grid()->hasFocus());
        QCOMPARE(Current(), QPoint(2, 2));
        QCOMPARE(Cell(2, 1), QString("174.000000"));
        const QString why = "500 is outside 136-174 MHz: set to 174.000000";
        QVERIFY(grid()->HasCellMark(2, 1) && !grid()->HasCellMark(2, 2));
        QCOMPARE(grid()->item(1, 0)->toolTip(), why);
        QCOMPARE(notices.size(), 1);
        QTest::keyClick(grid(), Qt::Key_Right);  // moving is no edit
        QVERIFY(grid()->HasCellMark(2, 1));
        QTest::keyClick(grid(), Qt::Key_F2);  // the next edit begins
        QVERIFY(!grid()->HasCellMark(2, 1));
        QCOMPARE(notices.size(), 2);
        QCOMPARE(notices.last()[0].toString(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        QTest::keyClick(grid(), Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!grid()->hasFocus());
    }

    void tableFitsTheMainWindowAndPrints() {
        // The first update ran the contact checks.
        QCOMPARE(QString::fromStdString(image_.Text(0x0548, 8)), QString("Name 1"));
        QCOMPARE(int(image_.U8(channel::RecordOffset(5) + channel::kTxContact)), 0xFF);
        // The last cell shows whole (its right border may touch the viewport's).
        QVERIFY(grid()->viewport()->rect().adjusted(0, 0, 2, 0).contains(grid()->CellRect(16, 9)));
        // Columns keep their proportions: "Channel type" is wider than "Scan".
        QVERIFY(grid()->CellRect(1, 8).width() > grid()->CellRect(1, 6).width());
        // A page with room for a few rows only: the 16 rows run onto more pages.
        QPdfWriter small(QString::fromStdString(dir_->File("small.pdf")));
        small.setPageSize(QPageSize(QSizeF(120, 40), QPageSize::Millimeter));
        small.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        QVERIFY(ChannelTablePrinter(view_->presenter(), image_).Print(small) > 2);
    }

    // The printout's heading names the radio by its dPMR name and ID; on an
    // A4 page every column title shows whole ("Bandwidth" did not).
    void printoutNamesTheRadioAndFitsItsTitles() {
        image_.SetText(layout::kRadioName, 8, "Base 1");
        const ChannelTablePrinter printer(view_->presenter(), image_);
        QCOMPARE(printer.Heading(),
                 QString("Radio name: Base 1    Radio id: 0000001    Freq range: 136-174MHz"));
        QPdfWriter a4(QString::fromStdString(dir_->File("a4.pdf")));
        a4.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&a4);
        QFont font = painter.font();
        font.setPointSizeF(10);
        font.setBold(true);
        const int width = painter.viewport().width();
        const auto& widths = ChannelTablePresenter::ColumnWidths();
        const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
        for (int c = 1; c < ChannelTablePresenter::kCols; ++c) {
            const QString title = ChannelTablePresenter::ColumnTitles()[std::size_t(c)];
            const int column = int(widths[std::size_t(c)] * width / total);
            const QFont fitted = ChannelTablePrinter::FittingFont(font, title, column, &a4);
            QVERIFY2(QFontMetrics(fitted, &a4).horizontalAdvance(title) < column,
                     qPrintable(title));
        }
    }
};

QTEST_MAIN(ProgramViewTest)
#include "ProgramViewTest.moc"
