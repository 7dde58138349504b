// Reading the contact list and storing it as the contact page does.
#include "dpmr/ContactList.h"

#include <algorithm>
#include <set>

#include "dpmr/ContactChecks.h"
#include "dpmr/ContactRecord.h"
#include "image/ImageLayout.h"

namespace dpmr {

std::vector<ContactRow> ReadContactList(const RadioImage& image) {
    std::vector<ContactRow> rows;
    for (std::size_t p : contact::ListedOffsets(image))
        rows.push_back({contact::Name(image, p), contact::Number(image, p),
                        contact::IsGroupCall(image, p), p});
    return rows;
}

void StoreContactList(RadioImage& image, std::vector<ContactRow>& rows) {
    image.FillFF(layout::kContactIndex, 2 * static_cast<std::size_t>(layout::kContactCount));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ContactRow& a, const ContactRow& b) { return a.name < b.name; });
    std::set<int> slots;
    for (std::size_t r = 0; r < rows.size() && r < layout::kContactCount; ++r) {
        const ContactRow& row = rows[r];
        image.SetU16Le(layout::kContactIndex + 2 * r, static_cast<std::uint16_t>(row.record));
        contact::WriteNumber(image, row.record, row.number);
        contact::WriteName(image, row.record, row.name);
        contact::SetGroupCall(image, row.record, row.groupCall);
        slots.insert(*contact::SlotAt(row.record));
    }
    CheckContactReferences(image, slots);
}

}  // namespace dpmr
