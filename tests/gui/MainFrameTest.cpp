// The main window's document life cycle driven through its real menu actions:
// New, Open (long, short and missing files), Save, Save As, the unsaved-changes
// question, a failed save, and the caption.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <vector>

#include "ModalHelper.h"
#include "app/CMainFrame.h"
#include "app/CProgramApp.h"
#include "channels/CChannelEditDlg.h"
#include "channels/CProgramView.h"
#include "image/Document.h"
#include "link/CProgressDlg.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "widgets/FlexGrid.h"

using dpmr::test::ClickOnNextMessageBox;
using dpmr::test::TempDir;

namespace {

std::vector<char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, std::size_t size, int salt) {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < size; ++i) out.put(static_cast<char>((i * 7 + salt) & 0xFF));
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<CMainFrame> frame_;
    QString nextFile_;

    void Trigger(const char* name) { frame_->action(name)->trigger(); }

  private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        context_ = std::make_unique<AppContext>();
        context_->settings = dpmr::LoadAppSettings(dir_->path());
        frame_ = std::make_unique<CMainFrame>(*context_);
        frame_->SetFileChooser([this](bool, const QString&) { return nextFile_; });
        frame_->NewDocument();
    }

    void cleanup() {
        frame_.reset();
        context_.reset();
        dir_.reset();
    }

    // The title: model, file and a mark for unsaved changes. The window fits
    // the work area, and the table has the keyboard focus when it opens.
    void titleWindowMenusAndToolbar() {
        QCOMPARE(frame_->windowTitle(), QString("HM-842R Software - Untitled[*]"));
        QVERIFY(!frame_->isWindowModified());
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(frame_->view()->grid()));
        QCOMPARE(frame_->frameGeometry(), frame_->screen()->availableGeometry());
        QTest::keyClicks(frame_->view()->grid(), "4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(frame_->isWindowModified());
        nextFile_ = QString::fromStdString(dir_->File("named.dat"));
        QVERIFY(frame_->OnFileSaveAs());
        QCOMPARE(frame_->windowTitle(), QString("HM-842R Software - named.dat[*]"));
        QVERIFY(!frame_->isWindowModified());

        QStringList menus;
        for (QAction* a : frame_->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, QStringList({"&File", "&Edit", "&Program", "&View", "&Setting", "&Help"}));
        QCOMPARE(frame_->action("actionSave")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(frame_->action("actionWrite")->statusTip(), QString("Write Data to Radio "));
        QStringList buttons;
        for (QAction* a : frame_->findChild<QToolBar*>("toolBar")->actions())
            buttons << (a->isSeparator() ? "|" : a->objectName());
        QCOMPARE(buttons, QStringList({"actionNew", "actionOpen", "actionSave", "|", "actionRead",
                                       "actionWrite", "|", "actionAbout"}));

        std::ofstream(dir_->File("Program.ini")) << "[Setup]\nModel=QX-9\n";
        AppContext other;
        other.settings = dpmr::LoadAppSettings(dir_->path());
        QCOMPARE(CMainFrame(other).Caption(), QString("QX-9 Software"));
    }

    // A longer file loads (and saves) its first 16384 bytes; a shorter one is
    // refused and the program goes on with a new document. A file that cannot
    // be read at all leaves the open document and its file as they were.
    void openLongShortAndUnreadableFiles() {
        QVERIFY(!frame_->IsModified());  // right after New
        const std::string saved = dir_->File("saved.dat"), big = dir_->File("big.dat");
        nextFile_ = QString::fromStdString(saved);
        QVERIFY(frame_->OnFileSaveAs());
        QVERIFY(QFile::copy(nextFile_, QString::fromStdString(big)));
        WriteBytes(dir_->File("tail"), 20000 - 16384, 3);
        std::ofstream(big, std::ios::app | std::ios::binary)
            << std::ifstream(dir_->File("tail")).rdbuf();
        QVERIFY(frame_->OpenDocument(QString::fromStdString(big)));
        nextFile_ = QString::fromStdString(dir_->File("copy.dat"));
        QVERIFY(frame_->OnFileSaveAs());
        QVERIFY(ReadAll(nextFile_.toStdString()) == ReadAll(saved));

        context_->image.SetU8(0x0300, 0x42);
        for (const std::string& unreadable : {dir_->File("missing.dat"), dir_->path()}) {
            auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
            QVERIFY(!frame_->OpenDocument(QString::fromStdString(unreadable)));
            QVERIFY(ok->text.startsWith("Cannot open"));
            QCOMPARE(context_->document.path(), dir_->File("copy.dat"));
            QCOMPARE(context_->image.U8(0x0300), std::uint8_t{0x42});
            QVERIFY(frame_->IsModified());
        }

        const std::string small = dir_->File("small.dat");
        WriteBytes(small, 100, 1);
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        QVERIFY(!frame_->OpenDocument(QString::fromStdString(small)));
        QVERIFY(ok->text.contains("nexpected file format"));
        QVERIFY(context_->document.path().empty());
        QCOMPARE(context_->image.U8(0x0300), std::uint8_t{0x05});  // New's value
        QVERIFY(!frame_->IsModified());
    }

    void unsavedChangesQuestion() {
        context_->image.SetU8(0x0300, 0x07);
        QVERIFY(frame_->IsModified());

        // Cancel keeps everything as it is.
        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        Trigger("actionNew");
        QVERIFY(cancel->seen);
        QCOMPARE(cancel->text, QString("Save changes?"));
        QCOMPARE(context_->image.U8(0x0300), std::uint8_t{0x07});

        // Save goes through Save As for a new document, then New runs.
        const std::string target = dir_->File("kept.dat");
        nextFile_ = QString::fromStdString(target);
        auto save = ClickOnNextMessageBox(QMessageBox::Save);
        Trigger("actionNew");
        QVERIFY(save->seen);
        QCOMPARE(static_cast<unsigned char>(ReadAll(target)[0x0300]), 0x07u);
        QCOMPARE(context_->image.U8(0x0300), std::uint8_t{0x05});

        // Changing a byte back to what was saved is no change at all.
        context_->image.SetU8(0x0300, 0x09);
        context_->image.SetU8(0x0300, 0x05);
        QVERIFY(!frame_->IsModified());
    }

    void closingAsksAndCanBeCancelled() {
        frame_->show();
        context_->image.SetU8(0x0301, 0x01);
        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!frame_->close());
        QVERIFY(cancel->seen);
        auto discard = ClickOnNextMessageBox(QMessageBox::Discard);
        QVERIFY(frame_->close());
        QVERIFY(discard->seen);
    }

    // A file made by dpmrtool, edited in the table and in the channel edit
    // dialog, saved, and read back by dpmrtool.
    void roundTripWithTheCommandLineTool() {
        const QString tool = DPMR_TEST_BIN_DIR "/dpmrtool";
        const QString base = QString::fromStdString(dir_->File("base.dat"));
        QCOMPARE(QProcess::execute(tool, {"new", "-o", base}), 0);
        QVERIFY(frame_->OpenDocument(base));

        dpmr::ChannelTablePresenter& table = frame_->view()->presenter();
        table.SetCurrentCell(2, 1);
        table.BeginCellEdit();
        table.SetEditorText("446.00625");
        table.CommitFrequencyEditor();
        dpmr::test::OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<CChannelEditDlg*>(modal);
            QVERIFY(dialog);
            qobject_cast<QComboBox*>(dialog->Control(dpmr::EditControl::kTxPower))
                ->setCurrentIndex(1);
            qobject_cast<QComboBox*>(dialog->Control(dpmr::EditControl::kRxTone))
                ->setCurrentText("D023N");
            dialog->close();
        });
        frame_->view()->OnChannelEdit();
        QVERIFY(frame_->IsModified());
        QVERIFY(frame_->OnFileSave());

        const auto saved = ReadAll(base.toStdString());
        QCOMPARE(saved.size(), std::size_t{16384});
        const std::size_t r = 0x100 + 32;  // channel 2
        const unsigned char expected[] = {0x25, 0x06, 0x60, 0x44, 0x25,
                                          0x06, 0x60, 0x44, 0x23, 0x80};
        for (std::size_t i = 0; i < sizeof expected; ++i)
            QCOMPARE(static_cast<unsigned char>(saved[r + i]), expected[i]);
        QCOMPARE(static_cast<unsigned char>(saved[r + 0x10]) & 0xC0u, 0xC0u);  // High

        QProcess show;
        show.start(tool, {"show", base});
        QVERIFY(show.waitForFinished());
        const QString out = show.readAllStandardOutput();
        QVERIFY2(out.contains(QRegularExpression(
                     "  2  446\\.006250 +446\\.006250 +D023N +None +High +Add +Wide +Digit")),
                 qPrintable(out));
    }

    // The demo's virtual radio serves Read; its port is never written to the
    // settings file, while a port the user chose is.
    void demoPortIsNotRemembered() {
        const std::string ini = dir_->File("dpmrcps/Program.ini");
        QVERIFY(QDir().mkpath(QString::fromStdString(dir_->File("dpmrcps"))));
        std::ofstream(ini) << "[Setup]\nCOM=/dev/ttyUSB3\n";
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir_->path()));
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(dir_->path()));  // the Read's backup
        {
            CProgramApp demo;
            QVERIFY(!demo.InitInstance({"dpmrcps", "--demo"}));
            QVERIFY(demo.context().settings.portName.rfind("/dev/pts/", 0) == 0);
            dpmr::test::OnNextModal(
                [](QWidget* modal) { qobject_cast<CProgressDlg*>(modal)->startButton()->click(); });
            demo.mainFrame()->action("actionRead")->trigger();
            QCOMPARE(demo.mainFrame()->view()->presenter().Cell(1, 1), std::string("446.006250"));
            demo.ExitInstance();
        }
        const auto kept = ReadAll(ini);
        QCOMPARE(std::string(kept.begin(), kept.end()), std::string("[Setup]\nCOM=/dev/ttyUSB3\n"));
        CProgramApp chosen;
        QVERIFY(!chosen.InitInstance({"dpmrcps"}));
        chosen.context().settings.portName = "/dev/ttyACM1";
        chosen.ExitInstance();
        qunsetenv("XDG_CONFIG_HOME");
        state.isEmpty() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", state);
        QCOMPARE(dpmr::CIniFile(ini).GetString("Setup", "COM", ""), std::string("/dev/ttyACM1"));
    }

    // --help and --version answer without a display to open the window on.
    void helpAndVersionNeedNoDisplay() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        for (const auto& [option, start] : {std::pair{"--help", "Usage: dpmrcps "},
                                            std::pair{"--version", "dpmrcps " DPMR_VERSION "\n"}}) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(DPMR_TEST_BIN_DIR "/dpmrcps", {option});
            QVERIFY(program.waitForFinished());
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QVERIFY(program.readAllStandardOutput().startsWith(start));
        }
    }

    // A save that fails part-way (the disk fills up) reports why, leaves the
    // file that was there as it was, and keeps the edits unsaved.
    void failedSaveKeepsTheOldFile() {
        const std::string existing = dir_->File("old.dat");
        WriteBytes(existing, 16384, 9);
        const auto before = ReadAll(existing);
        QVERIFY(frame_->OpenDocument(QString::fromStdString(existing)));
        context_->image.SetU8(0x0300, 0x01);

        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        bool savedOk = true;
        {
            dpmr::test::FileSizeLimit full(1000);
            savedOk = frame_->OnFileSave();
        }

        QVERIFY(!savedOk);
        QVERIFY(ok->text.startsWith("Cannot save"));
        QVERIFY(ReadAll(existing) == before);
        QCOMPARE(QDir(QString::fromStdString(dir_->path())).entryList(QDir::Files).size(), 1);
        QVERIFY(frame_->IsModified());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
