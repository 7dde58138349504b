// Several channels edited at once and Edit > Fill Channels, driven through
// the main window's real table, menu actions, keys and dialogs, offscreen:
// one undo step each, and a dialog closed without a change changes nothing.
// The rules behind them are tested in the core tests.
#include <QHeaderView>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStatusBar>

#include "TestMainWindow.h"
#include "channels/CChannelEditDlg.h"
#include "channels/CFillChannelsDlg.h"
#include "channels/ChannelPlan.h"
#include "image/ChannelRecord.h"

using dpmr::ChannelTablePresenter;
using dpmr::test::OnNextModal;

class BulkEditTest : public QObject {
    Q_OBJECT

    std::unique_ptr<dpmr::test::TestMainWindow> w_;

    FlexGrid* grid() const { return w_->view()->grid(); }
    QString Cell(int row, int col) const { return grid()->TextMatrix(row, col); }
    QString Column(int col, int first, int last) const {
        QStringList cells;
        for (int r = first; r <= last; ++r) cells << Cell(r, col);
        return cells.join('|');
    }
    const dpmr::UndoHistory& history() const { return w_->frame->controller().history(); }
    QString UndoText() const { return w_->Action(ActionId::kUndo)->text().remove('&'); }
    void ShiftClickCell(int row, int col) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          grid()->CellRect(row, col).center());
    }
    // Runs Edit > Fill Channels; `act` drives the dialog and closes it (a
    // dialog left open is closed, so that a failure never hangs the suite).
    void Fill(const std::function<void(CFillChannelsDlg*)>& act) {
        bool ours = false;
        auto seen = OnNextModal([act, &ours](QWidget* modal) {
            auto* dialog = dynamic_cast<CFillChannelsDlg*>(modal);
            ours = dialog != nullptr;
            if (dialog) act(dialog);
            if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
        });
        w_->Action(ActionId::kFillChannels)->trigger();
        QVERIFY(seen->seen && ours);
        // The offscreen platform does not activate the window again after a
        // dialog; a user's window is active, and its shortcuts work.
        dpmr::test::ShowActive(w_->frame.get());
    }
    static void ClickOk(CFillChannelsDlg* dialog) {
        QPushButton* ok = dialog->buttons()->button(QDialogButtonBox::Ok);
        QVERIFY2(ok->isEnabled(), qPrintable(dialog->messageLabel()->text()));
        QTest::mouseClick(ok, Qt::LeftButton);
    }

  private slots:
    void init() {
        w_ = std::make_unique<dpmr::test::TestMainWindow>();
        dpmr::test::ShowActive(w_->frame.get());
    }
    void cleanup() { w_.reset(); }

    // Fill Channels with PMR446 on a new file gives the 16 standard
    // frequencies, Narrow and Analog, as one undo step.
    void fillPmr446OnANewFile() {
        const std::size_t steps = history().StepCount();
        Fill([](CFillChannelsDlg* dialog) {
            QCOMPARE(dialog->planBox()->currentIndex(), 0);
            QVERIFY(!dialog->selectedButton()->isEnabled());  // nothing selected
            QVERIFY(dialog->allButton()->isChecked());
            QVERIFY(!dialog->toneBox()->isEnabled());  // no tones asked for
            QCOMPARE(dialog->firstChannelBox()->maximum(), 16);
            ClickOk(dialog);
        });
        const dpmr::ChannelPlan& plan = dpmr::PlanOf(dpmr::PlanId::kPmr446);
        for (int n = 1; n <= 16; ++n) {
            const QString freq = QString::fromStdString(dpmr::PlanFrequencyText(plan, n));
            QStringList row;
            for (int c = 1; c <= 8; ++c) row << Cell(n, c);
            QCOMPARE(row.join('|'), freq + "|" + freq + "|None|None|High|Add|Narrow|Analog");
        }
        QCOMPARE(history().StepCount(), steps + 1);
        QCOMPARE(UndoText(), QString("Undo Fill Channels"));
        QVERIFY(w_->frame->isWindowModified());
        QVERIFY(w_->frame->statusBar()->currentMessage().startsWith("Channels 1-16: PMR446 1-16"));
        w_->Action(ActionId::kUndo)->trigger();
        QCOMPARE(Column(1, 1, 16), QString(15, '|'));
        QVERIFY(!w_->frame->isWindowModified());
    }

    // Four channels selected, Power set to Low: one undo step restores all
    // four; the rows around them never change.
    void fourChannelsPowerLowOneUndoStep() {
        Fill(ClickOk);
        const QString high = "High|High|High|High|High|High";
        QCOMPARE(Column(ChannelTablePresenter::kPowerCol, 2, 7), high);
        const std::size_t steps = history().StepCount();

        dpmr::test::ClickCell(grid(), 3, ChannelTablePresenter::kPowerCol);
        ShiftClickCell(6, ChannelTablePresenter::kPowerCol);
        QComboBox* list = w_->view()->listEditor();
        QVERIFY(list->isVisible());
        // Clicked away from without a choice: nothing changes anywhere.
        dpmr::test::ClickCell(grid(), 12, ChannelTablePresenter::kTxFreqCol);
        QCOMPARE(history().StepCount(), steps);
        QVERIFY(w_->view()->frequencyEditor()->isVisible());
        QTest::keyClick(w_->view()->frequencyEditor(), Qt::Key_Escape);
        dpmr::test::ClickCell(grid(), 3, ChannelTablePresenter::kPowerCol);
        ShiftClickCell(6, ChannelTablePresenter::kPowerCol);
        QVERIFY(list->isVisible());
        list->setCurrentIndex(list->findText("Low"));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Column(ChannelTablePresenter::kPowerCol, 2, 7),
                 QString("High|Low|Low|Low|Low|High"));
        QCOMPARE(history().StepCount(), steps + 1);
        QCOMPARE(UndoText(), QString("Undo Channels 3-6 Power"));
        // Stored into the records, as Save writes them.
        w_->view()->StoreGridToImage();
        for (int n = 3; n <= 6; ++n)
            QCOMPARE(
                w_->context.image.U8(dpmr::channel::RecordOffset(n) + dpmr::channel::kFlags) & 0xC0,
                0);

        w_->Action(ActionId::kUndo)->trigger();
        QCOMPARE(Column(ChannelTablePresenter::kPowerCol, 2, 7), high);
        QCOMPARE(UndoText(), QString("Undo Fill Channels"));
        w_->Action(ActionId::kRedo)->trigger();
        QCOMPARE(Column(ChannelTablePresenter::kPowerCol, 2, 7),
                 QString("High|Low|Low|Low|Low|High"));
    }

    // Ctrl+D puts the current cell into its column of every selected
    // channel; without a selection it says what to do and changes nothing.
    void applyToSelectedChannelsWithItsShortcut() {
        Fill(ClickOk);
        constexpr int kTone = ChannelTablePresenter::kRxToneCol;
        dpmr::test::ClickCell(grid(), 10, kTone);
        QTest::keyClicks(w_->view()->toneEditor()->lineEdit(), "88.5");
        QTest::keyClick(w_->view()->toneEditor()->lineEdit(), Qt::Key_Return);
        QCOMPARE(UndoText(), QString("Undo Channel 10 Rx Tone"));
        const std::size_t steps = history().StepCount();

        QTest::keyClick(grid(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(w_->frame->statusBar()->currentMessage().startsWith("Select two or more"));
        QCOMPARE(history().StepCount(), steps);

        dpmr::test::ClickCell(grid(), 8, kTone);
        QTest::keyClick(w_->view()->toneEditor()->lineEdit(), Qt::Key_Escape);
        ShiftClickCell(10, kTone);
        QTest::keyClick(w_->view()->toneEditor()->lineEdit(), Qt::Key_Escape);
        QTest::keyClick(grid(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Column(kTone, 7, 11), QString("None|88.5|88.5|88.5|None"));
        QCOMPARE(history().StepCount(), steps + 1);
        QCOMPARE(UndoText(), QString("Undo Channels 8-10 Rx Tone"));
    }

    // A band that does not hold a plan shows it greyed out with the reason,
    // OK greyed out; Cancel leaves every byte, the mark and the history.
    void plansTheBandDoesNotHoldAreNotOffered() {
        CProgramView* view = w_->view();
        const int vhf = view->bandList()->findText("136-174MHz");
        QVERIFY(vhf >= 0);
        view->presenter().ChangeBand(vhf);
        view->StoreGridToImage();
        w_->frame->controller().RecordStep("Freq range");
        const dpmr::RadioImage before = w_->context.image;
        const std::size_t steps = history().StepCount();
        const bool modified = w_->frame->isWindowModified();
        Fill([](CFillChannelsDlg* dialog) {
            auto* model = qobject_cast<QStandardItemModel*>(dialog->planBox()->model());
            QVERIFY(model && !model->item(0)->isEnabled() && !model->item(1)->isEnabled());
            QCOMPARE(model->item(0)->toolTip(),
                     QString("PMR446 needs 446.00625-446.19375 MHz; this file's band is "
                             "136-174 MHz"));
            QVERIFY(dialog->messageLabel()->text().startsWith("PMR446 needs"));
            QVERIFY(!dialog->buttons()->button(QDialogButtonBox::Ok)->isEnabled());
            QTest::keyClick(dialog, Qt::Key_Return);  // Enter does not get past the check
            QVERIFY(dialog->isVisible());
            dialog->reject();
        });
        QCOMPARE(w_->context.image, before);
        QCOMPARE(history().StepCount(), steps);
        QCOMPARE(w_->frame->isWindowModified(), modified);
        QCOMPARE(Column(1, 1, 16), QString(15, '|'));
    }

    // dPMR446 from plan channel 17 into the selected rows, one undo step;
    // a plan running out says which rows it left.
    void fillDpmr446IntoTheSelectedRows() {
        Fill(ClickOk);
        dpmr::test::ClickCell(grid(), 3, ChannelTablePresenter::kTypeCol);
        ShiftClickCell(5, ChannelTablePresenter::kTypeCol);
        QTest::keyClick(w_->view()->listEditor(), Qt::Key_Escape);
        const std::size_t steps = history().StepCount();
        Fill([](CFillChannelsDlg* dialog) {
            QVERIFY(dialog->selectedButton()->isChecked());
            QCOMPARE(dialog->selectedButton()->text(), QString("&Selected channels 3-5"));
            dialog->planBox()->setCurrentIndex(1);
            QVERIFY(!dialog->toneModeBox()->isEnabled());
            QCOMPARE(dialog->firstChannelBox()->maximum(), 32);
            dialog->firstChannelBox()->setValue(31);
            QCOMPARE(dialog->messageLabel()->text(),
                     QString("Channel 5 will stay unchanged: dPMR446 ends at channel 32"));
            dialog->firstChannelBox()->setValue(17);
            QVERIFY(dialog->messageLabel()->isHidden());
            ClickOk(dialog);
        });
        QCOMPARE(Column(1, 2, 6),
                 QString("446.018750|446.103125|446.109375|446.115625|446.068750"));
        QCOMPARE(Column(ChannelTablePresenter::kTypeCol, 2, 6),
                 QString("Analog|Digit|Digit|Digit|Analog"));
        QCOMPARE(history().StepCount(), steps + 1);
    }

    // "Channel edit" with several channels selected: the colour code
    // changed on the current one goes to the others in the same step.
    void channelEditGivesDigitalFieldsToTheSelectedChannels() {
        Fill(ClickOk);
        dpmr::test::ClickCell(grid(), 2, ChannelTablePresenter::kTypeCol);
        ShiftClickCell(4, ChannelTablePresenter::kTypeCol);
        QTest::keyClick(w_->view()->listEditor(), Qt::Key_Escape);
        const std::size_t steps = history().StepCount();
        QString note;
        OnNextModal([&note](QWidget* modal) {
            auto* dialog = dynamic_cast<CChannelEditDlg*>(modal);
            QVERIFY(dialog && dialog->CurrentChannel() == 4);
            note = dialog->SpreadNote()->text();
            auto* box = qobject_cast<QComboBox*>(dialog->Control(dpmr::EditControl::kRxColourCode));
            QVERIFY(box);
            box->setCurrentIndex(box->findText("12"));
            dialog->CloseButton()->click();
        });
        QTest::mouseClick(w_->view()->channelEditButton(), Qt::LeftButton);
        QTRY_VERIFY(!note.isEmpty());
        QVERIFY(note.contains("go to channels 2-4 as well"));
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(
                w_->context.image.U8(dpmr::channel::RecordOffset(n) + dpmr::channel::kRxColourCode),
                n >= 2 && n <= 4 ? 12 : 0xFF);
        QCOMPARE(history().StepCount(), steps + 1);
        QCOMPARE(history().UndoName(), std::string("Channel edit"));
        QCOMPARE(w_->frame->statusBar()->currentMessage(),
                 QString("Rx color code \"12\" given to channels 2, 3 as well"));
    }
};

QTEST_MAIN(BulkEditTest)
#include "BulkEditTest.moc"
