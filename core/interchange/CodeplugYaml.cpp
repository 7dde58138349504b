// Writing the codeplug model as YAML and reading it back, with yaml-cpp.
#include "interchange/CodeplugYaml.h"

#include <yaml-cpp/depthguard.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <string_view>

#include "BuildInfo.h"
#include "channels/ChannelFields.h"
#include "dpmr/ContactList.h"
#include "dpmr/ContactPagePresenter.h"
#include "dpmr/GroupRxListPresenter.h"
#include "interchange/CodeplugModel.h"
#include "interchange/DuplicateYamlKeys.h"
#include "interchange/YamlText.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

// A channel's 32 bytes: "bytes" since channels are written by their fields,
// "record" in files of earlier releases.
constexpr const char* kRecordKey = "bytes";
constexpr const char* kOldRecordKey = "record";

YamlText Address(std::size_t at) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04zX", at);
    return {buf};
}

YamlText Hex(const ByteString& bytes) {
    return {HexText(bytes.data(), bytes.size())};
}

// ---- Writing ------------------------------------------------------------------

// Every text, key or value, is written through YamlText, which quotes what
// another YAML reader would take for something else.
using Text = YamlText;

void EmitRuns(YAML::Emitter& out, const std::vector<ByteRun>& runs) {
    out << YAML::BeginMap;
    for (const ByteRun& run : runs)
        out << YAML::Key << Address(run.at) << YAML::Value << Hex(run.bytes);
    out << YAML::EndMap;
}

void EmitChannels(YAML::Emitter& out, const CodeplugModel& model) {
    out << YAML::Key << Text{"channels"} << YAML::Value << YAML::BeginSeq;
    for (const ChannelEntry& ch : model.channels) {
        if (!ch.present) {
            out << YAML::Null;
            continue;
        }
        out << YAML::BeginMap;
        for (const ChannelFieldValue& f : ch.fields)
            out << YAML::Key << Text{f.key} << YAML::Value << Text{f.value};
        if (ch.record) out << YAML::Key << Text{kRecordKey} << YAML::Value << Hex(*ch.record);
        out << YAML::EndMap;
    }
    out << YAML::EndSeq;
}

void EmitSettings(YAML::Emitter& out, const CodeplugModel& model) {
    out << YAML::Key << Text{"settings"} << YAML::Value << YAML::BeginMap;
    std::string page;
    for (const FieldEntry& f : model.fields) {
        const std::string& pageKey = f.ref.Page().key;
        if (pageKey != page) {
            if (!page.empty()) out << YAML::EndMap;
            page = pageKey;
            out << YAML::Key << Text{page} << YAML::Value << YAML::BeginMap;
        }
        out << YAML::Key << Text{f.ref.Decl().key} << YAML::Value;
        if (f.bytes)
            out << YAML::Flow << YAML::BeginMap << YAML::Key << Text{"value"} << YAML::Value
                << Text{f.value} << YAML::Key << Text{"bytes"} << YAML::Value << Hex(*f.bytes)
                << YAML::EndMap;
        else
            out << Text{f.value};
    }
    if (!page.empty()) out << YAML::EndMap;
    out << YAML::EndMap;
}

void EmitContacts(YAML::Emitter& out, const CodeplugModel& model) {
    out << YAML::Key << Text{"contacts"} << YAML::Value << YAML::BeginSeq;
    for (const CodeplugContact& c : model.contacts)
        out << YAML::Flow << YAML::BeginMap << YAML::Key << Text{"name"} << YAML::Value
            << Text{c.name} << YAML::Key << Text{"number"} << YAML::Value << Text{c.number}
            << YAML::Key << Text{"type"} << YAML::Value << Text{CallTypeText(c.groupCall)}
            << YAML::Key << Text{"slot"} << YAML::Value << c.slot << YAML::EndMap;
    out << YAML::EndSeq;
    if (model.contactBytes) {
        out << YAML::Key << Text{"contact_bytes"} << YAML::Value;
        EmitRuns(out, *model.contactBytes);
    }
}

void EmitNames(YAML::Emitter& out, const std::vector<std::string>& names) {
    out << YAML::Flow << YAML::BeginSeq;
    for (const std::string& name : names) out << Text{name};
    out << YAML::EndSeq;
}

