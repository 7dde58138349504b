// The radio's identity in its configuration and in wire traces, replaced.
#include "report/ReportIdentity.h"

#include <sstream>

#include "dialogs/DialogRegistry.h"
#include "dpmr/ContactRecord.h"
#include "form/DtmfSymbols.h"
#include "link/WireTrace.h"

namespace dpmr {

namespace {

constexpr int kContacts = 64;

// The identity fields and what a report puts in their place.
struct IdentityField {
    const char* key;
    const char* placeholder;
    bool text;  // a name, else a digit string
};
constexpr IdentityField kFields[] = {
    {"dpmr.radio_id", "1000001", false},  {"dpmr.radio_name", "RADIO", true},
    {"dpmr.kill_code", "9999990", false}, {"dpmr.active_code", "9999991", false},
    {"alarm.digit_id", "1000001", false}, {"alarm.analog_id", "1000001", false},
};

ByteRange RangeOf(const char* key) {
    const auto field = form::FindField(key);
    return field ? ByteRange{field->Decl().at.offset, field->Decl().at.size} : ByteRange{};
}

}  // namespace

const std::vector<ByteRange>& IdentityRanges() {
    static const std::vector<ByteRange> ranges = [] {
        std::vector<ByteRange> all;
        for (const IdentityField& f : kFields) all.push_back(RangeOf(f.key));
        for (int slot = 1; slot <= kContacts; ++slot) {
            const std::size_t record = contact::SlotOffset(slot);
            all.push_back({record + contact::kNumber, contact::kNumberSize});
            all.push_back({record + contact::kName, contact::kNameSize});
        }
        return all;
    }();
    return ranges;
}

bool IsIdentityByte(std::size_t address) {
    for (const ByteRange& r : IdentityRanges())
        if (address >= r.offset && address < r.offset + r.size) return true;
    return false;
}

void ReplaceIdentity(RadioImage& image) {
    for (const IdentityField& f : kFields) {
        const ByteRange r = RangeOf(f.key);
        if (r.size == 0 || image.U8(r.offset) == 0xFF) continue;
        if (f.text)
            image.SetText(r.offset, r.size, f.placeholder);
        else
            WriteDtmfSymbols(image, r.offset, r.size, f.placeholder);
    }
    for (int slot = 1; slot <= kContacts; ++slot) {
        const std::size_t record = contact::SlotOffset(slot);
        if (!contact::InUse(image, record)) continue;
        const std::string two = (slot < 10 ? "0" : "") + std::to_string(slot);
        contact::WriteNumber(image, record, std::string("00000") + two);
        if (image.U8(record + contact::kName) != 0xFF)
            contact::WriteName(image, record, std::string("Name ") + two);
    }
}

std::string BlankIdentity(const std::string& traceText) {
    std::string out;
    std::istringstream in(traceText);
    for (std::string line; std::getline(in, line);) {
        TraceDataLine data;
        if (ParseTraceDataLine(line, data)) {
            // Two hexadecimal digits and a blank per byte.
            for (std::size_t at = data.bytesAt, address = data.address;
                 at + 1 < line.size() && line[at] != ' ' && line[at] != '('; at += 3, ++address)
                if (IsIdentityByte(address)) line.replace(at, 2, "xx");
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace dpmr
