// CAdjustRxPage: the "Rx" page of the adjustment dialog: the receive input
// and decoder gains ("数字") and the receive input and voice output gains
// ("模拟"), built from its field table.
#pragma once

#include "form/CFormPage.h"

class CAdjustRxPage : public CFormPage {
  public:
    using CFormPage::CFormPage;
};