void EmitGroupLists(YAML::Emitter& out, const CodeplugModel& model) {
    out << YAML::Key << Text{"group_rx_lists"} << YAML::Value << YAML::BeginSeq;
    for (const GroupListEntry& g : model.groupLists) {
        if (!g.bytes) {
            EmitNames(out, g.members);
            continue;
        }
        out << YAML::Flow << YAML::BeginMap << YAML::Key << Text{"members"} << YAML::Value;
        EmitNames(out, g.members);
        out << YAML::Key << Text{"bytes"} << YAML::Value << Hex(*g.bytes) << YAML::EndMap;
    }
    out << YAML::EndSeq;
}

// ---- Help comments ------------------------------------------------------------

// Comment lines end by this column.
constexpr std::size_t kCommentWidth = 79;

void AddComment(std::string& out, std::string_view indent, const std::string& help) {
    for (const std::string& line : WrapWords(help, kCommentWidth - indent.size() - 2))
        out.append(indent).append("# ").append(line).append("\n");
}

std::string ContactsHelp() {
    const auto& help = ContactPagePresenter::ColumnHelp();
    return std::string("The contacts of dPMR param > Contact, in list order. name: ") +
           help[ContactPagePresenter::kNameCol] +
           " number: " + help[ContactPagePresenter::kNumberCol] +
           " type: " + help[ContactPagePresenter::kTypeCol] +
           " slot: the record (1 to 64) that holds the contact, by which channels and group "
           "lists refer to it.";
}

std::string GroupListsHelp() {
    const auto& help = GroupRxListPresenter::Help();
    return std::string(
               "The 16 group receive lists of dPMR param > Group rx list, each the "
               "names of its members. ") +
           help.lists + " " + help.allocated;
}

// The key of a block mapping's line ("    sql: ..." is "sql" at indent 4),
// or "" for any other line. Every key a comment goes above is a plain
// lower-case name, which the emitter never quotes.
std::string_view KeyOf(std::string_view line, std::size_t indent) {
    if (line.size() <= indent ||
        line.substr(0, indent).find_first_not_of(' ') != std::string_view::npos)
        return {};
    const std::string_view rest = line.substr(indent);
    const std::size_t colon = rest.find(':');
    if (colon == 0 || colon == std::string_view::npos) return {};
    const std::string_view key = rest.substr(0, colon);
    for (char c : key)
        if (!(std::islower(static_cast<unsigned char>(c)) ||
              std::isdigit(static_cast<unsigned char>(c)) || c == '_'))
            return {};
    return key;
}

// The emitted file with each setting's help above its key, the help of the
// channel fields above the first channel's keys, and what the contacts and
// group lists hold above theirs. yaml-cpp writes a comment after the value
// before it, so the comments are set in afterwards, line by line; reading
// ignores them.
std::string WithHelpComments(const std::string& yaml, const CodeplugModel& model) {
    std::map<std::string, const std::string*, std::less<>> settingHelp;
    for (const FieldEntry& f : model.fields)
        settingHelp[f.ref.Page().key + "." + f.ref.Decl().key] = &f.ref.Decl().help;
    std::map<std::string, const std::string*, std::less<>> channelHelp;
    for (const form::FieldDecl& f : ChannelRecordDecl().fields) channelHelp[f.key] = &f.help;

    enum class Part { kOther, kChannels, kSettings };
    Part part = Part::kOther;
    int channelsCommented = 0;  // 0: none yet, 1: the first channel's keys, 2: done
    std::string page;
    std::string out;
    std::size_t at = 0;
    while (at < yaml.size()) {
        const std::size_t end = std::min(yaml.find('\n', at), yaml.size());
        const std::string_view line = std::string_view(yaml).substr(at, end - at);
        at = end + 1;
        if (const std::string_view top = KeyOf(line, 0); !top.empty()) {
            part = top == "channels"   ? Part::kChannels
                   : top == "settings" ? Part::kSettings
                                       : Part::kOther;
            if (top == "contacts") AddComment(out, "", ContactsHelp());
            if (top == "group_rx_lists") AddComment(out, "", GroupListsHelp());
        } else if (part == Part::kSettings) {
            if (const std::string_view key = KeyOf(line, 2); !key.empty()) page = key;
            if (const std::string_view key = KeyOf(line, 4); !key.empty()) {
                const auto it = settingHelp.find(page + "." + std::string(key));
                if (it != settingHelp.end()) AddComment(out, "    ", *it->second);
            }
        } else if (part == Part::kChannels && channelsCommented < 2) {
            std::string_view key;
            std::string_view indent = "    ";
            if (line.rfind("  - ", 0) == 0) {
                ++channelsCommented;
                key = KeyOf(line.substr(4), 0);
                indent = "  ";
                if (key.empty()) channelsCommented = 0;  // an empty channel: the next one
            } else {
                key = KeyOf(line, 4);
            }
            const auto it = channelHelp.find(key);
            if (channelsCommented == 1 && !key.empty() && it != channelHelp.end())
                AddComment(out, indent, *it->second);
        }
        out.append(line).append("\n");
    }
    return out;
}

