// Reading the dynamic list entries of the channel edit dialog from the image.
#include "channels/ChannelEditLists.h"

#include "dpmr/ContactRecord.h"
#include "image/ImageLayout.h"

namespace dpmr {

namespace {

std::vector<int> NumbersWhoseFirstByte(const RadioImage& image, std::size_t base,
                                       std::size_t stride, bool zeroIsEmpty) {
    std::vector<int> numbers;
    for (int i = 1; i <= 16; ++i) {
        const std::uint8_t b = image.U8(base + stride * static_cast<std::size_t>(i - 1));
        if (b == 0xFF || (zeroIsEmpty && b == 0x00)) continue;
        numbers.push_back(i);
    }
    return numbers;
}

}  // namespace

std::vector<ContactChoice> ContactsInIndexOrder(const RadioImage& image) {
    std::vector<ContactChoice> contacts;
    for (std::size_t p : contact::ListedOffsets(image))
        contacts.push_back({*contact::SlotAt(p), contact::Name(image, p)});
    return contacts;
}

std::vector<int> ExistingGroupLists(const RadioImage& image) {
    return NumbersWhoseFirstByte(image, layout::kGroupLists, layout::kGroupListSize, false);
}

std::vector<int> ExistingShortMessages(const RadioImage& image) {
    return NumbersWhoseFirstByte(image, layout::kPresetMessages, layout::kPresetMessageSize, true);
}

std::vector<int> ExistingDtmfCodes(const RadioImage& image) {
    return NumbersWhoseFirstByte(image, layout::kDtmfCodes, layout::kDtmfCodeSize, false);
}

ListItems ContactListItems(const std::string& first, const std::vector<ContactChoice>& contacts) {
    ListItems items{{first, 0}};
    for (const ContactChoice& c : contacts) items.push_back({c.name, c.number});
    return items;
}

ListItems NumberListItems(const std::string& first, const std::vector<int>& numbers) {
    ListItems items{{first, 0}};
    for (int n : numbers) items.push_back({std::to_string(n), n});
    return items;
}

}  // namespace dpmr
