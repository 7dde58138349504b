// The load, store, commit, spin and typing rules of the field kinds.
#include "form/FieldKinds.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "codec/FrequencyCodec.h"
#include "codec/ToneCodec.h"
#include "form/DtmfSymbols.h"
#include "util/DecimalText.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr::form {

namespace {

// ---- Raw values -----------------------------------------------------------

// A frequency is empty when its last byte is 0xFF or 0x00.
bool IsFrequencyEmpty(const Location& at, const RadioImage& image) {
    const std::uint8_t last = image.U8(at.offset + 3);
    return last == 0xFF || last == 0x00;
}

unsigned ReadRaw(const Location& at, const RadioImage& image) {
    if (at.size == 2) return image.U16Le(at.offset);
    return image.Bits(at.offset, at.lo, at.width);
}

void WriteRaw(const Location& at, unsigned value, RadioImage& image) {
    if (at.size == 2) {
        image.SetU16Le(at.offset, static_cast<std::uint16_t>(value & 0xFFFFu));
        return;
    }
    // Only the field's own bits change.
    image.SetBits(at.offset, at.lo, at.width, value & ((1u << at.width) - 1u));
}

// ---- Numbers --------------------------------------------------------------

int Multiplier(Scale scale) {
    switch (scale) {
        case Scale::kTimes20:
            return 20;
        case Scale::kTimes100:
            return 100;
        default:
            return 1;
    }
}

// Floor modulo, so that rounding down works for any typed value.
int Mod(int v, int m) {
    const int r = v % m;
    return r < 0 ? r + m : r;
}

int Clamp(long long v, int lo, int hi) {
    return static_cast<int>(std::clamp<long long>(v, lo, hi));
}

// The integer the rules work on: the number in the box, in tenths for
// tenths boxes. A box that holds no number counts as 0; the special word
// counts as its value.
int ShownValue(const NumberRule& rule, const std::string& text) {
    if (rule.special && !rule.specialWord.empty() && text == rule.specialWord)
        return *rule.special * Multiplier(rule.scale);
    if (rule.scale == Scale::kTenths) {
        long long tenths = ScaleDecimalText(text, 1);
        if (rule.byteWrap) tenths &= 0xFF;
        return Clamp(tenths, -1000000, 1000000);
    }
    return ScanInt(text).value_or(0);
}

std::string ShowValue(const NumberRule& rule, int shown) {
    if (rule.special && !rule.specialWord.empty() &&
        shown == *rule.special * Multiplier(rule.scale))
        return rule.specialWord;
    if (rule.scale == Scale::kTenths) return FormatScaled(shown, 1);
    return std::to_string(shown);
}

void LoadNumber(const FieldDecl& f, const RadioImage& image, ControlState& s) {
    const NumberRule& rule = f.number;
    int stored = static_cast<int>(ReadRaw(f.at, image));
    // The range is in shown units (milliseconds for the scaled boxes).
    const int shown = stored * Multiplier(rule.scale);
    if (rule.loadOutside && (shown < rule.min || shown > rule.max)) stored = *rule.loadOutside;
    s.text = ShowValue(rule, stored * Multiplier(rule.scale));
}

void StoreNumber(const FieldDecl& f, const std::string& text, RadioImage& image) {
    const NumberRule& rule = f.number;
    long long stored = 0;
    if (text.empty() && rule.emptyStores) {
        stored = *rule.emptyStores;
    } else if (rule.special && !rule.specialWord.empty() && text == rule.specialWord) {
        stored = *rule.special;
    } else if (rule.scale == Scale::kTenths) {
        stored = ScaleDecimalText(text, 1);
    } else {
        stored = ScanInt(text).value_or(0) / Multiplier(rule.scale);
    }
    // The low byte(s) of the number, as the radio's byte (or word) holds it.
    WriteRaw(f.at, static_cast<unsigned>(stored & 0xFFFF), image);
}

std::string CommitNumber(const NumberRule& rule, const std::string& text) {
    switch (rule.commit) {
        case NumberCommit::kNone:
            return text;
        case NumberCommit::kClamp: {
            const int v = ShownValue(rule, text);
            if (rule.keepTyped && !text.empty() && v >= rule.min && v <= rule.max) return text;
            return ShowValue(rule, Clamp(v, rule.min, rule.max));
        }
        case NumberCommit::kStepDown: {
            const int v = ShownValue(rule, text);
            return ShowValue(rule, Clamp(v - Mod(v, rule.step), rule.min, rule.max));
        }
        case NumberCommit::kValidate: {
            const int v = ShownValue(rule, text);
            if (v < rule.min || v > rule.max) return rule.invalidText;
            if (!rule.reformat) return text;
            return ShowValue(rule, v - Mod(v, rule.step));
        }
    }
    return text;
}

std::string SpinNumber(const NumberRule& rule, const std::string& text, int step) {
    const int v = ShownValue(rule, text);
    const int off = Mod(v, rule.step);
    // A value on the grid moves one step; one between two grid points moves
    // to the neighbouring point in the step's direction.
    int next = 0;
    if (step > 0)
        next = v - off + rule.step;
    else
        next = off != 0 ? v - off : v - rule.step;
    if (next > rule.max || next < rule.min) next = step > 0 ? rule.min : rule.max;
    return ShowValue(rule, next);
}

// ---- Strings --------------------------------------------------------------

bool InAlphabet(Alphabet alphabet, char c) {
    const auto u = static_cast<unsigned char>(c);
    switch (alphabet) {
        case Alphabet::kAny:
            // The radio shows single-byte characters: printable ASCII only.
            return u >= 0x20 && u < 0x7F;
        case Alphabet::kDigits:
            return std::isdigit(u) != 0;
        case Alphabet::kDecimal:
            return std::isdigit(u) != 0 || c == '.';
        case Alphabet::kDtmf:
            return kDtmfChars.find(c) != std::string_view::npos;
        case Alphabet::kHex:
            return std::isxdigit(u) != 0;
    }
    return false;
}

Alphabet AlphabetOf(const FieldDecl& f) {
    if (f.kind == FieldKind::kNumber)
        return f.number.scale == Scale::kTenths ? Alphabet::kDecimal : Alphabet::kDigits;
    if (f.kind == FieldKind::kFrequency) return Alphabet::kDecimal;
    return f.string.alphabet;
}

bool Uppercases(const FieldDecl& f) {
    return f.kind != FieldKind::kNumber && f.string.upper;
}

void LoadDigits(const FieldDecl& f, const RadioImage& image, ControlState& s) {
    const StringRule& rule = f.string;
    const std::size_t readable = rule.terminator ? f.at.size - 1 : f.at.size;
    std::string text = ReadDtmfSymbols(image, f.at.offset, readable);
    if (rule.terminator && !text.empty() && text.back() == '#') text.pop_back();
    if (rule.sevenDigits && (!text.empty() || rule.padEmptyOnLoad)) text = PadSevenDigits(text);
    s.text = text;
}

void StoreDigits(const FieldDecl& f, std::string text, RadioImage& image) {
    const StringRule& rule = f.string;
    if (rule.sevenDigits) text = PadSevenDigits(text);
    if (rule.terminator) {
        // Up to size-1 symbols, then the "#" that ends the code.
        const std::size_t room = f.at.size - 1;
        if (text.size() > room) text.resize(room);
        WriteDtmfSymbols(image, f.at.offset, room, text);
        if (!text.empty()) image.SetU8(f.at.offset + text.size(), 0x0F);
        return;
    }
    if (f.limit != 0 && text.size() > f.limit) text.resize(f.limit);
    WriteDtmfSymbols(image, f.at.offset, f.at.size, text);
}

std::string FormatHex(unsigned value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", value);
    return buf;
}

void StoreHex(const FieldDecl& f, const std::string& text, RadioImage& image) {
    unsigned value = f.string.emptyStores;
    if (!text.empty()) value = static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 16));
    if (f.at.size == 2)
        image.SetU16Le(f.at.offset, static_cast<std::uint16_t>(value & 0xFFFFu));
    else
        image.SetU8(f.at.offset, static_cast<std::uint8_t>(value & 0xFFu));
}

}  // namespace

