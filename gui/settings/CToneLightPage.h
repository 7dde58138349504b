// CToneLightPage: the "Tone and Light" page of "Basic setting": prompt tones,
// voice broadcast and indicator lights, built from its field table. "Tone",
// "Light" and "Shock" are kept hidden; "Call end tone" exists on the radio's
// page but stores nothing, so it is not shown at all.
#pragma once

#include "form/CFormPage.h"

class CToneLightPage : public CFormPage {
  public:
    using CFormPage::CFormPage;
};
