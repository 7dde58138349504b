// "Write to Several Radios..." driven as a user would, against virtual radios
// on pseudo-terminals: the port list, progress bars and the summary, Retry
// Failed, the log, a refused ID, and closing while radios are written.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <filesystem>

#include "TestMainWindow.h"
#include "fleet/CFleetWriteDlg.h"
#include "fleet/FleetPlan.h"
#include "link/SampleCodeplug.h"
#include "link/ServiceTransfers.h"
#include "link/VirtualRadio.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

using dpmr::test::ClickOnNextMessageBox;

namespace {

struct Fleet {
    explicit Fleet(int count, dpmr::VirtualRadioOptions options = {}) {
        for (int k = 0; k < count; ++k) {
            radios.push_back(std::make_unique<dpmr::VirtualRadio>(options));
            radios.back()->SetMemory(dpmr::BuildSampleCodeplug());
            radios.back()->Start();
        }
    }
    QString Port(int k) const { return QString::fromStdString(radios[k]->DevicePath()); }
    std::vector<std::unique_ptr<dpmr::VirtualRadio>> radios;
};

// A dialog with the radios listed and ticked.
std::unique_ptr<CFleetWriteDlg> OpenDialog(const Fleet& fleet, const std::string& backups) {
    auto dialog =
        std::make_unique<CFleetWriteDlg>(dpmr::BuildSampleCodeplug(), 9600, backups, false, false);
    for (int k = 0; k < static_cast<int>(fleet.radios.size()); ++k) {
        dialog->AddPort({fleet.Port(k), QString("Virtual radio %1").arg(k + 1), true, {}});
        dialog->SetPortChecked(fleet.Port(k), true);
    }
    dialog->show();
    return dialog;
}

QString Cell(QTableWidget* table, int row, int col) {
    return table->item(row, col) ? table->item(row, col)->text() : QString();
}

// The shop's six radios, as a CSV file has them (the first naming the port
// of `firstPort`) or as a spreadsheet copies them.
const char* const kNames[] = {"Alfa", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"};
const char* const kIds[] = {"2310417", "2310422", "2310438", "2310501", "2310777", "2310903"};
QString SixRadioList(char separator, const char* lastId = "2310903") {
    QString text = QString("Name%1dPMR ID\n").arg(separator);
    for (int k = 0; k < 6; ++k)
        text += QString("%1%2%3\n").arg(kNames[k]).arg(separator).arg(k == 5 ? lastId : kIds[k]);
    return text;
}

// A radio of its own: the sample codeplug with a squelch calibration of
// its own (`salt`), as radios from the factory differ.
dpmr::RadioImage OwnRadio(int salt) {
    dpmr::RadioImage memory = dpmr::BuildSampleCodeplug();
    for (std::size_t i = 0; i < 4; ++i)
        memory.SetU8(0x3E00 + i, static_cast<std::uint8_t>(salt + i));
    return memory;
}

}  // namespace

class FleetWriteDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void fourRadiosRunEndWithTheSummaryAndRetryFinishesTheSilentOne() {
        Fleet fleet(4);
        fleet.radios[2]->SetFaults({.silent = true});
        dpmr::test::TempDir dir;
        auto dialog = OpenDialog(fleet, dir.File("backups"));
        // A port another program holds is listed, marked and cannot be ticked.
        dialog->AddPort({"/dev/ttyUSB9", "USB serial", false, "in use by another program"});
        dialog->SetPortChecked("/dev/ttyUSB9", true);
        QTableWidget* ports = dialog->portTable();
        QCOMPARE(ports->rowCount(), 5);
        QVERIFY(!(ports->item(4, 0)->flags() & Qt::ItemIsEnabled));
        QCOMPARE(ports->item(4, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(Cell(ports, 4, 5), QString("in use by another program"));
        // A path typed in is probed: one that is not there cannot be ticked.
        dialog->findChild<QLineEdit*>("fleetAddPath")->setText("/dev/no-such-port");
        dialog->findChild<QPushButton*>("fleetAddPort")->click();
        QCOMPARE(ports->rowCount(), 6);
        QCOMPARE(ports->item(5, 0)->checkState(), Qt::Unchecked);
        QVERIFY(!Cell(ports, 5, 5).isEmpty());

        dialog->idFromEdit()->setText("1000001");
        dialog->namePatternEdit()->setText("Unit {n}");
        dialog->verifyBox()->setChecked(true);
        QSignalSpy finished(dialog.get(), &CFleetWriteDlg::RunFinished);
        dialog->startButton()->click();
        QVERIFY(dialog->Running());
        QVERIFY(!dialog->startButton()->isEnabled());
        QVERIFY(dialog->stopButton()->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);

        QTableWidget* summary = dialog->summaryTable();
        QVERIFY(summary->isVisible());
        // A verified radio's result says what the verify compared.
        const QString kVerified(
            "done: Written and verified, except the 24-byte closing block, "
            "which the radio does not send back");
        QCOMPARE(summary->rowCount(), 4);  // the two unusable ports were not run
        for (int k : {0, 1, 3}) {
            QCOMPARE(Cell(summary, k, 0), fleet.Port(k));
            QCOMPARE(Cell(summary, k, 1), QString("100000%1").arg(k + 1));
            QCOMPARE(Cell(summary, k, 2), QString("Unit %1").arg(k + 1));
            QCOMPARE(Cell(summary, k, 3), kVerified);
            QCOMPARE(static_cast<QProgressBar*>(ports->cellWidget(k, 4))->value(), 100);
        }
        QVERIFY(
            Cell(summary, 2, 3).startsWith("failed: its squelch calibration could not be read"));
        QVERIFY(Cell(ports, 2, 5).startsWith("failed"));
        QVERIFY(dialog->messageLabel()->text().contains("3 of 4 radios written."));

        // The radio answers again: Retry Failed runs it alone, as radio 3.
        fleet.radios[2]->SetFaults({});
        fleet.radios[0]->ClearTraffic();
        QVERIFY(dialog->retryButton()->isEnabled());
        dialog->retryButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60000);
        QCOMPARE(Cell(summary, 2, 3), kVerified);
        QCOMPARE(Cell(summary, 2, 1), QString("1000003"));
        QVERIFY(fleet.radios[0]->Traffic().empty());  // the others are left alone
        QVERIFY(!dialog->retryButton()->isEnabled());
        QVERIFY(dialog->messageLabel()->text().contains("4 of 4 radios written."));

        QString error;
        QVERIFY(dialog->SaveReportTo(QString::fromStdString(dir.File("log.csv")), error));
        const std::string log = dpmr::test::FileText(dir.File("log.csv"));
        QCOMPARE(std::count(log.begin(), log.end(), '\n'), 5L);
        QVERIFY(log.find("," + fleet.Port(2).toStdString() + ",") != std::string::npos);
        QVERIFY(log.find(",1000003,Unit 3,\"" + kVerified.toStdString() + "\",verified,") !=
                std::string::npos);
        // The session's log holds both runs.
        const QString session = dialog->sessionLog()->toPlainText();
        QCOMPARE(session.count("Start: 4 radio(s), verify"), 1);
        QCOMPARE(session.count("Retry: 1 radio(s)"), 1);
        QCOMPARE(session.count(fleet.Port(2) + ": 1000003 \"Unit 3\": "), 2);
    }

