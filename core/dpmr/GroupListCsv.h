// GroupListCsv: the 16 group receive lists as comma-separated text: the
// header "List,Member1,...,Member8", then one row per list (its number 1..16
// and its members by contact name, empty cells for unused places).
// Importing sets the lists named in the text under the rules of the "Group
// rx list" page: only group-call contacts, at most 8, each once.
#pragma once

#include <string>
#include <string_view>

#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

std::string GroupListsToCsv(const RadioImage& image);

// Sets every list that has a row; lists without a row stay as they are, and
// a row whose cells are exactly what the image holds changes nothing. An
// unknown list or contact, a single call, a contact named twice or more than
// 8 members fail with "line N: reason" and leave `image` as it was.
Status ImportGroupListsCsv(RadioImage& image, std::string_view csv);

}  // namespace dpmr
