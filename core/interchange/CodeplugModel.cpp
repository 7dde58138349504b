// The image as channels, fields, contacts, group lists and raw bytes, and the
// image built back from them.
#include "interchange/CodeplugModel.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "channels/ChannelEditDialog.h"
#include "channels/ChannelEditPresenter.h"
#include "channels/ChannelFields.h"
#include "channels/ChannelRowText.h"
#include "channels/ChannelTablePresenter.h"
#include "codec/FrequencyCodec.h"
#include "dialogs/FormSession.h"
#include "dpmr/ContactChecks.h"
#include "dpmr/ContactList.h"
#include "dpmr/ContactRecord.h"
#include "dpmr/GroupRxList.h"
#include "form/FieldKinds.h"
#include "form/FieldPage.h"
#include "image/ChannelRecord.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

constexpr std::size_t kContactRegion = layout::kContactIndex;
constexpr std::size_t kContactRegionEnd =
    layout::kContactRecords + layout::kContactRecordSize * layout::kContactCount;
constexpr std::size_t kChannelRegionEnd =
    layout::kChannels + layout::kChannelSize * layout::kChannelCount;
constexpr std::size_t kGroupListRegionEnd =
    layout::kGroupLists + layout::kGroupListSize * layout::kGroupListCount;
// Raw runs are cut into lines of this many bytes.
constexpr std::size_t kRunBytes = 32;

// ---- Which bits the fields own --------------------------------------------

std::uint8_t FieldMaskAt(const form::Location& at) {
    if (!at.IsBitField()) return 0xFF;
    return static_cast<std::uint8_t>(((1u << at.width) - 1u) << at.lo);
}

struct Ownership {
    std::vector<form::FieldRef> fields;
    std::array<std::uint8_t, RadioImage::kSize> mask{};
    // Fields that share bits with another field keep their bytes, so that
    // an edit of one is not undone by the other one's bytes.
    std::vector<bool> shared;
};

const Ownership& Owners() {
    static const Ownership owners = [] {
        Ownership o;
        o.fields = SettingsFields();
        std::array<std::uint8_t, RadioImage::kSize> seenTwice{};
        for (const form::FieldRef& ref : o.fields) {
            const form::Location& at = ref.Decl().at;
            for (std::size_t k = at.offset; k < at.offset + at.size; ++k) {
                seenTwice[k] |= static_cast<std::uint8_t>(o.mask[k] & FieldMaskAt(at));
                o.mask[k] |= FieldMaskAt(at);
            }
        }
        for (const form::FieldRef& ref : o.fields) {
            const form::Location& at = ref.Decl().at;
            bool shared = false;
            for (std::size_t k = at.offset; k < at.offset + at.size; ++k)
                shared = shared || (seenTwice[k] & FieldMaskAt(at)) != 0;
            o.shared.push_back(shared);
        }
        return o;
    }();
    return owners;
}

// Copies the field's bits from one image into the other.
void CopyFieldBits(const form::FieldDecl& decl, const std::uint8_t* from, RadioImage& to) {
    const std::uint8_t mask = FieldMaskAt(decl.at);
    for (std::size_t k = 0; k < decl.at.size; ++k) {
        const std::size_t off = decl.at.offset + k;
        to.SetU8(off, static_cast<std::uint8_t>((to.U8(off) & ~mask) | (from[k] & mask)));
    }
}

// ---- Fields ----------------------------------------------------------------

std::string ShownValue(const form::FieldRef& ref, const RadioImage& image) {
    const form::FieldDecl& decl = ref.Decl();
    ControlState state;
    if (form::HasItems(decl)) state.items = form::ListItemsFor(decl, image);
    form::LoadField(decl, image, state);
    return ReadableText(form::ShownText(decl, state));
}

// The value typed into (or chosen in) the field's control, the control left
// and its page stored: only the field's own bits change.
Status ApplyTyped(const form::FieldRef& ref, const std::string& text, RadioImage& image) {
    RadioImage work = image;
    // The field's bits start as 1s (nothing here), as in a new image: a
    // control may leave some of them unwritten (the byte after a kill code's
    // "#"), and what it stores must not depend on what was there before.
    const std::uint8_t ones = 0xFF;
    CopyFieldBits(ref.Decl(), ByteString(ref.Decl().at.size, ones).data(), work);
    form::FieldPage page(ref.Page(), work);
    page.LoadFromImage();
    const auto i = static_cast<std::size_t>(ref.field);
    page.FocusIn(i);
    if (Status s = form::EnterControlText(page, i, ref.Key(), text); !s) return s;
    page.FocusOut(i);
    form::StoreField(ref.Decl(), page.State(i), work);
    CopyFieldBits(ref.Decl(), work.Data() + ref.Decl().at.offset, image);
    return Status::Ok();
}

