// The differences of two images, from their codeplug models.
#include "interchange/CodeplugDiff.h"

#include <yaml-cpp/yaml.h>

#include <cstdio>
#include <map>

#include "channels/ChannelRecord.h"
#include "dpmr/ContactList.h"
#include "dpmr/GroupRxList.h"
#include "interchange/CodeplugModel.h"

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

// The bits of a channel record's byte that the table's cells show, and the
// cells that show them (bit c: column c). A cell may show less than its bits
// hold: a frequency off the raster reads as its raster channel, power codes
// 01 and 10 read as "Low".
struct TableView {
    std::uint8_t bits = 0;
    unsigned columns = 0;
};
TableView ShownByTable(std::size_t k) {
    using namespace channel;
    if (k < kRxTone) return {0xFF, 1u << (k / 4)};                  // Rx and Tx frequency
    if (k < kOffset) return {0xFF, 1u << (2 + (k - kRxTone) / 2)};  // Rx and Tx tone
    if (k == kFlags) return {0xC3, 0x70};                           // power, scan, bandwidth
    if (k == kMode) return {0xC0, 0x80};                            // channel type
    return {};
}

void DiffChannels(const CodeplugModel& ma, const CodeplugModel& mb, const RadioImage& a,
                  const RadioImage& b, std::vector<CodeplugDifference>& out) {
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const ChannelEntry& ea = ma.channels[static_cast<std::size_t>(n - 1)];
        const ChannelEntry& eb = mb.channels[static_cast<std::size_t>(n - 1)];
        const std::string name = "channel " + std::to_string(n);
        unsigned changedCells = 0;
        for (int c = 0; c < kChannelColumns; ++c) {
            const std::string from = ea.cells[static_cast<std::size_t>(c)].value_or("");
            const std::string to = eb.cells[static_cast<std::size_t>(c)].value_or("");
            if (from == to) continue;
            changedCells |= 1u << c;
            out.push_back(
                {name + " " + ChannelColumnNames()[static_cast<std::size_t>(c)], "", from, to});
        }
        // What only the channel dialog shows, and what the table's cells do
        // not show of their bytes, by the record's byte.
        const std::size_t at = channel::RecordOffset(n);
        for (std::size_t k = 0; k < layout::kChannelSize; ++k) {
            const unsigned changed = a.U8(at + k) ^ b.U8(at + k);
            const TableView shown = ShownByTable(k);
            if ((changed & ~unsigned{shown.bits}) != 0 ||
                (changed != 0 && (changedCells & shown.columns) == 0))
                out.push_back(
                    {name + " record " + RecordByte(k), "", Hex(a, at + k, 1), Hex(b, at + k, 1)});
        }
    }
}

void DiffFields(const CodeplugModel& ma, const CodeplugModel& mb, const RadioImage& a,
                const RadioImage& b, std::vector<CodeplugDifference>& out) {
    for (std::size_t k = 0; k < ma.fields.size() && k < mb.fields.size(); ++k) {
        const FieldEntry& fa = ma.fields[k];
        const FieldEntry& fb = mb.fields[k];
        const form::Location& at = fa.ref.Decl().at;
        if (fa.value != fb.value)
            out.push_back({fa.ref.Key(), "", fa.value, fb.value});
        else if (Hex(a, at.offset, at.size) != Hex(b, at.offset, at.size) && (fa.bytes || fb.bytes))
            out.push_back({fa.ref.Key() + " bytes", "", Hex(a, at.offset, at.size),
                           Hex(b, at.offset, at.size)});
    }
}

void DiffContacts(const CodeplugModel& ma, const CodeplugModel& mb,
                  std::vector<CodeplugDifference>& out) {
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
            continue;
        }
        const CodeplugContact& cb = *it->second;
        if (ca.number != cb.number) out.push_back({what, "number", ca.number, cb.number});
        if (ca.groupCall != cb.groupCall)
            out.push_back({what, "type", CallTypeText(ca.groupCall), CallTypeText(cb.groupCall)});
        if (ca.slot != cb.slot)
            out.push_back({what, "slot", std::to_string(ca.slot), std::to_string(cb.slot)});
    }
    for (const CodeplugContact& cb : mb.contacts)
        if (!seen.contains(cb.name)) {
            seen[cb.name] = true;
            out.push_back({"contact \"" + cb.name + "\"", "", "(none)", cb.number});
        }
}

void DiffGroupLists(const CodeplugModel& ma, const CodeplugModel& mb, const RadioImage& a,
                    const RadioImage& b, std::vector<CodeplugDifference>& out) {
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
    }
}

// Bytes that differ where no value above shows the difference: raw bytes,
// and the contact index and records when the contacts read the same.
void DiffBytes(bool contactsSame, const RadioImage& a, const RadioImage& b,
               std::vector<CodeplugDifference>& out) {
    const std::size_t contactsEnd =
        layout::kContactRecords + layout::kContactRecordSize * layout::kContactCount;
    auto shown = [&](std::size_t k) {
        if (IsRawByte(k)) return true;
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
    DiffChannels(ma, mb, a, b, out);
    DiffFields(ma, mb, a, b, out);
    const std::size_t before = out.size();
    DiffContacts(ma, mb, out);
    const bool contactsSame = out.size() == before;
    DiffGroupLists(ma, mb, a, b, out);
    DiffBytes(contactsSame, a, b, out);
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
        out << YAML::Flow << YAML::BeginMap << YAML::Key << "what" << YAML::Value
            << (d.part.empty() ? d.what : d.what + " " + d.part) << YAML::Key << "from"
            << YAML::Value << d.from << YAML::Key << "to" << YAML::Value << d.to << YAML::EndMap;
    out << YAML::EndSeq;
    return std::string(out.c_str()) + "\n";
}

}  // namespace dpmr