ListItems ListItemsFor(const FieldDecl& f, const RadioImage& image) {
    if (f.kind == FieldKind::kTone) {
        // Every channel dialog, table row and file export has two tone
        // lists of the same few hundred items: made once, and shared.
        static const ListItems tones = [] {
            std::vector<ListItem> all;
            all.reserve(ToneList().size());
            for (const std::string& t : ToneList())
                all.push_back({t, static_cast<int>(all.size())});
            return ListItems(std::move(all));
        }();
        return tones;
    }
    std::vector<ListItem> items;
    items.reserve(f.list.items.size());
    for (std::size_t i = 0; i < f.list.items.size(); ++i) {
        const int code = i < f.list.codes.size() ? f.list.codes[i] : static_cast<int>(i);
        items.push_back({f.list.items[i], code});
    }
    if (f.list.source) {
        const ListItems more = f.list.source(image);
        items.insert(items.end(), more.begin(), more.end());
    }
    return items;
}

bool HasItems(const FieldDecl& f) {
    return f.kind == FieldKind::kList || f.kind == FieldKind::kTone;
}

bool SameEntries(const FieldDecl& a, const FieldDecl& b) {
    if (!HasItems(a) || a.kind != b.kind) return false;
    if (a.kind == FieldKind::kTone) return true;
    return a.list.source == b.list.source && a.list.items == b.list.items &&
           a.list.codes == b.list.codes;
}

