// ContactRecord: the radio's 16-byte dPMR contact record and the order table
// that lists the contacts. Slot k + 1 (1..64) is the record at 0x0540 + 16 k;
// channels and group receive lists name a contact by this slot number. A
// record holds the 7-character call number (+0..+6, one symbol a byte, "*" as
// 0x0A, a first byte 0xFF marks a free slot), the call type in bit 0 of +7
// (1: group call) and the name (+8..+15, 0xFF padding).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "image/RadioImage.h"

namespace dpmr {

// "*" gives 0x0A, a hexadecimal digit its value, anything else 0xFF.
std::uint8_t ContactCharToCode(char c);
// 0x0A gives "*", 0x00..0x09 the digit; anything else gives nothing (it ends
// a number).
std::optional<char> ContactCodeToChar(std::uint8_t code);

// The characters a contact number is made of.
inline constexpr std::string_view kContactNumberChars = "0123456789*";

namespace contact {

constexpr std::size_t kNumber = 0;
constexpr std::size_t kNumberSize = 7;
constexpr std::size_t kType = 7;
constexpr unsigned kGroupCallBit = 0;
constexpr std::size_t kName = 8;
constexpr std::size_t kNameSize = 8;

// Image offset of the record of slot 1..64.
std::size_t SlotOffset(int slot);
// The slot of a record offset; nothing for an offset that is not the start
// of a record.
std::optional<int> SlotAt(std::size_t offset);

// A record is in use unless the first byte of its number is 0xFF.
bool InUse(const RadioImage& image, std::size_t record);
// The number: up to 7 symbols, ending at the first byte that is no symbol.
std::string Number(const RadioImage& image, std::size_t record);
// The name: bytes up to the first 0xFF, at most 8.
std::string Name(const RadioImage& image, std::size_t record);
// The name as the group lists offer it: bytes while they are printable.
std::string PrintableName(const RadioImage& image, std::size_t record);
bool IsGroupCall(const RadioImage& image, std::size_t record);

// Number padded on the left with "0" to 7 characters; the symbols are written
// up to the first character that is no contact number character, the rest of
// the 7 bytes stays 0xFF.
void WriteNumber(RadioImage& image, std::size_t record, std::string_view number);
void WriteName(RadioImage& image, std::size_t record, const std::string& name);
// Sets or clears the group-call bit; the other bits of the byte stay.
void SetGroupCall(RadioImage& image, std::size_t record, bool group);
// Writes a contact into a free record as the contact page's Add does: the
// number, the type byte 0x01 (group call) and the name.
void WriteNew(RadioImage& image, std::size_t record, std::string_view number,
              const std::string& name);
// Fills the whole record with 0xFF.
void Free(RadioImage& image, std::size_t record);

// The first free record (lowest slot) whose offset is not in `taken`: one
// that is erased, or that the order table does not list.
std::optional<std::size_t> FirstFreeRecord(const RadioImage& image,
                                           const std::set<std::size_t>& taken = {});

// Record offsets of the listed contacts, in list order: the order table's
// entries up to the first one outside the record area (0x0540..0x0930). An
// entry inside it that is not the start of a record is passed over, and so is
// one that repeats an earlier entry, so that two rows never share one record.
std::vector<std::size_t> ListedOffsets(const RadioImage& image);

}  // namespace contact

}  // namespace dpmr
