// Reading and writing one group receive list.
#include "dpmr/GroupRxList.h"

#include "image/ImageLayout.h"

namespace dpmr::grouplist {

std::size_t ListOffset(int n) {
    return layout::kGroupLists + layout::kGroupListSize * static_cast<std::size_t>(n - 1);
}

std::vector<int> Members(const RadioImage& image, int n) {
    std::vector<int> members;
    const std::size_t base = ListOffset(n);
    for (std::size_t k = 0; k < layout::kGroupListSize; ++k) {
        const std::uint8_t slot = image.U8(base + k);
        if (slot == 0 || slot == 0xFF) break;
        members.push_back(slot);
    }
    return members;
}

void Write(RadioImage& image, int n, const std::vector<int>& slots) {
    const std::size_t base = ListOffset(n);
    image.FillFF(base, layout::kGroupListSize);
    for (std::size_t k = 0; k < slots.size() && k < layout::kGroupListSize; ++k)
        image.SetU8(base + k, static_cast<std::uint8_t>(slots[k]));
}

}  // namespace dpmr::grouplist
