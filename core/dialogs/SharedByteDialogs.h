// SharedByteDialogs: the "Alarm" and "dPMR param" dialogs, joined. Both write
// 0x378..0x37A, each with meanings of its own: the alarm's Auto contact, Tx
// interval and Query interval are the dPMR page's OACSU and Data type, ACK
// reply delay and ACK reply wait. Each control on those bytes gets a note
// under it and a tooltip that name the other dialog's controls on its byte by
// the labels of that dialog's declaration, so a label renamed there is renamed
// in the notes; and the alarm writes such a byte only when the user changed
// its control, so that opening and closing it never turns a dPMR setting into
// another.
#pragma once

#include "form/DialogDecl.h"

namespace dpmr {

const form::PageDecl& AlarmPageDecl();
const form::DialogDecl& AlarmDialogDecl();
const form::PageDecl& DpmrBasicPageDecl();
const form::DialogDecl& DpmrParamDialogDecl();
// The radio's dPMR identity as the dPMR page declares it: where the radio ID
// and the radio name live and how they are kept (the fleet writes them).
const form::FieldDecl& DpmrRadioIdField();
const form::FieldDecl& DpmrRadioNameField();

}  // namespace dpmr
