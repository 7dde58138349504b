// The contact list to and from comma-separated text.
#include "dpmr/ContactCsv.h"

#include <map>
#include <set>
#include <vector>

#include "dpmr/ContactChecks.h"
#include "dpmr/ContactList.h"
#include "dpmr/ContactPagePresenter.h"
#include "dpmr/ContactRecord.h"
#include "form/DtmfSymbols.h"
#include "util/Csv.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

const std::vector<std::string> kHeader{"Name", "Number", "Type"};

std::vector<std::string> RowFields(const ContactRow& row) {
    return {row.name, row.number, CallTypeText(row.groupCall)};
}

// A row read from the file, with the line it came from.
struct ImportRow {
    ContactRow row;
    const CsvRecord* source = nullptr;
};

// "line N: " and why the name or number cannot be stored, when it cannot.
Status CheckContact(const CsvRecord& record, const std::string& name, const std::string& number) {
    std::string fault = ContactNameFault(name);
    if (fault.empty()) fault = ContactNumberFault(number);
    if (fault.empty()) return Status::Ok();
    return CsvLineError(record.line, fault);
}

// Reads and checks every row; nothing is written.
Status ReadRows(const std::vector<CsvRecord>& records, std::vector<ImportRow>& rows) {
    std::map<std::string, std::size_t> nameLine;
    std::map<std::string, std::size_t> numberLine;
    for (std::size_t k = 1; k < records.size(); ++k) {
        const CsvRecord& record = records[k];
        if (rows.size() == ContactPagePresenter::kMaxContacts)
            return CsvLineError(record.line, Tr("dpmr", "more than 64 contacts"));
        const auto& f = record.fields;
        if (f.size() != kHeader.size())
            return CsvLineError(record.line,
                                Fill(Tr("dpmr", "expected 3 fields (Name,Number,Type), found %1"),
                                     {std::to_string(f.size())}));
        if (Status s = CheckContact(record, f[0], f[1]); !s) return s;
        if (f[2] != kSingleCallText && f[2] != kGroupCallText)
            return CsvLineError(record.line, Fill(Tr("dpmr", "the type %1 is neither %2 nor %3"),
                                                  {QuoteInput(f[2]), QuoteInput(kSingleCallText),
                                                   QuoteInput(kGroupCallText)}));
        const std::string padded = PadSevenDigits(f[1]);
        if (auto [at, fresh] = nameLine.emplace(f[0], record.line); !fresh)
            return CsvLineError(record.line, Fill(Tr("dpmr", "the name %1 is already on line %2"),
                                                  {QuoteInput(f[0]), std::to_string(at->second)}));
        if (auto [at, fresh] = numberLine.emplace(padded, record.line); !fresh)
            return CsvLineError(record.line, Fill(Tr("dpmr", "the number %1 is already on line %2"),
                                                  {padded, std::to_string(at->second)}));
        rows.push_back({{f[0], padded, f[2] == kGroupCallText, 0}, &record});
    }
    if (rows.empty())
        return CsvLineError(records.front().line,
                            Tr("dpmr", "no contact follows; the radio needs one"));
    return Status::Ok();
}

}  // namespace

std::string ContactsToCsv(const RadioImage& image) {
    std::string csv = CsvLine(kHeader);
    for (const ContactRow& row : ReadContactList(image)) csv += CsvLine(RowFields(row));
    return csv;
}

Status ImportContactsCsv(RadioImage& image, std::string_view csv) {
    std::vector<CsvRecord> records;
    if (Status s = ParseCsvTable(csv, kHeader, records); !s) return s;

    // What the image lists already, exactly as exported: nothing to do.
    const std::vector<ContactRow> listed = ReadContactList(image);
    if (records.size() == listed.size() + 1) {
        bool same = true;
        for (std::size_t k = 0; same && k < listed.size(); ++k)
            same = records[k + 1].fields == RowFields(listed[k]);
        if (same) return Status::Ok();
    }

    // A name in another encoding would be stored as bytes the radio and
    // this program show as something else: the user saves the file as UTF-8.
    if (Status s = CheckCsvUtf8(csv); !s) return s;
    std::vector<ImportRow> rows;
    if (Status s = ReadRows(records, rows); !s) return s;

    RadioImage work = image;
    // A number the image lists keeps its record.
    std::map<std::string, std::size_t> recordOfNumber;
    for (const ContactRow& c : listed) recordOfNumber.emplace(PadSevenDigits(c.number), c.record);
    std::set<std::size_t> kept;
    std::set<int> keptSlots;
    for (ImportRow& r : rows) {
        const auto at = recordOfNumber.find(r.row.number);
        if (at == recordOfNumber.end()) continue;
        r.row.record = at->second;
        kept.insert(at->second);
        keptSlots.insert(*contact::SlotAt(at->second));
    }
    // Contacts left out are freed, and every reference that is not to a kept
    // contact is cleared before new contacts take free records, so that none
    // of them inherits the channels or group lists of another.
    for (const ContactRow& c : listed)
        if (!kept.contains(c.record)) contact::Free(work, c.record);
    CheckContactReferences(work, keptSlots);
    for (ImportRow& r : rows) {
        if (r.row.record != 0) continue;
        const std::optional<std::size_t> free = contact::FirstFreeRecord(work, kept);
        if (!free)
            return CsvLineError(r.source->line,
                                Tr("dpmr", "no free contact record is left for this contact"));
        r.row.record = *free;
        kept.insert(*free);
        work.SetU8(*free + contact::kType, 0x01);
        contact::WriteNumber(work, *free, r.row.number);
    }

    std::vector<ContactRow> stored;
    for (const ImportRow& r : rows) stored.push_back(r.row);
    StoreContactList(work, stored);
    image = work;
    return Status::Ok();
}

}  // namespace dpmr
