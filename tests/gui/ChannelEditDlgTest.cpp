// Wiring of the "Channel edit" dialog: real widgets driven offscreen on a real
// radio image; the rules themselves are tested on the presenter.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "channels/CChannelEditDlg.h"
#include "channels/ChannelRecord.h"

using dpmr::EditControl;
using C = dpmr::EditControl;

class ChannelEditDlgTest : public QObject {
    Q_OBJECT

  private:
    dpmr::RadioImage image_;
    dpmr::BandLimits band_;

    static QLineEdit* Edit(CChannelEditDlg& dlg, C c) {
        return qobject_cast<QLineEdit*>(dlg.Control(c));
    }
    std::uint8_t Byte(int channel, std::size_t off) const {
        return image_.U8(dpmr::channel::RecordOffset(channel) + off);
    }
    static void Show(CChannelEditDlg& dlg) {
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
    }
    static void Focus(QWidget* w) {
        w->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(w->hasFocus());
    }

  private slots:
    void init() {
        image_ = dpmr::RadioImage();
        band_ = dpmr::BandLimits();
        for (int n = 1; n <= 16; ++n) dpmr::ResetChannelRecord(image_, n);
    }

    void layoutShowsTheVisibleControlsOnly() {
        CChannelEditDlg dlg(image_, band_, 1, QString());
        Show(dlg);
        QCOMPARE(dlg.windowTitle(), QString("Channel edit"));
        for (C c : {C::kAutoContact, C::kWorkAlone, C::kOnlyRx, C::kOffsetDirection, C::kOffsetFreq,
                    C::kCall1Msg, C::kCall2Msg})
            QVERIFY(!dlg.Control(c)->isVisible());
        for (C c : {C::kChannelNo, C::kRxFreq, C::kRxTone, C::kCall2Contact, C::kTalkAround})
            QVERIFY(dlg.Control(c)->isVisible());
        QCOMPARE(qobject_cast<QComboBox*>(dlg.Control(C::kRxTone))->count(), 266);
        QVERIFY(!dlg.Control(C::kTxFreq)->isEnabled());  // empty channel
    }

    void typingAndEnterMakeANewChannelStoredOnClose() {
        CChannelEditDlg dlg(image_, band_, 2, QString());
        Show(dlg);
        QLineEdit* rx = Edit(dlg, C::kRxFreq);
        Focus(rx);
        QTest::keyClicks(rx, "44x6.1a");
        QCOMPARE(rx->text(), QString("446.1"));
        QTest::keyClick(rx, Qt::Key_Return);
        QCOMPARE(rx->text(), QString("446.100000"));
        QCOMPARE(Edit(dlg, C::kTxFreq)->text(), QString("446.100000"));
        QVERIFY(dlg.Control(C::kTxFreq)->isEnabled());
        QCOMPARE(qobject_cast<QComboBox*>(dlg.Control(C::kRepeat))->currentText(), QString("Off"));
        QVERIFY(!dlg.Control(C::kRepeat)->isEnabled());
        QVERIFY(dlg.isVisible());  // Enter does not close

        qobject_cast<QCheckBox*>(dlg.Control(C::kTalkAround))->click();
        dlg.close();
        QCOMPARE(Byte(2, 0), std::uint8_t{0x00});
        QCOMPARE(Byte(2, 2), std::uint8_t{0x61});
        QCOMPARE(Byte(2, 7), std::uint8_t{0x44});
        QCOMPARE(Byte(2, 0x10), std::uint8_t{0x11});
        QCOMPARE(Byte(2, 0x16), std::uint8_t{0x01});
    }

    void spinAndChannelBoxStoreThenMove() {
        CChannelEditDlg dlg(image_, band_, 16, QString());
        Show(dlg);
        QLineEdit* rx = Edit(dlg, C::kRxFreq);
        Focus(rx);
        QTest::keyClicks(rx, "430.00001");
        // The spin takes no focus: the typed text is stored as it stands.
        dlg.SpinUp()->click();
        QCOMPARE(dlg.CurrentChannel(), 1);
        QVERIFY(rx->hasFocus());
        QCOMPARE(Byte(16, 0), std::uint8_t{0x01});
        QCOMPARE(Byte(16, 3), std::uint8_t{0x43});
        dlg.SpinDown()->click();
        QCOMPARE(dlg.CurrentChannel(), 16);
        QCOMPARE(rx->text(), QString("430.000000"));

        QLineEdit* number = Edit(dlg, C::kChannelNo);
        Focus(number);
        QTest::keyClick(number, Qt::Key_Up);
        QCOMPARE(dlg.CurrentChannel(), 1);
        QCOMPARE(number->text(), QString("1"));
        number->selectAll();
        QTest::keyClicks(number, "9x9");
        QCOMPARE(number->text(), QString("99"));
        Focus(rx);
        QCOMPARE(dlg.CurrentChannel(), 16);
        QCOMPARE(number->text(), QString("16"));
    }

    void escapeClosesOnlyFromTheRxBox() {
        auto dlg = std::make_unique<CChannelEditDlg>(image_, band_, 5, QString());
        Show(*dlg);
        QComboBox* type = qobject_cast<QComboBox*>(dlg->Control(C::kChannelType));
        QLineEdit* rx = Edit(*dlg, C::kRxFreq);
        Focus(rx);
        QTest::keyClicks(rx, "440");
        QTest::keyClick(rx, Qt::Key_Return);
        Focus(type);
        QTest::keyClick(type, Qt::Key_Escape);
        QVERIFY(dlg->isVisible());
        type->setCurrentIndex(0);  // "Analog"
        Focus(rx);
        QTest::keyClick(rx, Qt::Key_Escape);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Byte(5, 3), std::uint8_t{0x44});
        QCOMPARE(Byte(5, 0x12), std::uint8_t{0x00});
        dlg.reset();  // destruction stores nothing different
        QCOMPARE(Byte(5, 0x12), std::uint8_t{0x00});
    }

    void destructionStoresTheChannel() {
        image_.SetBcd4(dpmr::channel::RecordOffset(9), 44000000);
        auto dlg = std::make_unique<CChannelEditDlg>(image_, band_, 9, QString());
        QComboBox* tone = qobject_cast<QComboBox*>(dlg->Control(C::kTxTone));
        QVERIFY(tone->isEnabled());
        tone->setEditText("100.5");
        dlg.reset();
        QCOMPARE(Byte(9, 0x0A), std::uint8_t{0x05});
        QCOMPARE(Byte(9, 0x0B), std::uint8_t{0x10});
    }
};

QTEST_MAIN(ChannelEditDlgTest)
#include "ChannelEditDlgTest.moc"
