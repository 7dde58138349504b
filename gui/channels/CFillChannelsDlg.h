// CFillChannelsDlg: Edit > "Fill Channels...". Chooses a channel plan
// (PMR446 or dPMR446; a plan the file's band does not hold is shown greyed
// out, with the reason beneath), the plan channel to start at, the channels
// to fill (the selected ones or all 16) and the CTCSS tones (none, the same
// on every channel, or one per channel). OK checks the request with the plan's
// rules and says what is wrong in the dialog instead of closing; the fill
// itself is the view's, after the dialog has closed. The rules live in
// dpmr::ChannelPlan.
#pragma once

#include <QDialog>
#include <set>

#include "channels/ChannelPlan.h"
#include "image/BandLimits.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QSpinBox;

class CFillChannelsDlg : public QDialog {
    Q_OBJECT

  public:
    // `band` is the table's; `selected` the selected rows (fewer than two:
    // the choice "Selected channels" is greyed out).
    CFillChannelsDlg(const dpmr::BandLimits& band, const std::set<int>& selected,
                     QWidget* parent = nullptr);

    // What the controls ask for.
    dpmr::FillRequest Request() const;

    QComboBox* planBox() const { return plan_; }
    QSpinBox* firstChannelBox() const { return first_; }
    QRadioButton* selectedButton() const { return selectedRows_; }
    QRadioButton* allButton() const { return allRows_; }
    QComboBox* toneModeBox() const { return toneMode_; }
    QComboBox* toneBox() const { return tone_; }
    // Why a plan is not offered, and what keeps OK from closing.
    QLabel* messageLabel() const { return message_; }
    QDialogButtonBox* buttons() const { return buttons_; }

    void accept() override;

  private:
    void Refresh();

    dpmr::BandLimits band_;
    std::set<int> selected_;
    QComboBox* plan_ = nullptr;
    QSpinBox* first_ = nullptr;
    QLabel* range_ = nullptr;
    QRadioButton* selectedRows_ = nullptr;
    QRadioButton* allRows_ = nullptr;
    QComboBox* toneMode_ = nullptr;
    QComboBox* tone_ = nullptr;
    QLabel* message_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};
