// CodeplugModel: the whole radio image as a person reads it: the 16 channels
// by the channel table's columns, every settings field by its key with the
// text its control shows, the contacts and group receive lists by name, and
// the bytes no field owns. The YAML file and `dpmrtool diff` are both made
// from it, and an image is built back from it through the editors' own rules.
//
// Nothing is lost: where an entry's value would not store its bytes again (a
// value out of range, a code no list has, a record the table shows only part
// of), the entry keeps its bytes beside the value. Building the image, bytes
// win while the value is the one they show; a value that differs is the
// user's edit and goes through the rules of its control.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/AppSettings.h"
#include "dialogs/DialogRegistry.h"
#include "image/ImageLayout.h"
#include "image/RadioImage.h"
#include "util/Result.h"

namespace dpmr {

using ByteString = std::vector<std::uint8_t>;

// Where an entry was read from (1-based; 0 when it was not read from a file).
struct SourcePlace {
    int line = 0;
    int column = 0;
};

// The channel table's columns, in its order ("Rx Freq" .. "Channel type").
inline constexpr int kChannelColumns = 8;
const std::array<std::string, kChannelColumns>& ChannelColumnNames();

// One field of the "Channel edit" dialog by its key ("tx_contact") and the
// text its control shows ("Base").
struct ChannelFieldValue {
    std::string key;
    std::string value;
    SourcePlace place;
};

struct ChannelEntry {
    // False: the record is in its empty state (`null` in the file).
    bool present = false;
    // The dialog's fields, in its order; a file may leave any out.
    std::vector<ChannelFieldValue> fields;
    // Files of earlier releases: the cells as the table shows them; nothing
    // for a cell the file leaves out.
    std::array<std::optional<std::string>, kChannelColumns> cells{};
    // The 32 bytes of the record, where the fields would not store them again
    // (earlier releases always wrote them).
    std::optional<ByteString> record;
    SourcePlace place;
    std::array<SourcePlace, kChannelColumns> cellPlaces{};
};

struct FieldEntry {
    form::FieldRef ref;
    std::string value;
    std::optional<ByteString> bytes;  // the field's bytes (whole bytes for a bit field)
    SourcePlace place;
};

struct CodeplugContact {
    std::string name;
    std::string number;
    bool groupCall = true;
    int slot = 0;  // 1..64; 0: the first slot no other entry names
    SourcePlace place;
};

struct GroupListEntry {
    std::vector<std::string> members;  // contact names
    std::optional<ByteString> bytes;   // the list's 8 bytes
    SourcePlace place;
};

// Bytes from an address on.
struct ByteRun {
    std::size_t at = 0;
    ByteString bytes;
    SourcePlace place;
};

struct CodeplugModel {
    std::array<ChannelEntry, layout::kChannelCount> channels{};
    std::vector<FieldEntry> fields;
    std::vector<CodeplugContact> contacts;
    // The contact index and records, when the contacts above would not store
    // them again; bytes not listed are 0xFF.
    std::optional<std::vector<ByteRun>> contactBytes;
    std::array<GroupListEntry, layout::kGroupListCount> groupLists{};
    // Every byte no entry above owns that is not 0xFF.
    std::vector<ByteRun> raw;
};

// The model of an image.
CodeplugModel ExportCodeplug(const RadioImage& image);

// The fields of the settings dialogs (all fields but the channels').
const std::vector<form::FieldRef>& SettingsFields();
// The channel dialog's fields a file names, in the dialog's order: every
// field that stores something, but the hidden "Only rx" list (always 0).
const std::vector<std::size_t>& ChannelFileFields();

// Builds an image from a model (fields, channels, contacts or lists left out
// of it stay 0xFF). Edited channel cells go through the channel table of
// `settings`. A value that is no entry of its list, an unknown contact name, a
// contact page edit it would refuse: the message starts "line L, column C: ".
// A value its control stores other than written (a number brought into
// range, a frequency moved to the raster) adds a line to `corrections`:
// "line L, column C: option.tot: "125" stored as 120 (30 to 600 in steps of 10)".
Status BuildCodeplugImage(const CodeplugModel& model, const AppSettings& settings,
                          RadioImage& image, std::vector<std::string>* corrections = nullptr);

// Whether a byte belongs to no entry of the model (raw).
bool IsRawByte(std::size_t offset);

// Text as the file shows it: printable ASCII and whole UTF-8 characters stay,
// any other byte becomes "?".
std::string ReadableText(const std::string& text);

// "0A1B" and back (nothing for text that is no even run of hex digits).
std::string HexText(const std::uint8_t* data, std::size_t size);
std::optional<ByteString> ParseHexText(const std::string& text);

// "line L, column C: message" (just the message without a place).
Status ErrorAt(const SourcePlace& place, const std::string& message);
std::string TextAt(const SourcePlace& place, const std::string& message);

}  // namespace dpmr