// ---- Reading ------------------------------------------------------------------

SourcePlace PlaceOf(const YAML::Mark& mark) {
    // A place yaml-cpp does not know (an empty file) is the file's start.
    if (mark.is_null()) return {1, 1};
    return {mark.line + 1, mark.column + 1};
}

SourcePlace PlaceOf(const YAML::Node& node) {
    return PlaceOf(node.Mark());
}

// The line and column of byte `pos` of the file (yaml-cpp's own line and
// column are not kept for every failure: deep nesting reports 1, 1). A fault
// found at the end of the file is placed on its last character.
SourcePlace PlaceOfByte(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        pos = text.size();
        while (pos > 0 && (text[pos - 1] == '\n' || text[pos - 1] == '\r')) --pos;
        if (pos > 0) --pos;
    }
    const std::size_t lineStart = text.rfind('\n', pos == 0 ? 0 : pos - 1);
    const std::size_t from = pos == 0 || lineStart == std::string_view::npos ? 0 : lineStart + 1;
    const auto line =
        std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(pos), '\n');
    return {static_cast<int>(line) + 1, static_cast<int>(pos - from) + 1};
}

// YAML allows no control character in a file but tab and line breaks; a
// codeplug never holds one. (yaml-cpp stops at a NUL with a misleading
// message and passes the others into texts.)
Status CheckCharacters(std::string_view text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto u = static_cast<unsigned char>(text[k]);
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7F)
            return ErrorAt(
                PlaceOfByte(text, k),
                Fill(Tr("interchange", "the control character %1 is not allowed in a YAML file"),
                     {QuoteInput(text.substr(k, 1))}));
    }
    return Status::Ok();
}

// yaml-cpp's message for a syntax error, said plainly where it is terse.
std::string SyntaxMessage(const YAML::Exception& e) {
    static const std::string escape = "unknown escape character: ";
    if (e.msg.starts_with(escape))
        return Fill(Tr("interchange",
                       "a backslash before %1 starts no YAML escape sequence (a "
                       "backslash itself is written \\\\)"),
                    {QuoteInput(e.msg.substr(escape.size()))});
    std::string plain;
    for (char c : e.msg) {
        const auto u = static_cast<unsigned char>(c);
        plain += u >= 0x20 && u < 0x7F ? c : '?';
    }
    return Fill(Tr("interchange", "YAML syntax: %1"), {plain});
}

// A failure that carries its place, to leave the reader at once.
struct ReadError {
    Status status;
};

[[noreturn]] void Fail(const YAML::Node& node, const std::string& message) {
    throw ReadError{ErrorAt(PlaceOf(node), message)};
}

std::string TextOf(const YAML::Node& node, const std::string& what) {
    if (node.IsNull()) return "";
    if (!node.IsScalar())
        Fail(node, Fill(Tr("interchange", "%1: expected a text, not a list or mapping"), {what}));
    return node.Scalar();
}

int NumberOf(const YAML::Node& node, const std::string& what, int lo, int hi) {
    const std::string text = TextOf(node, what);
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < lo || value > hi)
        Fail(node, Fill(Tr("interchange", "%1: expected a number from %2 to %3"),
                        {what, std::to_string(lo), std::to_string(hi)}));
    return value;
}