ByteString BytesAt(const RadioImage& image, std::size_t at, std::size_t size) {
    const auto span = image.Span(at, size);
    return {span.begin(), span.end()};
}

// ---- Byte runs -------------------------------------------------------------

// Runs of bytes other than 0xFF among [from, to) where `take` says so.
template <typename Take>
std::vector<ByteRun> RunsOf(const RadioImage& image, std::size_t from, std::size_t to, Take take) {
    std::vector<ByteRun> runs;
    for (std::size_t k = from; k < to; ++k) {
        if (!take(k) || image.U8(k) == 0xFF) continue;
        if (runs.empty() || runs.back().at + runs.back().bytes.size() != k ||
            runs.back().bytes.size() == kRunBytes)
            runs.push_back({k, {}, {}});
        runs.back().bytes.push_back(image.U8(k));
    }
    return runs;
}

template <typename Allowed>
Status WriteRuns(const std::vector<ByteRun>& runs, Allowed allowed, const std::string& refusal,
                 RadioImage& image) {
    for (const ByteRun& run : runs) {
        for (std::size_t k = 0; k < run.bytes.size(); ++k) {
            const std::size_t off = run.at + k;
            if (off >= RadioImage::kSize || !allowed(off)) {
                char where[16];
                std::snprintf(where, sizeof where, "0x%04zX", off);
                return ErrorAt(run.place, Fill(refusal, {where}));
            }
            image.SetU8(off, run.bytes[k]);
        }
    }
    return Status::Ok();
}

bool InContactRegion(std::size_t k) {
    return k >= kContactRegion && k < kContactRegionEnd;
}

// ---- Contacts ---------------------------------------------------------------

std::vector<CodeplugContact> ContactEntriesOf(const RadioImage& image) {
    std::vector<CodeplugContact> entries;
    for (const ContactRow& row : ReadContactList(image))
        entries.push_back({ReadableText(row.name),
                           ReadableText(row.number),
                           row.groupCall,
                           contact::SlotAt(row.record).value_or(0),
                           {}});
    return entries;
}

bool SameContacts(const std::vector<CodeplugContact>& a, const std::vector<CodeplugContact>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const CodeplugContact& x, const CodeplugContact& y) {
                          return x.name == y.name && x.number == y.number &&
                                 x.groupCall == y.groupCall && x.slot == y.slot;
                      });
}

// The slot of each entry: its own, else the lowest one no entry names.
std::vector<int> AssignedSlots(const std::vector<CodeplugContact>& contacts) {
    std::set<int> named;
    for (const CodeplugContact& c : contacts)
        if (c.slot > 0) named.insert(c.slot);
    std::vector<int> slots;
    int next = 1;
    for (const CodeplugContact& c : contacts) {
        if (c.slot > 0) {
            slots.push_back(c.slot);
            continue;
        }
        while (named.contains(next)) ++next;
        slots.push_back(next);
        named.insert(next);
    }
    return slots;
}

