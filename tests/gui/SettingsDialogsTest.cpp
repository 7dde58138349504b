// The settings dialogs driven as a user drives them, offscreen: the Edit menu
// opens them over the stored table, typing and leaving a box runs its rule,
// a tab change stores the page left, closing stores everything, Enter and
// Escape close only a dialog without tabs, the wheel leaves unfocused lists
// alone, and the key picture follows the focused key list.
#include <QImage>

#include "TestMainWindow.h"
#include "dialogs/DialogRegistry.h"
#include "settings/BasicSettingDialog.h"
#include "settings/CSideKeyPage.h"
#include "settings/ScanInfoDialog.h"

using namespace dpmr::test;

class SettingsDialogsTest : public QObject {
    Q_OBJECT

    dpmr::RadioImage image_;

  private slots:
    void init() {
        image_ = dpmr::RadioImage();
        image_.Fill(0x300, 0x50, 0x00);
    }

    void tabChangeStoresThePageLeftAndClosingStoresEveryPage() {
        const auto owned = OpenDialog(dpmr::BasicSettingDialogDecl(), image_);
        CTabDialog& dialog = *owned;
        ShowActive(&dialog);
        QWidget* tot = Control(dialog, 0, "tot");
        Type(tot, "95");
        QCOMPARE(TextOf(tot), QString("90"));
        QCOMPARE(image_.U16Le(0x308), 0);  // nothing stored before the page is left
        // A value typed and still in its box goes with the tab change.
        Type(Control(dialog, 0, "tot_pre_alert"), "40", false);
        dialog.Tabs()->setCurrentIndex(1);
        QCOMPARE(image_.U16Le(0x308), 90);
        QCOMPARE(image_.U8(0x30A), 15);

        auto* sk1 = static_cast<QComboBox*>(Control(dialog, 1, "sk1_short"));
        sk1->setCurrentIndex(sk1->findText("Scan"));
        dialog.Tabs()->setCurrentIndex(2);
        static_cast<QCheckBox*>(Control(dialog, 2, "call_out_tone"))->setChecked(true);
        QCOMPARE(image_.U8(0x324), 4);  // stored when Side Key was left

        // Enter and Escape never close a tab dialog.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        dialog.close();
        QCOMPARE(image_.U8(0x318) & 0x3F, 0x20);  // the other bits stay as they were
    }

    // A box shows the value it holds whole, as `dpmrtool get` reports it,
    // though more than its limit cannot be typed into it.
    void boxesShowStoredValuesWholeAndLimitOnlyTyping() {
        image_.SetU16Le(0x308, 65535);  // TOT
        image_.SetU8(0x30B, 255);       // TOT re-key time
        image_.SetU8(0x344, 255);       // scan resume delay, 25.5 s
        const auto basicDialog = OpenDialog(dpmr::BasicSettingDialogDecl(), image_);
        const auto scanDialog = OpenDialog(dpmr::ScanInfoDialogDecl(), image_);
        CTabDialog& basic = *basicDialog;
        CTabDialog& scan = *scanDialog;
        const struct {
            CTabDialog* dialog;
            const char* key;
            const char* fullKey;
            QString typed;
            QString kept;
        } cases[] = {
            {&basic, "tot", "option.tot", "12345", "123"},
            {&basic, "tot_rekey", "option.tot_rekey", "123", "12"},
            {&scan, "resume_delay", "scan.resume_delay", "1.25", "1.2"},
        };
        for (const auto& c : cases) {
            ShowActive(c.dialog);
            QWidget* box = Control(*c.dialog, 0, c.key);
            const std::optional<std::string> stored = dpmr::form::ShownFieldText(image_, c.fullKey);
            QVERIFY2(stored && stored->size() > 2, c.key);
            QCOMPARE(TextOf(box), QString::fromStdString(*stored));
            Type(box, c.typed, false);
            QCOMPARE(TextOf(box), c.kept);
        }
    }

    // The wheel turns neither a list nor a spin box without the focus.
    void theWheelLeavesUnfocusedBoxesAlone() {
        const auto owned = OpenDialog(dpmr::BasicSettingDialogDecl(), image_);
        CTabDialog& dialog = *owned;
        ShowActive(&dialog);
        auto* sql = static_cast<QComboBox*>(Control(dialog, 0, "sql"));
        const int before = sql->currentIndex();
        Wheel(sql, -120);
        QCOMPARE(sql->currentIndex(), before);
        QWidget* tot = Control(dialog, 0, "tot");
        const QString shown = TextOf(tot);
        Wheel(tot, 120);
        QCOMPARE(TextOf(tot), shown);
    }

