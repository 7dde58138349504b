// The fleet dialog's "Each radio" box: how each radio's ID and name are made
// and the options of the write.
#include "fleet/CFleetIdentityBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

CFleetIdentityBox::CFleetIdentityBox(bool verifyFirst, QWidget* parent)
    : QGroupBox(tr("Each radio"), parent) {
    idFrom_ = new QLineEdit(this);
    idFrom_->setObjectName("fleetIdFrom");
    idFrom_->setMaxLength(7);
    idFrom_->setPlaceholderText(tr("e.g. 1000001"));
    idStep_ = new QSpinBox(this);
    idStep_->setObjectName("fleetIdStep");
    idStep_->setRange(-100000, 100000);
    idStep_->setValue(1);
    namePattern_ = new QLineEdit(this);
    namePattern_->setObjectName("fleetNamePattern");
    namePattern_->setPlaceholderText(tr("Unit {n}, or {id:4} for the ID's last 4 digits"));
    namePattern_->setToolTip(
        tr("{n}: the radio's number in the list of ticked ports; {id}: its 7-digit ID; "
           "{id:4}: the ID's last 4 digits. Cut to the radio's 8 characters."));
    keepIdentity_ = new QCheckBox(tr("Keep each radio's identity"), this);
    keepIdentity_->setObjectName("fleetKeepIdentity");
    keepIdentity_->setToolTip(
        tr("Read each radio first and write the new configuration with its own ID and name"));
    verify_ = new QCheckBox(tr("Verify after writing"), this);
    verify_->setObjectName("fleetVerify");
    verify_->setChecked(verifyFirst);
    copyCalibration_ =
        new QCheckBox(tr("Copy this file's squelch calibration to every radio"), this);
    copyCalibration_->setObjectName("fleetCopyCalibration");
    copyCalibration_->setToolTip(
        tr("Off: each radio keeps the squelch calibration the factory set for it (read first, "
           "written back unchanged)"));
    oneCable_ =
        new QCheckBox(tr("One cable: the list's radios one after another on one port"), this);
    oneCable_->setObjectName("fleetOneCable");
    oneCable_->setToolTip(
        tr("Tick the one port; each radio of the imported list is written in turn, and the "
           "dialog asks for the next radio (Space or Enter)"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("First radio ID:"), idFrom_);
    form->addRow(tr("ID step:"), idStep_);
    form->addRow(tr("Name pattern:"), namePattern_);
    form->addRow(keepIdentity_);
    form->addRow(verify_);
    form->addRow(copyCalibration_);
    form->addRow(oneCable_);
}
