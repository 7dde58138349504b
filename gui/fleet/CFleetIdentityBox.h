// CFleetIdentityBox: the fleet dialog's "Each radio" box: the first radio
// ID, the ID step and the name pattern, and the boxes "Keep each radio's
// identity", "Verify after writing", the squelch calibration and "One cable".
// The dialog connects to its fields.
#pragma once

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QSpinBox;

class CFleetIdentityBox : public QGroupBox {
    Q_OBJECT
  public:
    // `verifyFirst`: "Verify after writing" ticked at first.
    CFleetIdentityBox(bool verifyFirst, QWidget* parent);

    QLineEdit* idFrom() const { return idFrom_; }
    QSpinBox* idStep() const { return idStep_; }
    QLineEdit* namePattern() const { return namePattern_; }
    QCheckBox* keepIdentity() const { return keepIdentity_; }
    QCheckBox* verify() const { return verify_; }
    QCheckBox* copyCalibration() const { return copyCalibration_; }
    QCheckBox* oneCable() const { return oneCable_; }

  private:
    QLineEdit* idFrom_ = nullptr;
    QSpinBox* idStep_ = nullptr;
    QLineEdit* namePattern_ = nullptr;
    QCheckBox* keepIdentity_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* copyCalibration_ = nullptr;
    QCheckBox* oneCable_ = nullptr;
};
