// FieldDecl: the declaration of one control of a settings page: where its
// value lives in the image, what kind of value it is, and the few numbers and
// words its rules need. A page is a table of these (PageDecl); the rules of
// each kind (load, store, commit on leaving the control, one spin step) are in
// FieldKinds, the same for the dialogs, dpmrtool and the tests.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "form/ListItems.h"

namespace dpmr {
class RadioImage;
}

namespace dpmr::form {

// Where a value lives: `size` bytes from `offset`; for a field inside one
// byte, `width` bits from bit `lo` (bit 0 is the least significant). A size
// of 0 is a control that only shows a value and stores nothing.
struct Location {
    std::size_t offset = 0;
    std::size_t size = 1;
    unsigned lo = 0;
    unsigned width = 8;
    bool IsBitField() const { return size == 1 && width < 8; }
};
constexpr Location Byte(std::size_t off) {
    return {off, 1, 0, 8};
}
constexpr Location Word(std::size_t off) {
    return {off, 2, 0, 8};
}
constexpr Location Bytes(std::size_t off, std::size_t n) {
    return {off, n, 0, 8};
}
constexpr Location BitsAt(std::size_t off, unsigned lo, unsigned width) {
    return {off, 1, lo, width};
}
constexpr Location BitAt(std::size_t off, unsigned bit) {
    return {off, 1, bit, 1};
}
constexpr Location OnScreenOnly() {
    return {0, 0, 0, 8};
}

enum class FieldKind {
    kList,       // drop list: entries stand for stored codes
    kNumber,     // edit with a number, mostly with a spin
    kCheck,      // check box: one bit
    kText,       // characters one a byte, 0xFF padding
    kDigits,     // DTMF symbol string or 7-digit identity
    kHex,        // hexadecimal number of 1 or 2 bytes
    kFrequency,  // 4-byte BCD frequency in units of 10 Hz, shown in MHz
    kTone,       // 2-byte tone code, an editable list of the tone texts
};
const char* KindName(FieldKind kind);

// ---- Lists ----------------------------------------------------------------

// Entries a list takes from the document when the dialog opens (the
// contacts, the channels that hold a frequency, ...); they follow the fixed
// entries of the declaration. The layer that declares the field supplies it.
using ItemSource = ListItems (*)(const RadioImage& image);

struct ListRule {
    std::vector<std::string> items{};
    // The stored code of each entry; empty: the entry's position.
    std::vector<int> codes{};
    // The entry shown when the stored code has none (-1: nothing selected).
    int loadFallback = 0;
    // Stored codes below this that have no entry select nothing instead of
    // the fallback (the side-key lists: a function the list does not offer).
    int noItemBelow = 0;
    // Stored when nothing is selected.
    int storeNone = 0;
    ItemSource source = nullptr;
    // False: the list is never set from the image (it keeps what it shows).
    bool loaded = true;
};

// ---- Numbers --------------------------------------------------------------

// How a stored number is shown. The rules below work on the shown integer:
// seconds or counts (kUnits), tenths of a second (kTenths, shown "%.1f"), or
// milliseconds stored in steps of 20 or 100.
enum class Scale { kUnits, kTenths, kTimes20, kTimes100 };

// What leaving the box does with its text.
enum class NumberCommit {
    kNone,      // nothing
    kClamp,     // the number clamped to min..max (see `keepTyped`)
    kStepDown,  // rounded down to a multiple of step, then clamped
    kValidate,  // out of min..max: `invalidText`; else kept (or rewritten, see `reformat`)
};

struct NumberRule {
    Scale scale = Scale::kUnits;
    int min = 0;
    int max = 255;
    int step = 1;
    bool spin = true;
    NumberCommit commit = NumberCommit::kClamp;
    // Typed tenths are reduced to their low 8 bits before the commit and the
    // spin (the box is a byte of tenths).
    bool byteWrap = false;
    std::string invalidText{};  // kValidate
    bool reformat = false;      // kValidate: an accepted value is rewritten (rounded to step)
    bool keepTyped = false;     // kClamp: a value within min..max keeps the text as typed
    bool commitAfterLoad = false;
    bool commitBeforeStore = false;
    // A stored value shown as a word ("continue", "unlimited").
    std::optional<int> special{};
    std::string specialWord{};
    // A stored value outside min..max loads as this one.
    std::optional<int> loadOutside{};
    // Stored when the box is empty (otherwise an empty box stores 0).
    std::optional<int> emptyStores{};
};

// ---- Strings --------------------------------------------------------------

// Which typed characters an edit takes.
// kAny is every printable ASCII character (the radio's display has no others);
// kDecimal adds the point to the digits.
enum class Alphabet { kAny, kDigits, kDecimal, kDtmf, kHex };

struct StringRule {
    Alphabet alphabet = Alphabet::kAny;
    bool upper = false;  // typed letters are upper-cased
    // Kill code: up to size-1 symbols and one "#" (0x0F) after the last; a
    // trailing "#" is dropped on load.
    bool terminator = false;
    // 7-digit identity: padded to 7 characters, replaced when invalid.
    bool sevenDigits = false;
    std::string replacement{};
    bool padEmptyOnLoad = true;  // an erased identity shows "0000000"
    bool commitAfterLoad = false;
    bool commitBeforeStore = false;
    unsigned emptyStores = 0;  // hexadecimal edits: stored when empty
};

// ---- The declaration ------------------------------------------------------

struct FieldDecl {
    std::string key;    // stable lower-case name inside its page ("tot")
    std::string label;  // the text beside the control, exactly as shown
    std::string group;  // the group box or key group ("SK1"), else ""
    FieldKind kind = FieldKind::kNumber;
    Location at;
    std::size_t limit = 0;  // most characters an edit takes (0: no limit)
    bool hidden = false;    // created invisible (or cut off): loads and stores all the same
    // What the field does on the radio, its unit and range, what its
    // choices mean: the control's tooltip, What's This and accessible
    // description, `dpmrtool fields`, the comment above the key in the YAML
    // codeplug and the settings reference of the user guide.
    std::string help;
    // A line shown under the control (bytes another dialog also writes).
    std::string note;
    // The byte is another dialog's too, with another meaning: the page writes
    // it only when the user changed this control while the dialog was open.
    bool storedOnlyWhenChanged = false;
    ListRule list;
    NumberRule number;
    StringRule string;