// Stores the contacts as the contact page does (sorted by name, the order
// table rewritten), each record written as the page's Add writes one, and
// changes nothing else: references to contacts that are gone are cleared by
// the contact checks when the file is opened. Refuses what the page and
// `contacts --import` refuse, in their words: an empty, long or repeated
// name or number, a name with a control character (or the 0xFF that pads it).
Status StoreContactEntries(const std::vector<CodeplugContact>& contacts, RadioImage& image) {
    if (contacts.size() > static_cast<std::size_t>(layout::kContactCount))
        return ErrorAt(contacts[layout::kContactCount].place,
                       Fill(Tr("interchange", "more than %1 contacts"),
                            {std::to_string(layout::kContactCount)}));
    const std::vector<int> slots = AssignedSlots(contacts);
    RadioImage work = image;
    std::map<std::string, SourcePlace> names, numbers;
    std::set<int> taken;
    // `onLine` and `twice` say the same of a contact read from a file or not.
    const auto already = [](const SourcePlace& at, const std::string& shown,
                            const std::string& onLine, const std::string& twice) {
        return at.line > 0 ? Fill(onLine, {shown, std::to_string(at.line)}) : Fill(twice, {shown});
    };
    std::vector<ContactRow> rows;
    for (std::size_t k = 0; k < contacts.size(); ++k) {
        const CodeplugContact& c = contacts[k];
        const std::string& name = c.name;
        std::string fault = ContactNameFault(name);
        if (fault.empty()) fault = ContactNumberFault(c.number);
        if (!fault.empty()) return ErrorAt(c.place, fault);
        if (auto [at, fresh] = names.emplace(name, c.place); !fresh)
            return ErrorAt(c.place, already(at->second, QuoteInput(name),
                                            Tr("interchange", "the name %1 is already on line %2"),
                                            Tr("interchange", "the name %1 is there twice")));
        std::string padded = c.number;
        padded.insert(0, contact::kNumberSize - padded.size(), '0');
        if (auto [at, fresh] = numbers.emplace(padded, c.place); !fresh)
            return ErrorAt(c.place,
                           already(at->second, padded,
                                   Tr("interchange", "the number %1 is already on line %2"),
                                   Tr("interchange", "the number %1 is there twice")));
        if (slots[k] < 1 || slots[k] > layout::kContactCount || !taken.insert(slots[k]).second)
            return ErrorAt(c.place,
                           Fill(Tr("interchange", "contact %1: slot %2 is not a free slot 1 to 64"),
                                {QuoteInput(name), std::to_string(slots[k])}));
        const std::size_t record = contact::SlotOffset(slots[k]);
        contact::WriteNew(work, record, c.number, name);
        rows.push_back({name, c.number, c.groupCall, record});
    }
    StoreContactList(work, rows);
    std::copy(work.Data() + kContactRegion, work.Data() + kContactRegionEnd,
              image.Data() + kContactRegion);
    return Status::Ok();
}

// ---- Group receive lists ----------------------------------------------------

std::map<int, std::string> NamesBySlot(const std::vector<CodeplugContact>& contacts) {
    std::map<int, std::string> names;
    const std::vector<int> slots = AssignedSlots(contacts);
    for (std::size_t k = 0; k < contacts.size(); ++k) names.emplace(slots[k], contacts[k].name);
    return names;
}

std::vector<std::string> MemberNames(const std::vector<int>& slots,
                                     const std::map<int, std::string>& names) {
    std::vector<std::string> out;
    for (int slot : slots) {
        const auto it = names.find(slot);
        out.push_back(it == names.end() ? "?" : it->second);
    }
    return out;
}

// The contacts as a group receive list names them: by name, with the slot
// each takes.
std::vector<NamedContact> NamedContacts(const std::vector<CodeplugContact>& contacts) {
    std::vector<NamedContact> named;
    const std::vector<int> slots = AssignedSlots(contacts);
    for (std::size_t k = 0; k < contacts.size(); ++k)
        named.push_back({contacts[k].name, slots[k], contacts[k].groupCall});
    return named;
}

// ---- Channels ---------------------------------------------------------------

// Column c + 1 of the table (c is 0-based from "Rx Freq").
const ChannelColumn& TableColumn(int c) {
    return ChannelColumns()[static_cast<std::size_t>(c + 1)];
}

bool IsListColumn(int c) {
    return TableColumn(c).editor == CellEditor::kList;
}

std::optional<std::string> ListColumnItem(int c, const std::string& text) {
    for (const std::string& item : TableColumn(c).listTexts)
        if (EqualsIgnoringCase(item, text)) return item;
    return std::nullopt;
}

struct CellEdit {
    int channel;
    int column;  // 0-based
    std::string text;
};