    void keyPictureFollowsTheFocusedListAndPrefersThePictureFolder() {
        TempDir pictures;
        QImage sk1(20, 40, QImage::Format_RGB32);
        sk1.fill(Qt::red);
        QVERIFY(sk1.save(QString::fromStdString(pictures.File("SK1.bmp")), "BMP"));

        const auto owned = OpenDialog(dpmr::BasicSettingDialogDecl(), image_,
                                      QString::fromStdString(pictures.path()));
        CTabDialog& dialog = *owned;
        ShowActive(&dialog);
        dialog.Tabs()->setCurrentIndex(1);
        auto* page = static_cast<CSideKeyPage*>(dialog.PageWidget(1));
        QCOMPARE(page->ShownKey(), CSideKeyPage::Key::kTk);
        page->Control("sk2_long")->setFocus();
        QCOMPARE(page->ShownKey(), CSideKeyPage::Key::kSk2);
        QCOMPARE(page->Picture()->pixmap().width(), 160);  // the built-in picture
        page->Control("sk1_short")->setFocus();
        QCOMPARE(page->Picture()->pixmap().width(), 20);  // the folder's
        QVERIFY(!page->Control("tk1_short")->isVisible());
        // The frame holds the largest picture whole.
        QVERIFY(page->Picture()->contentsRect().width() >= 160 &&
                page->Picture()->contentsRect().height() >= 300);
    }

    void scanInfoClosesWithEnterOrEscapeAndStores() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            const auto owned = OpenDialog(dpmr::ScanInfoDialogDecl(), image_);
            CTabDialog& dialog = *owned;
            ShowActive(&dialog);
            auto* mode = static_cast<QComboBox*>(Control(dialog, 0, "mode"));
            mode->setCurrentIndex(key == Qt::Key_Return ? 0 : 1);
            QVERIFY(!Control(dialog, 0, "tx_channel")->isVisible());
            QTest::keyClick(mode, key);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(image_.U8(0x340), key == Qt::Key_Return ? 0 : 1);
        }
    }

    // A channel typed into the table and not yet stored is offered as a
    // priority channel: the table is stored before the dialog opens, and
    // rebuilt from the image after it. Every dialog of the Edit menu stores
    // what is typed and still in its box when it closes (a dialog without
    // tabs closes with Escape).
    void editMenuOpensTheDialogsOverTheStoredTable() {
        TestMainWindow w;
        auto& table = w.view()->presenter();
        table.EnterCellText(3, 1, "445.5");
        QStringList offered;
        OnNextModal([&offered](QWidget* modal) {
            auto* dialog = static_cast<CTabDialog*>(modal);
            auto* priority = static_cast<QComboBox*>(Control(*dialog, 0, "priority_channel"));
            for (int i = 0; i < priority->count(); ++i) offered << priority->itemText(i);
            priority->setCurrentIndex(1);
            dialog->close();
        });
        w.Action(ActionId::kScanInfo)->trigger();
        QCOMPARE(offered, QStringList({"None", "3"}));
        QCOMPARE(w.context.image.U8(0x348), 3);
        QVERIFY(w.frame->controller().IsModified());

        const struct {
            ActionId action;
            const char *title, *key, *typed;
            std::size_t off;
            int stored;
        } menu[] = {
            {ActionId::kBasicSetting, "Basic setting", "tot", "700", 0x308, 600 & 0xFF},
            {ActionId::kDpmr, "dPMR param", "radio_id", "124", 0x38E, 4},
            {ActionId::kAlarm, "Alarm", "alarm_time", "300", 0x354, 10},
            {ActionId::kDtmf, "DTMF", "first_digit_delay", "250", 0x2001, 2},
        };
        for (const auto& m : menu) {
            QString title;
            OnNextModal([&m, &title](QWidget* modal) {
                auto* dialog = static_cast<CTabDialog*>(modal);
                ShowActive(dialog);
                title = dialog->windowTitle();
                QWidget* box = Control(*dialog, 0, m.key);
                Type(box, m.typed, false);
                QTest::keyClick(EditOf(box), Qt::Key_Escape);
                if (dialog->isVisible()) dialog->close();
            });
            w.Action(m.action)->trigger();
            QCOMPARE(title, QString(m.title));
            QCOMPARE(int(w.context.image.U8(m.off)), m.stored);
        }
        QCOMPARE(QString::fromStdString(table.Cell(3, 1)), QString("445.500000"));
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
