// COptionPage: the "Option" page of "Basic setting" (squelch, power saving,
// time-out timer, VOX, STE, copy modes), built from its field table.
#pragma once

#include "form/CFormPage.h"

class COptionPage : public CFormPage {
  public:
    using CFormPage::CFormPage;
};
