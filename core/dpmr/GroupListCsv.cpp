// The group receive lists to and from comma-separated text.
#include "dpmr/GroupListCsv.h"

#include <algorithm>
#include <map>
#include <vector>

#include "dpmr/ContactChecks.h"
#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "dpmr/GroupRxListPresenter.h"
#include "image/ImageLayout.h"
#include "util/Csv.h"
#include "util/DecimalText.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

constexpr std::size_t kCells = 1 + grouplist::kMaxMembers;

std::vector<std::string> Header() {
    std::vector<std::string> header{"List"};
    for (int k = 1; k <= grouplist::kMaxMembers; ++k)
        header.push_back("Member" + std::to_string(k));
    return header;
}

// List n as a row, its members named as the page names them.
std::vector<std::string> RowOf(const RadioImage& image, int n) {
    std::vector<std::string> row{std::to_string(n)};
    for (int slot : grouplist::Members(image, n))
        if (slot <= layout::kContactCount)
            row.push_back(contact::Name(image, contact::SlotOffset(slot)));
    row.resize(kCells);
    return row;
}

// The slots of the row's members: listed group-call contacts, each once.
Status MembersOf(const CsvRecord& record, const RadioImage& image, std::vector<int>& slots) {
    std::vector<std::string> members;
    for (std::size_t k = 1; k < record.fields.size(); ++k)
        if (!record.fields[k].empty()) members.push_back(record.fields[k]);
    std::vector<NamedContact> contacts;
    for (std::size_t p : contact::ListedOffsets(image))
        contacts.push_back(
            {contact::Name(image, p), *contact::SlotAt(p), contact::IsGroupCall(image, p)});
    if (const std::string fault = GroupListMembersFault(members, contacts, slots); !fault.empty())
        return CsvLineError(record.line, fault);
    return Status::Ok();
}

}  // namespace

std::string GroupListsToCsv(const RadioImage& image) {
    std::string csv = CsvLine(Header());
    for (int n = 1; n <= GroupRxListPresenter::kListCount; ++n) csv += CsvLine(RowOf(image, n));
    return csv;
}

Status ImportGroupListsCsv(RadioImage& image, std::string_view csv) {
    std::vector<CsvRecord> records;
    if (Status s = ParseCsvTable(csv, Header(), records); !s) return s;

    RadioImage work = image;
    std::map<int, std::size_t> listLine;
    for (std::size_t k = 1; k < records.size(); ++k) {
        const CsvRecord& record = records[k];
        const std::optional<long long> n = ParseWholeNumber(record.fields.front());
        if (!n || *n < 1 || *n > GroupRxListPresenter::kListCount)
            return CsvLineError(record.line,
                                Fill(Tr("dpmr", "the list %1 is no number from 1 to 16"),
                                     {QuoteInput(record.fields.front())}));
        const int list = static_cast<int>(*n);
        if (auto [at, fresh] = listLine.emplace(list, record.line); !fresh)
            return CsvLineError(record.line,
                                Fill(Tr("dpmr", "list %1 is already on line %2"),
                                     {std::to_string(list), std::to_string(at->second)}));
        // Cells that are what the image holds leave the list as it is.
        std::vector<std::string> cells = record.fields;
        if (cells.size() < kCells) cells.resize(kCells);
        if (cells == RowOf(image, list)) continue;
        std::vector<int> slots;
        if (Status s = MembersOf(record, image, slots); !s) return s;
        grouplist::Write(work, list, slots);
    }
    image = work;
    return Status::Ok();
}

}  // namespace dpmr
