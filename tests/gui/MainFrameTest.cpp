// The main window's document life cycle driven through its real menu actions:
// New, Open (long, short and missing files), Save, Save As, the unsaved-changes
// question, a failed save, and the caption.
#include <QDir>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTextBrowser>
#include <fstream>

#include "BuildInfo.h"
#include "ProjectPaths.h"
#include "TestMainWindow.h"
#include "app/CProgramApp.h"
#include "app/CUserGuideDlg.h"
#include "image/ChannelRecord.h"
#include "link/CPortSettingDlg.h"
#include "support/FileSizeLimit.h"
#include "support/ToolRun.h"

using dpmr::test::ClickOnNextMessageBox;
using dpmr::test::FileText;

namespace {

void WriteBytes(const std::string& path, std::size_t size, int salt) {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < size; ++i) out.put(static_cast<char>((i * 7 + salt) & 0xFF));
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<dpmr::test::TestMainWindow> w_;
    CMainFrame* frame() const { return w_->frame.get(); }
    dpmr::RadioImage& image() const { return w_->context.image; }
    std::string File(const char* name) const { return w_->dir.File(name); }
    void SaveAs(const std::string& path) {
        w_->nextFile = QString::fromStdString(path);
        QVERIFY(frame()->controller().SaveDocumentAs());
    }

  private slots:
    void init() { w_ = std::make_unique<dpmr::test::TestMainWindow>(); }
    void cleanup() { w_.reset(); }

