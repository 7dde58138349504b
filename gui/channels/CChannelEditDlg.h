// CChannelEditDlg: the modal "Channel edit" dialog, one channel record at a
// time with all its analog and digital settings. The rules live in
// dpmr::ChannelEditPresenter; this class lays out one widget per field row,
// binds them with FormBinder like every settings page, and adds what only this
// dialog has: the channel spin, its keys and the tone notice line.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "channels/ChannelEditPresenter.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"

class FormBinder;
class QLabel;
class QPushButton;
class QToolButton;

class CChannelEditDlg : public QDialog {
    Q_OBJECT

  public:
    // `channel` is 1..16 (the table's current row); `rxText` that row's
    // "Rx Freq" text. The dialog edits `image` directly and stores the channel
    // on show when it closes, whichever way it is closed.
    CChannelEditDlg(dpmr::RadioImage& image, const dpmr::BandLimits& band, int channel,
                    const QString& rxText, QWidget* parent = nullptr);
    ~CChannelEditDlg() override;

    // The widget that shows a control (hidden ones included).
    QWidget* Control(dpmr::EditControl c) const;
    QToolButton* SpinUp() const { return spinUp_; }
    QToolButton* SpinDown() const { return spinDown_; }
    // The line under the controls that says what a tone commit changed or
    // refused; hidden while there is nothing to say.
    QLabel* Notice() const { return notice_; }
    QPushButton* CloseButton() const { return close_; }
    // A line above the notice that stays while the dialog is open (the
    // channels the digital fields go to as well); hidden while empty.
    void SetSpreadNote(const QString& text);
    QLabel* SpreadNote() const { return spreadNote_; }
    int CurrentChannel() const { return presenter_.CurrentChannel(); }

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* MakeControl(dpmr::EditControl c);
    void BuildLayout();
    bool HandleKey(dpmr::EditControl c, QKeyEvent* event);
    void Spin(int step);
    void Refresh();

    dpmr::ChannelEditPresenter presenter_;
    FormBinder* binder_ = nullptr;
    std::array<QWidget*, dpmr::kEditControlCount> widgets_{};
    QToolButton* spinUp_ = nullptr;
    QToolButton* spinDown_ = nullptr;
    QLabel* notice_ = nullptr;
    QLabel* spreadNote_ = nullptr;
    QPushButton* close_ = nullptr;
    bool refreshing_ = false;
    bool refreshAgain_ = false;
};
