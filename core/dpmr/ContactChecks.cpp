// Contact name repair and contact reference checks.
#include "dpmr/ContactChecks.h"

#include <algorithm>
#include <optional>
#include <string>

#include "channels/ChannelRecord.h"
#include "image/ImageLayout.h"

namespace dpmr {

namespace {

constexpr std::size_t kNameOffset = 8;
constexpr std::size_t kNameSize = 8;
constexpr std::size_t kTypeOffset = 7;
constexpr unsigned kGroupCallBit = 0;

std::size_t SlotOffset(int slot) {
    return layout::kContactRecords +
           layout::kContactRecordSize * static_cast<std::size_t>(slot - 1);
}

// "Name k" with the smallest k (1..64) that no name of the list has.
std::optional<std::string> FreeName(const std::vector<std::string>& names) {
    for (int k = 1; k <= layout::kContactCount; ++k) {
        const std::string candidate = "Name " + std::to_string(k);
        if (std::find(names.begin(), names.end(), candidate) == names.end()) return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::size_t> ListedContactOffsets(const RadioImage& image) {
    std::vector<std::size_t> offsets;
    for (int k = 0; k < layout::kContactCount; ++k) {
        const std::size_t p = image.U16Le(layout::kContactIndex + 2 * static_cast<std::size_t>(k));
        // An entry that points between records would make every later write
        // straddle two contacts; it ends the list like an unused entry.
        if (p < layout::kContactRecords || p > layout::kContactLastRecord ||
            (p - layout::kContactRecords) % layout::kContactRecordSize != 0)
            break;
        offsets.push_back(p);
    }
    return offsets;
}

std::set<int> ListedContactSlots(const RadioImage& image) {
    std::set<int> slots;
    for (std::size_t p : ListedContactOffsets(image))
        slots.insert(static_cast<int>((p - layout::kContactRecords) / layout::kContactRecordSize) +
                     1);
    return slots;
}

void RepairContactNames(RadioImage& image) {
    const std::vector<std::size_t> offsets = ListedContactOffsets(image);
    std::vector<std::string> names;
    names.reserve(offsets.size());
    for (std::size_t p : offsets) names.push_back(image.Text(p + kNameOffset, kNameSize));

    for (auto& name : names) {
        if (!name.empty()) continue;
        if (auto fresh = FreeName(names)) name = *fresh;
    }
    for (std::size_t k = 1; k < names.size(); ++k) {
        const auto earlier = names.begin() + static_cast<std::ptrdiff_t>(k);
        if (std::find(names.begin(), earlier, names[k]) == earlier) continue;
        if (auto fresh = FreeName(names)) names[k] = *fresh;
    }
    for (std::size_t k = 0; k < offsets.size(); ++k)
        image.SetText(offsets[k] + kNameOffset, kNameSize, names[k]);
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
        const std::size_t base =
            layout::kGroupLists + layout::kGroupListSize * static_cast<std::size_t>(list - 1);
        std::vector<std::uint8_t> kept;
        for (std::size_t k = 0; k < layout::kGroupListSize; ++k) {
            const std::uint8_t member = image.U8(base + k);
            if (member == 0 || member == 0xFF) break;
            // Numbers beyond the 64 slots name no contact record.
            if (member > layout::kContactCount) continue;
            const std::size_t p = SlotOffset(member);
            if (image.U8(p) != 0xFF && image.Bit(p + kTypeOffset, kGroupCallBit))
                kept.push_back(member);
        }
        image.FillFF(base, layout::kGroupListSize);
        for (std::size_t k = 0; k < kept.size(); ++k) image.SetU8(base + k, kept[k]);

        if (!kept.empty()) continue;
        for (int n = 1; n <= layout::kChannelCount; ++n) {
            const std::size_t at = channel::RecordOffset(n) + channel::kGroupList;
            if (image.U8(at) == list) image.SetU8(at, 0);
        }
    }
}

}  // namespace dpmr
