// The "Alarm" dialog as data: emergency alarm (0x350..0x366), lone worker
// ("Work alone", 0x368..0x36A), man down ("Upside", 0x370..0x373, cut off the
// dialog but loaded and stored) and automatic contact (0x378..0x37A, bytes the
// dPMR settings also write with meanings of their own). The dialog itself is
// made where it is joined with "dPMR param" (dialogs/SharedByteDialogs), which
// gives the controls on the shared bytes their rule and their notes.
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

inline constexpr const char* kAlarmCaption = "Alarm";

// The "alarm" page's fields, without what the joining adds.
form::PageDecl MakeAlarmPage();
// The dialog of that page (no tabs).
form::DialogDecl MakeAlarmDialog(const form::PageDecl& page);

}  // namespace dpmr
