// CAdjustDtmfPage: the "DTMF" page of the adjustment dialog: the DTMF encoder
// amplitude (one byte, two hexadecimal characters) and the VCO and TCXO
// output gains, built from its field table.
#pragma once

#include "form/CFormPage.h"

class CAdjustDtmfPage : public CFormPage {
  public:
    using CFormPage::CFormPage;
};
