// CDpmrBasicPage: the "Basic" page of "dPMR param", built from its field
// table: the radio's identity, call timers, codec and remote kill in one
// column, transmit timing and acknowledgements in a second one.
#pragma once

#include "form/CFormPage.h"

class CDpmrBasicPage : public CFormPage {
  public:
    explicit CDpmrBasicPage(dpmr::form::FieldPage& page, QWidget* parent = nullptr);
};
