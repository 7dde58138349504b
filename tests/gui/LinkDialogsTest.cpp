// Read and Write through the real progress dialog against the virtual radio on
// a pseudo-terminal (success, cancel, failures), the port setting dialog, and
// Read/Write from the main window.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <filesystem>

#include "TestMainWindow.h"
#include "app/CReportDlg.h"
#include "fleet/CFleetWriteDlg.h"
#include "link/CPortSettingDlg.h"
#include "link/CPortWatch.h"
#include "link/ConnectionDoctor.h"
#include "link/SampleCodeplug.h"
#include "link/VirtualRadio.h"
#include "support/PortFixture.h"
#include "support/ReportArchive.h"

using dpmr::test::ClickOnNextMessageBox;
using dpmr::test::Filled;
using Direction = CProgressDlg::Direction;

namespace {

// Same bytes in the ranges Read moves, apart from the radio's band edges,
// which a Read fills in when the radio has none.
bool SameTransferredRanges(const dpmr::RadioImage& a, const dpmr::RadioImage& b) {
    for (const dpmr::TransferRange& r : dpmr::ProgramRanges())
        for (std::size_t off = r.start; off < r.end; ++off)
            if (a.U8(off) != b.U8(off) && (off < 0x3F80 || off > 0x3F87)) return false;
    return true;
}

// Runs one dialog: Start is clicked, `onBlock` sees every bar position; when
// the transfer has ended, the dialog is still open with its result, shown
// whole (however many lines it wraps to), which `result` receives before
// Close is clicked.
int Run(CProgressDlg& dialog, std::function<void(int)> onBlock = {}, QString* result = nullptr) {
    QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
    if (onBlock)
        QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, &dialog, onBlock);
    QString cut;  // the result, when the dialog shows it cut
    QObject::connect(
        &dialog, &CProgressDlg::TransferEnded, &dialog,
        [&dialog, result, &cut] {
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.exitButton()->text(), QString("Close"));
            QLabel* hint = dialog.hintLabel();
            if (hint->height() < hint->heightForWidth(hint->width())) cut = hint->text();
            if (result) *result = hint->text();
            dialog.exitButton()->click();
        },
        Qt::QueuedConnection);
    const int status = dialog.exec();
    if (!cut.isEmpty()) qWarning("shown cut: %s", qPrintable(cut));
    return cut.isEmpty() ? status : -1;
}

}  // namespace

class LinkDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void readAndWriteMoveTheImage() {
        dpmr::VirtualRadio radio;
        radio.SetMemory(dpmr::BuildSampleCodeplug());
        QVERIFY(radio.Start().ok());
        dpmr::TransferControl control;
        dpmr::RadioImage image = Filled(0x5A);
        CProgressDlg read(Direction::kRead, image, {radio.DevicePath(), 9600}, control, {});
        QCOMPARE(read.progressBar()->maximum(), 504);
        QString result;
        QStringList doing;
        QCOMPARE(Run(
                     read, [&](int) { doing << read.hintLabel()->text(); }, &result),
                 int(QDialog::Accepted));
        QCOMPARE(result, QString("Read from the radio"));
        // The line said what the transfer did, block by block (the bar moves
        // before the line follows).
        QCOMPARE(doing.at(0), QString("Connecting to the radio..."));
        QCOMPARE(doing.at(1), QString("Reading block 0x0120..."));
        QVERIFY(doing.contains("Reading block 0x2178..."));
        QCOMPARE(read.percentLabel()->text(), QString("100%"));
        image = read.ReadImage();
        QVERIFY(SameTransferredRanges(image, radio.Memory()));
        QCOMPARE(image.U8(0x0000), std::uint8_t{0x5A});  // never transferred

