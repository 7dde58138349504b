// GroupRxList: the radio's 16 group receive lists at 0x1BA0: list n (1..16)
// is 8 bytes of contact slot numbers in list order from its first byte; the
// list ends at the first byte that is 0 or 0xFF, unused bytes hold 0xFF.
#pragma once

#include <cstddef>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr::grouplist {

constexpr int kMaxMembers = 8;

// Image offset of list n (1..16).
std::size_t ListOffset(int n);
// The members of list n as stored: bytes up to the first 0 or 0xFF.
std::vector<int> Members(const RadioImage& image, int n);
// Fills list n with 0xFF and writes `slots` (at most 8) from its first byte.
void Write(RadioImage& image, int n, const std::vector<int>& slots);

}  // namespace dpmr::grouplist