Status BuildChannels(const CodeplugModel& model, const AppSettings& settings, RadioImage& image,
                     std::vector<std::string>* corrections) {
    std::vector<CellEdit> edits;
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const ChannelEntry& entry = model.channels[static_cast<std::size_t>(n - 1)];
        ResetChannelRecord(image, n);
        if (!entry.present) continue;
        ChannelRowTexts shown{};
        if (entry.record) {
            std::copy(entry.record->begin(), entry.record->end(),
                      image.Data() + channel::RecordOffset(n));
            shown = ChannelRowFromImage(image, n);
        }
        for (int c = 0; c < kChannelColumns; ++c) {
            const auto& cell = entry.cells[static_cast<std::size_t>(c)];
            if (!cell) continue;
            if (entry.record && *cell == ReadableText(shown[static_cast<std::size_t>(c)])) continue;
            std::string text = *cell;
            if (IsListColumn(c)) {
                const std::optional<std::string> item = ListColumnItem(c, text);
                if (!item && !(text.empty() && c > 0))
                    return ErrorAt(
                        entry.cellPlaces[static_cast<std::size_t>(c)],
                        Fill(Tr("interchange", "channel %1: %2 is not an entry of \"%3\""),
                             {std::to_string(n), QuoteInput(text),
                              ChannelColumnNames()[static_cast<std::size_t>(c)]}));
                if (item) text = *item;
            }
            edits.push_back({n, c, text});
        }
    }
    if (edits.empty()) return Status::Ok();

    // The cells the user changed are typed into the channel table of the
    // image's band and left; only the channels they belong to take the
    // table's store, and the scan bitmap follows them.
    RadioImage work = image;
    BandLimits band;
    ChannelTablePresenter table(work, band, settings);
    table.SelectBandFromImage();
    for (const CellEdit& e : edits) {
        const std::string notice = table.EnterCellText(e.channel, e.column + 1, e.text);
        if (!notice.empty() && corrections)
            corrections->push_back(
                TextAt(model.channels[static_cast<std::size_t>(e.channel - 1)]
                           .cellPlaces[static_cast<std::size_t>(e.column)],
                       Fill(Tr("interchange", "channel %1 %2: %3"),
                            {std::to_string(e.channel),
                             ChannelColumnNames()[static_cast<std::size_t>(e.column)], notice})));
    }
    RadioImage stored = work;
    table.StoreGridInto(stored);
    std::set<int> changed;
    for (const CellEdit& e : edits) changed.insert(e.channel);
    for (int n : changed) {
        const std::size_t at = channel::RecordOffset(n);
        std::copy_n(stored.Data() + at, layout::kChannelSize, image.Data() + at);
    }
    RebuildScanMembership(image, band);
    return Status::Ok();
}

// ---- Channel fields -----------------------------------------------------------

// The band of the image's own band bytes, where no settings are at hand
// (the export types back only what the dialog shows, which no clamp moves).
BandLimits ImageBand(const RadioImage& image) {
    return BandForImage(image, {}).band;
}

// The dialog opened on channel n of a copy of the image.
struct OpenChannel {
    OpenChannel(const RadioImage& image, const BandLimits& band, int n)
        : work(image), dialog(work, band, n, std::string()) {}
    RadioImage work;
    ChannelEditPresenter dialog;
};

std::vector<ChannelFieldValue> ChannelFieldsShown(const RadioImage& image, int n) {
    OpenChannel open(image, ImageBand(image), n);
    std::vector<ChannelFieldValue> values;
    for (std::size_t i : ChannelFileFields())
        values.push_back(
            {ChannelRecordDecl().fields[i].key, ReadableText(open.dialog.Shown(i)), {}});
    return values;
}

