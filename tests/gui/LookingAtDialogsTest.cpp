// A dialog looked at and closed changes nothing, offscreen: every dialog of
// the Edit menu and the two service dialogs, opened from the main window on a
// new document and on a file of random bytes, every tab clicked, closed with
// Escape, the close box or the Close button: every byte, the modified mark
// and the undo history stay as they were. The notes of the declarations
// (which setting of another dialog uses the same byte) show on the page.
#include <QDialogButtonBox>
#include <QTabBar>
#include <QTreeWidget>
#include <fstream>
#include <random>

#include "TestMainWindow.h"
#include "dialogs/SharedByteDialogs.h"
#include "service/CServicePasswordDlg.h"

using namespace dpmr::test;

namespace {

// How a user closes a dialog.
enum class Way { kEscape, kCloseBox, kCloseButton };
constexpr Way kWays[] = {Way::kEscape, Way::kCloseBox, Way::kCloseButton};

// Clicks every tab of a settings dialog (and every list of the group receive
// tree), then closes it as a user does.
void LookThrough(QWidget* modal, Way way) {
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
    if (way == Way::kEscape)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                        Qt::Key_Escape);
    if (way == Way::kCloseButton) {
        QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }
    if (dialog->isVisible()) dialog->close();
}

}  // namespace

class LookingAtDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestMainWindow> w_;

    // Opens the dialog, looks through it and closes it; nothing may change.
    void ExpectLookingChangesNothing(const char* what, const std::function<void()>& open, Way way) {
        const dpmr::RadioImage before = w_->context.image;
        const std::size_t steps = w_->frame->controller().history().StepCount();
        const bool modified = w_->frame->controller().IsModified();
        auto looked = OnNextModal([way](QWidget* modal) { LookThrough(modal, way); }, 10000,
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
                for (Way way : kWays)
                    ExpectLookingChangesNothing(
                        ActionOf(action).text, [&] { w_->Action(action)->trigger(); }, way);
            // Ctrl+Shift+F12: the factory adjustment dialog (Escape closes it).
            for (Way way : kWays)
                ExpectLookingChangesNothing(
                    "adjustment", [&] { frame->radio().AdjustParam(); }, way);
            // Ctrl+F11 and the password: squelch calibration.
            for (Way way : kWays) {
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
                    "squelch", [&] { frame->radio().ServicePassword(); }, way);
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

    // A note a field's declaration carries (the bytes 0x378..0x37A are
    // settings of both the alarm and the dPMR dialog) is a line under its
    // control, visible without hovering.
    void declaredNotesShowUnderTheirControls() {
        dpmr::RadioImage image;
        int notes = 0;
        for (const dpmr::form::DialogDecl* decl :
             {&dpmr::AlarmDialogDecl(), &dpmr::DpmrParamDialogDecl()}) {
            const auto dialog = OpenDialog(*decl, image);
            ShowActive(dialog.get());
            for (const dpmr::form::PageEntry& page : decl->pages) {
                if (!page.table) continue;
                for (const dpmr::form::FieldDecl& f : page.table->fields) {
                    if (f.note.empty()) continue;
                    const QString name = QString::fromStdString(page.table->key + "." + f.key);
                    auto* label = dialog->findChild<QLabel*>(name + ".note");
                    QVERIFY2(label && label->isVisible(), qPrintable(name));
                    QCOMPARE(label->text(), QString::fromStdString(f.note));
                    ++notes;
                }
            }
        }
        QCOMPARE(notes, 7);
    }
};

QTEST_MAIN(LookingAtDialogsTest)
#include "LookingAtDialogsTest.moc"
