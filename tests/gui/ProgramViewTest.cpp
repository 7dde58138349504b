// The channel table view driven through its real widgets, offscreen: clicks,
// typing, Enter and arrow keys, focus changes, the band list, "Factroy" and
// printing. The table's rules themselves are tested in the core tests.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>
#include <fstream>
#include <memory>

#include "ModalHelper.h"
#include "channels/CProgramView.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelTablePrinter.h"
#include "channels/FrequencyCodec.h"
#include "image/ImageLayout.h"
#include "support/TempDir.h"
#include "widgets/FlexGrid.h"

using dpmr::CellEditor;

class ProgramViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void clickTypeAndEnterMakeAChannel();
    void frequencyEditorFiltersAndLimitsTyping();
    void arrowKeysWrapRows();
    void focusLossCommitsTheToneCombo();
    void clickingAnotherCellCommitsThenOpensThere();
    void channelEditStoresFirstAndRebuildsAfter();
    void listEditorTakesEnterAndMovesRight();
    void bandListChangeClearsTheTable();
    void missingFactoryFileIsReported();
    void initialUpdateRepairsContacts();
    void tableFitsTheMainWindow();
    void printingDrawsPages();

  private:
    void ShowView();
    void ClickCell(int row, int col);
    QString CellText(int row, int col) const { return view_->grid()->TextMatrix(row, col); }

    std::unique_ptr<dpmr::test::TempDir> dir_;
    dpmr::RadioImage image_;
    dpmr::BandLimits band_;
    dpmr::AppSettings settings_;
    std::unique_ptr<CProgramView> view_;
};

void ProgramViewTest::init() {
    dir_ = std::make_unique<dpmr::test::TempDir>();
    std::ofstream(dir_->File("Program.ini")) << "[Setup]\nFreqRange=136-174MHz;400-470MHz\n";
    settings_.programFolder = dir_->path();
    settings_.settingsPath = dir_->File("Program.ini");
    image_ = dpmr::RadioImage();
    for (int n = 1; n <= 16; ++n) dpmr::ResetChannelRecord(image_, n);
    image_.SetBcd4(dpmr::layout::kTableBandLower, 13600000);
    image_.SetBcd4(dpmr::layout::kTableBandUpper, 17400000);
    band_ = dpmr::BandLimits{};
    view_ = std::make_unique<CProgramView>(image_, band_, settings_);
}

void ProgramViewTest::cleanup() {
    view_.reset();
    dir_.reset();
}

void ProgramViewTest::ShowView() {
    view_->resize(1000, 640);
    view_->OnInitialUpdate();
    view_->show();
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
}

void ProgramViewTest::ClickCell(int row, int col) {
    QTest::mouseClick(view_->grid()->viewport(), Qt::LeftButton, {},
                      view_->grid()->CellRect(row, col).center());
}

void ProgramViewTest::clickTypeAndEnterMakeAChannel() {
    ShowView();
    ClickCell(1, 4);  // an empty row starts with its receive frequency
    QLineEdit* edit = view_->frequencyEditor();
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->geometry(), view_->grid()->CellRect(1, 1));
    QVERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "145.125");
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!edit->isVisible());
    QVERIFY(view_->grid()->hasFocus());
    QCOMPARE(view_->grid()->Row(), 1);
    QCOMPARE(view_->grid()->Col(), 2);
    const QStringList expected{"145.125000", "145.125000", "None", "None",
                               "High",       "Add",        "Wide", "Digit"};
    for (int c = 1; c <= 8; ++c) QCOMPARE(CellText(1, c), expected[c - 1]);

    view_->StoreGridToImage();
    const std::size_t r = dpmr::channel::RecordOffset(1);
    QCOMPARE(image_.Bcd4(r), 14512500u);
    QCOMPARE(image_.Bcd4(r + 4), 14512500u);
    QCOMPARE(int(image_.U8(r + 0x10)), 0xC1);
    QCOMPARE(int(image_.U8(r + 0x16)), 1);
}