void LoadField(const FieldDecl& f, const RadioImage& image, ControlState& s) {
    // A control that stores nothing keeps what it shows.
    if (f.at.size == 0) return;
    switch (f.kind) {
        case FieldKind::kList: {
            if (!f.list.loaded) break;
            const int code = static_cast<int>(ReadRaw(f.at, image));
            int index = FindItemData(s.items, code);
            if (index < 0) index = code < f.list.noItemBelow ? -1 : f.list.loadFallback;
            s.selected = index < static_cast<int>(s.items.size()) ? index : -1;
            break;
        }
        case FieldKind::kNumber:
            LoadNumber(f, image, s);
            break;
        case FieldKind::kCheck:
            s.checked = ReadRaw(f.at, image) != 0;
            break;
        case FieldKind::kText:
            s.text = image.Text(f.at.offset, f.at.size);
            break;
        case FieldKind::kDigits:
            LoadDigits(f, image, s);
            break;
        case FieldKind::kHex:
            s.text = FormatHex(ReadRaw(f.at, image));
            break;
        case FieldKind::kFrequency:
            s.text = IsFrequencyEmpty(f.at, image)
                         ? std::string()
                         : FrequencyToText(BcdFrequency(image, f.at.offset));
            break;
        case FieldKind::kTone:
            // A tone the list lacks (a free CTCSS value) shows its own text.
            s.text = ToneCodeToText(ReadToneCode(image, f.at.offset));
            s.selected = FindItemText(s.items, s.text);
            break;
    }
    if (CommitsAfterLoad(f)) s.text = CommitText(f, s.text);
}

