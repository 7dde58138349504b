// "Write to Several Radios..." driven as a user would, against virtual radios
// on pseudo-terminals: the port list, progress bars and the summary, Retry
// Failed, the log, a refused ID, and closing while radios are written.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

#include "TestMainWindow.h"
#include "fleet/CFleetWriteDlg.h"
#include "link/SampleCodeplug.h"
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
        QCOMPARE(Cell(ports, 4, 3), QString("in use by another program"));
        // A path typed in is probed: one that is not there cannot be ticked.
        dialog->findChild<QLineEdit*>("fleetAddPath")->setText("/dev/no-such-port");
        dialog->findChild<QPushButton*>("fleetAddPort")->click();
        QCOMPARE(ports->rowCount(), 6);
        QCOMPARE(ports->item(5, 0)->checkState(), Qt::Unchecked);
        QVERIFY(!Cell(ports, 5, 3).isEmpty());

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
        QCOMPARE(summary->rowCount(), 4);  // the two unusable ports were not run
        for (int k : {0, 1, 3}) {
            QCOMPARE(Cell(summary, k, 0), fleet.Port(k));
            QCOMPARE(Cell(summary, k, 1), QString("100000%1").arg(k + 1));
            QCOMPARE(Cell(summary, k, 2), QString("Unit %1").arg(k + 1));
            QCOMPARE(Cell(summary, k, 3), QString("done"));
            QCOMPARE(static_cast<QProgressBar*>(ports->cellWidget(k, 2))->value(), 100);
        }
        QVERIFY(
            Cell(summary, 2, 3).startsWith("failed: its squelch calibration could not be read"));
        QVERIFY(Cell(ports, 2, 3).startsWith("failed"));
        QVERIFY(dialog->messageLabel()->text().contains("3 of 4 radios written."));

        // The radio answers again: Retry Failed runs it alone, as radio 3.
        fleet.radios[2]->SetFaults({});
        fleet.radios[0]->ClearTraffic();
        QVERIFY(dialog->retryButton()->isEnabled());
        dialog->retryButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60000);
        QCOMPARE(Cell(summary, 2, 3), QString("done"));
        QCOMPARE(Cell(summary, 2, 1), QString("1000003"));
        QVERIFY(fleet.radios[0]->Traffic().empty());  // the others are left alone
        QVERIFY(!dialog->retryButton()->isEnabled());
        QVERIFY(dialog->messageLabel()->text().contains("4 of 4 radios written."));

        QString error;
        QVERIFY(dialog->SaveLogTo(QString::fromStdString(dir.File("log.csv")), error));
        const std::string log = dpmr::test::FileText(dir.File("log.csv"));
        QCOMPARE(std::count(log.begin(), log.end(), '\n'), 5L);
        QVERIFY(log.find("," + fleet.Port(2).toStdString() + ",") != std::string::npos);
        QVERIFY(log.find(",1000003,Unit 3,done,verified,") != std::string::npos);
    }

    void aRefusedIdSendsNothingAndSaysWhy() {
        Fleet fleet(2);
        dpmr::test::TempDir dir;
        auto dialog = OpenDialog(fleet, dir.File("backups"));
        dialog->idFromEdit()->setText("8999999");  // the second would be 9000000 + 0 = fine
        dialog->idStepBox()->setValue(2);          // ... but 9000001 is not
        dialog->startButton()->click();
        QVERIFY(!dialog->Running());
        QVERIFY(dialog->messageLabel()->text().startsWith("Nothing was sent: "));
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
                                     dialog->portTable()->item(1, 3)->text().startsWith("writing"),
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
