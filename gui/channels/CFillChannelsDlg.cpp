// CFillChannelsDlg: the controls of Edit > Fill Channels and the check of
// what they ask for.
#include "channels/CFillChannelsDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "codec/ToneCodec.h"
#include "form/QtText.h"

using dpmr::ChannelPlans;
using dpmr::PlanTones;

CFillChannelsDlg::CFillChannelsDlg(const dpmr::BandLimits& band, const std::set<int>& selected,
                                   QWidget* parent)
    : QDialog(parent), band_(band), selected_(selected) {
    setWindowTitle(tr("Fill Channels"));
    plan_ = new QComboBox(this);
    first_ = new QSpinBox(this);
    first_->setMinimum(1);
    range_ = new QLabel(this);
    selectedRows_ = new QRadioButton(this);
    allRows_ = new QRadioButton(tr("&All 16 channels"), this);
    toneMode_ = new QComboBox(this);
    tone_ = new QComboBox(this);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    // Plans the band does not hold stay listed, greyed out, so that the
    // reason can be read.
    auto* model = new QStandardItemModel(plan_);
    int offered = -1;
    for (const dpmr::ChannelPlan& plan : ChannelPlans()) {
        auto* item = new QStandardItem(tr("%1 (%2 channels, %3 kHz apart)")
                                           .arg(plan.name)
                                           .arg(plan.count)
                                           .arg(static_cast<double>(plan.stepHz) / 1000.0));
        const std::string why = dpmr::WhyPlanNotOffered(plan, band_);
        item->setEnabled(why.empty());
        item->setToolTip(ToQt(why));
        model->appendRow(item);
        if (why.empty() && offered < 0) offered = model->rowCount() - 1;
    }
    plan_->setModel(model);
    plan_->setCurrentIndex(offered < 0 ? 0 : offered);

    const bool several = selected_.size() >= 2;
    selectedRows_->setText(several
                               ? tr("&Selected %1").arg(ToQt(dpmr::ChannelsText(selected_, false)))
                               : tr("&Selected channels (select two or more first)"));
    selectedRows_->setEnabled(several);
    (several ? selectedRows_ : allRows_)->setChecked(true);

    toneMode_->addItems(
        {tr("None"), tr("The same on every channel"), tr("One per channel, rising")});
    for (const std::string& tone : dpmr::ToneList())
        if (tone != "None" && tone.front() != 'D') tone_->addItem(ToQt(tone));
    tone_->setCurrentText("67.0");

    // A control that shares its row gets a label with its buddy set by hand:
    // its mnemonic then works and a screen reader names the control.
    const auto labelFor = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    auto* rows = new QVBoxLayout;
    rows->addWidget(selectedRows_);
    rows->addWidget(allRows_);
    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(first_);
    firstRow->addWidget(range_, 1);
    auto* tones = new QHBoxLayout;
    tones->addWidget(toneMode_, 1);
    tones->addWidget(labelFor(tr("To&ne:"), tone_));
    tones->addWidget(tone_);
    auto* form = new QFormLayout;
    form->addRow(tr("&Plan:"), plan_);
    form->addRow(labelFor(tr("&First plan channel:"), first_), firstRow);
    form->addRow(tr("Fill:"), rows);
    form->addRow(labelFor(tr("CTCSS &tones:"), toneMode_), tones);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addWidget(buttons_);

    connect(buttons_, &QDialogButtonBox::accepted, this, &CFillChannelsDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CFillChannelsDlg::reject);
    connect(plan_, &QComboBox::currentIndexChanged, this, &CFillChannelsDlg::Refresh);
    connect(first_, &QSpinBox::valueChanged, this, &CFillChannelsDlg::Refresh);
    connect(selectedRows_, &QRadioButton::toggled, this, &CFillChannelsDlg::Refresh);
    connect(toneMode_, &QComboBox::currentIndexChanged, this, &CFillChannelsDlg::Refresh);
    connect(tone_, &QComboBox::currentIndexChanged, this, &CFillChannelsDlg::Refresh);
    Refresh();
}

dpmr::FillRequest CFillChannelsDlg::Request() const {
    dpmr::FillRequest request;
    request.plan = ChannelPlans()[static_cast<std::size_t>(std::max(plan_->currentIndex(), 0))].id;
    request.firstPlanChannel = first_->value();
    if (selectedRows_->isChecked()) request.rows = selected_;
    // A digital plan takes no tones: the tone choice is greyed out for it.
    if (dpmr::PlanOf(request.plan).analog)
        request.tones = static_cast<PlanTones>(std::max(toneMode_->currentIndex(), 0));
    if (request.tones != PlanTones::kNone) request.tone = tone_->currentText().toStdString();
    return request;
}

void CFillChannelsDlg::Refresh() {
    // The first channel's range follows the plan before anything reads it.
    first_->setRange(1, dpmr::PlanOf(Request().plan).count);
    const dpmr::FillRequest request = Request();
    const dpmr::ChannelPlan& plan = dpmr::PlanOf(request.plan);
    toneMode_->setEnabled(plan.analog);
    tone_->setEnabled(request.tones != PlanTones::kNone);

    const std::string why = dpmr::WhyPlanNotOffered(plan, band_);
    dpmr::FillPlanOut out;
    const dpmr::Status planned =
        why.empty() ? dpmr::PlanFill(request, out) : dpmr::Status::Error(why);
    range_->setText(out.rows.empty()
                        ? QString()
                        : tr("%1 to %2 MHz")
                              .arg(ToQt(dpmr::PlanFrequencyText(plan, out.planChannels.front())))
                              .arg(ToQt(dpmr::PlanFrequencyText(plan, out.planChannels.back()))));
    QString said = planned ? QString() : ToQt(planned.message());
    if (planned && !out.leftOut.empty())
        said = tr("%1 will stay unchanged: %2 ends at channel %3")
                   .arg(ToQt(dpmr::ChannelsText(out.leftOut)), QString::fromUtf8(plan.name))
                   .arg(plan.count);
    message_->setText(said);
    message_->setVisible(!said.isEmpty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(planned.ok());
}

void CFillChannelsDlg::accept() {
    // Enter reaches here with OK greyed out too: the request is checked again.
    Refresh();
    if (buttons_->button(QDialogButtonBox::Ok)->isEnabled()) QDialog::accept();
}
