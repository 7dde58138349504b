// The "Basic setting" dialog as data: the "Option", "Side Key" and "Tone and
// Light" pages with every field of the radio's general options (0x300..0x312),
// tones and lights (0x318..0x31B) and side keys (0x320..0x327).
#pragma once

#include "form/DialogSpec.h"

namespace dpmr {

const form::PageSpec& OptionPageSpec();
const form::PageSpec& SideKeyPageSpec();
const form::PageSpec& ToneLightPageSpec();
const form::DialogSpec& BasicSettingDialogSpec();

}  // namespace dpmr
