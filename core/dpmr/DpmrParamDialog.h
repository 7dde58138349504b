// The "dPMR param" dialog as data: the "Basic" page's field table (the
// radio's dPMR identity, call timers, codec, kill and active codes, transmit
// timing and acknowledgements) and the "Contact" and "Group rx list" pages,
// which have presenters of their own. The dialog itself is made where it is
// joined with "Alarm" (dialogs/SharedByteDialogs), which notes the controls on
// the bytes the two dialogs share.
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

inline constexpr const char* kDpmrParamCaption = "dPMR param";

// The "Basic" page's fields, without what the joining adds.
form::PageDecl MakeDpmrBasicPage();
// The dialog: `basic` as its first tab, then "Contact" and "Group rx list".
form::DialogDecl MakeDpmrParamDialog(const form::PageDecl& basic);

}  // namespace dpmr
