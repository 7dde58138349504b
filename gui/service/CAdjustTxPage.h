// CAdjustTxPage: the "Tx" page of the adjustment dialog: the two DC offsets
// in an untitled group box above the digital ("数字") modulation gains, the
// analog ("模拟") ones beside them, built from its field table.
#pragma once

#include "form/CFormPage.h"

class CAdjustTxPage : public CFormPage {
  public:
    explicit CAdjustTxPage(dpmr::form::FieldPage& page, QWidget* parent = nullptr);
};
