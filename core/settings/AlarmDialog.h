// The "Alarm" dialog as data: emergency alarm (0x350..0x366), lone worker
// ("Work alone", 0x368..0x36A), man down ("Upside", 0x370..0x373, cut off the
// dialog but loaded and stored) and automatic contact (0x378..0x37A, bytes the
// dPMR settings also write with meanings of their own).
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

const form::PageDecl& AlarmPageDecl();
const form::DialogDecl& AlarmDialogDecl();

}  // namespace dpmr
