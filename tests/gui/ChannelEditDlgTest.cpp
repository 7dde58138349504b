// Wiring of the "Channel edit" dialog: real widgets driven offscreen on a real
// radio image; the rules themselves are tested on the presenter.
#include <QToolButton>

#include "TestMainWindow.h"
#include "channels/CChannelEditDlg.h"
#include "image/ChannelRecord.h"

using C = dpmr::EditControl;

class ChannelEditDlgTest : public QObject {
    Q_OBJECT

    dpmr::RadioImage image_;
    dpmr::BandLimits band_;
    std::unique_ptr<CChannelEditDlg> dlg_;

    void Open(int channel) {
        dlg_ = std::make_unique<CChannelEditDlg>(image_, band_, channel, QString());
        dpmr::test::ShowActive(dlg_.get());
    }
    template <class Widget = QLineEdit>
    Widget* Get(C c) const {
        auto* w = qobject_cast<Widget*>(dlg_->Control(c));
        w->setFocus(Qt::OtherFocusReason);
        return w;
    }
    // `len` bytes of the channel's record from `off` on, in hex.
    QByteArray Hex(int channel, std::size_t off, std::size_t len) const {
        const auto* data = image_.Data() + dpmr::channel::RecordOffset(channel) + off;
        return QByteArray(reinterpret_cast<const char*>(data), qsizetype(len)).toHex(' ');
    }

  private slots:
    void init() {
        for (int n = 1; n <= 16; ++n) dpmr::ResetChannelRecord(image_, n);
    }
    void cleanup() { dlg_.reset(); }

    // The controls hidden; a new channel typed and entered; Escape closes only
    // from the Rx box, and closing stores the channel.
    void newChannelTypedEnteredAndStoredOnEscape() {
        Open(2);
        for (C c : {C::kAutoContact, C::kWorkAlone, C::kOnlyRx, C::kOffsetDirection, C::kOffsetFreq,
                    C::kCall1Msg, C::kCall2Msg})
            QVERIFY(!dlg_->Control(c)->isVisible());
        QVERIFY(!dlg_->Control(C::kTxFreq)->isEnabled());  // empty channel
        QLineEdit* rx = Get(C::kRxFreq);
        QTest::keyClicks(rx, "44x6,1a");  // the comma is the point
        QTest::keyClick(rx, Qt::Key_Return);
        QCOMPARE(rx->text() + " " + dlg_->Control(C::kTxFreq)->property("text").toString(),
                 QString("446.100000 446.100000"));
        qobject_cast<QCheckBox*>(dlg_->Control(C::kTalkAround))->click();
        auto* type = Get<QComboBox>(C::kChannelType);
        QTest::keyClick(type, Qt::Key_Escape);
        QVERIFY(dlg_->isVisible());  // Escape from another control does not close it
        type->setCurrentIndex(0);    // "Analog"
        QTest::keyClick(Get(C::kRxFreq), Qt::Key_Escape);
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Hex(2, 0, 8), QByteArray("00 00 61 44 00 00 61 44"));
        QCOMPARE(Hex(2, 0x10, 7), QByteArray("11 00 00 ff ff 00 01"));
    }

    // A tone box says under the controls what its commit changed or refused;
    // a refused code leaves the box showing its tone.
    void toneBoxesSayWhatTheyChanged() {
        image_.SetBcd4(dpmr::channel::RecordOffset(3), 44600625);
        Open(3);
        QLabel* notice = dlg_->Notice();
        QVERIFY(!notice->isVisible());
        auto* rxTone = Get<QComboBox>(C::kRxTone);
        rxTone->lineEdit()->selectAll();
        QTest::keyClicks(rxTone->lineEdit(), "67");
        Get<QWidget>(C::kTxTone);
        QCOMPARE(rxTone->currentText(), QString("D067N"));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QString("67 was taken as DCS D067N; type 67.0 for 67.0 Hz"));
        rxTone = Get<QComboBox>(C::kRxTone);
        rxTone->lineEdit()->selectAll();
        QTest::keyClicks(rxTone->lineEdit(), "D089N");
        Get<QWidget>(C::kTxTone);
        QCOMPARE(rxTone->currentText(), QString("D067N"));
        QVERIFY(notice->text().startsWith("D089N is not a DCS code"));
        rxTone = Get<QComboBox>(C::kRxTone);
        rxTone->lineEdit()->selectAll();
        QTest::keyClicks(rxTone->lineEdit(), "88,5");
        Get<QWidget>(C::kTxTone);
        QCOMPARE(rxTone->currentText(), QString("88.5"));
        QVERIFY(!notice->isVisible());
    }

    // A channel made in the table (its record otherwise the reset pattern),
    // shown and closed with the focus moved about but nothing changed, keeps
    // every byte.
    void closingWithoutAChangeKeepsEveryByte() {
        image_.SetBcd4(dpmr::channel::RecordOffset(6), 44600625);
        image_.SetBcd4(dpmr::channel::RecordOffset(6) + 4, 44600625);
        const dpmr::RadioImage before = image_;
        Open(6);
        for (C c : {C::kRxFreq, C::kTxFreq, C::kRxTone, C::kChannelNo}) Get<QWidget>(c);
        dlg_->close();
        QVERIFY(image_ == before);
    }

    // The spin buttons take no focus and store the typed text as it stands;
    // a free tone is stored when the dialog goes.
    void spinStoresThenMoves() {
        Open(16);
        QLineEdit* rx = Get(C::kRxFreq);
        QTest::keyClicks(rx, "430.00001");
        dlg_->SpinUp()->click();
        QVERIFY(rx->hasFocus());
        QCOMPARE(Hex(16, 0, 4), QByteArray("01 00 00 43"));
        dlg_->SpinDown()->click();
        QCOMPARE(rx->text(), QString("430.000000"));

        qobject_cast<QComboBox*>(dlg_->Control(C::kTxTone))->setEditText("100.5");  // a free tone
        dlg_.reset();  // destruction stores the channel on show
        QCOMPARE(Hex(16, 0x0A, 2), QByteArray("05 10"));
    }
};

QTEST_MAIN(ChannelEditDlgTest)
#include "ChannelEditDlgTest.moc"
