// Reading the dynamic list entries of the channel edit dialog from the image.
#include "channels/ChannelEditLists.h"

#include "dpmr/ContactRecord.h"
#include "image/ChannelRecord.h"
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

namespace {

ListItems Numbered(const std::vector<int>& numbers) {
    std::vector<ListItem> items;
    for (int n : numbers) items.push_back({std::to_string(n), n});
    return items;
}

}  // namespace

ListItems ContactItems(const RadioImage& image) {
    std::vector<ListItem> items;
    for (const ContactChoice& c : ContactsInIndexOrder(image)) items.push_back({c.name, c.number});
    return items;
}

ListItems GroupListItems(const RadioImage& image) {
    return Numbered(ExistingGroupLists(image));
}

ListItems DtmfCodeItems(const RadioImage& image) {
    return Numbered(ExistingDtmfCodes(image));
}

ListItems ShortMessageItems(const RadioImage& image) {
    return Numbered(ExistingShortMessages(image));
}

ListItems PresentChannelItems(const RadioImage& image) {
    std::vector<int> present;
    for (int n = 1; n <= layout::kChannelCount; ++n)
        if (!IsChannelEmpty(image, n)) present.push_back(n);
    return Numbered(present);
}

}  // namespace dpmr
