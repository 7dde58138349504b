// The "DTMF" dialog as data: the "Encode" page (how the radio sends DTMF,
// 0x2000..0x202F), the "Decode" page (how it reacts to received DTMF,
// 0x2030..0x205F) and the "Contact" page (the 16 DTMF codes that channels
// select as their analog calls, 0x2060..0x215F).
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

const form::PageDecl& DtmfEncodePageDecl();
const form::PageDecl& DtmfDecodePageDecl();
// 16 fields "code1".."code16", in the group of their row number ("1".."16").
const form::PageDecl& DtmfContactPageDecl();
const form::DialogDecl& DtmfDialogDecl();

}  // namespace dpmr
