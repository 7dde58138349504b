// Copy and paste of channel rows and the CHIRP CSV commands, driven through
// the main window's real menu actions, keys, row numbers and the real
// clipboard, offscreen. The rules behind them are tested in the core tests.
#include <QClipboard>
#include <QHeaderView>
#include <QMimeData>
#include <fstream>

#include "ProjectPaths.h"
#include "TestMainWindow.h"
#include "channels/CChannelClipboard.h"
#include "channels/CChannelCsvCommands.h"
#include "interchange/ChannelClipboard.h"
#include "interchange/ChirpCsv.h"
#include "support/ImageBytes.h"
#include "support/ToolRun.h"

using dpmr::SourceDir;

class ChannelInterchangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<dpmr::test::TestMainWindow> w_;
    QString nextCsv_;
    QString suggestedCsv_;  // where the last CSV command offered to look

    FlexGrid* grid() const { return w_->view()->grid(); }
    QString Row(int n) const {
        QStringList cells;
        for (int c = 1; c <= 8; ++c) cells << grid()->TextMatrix(n, c);
        return cells.join('|');
    }
    dpmr::test::Bytes Records(int first, int count) const {
        return dpmr::test::ImageBytes(w_->context.image, 0x100 + 32 * std::size_t(first - 1),
                                      32 * std::size_t(count));
    }
    // A click on the number of row n, as a user selects rows.
    void ClickRowNumber(int n, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* numbers = grid()->verticalHeader();
        const int y = numbers->sectionViewportPosition(n - 1) + numbers->sectionSize(n - 1) / 2;
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers,
                          QPoint(numbers->width() / 2, y));
    }
    // Triggers the action, closes the message box it shows and returns its
    // text (and remarks).
    QString Answer(ActionId action, bool withRemarks = true) {
        auto remarks = std::make_shared<QString>();
        auto box = dpmr::test::OnNextModal([remarks](QWidget* modal) {
            *remarks = qobject_cast<QMessageBox*>(modal)->informativeText();
            qobject_cast<QMessageBox*>(modal)->accept();
        });
        w_->Action(action)->trigger();
        return !withRemarks || remarks->isEmpty() ? box->text : box->text + " / " + *remarks;
    }

  private slots:
    // The demo codeplug: 16 channels on 446 MHz, analog and dPMR.
    void init() {
        w_ = std::make_unique<dpmr::test::TestMainWindow>();
        w_->frame->findChild<CChannelCsvCommands*>()->SetFileChooser(
            [this](bool, const QString& suggested) {
                suggestedCsv_ = suggested;
                return nextCsv_;
            });
        QVERIFY(w_->frame->controller().OpenDocument(
            QString::fromStdString(SourceDir() + "/res/pmr446-demo.dat")));
        dpmr::test::ShowActive(w_->frame.get());
    }
    void cleanup() { w_.reset(); }

    // Rows 2-4 picked by their numbers, copied with Ctrl+C, pasted with
    // Ctrl+V from row 10: every byte of the three records, one change of the
    // document. Ctrl+C in an open editor copies the editor's text instead.
    void copyRowsAndPasteThemElsewhere() {
        ClickRowNumber(2);
        ClickRowNumber(4, Qt::ShiftModifier);
        QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime && mime->hasFormat(dpmr::kChannelRecordsMime));
        const QStringList lines = mime->text().split('\n');
        QCOMPARE(lines.size(), 5);  // titles, three rows, the last line end
        QCOMPARE(lines[0], QString("Channel\tRx Freq\tTx Freq\tRx Tone\tTx Tone\tPower\tScan\t"
                                   "Bandwidth\tChannel type"));
        QCOMPARE(lines[3], QString("4\t446.043750\t446.043750\tD023N\tD023N\tLow\tAdd\tNarrow\t"
                                   "Analog"));
        const QByteArray records = mime->data(dpmr::kChannelRecordsMime);
        QCOMPARE(dpmr::test::Bytes(records.begin(), records.end()), Records(2, 3));

        QVERIFY(!w_->frame->isWindowModified());
        ClickRowNumber(10);
        QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Records(10, 3), Records(2, 3));
        QCOMPARE(Row(12), Row(4));
        QCOMPARE(w_->frame->findChild<CChannelClipboard*>()->SelectedRows(), std::pair(10, 12));
        QVERIFY(w_->frame->isWindowModified());

        w_->view()->presenter().SetCurrentCell(1, 1);
        QTest::keyClick(grid(), Qt::Key_Return);
        QLineEdit* edit = w_->view()->frequencyEditor();
        QVERIFY(edit->hasFocus() && edit->selectedText() == "446.006250");
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("446.006250"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasFormat(dpmr::kChannelRecordsMime));
    }

    // Text from a spreadsheet goes through the table's rules; what is left
    // out or changed is shown, garbage changes nothing.
    void pasteSpreadsheetTextAndGarbage() {
        QGuiApplication::clipboard()->setText("Power\tRx Freq\tRx Tone\nhigh\t446.5\t23\n");
        ClickRowNumber(1);
        QCOMPARE(Answer(ActionId::kPaste),
                 QString("Pasted channel 1. / channel 1, Rx Tone: 23 was taken as DCS D023N"));
        QCOMPARE(Row(1), QString("446.500000|446.006250|D023N|None|High|Add|Narrow|Analog"));

        const auto before = Records(1, 16);
        QGuiApplication::clipboard()->setText("Dear all,\nthe repeater is down.");
        QCOMPARE(Answer(ActionId::kPaste, false), QString("Nothing pasted."));
        QCOMPARE(Records(1, 16), before);
    }

    // Export writes what the table shows; a CHIRP file of another radio comes
    // back through the table's rules with a report; a broken one changes
    // nothing and names its line.
    void exportAndImportCsv() {
        w_->view()->presenter().EnterCellText(5, 2, "446.1");  // typed, not stored yet
        nextCsv_ = QString::fromStdString(w_->dir.File("out.csv"));
        w_->Action(ActionId::kExportCsv)->trigger();
        dpmr::RadioImage shown = w_->context.image;
        w_->view()->StoreGridInto(shown);
        QCOMPARE(dpmr::test::FileText(w_->dir.File("out.csv")), dpmr::ChannelsToChirpCsv(shown));
        QVERIFY(!(shown == w_->context.image));
        // Offered beside the open file, named after it, as Export does; the
        // import starts in the file's folder.
        QCOMPARE(suggestedCsv_, QString::fromStdString(SourceDir() + "/res/pmr446-demo.csv"));

        std::ofstream(w_->dir.File("bad.csv")) << "Location,Frequency\n1,446.1\n2,four\n";
        const auto before = Records(1, 16);
        nextCsv_ = QString::fromStdString(w_->dir.File("bad.csv"));
        QCOMPARE(
            Answer(ActionId::kImportCsv),
            QString("Cannot import bad.csv. / line 3: Frequency \"four\" is not a frequency in "
                    "MHz\nNo channel was changed."));
        QCOMPARE(Records(1, 16), before);
        QCOMPARE(suggestedCsv_, QString::fromStdString(SourceDir() + "/res"));

        std::ofstream(w_->dir.File("other.csv"))
            << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Power\n"
               "1,Rpt,439.5,-,7.6,TSQL,88.5,88.5,FM,4.0W\n"
               "2,2m,145.5,,,,,,NFM,1.0W\n"
               "99,Far,446.1,,,,,,FM,4.0W\n";
        nextCsv_ = QString::fromStdString(w_->dir.File("other.csv"));
        QCOMPARE(Answer(ActionId::kImportCsv, false),
                 QString("Imported 2 channels from other.csv."));
        QCOMPARE(Row(1), QString("439.500000|431.900000|88.5|88.5|High|Add|Wide|Analog"));
        QVERIFY(w_->frame->isWindowModified());
    }
};

QTEST_MAIN(ChannelInterchangeTest)
#include "ChannelInterchangeTest.moc"
