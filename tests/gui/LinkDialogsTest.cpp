// Read and Write through the real progress dialog against the virtual radio on
// a pseudo-terminal (success, cancel, failures), the port setting dialog, and
// Read/Write from the main window.
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
#include "link/SampleCodeplug.h"
#include "link/VirtualRadio.h"
#include "support/TempDir.h"
#include "widgets/FlexGrid.h"

using dpmr::test::ClickOnNextMessageBox;
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

dpmr::RadioImage Filled(std::uint8_t value) {
    dpmr::RadioImage image;
    image.Fill(0, dpmr::RadioImage::kSize, value);
    return image;
}

// Runs one dialog: Start is clicked, `onBlock` sees every bar position.
int Run(CProgressDlg& dialog, std::function<void(int)> onBlock = {}) {
    QTimer::singleShot(0, dialog.startButton(), &QPushButton::click);
    if (onBlock)
        QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, &dialog, onBlock);
    return dialog.exec();
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
        CProgressDlg read(Direction::kRead, image, {radio.DevicePath(), 9600}, control);
        QCOMPARE(read.windowTitle(), QString("Read data"));
        QCOMPARE(read.percentLabel()->text(), QString("0%"));
        QCOMPARE(read.progressBar()->maximum(), 504);
        QCOMPARE(Run(read), int(QDialog::Accepted));
        QCOMPARE(read.percentLabel()->text(), QString("100%"));
        QVERIFY(SameTransferredRanges(image, radio.Memory()));
        QCOMPARE(image.U8(0x0000), std::uint8_t{0x5A});  // never transferred
        QCOMPARE(image.Bcd4(0x3F80), 40000000u);         // the radio's band, filled in

        radio.SetMemory(Filled(0xFF));
        CProgressDlg write(Direction::kWrite, image, {radio.DevicePath(), 9600}, control);
        QCOMPARE(write.windowTitle(), QString("Write data"));
        QCOMPARE(Run(write), int(QDialog::Accepted));
        QVERIFY(SameTransferredRanges(image, radio.Memory()));
    }

    void exitBeforeStartClosesWithoutTouchingThePort() {
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        dpmr::RadioImage image = Filled(0x11);
        dpmr::TransferControl control;
        CProgressDlg dialog(Direction::kRead, image, {radio.DevicePath(), 9600}, control);
        QTimer::singleShot(0, dialog.exitButton(), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(radio.Traffic().empty());
        QVERIFY(image == Filled(0x11));
    }

    // Every way a Read can end badly leaves the image as it was; failures are
    // shown with their reason before the dialog closes, a cancel shows
    // nothing. A Write stopped after the radio took blocks warns about it.
    void failedOrCancelledTransfersSayWhat() {
        struct Case {
            const char* name;
            Direction direction;
            int paceBaud;
            bool badPort;
            int stopAt;       // bar position at which the radio is pulled (or Exit pressed)
            bool pullCable;   // else: Exit
            QString message;  // how the message box text starts
        };
        const QString partly =
            "The radio may now hold a partly written configuration: write it again before "
            "using it.";
        const Case cases[] = {
            {"no port", Direction::kRead, 0, true, 0, false,
             "Cound not open the port.\n/dev/no-such-port: No such file or directory"},
            {"pulled cable", Direction::kRead, 0, false, 20, true,
             "Communication error\nthe transfer broke off at address 0x"},
            {"exit", Direction::kRead, 9600, false, 3, false, ""},
            {"exit from a write", Direction::kWrite, 9600, false, 3, false, partly},
        };
        for (const Case& c : cases) {
            dpmr::VirtualRadioOptions options;
            options.paceBaud = c.paceBaud;
            auto radio = std::make_unique<dpmr::VirtualRadio>(options);
            radio->SetMemory(dpmr::BuildSampleCodeplug());
            QVERIFY(radio->Start().ok());
            const std::string port = c.badPort ? "/dev/no-such-port" : radio->DevicePath();
            dpmr::RadioImage image = Filled(0x44);
            dpmr::TransferControl control;
            CProgressDlg dialog(c.direction, image, {port, 9600}, control);
            QCOMPARE(dialog.findChild<QLabel*>("hint")->text(),
                     QString("Connect the radio, switch it on, then press Start."));
            auto box = ClickOnNextMessageBox(QMessageBox::Ok);
            const int status = Run(dialog, [&](int v) {
                if (v != c.stopAt) return;
                if (c.pullCable) {
                    radio.reset();
                } else {
                    dialog.exitButton()->click();
                }
            });
            QCOMPARE(status, int(QDialog::Rejected));
            QVERIFY2(image == Filled(0x44), c.name);
            box->stopped = true;
            QVERIFY2(c.message.isEmpty() ? !box->seen : box->text.startsWith(c.message),
                     qPrintable(box->text));
            QCOMPARE(dialog.result().cancelled(), !c.pullCable && !c.badPort);
            if (dialog.result().cancelled()) {
                // Exit still closed the session properly (the radio answers
                // its end frame on its own thread, whenever it gets to it).
                QTRY_VERIFY_WITH_TIMEOUT(radio->CompletedSessions() == 1, 30000);
            }
        }
    }

    void portDialogChoosesAndCancels() {
        dpmr::VirtualRadio radio;
        QVERIFY(radio.Start().ok());
        const QString pty = QString::fromStdString(radio.DevicePath());
        std::string portName = "COM3";
        auto startDemo = [&] { return radio.DevicePath(); };
        auto choose = [&](int row, bool ok) {
            CPortSettingDlg dialog(portName, {}, startDemo);
            dialog.AddPort({pty, pty, true, {}});
            dialog.AddPort({"/dev/ttyUSB9", "/dev/ttyUSB9", false, "not present"});
            QListWidget* list = dialog.portList();
            QListWidgetItem* absent = list->findItems("/dev/ttyUSB9", Qt::MatchStartsWith)[0];
            if (!(absent->text().contains("not present")) || (absent->flags() & Qt::ItemIsEnabled))
                return QString("absent port offered");
            if (list->item(list->count() - 1)->text() != "Virtual radio (demo)")
                return QString("no demo entry");
            const QString opened = dialog.pathEdit()->text();
            list->setCurrentRow(row < 0 ? list->count() + row : row);
            ok ? dialog.accept() : dialog.reject();
            return opened;
        };
        QCOMPARE(choose(-1, false), QString("COM3"));  // Cancel changes nothing
        QCOMPARE(portName, std::string("COM3"));
        choose(-1, true);  // the virtual radio
        QCOMPARE(portName, radio.DevicePath());
        QCOMPARE(choose(-1, false), pty);  // shown again when the dialog reopens
        // Showing the dialog never replaces the port in the field by itself,
        // and the running virtual radio is the current entry.
        CPortSettingDlg shown(portName, radio.DevicePath(), {});
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QCOMPARE(shown.pathEdit()->text(), pty);
        QCOMPARE(shown.portList()->currentItem()->text(), QString("Virtual radio (demo)"));
        shown.reject();
        std::string unknown = "/dev/ttyUSB7";
        CPortSettingDlg fresh(unknown, {}, {});
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QCOMPARE(fresh.pathEdit()->text(), QString("/dev/ttyUSB7"));
        fresh.accept();
        QCOMPARE(unknown, std::string("/dev/ttyUSB7"));
        CPortSettingDlg typed(portName, {}, startDemo);
        typed.pathEdit()->setText("  /dev/ttyACM0 ");
        typed.accept();
        QCOMPARE(portName, std::string("/dev/ttyACM0"));
    }

    // Read asks the unsaved-changes question first and checks the contacts it
    // got; Write stores the table first.
    void readAndWriteFromTheMainWindow() {
        dpmr::test::TempDir dir;
        dpmr::VirtualRadio radio;
        dpmr::RadioImage memory = dpmr::BuildSampleCodeplug();
        memory.FillFF(0x0548, 8);        // the contact has no name
        memory.SetU8(0x0100 + 0x15, 9);  // channel 1 sends to a contact that is not listed
        radio.SetMemory(memory);
        QVERIFY(radio.Start().ok());
        AppContext context;
        context.settings = dpmr::LoadAppSettings(dir.path());
        context.settings.portName = radio.DevicePath();
        CMainFrame frame(context);
        frame.NewDocument();
        auto clickStart = [] {
            dpmr::test::OnNextModal(
                [](QWidget* modal) { qobject_cast<CProgressDlg*>(modal)->startButton()->click(); });
        };
        context.image.SetU8(0x0300, 0x07);  // unsaved work
        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        frame.action("actionRead")->trigger();
        QCOMPARE(cancel->text, QString("Save changes?"));
        QVERIFY(radio.Traffic().empty());
        QCOMPARE(context.image.U8(0x0300), std::uint8_t{0x07});
        ClickOnNextMessageBox(QMessageBox::Discard);
        clickStart();
        frame.action("actionRead")->trigger();
        QCOMPARE(frame.view()->presenter().Cell(1, 1), std::string("446.006250"));
        QCOMPARE(frame.view()->presenter().Cell(16, 1), std::string("446.193750"));
        QCOMPARE(context.image.Text(0x0548, 8), std::string("Name 1"));
        QCOMPARE(context.image.U8(0x0100 + 0x15), std::uint8_t{0xFF});
        QVERIFY(frame.IsModified() && frame.isWindowModified());

        // Write stores the table first: a frequency typed and not yet stored
        // reaches the radio.
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        FlexGrid* grid = frame.view()->grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(1, 1).center());
        QLineEdit* edit = frame.view()->frequencyEditor();
        edit->selectAll();
        QTest::keyClicks(edit, "446.1");
        clickStart();
        frame.action("actionWrite")->trigger();
        QCOMPARE(radio.Memory().Bcd4(0x100), 44610000u);
        QVERIFY(SameTransferredRanges(radio.Memory(), context.image));
    }
};

QTEST_MAIN(LinkDialogsTest)
#include "LinkDialogsTest.moc"