    // The acceptance job: the list imported from a CSV text programs six
    // radios with their own IDs and names, verified, and the job report
    // lists all six; pasted spreadsheet cells fill the same rows.
    void aListOfSixRadiosImportedProgramsEachAndTheReportListsThem() {
        Fleet fleet(6);
        dpmr::test::TempDir dir;
        auto dialog = OpenDialog(fleet, dir.File("backups"));
        dialog->SetTemplateFile("/shop/club.dat");
        dialog->verifyBox()->setChecked(true);
        QApplication::clipboard()->setText(SixRadioList('\t'));
        dialog->OnPasteList();
        QTableWidget* ports = dialog->portTable();
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(Cell(ports, k, 2), QString(kIds[k]));
            QCOMPARE(Cell(ports, k, 3), QString(kNames[k]));
        }
        QVERIFY(dialog->ImportListText(SixRadioList(','), "radios.csv"));
        QCOMPARE(dialog->messageLabel()->text(), QString("6 radios from radios.csv."));
        QSignalSpy finished(dialog.get(), &CFleetWriteDlg::RunFinished);
        dialog->startButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 90000);
        QVERIFY(dialog->messageLabel()->text().contains("6 of 6 radios written."));
        for (int k = 0; k < 6; ++k) {
            const dpmr::RadioImage memory = fleet.radios[k]->Memory();
            QCOMPARE(QString::fromStdString(dpmr::ImageRadioId(memory)), QString(kIds[k]));
            QCOMPARE(QString::fromStdString(dpmr::ImageRadioName(memory)), QString(kNames[k]));
            QCOMPARE(Cell(dialog->summaryTable(), k, 4), QString("verified"));
        }
        QString error;
        QVERIFY(dialog->SaveReportTo(QString::fromStdString(dir.File("job.csv")), error));
        const std::string report = dpmr::test::FileText(dir.File("job.csv"));
        QCOMPARE(std::count(report.begin(), report.end(), '\n'), 7L);
        QVERIFY(report.find(",/shop/club.dat,") != std::string::npos);
        for (int k = 0; k < 6; ++k) {
            QVERIFY(report.find(std::string(",") + kIds[k] + "," + kNames[k] +
                                ",\"done: Written and verified, except the 24-byte closing "
                                "block, which the radio does not send back\",verified,") !=
                    std::string::npos);
            QVERIFY(dialog->ReportHtml().contains(kIds[k]));
        }
        QVERIFY(dialog->saveReportButton()->isEnabled());
    }

    // A list with an ID twice, or a row without a radio, sends nothing.
    void aListWithAnIdTwiceIsRefusedBeforeAnythingIsSent() {
        Fleet fleet(6);
        dpmr::test::TempDir dir;
        auto dialog = OpenDialog(fleet, dir.File("backups"));
        QVERIFY(dialog->ImportListText(SixRadioList(',', "2310501"), "radios.csv"));
        dialog->startButton()->click();
        QVERIFY(!dialog->Running());
        QCOMPARE(dialog->messageLabel()->text(),
                 QString("Nothing was sent:\nrow 6 (\"Foxtrot\"): the dPMR ID 2310501 is given "
                         "twice: also row 4 (\"Delta\")"));
        // Seven rows for six radios: the last waits for a cable.
        QVERIFY(dialog->ImportListText(SixRadioList(',') + "Golf,2310999\n", "radios.csv"));
        QVERIFY(dialog->messageLabel()->text().contains("No port for line 8 (\"Golf\") yet"));
        dialog->startButton()->click();
        QVERIFY(dialog->messageLabel()->text().startsWith("Nothing was sent: line 8"));
        for (const auto& r : fleet.radios) QVERIFY(r->Traffic().empty());
        // A name cut to 8 characters is asked about; No sends nothing.
        dialog->portTable()->item(0, 3)->setText("Alfa-Team-1");
        dialog->ImportListText("Alfa-Team-1,2310417\n", "the clipboard");
        auto no = ClickOnNextMessageBox(QMessageBox::No);
        dialog->startButton()->click();
        QVERIFY(no->seen);
        QCOMPARE(dialog->messageLabel()->text(), QString("Nothing was sent."));
        for (const auto& r : fleet.radios) QVERIFY(r->Traffic().empty());
    }

    // Enter in the "Add Port" field adds the port and starts nothing.
    void enterInTheAddPortFieldAddsThePortAndNeverStartsAWrite() {
        Fleet fleet(2);
        dpmr::test::TempDir dir;
        auto dialog = std::make_unique<CFleetWriteDlg>(dpmr::BuildSampleCodeplug(), 9600,
                                                       dir.File("b"), false, false);
        dialog->AddPort({fleet.Port(0), "Virtual radio 1", true, {}});
        dialog->SetPortChecked(fleet.Port(0), true);
        dialog->idFromEdit()->setText("2310417");
        dialog->show();
        dialog->addPathEdit()->setFocus();
        dialog->addPathEdit()->setText(fleet.Port(1));
        QTest::keyClick(dialog->addPathEdit(), Qt::Key_Return);
        QCOMPARE(dialog->portTable()->rowCount(), 2);
        QCOMPARE(dialog->portTable()->item(1, 0)->checkState(), Qt::Checked);
        QVERIFY(dialog->addPathEdit()->text().isEmpty());
        QTest::keyClick(dialog->addPathEdit(), Qt::Key_Enter);
        QTest::keyClick(dialog->idFromEdit(), Qt::Key_Return);
        QVERIFY(!dialog->Running());
        QVERIFY(dialog->isVisible());
        for (const auto& r : fleet.radios) QVERIFY(r->Traffic().empty());
        // The pattern filled both rows.
        QCOMPARE(Cell(dialog->portTable(), 1, 2), QString("2310418"));
        // What is remembered for the next session.
        QCOMPARE(dialog->TickedPorts(), (std::vector<std::string>{fleet.Port(0).toStdString(),
                                                                  fleet.Port(1).toStdString()}));
        QVERIFY(dialog->KeepCalibrationChecked());
    }

    // One cable: three radios put on the cable one after another (the
    // cable's path leads to whichever radio is plugged in), each asked for
    // with Space or Enter; the next row and what the last one got are shown.
    void oneCableWritesTheListRadioByRadio() {
        dpmr::test::TempDir dir;
        const std::string cable = dir.File("cable");
        std::vector<std::unique_ptr<dpmr::VirtualRadio>> radios;
        const auto plugIn = [&](int k) {
            radios.push_back(std::make_unique<dpmr::VirtualRadio>());
            radios.back()->SetMemory(OwnRadio(10 * (k + 1)));
            QVERIFY(radios.back()->Start().ok());
            std::filesystem::remove(cable);
            std::filesystem::create_symlink(radios.back()->DevicePath(), cable);
        };
        plugIn(0);
        auto dialog = std::make_unique<CFleetWriteDlg>(dpmr::BuildSampleCodeplug(), 9600,
                                                       dir.File("backups"), true, false);
        dialog->AddPort({QString::fromStdString(cable), "the cable", true, {}});
        dialog->show();
        dialog->oneCableBox()->setChecked(true);
        QVERIFY(dialog->ImportListText("Alfa,2310417\nBravo,2310422\nCharlie,2310438\n", "list"));
        QVERIFY(dialog->nextButton()->isVisible());
        dialog->startButton()->click();
        QVERIFY(dialog->nextLabel()->text().contains(
            "Next: put radio 1 of 3 on the cable (ID 2310417, \"Alfa\")"));
        QSignalSpy finished(dialog.get(), &CFleetWriteDlg::RunFinished);
        QTest::keyClick(dialog->nextButton(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QVERIFY(dialog->nextLabel()->text().startsWith(
            "Radio 1 got 2310417 \"Alfa\": done: Written and verified, except the 24-byte"));
        QVERIFY(dialog->nextLabel()->text().contains("put radio 2 of 3"));
        QVERIFY(dialog->nextButton()->hasFocus());
        // The first radio left on the cable is told by its calibration and
        // asked about; No writes nothing and asks for radio 2 again.
        auto no = ClickOnNextMessageBox(QMessageBox::No);
        QTest::keyClick(dialog->nextButton(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60000);
        QVERIFY(no->seen);
        QCOMPARE(dialog->Results()[1].outcome, dpmr::FleetStage::kNotWritten);
        QVERIFY(QString::fromStdString(dialog->Results()[1].message)
                    .contains("looks like the radio just written as radio 1 (\"Alfa\", 2310417)"));
        QVERIFY(dialog->nextLabel()->text().contains("Again: put radio 2 of 3"));
        QCOMPARE(QString::fromStdString(dpmr::ImageRadioId(radios[0]->Memory())),
                 QString("2310417"));
        plugIn(1);
        QTest::keyClick(dialog->nextButton(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 3, 60000);
        plugIn(2);
        QTest::keyClick(dialog.get(), Qt::Key_Return);  // Enter: the default button
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 4, 60000);
        QVERIFY(dialog->nextLabel()->text().endsWith("The list is done: 3 of 3 radios written."));
        QVERIFY(!dialog->nextButton()->isEnabled());
        const char* names[] = {"Alfa", "Bravo", "Charlie"};
        const char* ids[] = {"2310417", "2310422", "2310438"};
        for (int k = 0; k < 3; ++k) {
            const dpmr::RadioImage memory = radios[k]->Memory();
            QCOMPARE(QString::fromStdString(dpmr::ImageRadioId(memory)), QString(ids[k]));
            QCOMPARE(QString::fromStdString(dpmr::ImageRadioName(memory)), QString(names[k]));
            // Its own calibration kept.
            QCOMPARE(int(memory.U8(0x3E00)), 10 * (k + 1));
            QCOMPARE(dialog->Results()[k].outcome, dpmr::FleetStage::kDone);
        }
        QCOMPARE(dialog->summaryTable()->rowCount(), 3);
    }

    void aRefusedIdSendsNothingAndSaysWhy() {
        Fleet fleet(2);
        dpmr::test::TempDir dir;
        auto dialog = OpenDialog(fleet, dir.File("backups"));
        dialog->idFromEdit()->setText("8999999");  // the second would be 9000000 + 0 = fine
        dialog->idStepBox()->setValue(2);          // ... but 9000001 is not
        dialog->startButton()->click();
        QVERIFY(!dialog->Running());
        QVERIFY(dialog->messageLabel()->text().startsWith("Nothing was sent:"));
        QVERIFY(dialog->messageLabel()->text().contains("9000001"));
        for (const auto& r : fleet.radios) QVERIFY(r->Traffic().empty());
    }

    void closingWhileWritingAsksAndThenStopsEveryRadio() {
        Fleet fleet(2, {.paceBaud = 9600});
        dpmr::test::TempDir dir;
        auto dialog = OpenDialog(fleet, dir.File("backups"));
        dialog->idFromEdit()->setText("1000001");
        dialog->startButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->summaryTable()->isHidden() &&
                                     dialog->portTable()->item(1, 5)->text().startsWith("writing"),
                                 30000);
        auto no = ClickOnNextMessageBox(QMessageBox::No);
        dialog->close();
        QVERIFY(no->seen);
        QVERIFY(no->text.contains("Stop every transfer and close?"));
        QVERIFY(dialog->Running());
        QVERIFY(dialog->isVisible());

        QSignalSpy finished(dialog.get(), &CFleetWriteDlg::RunFinished);
        auto yes = ClickOnNextMessageBox(QMessageBox::Yes);
        dialog->reject();
        QVERIFY(yes->seen);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
        QVERIFY(!dialog->isVisible());
        for (const dpmr::FleetRadioResult& r : dialog->Results()) {
            QCOMPARE(r.outcome, dpmr::FleetStage::kCancelled);
            QVERIFY(r.partlyWritten);
        }
        QVERIFY(dialog->messageLabel()->text().contains("partly written configuration"));
    }
};

QTEST_MAIN(FleetWriteDlgTest)
#include "FleetWriteDlgTest.moc"