ByteString HexOf(const YAML::Node& node, const std::string& what, std::size_t size = 0) {
    const std::optional<ByteString> bytes = ParseHexText(TextOf(node, what));
    if (!bytes || bytes->empty() || (size != 0 && bytes->size() != size))
        Fail(node,
             size ? Fill(Tr("interchange", "%1: expected %2 bytes as hexadecimal digits"),
                         {what, std::to_string(size)})
                  : Fill(Tr("interchange", "%1: expected bytes as hexadecimal digits"), {what}));
    return *bytes;
}

void ExpectMap(const YAML::Node& node, const std::string& what) {
    if (!node.IsMap()) Fail(node, Fill(Tr("interchange", "%1: expected a mapping"), {what}));
}

void ExpectSeq(const YAML::Node& node, const std::string& what, std::size_t most) {
    if (!node.IsSequence()) Fail(node, Fill(Tr("interchange", "%1: expected a list"), {what}));
    if (node.size() > most)
        Fail(node[most],
             Fill(Tr("interchange", "%1: more than %2 entries"), {what, std::to_string(most)}));
}

std::vector<ByteRun> RunsOf(const YAML::Node& node, const std::string& what) {
    ExpectMap(node, what);
    std::vector<ByteRun> runs;
    for (const auto& kv : node) {
        const std::string key = TextOf(kv.first, what);
        std::size_t at = 0;
        std::size_t used = 0;
        try {
            at = std::stoul(key, &used, 16);
        } catch (const std::exception&) {
            used = 0;
        }
        if (key.size() < 3 || key.substr(0, 2) != "0x" || used != key.size() ||
            at >= RadioImage::kSize)
            Fail(kv.first, Fill(Tr("interchange", "%1: %2 is not an address 0x0000 to 0x3FFF"),
                                {what, QuoteInput(key)}));
        runs.push_back({at, HexOf(kv.second, what + " " + key), PlaceOf(kv.first)});
    }
    return runs;
}

bool IsChannelFieldKey(const std::string& key) {
    for (std::size_t i : ChannelFileFields())
        if (ChannelRecordDecl().fields[i].key == key) return true;
    return false;
}

void ReadChannels(const YAML::Node& node, CodeplugModel& model) {
    ExpectSeq(node, "channels", layout::kChannelCount);
    for (std::size_t n = 0; n < node.size(); ++n) {
        const YAML::Node entry = node[n];
        const std::string what = "channel " + std::to_string(n + 1);
        ChannelEntry& ch = model.channels[n];
        ch.place = PlaceOf(entry);
        if (entry.IsNull()) continue;
        ExpectMap(entry, what);
        ch.present = true;
        for (const auto& kv : entry) {
            const std::string key = TextOf(kv.first, what);
            if (key == kRecordKey || key == kOldRecordKey) {
                ch.record = HexOf(kv.second, what + " " + key, layout::kChannelSize);
                continue;
            }
            if (IsChannelFieldKey(key)) {
                ch.fields.push_back({key, TextOf(kv.second, what + " " + key), PlaceOf(kv.second)});
                continue;
            }
            // Files of earlier releases: the channel table's columns.
            std::size_t c = 0;
            while (c < kChannelColumns && ChannelColumnNames()[c] != key) ++c;
            if (c == kChannelColumns)
                Fail(kv.first, Fill(Tr("interchange",
                                       "%1: unknown key %2 (see dpmrtool fields: "
                                       "the keys after \"channel%3.\")"),
                                    {what, QuoteInput(key), std::to_string(n + 1)}));
            ch.cells[c] = TextOf(kv.second, what + " " + key);
            ch.cellPlaces[c] = PlaceOf(kv.second);
        }
    }
}

const std::map<std::string, form::FieldRef>& FieldsByKey() {
    static const std::map<std::string, form::FieldRef> fields = [] {
        std::map<std::string, form::FieldRef> m;
        for (const form::FieldRef& ref : SettingsFields()) m.emplace(ref.Key(), ref);
        return m;
    }();
    return fields;
}

