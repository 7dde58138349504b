// CDtmfDecodePage: the "Decode" page of "DTMF" (group call code, decode
// response, remote kill, the radio's "Person ID", auto reset, display), built
// from its field table.
#pragma once

#include "form/CFormPage.h"

class CDtmfDecodePage : public CFormPage {
  public:
    using CFormPage::CFormPage;
};
