// The identities of a fleet write: IDs from a start value and a step, names
// from a pattern, all refused or accepted before the first byte goes out.
#include "fleet/FleetPlan.h"

#include <map>
#include <set>

#include "dialogs/SharedByteDialogs.h"
#include "form/DtmfSymbols.h"
#include "form/FieldKinds.h"
#include "util/DecimalText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

constexpr long long kLargestSevenDigits = 9999999;

std::string SevenDigits(long long value) {
    return PadSevenDigits(std::to_string(value));
}

}  // namespace

Status ExpandNamePattern(const std::string& pattern, int number, const std::string& radioId,
                         std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) {
            return Status::Error(Fill(Tr("fleet",
                                         "the name pattern '%1' holds a character the "
                                         "radio cannot show (only plain ASCII letters, "
                                         "digits and signs)"),
                                      {pattern}));
        }
        if ((c == '{' || c == '}') && i + 1 < pattern.size() && pattern[i + 1] == c) {
            out += c;
            ++i;
            continue;
        }
        if (c == '}')
            return Status::Error(
                Fill(Tr("fleet", "the name pattern '%1' has a lone '}'"), {pattern}));
        if (c != '{') {
            out += c;
            continue;
        }
        const std::size_t close = pattern.find('}', i);
        if (close == std::string::npos)
            return Status::Error(
                Fill(Tr("fleet", "the name pattern '%1' has a '{' without '}'"), {pattern}));
        const std::string field = pattern.substr(i + 1, close - i - 1);
        if (field == "n") {
            out += std::to_string(number);
        } else if (field == "id") {
            out += radioId;
        } else if (field.rfind("id:", 0) == 0) {
            const auto digits = ParseWholeNumber(field.substr(3));
            if (!digits || *digits < 1 || *digits > 7) {
                return Status::Error(
                    Fill(Tr("fleet", "{%1} in the name pattern: the ID has 1 to 7 digits to keep"),
                         {field}));
            }
            const auto keep = static_cast<std::size_t>(*digits);
            out += radioId.size() > keep ? radioId.substr(radioId.size() - keep) : radioId;
        } else {
            return Status::Error(
                Fill(Tr("fleet", "{%1} in the name pattern is not known: use {n}, {id} or {id:4}"),
                     {field}));
        }
        i = close;
    }
    name = std::move(out);
    return Status::Ok();
}

Status FleetRadioName(const std::string& pattern, int number, const std::string& radioId,
                      std::string& name, std::string& note) {
    std::string full;
    if (Status s = ExpandNamePattern(pattern, number, radioId, full); !s) return s;
    note.clear();
    const std::size_t room = DpmrRadioNameField().at.size;
    if (full.size() > room) {
        note = Fill(Tr("fleet",
                       "radio %1: the name \"%2\" is cut to the radio's 8 characters: "
                       "\"%3\""),
                    {std::to_string(number), full, full.substr(0, room)});
        full.resize(room);
    }
    name = std::move(full);
    return Status::Ok();
}

