// The main window's document life cycle driven through its real menu actions:
// New, Open (long, short and missing files), Save, Save As, the unsaved-changes
// question, a failed save, and the caption.
#include <unistd.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <vector>

#include "ModalHelper.h"
#include "app/CMainFrame.h"
#include "image/Document.h"
#include "support/TempDir.h"

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

    void captionMenusAndToolbar() {
        QCOMPARE(frame_->windowTitle(), QString("HM-842R Software"));
        QStringList menus;
        for (QAction* a : frame_->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, QStringList({"&File", "&Edit", "&Program", "&View", "&Setting", "&Help"}));
        QCOMPARE(frame_->action("actionNew")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(frame_->action("actionOpen")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(frame_->action("actionSave")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(frame_->action("actionRead")->statusTip(), QString("Read Data From Radio"));
        QCOMPARE(frame_->action("actionWrite")->statusTip(), QString("Write Data to Radio "));
        auto* bar = frame_->findChild<QToolBar*>("toolBar");
        QVERIFY(bar);
        QStringList buttons;
        for (QAction* a : bar->actions()) buttons << (a->isSeparator() ? "|" : a->objectName());
        QCOMPARE(buttons, QStringList({"actionNew", "actionOpen", "actionSave", "|", "actionRead",
                                       "actionWrite", "|", "actionAbout"}));
        QVERIFY(frame_->findChild<QLabel*>("indicatorCap"));
        QVERIFY(frame_->findChild<QLabel*>("indicatorScrl"));
    }

    void modelNameFromSettingsFile() {
        std::ofstream(dir_->File("Program.ini")) << "[Setup]\nModel=QX-9\n";
        AppContext other;
        other.settings = dpmr::LoadAppSettings(dir_->path());
        CMainFrame frame(other);
        QCOMPARE(frame.windowTitle(), QString("QX-9 Software"));
    }

    void newDocumentIsNotModified() {
        QVERIFY(!frame_->IsModified());
        dpmr::RadioImage expected;
        dpmr::NewImage(expected, dir_->path(), dpmr::BandLimits{});
        // New's image went through the contact checks, which mark the channels'
        // "no contact" references; everything else is New's.
        for (int n = 1; n <= 16; ++n) {
            const std::size_t txContact = 0x100 + 32 * (n - 1) + 0x15;
            QCOMPARE(context_->image.U8(txContact), std::uint8_t{0xFF});
            expected.SetU8(txContact, 0xFF);
        }
        QVERIFY(context_->image == expected);
    }

    void longFileLoadsItsFirstBytesAndSavesThem() {
        const std::string big = dir_->File("big.dat");
        WriteBytes(big, 20000, 3);
        nextFile_ = QString::fromStdString(big);
        Trigger("actionOpen");
        QCOMPARE(QString::fromStdString(context_->document.path()), nextFile_);
        const auto original = ReadAll(big);
        for (std::size_t i = 0x0300; i < 0x0310; ++i)
            QCOMPARE(static_cast<char>(context_->image.U8(i)), original[i]);

        const std::string copy = dir_->File("copy.dat");
        nextFile_ = QString::fromStdString(copy);
        Trigger("actionSaveAs");
        const auto saved = ReadAll(copy);
        QCOMPARE(saved.size(), std::size_t{16384});
        QCOMPARE(QString::fromStdString(context_->document.path()), nextFile_);
        QVERIFY(!frame_->IsModified());
    }

    void shortFileReportsFormatErrorAndStartsNew() {
        const std::string small = dir_->File("small.dat");
        WriteBytes(small, 100, 1);
        context_->image.SetU8(0x0300, 0x42);
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        QVERIFY(!frame_->OpenDocument(QString::fromStdString(small)));
        QVERIFY(ok->seen);
        QVERIFY(ok->text.contains("nexpected file format"));
        QVERIFY(context_->document.path().empty());
        QCOMPARE(context_->image.U8(0x0300), std::uint8_t{0x05});
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

    void failedSaveKeepsTheOldFile() {
        // A folder the program may not write to: a regular file standing where
        // the folder should be fails for every user, root included.
        const std::string blocker = dir_->File("notafolder");
        std::ofstream(blocker) << "x";
        auto ok = ClickOnNextMessageBox(QMessageBox::Ok);
        nextFile_ = QString::fromStdString(blocker + "/radio.dat");
        QVERIFY(!frame_->OnFileSaveAs());
        QVERIFY(ok->seen);
        QVERIFY(ok->text.contains("Cannot save"));
        QCOMPARE(ReadAll(blocker).size(), std::size_t{1});

        // An existing file in a read-only folder stays as it was.
        const std::string folder = dir_->File("ro");
        QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
        const std::string existing = folder + "/old.dat";
        WriteBytes(existing, 16384, 9);
        QFile::setPermissions(QString::fromStdString(folder),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (::geteuid() == 0) {
            // Root writes through folder permissions; a kernel file system's
            // folder stops it, and its file must come out unchanged.
            const QString procFile = "/proc/version";
            QFile before(procFile);
            QVERIFY(before.open(QIODevice::ReadOnly));
            const QByteArray original = before.readAll();
            auto okRoot = ClickOnNextMessageBox(QMessageBox::Ok);
            nextFile_ = procFile;
            QVERIFY(!frame_->OnFileSaveAs());
            QVERIFY(okRoot->seen);
            QFile after(procFile);
            QVERIFY(after.open(QIODevice::ReadOnly));
            QCOMPARE(after.readAll(), original);
            QFile::setPermissions(QString::fromStdString(folder), QFileDevice::ReadOwner |
                                                                      QFileDevice::WriteOwner |
                                                                      QFileDevice::ExeOwner);
            return;
        }
        context_->image.SetU8(0x0300, 0x01);
        auto ok2 = ClickOnNextMessageBox(QMessageBox::Ok);
        nextFile_ = QString::fromStdString(existing);
        QVERIFY(!frame_->OnFileSaveAs());
        QVERIFY(ok2->seen);
        const auto after = ReadAll(existing);
        QCOMPARE(after.size(), std::size_t{16384});
        QCOMPARE(static_cast<unsigned char>(after[0x0300]),
                 static_cast<unsigned char>((0x0300 * 7 + 9) & 0xFF));
        QCOMPARE(context_->image.U8(0x0300), std::uint8_t{0x01});
        QFile::setPermissions(QString::fromStdString(folder), QFileDevice::ReadOwner |
                                                                  QFileDevice::WriteOwner |
                                                                  QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
