// Contact name repair and contact reference checks.
#include "dpmr/ContactChecks.h"

#include <algorithm>

#include "channels/ChannelRecord.h"
#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "image/ImageLayout.h"

namespace dpmr {

std::optional<std::string> FreeContactName(const std::vector<std::string>& names) {
    for (int k = 1; k <= layout::kContactCount; ++k) {
        const std::string candidate = "Name " + std::to_string(k);
        if (std::find(names.begin(), names.end(), candidate) == names.end()) return candidate;
    }
    return std::nullopt;
}

std::set<int> ListedContactSlots(const RadioImage& image) {
    std::set<int> slots;
    for (std::size_t p : contact::ListedOffsets(image)) slots.insert(*contact::SlotAt(p));
    return slots;
}

void RepairContactNames(RadioImage& image) {
    const std::vector<std::size_t> offsets = contact::ListedOffsets(image);
    std::vector<std::string> names;
    names.reserve(offsets.size());
    for (std::size_t p : offsets) names.push_back(contact::Name(image, p));

    for (auto& name : names) {
        if (!name.empty()) continue;
        if (auto fresh = FreeContactName(names)) name = *fresh;
    }
    for (std::size_t k = 1; k < names.size(); ++k) {
        const auto earlier = names.begin() + static_cast<std::ptrdiff_t>(k);
        if (std::find(names.begin(), earlier, names[k]) == earlier) continue;
        if (auto fresh = FreeContactName(names)) names[k] = *fresh;
    }
    for (std::size_t k = 0; k < offsets.size(); ++k)
        contact::WriteName(image, offsets[k], names[k]);
}

void CheckContactReferences(RadioImage& image) {
    CheckContactReferences(image, ListedContactSlots(image));
}

void CheckContactReferences(RadioImage& image, const std::set<int>& validSlots) {
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const std::size_t at = channel::RecordOffset(n) + channel::kTxContact;
        if (!validSlots.contains(image.U8(at))) image.SetU8(at, 0xFF);
    }

    for (int list = 1; list <= layout::kGroupListCount; ++list) {
        std::vector<int> kept;
        for (int member : grouplist::Members(image, list)) {
            // Numbers beyond the 64 slots name no contact record.
            if (member > layout::kContactCount) continue;
            const std::size_t p = contact::SlotOffset(member);
            if (contact::InUse(image, p) && contact::IsGroupCall(image, p)) kept.push_back(member);
        }
        grouplist::Write(image, list, kept);

        if (!kept.empty()) continue;
        for (int n = 1; n <= layout::kChannelCount; ++n) {
            const std::size_t at = channel::RecordOffset(n) + channel::kGroupList;
            if (image.U8(at) == list) image.SetU8(at, 0);
        }
    }
}

}  // namespace dpmr
