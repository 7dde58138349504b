// The "dPMR param" dialog as data: the "Basic" page's field table (the
// radio's dPMR identity, call timers, codec, kill and active codes, transmit
// timing and acknowledgements) and the "Contact" and "Group rx list" pages,
// which have presenters of their own.
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

const form::PageDecl& DpmrBasicPageDecl();
// The radio's dPMR identity as that page declares it: where the radio ID and
// the radio name live and how they are kept.
const form::FieldDecl& DpmrRadioIdField();
const form::FieldDecl& DpmrRadioNameField();
const form::DialogDecl& DpmrParamDialogDecl();

}  // namespace dpmr