void ReadSettings(const YAML::Node& node, CodeplugModel& model) {
    ExpectMap(node, "settings");
    std::set<std::string> pages;
    for (const auto& ref : SettingsFields()) pages.insert(ref.Page().key);
    for (const auto& page : node) {
        const std::string pageKey = TextOf(page.first, "settings");
        if (!pages.contains(pageKey))
            Fail(page.first,
                 Fill(Tr("interchange", "unknown settings page %1 (see dpmrtool fields)"),
                      {QuoteInput(pageKey)}));
        ExpectMap(page.second, pageKey);
        for (const auto& kv : page.second) {
            const std::string key = pageKey + "." + TextOf(kv.first, pageKey);
            const auto it = FieldsByKey().find(key);
            if (it == FieldsByKey().end())
                Fail(kv.first, Fill(Tr("interchange", "unknown key %1 (see dpmrtool fields)"),
                                    {QuoteInput(key)}));
            FieldEntry f{it->second, {}, std::nullopt, PlaceOf(kv.second)};
            if (kv.second.IsMap()) {
                for (const auto& part : kv.second) {
                    const std::string name = TextOf(part.first, key);
                    if (name == "value")
                        f.value = TextOf(part.second, key);
                    else if (name == "bytes")
                        f.bytes = HexOf(part.second, key + " bytes", it->second.Decl().at.size);
                    else
                        Fail(part.first,
                             Fill(Tr("interchange", "%1: unknown key %2 (value or bytes)"),
                                  {key, QuoteInput(name)}));
                }
            } else {
                f.value = TextOf(kv.second, key);
            }
            model.fields.push_back(std::move(f));
        }
    }
}

void ReadContacts(const YAML::Node& node, CodeplugModel& model) {
    ExpectSeq(node, "contacts", layout::kContactCount);
    for (std::size_t k = 0; k < node.size(); ++k) {
        const YAML::Node entry = node[k];
        ExpectMap(entry, "contact");
        CodeplugContact c;
        c.place = PlaceOf(entry);
        for (const auto& kv : entry) {
            const std::string key = TextOf(kv.first, "contact");
            if (key == "name") {
                c.name = TextOf(kv.second, "contact name");
            } else if (key == "number") {
                c.number = TextOf(kv.second, "contact number");
            } else if (key == "type") {
                const std::string type = TextOf(kv.second, "contact type");
                if (type != kGroupCallText && type != kSingleCallText)
                    Fail(kv.second,
                         Fill(Tr("interchange",
                                 "contact type: %1 is not an entry of \"Type\" (\"%2\", \"%3\")"),
                              {QuoteInput(type), kSingleCallText, kGroupCallText}));
                c.groupCall = type == kGroupCallText;
            } else if (key == "slot") {
                c.slot = NumberOf(kv.second, "contact slot", 1, layout::kContactCount);
            } else {
                Fail(kv.first,
                     Fill(Tr("interchange", "contact: unknown key %1 (name, number, type, slot)"),
                          {QuoteInput(key)}));
            }
        }
        model.contacts.push_back(std::move(c));
    }
}

void ReadGroupLists(const YAML::Node& node, CodeplugModel& model) {
    ExpectSeq(node, "group_rx_lists", layout::kGroupListCount);
    for (std::size_t n = 0; n < node.size(); ++n) {
        const YAML::Node entry = node[n];
        const std::string what = "group rx list " + std::to_string(n + 1);
        GroupListEntry& g = model.groupLists[n];
        g.place = PlaceOf(entry);
        // (A YAML::Node assigned to refers to the same node: it is only
        // ever constructed here.)
        std::optional<YAML::Node> members;
        if (entry.IsMap()) {
            for (const auto& kv : entry) {
                const std::string key = TextOf(kv.first, what);
                if (key == "members")
                    members.emplace(kv.second);
                else if (key == "bytes")
                    g.bytes = HexOf(kv.second, what + " bytes", layout::kGroupListSize);
                else
                    Fail(kv.first, Fill(Tr("interchange", "%1: unknown key %2 (members or bytes)"),
                                        {what, QuoteInput(key)}));
            }
        } else {
            members.emplace(entry);
        }
        if (!members || members->IsNull()) continue;
        if (!members->IsSequence())
            Fail(*members, Fill(Tr("interchange", "%1: expected a list of contact names"), {what}));
        for (std::size_t k = 0; k < members->size(); ++k)
            g.members.push_back(TextOf((*members)[k], what));
    }
}