void ProgramViewTest::frequencyEditorFiltersAndLimitsTyping() {
    ShowView();
    view_->grid()->setFocus();
    QTest::keyClick(view_->grid(), Qt::Key_Return);
    QLineEdit* edit = view_->frequencyEditor();
    QVERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "1a4-5.1 2x5");
    QCOMPARE(edit->text(), QString("145.125"));
    QTest::keyClicks(edit, "0000000");
    QCOMPARE(edit->text(), QString("145.125000"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("145.12500"));
}

void ProgramViewTest::arrowKeysWrapRows() {
    ShowView();
    FlexGrid* grid = view_->grid();
    grid->setFocus();
    grid->SetCurrentCell(3, 9);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->Row(), 4);
    QCOMPARE(grid->Col(), 1);
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->Row(), 3);
    QCOMPARE(grid->Col(), 9);
    QCOMPARE(view_->presenter().CurrentRow(), 3);
}

void ProgramViewTest::focusLossCommitsTheToneCombo() {
    dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(2), 14500000);
    dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(2) + 4, 14500000);
    ShowView();
    ClickCell(2, 3);
    QComboBox* tone = view_->toneEditor();
    QVERIFY(tone->isVisible());
    QCOMPARE(tone->currentText(), QString("None"));
    QVERIFY(tone->geometry().intersects(view_->grid()->CellRect(2, 3)));
    tone->lineEdit()->selectAll();
    QTest::keyClicks(tone->lineEdit(), "23");
    view_->bandList()->setFocus();  // Tab or a click elsewhere
    QTRY_VERIFY(!tone->isVisible());
    QCOMPARE(CellText(2, 3), QString("D023N"));
    QCOMPARE(tone->count(), 266);  // nothing typed is added to the list
}

void ProgramViewTest::clickingAnotherCellCommitsThenOpensThere() {
    ShowView();
    ClickCell(1, 1);
    QTest::keyClicks(view_->frequencyEditor(), "150");
    ClickCell(2, 3);  // row 2 is empty: its editor opens on "Rx Freq"
    QCOMPARE(CellText(1, 1), QString("150.000000"));
    QCOMPARE(CellText(1, 3), QString("None"));
    QVERIFY(view_->frequencyEditor()->isVisible());
    QCOMPARE(view_->frequencyEditor()->geometry(), view_->grid()->CellRect(2, 1));
    QCOMPARE(view_->frequencyEditor()->text(), QString());
    ClickCell(1, 7);
    QVERIFY(view_->listEditor()->isVisible());
    QCOMPARE(view_->listEditor()->currentText(), QString("Wide"));
    QCOMPARE(CellText(2, 1), QString());
}

void ProgramViewTest::channelEditStoresFirstAndRebuildsAfter() {
    ShowView();
    ClickCell(4, 1);
    QTest::keyClicks(view_->frequencyEditor(), "160");
    bool storedBeforeDialog = false;
    auto answer = dpmr::test::OnNextModal([&](QWidget* modal) {
        storedBeforeDialog = image_.Bcd4(dpmr::channel::RecordOffset(4)) == 16000000u;
        // Whatever is in the image when the dialog closes shows in the table.
        dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(7), 16100000);
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(view_->channelEditButton(), Qt::LeftButton);
    QTRY_VERIFY(answer->seen);
    QVERIFY(storedBeforeDialog);
    QCOMPARE(CellText(7, 1), QString("161.000000"));
    QCOMPARE(CellText(4, 1), QString("160.000000"));
    // The offscreen platform does not activate the window again after the
    // dialog; the grid is the widget that gets the focus when it is.
    QCOMPARE(view_->focusWidget(), view_->grid());
}

void ProgramViewTest::listEditorTakesEnterAndMovesRight() {
    dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(1), 14500000);
    dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(1) + 4, 14500000);
    ShowView();
    FlexGrid* grid = view_->grid();
    grid->setFocus();
    grid->SetCurrentCell(1, 5);
    QTest::keyClick(grid, Qt::Key_Enter);
    QComboBox* list = view_->listEditor();
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QString("Low"));
    list->setCurrentIndex(1);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible());
    QCOMPARE(CellText(1, 5), QString("High"));
    QCOMPARE(grid->Col(), 6);
    QVERIFY(grid->hasFocus());
}

