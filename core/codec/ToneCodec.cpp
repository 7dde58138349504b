// CTCSS and DCS tone encoding, the tone list and the typed-tone normaliser.
#include "codec/ToneCodec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

#include "util/DecimalText.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

constexpr std::array<int, 51> kCtcssTenths{
    630,  670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,
    1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514,
    1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928,
    1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

constexpr std::array<int, 107> kDcsCodes{
    17,  23,  25,  26,  31,  32,  36,  43,  47,  50,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
    612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

std::string DcsText(int code, char suffix) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "D%03d%c", code, suffix);
    return buf;
}

bool Contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// scanf-style match of a literal prefix followed by "%d".
std::optional<std::int32_t> ScanAfter(std::string_view text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
    return ScanInt(text.substr(prefix.size()));
}

// Blanks, digits and at most one point: a CTCSS value kept as the user typed it.
bool IsPlainNumber(std::string_view text) {
    int points = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
        } else if (!std::isdigit(static_cast<unsigned char>(c)) &&
                   !std::isspace(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return points <= 1;
}

// The DCS number of a typed tone without a point, upper-cased: patterns tried
// in order; "%dN" takes any text that starts with a number, so a plain number
// is read as a DCS code.
std::optional<std::int32_t> TypedDcsNumber(std::string_view upper) {
    for (std::string_view prefix : {"D", "DN", "DI", "ND", "ID", "N", "I"})
        if (auto n = ScanAfter(upper, prefix)) return n;
    return ScanInt(upper);
}

}  // namespace

const std::vector<std::string>& ToneList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> tones;
        tones.reserve(266);
        tones.emplace_back("None");
        for (int t : kCtcssTenths) tones.push_back(FormatScaled(t, 1));
        for (int c : kDcsCodes) tones.push_back(DcsText(c, 'N'));
        for (int c : kDcsCodes) tones.push_back(DcsText(c, 'I'));
        return tones;
    }();
    return list;
}

ToneCode ToneCodeFromText(std::string_view text) {
    if (Contains(text, 'D')) {
        // A DCS code: the number after the first character, octal digits kept
        // as written. Numbers beyond what the two bytes can hold are limited,
        // and an inverted code never reaches hi = 0xFF, which reads as "None".
        const bool normal = Contains(text, 'N');
        std::int32_t n = text.size() > 1 ? ScanInt(text.substr(1)).value_or(0) : 0;
        n = std::clamp(n, 0, normal ? 6399 : 6299);
        const unsigned base = normal ? 0x80 : 0xC0;
        return {ToBcdByte(static_cast<unsigned>(n % 100)),
                static_cast<std::uint8_t>(base + static_cast<unsigned>(n / 100))};
    }
    if (text == "None") return {0xFF, 0xFF};
    // hi must stay below 0x80, or the bytes would read back as a DCS code.
    const std::int64_t v = std::clamp<std::int64_t>(ScaleDecimalText(text, 1), 0, 7999);
    return {ToBcdByte(static_cast<unsigned>(v % 100)),
            ToBcdByte(static_cast<unsigned>((v / 100) % 100))};
}

std::string ToneCodeToText(ToneCode code) {
    if (code.hi == 0xFF || code.hi == 0x00) return "None";
    if (code.hi < 0x80) {
        const unsigned v = FromBcdByte(code.hi) * 100 + FromBcdByte(code.lo);
        return FormatScaled(v, 1);
    }
    const bool inverted = code.hi >= 0xC0;
    const unsigned d = code.hi - (inverted ? 0xC0u : 0x80u);
    std::string text = d == 0 ? "D0" : "D";
    text += std::to_string(d * 100 + FromBcdByte(code.lo));
    text += inverted ? 'I' : 'N';
    return text;
}

