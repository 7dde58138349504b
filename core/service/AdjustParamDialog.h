// The factory adjustment dialog "可调节参数" as data: the "Tx", "Rx" and
// "DTMF" pages with the DC offsets and gains of the radio's audio, modulation,
// receive and DTMF paths, all in the adjustment block (0x0040..0x0087). The
// labels are the radio maker's Chinese texts.
#pragma once

#include <string>
#include <vector>

#include "form/DialogDecl.h"

namespace dpmr {

// The 64 entries of the decibel list (i x 0.75 - 12, "%G": -12, -11.25 ..
// 35.25) and of the step list (i - 57: -57 .. 6).
const std::vector<std::string>& DecibelListTexts();
const std::vector<std::string>& StepListTexts();
// The entries that show 0: stored when nothing is chosen, shown for a byte
// of 64 or more.
constexpr int kDecibelZeroEntry = 16;
constexpr int kStepZeroEntry = 57;

const form::PageDecl& AdjustTxPageDecl();
const form::PageDecl& AdjustRxPageDecl();
const form::PageDecl& AdjustDtmfPageDecl();
const form::DialogDecl& AdjustParamDialogDecl();

}  // namespace dpmr
