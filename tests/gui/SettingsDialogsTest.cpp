// The settings dialogs driven as a user drives them, offscreen: the Edit menu
// opens them over the stored table, typing and leaving a box runs its rule,
// a tab change stores the page left, closing stores everything, Enter and
// Escape close only a dialog without tabs, the wheel leaves unfocused lists
// alone, and the key picture follows the focused key list.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include "ModalHelper.h"
#include "app/CMainFrame.h"
#include "channels/CProgramView.h"
#include "form/CFormPage.h"
#include "settings/CBasicSettingDlg.h"
#include "settings/CScanInfoDlg.h"
#include "settings/CSideKeyPage.h"
#include "support/TempDir.h"
#include "widgets/SpinEdit.h"

using dpmr::test::TempDir;

namespace {

QWidget* Control(CTabDialog& dialog, int page, const char* key) {
    return static_cast<CFormPage*>(dialog.PageWidget(page))->Control(key);
}

// Types into a box as a user does: focus, select all, type, Tab away.
void TypeAndLeave(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    box->clearFocus();
}

// Shows a dialog as the active window, so that focus changes happen.
void ShowActive(QWidget* dialog) {
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

QString TextOf(QWidget* box) {
    if (auto* spin = qobject_cast<SpinEdit*>(box)) return spin->findChild<QLineEdit*>()->text();
    return static_cast<QLineEdit*>(box)->text();
}

}  // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT

    dpmr::RadioImage image_;

  private slots:
    void init() {
        image_ = dpmr::RadioImage();
        image_.Fill(0x300, 0x50, 0x00);
    }

    void tabChangeStoresThePageLeftAndClosingStoresEveryPage() {
        CBasicSettingDlg dialog(image_, {});
        ShowActive(&dialog);
        QWidget* tot = Control(dialog, 0, "tot");
        TypeAndLeave(tot, "95");
        QCOMPARE(TextOf(tot), QString("90"));
        QCOMPARE(image_.U16Le(0x308), 0);  // nothing stored before the page is left

        // A value typed and still in its box goes with the tab change.
        QWidget* preAlert = Control(dialog, 0, "tot_pre_alert");
        preAlert->setFocus();
        QTest::keyClick(preAlert, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(preAlert, "40");
        dialog.Tabs()->setCurrentIndex(1);
        QCOMPARE(image_.U16Le(0x308), 90);
        QCOMPARE(image_.U8(0x30A), 15);

        auto* sk1 = static_cast<QComboBox*>(Control(dialog, 1, "sk1_short"));
        sk1->setCurrentIndex(sk1->findText("Scan"));
        auto* check = static_cast<QCheckBox*>(Control(dialog, 2, "call_out_tone"));
        dialog.Tabs()->setCurrentIndex(2);
        check->setChecked(true);
        QCOMPARE(image_.U8(0x324), 4);  // stored when Side Key was left

        // Enter and Escape never close a tab dialog.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        dialog.close();
        QCOMPARE(image_.Bit(0x318, 5), true);
        QCOMPARE(image_.U8(0x318) & 0x1F, 0);  // the other bits stay as they were
    }

    void boxesFilterTypingAndSpinWithTheirRule() {
        CBasicSettingDlg dialog(image_, {});
        ShowActive(&dialog);
        QWidget* tot = Control(dialog, 0, "tot");
        TypeAndLeave(tot, "4x5");
        QCOMPARE(TextOf(tot), QString("30"));  // "45" rounded down, then clamped up to 30

        QWidget* voxDelay = Control(dialog, 0, "vox_delay");
        QCOMPARE(TextOf(voxDelay), QString("0.1"));  // stored 0 shows 0.1
        voxDelay->setFocus();
        QTest::keyClick(voxDelay, Qt::Key_Down);
        QCOMPARE(TextOf(voxDelay), QString("2.0"));  // wraps below 0.1
        QTest::keyClick(voxDelay, Qt::Key_Up);
        QCOMPARE(TextOf(voxDelay), QString("0.1"));
        TypeAndLeave(voxDelay, "1.5");
        QCOMPARE(TextOf(voxDelay), QString("1.5"));
        dialog.close();
        QCOMPARE(image_.U8(0x312), 15);
    }

    void theWheelTurnsOnlyAFocusedList() {
        CBasicSettingDlg dialog(image_, {});
        ShowActive(&dialog);
        auto* sql = static_cast<QComboBox*>(Control(dialog, 0, "sql"));
        const int before = sql->currentIndex();
        QWheelEvent wheel(QPointF(5, 5), sql->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sql, &wheel);
        QCOMPARE(sql->currentIndex(), before);
        QWidget* tot = Control(dialog, 0, "tot");
        QWheelEvent spinWheel(QPointF(5, 5), tot->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
        QApplication::sendEvent(tot, &spinWheel);
        QCOMPARE(TextOf(tot), QString("0"));
    }

    void keyPictureFollowsTheFocusedListAndPrefersThePictureFolder() {
        TempDir pictures;
        QImage sk1(20, 40, QImage::Format_RGB32);
        sk1.fill(Qt::red);
        QVERIFY(sk1.save(QString::fromStdString(pictures.File("SK1.bmp")), "BMP"));

        CBasicSettingDlg dialog(image_, QString::fromStdString(pictures.path()));
        ShowActive(&dialog);
        dialog.Tabs()->setCurrentIndex(1);
        auto* page = static_cast<CSideKeyPage*>(dialog.PageWidget(1));
        QVERIFY(page->FromPictureFolder(CSideKeyPage::Key::kSk1));
        QVERIFY(!page->FromPictureFolder(CSideKeyPage::Key::kSk2));
        QVERIFY(!page->Picture()->pixmap().isNull());
        QCOMPARE(page->ShownKey(), CSideKeyPage::Key::kTk);
        QWidget* sk2 = page->Control("sk2_long");
        sk2->setFocus();
        QCOMPARE(page->ShownKey(), CSideKeyPage::Key::kSk2);
        QCOMPARE(page->Picture()->pixmap().width(), 160);  // the built-in picture
        page->Control("sk1_short")->setFocus();
        QCOMPARE(page->Picture()->pixmap().width(), 20);
        QVERIFY(!page->Control("tk1_short")->isVisible());
    }

    void scanInfoClosesWithEnterOrEscapeAndStores() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            CScanInfoDlg dialog(image_);
            ShowActive(&dialog);
            auto* mode = static_cast<QComboBox*>(Control(dialog, 0, "mode"));
            mode->setCurrentIndex(key == Qt::Key_Return ? 0 : 1);
            QVERIFY(!Control(dialog, 0, "tx_channel")->isVisible());
            QTest::keyClick(mode, key);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(image_.U8(0x340), key == Qt::Key_Return ? 0 : 1);
        }
    }

