// The differences of two images, from their codeplug models.
#include "interchange/CodeplugDiff.h"

#include <yaml-cpp/yaml.h>

#include <array>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "channels/ChannelFields.h"
#include "dpmr/ContactList.h"
#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "image/ChannelRecord.h"
#include "interchange/CodeplugModel.h"
#include "interchange/YamlText.h"

namespace dpmr {

namespace {

// Raw differences are cut into lines of at most this many bytes.
constexpr std::size_t kRunBytes = 16;

std::string Address(std::size_t at) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04zX", at);
    return buf;
}

std::string RecordByte(std::size_t k) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "+0x%02zX", k);
    return buf;
}

std::string Hex(const RadioImage& image, std::size_t at, std::size_t size) {
    return HexText(image.Data() + at, size);
}

std::string Joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

// Bytes of the image that a difference listed so far names, so that every
// other byte that differs is listed raw: no difference goes unsaid.
using NamedBytes = std::vector<bool>;

void Name(NamedBytes& named, std::size_t at, std::size_t size) {
    for (std::size_t k = at; k < at + size && k < named.size(); ++k) named[k] = true;
}

// How a difference names a channel field: its label, after its group box
// where the label alone is ambiguous ("Call 1 Type").
std::string ChannelFieldName(const form::FieldDecl& field) {
    if (field.group == "Call 1" || field.group == "Call 2") return field.group + " " + field.label;
    return field.label;
}

std::string ChannelValue(const ChannelEntry& entry, const std::string& key) {
    for (const ChannelFieldValue& v : entry.fields)
        if (v.key == key) return v.value;
    return "";
}

void DiffChannels(const CodeplugModel& ma, const CodeplugModel& mb, const RadioImage& a,
                  const RadioImage& b, std::vector<CodeplugDifference>& out, NamedBytes& named) {
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const ChannelEntry& ea = ma.channels[static_cast<std::size_t>(n - 1)];
        const ChannelEntry& eb = mb.channels[static_cast<std::size_t>(n - 1)];
        const std::string name = "channel " + std::to_string(n);
        const std::size_t at = channel::RecordOffset(n);
        // The bits of each record byte that a difference below names.
        std::array<std::uint8_t, layout::kChannelSize> said{};
        for (std::size_t i : ChannelFileFields()) {
            const form::FieldDecl& field = ChannelRecordDecl().fields[i];
            const std::string from = ChannelValue(ea, field.key);
            const std::string to = ChannelValue(eb, field.key);
            if (from == to) continue;
            out.push_back({name + " " + ChannelFieldName(field), "", from, to});
            const std::uint8_t mask =
                field.at.IsBitField()
                    ? static_cast<std::uint8_t>(((1u << field.at.width) - 1u) << field.at.lo)
                    : 0xFF;
            for (std::size_t k = 0; k < field.at.size; ++k) said[field.at.offset + k] |= mask;
        }
        // Every other bit of the record that differs, by the record's bytes
        // (neighbouring bytes in one line, like a tone's two).
        const auto unsaid = [&](std::size_t k) {
            return ((a.U8(at + k) ^ b.U8(at + k)) & ~said[k]) != 0;
        };
        for (std::size_t k = 0; k < layout::kChannelSize;) {
            if (!unsaid(k)) {
                ++k;
                continue;
            }
            std::size_t end = k + 1;
            while (end < layout::kChannelSize && unsaid(end)) ++end;
            out.push_back({name + " record " + RecordByte(k), "", Hex(a, at + k, end - k),
                           Hex(b, at + k, end - k)});
            k = end;
        }
        Name(named, at, layout::kChannelSize);
    }
}

void DiffFields(const CodeplugModel& ma, const CodeplugModel& mb, const RadioImage& a,
                const RadioImage& b, std::vector<CodeplugDifference>& out, NamedBytes& named) {
    for (std::size_t k = 0; k < ma.fields.size() && k < mb.fields.size(); ++k) {
        const FieldEntry& fa = ma.fields[k];
        const FieldEntry& fb = mb.fields[k];
        const form::Location& at = fa.ref.Decl().at;
        if (fa.value != fb.value)
            out.push_back({fa.ref.Key(), "", fa.value, fb.value});
        else if (Hex(a, at.offset, at.size) != Hex(b, at.offset, at.size) && (fa.bytes || fb.bytes))
            out.push_back({fa.ref.Key() + " bytes", "", Hex(a, at.offset, at.size),
                           Hex(b, at.offset, at.size)});
        else
            continue;
        Name(named, at.offset, at.size);
    }
}

