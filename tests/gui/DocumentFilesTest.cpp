// The document's file meeting other programs, other windows and kills, in
// the main window driven offscreen on real files: a file longer than a radio
// image (said at Open, asked at Save), one far too long, a file changed on
// disk by `dpmrtool set` or by a second window (asked when the window is
// active again, and at Save), and the temporary files of a save that was
// killed (removed at Open and Save, and said).
#include <QDateTime>
#include <QFileInfo>
#include <QStatusBar>

#include "TestMainWindow.h"
#include "image/Document.h"
#include "support/ToolRun.h"

using dpmr::test::ClickOnNextMessageBox;
using dpmr::test::FileText;
using dpmr::test::OnNextModal;

namespace {

constexpr std::size_t kSize = dpmr::RadioImage::kSize;

// Answers the next question before a Save with Enter: its default button,
// which is "Save As...".
std::shared_ptr<dpmr::test::ModalAnswer> EnterOnNextQuestion() {
    return OnNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); }, 10000,
                       [](QWidget* modal) { return modal->objectName() == "replaceFileBox"; });
}

}  // namespace

class DocumentFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<dpmr::test::TestMainWindow> w_;
    CDocumentController& controller() const { return w_->frame->controller(); }
    dpmr::RadioImage& image() const { return w_->context.image; }
    std::string File(const std::string& name) const { return w_->dir.File(name); }
    QString StatusText() const { return w_->frame->statusBar()->currentMessage(); }
    bool Open(const std::string& path) {
        return controller().OpenDocument(QString::fromStdString(path));
    }
    void SaveAs(const std::string& path) {
        w_->nextFile = QString::fromStdString(path);
        QVERIFY(controller().SaveDocumentAs());
    }

  private slots:
    void init() { w_ = std::make_unique<dpmr::test::TestMainWindow>(); }
    void cleanup() { w_.reset(); }

    // A longer file opens with its first 16384 bytes, and the rest is said
    // to be lost at a Save; Save over it asks (Cancel keeps it, Save As goes
    // elsewhere, Replace cuts it). A file far too long, a 2 GB sparse one,
    // is refused with its size and the document stays.
    void aLongFileIsSaidAndSaveOverItAsks() {
        SaveAs(File("plain.dat"));
        const std::string longFile = File("long.dat");
        std::string bytes = FileText(File("plain.dat")) + std::string(kSize, '\x5A');
        dpmr::test::PutFile(longFile, bytes);
        auto said = ClickOnNextMessageBox(QMessageBox::Ok);
        QVERIFY(Open(longFile));
        QCOMPARE(said->text, QString("long.dat holds 32768 bytes, more than a radio image: only "
                                     "its first 16384 bytes are loaded, and the rest is not "
                                     "kept."));
        QCOMPARE(StatusText(), QString("Opened long.dat"));
        image().SetU8(0x0300, 0x09);

        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!controller().SaveDocument());
        QCOMPARE(cancel->text, QString("Replace all of long.dat?"));
        QVERIFY(FileText(longFile) == bytes);
        QVERIFY(controller().IsModified());
        w_->nextFile = QString::fromStdString(File("cut.dat"));
        auto saveAs = EnterOnNextQuestion();
        QVERIFY(controller().SaveDocument());
        QVERIFY(saveAs->seen);
        QVERIFY(FileText(longFile) == bytes);
        QCOMPARE(FileText(File("cut.dat")).size(), kSize);
        QCOMPARE(controller().session().path(), File("cut.dat"));

        said = ClickOnNextMessageBox(QMessageBox::Ok);
        QVERIFY(Open(longFile));
        auto replace = ClickOnNextMessageBox(QMessageBox::Save);
        QVERIFY(controller().SaveDocument());
        QVERIFY(replace->seen);
        QVERIFY(FileText(longFile) == bytes.substr(0, kSize));
        QVERIFY(controller().SaveDocument());  // a radio file now: no question

        std::ofstream{File("huge.dat")};
        std::filesystem::resize_file(File("huge.dat"), std::uint64_t{2} << 30);
        image().SetU8(0x0300, 0x0A);
        auto refused = ClickOnNextMessageBox(QMessageBox::Ok);
        QVERIFY(!Open(File("huge.dat")));
        QCOMPARE(refused->text, QString::fromStdString(dpmr::NotARadioFileMessage(
                                    File("huge.dat"), std::uint64_t{2} << 30)));
        QVERIFY(refused->text.contains("holds 2147483648 bytes"));
        QCOMPARE(controller().session().path(), longFile);
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x0A});
    }

    // `dpmrtool set` beside the open window: when the window is active
    // again it asks. Reload takes the file (Undo brings the document back);
    // Keep Mine keeps the document, which Save then writes without a second
    // question about that same change.
    void aChangeByDpmrtoolIsAskedAboutWhenTheWindowIsActiveAgain() {
        const std::string f = File("f.dat");
        SaveAs(f);
        dpmr::test::ShowActive(w_->frame.get());
        image().SetU8(0x0300, 0x07);  // an edit of this window's own, no step yet
        const auto set = [&](const char* value) {
            const dpmr::test::ToolRun r = dpmr::test::Tool("set " + f + " option.tot=" + value);
            QVERIFY2(r.status == 0, r.err.c_str());
        };
        const std::string ours = FileText(f);
        set("300");
        const std::string theirs = FileText(f);
        // The bytes `set` changed, as the document holds them.
        const auto changedBytes = [&](const std::string& bytes) {
            std::string out;
            for (std::size_t k = 0; k < kSize; ++k)
                if (ours[k] != theirs[k]) out += bytes[k];
            return out;
        };
        QVERIFY(!changedBytes(theirs).empty());

        QString buttons;
        auto reload = OnNextModal(
            [&buttons](QWidget* modal) {
                auto* box = static_cast<QMessageBox*>(modal);
                buttons = box->button(QMessageBox::Yes)->text() + " " +
                          box->button(QMessageBox::No)->text() + " " + box->defaultButton()->text();
                box->button(QMessageBox::Yes)->click();
            },
            10000, [](QWidget* modal) { return modal->objectName() == "changedOnDiskBox"; });
        controller().CheckFileOnDisk();
        QCOMPARE(reload->text, QString("f.dat was changed on disk."));
        QCOMPARE(buttons, QString("&Reload &Keep Mine &Keep Mine"));  // Keep Mine: it has changes
        const std::string now(reinterpret_cast<const char*>(image().Data()), kSize);
        QVERIFY(changedBytes(now) == changedBytes(theirs));
        QVERIFY(!controller().IsModified());
        QCOMPARE(w_->Action(ActionId::kUndo)->text().remove('&'), QString("Undo Reload"));
        w_->Action(ActionId::kUndo)->trigger();
        QCOMPARE(image().U8(0x0300), std::uint8_t{0x07});
        QVERIFY(controller().IsModified());
        controller().CheckFileOnDisk();  // nothing new on disk: no question

        // Through the window's own activation this time.
        set("600");
        const std::string second = FileText(f);
        QWidget other;
        dpmr::test::ShowActive(&other);
        auto keep = ClickOnNextMessageBox(QMessageBox::No);
        QApplication::setActiveWindow(w_->frame.get());
        QTRY_VERIFY(keep->seen);
        QCOMPARE(keep->text, QString("f.dat was changed on disk."));
        QVERIFY(FileText(f) == second);
        QVERIFY(controller().IsModified());
        QVERIFY(controller().SaveDocument());
        QCOMPARE(FileText(f)[0x0300], '\x07');
        QVERIFY(!controller().IsModified());
    }

    // Two windows on one file: the second Save asks before it replaces the
    // first one's change (Cancel keeps it); after a reload both changes
    // are in, and saving keeps both.
    void twoWindowsOnOneFileLoseNoChange() {
        const std::string same = File("same.dat");
        SaveAs(same);
        dpmr::test::TestMainWindow second;
        QVERIFY(second.frame->controller().OpenDocument(QString::fromStdString(same)));
        dpmr::RadioImage& other = second.context.image;
        image().SetU8(0x0300, 0x01);
        QVERIFY(controller().SaveDocument());
        other.SetU8(0x0301, 0x02);
        auto cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!second.frame->controller().SaveDocument());
        QCOMPARE(cancel->text, QString("Replace the changes made to same.dat elsewhere?"));
        QCOMPARE(FileText(same)[0x0300], '\x01');

        auto reload = ClickOnNextMessageBox(QMessageBox::Yes);
        second.frame->controller().CheckFileOnDisk();
        QVERIFY(reload->seen);
        QCOMPARE(other.U8(0x0300), std::uint8_t{0x01});
        other.SetU8(0x0301, 0x02);
        QVERIFY(second.frame->controller().SaveDocument());
        QCOMPARE(FileText(same)[0x0300], '\x01');
        QCOMPARE(FileText(same)[0x0301], '\x02');
        // And the first window, asked in turn, replaces its own save only
        // when told.
        image().SetU8(0x0302, 0x03);
        cancel = ClickOnNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!controller().SaveDocument());
        QVERIFY(cancel->seen);
        QCOMPARE(FileText(same)[0x0301], '\x02');
    }

    // A save killed before it ended left its temporary file: the next Open
    // of that file removes it and says so, with the state of the file,
    // which is whole; the next Save the same. A temporary of a save that
    // still runs, or of another file, stays.
    void whatAKilledSaveLeftIsRemovedAndSaid() {
        const std::string f = File("radio.dat");
        SaveAs(f);
        const std::string gone = File("radio.dat.1073741824.0123abcd.tmp");
        const std::string running =
            File("radio.dat." + std::to_string(::getppid()) + ".0123abcd.tmp");
        const std::string another = File("other.dat.1073741824.0123abcd.tmp");
        for (const std::string& temp : {gone, running, another}) dpmr::test::PutFile(temp, "part");
        QVERIFY(Open(f));
        const QString when =
            QFileInfo(QString::fromStdString(f)).lastModified().toString("yyyy-MM-dd HH:mm:ss");
        QCOMPARE(StatusText(),
                 "Opened radio.dat. An earlier save of radio.dat did not finish; the temporary "
                 "file it left (radio.dat.1073741824.0123abcd.tmp) was removed. radio.dat itself "
                 "is whole, as last saved on " +
                     when + ".");
        QVERIFY(!std::filesystem::exists(gone));
        QVERIFY(std::filesystem::exists(running) && std::filesystem::exists(another));

        const std::string gone2 = File("radio.dat.1073741825.0123abcd.tmp");
        for (const std::string& temp : {gone, gone2}) dpmr::test::PutFile(temp, "part");
        QVERIFY(controller().SaveDocument());
        QCOMPARE(StatusText(), QString("Saved radio.dat. An earlier save of radio.dat did not "
                                       "finish; the temporary file it left "
                                       "(radio.dat.1073741824.0123abcd.tmp and 1 more) was "
                                       "removed."));
        QVERIFY(!std::filesystem::exists(gone) && !std::filesystem::exists(gone2));
        QVERIFY(controller().SaveDocument());
        QCOMPARE(StatusText(), QString("Saved radio.dat"));
    }
};

QTEST_MAIN(DocumentFilesTest)
#include "DocumentFilesTest.moc"