void StoreField(const FieldDecl& f, const ControlState& s, RadioImage& image) {
    if (f.at.size == 0) return;
    const std::string text = CommitsBeforeStore(f) ? CommitText(f, s.text) : s.text;
    switch (f.kind) {
        case FieldKind::kList: {
            const bool chosen = s.selected >= 0 && s.selected < static_cast<int>(s.items.size());
            const int code =
                chosen ? s.items[static_cast<std::size_t>(s.selected)].data : f.list.storeNone;
            WriteRaw(f.at, static_cast<unsigned>(code), image);
            break;
        }
        case FieldKind::kNumber:
            StoreNumber(f, text, image);
            break;
        case FieldKind::kCheck:
            WriteRaw(f.at, s.checked ? 1u : 0u, image);
            break;
        case FieldKind::kText:
            image.SetText(f.at.offset, f.at.size, text);
            break;
        case FieldKind::kDigits:
            StoreDigits(f, text, image);
            break;
        case FieldKind::kHex:
            StoreHex(f, text, image);
            break;
        case FieldKind::kFrequency:
            // Typed text is stored as it stands: no band clamp, no raster snap.
            if (text.empty())
                image.FillFF(f.at.offset, 4);
            else
                SetBcdFrequency(image, f.at.offset, FrequencyFromText(text));
            break;
        case FieldKind::kTone:
            // No text (nothing chosen) is a CTCSS code of 0, which shows as "None".
            WriteToneCode(image, f.at.offset, ToneCodeFromText(text));
            break;
    }
}

std::string CommitText(const FieldDecl& f, const std::string& text) {
    if (f.kind == FieldKind::kNumber) return CommitNumber(f.number, text);
    if (f.kind == FieldKind::kDigits && f.string.sevenDigits)
        return NormalizeSevenDigitId(text, f.string.replacement);
    return text;
}

bool CommitsAfterLoad(const FieldDecl& f) {
    if (f.kind == FieldKind::kNumber) return f.number.commitAfterLoad;
    if (f.kind == FieldKind::kDigits) return f.string.commitAfterLoad;
    return false;
}

bool CommitsBeforeStore(const FieldDecl& f) {
    if (f.kind == FieldKind::kNumber) return f.number.commitBeforeStore;
    if (f.kind == FieldKind::kDigits) return f.string.commitBeforeStore;
    return false;
}

std::optional<std::string> SpinText(const FieldDecl& f, const std::string& text, int step) {
    if (!f.HasSpin() || step == 0) return std::nullopt;
    return SpinNumber(f.number, text, step > 0 ? 1 : -1);
}

std::optional<char> TypedChar(const FieldDecl& f, char c) {
    // A comma typed into a frequency is its decimal point.
    if (f.kind == FieldKind::kFrequency && c == ',') c = '.';
    if (Uppercases(f) && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!InAlphabet(AlphabetOf(f), c)) return std::nullopt;
    return c;
}

std::string TypedText(const FieldDecl& f, std::string_view text) {
    std::string out;
    for (char c : text) {
        if (f.limit != 0 && out.size() >= f.limit) break;
        if (const std::optional<char> t = TypedChar(f, c)) out.push_back(*t);
    }
    return out;
}