// A contact that differs names its records (in both images); what else of
// the contact area differs (the order table) is left to the raw bytes.
void DiffContacts(const CodeplugModel& ma, const CodeplugModel& mb,
                  std::vector<CodeplugDifference>& out, NamedBytes& named) {
    const auto nameRecord = [&](int slot) {
        if (slot >= 1 && slot <= layout::kContactCount)
            Name(named, contact::SlotOffset(slot), layout::kContactRecordSize);
    };
    std::map<std::string, const CodeplugContact*> byName;
    for (const CodeplugContact& c : mb.contacts) byName.emplace(c.name, &c);
    std::map<std::string, bool> seen;
    for (const CodeplugContact& ca : ma.contacts) {
        const std::string what = "contact \"" + ca.name + "\"";
        if (seen[ca.name]) continue;
        seen[ca.name] = true;
        const auto it = byName.find(ca.name);
        if (it == byName.end()) {
            out.push_back({what, "", ca.number, "(none)"});
            nameRecord(ca.slot);
            continue;
        }
        const CodeplugContact& cb = *it->second;
        const std::size_t before = out.size();
        if (ca.number != cb.number) out.push_back({what, "number", ca.number, cb.number});
        if (ca.groupCall != cb.groupCall)
            out.push_back({what, "type", CallTypeText(ca.groupCall), CallTypeText(cb.groupCall)});
        if (ca.slot != cb.slot)
            out.push_back({what, "slot", std::to_string(ca.slot), std::to_string(cb.slot)});
        if (out.size() != before) {
            nameRecord(ca.slot);
            nameRecord(cb.slot);
        }
    }
    for (const CodeplugContact& cb : mb.contacts)
        if (!seen.contains(cb.name)) {
            seen[cb.name] = true;
            out.push_back({"contact \"" + cb.name + "\"", "", "(none)", cb.number});
            nameRecord(cb.slot);
        }
}

void DiffGroupLists(const CodeplugModel& ma, const CodeplugModel& mb, const RadioImage& a,
                    const RadioImage& b, std::vector<CodeplugDifference>& out, NamedBytes& named) {
    for (int n = 1; n <= layout::kGroupListCount; ++n) {
        const auto& ga = ma.groupLists[static_cast<std::size_t>(n - 1)];
        const auto& gb = mb.groupLists[static_cast<std::size_t>(n - 1)];
        const std::string what = "group rx list " + std::to_string(n);
        const std::size_t at = grouplist::ListOffset(n);
        if (ga.members != gb.members)
            out.push_back({what, "", Joined(ga.members), Joined(gb.members)});
        else if (Hex(a, at, layout::kGroupListSize) != Hex(b, at, layout::kGroupListSize))
            out.push_back({what + " bytes", "", Hex(a, at, layout::kGroupListSize),
                           Hex(b, at, layout::kGroupListSize)});
        else
            continue;
        Name(named, at, layout::kGroupListSize);
    }
}

// Bytes that differ where no value above shows the difference: raw bytes,
// the contact index and records when the contacts read the same, and every
// other byte no difference above names (a value the model reads the same
// from two byte patterns), so that two images that differ never give an
// empty list. A channel record's bytes are all listed by its channel.
void DiffBytes(bool contactsSame, const NamedBytes& named, const RadioImage& a, const RadioImage& b,
               std::vector<CodeplugDifference>& out) {
    const std::size_t contactsEnd =
        layout::kContactRecords + layout::kContactRecordSize * layout::kContactCount;
    auto shown = [&](std::size_t k) {
        if (IsRawByte(k) || !named[k]) return true;
        return contactsSame && k >= layout::kContactIndex && k < contactsEnd;
    };
    for (std::size_t k = 0; k < RadioImage::kSize;) {
        if (a.U8(k) == b.U8(k) || !shown(k)) {
            ++k;
            continue;
        }
        std::size_t end = k;
        while (end < RadioImage::kSize && end - k < kRunBytes && a.U8(end) != b.U8(end) &&
               shown(end))
            ++end;
        out.push_back({"raw " + Address(k), "", Hex(a, k, end - k), Hex(b, k, end - k)});
        k = end;
    }
}

std::string Shown(const std::string& text) {
    return text.empty() ? "(empty)" : text;
}

}  // namespace

std::vector<CodeplugDifference> DiffCodeplugs(const RadioImage& a, const RadioImage& b) {
    std::vector<CodeplugDifference> out;
    if (a == b) return out;
    const CodeplugModel ma = ExportCodeplug(a);
    const CodeplugModel mb = ExportCodeplug(b);
    NamedBytes named(RadioImage::kSize, false);
    DiffChannels(ma, mb, a, b, out, named);
    DiffFields(ma, mb, a, b, out, named);
    const std::size_t before = out.size();
    DiffContacts(ma, mb, out, named);
    const bool contactsSame = out.size() == before;
    DiffGroupLists(ma, mb, a, b, out, named);
    DiffBytes(contactsSame, named, a, b, out);
    return out;
}

std::string DifferencesAsText(const std::vector<CodeplugDifference>& diffs) {
    std::string text;
    for (const CodeplugDifference& d : diffs)
        text += d.what + ": " + (d.part.empty() ? "" : d.part + " ") + Shown(d.from) + " -> " +
                Shown(d.to) + "\n";
    return text;
}

std::string DifferencesAsYaml(const std::vector<CodeplugDifference>& diffs) {
    YAML::Emitter out;
    out << YAML::BeginSeq;
    for (const CodeplugDifference& d : diffs)
        out << YAML::Flow << YAML::BeginMap << YAML::Key << YamlText{"what"} << YAML::Value
            << YamlText{d.part.empty() ? d.what : d.what + " " + d.part} << YAML::Key
            << YamlText{"from"} << YAML::Value << YamlText{d.from} << YAML::Key << YamlText{"to"}
            << YAML::Value << YamlText{d.to} << YAML::EndMap;
    out << YAML::EndSeq;
    return std::string(out.c_str()) + "\n";
}

}  // namespace dpmr