    // The title: model, file and a mark for unsaved changes. The window fits
    // the work area, and the table has the keyboard focus when it opens.
    void titleAndWindow() {
        QCOMPARE(frame()->windowTitle(), QString("HM-842R Software - Untitled[*]"));
        QVERIFY(!frame()->isWindowModified());
        dpmr::test::ShowActive(frame());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w_->view()->grid()));
        QCOMPARE(frame()->frameGeometry(), frame()->screen()->availableGeometry());
        QTest::keyClicks(w_->view()->grid(), "4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(frame()->isWindowModified());
        SaveAs(File("named.dat"));
        QCOMPARE(frame()->windowTitle(), QString("HM-842R Software - named.dat[*]"));
        QVERIFY(!frame()->isWindowModified());
    }

    // The menus and the toolbar are built from the action table: every row
    // sits in its menu once, with a mnemonic of its own there; a shortcut is
    // taken once (never a service key); the settings dialogs have both.
    void everyActionInItsMenuWithItsOwnKeys() {
        QSet<QKeySequence> taken;
        for (const ActionDecl& row : Actions()) {
            QAction* a = frame()->Action(row.id);
            QVERIFY2(a && a->objectName().isEmpty(), row.text);  // never found by a name
            for (const QKeySequence& key : a->shortcuts()) {
                QVERIFY2(!taken.contains(key), qPrintable(key.toString()));
                QVERIFY(key != QKeySequence("Ctrl+F11") && key != QKeySequence("Ctrl+Shift+F12"));
                taken.insert(key);
            }
        }
        int placed = 0;
        for (QAction* top : frame()->menuBar()->actions()) {
            QSet<QChar> mnemonics;
            for (QAction* item : top->menu()->actions()) {
                if (item->isSeparator()) continue;
                const int amp = item->text().indexOf('&');
                QVERIFY2(amp >= 0, qPrintable(item->text()));
                const QChar key = item->text().at(amp + 1).toLower();
                QVERIFY2(!mnemonics.contains(key), qPrintable(item->text()));
                mnemonics.insert(key);
                for (const ActionDecl& row : Actions())
                    if (frame()->Action(row.id) == item) ++placed;
            }
        }
        QCOMPARE(placed, static_cast<int>(Actions().size()));
        for (ActionId id : {ActionId::kScanInfo, ActionId::kBasicSetting, ActionId::kAlarm,
                            ActionId::kDtmf, ActionId::kDpmr})
            QVERIFY(!frame()->Action(id)->shortcut().isEmpty());
        const std::pair<ActionId, const char*> keys[] = {{ActionId::kSaveAs, "Ctrl+Shift+S"},
                                                         {ActionId::kRead, "Ctrl+R"},
                                                         {ActionId::kWrite, "Ctrl+W"}};
        for (auto [id, key] : keys) QCOMPARE(frame()->Action(id)->shortcut(), QKeySequence(key));
    }

    // "Channel edit" stores the table into the records first and rebuilds it
    // from the image after the dialog, as one undo step.
    void channelEditStoresFirstAndRebuildsAfter() {
        dpmr::test::ShowActive(frame());
        CProgramView* view = w_->view();
        dpmr::test::ClickCell(view->grid(), 4, 1);
        QTest::keyClicks(view->frequencyEditor(), "446.1");
        bool storedBeforeDialog = false;
        dpmr::test::OnNextModal([&](QWidget* modal) {
            storedBeforeDialog = image().Bcd4(dpmr::channel::RecordOffset(4)) == 44610000u;
            image().SetBcd4(dpmr::channel::RecordOffset(7), 44620000);  // the dialog's change
            qobject_cast<QDialog*>(modal)->reject();
        });
        const std::size_t steps = frame()->controller().history().StepCount();
        // The click commits the cell (a step), then the dialog's change is one.
        QTest::mouseClick(view->channelEditButton(), Qt::LeftButton);
        QTRY_VERIFY(storedBeforeDialog);
        QCOMPARE(view->grid()->TextMatrix(7, 1) + view->grid()->TextMatrix(4, 1),
                 QString("446.200000446.100000"));
        QCOMPARE(frame()->controller().history().StepCount(), steps + 2);
        QCOMPARE(frame()->controller().history().UndoName(), std::string("Channel edit"));
        // The offscreen platform does not activate the window again after the
        // dialog; the grid is the widget that gets the focus when it is.
        QCOMPARE(view->focusWidget(), static_cast<QWidget*>(view->grid()));
    }

    // About names the program's version, its home page and where to report
    // a problem; the [About] lines of ./Program.ini show as typed, markup
    // and all.
    void aboutShowsTheVersionAndPlainLines() {
        std::filesystem::create_directory(File("here"));
        std::ofstream(File("here/Program.ini"))
            << "[About]\nVersion=V 7\nCompany=<font color=red>RedCo</font>\n";
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QString::fromStdString(File("here"))));
        QStringList shown;
        auto about = dpmr::test::OnNextModal([&shown](QWidget* modal) {
            for (const char* name : {"aboutProgramVersion", "aboutVersion", "aboutCompany"}) {
                auto* label = modal->findChild<QLabel*>(name);
                shown << (label && label->textFormat() == Qt::PlainText ? label->text() : "?");
            }
            shown << modal->findChild<QLabel*>("aboutReport")->text();
            static_cast<QDialog*>(modal)->accept();
        });
        frame()->Action(ActionId::kAbout)->trigger();
        QDir::setCurrent(cwd);
        QVERIFY(about->seen);
        QCOMPARE(shown.mid(0, 3), QStringList({QString("dpmrcps ") + DPMR_VERSION, "V 7",
                                               "<font color=red>RedCo</font>"}));
        QVERIFY(shown[3].contains(DPMR_REPORT_URL));
    }

    // Setting > Port says where the port is kept when that is not the
    // program folder's Program.ini.
    void portDialogSaysWhereThePortIsKept() {
        QStringList notes;
        const auto look = [&notes] {
            return dpmr::test::OnNextModal([&notes](QWidget* modal) {
                auto* note = static_cast<CPortSettingDlg*>(modal)->keptNote();
                notes << (note->isVisibleTo(modal) ? note->text() : QString());
                static_cast<QDialog*>(modal)->reject();
            });
        };
        auto first = look();
        frame()->Action(ActionId::kPort)->trigger();
        w_->context.settings.portSettingsPath = File("config/dpmrcps/Program.ini");
        auto second = look();
        frame()->Action(ActionId::kPort)->trigger();
        QVERIFY(first->seen && second->seen);
        QCOMPARE(notes.value(0), QString());
        QVERIFY2(notes.value(1).startsWith("The port is kept in " +
                                           QString::fromStdString(File("config/dpmrcps"))),
                 qPrintable(notes.value(1)));
    }

    // A cell's correction stays in the status bar until the next edit.
    void correctionNoticeStaysUntilTheNextEdit() {
        dpmr::test::ShowActive(frame());
        FlexGrid* grid = w_->view()->grid();
        grid->SetCurrentCell(1, 1);
        QTest::keyClicks(grid, "4");
        QTest::keyClicks(QApplication::focusWidget(), "461");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString said = frame()->statusBar()->currentMessage();
        QVERIFY2(said.startsWith("4461 is outside"), qPrintable(said));
        grid->SetCurrentCell(1, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        QCOMPARE(frame()->statusBar()->currentMessage(), QString());
    }

    // File > Recent Files lists the files opened or saved, newest first; one
    // that no longer exists is said and dropped. A .dat dropped on the window
    // opens and a .yaml is imported, after the unsaved-changes question;
    // other files are not taken.
    void recentFilesAndDroppedFiles() {
        QMenu* menu = frame()->findChild<QMenu*>("menuRecentFiles");
        QVERIFY(!menu->isEnabled());
        SaveAs(File("a.dat"));
        SaveAs(File("b.dat"));
        const auto titles = [menu] {
            QStringList out;
            for (QAction* a : menu->actions()) out << a->text();
            return out.join(' ');
        };
        QCOMPARE(titles(), QString("&1 b.dat &2 a.dat"));
        QVERIFY(std::filesystem::remove(File("a.dat")));
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        menu->actions()[1]->trigger();
        QVERIFY(ok->text.contains("no longer exists"));
        QCOMPARE(titles(), QString("&1 b.dat"));
        QCOMPARE(w_->frame->controller().session().path(), File("b.dat"));

        // A drop: the document has a change, so the question comes first.
        const auto drop = [this](const std::string& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(frame(), &enter);
            if (!enter.isAccepted()) return false;
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(frame(), &dropped);
            return dropped.isAccepted();
        };
        std::ofstream(File("notes.txt")) << "x";
        QVERIFY(!drop(File("notes.txt")));
        w_->nextFile = QString::fromStdString(File("b.yaml"));
        frame()->controller().ExportCodeplug();
        image().SetU8(0x0300, 0x42);
        SaveAs(File("c.dat"));
        image().SetU8(0x0300, 0x43);
        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        QVERIFY(drop(File("b.dat")));
        QTRY_VERIFY(cancel->seen);
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x43});
        auto discard = ClickOnNextMessageBox(QMessageBox::Discard);
        QVERIFY(drop(File("b.dat")));
        QTRY_COMPARE(w_->frame->controller().session().path(), File("b.dat"));
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x05});
        QCOMPARE(titles(), QString("&1 b.dat &2 c.dat"));
        image().SetU8(0x0300, 0x44);
        discard = ClickOnNextMessageBox(QMessageBox::Discard);
        QVERIFY(drop(File("b.yaml")));
        QTRY_VERIFY(w_->frame->controller().session().path().empty());
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x05});
        QVERIFY(frame()->controller().IsModified());  // an import is a document nobody saved
    }

    // A file that cannot be read at all, or is too short to be a radio file,
    // leaves the open document, its file and its unsaved changes as they
    // were. (Which files load: DocumentTest.)
    void openShortAndUnreadableFiles() {
        QVERIFY(!frame()->controller().IsModified());  // right after New
        SaveAs(File("copy.dat"));
        image().SetU8(0x0300, 0x42);
        for (const std::string& unreadable : {File("missing.dat"), w_->dir.path()}) {
            auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
            QVERIFY(!frame()->controller().OpenDocument(QString::fromStdString(unreadable)));
            QVERIFY(ok->text.startsWith("Cannot open"));
            QCOMPARE(w_->frame->controller().session().path(), File("copy.dat"));
            QCOMPARE(image().U8(0x0300), std::uint8_t{0x42});
            QVERIFY(frame()->controller().IsModified());
        }

        WriteBytes(File("small.dat"), 100, 1);
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        QVERIFY(!frame()->controller().OpenDocument(QString::fromStdString(File("small.dat"))));
        QVERIFY(ok->text.contains("nexpected file format"));
        QCOMPARE(w_->frame->controller().session().path(), File("copy.dat"));
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x42});
        QVERIFY(frame()->controller().IsModified());
    }

    // File > Open on a modified document, "Discard" answered, then a file
    // that is no radio file: the document keeps its unsaved change, its mark
    // and its undo history.
    void discardThenAFailedOpenKeepsTheDocument() {
        dpmr::test::ShowActive(frame());
        dpmr::test::ClickCell(w_->view()->grid(), 1, 1);
        QTest::keyClicks(w_->view()->frequencyEditor(), "446.1");
        QTest::keyClick(w_->view()->frequencyEditor(), Qt::Key_Return);
        QVERIFY(frame()->controller().IsModified());
        const std::size_t steps = frame()->controller().history().StepCount();
        QVERIFY(steps > 0);
        const dpmr::RadioImage before = image();
        WriteBytes(File("small.dat"), 100, 1);
        w_->nextFile = QString::fromStdString(File("small.dat"));
        auto ok = std::make_shared<std::shared_ptr<dpmr::test::ModalAnswer>>();
        auto discard = dpmr::test::OnNextModal(
            [ok](QWidget* modal) {
                *ok = ClickOnNextMessageBox(QMessageBox::Ok);
                static_cast<QMessageBox*>(modal)->button(QMessageBox::Discard)->click();
            },
            10000, [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; });
        w_->Action(ActionId::kOpen)->trigger();
        QVERIFY(discard->seen);
        QVERIFY(*ok && (*ok)->seen && (*ok)->text.contains("nexpected file format"));
        QVERIFY(frame()->controller().IsModified());
        QVERIFY(image() == before);
        QCOMPARE(frame()->controller().history().StepCount(), steps);
        QCOMPARE(QString::fromStdString(w_->view()->presenter().Cell(1, 1)), QString("446.100000"));
        QVERIFY(frame()->windowTitle().contains("Untitled"));
    }

    // New and closing the window ask first: Cancel keeps everything, Save
    // goes through Save As for a new document, Discard drops the changes.
    void unsavedChangesQuestion() {
        image().SetU8(0x0300, 0x07);
        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        w_->Action(ActionId::kNew)->trigger();
        QCOMPARE(cancel->text, QString("Save changes?"));
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x07});

        w_->nextFile = QString::fromStdString(File("kept.dat"));
        auto save = ClickOnNextMessageBox(QMessageBox::Save);
        w_->Action(ActionId::kNew)->trigger();
        QVERIFY(save->seen);
        QCOMPARE(FileText(File("kept.dat"))[0x0300], '\x07');
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x05});

        // Changing a byte back to what was saved is no change at all.
        image().SetU8(0x0300, 0x09);
        image().SetU8(0x0300, 0x05);
        QVERIFY(!frame()->controller().IsModified());

        frame()->show();
        image().SetU8(0x0301, 0x01);
        cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!frame()->close());
        QVERIFY(cancel->seen);
        auto discard = ClickOnNextMessageBox(QMessageBox::Discard);
        QVERIFY(frame()->close());
        QVERIFY(discard->seen);
    }

    // The demo's virtual radio serves Read; its port is never written to the
    // settings file, while a port the user chose is.
    void demoPortIsNotRemembered() {
        // The program's folder is the test's own, with the shipped Program.ini.
        const std::string ini = File("Program.ini");
        std::ofstream(ini) << "[Setup]\nCOM=/dev/ttyUSB3\n";
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(w_->dir.path()));  // the Read's backup
        {
            CProgramApp demo;
            QVERIFY(!demo.InitInstance({"dpmrcps", "--demo"}, w_->dir.path()));
            QVERIFY(demo.context().settings.portName.rfind("/dev/pts/", 0) == 0);
            dpmr::test::StartNextTransfer();
            demo.mainFrame()->Action(ActionId::kRead)->trigger();
            QCOMPARE(demo.mainFrame()->view()->presenter().Cell(1, 1), std::string("446.006250"));
            demo.ExitInstance();
        }
        QCOMPARE(FileText(ini), std::string("[Setup]\nCOM=/dev/ttyUSB3\n"));
        CProgramApp chosen;
        QVERIFY(!chosen.InitInstance({"dpmrcps"}, w_->dir.path()));
        QCOMPARE(chosen.context().settings.portName, std::string("/dev/ttyUSB3"));
        chosen.context().settings.portName = "/dev/ttyACM1";
        chosen.ExitInstance();
        qputenv("XDG_STATE_HOME", state);
        QCOMPARE(dpmr::CIniFile(ini).GetString("Setup", "COM", ""), std::string("/dev/ttyACM1"));
    }

    // F1 opens the user guide that ships inside the program, in one window
    // that stays open beside the main window; it covers the first session and
    // the port's troubles, and its fleet section only when the program has
    // fleet programming. The document is not touched.
    void userGuideOnF1() {
        dpmr::test::ShowActive(frame());
        const QList<QAction*> help = frame()->menuBar()->actions().last()->menu()->actions();
        QCOMPARE(help.first(), w_->Action(ActionId::kUserGuide));
        QCOMPARE(help.last(), w_->Action(ActionId::kAbout));
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            QTRY_VERIFY(frame()->findChildren<QDialog*>("userGuide").size() == 1);
        }
        QDialog* guide = frame()->findChildren<QDialog*>("userGuide").first();
        QVERIFY(guide->isVisible() && !guide->isModal());
        const QString text = guide->findChild<QTextBrowser*>("guideText")->toPlainText();
        for (const char* part :
             {"The first Read", "Editing", "Save", "Write", "Backups", "Undo", "YAML and CSV",
              "Troubleshooting the port", "dialout", "ModemManager", "60-dpmrcps.rules"})
            QVERIFY2(text.contains(part), part);
        QVERIFY(text.contains("Several radios"));
        QVERIFY(CUserGuideDlg::GuideHtml(true).contains("Write to Several Radios"));
        QVERIFY(!CUserGuideDlg::GuideHtml(false).contains("Several"));
        // The settings reference is the guide's last chapter, in place of the
        // installed guide's pointer to its file.
        QVERIFY(text.contains("Settings reference"));
        QVERIFY(text.contains("Off Air Call Set-Up"));
        QVERIFY(!text.contains("settings-reference.html"));
        QVERIFY(!frame()->controller().IsModified());
    }

    // --help and --version answer without a display to open the window on.
    void helpAndVersionNeedNoDisplay() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        for (const auto& [option, start] : {std::pair{"--help", "Usage: dpmrcps "},
                                            std::pair{"--version", "dpmrcps " DPMR_VERSION "\n"}}) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(QString::fromStdString(dpmr::ProgramDir() + "/dpmrcps"), {option});
            QVERIFY(program.waitForFinished());
            QCOMPARE(program.exitCode(), 0);
            QVERIFY(program.readAllStandardOutput().startsWith(start));
        }
    }

    // A save that fails part-way (the disk fills up) reports why, leaves the
    // file that was there as it was, and keeps the edits unsaved.
    void failedSaveKeepsTheOldFile() {
        WriteBytes(File("old.dat"), 16384, 9);
        const std::string before = FileText(File("old.dat"));
        QVERIFY(frame()->controller().OpenDocument(QString::fromStdString(File("old.dat"))));
        image().SetU8(0x0300, 0x01);
        const QStringList files = QDir(QString::fromStdString(w_->dir.path())).entryList();
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        bool saved = true;
        {
            dpmr::test::FileSizeLimit full(1000);
            saved = frame()->controller().SaveDocument();
        }
        QVERIFY(!saved);
        QVERIFY(ok->text.startsWith("Cannot save"));
        QVERIFY(FileText(File("old.dat")) == before);
        QCOMPARE(QDir(QString::fromStdString(w_->dir.path())).entryList(), files);  // no temp left
        QVERIFY(frame()->controller().IsModified());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
