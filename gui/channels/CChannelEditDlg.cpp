// CChannelEditDlg: layout of the channel edit dialog and the wiring of its
// controls to the presenter through FormBinder.
#include "channels/CChannelEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>
#include <tuple>

#include "channels/ChannelEditDialog.h"
#include "form/FormBinder.h"
#include "form/QtText.h"
#include "widgets/GridKeys.h"

using dpmr::ControlKind;
using dpmr::EditControl;
using C = dpmr::EditControl;

namespace {

// The controls in the order the Tab key visits them.
constexpr C kTabOrder[] = {
    C::kChannelNo, C::kRxFreq,     C::kTxFreq,       C::kChannelType,  C::kTxPower,
    C::kBandwidth, C::kSignalType, C::kAnalogCall1,  C::kAnalogCall2,  C::kPttid,
    C::kRxTone,    C::kTxTone,     C::kBusy,         C::kRxColourCode, C::kTxColourCode,
    C::kReverse,   C::kScan,       C::kTalkAround,   C::kRepeat,       C::kTxContact,
    C::kGroupList, C::kCall1Type,  C::kCall1Contact, C::kCall2Type,    C::kCall2Contact};

}  // namespace

CChannelEditDlg::CChannelEditDlg(dpmr::RadioImage& image, const dpmr::BandLimits& band, int channel,
                                 const QString& rxText, QWidget* parent)
    : QDialog(parent), presenter_(image, band, channel, FromQt(rxText)) {
    setWindowTitle(FieldText(dpmr::ChannelEditDialogDecl().caption));
    setWhatsThis(FieldText(dpmr::ChannelEditDialogDecl().help));
    setAccessibleDescription(whatsThis());
    binder_ = new FormBinder(presenter_, this);
    for (std::size_t i = 0; i < dpmr::kEditControlCount; ++i)
        widgets_[i] = MakeControl(static_cast<EditControl>(i));
    BuildLayout();
    for (std::size_t i = 0; i < dpmr::kEditControlCount; ++i) {
        binder_->Bind(i, widgets_[i]);
        // After the binder: keys reach this dialog's filter first.
        widgets_[i]->installEventFilter(this);
    }
    // A rule of one control changes others: every event shows them all again.
    binder_->onChanged = [this](std::size_t) { Refresh(); };
    binder_->onLeave = [this](std::size_t i) {
        if (dpmr::KindOf(static_cast<EditControl>(i)) != ControlKind::kToneBox) return;
        const QString notice = ToQt(presenter_.TakeNotice());
        notice_->setText(notice);
        notice_->setVisible(!notice.isEmpty());
    };
    for (std::size_t k = 1; k < std::size(kTabOrder); ++k)
        setTabOrder(Control(kTabOrder[k - 1]), Control(kTabOrder[k]));
    Refresh();
}

CChannelEditDlg::~CChannelEditDlg() {
    // Closing by any means keeps the channel on show.
    presenter_.Close();
    binder_->Detach();
    for (QWidget* w : widgets_) w->removeEventFilter(this);
}

QWidget* CChannelEditDlg::Control(EditControl c) const {
    return widgets_[dpmr::FieldIndex(c)];
}

void CChannelEditDlg::done(int result) {
    presenter_.Close();
    QDialog::done(result);
}

void CChannelEditDlg::showEvent(QShowEvent* event) {
    presenter_.Reopen();
    QDialog::showEvent(event);
}

QWidget* CChannelEditDlg::MakeControl(EditControl c) {
    switch (dpmr::KindOf(c)) {
        case ControlKind::kCheck:
            return new QCheckBox(FieldText(dpmr::LabelOf(c)), this);
        case ControlKind::kList:
        case ControlKind::kToneBox: {
            auto* box = new QComboBox(this);
            box->setMaxVisibleItems(20);
            return box;
        }
        case ControlKind::kEdit:
            break;
    }
    return new QLineEdit(this);  // its typing limit is set as it is shown
}

