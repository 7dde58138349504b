// Safe programming in the main window, driven through its real widgets
// offscreen against the virtual radio on a pseudo-terminal: undo and redo
// across table edits, the band, a dialog and a Read with the modified mark
// following; the check before a Write; the Write dialog's "Verify after
// writing" and "Keep the radio's squelch calibration"; the backups of Read
// and Write and File > Open Backup.
#include <signal.h>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include <fstream>

#include "TestMainWindow.h"
#include "app/CSessionEnd.h"
#include "backup/BackupStore.h"
#include "codec/FrequencyCodec.h"
#include "image/ChannelRecord.h"
#include "image/Document.h"
#include "image/ImageLayout.h"
#include "link/SampleCodeplug.h"
#include "link/VirtualRadio.h"
#include "support/ToolRun.h"

using dpmr::test::ClickOnNextMessageBox;
using dpmr::test::OnNextModal;
using dpmr::test::StartNextTransfer;

class SafeProgrammingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<dpmr::VirtualRadio> radio_;
    std::unique_ptr<dpmr::test::TestMainWindow> w_;

    QString Cell(int row, int col) {
        return QString::fromStdString(w_->view()->presenter().Cell(row, col));
    }
    // The menu texts without their mnemonic marks.
    QString UndoText() { return w_->Action(ActionId::kUndo)->text().remove('&'); }
    QString RedoText() { return w_->Action(ActionId::kRedo)->text().remove('&'); }
    bool Modified() { return w_->frame->isWindowModified(); }
    // Keys pressed on the table, with the main window active again.
    void Key(const char* keys) {
        QApplication::setActiveWindow(w_->frame.get());
        w_->view()->grid()->setFocus();
        QTest::keySequence(w_->view()->grid(), QKeySequence(keys));
    }
    // Types `text` into a cell and leaves it with Enter (or stays in it).
    void TypeIntoCell(int row, int col, const char* text, bool enter = true) {
        dpmr::test::ClickCell(w_->view()->grid(), row, col);
        QLineEdit* edit = w_->view()->frequencyEditor();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (enter) QTest::keyClick(edit, Qt::Key_Return);
    }
    // Flips the alarm dialog's "ID type" (or only closes the dialog).
    void OpenAlarmDialog(bool change) {
        OnNextModal([change](QWidget* modal) {
            auto* dialog = qobject_cast<CTabDialog*>(modal);
            auto* box = qobject_cast<QComboBox*>(dpmr::test::Control(*dialog, 0, "id_type"));
            if (change) box->setCurrentIndex(1 - box->currentIndex());
            dialog->close();
        });
        w_->Action(ActionId::kAlarm)->trigger();
    }
    std::vector<dpmr::BackupEntry> Backups() {
        std::vector<dpmr::BackupEntry> entries;
        dpmr::BackupStore(w_->context.backupFolder).List(entries);
        return entries;
    }
    // Writes, and returns the note the Write dialog showed.
    QString Write() {
        auto notice = std::make_shared<QString>();
        auto start = StartNextTransfer([notice](CProgressDlg* dialog) {
            *notice = dialog->findChild<QLabel*>("notice")->text();
        });
        w_->Action(ActionId::kWrite)->trigger();
        start->stopped = true;  // when the Write was called off
        return *notice;
    }

  private slots:
    void init() {
        radio_ = std::make_unique<dpmr::VirtualRadio>();
        radio_->SetMemory(dpmr::BuildSampleCodeplug());
        QVERIFY(radio_->Start().ok());
        w_ = std::make_unique<dpmr::test::TestMainWindow>(radio_->DevicePath());
        dpmr::test::ShowActive(w_->frame.get());
    }
    void cleanup() {
        w_.reset();
        radio_.reset();
    }

    // One step per committed cell, band change, dialog with changes and Read; undoing to the saved
    // state clears the modified mark; New clears it all.
    void undoAndRedoAcrossTableBandDialogAndRead() {
        TypeIntoCell(1, 1, "446.1");
        TypeIntoCell(1, 2, "445.1");
        QCOMPARE(UndoText(), QString("Undo Channel 1 Tx Freq"));
        TypeIntoCell(1, 2, "445.1");  // the same again: no step
        OpenAlarmDialog(false);       // closed without a change: no step
        QCOMPARE(w_->frame->controller().history().StepCount(), 2u);
        w_->nextFile = QString::fromStdString(w_->dir.File("saved.dat"));
        QVERIFY(w_->frame->controller().SaveDocumentAs());
        OpenAlarmDialog(true);
        QCOMPARE(UndoText(), QString("Undo Alarm"));
        QVERIFY(Modified());

        Key("Ctrl+Z");  // back to what was saved
        QVERIFY(!Modified());
        QCOMPARE(RedoText(), QString("Redo Alarm"));
        Key("Ctrl+Z");
        QCOMPARE(Cell(1, 2), QString("446.100000"));
        QVERIFY(Modified());
        Key("Ctrl+Y");
        QCOMPARE(Cell(1, 2), QString("445.100000"));
        QVERIFY(!Modified());
        Key("Ctrl+Shift+Z");
        QCOMPARE(UndoText(), QString("Undo Alarm"));
        QVERIFY(Modified() && !w_->Action(ActionId::kRedo)->isEnabled());

        // A band change that empties the table is one step.
        ClickOnNextMessageBox(QMessageBox::Yes);
        QComboBox* bands = w_->view()->bandList();
        bands->setFocus();
        QTest::keyClick(bands, Qt::Key_Down);
        QCOMPARE(UndoText(), QString("Undo Freq range"));
        QCOMPARE(Cell(1, 1), QString());
        w_->Action(ActionId::kUndo)->trigger();
        QCOMPARE(bands->currentText(), QString("400-470MHz"));
        QCOMPARE(Cell(1, 1), QString("446.100000"));
        // Read replaces the document: one step, and undoing it brings the
        // table back as it was, with its changes still unsaved.
        ClickOnNextMessageBox(QMessageBox::Discard);
        StartNextTransfer();
        w_->Action(ActionId::kRead)->trigger();
        QCOMPARE(Cell(1, 1), QString("446.006250"));
        QCOMPARE(UndoText(), QString("Undo Read"));
        Key("Ctrl+Z");
        QCOMPARE(Cell(1, 1), QString("446.100000"));
        QVERIFY(Modified());

        ClickOnNextMessageBox(QMessageBox::Discard);
        w_->Action(ActionId::kNew)->trigger();
        QVERIFY(!w_->Action(ActionId::kUndo)->isEnabled() &&
                !w_->Action(ActionId::kRedo)->isEnabled());
    }

    // Undo while a cell is typed in takes back that typing (Redo brings it
    // back); it does nothing while a dialog is open.
    void undoWhileTypingAndWhileADialogIsOpen() {
        TypeIntoCell(1, 1, "446.1");
        TypeIntoCell(2, 1, "430", false);
        w_->Action(ActionId::kUndo)->trigger();
        QCOMPARE(Cell(2, 1), QString());
        QCOMPARE(RedoText(), QString("Redo Channel 2 Rx Freq"));
        w_->Action(ActionId::kRedo)->trigger();
        QCOMPARE(Cell(2, 1), QString("430.000000"));

        const dpmr::RadioImage before = w_->context.image;
        OnNextModal([this](QWidget* modal) {
            w_->Action(ActionId::kUndo)->trigger();
            qobject_cast<QDialog*>(modal)->close();
        });
        w_->Action(ActionId::kBasicSetting)->trigger();
        QVERIFY(w_->context.image == before);
        QCOMPARE(UndoText(), QString("Undo Channel 2 Rx Freq"));
    }

    // Errors ask "Write anyway?" (No by default) listing them; warnings only
    // are shown in the Write dialog. The table is stored before the check.
    void writeChecksTheImageFirst() {
        // A file whose channel 1 sends on 480 MHz, outside its band.
        dpmr::SetBcdFrequency(w_->context.image, dpmr::channel::RecordOffset(1), 44610000);
        dpmr::SetBcdFrequency(w_->context.image, dpmr::channel::RecordOffset(1) + 4, 48000000);
        w_->view()->SelectBandFromImage();
        radio_->ClearTraffic();
        for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            auto ask = OnNextModal(
                [answer](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
                    QVERIFY(box->informativeText().contains(
                        "error: Channel 1: Tx 480.000000 MHz is outside the band 400-470 MHz\n"
                        "warning: The dPMR radio name is empty"));
                    box->button(answer)->click();
                },
                10000, [](QWidget* m) { return qobject_cast<QMessageBox*>(m) != nullptr; });
            const QString notice = Write();
            QCOMPARE(ask->text, QString("Write anyway?"));
            if (answer == QMessageBox::No) {
                QVERIFY(radio_->Traffic().empty() && Backups().empty());
            } else {
                QVERIFY(notice.contains("error: Channel 1: Tx 480.000000 MHz"));
                QCOMPARE(radio_->Memory().Bcd4(0x0104), 48000000u);
            }
        }

        TypeIntoCell(1, 2, "446.1");
        auto none = ClickOnNextMessageBox(QMessageBox::No);
        QCOMPARE(Write(), QString("Note before writing:\nwarning: The dPMR radio name is empty"));
        none->stopped = true;
        QVERIFY(!none->seen);
        QCOMPARE(radio_->Memory().Bcd4(0x0104), 44610000u);
    }

    // The Write dialog's two boxes, off at first and remembered in
    // Program.ini. Both ticked: a radio that keeps a byte wrongly fails the
    // write naming the setting, the line says which block the transfer is
    // at, the dialog stays open with the result until Close; a good radio
    // gets its own calibration back, the newest backup is what it received
    // and the document stays as it is.
    void writeDialogVerifiesAndKeepsTheRadiosCalibration() {
        dpmr::RadioImage memory = radio_->Memory();
        memory.SetU8(dpmr::layout::kSquelchValues, 77);
        radio_->SetMemory(memory);
        w_->context.image.SetText(0x3F88, 8, "Unit 1");
        w_->context.image.SetU8(dpmr::layout::kSquelchValues, 11);
        radio_->SetFaults({.corruptByteAt = 0x0308});  // TOT
        QString result;
        QStringList doing;
        StartNextTransfer(
            [&doing](CProgressDlg* dialog) {
                QVERIFY(!dialog->verifyBox()->isChecked());
                QVERIFY(!dialog->keepCalibrationBox()->isChecked());
                dialog->verifyBox()->setChecked(true);
                dialog->keepCalibrationBox()->setChecked(true);
                QObject::connect(dialog->progressBar(), &QProgressBar::valueChanged, dialog,
                                 [&doing, dialog] { doing << dialog->hintLabel()->text(); });
            },
            [&result](CProgressDlg* dialog) {
                QVERIFY(dialog->isVisible() && !dialog->startButton()->isVisible());
                QCOMPARE(dialog->exitButton()->text(), QString("Close"));
                result = dialog->hintLabel()->text();
            });
        w_->Action(ActionId::kWrite)->trigger();
        // Then where the write's wire trace is, named by its time.
        QCOMPARE(result.left(result.indexOf("\nWire trace: ")),
                 QString("Verify failed\nthe radio holds other values for option.tot.\n"
                         "Write again before using the radio."));
        QVERIFY2(doing.at(0) == "Connecting to the radio..." &&
                     doing.contains("Writing block 0x1200...") &&
                     doing.contains("Verifying block 0x0120..."),
                 qPrintable(doing.join('|')));
        dpmr::CIniFile ini(w_->dir.File("Program.ini"));
        QCOMPARE(ini.GetString("Setup", "VerifyAfterWrite", "") +
                     ini.GetString("Setup", "KeepCalibration", ""),
                 std::string("11"));

        radio_->SetFaults({});
        bool checked = false;
        StartNextTransfer(
            [&checked](CProgressDlg* dialog) {
                checked =
                    dialog->verifyBox()->isChecked() && dialog->keepCalibrationBox()->isChecked();
            },
            [&result](CProgressDlg* dialog) { result = dialog->hintLabel()->text(); });
        w_->Action(ActionId::kWrite)->trigger();
        QVERIFY(checked);
        // What the verify compared, in the dialog and the status bar alike.
        const QString verified(
            "Written and verified, except the 24-byte closing block, which "
            "the radio does not send back");
        QCOMPARE(result, verified);
        QCOMPARE(w_->frame->statusBar()->currentMessage(), verified);
        QCOMPARE(radio_->Memory().U8(dpmr::layout::kSquelchValues), std::uint8_t{77});
        QCOMPARE(w_->context.image.U8(dpmr::layout::kSquelchValues), std::uint8_t{11});
        dpmr::RadioImage kept;
        QVERIFY(dpmr::LoadImageFile(Backups().at(0).path, kept).ok());
        QVERIFY(dpmr::DifferingAddresses(kept, radio_->Memory()).empty());
    }

    // What a radio sent is a new document, also over an open file: Save asks
    // for a name, so the file stays as it was; the Read's backup is the
    // radio's configuration all the same.
    void aReadOverAnOpenFileIsANewDocument() {
        const std::string company = w_->dir.File("company.dat");
        w_->nextFile = QString::fromStdString(company);
        QVERIFY(w_->frame->controller().SaveDocumentAs());
        const std::string master = dpmr::test::FileText(company);
        StartNextTransfer();
        w_->Action(ActionId::kRead)->trigger();
        QCOMPARE(Cell(1, 1), QString("446.006250"));
        QCOMPARE(w_->frame->windowTitle(),
                 QString("HM-842R Software - Untitled (read from the radio)[*]"));
        QVERIFY(Modified() && w_->frame->controller().session().path().empty());
        w_->nextFile.clear();  // the Save As that Ctrl+S opens is cancelled
        w_->offeredFolder.clear();
        Key("Ctrl+S");
        QCOMPARE(w_->offeredFolder, QString("Untitled.dat"));
        QVERIFY(dpmr::test::FileText(company) == master);
        QVERIFY(Modified());
        dpmr::RadioImage kept;
        QVERIFY(dpmr::LoadImageFile(Backups().at(0).path, kept).ok());
        QVERIFY(
            std::ranges::equal(kept.Span(0x0100, 0x2060), radio_->Memory().Span(0x0100, 0x2060)));
    }

    // Read keeps its copy (Write's: above); a copy that cannot be kept is
    // said in the status bar and the transfer goes on. Open Backup offers
    // the folder and opens the copy as a new document.
    // A logout's SIGTERM or SIGHUP during a Write stops it between blocks
    // as Exit does: the radio gets its end frame, the dialog says it holds a
    // partly written configuration, the backup is marked as a failed write,
    // and the program is asked to end with the signal's status. The session
    // manager's request to save stops it the same way, without ending.
    void aSessionEndStopsAWriteBetweenBlocksAndMarksItsBackup() {
        for (const int signo : {SIGTERM, SIGHUP, 0}) {
            auto radio = std::make_unique<dpmr::VirtualRadio>(
                dpmr::VirtualRadioOptions{.paceBaud = 9600});  // a full write takes 20 s
            radio->SetMemory(dpmr::BuildSampleCodeplug());
            QVERIFY(radio->Start().ok());
            w_->context.settings.portName = radio->DevicePath();
            int quitWith = 0;
            CSessionEnd end(w_->context.transfer, [&quitWith](int status) { quitWith = status; });
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                for (const dpmr::WireFrame& f : radio->Traffic()) {
                    if (f.direction != dpmr::WireFrame::Direction::kToRadio || f.bytes.size() < 3 ||
                        f.bytes[0] != 'W' || f.bytes[1] != 0x02)
                        continue;
                    watch.stop();  // the block at 0x0200 is on its way
                    if (signo != 0)
                        ::raise(signo);
                    else
                        end.StopTransfer();
                    return;
                }
            });
            watch.start(20);
            QString result;
            StartNextTransfer(
                {}, [&result](CProgressDlg* dialog) { result = dialog->hintLabel()->text(); });
            const std::size_t before = Backups().size();
            w_->Action(ActionId::kWrite)->trigger();
            QCOMPARE(quitWith, signo == 0 ? 0 : 128 + signo);
            QCOMPARE(result, QString(dpmr::msg::kPartlyWritten));
            const std::vector<dpmr::BackupEntry> backups = Backups();
            QCOMPARE(backups.size(), before + 1);
            QCOMPARE(backups.at(0).kind, dpmr::BackupKind::kFailedWrite);
            QTRY_VERIFY(radio->CompletedSessions() == 1);
            std::vector<std::uint8_t> last;
            for (const dpmr::WireFrame& f : radio->Traffic())
                if (f.direction == dpmr::WireFrame::Direction::kToRadio) last = f.bytes;
            QVERIFY(last == std::vector<std::uint8_t>({'E', 'N', 'D', 'W'}));
        }
    }

    void backupsOfReadAndWriteAndOpenBackup() {
        StartNextTransfer();
        w_->Action(ActionId::kRead)->trigger();
        const std::string readName = w_->context.image.Text(0x3F88, 8);
        w_->context.image.SetText(0x3F88, 8, "Unit 2");
        const std::vector<dpmr::BackupEntry> backups = Backups();
        QCOMPARE(backups.at(0).kind, dpmr::BackupKind::kRead);

        ClickOnNextMessageBox(QMessageBox::Discard);
        w_->nextFile = QString::fromStdString(backups[0].path);
        w_->Action(ActionId::kOpenBackup)->trigger();
        QCOMPARE(w_->offeredFolder, QString::fromStdString(w_->context.backupFolder));
        QVERIFY(w_->frame->controller().session().path().empty() && !Modified());
        QCOMPARE(w_->context.image.Text(0x3F88, 8), readName);
        QVERIFY(!w_->Action(ActionId::kUndo)->isEnabled());

        // A file where the folder belongs: a Write says so, a Read goes on
        // and says so.
        w_->context.backupFolder = w_->dir.File("Program.ini/backups");
        w_->context.settings.portName = w_->dir.File("no-port");
        Write();
        QVERIFY(w_->frame->statusBar()->currentMessage().startsWith(
            "No backup of the write was kept: cannot make the folder"));
        w_->context.settings.portName = radio_->DevicePath();
        radio_->SetMemory(dpmr::RadioImage());  // an erased radio
        StartNextTransfer();
        w_->Action(ActionId::kRead)->trigger();
        QCOMPARE(Cell(1, 1), QString());
        QVERIFY(w_->frame->statusBar()->currentMessage().startsWith(
            "Read from the radio. No backup of the read was kept: cannot make the folder"));
    }
};

QTEST_MAIN(SafeProgrammingTest)
#include "SafeProgrammingTest.moc"