// Types the file's values into the channel dialog opened on channel n, after
// everything else of the image was built (the lists name its contacts, group
// lists and codes), as a user does: a value the control already shows is
// left alone, any other is entered and its control left, in the dialog's
// order (Rx freq first). A record whose frequency changed then takes the
// channel table's store of its row, as every Save does.
Status ApplyChannelFields(const ChannelEntry& entry, int n, bool bytesGiven, const BandLimits& band,
                          RadioImage& image, std::vector<std::string>* notes) {
    // Without its bytes, the channel starts as the table makes it when its
    // frequencies are typed into an empty row and saved; the dialog then
    // takes the values that differ from that.
    if (!bytesGiven) {
        std::optional<std::string> rx, tx;
        for (const ChannelFieldValue& v : entry.fields) {
            if (v.key == ChannelRecordDecl().fields[FieldIndex(EditControl::kRxFreq)].key)
                rx = v.value;
            if (v.key == ChannelRecordDecl().fields[FieldIndex(EditControl::kTxFreq)].key)
                tx = v.value;
        }
        ResetChannelRecord(image, n);
        if (rx && FrequencyFromText(*rx) > 0) {
            ChannelRowTexts row = NewTableRow(*rx);
            if (tx) row[1] = *tx;
            StoreChannelRow(image, n, row);
        }
    }
    OpenChannel open(image, band, n);
    ChannelEditPresenter& dialog = open.dialog;
    std::vector<std::string> before;
    for (std::size_t i = 0; i < kEditControlCount; ++i) before.push_back(dialog.Shown(i));
    const std::string name = "channel" + std::to_string(n);
    std::vector<std::pair<std::size_t, const ChannelFieldValue*>> entered;
    for (std::size_t i : ChannelFileFields()) {
        const form::FieldDecl& field = ChannelRecordDecl().fields[i];
        const ChannelFieldValue* given = nullptr;
        for (const ChannelFieldValue& v : entry.fields)
            if (v.key == field.key) given = &v;
        if (!given || given->value == ReadableText(dialog.Shown(i))) continue;
        const std::string key = name + "." + field.key;
        if (!dialog.State(i).enabled) {
            const std::string why = dialog.WhyDisabled(i);
            return ErrorAt(given->place,
                           why.empty()
                               ? Fill(Tr("interchange", "%1 (%2) is greyed out in the dialog"),
                                      {key, field.label})
                               : Fill(Tr("interchange", "%1 (%2) is greyed out in the dialog: %3"),
                                      {key, field.label, why}));
        }
        dialog.FocusIn(i);
        if (Status s = form::EnterControlText(dialog, i, key, given->value); !s)
            return ErrorAt(given->place, s.message());
        dialog.FocusOut(i);
        entered.emplace_back(i, given);
    }
    dialog.Close();
    if (notes) {
        for (const auto& [i, given] : entered) {
            const form::FieldDecl& field = ChannelRecordDecl().fields[i];
            if (auto note = form::CorrectionNote(field, name + "." + field.key, given->value,
                                                 dialog.Shown(i)))
                notes->push_back(TextAt(given->place, *note));
        }
    }
    // Only the fields whose shown value changed take the dialog's store; the
    // others keep their bytes. A channel the dialog made or emptied is its
    // record whole.
    const std::size_t at = channel::RecordOffset(n);
    bool frequencyChanged = false;
    if (before[FieldIndex(EditControl::kRxFreq)].empty() || IsChannelEmpty(open.work, n)) {
        std::copy_n(open.work.Data() + at, layout::kChannelSize, image.Data() + at);
        frequencyChanged = true;
    } else {
        for (std::size_t i = 0; i < kEditControlCount; ++i) {
            if (dialog.Shown(i) == before[i]) continue;
            const form::FieldDecl& field = ChannelPageDecl(n).fields[i];
            if (field.at.size == 0) continue;
            CopyFieldBits(field, open.work.Data() + field.at.offset, image);
            const auto c = static_cast<EditControl>(i);
            frequencyChanged =
                frequencyChanged || c == EditControl::kRxFreq || c == EditControl::kTxFreq;
        }
    }
    if (frequencyChanged && !IsChannelEmpty(image, n))
        StoreChannelRow(image, n, ChannelRowFromImage(image, n));
    return Status::Ok();
}

// Whether the values alone give back the record's bytes.
bool FieldsGiveBackRecord(const RadioImage& image, int n, const ChannelEntry& entry) {
    RadioImage again = image;
    ResetChannelRecord(again, n);
    if (!ApplyChannelFields(entry, n, false, ImageBand(image), again, nullptr)) return false;
    const std::size_t at = channel::RecordOffset(n);
    return std::equal(again.Data() + at, again.Data() + at + layout::kChannelSize,
                      image.Data() + at);
}

}  // namespace

// ---- Public helpers -----------------------------------------------------------

const std::vector<form::FieldRef>& SettingsFields() {
    static const std::vector<form::FieldRef> fields = [] {
        std::vector<form::FieldRef> all = form::AllFields();
        std::erase_if(
            all, [](const form::FieldRef& ref) { return ref.dialog == &ChannelEditDialogDecl(); });
        return all;
    }();
    return fields;
}

const std::vector<std::size_t>& ChannelFileFields() {
    static const std::vector<std::size_t> fields = [] {
        std::vector<std::size_t> all;
        const form::PageDecl& decl = ChannelRecordDecl();
        for (std::size_t i = 0; i < decl.fields.size(); ++i)
            if (decl.fields[i].at.size != 0 && static_cast<EditControl>(i) != EditControl::kOnlyRx)
                all.push_back(i);
        return all;
    }();
    return fields;
}

