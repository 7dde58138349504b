// Reading and writing the fields of one contact record, and the order table.
#include "dpmr/ContactRecord.h"

#include <algorithm>
#include <cctype>

#include "form/DtmfSymbols.h"
#include "image/ImageLayout.h"

namespace dpmr {

std::uint8_t ContactCharToCode(char c) {
    if (c == '*') return 0x0A;
    // The hexadecimal digits share the DTMF symbol values.
    if (std::isxdigit(static_cast<unsigned char>(c)) != 0) return DtmfCharToCode(c);
    return 0xFF;
}

std::optional<char> ContactCodeToChar(std::uint8_t code) {
    if (code == 0x0A) return '*';
    if (code <= 0x09) return static_cast<char>('0' + code);
    return std::nullopt;
}

namespace contact {

std::size_t SlotOffset(int slot) {
    return layout::kContactRecords +
           layout::kContactRecordSize * static_cast<std::size_t>(slot - 1);
}

std::optional<int> SlotAt(std::size_t offset) {
    if (offset < layout::kContactRecords || offset > layout::kContactLastRecord ||
        (offset - layout::kContactRecords) % layout::kContactRecordSize != 0)
        return std::nullopt;
    return static_cast<int>((offset - layout::kContactRecords) / layout::kContactRecordSize) + 1;
}

bool InUse(const RadioImage& image, std::size_t record) {
    return image.U8(record + kNumber) != 0xFF;
}

std::string Number(const RadioImage& image, std::size_t record) {
    std::string number;
    for (std::size_t k = 0; k < kNumberSize; ++k) {
        const std::optional<char> c = ContactCodeToChar(image.U8(record + kNumber + k));
        if (!c) break;
        number.push_back(*c);
    }
    return number;
}

std::string Name(const RadioImage& image, std::size_t record) {
    return image.Text(record + kName, kNameSize);
}

std::string PrintableName(const RadioImage& image, std::size_t record) {
    std::string name;
    for (std::size_t k = 0; k < kNameSize; ++k) {
        const std::uint8_t b = image.U8(record + kName + k);
        if (b < 0x20 || b >= 0x7F) break;
        name.push_back(static_cast<char>(b));
    }
    return name;
}

bool IsGroupCall(const RadioImage& image, std::size_t record) {
    return image.Bit(record + kType, kGroupCallBit);
}

void WriteNumber(RadioImage& image, std::size_t record, std::string_view number) {
    image.FillFF(record + kNumber, kNumberSize);
    const std::string padded = PadSevenDigits(number);
    for (std::size_t k = 0; k < padded.size(); ++k) {
        if (kContactNumberChars.find(padded[k]) == std::string_view::npos) break;
        image.SetU8(record + kNumber + k, ContactCharToCode(padded[k]));
    }
}

void WriteName(RadioImage& image, std::size_t record, const std::string& name) {
    image.SetText(record + kName, kNameSize, name);
}

void SetGroupCall(RadioImage& image, std::size_t record, bool group) {
    image.SetBit(record + kType, kGroupCallBit, group);
}

void WriteNew(RadioImage& image, std::size_t record, std::string_view number,
              const std::string& name) {
    WriteNumber(image, record, number);
    image.SetU8(record + kType, 0x01);
    WriteName(image, record, name);
}

void Free(RadioImage& image, std::size_t record) {
    image.FillFF(record, layout::kContactRecordSize);
}

std::optional<std::size_t> FirstFreeRecord(const RadioImage& image,
                                           const std::set<std::size_t>& taken) {
    // A record the order table does not list holds no contact anyone sees
    // (an all-00 or random image has 64 of them): it is as free as an erased
    // one.
    const std::vector<std::size_t> listed = ListedOffsets(image);
    for (int slot = 1; slot <= layout::kContactCount; ++slot) {
        const std::size_t p = SlotOffset(slot);
        if (taken.contains(p)) continue;
        if (!InUse(image, p) || std::find(listed.begin(), listed.end(), p) == listed.end())
            return p;
    }
    return std::nullopt;
}

std::vector<std::size_t> ListedOffsets(const RadioImage& image) {
    std::vector<std::size_t> offsets;
    for (int k = 0; k < layout::kContactCount; ++k) {
        const std::size_t p = image.U16Le(layout::kContactIndex + 2 * static_cast<std::size_t>(k));
        // An entry outside the record area (0xFFFF, unused) ends the list.
        if (p < layout::kContactRecords || p > layout::kContactLastRecord) break;
        // One that points between records would make every later write
        // straddle two contacts: it alone is passed over, so that the
        // contacts after it, and the channels that call them, are kept.
        if (!SlotAt(p)) continue;
        if (std::find(offsets.begin(), offsets.end(), p) == offsets.end()) offsets.push_back(p);
    }
    return offsets;
}

}  // namespace contact

}  // namespace dpmr