    void editMenuOpensTheDialogsOverTheStoredTable() {
        TempDir dir;
        AppContext context;
        context.settings = dpmr::LoadAppSettings(dir.path());
        CMainFrame frame(context);
        frame.NewDocument();
        QVERIFY(!frame.IsModified());

        // A channel typed into the table and not yet stored is offered as a
        // priority channel: the table is stored before the dialog opens.
        auto& table = frame.view()->presenter();
        table.SetCurrentCell(3, 1);
        table.BeginCellEdit();
        table.SetEditorText("445.5");
        table.CommitOpenEditors();
        QStringList offered;
        dpmr::test::OnNextModal([&offered](QWidget* modal) {
            auto* dialog = static_cast<CTabDialog*>(modal);
            auto* priority = static_cast<QComboBox*>(Control(*dialog, 0, "priority_channel"));
            for (int i = 0; i < priority->count(); ++i) offered << priority->itemText(i);
            priority->setCurrentIndex(1);
            dialog->close();
        });
        frame.action("actionScanInfo")->trigger();
        QCOMPARE(offered, QStringList({"None", "3"}));
        QCOMPARE(context.image.U8(0x348), 3);
        QVERIFY(frame.IsModified());

        dpmr::test::OnNextModal([](QWidget* modal) {
            auto* dialog = static_cast<CTabDialog*>(modal);
            ShowActive(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Basic setting"));
            TypeAndLeave(Control(*dialog, 0, "tot"), "700");
            dialog->close();
        });
        frame.action("actionBasicSetting")->trigger();
        QCOMPARE(context.image.U16Le(0x308), 600);
        // The table was rebuilt from the image and still shows the channel.
        QCOMPARE(QString::fromStdString(table.Cell(3, 1)), QString("445.500000"));
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
