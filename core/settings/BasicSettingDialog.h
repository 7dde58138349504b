// The "Basic setting" dialog as data: the "Option", "Side Key" and "Tone and
// Light" pages with every field of the radio's general options (0x300..0x312),
// tones and lights (0x318..0x31B) and side keys (0x320..0x327).
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

const form::PageDecl& OptionPageDecl();
const form::PageDecl& SideKeyPageDecl();
const form::PageDecl& ToneLightPageDecl();
const form::DialogDecl& BasicSettingDialogDecl();

}  // namespace dpmr
