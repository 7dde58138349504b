// File > "Export..." and "Import..." driven through the main window's real
// actions, offscreen: an export imported back gives the same bytes as a new,
// modified document; the unsaved-changes question comes first; a broken file
// is reported with its line and column and changes nothing; values stored
// other than written are listed.
#include <QAction>
#include <QTest>
#include <fstream>

#include "ModalHelper.h"
#include "ProjectPaths.h"
#include "app/CDocumentController.h"
#include "app/CMainFrame.h"
#include "channels/CProgramView.h"
#include "dialogs/DialogRegistry.h"
#include "image/Document.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"
#include "widgets/FlexGrid.h"

using dpmr::ProgramDir;
using dpmr::SourceDir;
using dpmr::test::TempDir;

class CodeplugMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<CMainFrame> frame_;
    QString nextFile_;
    QString suggested_;      // what the last file dialog offered
    dpmr::RadioImage demo_;  // the document as opened (or exported)

    void Trigger(ActionId id) { frame_->Action(id)->trigger(); }

  private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        // The recent files list goes to the test's own settings folder.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir_->File("config")));
        context_ = std::make_unique<AppContext>();
        context_->settings = dpmr::LoadAppSettings(ProgramDir() + "/");
        frame_ = std::make_unique<CMainFrame>(*context_);
        frame_->controller().SetFileChooser([this](bool, const QString& suggested) {
            suggested_ = suggested;
            return nextFile_;
        });
        QVERIFY(frame_->controller().OpenDocument(
            QString::fromStdString(SourceDir() + "/res/pmr446-demo.dat")));
        demo_ = context_->image;  // as opened: the contact checks have run
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }

    void cleanup() {
        frame_.reset();
        context_.reset();
        dir_.reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    void exportThenImportOpensTheSameBytesAsANewModifiedDocument() {
        nextFile_ = QString::fromStdString(dir_->File("radio.yaml"));
        Trigger(ActionId::kExportCodeplug);
        QVERIFY(!dpmr::test::FileText(dir_->File("radio.yaml")).empty());
        // Offered beside the open file, named after it.
        QCOMPARE(suggested_, QString::fromStdString(SourceDir() + "/res/pmr446-demo.yaml"));
        demo_ = context_->image;  // as exported: the table stored first

        frame_->controller().NewDocument();
        QVERIFY(!(context_->image == demo_));
        Trigger(ActionId::kImportCodeplug);
        QVERIFY(context_->image == demo_);
        QVERIFY(frame_->isWindowModified());
        QCOMPARE(frame_->view()->grid()->TextMatrix(1, 1), QString("446.006250"));

        // With changes, the question comes first; Cancel leaves all as it was.
        frame_->controller().NewDocument();
        QTest::keyClicks(frame_->view()->grid(), "4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(frame_->isWindowModified());
        const auto asked = dpmr::test::ClickOnNextMessageBox(QMessageBox::Cancel);
        Trigger(ActionId::kImportCodeplug);
        QVERIFY(asked->seen);
        QCOMPARE(asked->text, QString("Save changes?"));
        QVERIFY(!(context_->image == demo_));
    }

    void brokenFileIsReportedAndChangesNothing() {
        nextFile_ = QString::fromStdString(dir_->File("bad.yaml"));
        std::ofstream(dir_->File("bad.yaml")) << "format: 1\nsettings:\n  option:\n    tot: [9]\n";
        QString message;
        const auto box = dpmr::test::OnNextModal([&message](QWidget* modal) {
            auto* mb = qobject_cast<QMessageBox*>(modal);
            if (mb) message = mb->text();
            qobject_cast<QDialog*>(modal)->accept();
        });
        Trigger(ActionId::kImportCodeplug);
        QVERIFY(box->seen);
        QVERIFY2(message.contains("line 4, column 10: option.tot: expected a text"),
                 qPrintable(message));
        QVERIFY(context_->image == demo_);
        QVERIFY(!frame_->isWindowModified());
    }

    // A value stored other than the file has it is listed in a report box
    // after the import; the import itself goes through.
    void correctedValuesAreReported() {
        nextFile_ = QString::fromStdString(dir_->File("tot.yaml"));
        std::ofstream(dir_->File("tot.yaml")) << "format: 1\nsettings:\n  option:\n    tot: 125\n";
        QString summary, lines;
        const auto box = dpmr::test::OnNextModal([&](QWidget* modal) {
            if (auto* mb = qobject_cast<QMessageBox*>(modal)) {
                summary = mb->text();
                lines = mb->informativeText();
            }
            qobject_cast<QDialog*>(modal)->accept();
        });
        Trigger(ActionId::kImportCodeplug);
        QVERIFY(box->seen);
        QCOMPARE(summary, QString("Imported tot.yaml: 1 value(s) stored other than written."));
        QCOMPARE(lines,
                 QString("line 4, column 10: option.tot: \"125\" stored as 120 (30 to 600 in "
                         "steps of 30)"));
        QCOMPARE(dpmr::form::ShownFieldText(context_->image, "option.tot"),
                 std::optional<std::string>("120"));
    }
};

QTEST_MAIN(CodeplugMenuTest)
#include "CodeplugMenuTest.moc"