Status PlanFleet(const std::vector<std::string>& ports, const FleetIdentityOptions& options,
                 const RadioImage& document, std::vector<FleetTarget>& targets,
                 std::vector<std::string>& notes) {
    std::vector<FleetTarget> planned;
    std::vector<std::string> said;
    if (ports.empty())
        return Status::Error(Tr("fleet", "no port given: name at least one radio's port"));
    std::set<std::string> seen;
    std::map<std::string, std::pair<int, bool>> names;  // the radio, cut
    for (const std::string& port : ports) {
        if (port.empty()) return Status::Error(Tr("fleet", "an empty port name was given"));
        if (!seen.insert(port).second)
            return Status::Error(Fill(Tr("fleet", "the port %1 is given twice"), {port}));
    }
    if (options.keepIdentity && options.idFrom)
        return Status::Error(
            Tr("fleet", "an ID start value and keeping each radio's identity exclude each other"));
    if (options.idFrom && (*options.idFrom < 1 || *options.idFrom > kLargestSevenDigits))
        return Status::Error(
            Tr("fleet", "the first radio ID must have at most 7 digits (1 to 9999999)"));
    if (options.idStep < -kLargestSevenDigits || options.idStep > kLargestSevenDigits)
        return Status::Error(Tr("fleet", "the ID step must have at most 7 digits"));

    if (!options.idFrom && !options.keepIdentity && ports.size() > 1) {
        return Status::Error(
            Fill(Tr("fleet",
                    "every radio needs an ID of its own, but all %1 would get the "
                    "document's ID %2: give a first ID and a step, or keep each radio's "
                    "identity"),
                 {std::to_string(ports.size()), ImageRadioId(document)}));
    }
    for (std::size_t i = 0; i < ports.size(); ++i) {
        FleetTarget t;
        t.number = static_cast<int>(i) + 1;
        t.port = ports[i];
        if (options.idFrom) {
            const long long id = *options.idFrom + options.idStep * static_cast<long long>(i);
            if (id < 1 || id > kLargestSevenDigits) {
                return Status::Error(Fill(
                    Tr("fleet", "radio %1 (%2) would get the ID %3, which has no 7-digit form"),
                    {std::to_string(t.number), t.port, std::to_string(id)}));
            }
            t.radioId = SevenDigits(id);
            if (!IsValidSevenDigitId(t.radioId)) {
                return Status::Error(
                    Fill(Tr("fleet",
                            "radio %1 (%2) would get the ID %3, which the radio does not "
                            "take (0000001 to 9000000, not 1000000, 2000000, ... "
                            "9000000): choose another start or step"),
                         {std::to_string(t.number), t.port, t.radioId}));
            }
        }
        if (!options.keepIdentity) {
            if (!options.namePattern.empty()) {
                std::string name, note;
                const std::string id = t.radioId.empty() ? ImageRadioId(document) : t.radioId;
                if (Status s = FleetRadioName(options.namePattern, t.number, id, name, note); !s)
                    return s;
                if (!note.empty()) said.push_back(note);
                const auto [at, fresh] = names.emplace(name, std::pair{t.number, !note.empty()});
                if (!fresh && (!note.empty() || at->second.second)) {
                    return Status::Error(
                        Fill(Tr("fleet",
                                "radios %1 and %2 would both be named \"%3\" once cut to "
                                "the radio's 8 characters: shorten the pattern or put "
                                "the ID's digits first"),
                             {std::to_string(at->second.first), std::to_string(t.number), name}));
                }
                t.name = name;
            }
        } else if (!options.namePattern.empty()) {
            // Checked now, applied once each radio's own ID is known.
            std::string name;
            if (Status s = ExpandNamePattern(options.namePattern, t.number, "0000001", name); !s)
                return s;
        }
        planned.push_back(std::move(t));
    }
    if (const auto repeats = RepeatedIds(planned); !repeats.empty()) {
        std::string list;
        for (std::size_t i = 0; i < repeats.size(); ++i) list += (i ? "; " : "") + repeats[i];
        return Status::Error(Fill(
            Tr("fleet", "every radio needs an ID of its own, but the step repeats %1"), {list}));
    }
    targets = std::move(planned);
    notes.insert(notes.end(), said.begin(), said.end());
    return Status::Ok();
}

namespace {

// Loads a field of the dPMR page as its control shows it.
std::string Shown(const form::FieldDecl& field, const RadioImage& image) {
    ControlState state;
    form::LoadField(field, image, state);
    return form::ShownText(field, state);
}

// Stores `text` as typed into a field of the dPMR page.
void Store(const form::FieldDecl& field, const std::string& text, RadioImage& image) {
    ControlState state;
    state.text = text;
    form::StoreField(field, state, image);
}

void CopyBytes(const form::FieldDecl& field, const RadioImage& from, RadioImage& to) {
    for (std::size_t i = 0; i < field.at.size; ++i)
        to.SetU8(field.at.offset + i, from.U8(field.at.offset + i));
}

}  // namespace

std::string ImageRadioId(const RadioImage& image) {
    return Shown(DpmrRadioIdField(), image);
}

std::string ImageRadioName(const RadioImage& image) {
    return Shown(DpmrRadioNameField(), image);
}

void StoreRadioIdentity(RadioImage& image, const std::string& radioId, const std::string& name) {
    Store(DpmrRadioIdField(), radioId, image);
    StoreRadioName(image, name);
}

void StoreRadioName(RadioImage& image, const std::string& name) {
    Store(DpmrRadioNameField(), name, image);
}

void CopyRadioIdentity(const RadioImage& from, RadioImage& to) {
    CopyBytes(DpmrRadioIdField(), from, to);
    CopyBytes(DpmrRadioNameField(), from, to);
}

void ApplyPlannedIdentity(RadioImage& image, const FleetTarget& target) {
    if (target.radioId.empty() && !target.name) return;
    StoreRadioIdentity(image, target.radioId.empty() ? ImageRadioId(image) : target.radioId,
                       target.name.value_or(ImageRadioName(image)));
}

std::vector<std::string> RepeatedIds(const std::vector<FleetTarget>& targets) {
    std::map<std::string, std::vector<std::string>> byId;
    std::vector<std::string> order;
    for (const FleetTarget& t : targets) {
        if (t.radioId.empty()) continue;
        auto& ports = byId[t.radioId];
        if (ports.size() == 1) order.push_back(t.radioId);
        ports.push_back(t.port);
    }
    std::vector<std::string> out;
    for (const std::string& id : order) {
        const auto& ports = byId[id];
        std::string named = ports.front();
        for (std::size_t i = 1; i + 1 < ports.size(); ++i) named += ", " + ports[i];
        if (ports.size() > 1) named = Fill(Tr("fleet", "%1 and %2"), {named, ports.back()});
        out.push_back(Fill(Tr("fleet", "ID %1 on %2"), {id, named}));
    }
    return out;
}

}  // namespace dpmr