void NormalizeToneText(std::string& text) {
    if (text.empty()) return;
    for (char& c : text)
        c = c == ',' ? '.' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

    if (!Contains(text, '.')) {
        const std::optional<std::int32_t> n = TypedDcsNumber(text);
        if (n) {
            if (*n > 0 && *n < 778) {
                char buf[16];
                std::snprintf(buf, sizeof buf, Contains(text, 'I') ? "D%03dI" : "D%03dN",
                              static_cast<int>(*n));
                text = buf;
            } else {
                text = "None";
            }
            return;
        }
        const std::int64_t v = ScaleDecimalText(text, 1);
        text = (v >= 600 && v <= 2800) ? FormatScaled(v, 1) : "None";
        return;
    }
    const std::int64_t v = ScaleDecimalText(text, 1);
    if (v < 600 || v > 2800) {
        text = "None";
    } else if (!IsPlainNumber(text)) {
        // "88.5D" would be stored as a DCS code: show the tone that is stored.
        text = FormatScaled(v, 1);
    }
}

TypedTone TakeTypedTone(std::string_view typed) {
    TypedTone tone;
    tone.text = typed;
    NormalizeToneText(tone.text);
    const std::string said(typed);
    if (tone.text.empty()) return tone;
    // The CTCSS tone a plain number also names, when it is one: 67 -> 67.0.
    const bool number = std::all_of(typed.begin(), typed.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
    const std::int64_t tenths = number ? ScaleDecimalText(typed, 1) : 0;
    const std::string ctcss =
        tenths >= 600 && tenths <= 2800 ? FormatScaled(tenths, 1) : std::string();
    // DCS codes are octal: "D088N" names no code the radio can send.
    std::string upper(typed);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::optional<std::int32_t> dcs =
        Contains(upper, '.') || Contains(upper, ',') ? std::nullopt : TypedDcsNumber(upper);
    if (dcs && std::to_string(*dcs).find_first_of("89") != std::string::npos) {
        tone.refused = true;
        tone.notice = ctcss.empty()
                          ? Fill(Tr("codec",
                                    "%1 is not a DCS code (DCS codes use the digits 0 to 7): left "
                                    "as it was"),
                                 {said})
                          : Fill(Tr("codec",
                                    "%1 is not a DCS code (DCS codes use the digits 0 to 7); type "
                                    "%2 for %2 Hz: left as it was"),
                                 {said, ctcss});
    } else if (tone.text.front() == 'D') {
        if (number)
            tone.notice = ctcss.empty()
                              ? Fill(Tr("codec", "%1 was taken as DCS %2"), {said, tone.text})
                              : Fill(Tr("codec", "%1 was taken as DCS %2; type %3 for %3 Hz"),
                                     {said, tone.text, ctcss});
    } else if (tone.text == "None" && !EqualsIgnoringCase(typed, "None")) {
        tone.notice = NotAToneNotice(typed);
    }
    return tone;
}

std::string NotAToneNotice(std::string_view typed) {
    return Fill(Tr("codec", "%1 is not a tone: set to None"), {QuoteInput(typed)});
}

bool IsNonStandardDcs(ToneCode code) {
    if (code.hi == 0xFF || code.hi < 0x80) return false;
    const unsigned d = code.hi - (code.hi >= 0xC0 ? 0xC0u : 0x80u);
    // The number as its text shows it: octal digits read as decimal ones.
    const auto number = static_cast<int>(d * 100 + FromBcdByte(code.lo));
    return std::find(kDcsCodes.begin(), kDcsCodes.end(), number) == kDcsCodes.end() ||
           (code.lo & 0x0F) > 9 || (code.lo >> 4) > 9;
}

ToneCode ReadToneCode(const RadioImage& image, std::size_t off) {
    return {image.U8(off), image.U8(off + 1)};
}

void WriteToneCode(RadioImage& image, std::size_t off, ToneCode code) {
    image.SetU8(off, code.lo);
    image.SetU8(off + 1, code.hi);
}

}  // namespace dpmr
