// The fleet list: its rows read from CSV or pasted spreadsheet cells, then
// every row checked against the others before a byte is sent.
#include "fleet/FleetList.h"

#include <map>
#include <set>

#include "dialogs/SharedByteDialogs.h"
#include "form/DtmfSymbols.h"
#include "util/Csv.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool Printable(std::string_view text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7E) return false;
    }
    return true;
}

std::string Trimmed(const std::string& text) {
    return std::string(TrimBlanks(text));
}

}  // namespace

Status ParseFleetList(std::string_view text, std::vector<FleetListRow>& rows) {
    const std::size_t firstBreak = text.find_first_of("\r\n");
    const char separator =
        text.substr(0, firstBreak).find('\t') != std::string_view::npos ? '\t' : ',';
    std::vector<CsvRecord> records;
    if (Status s = ParseCsv(text, records, separator); !s) return s;
    std::vector<FleetListRow> out;
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::vector<std::string> cells;
        for (const std::string& field : records[i].fields) cells.push_back(Trimmed(field));
        while (!cells.empty() && cells.back().empty()) cells.pop_back();
        if (cells.empty()) continue;
        // The titles of the columns, if the first row has them.
        if (out.empty() && i == 0 && cells.size() >= 2 && !AllDigits(cells[1])) continue;
        if (cells.size() < 2 || cells.size() > 3) {
            return CsvLineError(records[i].line,
                                cells.size() == 1
                                    ? Tr("fleet",
                                         "a row of the list holds a name, a dPMR ID and, "
                                         "optionally, a port, but this one has 1 column")
                                    : Fill(Tr("fleet",
                                              "a row of the list holds a name, a dPMR ID "
                                              "and, optionally, a port, but this one has "
                                              "%1 columns"),
                                           {std::to_string(cells.size())}));
        }
        out.push_back({records[i].line, cells[0], cells[1], cells.size() > 2 ? cells[2] : ""});
    }
    if (out.empty()) return Status::Error(Tr("fleet", "the list holds no radio"));
    rows = std::move(out);
    return Status::Ok();
}

std::string FleetRowLabel(const FleetListRow& row, const char* place) {
    return Tr("fleet", place) + " " + std::to_string(row.line) +
           (row.name.empty() ? std::string() : " (" + QuoteInput(row.name, 20) + ")");
}

bool FleetListPlan::Refused() const {
    for (const FleetFinding& f : findings)
        if (f.refusal) return true;
    return false;
}

std::vector<std::string> FleetListPlan::Texts(bool refusals) const {
    std::vector<std::string> out;
    for (const FleetFinding& f : findings)
        if (f.refusal == refusals) out.push_back(f.text);
    return out;
}

FleetListPlan PlanFleetList(const std::vector<FleetListRow>& rows,
                            const std::vector<std::string>& ports, const std::string& oneCable,
                            const char* place) {
    FleetListPlan plan;
    const auto label = [place](const FleetListRow& row) { return FleetRowLabel(row, place); };
    const auto say = [&plan, &label](bool refusal, const FleetListRow& row,
                                     const std::string& text) {
        plan.findings.push_back({refusal, label(row) + ": " + text});
    };
    const std::size_t room = DpmrRadioNameField().at.size;

    // The ports: those rows name, then the others in order.
    std::set<std::string> named;
    std::map<std::string, const FleetListRow*> portRow;
    for (const FleetListRow& row : rows) {
        if (row.port.empty() || !oneCable.empty()) continue;
        named.insert(row.port);
        const auto [at, fresh] = portRow.emplace(row.port, &row);
        if (!fresh)
            say(true, row,
                Fill(Tr("fleet", "the port %1 is also %2's"), {row.port, label(*at->second)}));
    }
    std::vector<std::string> free;
    std::set<std::string> given;
    for (const std::string& port : ports) {
        if (!given.insert(port).second) {
            plan.findings.push_back(
                {true, Fill(Tr("fleet", "the port %1 is given twice"), {port})});
            continue;
        }
        if (!named.count(port)) free.push_back(port);
    }
    std::size_t nextFree = 0;

    std::map<std::string, const FleetListRow*> byId;
    std::map<std::string, std::pair<const FleetListRow*, bool>> byName;  // the row, cut
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FleetListRow& row = rows[i];
        FleetTarget t;
        t.number = static_cast<int>(i) + 1;
        t.port = oneCable.empty() ? row.port : oneCable;
        if (t.port.empty()) {
            if (nextFree < free.size()) {
                t.port = free[nextFree++];
            } else {
                say(true, row,
                    Tr("fleet",
                       "no port is left for this row: name its port in the list or "
                       "connect one more radio"));
            }
        }

        if (row.radioId.empty()) {
            say(true, row, Tr("fleet", "the row has no dPMR ID"));
        } else if (!AllDigits(row.radioId) || row.radioId.size() > 7) {
            say(true, row,
                Fill(Tr("fleet", "the dPMR ID %1 is not a number of up to 7 digits"),
                     {QuoteInput(row.radioId, 20)}));
        } else {
            t.radioId = PadSevenDigits(row.radioId);
            if (!IsValidSevenDigitId(t.radioId)) {
                say(true, row,
                    Fill(Tr("fleet",
                            "the radio would replace the dPMR ID %1 (it takes 0000001 "
                            "to 9000000, not 1000000, 2000000, ... 9000000)"),
                         {t.radioId}));
            } else if (const auto [at, fresh] = byId.emplace(t.radioId, &row); !fresh) {
                say(true, row,
                    Fill(Tr("fleet", "the dPMR ID %1 is given twice: also %2"),
                         {t.radioId, label(*at->second)}));
            }
        }

        if (!row.name.empty()) {
            std::string name = row.name;
            const bool cut = name.size() > room;
            if (!Printable(name)) {
                say(true, row,
                    Fill(Tr("fleet",
                            "the name %1 holds a character the radio cannot show (only "
                            "plain ASCII letters, digits and signs)"),
                         {QuoteInput(name)}));
            } else {
                if (cut) {
                    name.resize(room);
                    say(false, row,
                        Fill(Tr("fleet",
                                "the name \"%1\" is cut to the radio's 8 characters: "
                                "\"%2\""),
                             {row.name, name}));
                }
                const auto [at, fresh] = byName.emplace(name, std::pair{&row, cut});
                if (!fresh && (cut || at->second.second)) {
                    say(true, row,
                        Fill(Tr("fleet",
                                "cut to 8 characters, the name is \"%1\", the same as "
                                "%2's"),
                             {name, label(*at->second.first)}));
                } else if (!fresh) {
                    say(false, row,
                        Fill(Tr("fleet", "the name \"%1\" is also %2's"),
                             {name, label(*at->second.first)}));
                }
            }
            t.name = name;
        }
        plan.targets.push_back(std::move(t));
    }
    for (std::size_t k = nextFree; k < free.size(); ++k) {
        plan.findings.push_back(
            {false, Fill(Tr("fleet", "the port %1 has no row of the list and is not written"),
                         {free[k]})});
    }
    return plan;
}

}  // namespace dpmr
