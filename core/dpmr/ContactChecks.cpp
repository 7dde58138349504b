// Contact name repair and contact reference checks.
#include "dpmr/ContactChecks.h"

#include <algorithm>

#include "dpmr/ContactPagePresenter.h"
#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "image/ChannelRecord.h"
#include "image/ImageLayout.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

std::string ContactNameFault(std::string_view name) {
    if (name.empty()) return Tr("dpmr", "the name is empty");
    if (name.size() > ContactPagePresenter::kNameLimit)
        return Fill(Tr("dpmr", "the name %1 is longer than 8 bytes"), {QuoteInput(name)});
    // 0xFF pads a stored name: one inside would cut it short.
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || u == 0xFF)
            return Fill(Tr("dpmr", "the name %1 holds a control character"), {QuoteInput(name)});
    }
    return {};
}

std::string ContactNumberFault(std::string_view number) {
    if (number.empty()) return Tr("dpmr", "the number is empty");
    if (number.size() > ContactPagePresenter::kNumberLimit)
        return Fill(Tr("dpmr", "the number %1 is longer than 7 characters"), {QuoteInput(number)});
    if (number.find_first_not_of(kContactNumberChars) != std::string_view::npos)
        return Fill(Tr("dpmr", "the number %1 may hold only the digits 0 to 9 and \"*\""),
                    {QuoteInput(number)});
    return {};
}

std::string GroupListMembersFault(const std::vector<std::string>& members,
                                  const std::vector<NamedContact>& contacts,
                                  std::vector<int>& slots) {
    slots.clear();
    if (members.size() > static_cast<std::size_t>(grouplist::kMaxMembers))
        return Tr("dpmr", "more than 8 members");
    for (const std::string& name : members) {
        const NamedContact* found = nullptr;
        int count = 0;
        for (const NamedContact& c : contacts)
            if (c.name == name) found = &c, ++count;
        if (count == 0) return Fill(Tr("dpmr", "no contact is named %1"), {QuoteInput(name)});
        if (count > 1)
            return Fill(Tr("dpmr", "more than one contact is named %1"), {QuoteInput(name)});
        if (!found->groupCall)
            return Fill(Tr("dpmr", "%1 is a single call; the lists take group calls"),
                        {QuoteInput(name)});
        if (std::find(slots.begin(), slots.end(), found->slot) != slots.end())
            return Fill(Tr("dpmr", "%1 is named twice"), {QuoteInput(name)});
        slots.push_back(found->slot);
    }
    return {};
}

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