        radio.SetMemory(Filled(0xFF));
        CProgressDlg write(Direction::kWrite, image, {radio.DevicePath(), 9600}, control, {});
        QCOMPARE(Run(write, {}, &result), int(QDialog::Accepted));
        QCOMPARE(result, QString("Written"));
        QVERIFY(SameTransferredRanges(image, radio.Memory()));
    }

    void exitBeforeStartClosesWithoutTouchingThePort() {
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = Filled(0x11);
        dpmr::TransferControl control;
        CProgressDlg dialog(Direction::kRead, image, {radio.DevicePath(), 9600}, control, {});
        QTimer::singleShot(0, dialog.exitButton(), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(radio.Traffic().empty());
    }

    // Failures are shown with their reason in the dialog, which stays open
    // until Close; a cancel says it stopped. A Write stopped after the radio
    // took blocks warns about it.
    void failedOrCancelledTransfersSayWhat() {
        struct Case {
            Direction direction;
            int paceBaud;
            int stopAt;       // bar position at which the radio is pulled (or Exit pressed)
            bool pullCable;   // else: Exit
            QString message;  // how the result shown starts
        };
        const Case cases[] = {
            {Direction::kRead, 0, 20, true,
             "Communication error\nthe transfer broke off at address 0x"},
            {Direction::kRead, 9600, 3, false, "Stopped: the document is as it was."},
            {Direction::kWrite, 9600, 3, false,
             "The radio may now hold a partly written configuration: write it again before "
             "using it."},
        };
        for (const Case& c : cases) {
            auto radio = std::make_unique<dpmr::VirtualRadio>(
                dpmr::VirtualRadioOptions{.paceBaud = c.paceBaud});
            radio->SetMemory(dpmr::BuildSampleCodeplug());
            QVERIFY(radio->Start().ok());
            dpmr::RadioImage image = Filled(0x44);
            dpmr::TransferControl control;
            CProgressDlg dialog(c.direction, image, {radio->DevicePath(), 9600}, control, {});
            QCOMPARE(dialog.findChild<QLabel*>("hint")->text(),
                     QString("Connect the radio, switch it on, then press Start."));
            auto box = ClickOnNextMessageBox(QMessageBox::Ok);
            QString result;
            const int status = Run(
                dialog,
                [&](int v) {
                    if (v != c.stopAt) return;
                    c.pullCable ? radio.reset() : dialog.exitButton()->click();
                },
                &result);
            QCOMPARE(status, int(QDialog::Rejected));
            box->stopped = true;
            QVERIFY(!box->seen);  // the result is in the dialog, not in a box over it
            QVERIFY2(result.startsWith(c.message), qPrintable(result));
            QCOMPARE(dialog.result().cancelled(), !c.pullCable);
            // Exit still closed the session properly (the radio answers its
            // end frame on its own thread, whenever it gets to it).
            if (dialog.result().cancelled())
                QTRY_VERIFY_WITH_TIMEOUT(radio->CompletedSessions() == 1, 30000);
        }
    }

    // The list offers the ports found (one not present, greyed) and the
    // virtual radio last; Cancel changes nothing, a path typed is trimmed, and
    // a port not listed stays as it was.
    void portDialogChoosesAndCancels() {
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        std::string portName = "COM3";
        for (bool ok : {false, true}) {
            CPortSettingDlg dialog(portName, {}, [&] { return radio.DevicePath(); });
            dialog.AddPort({"/dev/ttyUSB9", "/dev/ttyUSB9", false, "not present"});
            QListWidget* list = dialog.portList();
            QListWidgetItem* absent = list->findItems("/dev/ttyUSB9", Qt::MatchStartsWith)[0];
            QVERIFY(absent->text().contains("not present") &&
                    !(absent->flags() & Qt::ItemIsEnabled));
            QCOMPARE(list->item(list->count() - 1)->text(), QString("Virtual radio (demo)"));
            list->setCurrentRow(list->count() - 1);
            ok ? dialog.accept() : dialog.reject();
            QCOMPARE(portName, ok ? radio.DevicePath() : std::string("COM3"));
        }
        // Showing the dialog never replaces the port in the field by itself,
        // and the running virtual radio is the current entry.
        CPortSettingDlg shown(portName, radio.DevicePath(), {});
        dpmr::test::ShowActive(&shown);
        QCOMPARE(shown.pathEdit()->text(), QString::fromStdString(radio.DevicePath()));
        QCOMPARE(shown.portList()->currentItem()->text(), QString("Virtual radio (demo)"));
        shown.pathEdit()->setText("  /dev/ttyACM0 ");
        shown.accept();
        QCOMPARE(portName, std::string("/dev/ttyACM0"));
        std::string unknown = "/dev/ttyUSB7";
        CPortSettingDlg fresh(unknown, {}, {});
        dpmr::test::ShowActive(&fresh);
        fresh.accept();
        QCOMPARE(unknown, std::string("/dev/ttyUSB7"));
    }

    // "Check the connection" shows the connection doctor's findings for the
    // path typed, the same lines dpmrtool doctor prints: a port only root may
    // open, one another program holds and one that is missing each get
    // their own finding and fix. Choosing a port in the list shows them too.
    void checkTheConnectionShowsTheDoctorsFindings() {
        struct Case {
            std::function<void(dpmr::test::PortFixture&)> change;
            const char* problem;
            const char* fix;
        };
        const Case cases[] = {
            {[](auto& f) { f.SetMode("/dev/ttyUSB0", 0600); }, "may open /dev/ttyUSB0",
             "Fix: install the udev rule"},
            {[](auto& f) { f.Hold(4242, "minicom", "/dev/ttyUSB0"); },
             "in use by another program: minicom (process 4242)", "kill 4242"},
            {[](auto& f) { f.Remove("/dev/ttyUSB0"); }, "/dev/ttyUSB0 does not exist",
             "Fix: plug the cable"},
        };
        for (const Case& c : cases) {
            dpmr::test::PortFixture fixture;
            c.change(fixture);
            std::string portName = "/dev/ttyUSB0";
            CPortSettingDlg dialog(portName, {}, {});
            dialog.SetDoctorRoot(fixture.Root());
            dpmr::test::ShowActive(&dialog);
            QVERIFY(dialog.findingsLabel()->isHidden());
            QTest::mouseClick(dialog.checkButton(), Qt::LeftButton);
            const QString shown = dialog.findingsLabel()->text();
            QVERIFY(dialog.findingsLabel()->isVisible());
            QCOMPARE(shown, QString::fromStdString(dpmr::DiagnosisText(dpmr::CheckPort(
                                                       "/dev/ttyUSB0", fixture.Root())))
                                .trimmed());
            QVERIFY2(shown.contains(c.problem) && shown.contains(c.fix), qPrintable(shown));
            QVERIFY(shown.startsWith("/dev/ttyUSB0: cannot be used\n"));
            dialog.reject();
        }
        // A port chosen in the list is checked as it is chosen.
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        std::string portName;
        CPortSettingDlg dialog(portName, {}, {});
        dialog.AddPort({QString::fromStdString(radio.DevicePath()), "the radio", true, {}});
        QListWidget* list = dialog.portList();
        list->setCurrentItem(list->findItems("the radio", Qt::MatchExactly)[0]);
        QVERIFY(dialog.findingsLabel()->text().contains("can be used\n  a virtual port"));
    }

    // Cables plugged in and pulled out while the port lists are open: a
    // working one is offered by name and chosen; the fleet gets its row.
    void portListsFollowCablesAsTheyComeAndGo() {
        dpmr::test::TempDir dev;
        dpmr::VirtualRadio radio;  // a pseudo-terminal, as a cable's port
        QVERIFY(radio.Start().ok());
        const QString port = QString::fromStdString(dev.File("ttyUSB5"));
        std::string portName;
        CPortSettingDlg dialog(portName, {}, {});
        dialog.portWatch()->Watch(QString::fromStdString(dev.path()));
        CFleetWriteDlg fleet(dpmr::RadioImage{}, 9600, {}, false, false);
        fleet.findChild<CPortWatch*>()->Watch(QString::fromStdString(dev.path()));
        const int fleetRows = fleet.portTable()->rowCount();
        std::filesystem::create_symlink(radio.DevicePath(), port.toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(
            !dialog.portList()->findItems("virtual port " + port, Qt::MatchExactly).isEmpty(),
            30000);
        QCOMPARE(dialog.pathEdit()->text(), port);
        QVERIFY(dialog.findingsLabel()->text().startsWith("Plugged in: virtual port " + port));
        QTRY_COMPARE_WITH_TIMEOUT(fleet.portTable()->rowCount(), fleetRows + 1, 30000);
        std::filesystem::remove(port.toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(
            dialog.portList()->findItems("virtual port " + port, Qt::MatchExactly).isEmpty(),
            30000);
        QVERIFY(dialog.findingsLabel()->text().startsWith("Unplugged: virtual port"));
        QTRY_COMPARE_WITH_TIMEOUT(fleet.portTable()->rowCount(), fleetRows, 30000);
    }

    // A Read whose port cannot be opened says so with the doctor's finding
    // and offers "Check the connection"; a failure on the wire does not.
    void failedOpenOffersTheConnectionCheck() {
        dpmr::test::TempDir dir;
        dpmr::RadioImage image = Filled(0x11);
        dpmr::TransferControl control;
        CProgressDlg dialog(Direction::kRead, image, {dir.File("ttyUSB8"), 9600}, control, {});
        QString result;
        Run(dialog, {}, &result);
        QVERIFY2(result.contains("Problem: " + QString::fromStdString(dir.File("ttyUSB8")) +
                                 " does not exist"),
                 qPrintable(result));
        QVERIFY(result.contains("\nWire trace: "));
        QVERIFY(!dialog.checkButton()->isHidden());
    }

    // Help > Report a Problem... lists what goes in before anything is
    // written; the configuration goes only while its box stays ticked.
    void reportDialogListsWhatGoesIn() {
        dpmr::test::TestMainWindow w;
        CReportDlg dialog(w.context, dpmr::BuildSampleCodeplug());
        const auto names = [&dialog] {
            QStringList n;
            for (const dpmr::ReportPart& p : dialog.Parts()) n << QString::fromStdString(p.name);
            return n;
        };
        QVERIFY(dialog.codeplugBox()->isChecked());
        QVERIFY(names().contains("codeplug.dat") && names().contains("doctor.txt"));
        QVERIFY(dialog.contentsView()->toPlainText().contains("codeplug.dat ("));
        dialog.codeplugBox()->click();
        QVERIFY(!names().contains("codeplug.dat"));
        QVERIFY(!dialog.contentsView()->toPlainText().contains("codeplug.dat"));
        dpmr::test::TempDir dir;
        QString error;
        QVERIFY(dialog.SaveTo(QString::fromStdString(dir.File("r.tar.gz")), error));
        QCOMPARE(dpmr::test::UnpackReport(dir.File("r.tar.gz")).size(),
                 std::size_t(names().size()));
        QVERIFY(dialog.messageLabel()->text().startsWith("Saved to "));
    }

    // Read asks the unsaved-changes question first, leaves the document as
    // it is while the transfer runs and until its dialog is closed, then
    // takes what was read and checks the contacts it got. (Write from the
    // main window: SafeProgrammingTest.)
    void readFromTheMainWindow() {
        dpmr::VirtualRadio radio;
        dpmr::RadioImage memory = dpmr::BuildSampleCodeplug();
        memory.FillFF(0x0548, 8);        // the contact has no name
        memory.SetU8(0x0100 + 0x15, 9);  // channel 1 sends to a contact that is not listed
        radio.SetMemory(memory);
        QVERIFY(radio.Start().ok());
        dpmr::test::TestMainWindow w(radio.DevicePath());
        w.context.image.SetU8(0x0300, 0x07);  // unsaved work
        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        w.Action(ActionId::kRead)->trigger();
        QCOMPARE(cancel->text, QString("Save changes?"));
        QVERIFY(radio.Traffic().empty());
        QCOMPARE(w.context.image.U8(0x0300), std::uint8_t{0x07});
        ClickOnNextMessageBox(QMessageBox::Discard);
        const dpmr::RadioImage before = w.context.image;
        int unchanged = 0;
        dpmr::test::StartNextTransfer(
            [&](CProgressDlg* dialog) {
                QObject::connect(dialog->progressBar(), &QProgressBar::valueChanged, dialog,
                                 [&] { unchanged += w.context.image == before; });
            },
            [&](CProgressDlg*) { unchanged += w.context.image == before; });
        w.Action(ActionId::kRead)->trigger();
        QCOMPARE(unchanged, 505);  // each of the 504 blocks, and the end
        QCOMPARE(w.view()->presenter().Cell(16, 1), std::string("446.193750"));
        QCOMPARE(w.context.image.Text(0x0548, 8), std::string("Name 1"));
        QCOMPARE(w.context.image.U8(0x0100 + 0x15), std::uint8_t{0xFF});
        QVERIFY(w.frame->controller().IsModified() && w.frame->isWindowModified());
    }
};

QTEST_MAIN(LinkDialogsTest)
#include "LinkDialogsTest.moc"