namespace {

// Whether `shown` is the value `text` stands for, in the field's own terms.
bool SameValue(const FieldDecl& f, const std::string& text, const std::string& shown) {
    if (text == shown) return true;
    const auto allOf = [&](Alphabet a) {
        return !text.empty() &&
               std::all_of(text.begin(), text.end(), [&](char c) { return InAlphabet(a, c); });
    };
    switch (f.kind) {
        case FieldKind::kFrequency:
        case FieldKind::kNumber: {
            if (!allOf(AlphabetOf(f))) return false;
            // Compared as exact decimals: "1.50" is 1.5, "1.05" is not 1.0.
            const auto a = ParseDecimalText(text, 6);
            return a && a == ParseDecimalText(shown, 6);
        }
        case FieldKind::kHex:
            return allOf(Alphabet::kHex) && text.size() <= 8 &&
                   std::strtoul(text.c_str(), nullptr, 16) ==
                       std::strtoul(shown.c_str(), nullptr, 16) &&
                   !shown.empty();
        case FieldKind::kTone:
            return EqualsIgnoringCase(text, shown);
        case FieldKind::kDigits:
            if (f.string.sevenDigits)
                return allOf(Alphabet::kDigits) && text.size() < 7 && PadSevenDigits(text) == shown;
            [[fallthrough]];
        default:
            // A box that upper-cases what is typed.
            return Uppercases(f) && EqualsIgnoringCase(text, shown);
    }
}

std::string AlphabetWords(Alphabet a) {
    switch (a) {
        case Alphabet::kAny:
            return Tr("form", "printable ASCII characters only");
        case Alphabet::kDigits:
            return Tr("form", "digits only");
        case Alphabet::kDecimal:
            return Tr("form", "digits and a point only");
        case Alphabet::kDtmf:
            return Tr("form", "0-9, A-D, * and # only");
        case Alphabet::kHex:
            return Tr("form", "hexadecimal digits only");
    }
    return "";
}

std::string RangeWords(const NumberRule& rule) {
    const auto show = [&](int v) {
        return rule.scale == Scale::kTenths ? FormatScaled(v, 1) : std::to_string(v);
    };
    if (rule.commit == NumberCommit::kStepDown && rule.step > 1)
        return Fill(Tr("form", "%1 to %2 in steps of %3"),
                    {show(rule.min), show(rule.max), show(rule.step)});
    return Fill(Tr("form", "%1 to %2"), {show(rule.min), show(rule.max)});
}

// Why the control changed what was typed: each rule that did, in order.
std::string CorrectionReason(const FieldDecl& f, const std::string& text) {
    if (f.kind == FieldKind::kList) return Tr("form", "no entry of the list");
    if (f.kind == FieldKind::kFrequency) return Tr("form", "band edges and the channel raster");
    if (f.kind == FieldKind::kTone)
        return Tr("form", "a CTCSS tone 60.0 to 280.0 Hz or a DCS code");
    if (f.kind == FieldKind::kCheck) return Tr("form", "0 or 1");
    std::vector<std::string> reasons;
    const Alphabet alphabet = AlphabetOf(f);
    const auto accepted = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [&](char c) { return TypedChar(f, c); }));
    if (accepted < text.size()) reasons.push_back(AlphabetWords(alphabet));
    const std::string typed = TypedText(f, text);
    if (f.limit != 0 && accepted > f.limit) {
        const bool digits = alphabet == Alphabet::kDigits || alphabet == Alphabet::kHex;
        reasons.push_back(
            Fill(digits ? Tr("form", "at most %1 digits") : Tr("form", "at most %1 characters"),
                 {std::to_string(f.limit)}));
    }
    if (CommitText(f, typed) != typed) {
        if (f.kind == FieldKind::kNumber)
            reasons.push_back(RangeWords(f.number));
        else if (f.kind == FieldKind::kDigits && f.string.sevenDigits &&
                 CommitText(f, typed) != PadSevenDigits(typed))
            reasons.push_back(Tr("form", "7 digits up to 9000000, not one digit and six 0s"));
    }
    if (reasons.empty()) return Tr("form", "as the radio keeps it");
    std::string all;
    for (const std::string& r : reasons) all += (all.empty() ? "" : "; ") + r;
    return all;
}

}  // namespace

std::optional<std::string> CorrectionNote(const FieldDecl& f, const std::string& key,
                                          const std::string& text, const std::string& shown) {
    if (SameValue(f, text, shown)) return std::nullopt;
    // The stored value is the program's own text, shown plainly unless it
    // could be misread (empty, blanks at an end).
    const bool plain = !shown.empty() && shown.front() != ' ' && shown.back() != ' ' &&
                       QuoteInput(shown) == "\"" + shown + "\"";
    return Fill(
        Tr("form", "%1: %2 stored as %3 (%4)"),
        {key, QuoteInput(text), plain ? shown : QuoteInput(shown), CorrectionReason(f, text)});
}

std::string ShownText(const FieldDecl& f, const ControlState& s) {
    switch (f.kind) {
        case FieldKind::kList:
            return s.SelectedText();
        case FieldKind::kCheck:
            return s.checked ? "1" : "0";
        default:
            return s.text;
    }
}

}  // namespace dpmr::form