void ReadModel(const YAML::Node& root, CodeplugModel& model) {
    if (!root.IsMap())
        Fail(root, Tr("interchange", "expected a dpmrcps codeplug (a mapping with format: 1)"));
    bool hasFormat = false;
    for (const auto& kv : root) {
        const std::string key = TextOf(kv.first, "codeplug");
        if (key == "format") {
            hasFormat = true;
            if (TextOf(kv.second, "format") != std::to_string(kCodeplugFormat))
                Fail(kv.second,
                     Fill(Tr("interchange", "format %1 is not one this program reads (%2)"),
                          {QuoteInput(TextOf(kv.second, "format")),
                           std::to_string(kCodeplugFormat)}));
        } else if (key == "program") {
            TextOf(kv.second, "program");
        } else if (key == "channels") {
            ReadChannels(kv.second, model);
        } else if (key == "settings") {
            ReadSettings(kv.second, model);
        } else if (key == "contacts") {
            ReadContacts(kv.second, model);
        } else if (key == "contact_bytes") {
            model.contactBytes = RunsOf(kv.second, "contact_bytes");
        } else if (key == "group_rx_lists") {
            ReadGroupLists(kv.second, model);
        } else if (key == "raw") {
            model.raw = RunsOf(kv.second, "raw");
        } else {
            Fail(kv.first, Fill(Tr("interchange", "unknown key %1"), {QuoteInput(key)}));
        }
    }
    if (!hasFormat) Fail(root, Tr("interchange", "no \"format\": not a dpmrcps codeplug"));
}

}  // namespace

std::string CodeplugToYaml(const RadioImage& image) {
    const CodeplugModel model = ExportCodeplug(image);
    YAML::Emitter out;
    out << YAML::Comment(
        "dpmrcps codeplug: the radio's whole configuration. Values are as the\n"
        "program shows them; a value beside \"bytes\" is kept as those bytes\n"
        "unless you change it. raw: bytes no field owns (others are FF).\n"
        "The comment above a key says what the setting does; reading ignores it.");
    out << YAML::BeginMap;
    out << YAML::Key << Text{"format"} << YAML::Value << kCodeplugFormat;
    out << YAML::Key << Text{"program"} << YAML::Value
        << Text{std::string("dpmrcps ") + DPMR_VERSION};
    EmitChannels(out, model);
    EmitSettings(out, model);
    EmitContacts(out, model);
    EmitGroupLists(out, model);
    out << YAML::Key << Text{"raw"} << YAML::Value;
    EmitRuns(out, model.raw);
    out << YAML::EndMap;
    return WithHelpComments(std::string(out.c_str()) + "\n", model);
}

Status CodeplugFromYaml(std::string_view text, const AppSettings& settings, RadioImage& image,
                        std::vector<std::string>* corrections) {
    CodeplugModel model;
    if (Status s = CheckCharacters(text); !s) return s;
    try {
        if (Status s = CheckDuplicateYamlKeys(text); !s) return s;
        ReadModel(YAML::Load(std::string(text)), model);
    } catch (const ReadError& e) {
        return e.status;
    } catch (const YAML::DeepRecursion& e) {
        return ErrorAt(PlaceOfByte(text, static_cast<std::size_t>(e.mark.pos)),
                       Fill(Tr("interchange",
                               "lists and mappings are nested %1 deep here; a "
                               "codeplug nests at most 4"),
                            {std::to_string(e.depth())}));
    } catch (const YAML::Exception& e) {
        const SourcePlace place = e.mark.is_null()
                                      ? SourcePlace{1, 1}
                                      : PlaceOfByte(text, static_cast<std::size_t>(e.mark.pos));
        return ErrorAt(place, SyntaxMessage(e));
    }
    return BuildCodeplugImage(model, settings, image, corrections);
}

}  // namespace dpmr
