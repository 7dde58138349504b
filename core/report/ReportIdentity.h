// ReportIdentity: what in a radio's configuration tells whose radio it is
// and whom it calls (the radio ID and name, the kill and active codes, the
// alarm IDs, every contact's name and number), so that a problem report can
// carry the configuration and the wire traces without them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

struct ByteRange {
    std::size_t offset = 0;
    std::size_t size = 0;
};

// The image bytes that hold the identity, as their fields declare them.
const std::vector<ByteRange>& IdentityRanges();
bool IsIdentityByte(std::size_t address);

// Puts placeholders in place of the identity the image holds (an empty
// field or contact stays empty), so that the file still loads: radio ID
// 1000001 and name "RADIO", the alarm IDs 1000001, the kill and active
// codes 9999990 and 9999991, contact k "Name kk" with number 00000kk.
void ReplaceIdentity(RadioImage& image);

// A wire trace with every identity byte of its blocks' data shown as "xx".
std::string BlankIdentity(const std::string& traceText);

}  // namespace dpmr
