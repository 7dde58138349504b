// A dialog looked at and closed changes nothing, offscreen: every dialog of
// the Edit menu and the two service dialogs, opened from the main window on a
// new document and on a file of random bytes, every tab clicked, closed with
// Escape or the close box: every byte, the modified mark and the undo history
// stay as they were. The alarm and dPMR dialogs show which setting of the
// other dialog uses the same byte, on the page itself.
#include <QDialogButtonBox>
#include <QTabBar>
#include <QTreeWidget>
#include <fstream>
#include <random>

#include "TestMainWindow.h"
#include "dpmr/DpmrParamDialog.h"
#include "service/CServicePasswordDlg.h"
#include "settings/AlarmDialog.h"

using namespace dpmr::test;

namespace {

// Clicks every tab of a settings dialog (and every list of the group receive
// tree), then closes it as a user does.
void LookThrough(QWidget* modal, bool escape) {
    auto* dialog = qobject_cast<CTabDialog*>(modal);
    QVERIFY2(dialog, modal->metaObject()->className());
    if (QTabWidget* tabs = dialog->Tabs()) {
        for (int round = 0; round < 2; ++round)
            for (int i = tabs->count() - 1; i >= 0; --i) {
                QTabBar* bar = tabs->tabBar();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
                QCOMPARE(tabs->currentIndex(), i);
                if (auto* tree = tabs->currentWidget()->findChild<QTreeWidget*>())
                    for (int n = 0; n < tree->topLevelItemCount(); ++n)
                        tree->setCurrentItem(tree->topLevelItem(n));
            }
    }
    if (escape)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                        Qt::Key_Escape);
    if (dialog->isVisible()) dialog->close();
}

}  // namespace

class LookingAtDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestMainWindow> w_;

    // Opens the dialog, looks through it and closes it; nothing may change.
    void ExpectLookingChangesNothing(const char* what, const std::function<void()>& open,
                                     bool escape) {
        const dpmr::RadioImage before = w_->context.image;
        const std::size_t steps = w_->frame->controller().history().StepCount();
        const bool modified = w_->frame->controller().IsModified();
        auto looked = OnNextModal([escape](QWidget* modal) { LookThrough(modal, escape); }, 10000,
                                  [](QWidget* modal) { return qobject_cast<CTabDialog*>(modal); });
        open();
        QVERIFY2(looked->seen, what);
        QVERIFY2(w_->context.image == before, what);
        QCOMPARE(w_->frame->controller().IsModified(), modified);
        QCOMPARE(w_->frame->controller().history().StepCount(), steps);
    }

  private slots:
    void init() { w_ = std::make_unique<TestMainWindow>(); }
    void cleanup() { w_.reset(); }

    void everyDialogLookedAtChangesNothing() {
        // A new document, then a file of random bytes with one table edit
        // unsaved (the mark and one undo step).
        for (int document = 0; document < 2; ++document) {
            if (document == 1) {
                std::mt19937 gen(77);
                std::string bytes(dpmr::RadioImage::kSize, '\0');
                for (char& c : bytes) c = static_cast<char>(gen());
                std::ofstream(w_->dir.File("random.dat"), std::ios::binary) << bytes;
                QVERIFY(w_->frame->controller().OpenDocument(
                    QString::fromStdString(w_->dir.File("random.dat"))));
                ShowActive(w_->frame.get());
                ClickCell(w_->view()->grid(), 2, 1);
                QTest::keyClicks(w_->view()->frequencyEditor(), "446.1");
                QTest::keyClick(w_->view()->frequencyEditor(), Qt::Key_Return);
                QVERIFY(w_->frame->controller().IsModified());
            }
            CMainFrame* frame = w_->frame.get();
            for (ActionId action : {ActionId::kScanInfo, ActionId::kBasicSetting, ActionId::kAlarm,
                                    ActionId::kDtmf, ActionId::kDpmr})
                for (bool escape : {true, false})
                    ExpectLookingChangesNothing(
                        ActionOf(action).text, [&] { w_->Action(action)->trigger(); }, escape);
            // Ctrl+Shift+F12: the factory adjustment dialog (Escape closes it).
            for (bool escape : {true, false})
                ExpectLookingChangesNothing(
                    "adjustment", [&] { frame->radio().AdjustParam(); }, escape);
            // Ctrl+F11 and the password: squelch calibration.
            for (bool escape : {true, false}) {
                auto gate = OnNextModal(
                    [](QWidget* modal) {
                        auto* dialog = qobject_cast<CServicePasswordDlg*>(modal);
                        QTest::keyClicks(dialog->PasswordEdit(), "463RTV");
                        dialog->findChild<QDialogButtonBox*>()
                            ->button(QDialogButtonBox::Ok)
                            ->click();
                    },
                    10000,
                    [](QWidget* modal) { return qobject_cast<CServicePasswordDlg*>(modal); });
                ExpectLookingChangesNothing(
                    "squelch", [&] { frame->radio().ServicePassword(); }, escape);
                QVERIFY(gate->seen);
            }
        }
    }

    // A change the user makes in a dialog is one undo step, as before.
    void aChangeInADialogIsStoredAndOneStep() {
        const std::size_t steps = w_->frame->controller().history().StepCount();
        auto changed = OnNextModal(
            [](QWidget* modal) {
                auto* dialog = qobject_cast<CTabDialog*>(modal);
                Type(Control(*dialog, 0, "alarm_time"), "20");
                dialog->close();
            },
            10000, [](QWidget* modal) { return qobject_cast<CTabDialog*>(modal); });
        w_->Action(ActionId::kAlarm)->trigger();
        QVERIFY(changed->seen);
        QCOMPARE(w_->context.image.U8(0x354), std::uint8_t{20});
        QCOMPARE(w_->frame->controller().history().StepCount(), steps + 1);
        QVERIFY(w_->frame->controller().IsModified());
    }

    // The bytes 0x378..0x37A are settings of both dialogs: a line under each
    // such control says so, visible without hovering.
    void sharedBytesAreNotedUnderTheirControls() {
        dpmr::RadioImage image;
        const auto alarmDialog = OpenDialog(dpmr::AlarmDialogDecl(), image);
        CTabDialog& alarm = *alarmDialog;
        ShowActive(&alarm);
        const struct {
            const char* name;
            const char* text;
        } alarmNotes[] = {
            {"alarm.auto_contact.note",
             "Same byte as dPMR param > Basic > OACSU and Data type; written only when changed "
             "here"},
            {"alarm.tx_interval.note",
             "Same byte as dPMR param > Basic > ACK reply delay; written only when changed here"},
            {"alarm.query_interval.note",
             "Same byte as dPMR param > Basic > ACK reply wait; written only when changed here"},
        };
        for (const auto& n : alarmNotes) {
            auto* label = alarm.findChild<QLabel*>(n.name);
            QVERIFY2(label && label->isVisible(), n.name);
            QCOMPARE(label->text(), QString(n.text));
        }
        alarm.close();

        const auto dpmrDialog = OpenDialog(dpmr::DpmrParamDialogDecl(), image);
        CTabDialog& dpmr = *dpmrDialog;
        ShowActive(&dpmr);
        const struct {
            const char* name;
            const char* text;
        } dpmrNotes[] = {
            {"dpmr.oacsu.note", "Same byte as Alarm > Auto contact"},
            {"dpmr.data_type.note", "Same byte as Alarm > Auto contact"},
            {"dpmr.ack_reply_delay.note", "Same byte as Alarm > Tx interval (s)"},
            {"dpmr.ack_reply_wait.note", "Same byte as Alarm > Query interval (min)"},
        };
        for (const auto& n : dpmrNotes) {
            auto* label = dpmr.findChild<QLabel*>(n.name);
            QVERIFY2(label && label->isVisible(), n.name);
            QCOMPARE(label->text(), QString(n.text));
        }
    }
};

QTEST_MAIN(LookingAtDialogsTest)
#include "LookingAtDialogsTest.moc"