void CChannelEditDlg::BuildLayout() {
    auto row = [this](QFormLayout* form, C c) {
        if (dpmr::KindOf(c) == ControlKind::kCheck)
            form->addRow(Control(c));
        else
            form->addRow(FieldText(dpmr::LabelOf(c)), Control(c));
    };

    // Left column: channel, frequencies, type, power, bandwidth.
    auto* left = new QFormLayout;
    auto* spin = new QWidget(this);
    auto* spinLayout = new QVBoxLayout(spin);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    spinLayout->setSpacing(0);
    spinUp_ = new QToolButton(spin);
    spinDown_ = new QToolButton(spin);
    for (auto [button, arrow, step, name] :
         {std::tuple{spinUp_, Qt::UpArrow, 1, tr("Next channel")},
          std::tuple{spinDown_, Qt::DownArrow, -1, tr("Previous channel")}}) {
        button->setArrowType(arrow);
        button->setAccessibleName(name);
        button->setToolTip(name);
        button->setFocusPolicy(Qt::NoFocus);  // a click leaves the focus where it is
        button->setAutoRepeat(true);
        button->setFixedHeight(12);
        spinLayout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, s = step] { Spin(s); });
    }
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(Control(C::kChannelNo));
    channelRow->addWidget(spin);
    left->addRow(FieldText(dpmr::LabelOf(C::kChannelNo)), channelRow);
    for (C c : {C::kRxFreq, C::kTxFreq, C::kChannelType, C::kTxPower, C::kBandwidth}) row(left, c);

    auto* analog = new QGroupBox(tr("Analog"), this);
    auto* analogForm = new QFormLayout(analog);
    for (C c :
         {C::kSignalType, C::kAnalogCall1, C::kAnalogCall2, C::kPttid, C::kRxTone, C::kTxTone})
        row(analogForm, c);
    auto* below = new QFormLayout;
    for (C c : {C::kBusy, C::kRxColourCode, C::kTxColourCode}) row(below, c);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addLayout(left);
    leftColumn->addWidget(analog);
    leftColumn->addLayout(below);
    leftColumn->addStretch();

    // Right column: check boxes, the hidden ones, and the "Digit" group.
    auto* checks = new QHBoxLayout;
    for (C c : {C::kReverse, C::kScan, C::kTalkAround}) checks->addWidget(Control(c));
    auto* hidden = new QWidget(this);
    auto* hiddenForm = new QFormLayout(hidden);
    for (C c : {C::kAutoContact, C::kWorkAlone, C::kOnlyRx}) row(hiddenForm, c);
    hidden->hide();

    auto* digit = new QGroupBox(tr("Digit"), this);
    auto* digitLayout = new QVBoxLayout(digit);
    auto* digitForm = new QFormLayout;
    for (C c : {C::kRepeat, C::kTxContact, C::kGroupList}) row(digitForm, c);
    digitLayout->addLayout(digitForm);
    for (auto [title, type, contact] :
         {std::tuple{tr("Call 1"), C::kCall1Type, C::kCall1Contact},
          std::tuple{tr("Call 2"), C::kCall2Type, C::kCall2Contact}}) {
        auto* call = new QGroupBox(title, digit);
        call->setAccessibleName(title);
        auto* callForm = new QFormLayout(call);
        row(callForm, type);
        row(callForm, contact);
        digitLayout->addWidget(call);
    }

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addLayout(checks);
    rightColumn->addWidget(hidden);
    rightColumn->addWidget(digit);
    rightColumn->addStretch();

    // The strip below the dialog's edge: never shown, still loaded and stored.
    auto* cutOff = new QWidget(this);
    auto* cutOffForm = new QFormLayout(cutOff);
    for (C c : {C::kOffsetDirection, C::kOffsetFreq, C::kCall1Msg, C::kCall2Msg})
        row(cutOffForm, c);
    cutOff->hide();

    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn);
    columns->addLayout(rightColumn);

    spreadNote_ = new QLabel(this);
    spreadNote_->setWordWrap(true);
    spreadNote_->hide();
    // What a tone box's commit changed or refused of the text as typed.
    notice_ = new QLabel(this);
    notice_->setObjectName("notice");
    notice_->setWordWrap(true);
    notice_->hide();
    // The way out for the keyboard and for a window without a title bar: the
    // same as the close box, so the channel on show is kept. Enter presses
    // it only when it has the focus; elsewhere Enter keeps its meaning.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close_ = buttons->button(QDialogButtonBox::Close);
    close_->setObjectName("closeButton");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addWidget(spreadNote_);
    page->addWidget(notice_);
    page->addWidget(buttons);
}

void CChannelEditDlg::SetSpreadNote(const QString& text) {
    spreadNote_->setText(text);
    spreadNote_->setVisible(!text.isEmpty());
}

bool CChannelEditDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (std::size_t i = 0; i < widgets_.size(); ++i)
            if (widgets_[i] == watched)
                return HandleKey(static_cast<EditControl>(i), static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

bool CChannelEditDlg::HandleKey(EditControl c, QKeyEvent* event) {
    std::optional<dpmr::EditKey> key;
    switch (grid_keys::InEditor(*event)) {
        case grid_keys::Action::kCommit:
            key = dpmr::EditKey::kEnter;
            break;
        case grid_keys::Action::kCancel:
            key = dpmr::EditKey::kEscape;
            break;
        default:
            if (grid_keys::MoveOf(*event) == grid_keys::Move::kUp) key = dpmr::EditKey::kUp;
            if (grid_keys::MoveOf(*event) == grid_keys::Move::kDown) key = dpmr::EditKey::kDown;
            break;
    }
    if (key) {
        const dpmr::KeyAction action = presenter_.Key(c, *key);
        Refresh();
        if (action == dpmr::KeyAction::kClose) reject();
        return action != dpmr::KeyAction::kPassOn;
    }
    return false;
}

void CChannelEditDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape never close the dialog from a control that does not
    // handle them itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CChannelEditDlg::Spin(int step) {
    presenter_.Spin(step);
    Refresh();
}

void CChannelEditDlg::Refresh() {
    // Disabling the focused control moves the focus, which can ask for
    // another refresh from inside this one: run again until nothing changed.
    if (refreshing_) {
        refreshAgain_ = true;
        return;
    }
    do {
        refreshAgain_ = false;
        refreshing_ = true;
        binder_->Refresh();
        refreshing_ = false;
    } while (refreshAgain_);
}
