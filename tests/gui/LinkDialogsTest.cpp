// Read and Write through the real progress dialog against the virtual radio on
// a pseudo-terminal: success, cancel, a port that cannot be opened, a radio
// that disappears mid-read; the port setting dialog; and Read from the main
// window refreshing the channel table.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "ModalHelper.h"
#include "app/CMainFrame.h"
#include "channels/CProgramView.h"
#include "link/CPortSettingDlg.h"
#include "link/CProgressDlg.h"
#include "link/ProgramTransfer.h"
#include "link/SampleCodeplug.h"
#include "link/VirtualRadio.h"
#include "support/TempDir.h"

using dpmr::test::ClickOnNextMessageBox;

namespace {

// True when the two images hold the same bytes in the ranges Read moves,
// apart from the radio's band edges, which a Read fills in when the radio has
// none.
bool SameTransferredRanges(const dpmr::RadioImage& a, const dpmr::RadioImage& b) {
    for (const dpmr::TransferRange& r : dpmr::ProgramRanges())
        for (std::size_t off = r.start; off < r.end; ++off)
            if (a.U8(off) != b.U8(off) && (off < 0x3F80 || off > 0x3F87)) return false;
    return true;
}

dpmr::RadioImage Filled(std::uint8_t value) {
    dpmr::RadioImage image;
    image.Fill(0, dpmr::RadioImage::kSize, value);
    return image;
}

}  // namespace

class LinkDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void readFillsTheImageAndCloses() {
        dpmr::VirtualRadio radio;
        radio.SetMemory(dpmr::BuildSampleCodeplug());
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = Filled(0x5A);
        dpmr::TransferControl control;
        CProgressDlg dialog(CProgressDlg::Direction::kRead, image, {radio.DevicePath(), 9600},
                            control);
        QCOMPARE(dialog.windowTitle(), QString("Read data"));
        QCOMPARE(dialog.percentLabel()->text(), QString("0%"));
        QCOMPARE(dialog.progressBar()->maximum(), 504);
        QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(dialog.Succeeded());
        QCOMPARE(dialog.percentLabel()->text(), QString("100%"));
        QVERIFY(SameTransferredRanges(image, radio.Memory()));
        QCOMPARE(image.U8(0x0000), std::uint8_t{0x5A});  // never transferred
        QCOMPARE(image.Bcd4(0x3F80), 40000000u);         // the radio's band, filled in
        QCOMPARE(image.Bcd4(0x3F84), 47000000u);
        QVERIFY(!control.busy);
    }

    void writeSendsTheImage() {
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = dpmr::BuildSampleCodeplug();
        dpmr::TransferControl control;
        CProgressDlg dialog(CProgressDlg::Direction::kWrite, image, {radio.DevicePath(), 9600},
                            control);
        QCOMPARE(dialog.windowTitle(), QString("Write data"));
        QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(SameTransferredRanges(image, radio.Memory()));
    }

    void exitBeforeStartClosesWithoutTouchingThePort() {
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = Filled(0x11);
        dpmr::TransferControl control;
        CProgressDlg dialog(CProgressDlg::Direction::kRead, image, {radio.DevicePath(), 9600},
                            control);
        QTimer::singleShot(0, dialog.exitButton(), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(radio.Traffic().empty());
        QVERIFY(image == Filled(0x11));
    }

    void portThatCannotBeOpenedIsReported() {
        dpmr::RadioImage image = Filled(0x22);
        dpmr::TransferControl control;
        CProgressDlg dialog(CProgressDlg::Direction::kRead, image, {"/dev/no-such-port", 9600},
                            control);
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(ok->seen);
        QCOMPARE(ok->text, QString("Cound not open the port."));
        QVERIFY(image == Filled(0x22));
    }

    void cancelStopsAfterTheBlockAndKeepsTheImage() {
        dpmr::VirtualRadioOptions options;
        options.paceBaud = 9600;  // slow enough to press Exit in the middle
        dpmr::VirtualRadio radio(options);
        radio.SetMemory(dpmr::BuildSampleCodeplug());
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = Filled(0x33);
        dpmr::TransferControl control;
        CProgressDlg dialog(CProgressDlg::Direction::kRead, image, {radio.DevicePath(), 9600},
                            control);
        QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
        connect(dialog.progressBar(), &QProgressBar::valueChanged, &dialog, [&](int v) {
            if (v == 3) dialog.exitButton()->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.Succeeded());
        QVERIFY(dialog.result().cancelled());
        QVERIFY(image == Filled(0x33));
        QCOMPARE(radio.Traffic().back().bytes.size(), std::size_t{1});  // the final byte
    }

    void pulledCableGivesCommunicationError() {
        auto radio = std::make_unique<dpmr::VirtualRadio>();
        radio->SetMemory(dpmr::BuildSampleCodeplug());
        QVERIFY(radio->Start().ok());
        dpmr::RadioImage image = Filled(0x44);
        dpmr::TransferControl control;
        CProgressDlg dialog(CProgressDlg::Direction::kRead, image, {radio->DevicePath(), 9600},
                            control);
        QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
        connect(dialog.progressBar(), &QProgressBar::valueChanged, &dialog, [&](int v) {
            if (v == 20) radio.reset();
        });
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(ok->seen);
        QCOMPARE(ok->text, QString("Communication error"));
        QVERIFY(image == Filled(0x44));
    }

    void portDialogChoosesAndCancels() {
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        const QString pty = QString::fromStdString(radio.DevicePath());
        std::string portName = "COM3";
        int demoStarts = 0;
        auto startDemo = [&] {
            ++demoStarts;
            return radio.DevicePath();
        };
        {
            CPortSettingDlg dialog(portName, startDemo);
            QCOMPARE(dialog.windowTitle(), QString("Port setting"));
            QCOMPARE(dialog.pathEdit()->text(), QString("COM3"));
            dialog.AddPort({pty, pty + "  —  test port", true, {}});
            dialog.AddPort({"/dev/ttyUSB9", "/dev/ttyUSB9", false, "not present"});
            QListWidget* list = dialog.portList();
            QListWidgetItem* last = list->item(list->count() - 1);
            QCOMPARE(last->text(), QString("Virtual radio (demo)"));
            QList<QListWidgetItem*> absent = list->findItems("/dev/ttyUSB9", Qt::MatchStartsWith);
            QCOMPARE(absent.size(), 1);
            QVERIFY(!(absent[0]->flags() & Qt::ItemIsEnabled));
            QVERIFY(absent[0]->text().contains("not present"));
            list->setCurrentItem(list->findItems(pty, Qt::MatchStartsWith).first());
            QCOMPARE(dialog.pathEdit()->text(), pty);
            dialog.reject();
        }
        QCOMPARE(portName, std::string("COM3"));
        {
            CPortSettingDlg dialog(portName, startDemo);
            QListWidget* list = dialog.portList();
            list->setCurrentItem(list->item(list->count() - 1));
            QCOMPARE(demoStarts, 1);
            QCOMPARE(dialog.pathEdit()->text(), pty);
            dialog.accept();
        }
        QCOMPARE(portName, radio.DevicePath());
        {
            // The stored port is selected when the dialog opens again.
            CPortSettingDlg dialog(portName, startDemo);
            dialog.AddPort({pty, pty, true, {}});
            QVERIFY(dialog.portList()->currentItem());
            QCOMPARE(dialog.portList()->currentItem()->text(), pty);
            dialog.pathEdit()->setText("  /dev/ttyACM0 ");
            dialog.accept();
        }
        QCOMPARE(portName, std::string("/dev/ttyACM0"));
    }

    void readFromTheMainWindowRefreshesTheTable() {
        dpmr::test::TempDir dir;
        dpmr::VirtualRadio radio;
        radio.SetMemory(dpmr::BuildSampleCodeplug());
        QVERIFY(radio.Start().ok());
        AppContext context;
        context.settings = dpmr::LoadAppSettings(dir.path());
        context.settings.portName = radio.DevicePath();
        CMainFrame frame(context);
        frame.NewDocument();
        QVERIFY(frame.view()->presenter().Cell(1, 1).empty());

        dpmr::test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<CProgressDlg*>(modal);
            QVERIFY(dialog);
            dialog->startButton()->click();
        });
        frame.action("actionRead")->trigger();
        QCOMPARE(frame.view()->presenter().Cell(1, 1), std::string("446.006250"));
        QCOMPARE(frame.view()->presenter().Cell(16, 1), std::string("446.193750"));
        QVERIFY(frame.IsModified());

        // Write sends the table back: change a cell, write, and the radio has it.
        radio.SetMemory(Filled(0xFF));
        dpmr::test::OnNextModal(
            [](QWidget* modal) { qobject_cast<CProgressDlg*>(modal)->startButton()->click(); });
        frame.action("actionWrite")->trigger();
        QVERIFY(SameTransferredRanges(radio.Memory(), context.image));
    }
};

QTEST_MAIN(LinkDialogsTest)
#include "LinkDialogsTest.moc"
