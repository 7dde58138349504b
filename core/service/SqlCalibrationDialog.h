// The squelch calibration dialog "Sql" as data: one squelch value per 5-MHz
// point of the band (0x3E00 + row - 1) and the four noise thresholds
// (0x3E3A..0x3E3D). The image keeps 17 squelch values, so a band with more
// points shows and stores only its first 17.
#pragma once

#include <cstddef>
#include <vector>

#include "form/DialogDecl.h"
#include "image/BandLimits.h"
#include "image/RadioImage.h"

namespace dpmr {

// Squelch values the image keeps and the squelch transfers carry.
constexpr int kSquelchRows = 17;
// The page's fields: the four thresholds first, then rows 1..17, so that a
// page built for a band with fewer points keeps the same field numbers.
constexpr std::size_t kThresholdCount = 4;
constexpr std::size_t SquelchRowField(int row) {
    return kThresholdCount + static_cast<std::size_t>(row - 1);
}

// The points of a band in whole MHz (its edges truncated): the lower edge,
// then every multiple of 5 above it up to the upper edge inclusive. Not cut
// to 17.
std::vector<int> SquelchPointsMhz(const BandLimits& band);

// The thresholds and the rows of the given points (at most 17 are taken),
// each row grouped under its frequency ("405 MHz").
form::PageDecl SqlCalibrationTable(const std::vector<int>& pointsMhz);
// The table with all 17 rows and no frequencies, as dpmrtool lists it.
const form::PageDecl& SqlCalibrationPageDecl();
// The dialog; its page follows the band of the image it opens on, as the
// channel table decides it (BandForImage with the context's entries).
const form::DialogDecl& SqlCalibrationDialogDecl();

}  // namespace dpmr