const std::array<std::string, kChannelColumns>& ChannelColumnNames() {
    static const std::array<std::string, kChannelColumns> names = [] {
        std::array<std::string, kChannelColumns> n;
        for (int c = 0; c < kChannelColumns; ++c)
            n[static_cast<std::size_t>(c)] =
                ChannelTablePresenter::ColumnTitles()[static_cast<std::size_t>(c + 1)];
        return n;
    }();
    return names;
}

bool IsRawByte(std::size_t k) {
    if (k >= layout::kChannels && k < kChannelRegionEnd) return false;
    if (InContactRegion(k)) return false;
    if (k >= layout::kGroupLists && k < kGroupListRegionEnd) return false;
    return Owners().mask[k] != 0xFF;
}

std::string ReadableText(const std::string& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size();) {
        const auto u = static_cast<unsigned char>(text[k]);
        if (u >= 0x20 && u < 0x7F) {
            out += text[k++];
            continue;
        }
        // A whole, well-formed UTF-8 character of 2 to 4 bytes (list texts
        // may hold some); surrogates and overlong forms are not.
        if (const std::size_t len = Utf8CharLength(text, k); len > 0) {
            out += text.substr(k, len);
            k += len;
        } else {
            out += '?';
            ++k;
        }
    }
    return out;
}

std::string HexText(const std::uint8_t* data, std::size_t size) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::size_t k = 0; k < size; ++k) {
        out += digits[data[k] >> 4];
        out += digits[data[k] & 0x0F];
    }
    return out;
}

