// The "Scan Info" dialog as data: scan mode, tone scan, priority channel,
// beeps, stop time, resume delay and the (cut-off) scan transmit channel, at
// 0x340..0x34A.
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

const form::PageDecl& ScanInfoPageDecl();
const form::DialogDecl& ScanInfoDialogDecl();

}  // namespace dpmr