void ProgramViewTest::bandListChangeClearsTheTable() {
    dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(1), 14500000);
    dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(1) + 4, 14500000);
    ShowView();
    QComboBox* bands = view_->bandList();
    QCOMPARE(bands->count(), 2);
    QCOMPARE(bands->currentText(), QString("136-174MHz"));
    QCOMPARE(CellText(1, 1), QString("145.000000"));
    bands->setFocus();
    QTest::keyClick(bands, Qt::Key_Down);
    QCOMPARE(bands->currentText(), QString("400-470MHz"));
    QCOMPARE(band_, (dpmr::BandLimits{40000000, 47000000}));
    QCOMPARE(CellText(1, 1), QString());
    QVERIFY(dpmr::IsChannelEmpty(image_, 1));
}

void ProgramViewTest::missingFactoryFileIsReported() {
    ShowView();
    const dpmr::RadioImage before = image_;
    auto answer = dpmr::test::ClickOnNextMessageBox(QMessageBox::Ok);
    QTest::mouseClick(view_->factoryButton(), Qt::LeftButton);
    QTRY_VERIFY(answer->seen);
    QCOMPARE(answer->text, QString("Not find factory.dat"));
    QVERIFY(image_ == before);
}

void ProgramViewTest::initialUpdateRepairsContacts() {
    image_.SetU16Le(dpmr::layout::kContactIndex, 0x0540);
    image_.Fill(0x0540, 8, 0x01);
    image_.FillFF(0x0548, 8);  // no name
    image_.SetU8(dpmr::channel::RecordOffset(5) + dpmr::channel::kTxContact, 9);
    ShowView();
    QCOMPARE(QString::fromStdString(image_.Text(0x0548, 8)), QString("Name 1"));
    QCOMPARE(int(image_.U8(dpmr::channel::RecordOffset(5) + dpmr::channel::kTxContact)), 0xFF);
}

void ProgramViewTest::tableFitsTheMainWindow() {
    // The central widget of a 1280 x 800 window, below menu, tool and status bars.
    view_->resize(1280, 640);
    view_->OnInitialUpdate();
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    FlexGrid* grid = view_->grid();
    const QRect last = grid->CellRect(16, 9);
    QVERIFY(last.bottom() < grid->viewport()->height());
    QVERIFY(last.right() < grid->viewport()->width() + 2);
    QVERIFY(grid->CellRect(1, 1).height() > grid->fontMetrics().height());
    // Columns keep their proportions: "Channel type" is wider than "Scan".
    QVERIFY(grid->CellRect(1, 8).width() > grid->CellRect(1, 6).width());
    QCOMPARE(CellText(0, 1), QString("Rx Freq"));
    QCOMPARE(CellText(16, 0), QString("16"));
}

void ProgramViewTest::printingDrawsPages() {
    dpmr::SetBcdFrequency(image_, dpmr::channel::RecordOffset(1), 14500000);
    ShowView();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir_->File("table.pdf")));
    view_->PrintTable(&printer);
    QFile pdf(QString::fromStdString(dir_->File("table.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));

    const ChannelTablePrinter tablePrinter(view_->presenter());
    QPdfWriter a4(QString::fromStdString(dir_->File("a4.pdf")));
    a4.setPageSize(QPageSize(QPageSize::A4));
    QCOMPARE(tablePrinter.Print(a4), 1);
    // A page with room for a few rows only: the 16 rows run onto more pages.
    QPdfWriter small(QString::fromStdString(dir_->File("small.pdf")));
    small.setPageSize(QPageSize(QSizeF(120, 40), QPageSize::Millimeter));
    small.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    QVERIFY(tablePrinter.Print(small) > 2);
}

QTEST_MAIN(ProgramViewTest)
#include "ProgramViewTest.moc"
