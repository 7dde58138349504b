// CDtmfEncodePage: the "Encode" page of "DTMF" (speed, tone lengths, PTT
// identification codes, hold and response times), built from its field
// table. Besides the dialog's tab handling it loads whenever it is shown and
// stores whenever it is hidden.
#pragma once

#include "form/CFormPage.h"

class CDtmfEncodePage : public CFormPage {
  public:
    using CFormPage::CFormPage;

    void Detach() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    bool detached_ = false;
};
