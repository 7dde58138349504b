// Safe programming in the main window, driven through its real widgets
// offscreen against the virtual radio on a pseudo-terminal: undo and redo
// across table edits, the band, a dialog and a Read with the modified mark
// following; the check before a Write; "Verify after writing"; the backups
// of Read and Write and File > Open Backup.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <fstream>

#include "ModalHelper.h"
#include "app/CMainFrame.h"
#include "channels/CProgramView.h"
#include "channels/ChannelRecord.h"
#include "channels/FrequencyCodec.h"
#include "form/CFormPage.h"
#include "form/CTabDialog.h"
#include "image/Document.h"
#include "link/CProgressDlg.h"
#include "link/SampleCodeplug.h"
#include "link/VirtualRadio.h"
#include "support/TempDir.h"
#include "widgets/FlexGrid.h"

using dpmr::test::ClickOnNextMessageBox;
using dpmr::test::OnNextModal;

namespace {

// Clicks Start in the next progress dialog, after `before` has seen it.
std::shared_ptr<dpmr::test::ModalAnswer> StartNextTransfer(
    std::function<void(CProgressDlg*)> before = {}) {
    return OnNextModal(
        [before](QWidget* modal) {
            auto* dialog = qobject_cast<CProgressDlg*>(modal);
            if (before) before(dialog);
            dialog->startButton()->click();
        },
        10000, [](QWidget* modal) { return qobject_cast<CProgressDlg*>(modal) != nullptr; });
}

// Flips the alarm dialog's "ID type" and closes the dialog (or only closes it).
void AnswerAlarmDialog(bool change) {
    OnNextModal([change](QWidget* modal) {
        auto* dialog = qobject_cast<CTabDialog*>(modal);
        if (change) {
            auto* page = static_cast<CFormPage*>(dialog->PageWidget(0));
            auto* box = qobject_cast<QComboBox*>(page->Control("id_type"));
            box->setCurrentIndex(1 - box->currentIndex());
        }
        dialog->close();
    });
}

}  // namespace

class SafeProgrammingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<dpmr::test::TempDir> dir_;
    std::unique_ptr<dpmr::VirtualRadio> radio_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<CMainFrame> frame_;
    QString nextFile_;
    QString offeredFolder_;

    dpmr::ChannelTablePresenter& Table() { return frame_->view()->presenter(); }
    QString Cell(int row, int col) { return QString::fromStdString(Table().Cell(row, col)); }
    QString UndoText() { return frame_->action("actionUndo")->text(); }
    QString RedoText() { return frame_->action("actionRedo")->text(); }
    // Keys pressed on the table, with the main window active again.
    void Key(QKeySequence keys) {
        QApplication::setActiveWindow(frame_.get());
        frame_->view()->grid()->setFocus();
        QTest::keySequence(frame_->view()->grid(), keys);
    }
    // Types `text` into a cell and leaves it with Enter.
    void TypeIntoCell(int row, int col, const char* text) {
        FlexGrid* grid = frame_->view()->grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(row, col).center());
        QLineEdit* edit = frame_->view()->frequencyEditor();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    std::vector<dpmr::BackupEntry> Backups() {
        std::vector<dpmr::BackupEntry> entries;
        dpmr::BackupStore(context_->backupFolder).List(entries);
        return entries;
    }
    static QByteArray Bytes(const dpmr::RadioImage& image) {
        return QByteArray(reinterpret_cast<const char*>(image.Data()), dpmr::RadioImage::kSize);
    }
    static QByteArray FileBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return QByteArray::fromStdString({std::istreambuf_iterator<char>(in), {}});
    }

  private slots:
    void init() {
        dir_ = std::make_unique<dpmr::test::TempDir>();
        // The user's settings and state are the test's own.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir_->File("config")));
        std::ofstream(dir_->File("Program.ini")) << "[Setup]\nFreqRange=400-470MHz;136-174MHz\n";
        radio_ = std::make_unique<dpmr::VirtualRadio>();
        radio_->SetMemory(dpmr::BuildSampleCodeplug());
        QVERIFY(radio_->Start().ok());
        context_ = std::make_unique<AppContext>();
        context_->settings = dpmr::LoadAppSettings(dir_->path());
        context_->settings.portName = radio_->DevicePath();
        context_->backupFolder = dir_->File("state/backups/");
        frame_ = std::make_unique<CMainFrame>(*context_);
        frame_->SetFileChooser([this](bool, const QString& suggested) {
            offeredFolder_ = suggested;
            return nextFile_;
        });
        frame_->NewDocument();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }

    void cleanup() {
        frame_.reset();
        context_.reset();
        radio_.reset();
        dir_.reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    // One step per committed cell, band change, dialog with changes and Read;
    // undoing to the saved state clears the modified mark; New clears it all.
    void undoAndRedoAcrossTableBandDialogAndRead() {
        QList<QAction*> edit = frame_->menuBar()->actions()[1]->menu()->actions();
        QCOMPARE(edit[0]->objectName(), QString("actionUndo"));
        QCOMPARE(edit[1]->objectName(), QString("actionRedo"));
        QVERIFY(edit[2]->isSeparator());
        QCOMPARE(edit[0]->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(edit[1]->shortcuts(),
                 QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
        QVERIFY(!edit[0]->isEnabled() && !edit[1]->isEnabled());
        QCOMPARE(UndoText(), QString("Undo"));

        TypeIntoCell(1, 1, "446.1");
        QCOMPARE(UndoText(), QString("Undo Channel 1 Rx Freq"));
        TypeIntoCell(1, 2, "445.1");
        QCOMPARE(UndoText(), QString("Undo Channel 1 Tx Freq"));
        TypeIntoCell(1, 2, "445.1");  // the same again: no step
        QCOMPARE(frame_->history().StepCount(), 2u);
        nextFile_ = QString::fromStdString(dir_->File("saved.dat"));
        QVERIFY(frame_->OnFileSaveAs());
        QVERIFY(!frame_->isWindowModified());

        AnswerAlarmDialog(false);  // closed without a change: no step
        frame_->action("actionAlarm")->trigger();
        QCOMPARE(frame_->history().StepCount(), 2u);
        AnswerAlarmDialog(true);
        frame_->action("actionAlarm")->trigger();
        QCOMPARE(UndoText(), QString("Undo Alarm"));
        QVERIFY(frame_->isWindowModified());

        Key(QKeySequence("Ctrl+Z"));  // back to what was saved
        QVERIFY(!frame_->isWindowModified());
        QCOMPARE(UndoText(), QString("Undo Channel 1 Tx Freq"));
        QCOMPARE(RedoText(), QString("Redo Alarm"));
        Key(QKeySequence("Ctrl+Z"));
        QCOMPARE(Cell(1, 2), QString("446.100000"));
        QVERIFY(frame_->isWindowModified());
        Key(QKeySequence("Ctrl+Y"));
        QCOMPARE(Cell(1, 2), QString("445.100000"));
        QVERIFY(!frame_->isWindowModified());
        Key(QKeySequence("Ctrl+Shift+Z"));
        QCOMPARE(UndoText(), QString("Undo Alarm"));
        QVERIFY(frame_->isWindowModified() && !frame_->action("actionRedo")->isEnabled());

        // A band change that empties the table is one step.
        ClickOnNextMessageBox(QMessageBox::Yes);
        QComboBox* bands = frame_->view()->bandList();
        bands->setFocus();
        QTest::keyClick(bands, Qt::Key_Down);
        QCOMPARE(UndoText(), QString("Undo Freq range"));
        QCOMPARE(Cell(1, 1), QString());
        frame_->action("actionUndo")->trigger();
        QCOMPARE(bands->currentText(), QString("400-470MHz"));
        QCOMPARE(Cell(1, 1), QString("446.100000"));

        // So is loading "Factroy".
        dpmr::RadioImage factory;
        dpmr::StoreBuiltInDefaults(factory, dpmr::BandLimits{});
        QVERIFY(dpmr::SaveImageFile(dir_->File("Factory.dat"), factory).ok());
        ClickOnNextMessageBox(QMessageBox::Yes);
        QTest::mouseClick(frame_->view()->factoryButton(), Qt::LeftButton);
        QCOMPARE(UndoText(), QString("Undo Factroy"));
        QCOMPARE(Cell(1, 1), QString());
        Key(QKeySequence("Ctrl+Z"));
        QCOMPARE(Cell(1, 1), QString("446.100000"));

        // Read replaces the document: one step, and undoing it brings the
        // table back as it was, with its changes still unsaved.
        ClickOnNextMessageBox(QMessageBox::Discard);
        StartNextTransfer();
        frame_->action("actionRead")->trigger();
        QCOMPARE(Cell(1, 1), QString("446.006250"));
        QCOMPARE(UndoText(), QString("Undo Read"));
        frame_->view()->grid()->setFocus();
        Key(QKeySequence("Ctrl+Z"));
        QCOMPARE(Cell(1, 1), QString("446.100000"));
        QVERIFY(frame_->isWindowModified());
        QCOMPARE(RedoText(), QString("Redo Read"));

        ClickOnNextMessageBox(QMessageBox::Discard);
        frame_->action("actionNew")->trigger();
        QVERIFY(!frame_->action("actionUndo")->isEnabled());
        QVERIFY(!frame_->action("actionRedo")->isEnabled());
    }

    // Undo while a cell is typed in takes back that typing (Redo brings it
    // back); it does nothing while a dialog is open.
    void undoWhileTypingAndWhileADialogIsOpen() {
        TypeIntoCell(1, 1, "446.1");
        FlexGrid* grid = frame_->view()->grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, 1).center());
        QTest::keyClicks(frame_->view()->frequencyEditor(), "430");
        frame_->action("actionUndo")->trigger();
        QCOMPARE(Cell(2, 1), QString());
        QCOMPARE(RedoText(), QString("Redo Channel 2 Rx Freq"));
        frame_->action("actionRedo")->trigger();
        QCOMPARE(Cell(2, 1), QString("430.000000"));

        const dpmr::RadioImage before = context_->image;
        OnNextModal([this](QWidget* modal) {
            frame_->action("actionUndo")->trigger();
            qobject_cast<QDialog*>(modal)->close();
        });
        frame_->action("actionBasicSetting")->trigger();
        QVERIFY(context_->image == before);
        QCOMPARE(UndoText(), QString("Undo Channel 2 Rx Freq"));
    }

    // Errors ask "Write anyway?" (No by default) listing them; warnings only
    // are shown in the Write dialog. The table is stored before the check.
    void writeChecksTheImageFirst() {
        // A file whose channel 1 sends on 480 MHz, outside its band.
        dpmr::SetBcdFrequency(context_->image, dpmr::channel::RecordOffset(1), 44610000);
        dpmr::SetBcdFrequency(context_->image, dpmr::channel::RecordOffset(1) + 4, 48000000);
        frame_->view()->SelectBandFromImage();
        QCOMPARE(Cell(1, 2), QString("480.000000"));
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
            QString notice;
            auto start = StartNextTransfer([&notice](CProgressDlg* dialog) {
                notice = dialog->findChild<QLabel*>("notice")->text();
            });
            frame_->action("actionWrite")->trigger();
            QCOMPARE(ask->text, QString("Write anyway?"));
            if (answer == QMessageBox::No) {
                start->stopped = true;
                QVERIFY(radio_->Traffic().empty());
                QVERIFY(Backups().empty());
            } else {
                QVERIFY(notice.contains("error: Channel 1: Tx 480.000000 MHz"));
                QCOMPARE(radio_->Memory().Bcd4(0x0104), 48000000u);
            }
        }

        TypeIntoCell(1, 2, "446.1");
        auto none = ClickOnNextMessageBox(QMessageBox::No);
        QString notice;
        StartNextTransfer([&notice](CProgressDlg* dialog) {
            notice = dialog->findChild<QLabel*>("notice")->text();
        });
        frame_->action("actionWrite")->trigger();
        none->stopped = true;
        QVERIFY(!none->seen);
        QCOMPARE(notice, QString("Note before writing:\nwarning: The dPMR radio name is empty"));
        QCOMPARE(radio_->Memory().Bcd4(0x0104), 44610000u);
    }

    // The box is remembered in Program.ini; a radio that keeps a byte
    // wrongly fails the write with the address, a good one says so.
    void verifyAfterWritingIsRememberedAndFindsAWrongByte() {
        context_->image.SetText(0x3F88, 8, "Unit 1");
        radio_->SetFaults({.corruptByteAt = 0x0300});
        auto failed = ClickOnNextMessageBox(QMessageBox::Ok);
        StartNextTransfer([](CProgressDlg* dialog) {
            QVERIFY(!dialog->verifyBox()->isChecked());  // off at first
            QCOMPARE(dialog->verifyBox()->text(), QString("Verify after writing"));
            dialog->verifyBox()->setChecked(true);
        });
        frame_->action("actionWrite")->trigger();
        QTRY_VERIFY(failed->seen);
        QCOMPARE(failed->text,
                 QString("Verify failed\nthe radio holds other bytes at 0x0300 (1 byte differs)"));
        QCOMPARE(
            dpmr::CIniFile(dir_->File("Program.ini")).GetString("Setup", "VerifyAfterWrite", ""),
            std::string("1"));

        radio_->SetFaults({});
        bool checked = false;
        StartNextTransfer(
            [&checked](CProgressDlg* dialog) { checked = dialog->verifyBox()->isChecked(); });
        frame_->action("actionWrite")->trigger();
        QVERIFY(checked);
        QCOMPARE(frame_->statusBar()->currentMessage(), QString("Write verified"));
    }

    // Read and Write keep their copies; a copy that cannot be kept is said
    // in the status bar and the transfer goes on. Open Backup offers the
    // folder and opens the copy as a new document.
    void backupsOfReadAndWriteAndOpenBackup() {
        StartNextTransfer();
        frame_->action("actionRead")->trigger();
        std::vector<dpmr::BackupEntry> backups = Backups();
        QCOMPARE(backups.size(), std::size_t{1});
        QCOMPARE(backups[0].kind, dpmr::BackupKind::kRead);
        const dpmr::RadioImage afterRead = context_->image;

        context_->image.SetText(0x3F88, 8, "Unit 2");
        StartNextTransfer();
        frame_->action("actionWrite")->trigger();
        backups = Backups();
        QCOMPARE(backups.size(), std::size_t{2});
        QCOMPARE(backups[0].kind, dpmr::BackupKind::kWrite);
        QCOMPARE(FileBytes(backups[0].path), Bytes(context_->image));

        ClickOnNextMessageBox(QMessageBox::Discard);
        nextFile_ = QString::fromStdString(backups[1].path);
        frame_->action("actionOpenBackup")->trigger();
        QCOMPARE(offeredFolder_, QString::fromStdString(context_->backupFolder));
        QVERIFY(context_->document.path().empty());
        QVERIFY(!frame_->isWindowModified());
        QCOMPARE(Cell(1, 1), QString("446.006250"));
        QCOMPARE(context_->image.Text(0x3F88, 8), afterRead.Text(0x3F88, 8));
        QVERIFY(!frame_->action("actionUndo")->isEnabled());

        // A file where the folder belongs: the Read goes on and says so.
        context_->backupFolder = dir_->File("Program.ini/backups");
        radio_->SetMemory(dpmr::RadioImage());  // an erased radio
        StartNextTransfer();
        frame_->action("actionRead")->trigger();
        QCOMPARE(Cell(1, 1), QString());
        QVERIFY(frame_->statusBar()->currentMessage().startsWith(
            "Read from the radio. No backup of the read was kept: cannot make the folder"));
    }
};

QTEST_MAIN(SafeProgrammingTest)
#include "SafeProgrammingTest.moc"