std::optional<ByteString> ParseHexText(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    ByteString bytes;
    for (std::size_t k = 0; k < text.size(); k += 2) {
        unsigned value = 0;
        for (std::size_t j = 0; j < 2; ++j) {
            const char c = text[k + j];
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<unsigned>(d);
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

std::string TextAt(const SourcePlace& place, const std::string& message) {
    if (place.line == 0) return message;
    return Fill(Tr("interchange", "line %1, column %2: %3"),
                {std::to_string(place.line), std::to_string(place.column), message});
}

Status ErrorAt(const SourcePlace& place, const std::string& message) {
    return Status::Error(TextAt(place, message));
}

// ---- Export -------------------------------------------------------------------

CodeplugModel ExportCodeplug(const RadioImage& image) {
    CodeplugModel model;

    for (int n = 1; n <= layout::kChannelCount; ++n) {
        ChannelEntry& entry = model.channels[static_cast<std::size_t>(n - 1)];
        RadioImage reset = image;
        ResetChannelRecord(reset, n);
        const std::size_t at = channel::RecordOffset(n);
        entry.present = !std::equal(reset.Data() + at, reset.Data() + at + layout::kChannelSize,
                                    image.Data() + at);
        if (!entry.present) continue;
        entry.fields = ChannelFieldsShown(image, n);
        // A record the dialog shows as an empty channel is its bytes alone.
        if (entry.fields.front().value.empty()) entry.fields.clear();
        if (entry.fields.empty() || !FieldsGiveBackRecord(image, n, entry))
            entry.record = BytesAt(image, at, layout::kChannelSize);
    }

    const Ownership& owners = Owners();
    for (std::size_t k = 0; k < owners.fields.size(); ++k) {
        const form::FieldRef& ref = owners.fields[k];
        FieldEntry entry{ref, ShownValue(ref, image), std::nullopt, {}};
        RadioImage again = image;
        const bool stores =
            !owners.shared[k] && ApplyTyped(ref, entry.value, again) && again == image;
        if (!stores) entry.bytes = BytesAt(image, ref.Decl().at.offset, ref.Decl().at.size);
        model.fields.push_back(std::move(entry));
    }

    model.contacts = ContactEntriesOf(image);
    RadioImage contactsAgain = image;
    contactsAgain.FillFF(kContactRegion, kContactRegionEnd - kContactRegion);
    if (!StoreContactEntries(model.contacts, contactsAgain) || !(contactsAgain == image))
        model.contactBytes =
            RunsOf(image, kContactRegion, kContactRegionEnd, [](std::size_t) { return true; });

    const std::map<int, std::string> names = NamesBySlot(model.contacts);
    const std::vector<NamedContact> named = NamedContacts(model.contacts);
    for (int n = 1; n <= layout::kGroupListCount; ++n) {
        GroupListEntry& entry = model.groupLists[static_cast<std::size_t>(n - 1)];
        const std::vector<int> slots = grouplist::Members(image, n);
        entry.members = MemberNames(slots, names);
        RadioImage again = image;
        grouplist::Write(again, n, slots);
        std::vector<int> fromNames;
        if (!GroupListMembersFault(entry.members, named, fromNames).empty() || fromNames != slots ||
            !(again == image))
            entry.bytes = BytesAt(image, grouplist::ListOffset(n), layout::kGroupListSize);
    }

    model.raw = RunsOf(image, 0, RadioImage::kSize, IsRawByte);
    return model;
}

// ---- Import -------------------------------------------------------------------

Status BuildCodeplugImage(const CodeplugModel& model, const AppSettings& settings,
                          RadioImage& image, std::vector<std::string>* corrections) {
    RadioImage built;  // all 0xFF
    if (Status s = WriteRuns(model.raw, IsRawByte,
                             Tr("interchange", "the byte at %1 is not one no field owns"), built);
        !s)
        return s;
    if (Status s = BuildChannels(model, settings, built, corrections); !s) return s;

    const std::map<int, std::string> names = NamesBySlot(model.contacts);
    const std::vector<NamedContact> named = NamedContacts(model.contacts);
    for (int n = 1; n <= layout::kGroupListCount; ++n) {
        const GroupListEntry& entry = model.groupLists[static_cast<std::size_t>(n - 1)];
        if (entry.bytes) {
            std::copy(entry.bytes->begin(), entry.bytes->end(),
                      built.Data() + grouplist::ListOffset(n));
            if (MemberNames(grouplist::Members(built, n), names) == entry.members) continue;
        }
        std::vector<int> slots;
        if (const std::string fault = GroupListMembersFault(entry.members, named, slots);
            !fault.empty())
            return ErrorAt(entry.place, Fill(Tr("interchange", "group rx list %1: %2"),
                                             {std::to_string(n), fault}));
        grouplist::Write(built, n, slots);
    }

    bool contactsAsStored = false;
    if (model.contactBytes) {
        if (Status s =
                WriteRuns(*model.contactBytes, InContactRegion,
                          Tr("interchange", "the byte at %1 is not a byte of the contacts"), built);
            !s)
            return s;
        contactsAsStored = SameContacts(ContactEntriesOf(built), model.contacts);
    }
    if (!contactsAsStored) {
        if (Status s = StoreContactEntries(model.contacts, built); !s) return s;
    }

    // Values as exported first (their bytes, or the value through its
    // control), then the values the user changed, so that a changed value
    // wins over another field on the same bits.
    std::vector<const FieldEntry*> changed;
    std::vector<std::string> notes;
    const auto apply = [&](const FieldEntry& f) {
        if (Status s = ApplyTyped(f.ref, f.value, built); !s) return ErrorAt(f.place, s.message());
        if (auto note =
                form::CorrectionNote(f.ref.Decl(), f.ref.Key(), f.value, ShownValue(f.ref, built)))
            notes.push_back(TextAt(f.place, *note));
        return Status::Ok();
    };
    for (const FieldEntry& f : model.fields) {
        if (f.bytes) {
            RadioImage shown = built;
            CopyFieldBits(f.ref.Decl(), f.bytes->data(), shown);
            if (ShownValue(f.ref, shown) != f.value) {
                changed.push_back(&f);
                continue;
            }
            CopyFieldBits(f.ref.Decl(), f.bytes->data(), built);
            continue;
        }
        if (Status s = apply(f); !s) return s;
    }
    for (const FieldEntry* f : changed)
        if (Status s = apply(*f); !s) return s;

    // The channels' dialog fields last: their lists name what is built above.
    // Records they change take the scan bitmap along, as the table's store does.
    const RadioImage channelsBefore = built;
    const BandLimits band = BandForImage(built, FreqRangeEntries(settings)).band;
    for (int n = 1; n <= layout::kChannelCount; ++n) {
        const ChannelEntry& entry = model.channels[static_cast<std::size_t>(n - 1)];
        if (!entry.present || entry.fields.empty()) continue;
        if (Status s = ApplyChannelFields(entry, n, entry.record.has_value(), band, built, &notes);
            !s)
            return s;
    }
    if (!std::equal(built.Data() + layout::kChannels, built.Data() + kChannelRegionEnd,
                    channelsBefore.Data() + layout::kChannels))
        RebuildScanMembership(built, band);

    image = built;
    if (corrections) corrections->insert(corrections->end(), notes.begin(), notes.end());
    return Status::Ok();
}

}  // namespace dpmr
