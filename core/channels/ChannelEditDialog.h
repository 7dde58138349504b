// ChannelEditDialog: the "Channel edit" dialog as the settings dialogs are
// declared, one page a channel ("channel1" .. "channel16"), each page the
// dialog opened on that channel. dpmrtool fields/get/set and the codeplug
// files reach the channel fields through it, so they follow the dialog's
// rules, for an empty channel too. A page clamps frequencies to the band of
// BandForImage, from the "Freq range" entries its PageContext holds.
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

const form::DialogDecl& ChannelEditDialogDecl();

}  // namespace dpmr