    // Whether the control has a spin beside it.
    bool HasSpin() const { return kind == FieldKind::kNumber && number.spin; }

    // Chained modifiers for the tables.
    FieldDecl InGroup(std::string g) const;
    FieldDecl Hidden() const;
    FieldDecl Help(std::string h) const;
    FieldDecl Limit(std::size_t n) const;
    FieldDecl Note(std::string n) const;
    FieldDecl StoredOnlyWhenChanged() const;
};

// Builders. `items` are the entries in order; codes default to positions.
FieldDecl List(std::string key, std::string label, Location at, std::vector<std::string> items,
               int loadFallback, int storeNone);
FieldDecl CodedList(std::string key, std::string label, Location at, std::vector<std::string> items,
                    std::vector<int> codes, int loadFallback, int storeNone);
FieldDecl Check(std::string key, std::string label, Location at);
FieldDecl Number(std::string key, std::string label, Location at, NumberRule rule,
                 std::size_t limit);
FieldDecl Text(std::string key, std::string label, Location at, std::size_t limit);
FieldDecl Digits(std::string key, std::string label, Location at, std::size_t limit,
                 StringRule rule);
FieldDecl Hex(std::string key, std::string label, Location at, unsigned emptyStores);
FieldDecl Frequency(std::string key, std::string label, Location at, std::size_t limit);
FieldDecl Tone(std::string key, std::string label, Location at);

// "0", "1" .. the decimal texts of first..last.
std::vector<std::string> NumberTexts(int first, int last, int step = 1);

// A page: its key (the first half of every field's full key, "option"), the
// caption of its tab ("" for a dialog without tabs) and its fields in the
// order the dialog shows them.
struct PageDecl {
    std::string key;
    std::string caption;
    std::vector<FieldDecl> fields;
};

// A page of one record among several alike (a channel): `record` declares its
// fields at offsets relative to the record's first byte; the page returned
// has them at `base` on, under the key `key`.
PageDecl AtRecord(const PageDecl& record, std::string key, std::string caption, std::size_t base);

}  // namespace dpmr::form
