// CodeplugDiff: what differs between two radio images as a user sees it, made
// from their codeplug models: channel cells, settings by key, contacts by
// name, group receive lists by member names, then bytes no value shows.
#pragma once

#include <string>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

struct CodeplugDifference {
    std::string what;  // "channel 3 Rx Freq", "option.tot", "contact \"Base\"", "raw 0x0000"
    std::string part;  // what of a contact differs ("number"), else ""
    std::string from;
    std::string to;
};

// In the order channels, settings, contacts, group lists, raw bytes.
std::vector<CodeplugDifference> DiffCodeplugs(const RadioImage& a, const RadioImage& b);

// One line each: "channel 3 Rx Freq: 446.00625 -> 446.01875",
// "contact \"Base\": number 0000101 -> 0000102" (an empty text shows "(empty)").
std::string DifferencesAsText(const std::vector<CodeplugDifference>& diffs);
// A YAML list of {what, from, to} ("what" with the part appended).
std::string DifferencesAsYaml(const std::vector<CodeplugDifference>& diffs);

}  // namespace dpmr
