// DTMF symbol conversions and the 7-digit identity rule.
#include "form/DtmfSymbols.h"

#include <algorithm>

#include "util/DecimalText.h"

namespace dpmr {

std::uint8_t DtmfCharToCode(char c) {
    if (c == '#') return 0x0F;
    if (c == '*') return 0x0E;
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
    return 0xFF;
}

std::optional<char> DtmfCodeToChar(std::uint8_t code) {
    if (code == 0x0E) return '*';
    if (code == 0x0F) return '#';
    if (code <= 0x09) return static_cast<char>('0' + code);
    if (code <= 0x0D) return static_cast<char>('A' + code - 10);
    return std::nullopt;
}

std::string ReadDtmfSymbols(const RadioImage& image, std::size_t off, std::size_t maxLen) {
    std::string text;
    for (std::size_t k = 0; k < maxLen; ++k) {
        const std::optional<char> c = DtmfCodeToChar(image.U8(off + k));
        if (!c) break;
        text.push_back(*c);
    }
    return text;
}

void WriteDtmfSymbols(RadioImage& image, std::size_t off, std::size_t fieldLen,
                      std::string_view text) {
    image.FillFF(off, fieldLen);
    const std::size_t n = std::min(fieldLen, text.size());
    for (std::size_t k = 0; k < n; ++k) image.SetU8(off + k, DtmfCharToCode(text[k]));
}

std::string PadSevenDigits(std::string_view text) {
    if (text.size() >= 7) return std::string(text.substr(0, 7));
    return std::string(7 - text.size(), '0') + std::string(text);
}

bool IsValidSevenDigitId(std::string_view padded) {
    if (padded.size() == 7 && padded.substr(1) == "000000" && padded[0] >= '0' && padded[0] <= '9')
        return false;
    return ScanInt(padded).value_or(0) <= 9000000;
}

std::string NormalizeSevenDigitId(std::string_view text, const std::string& replacement) {
    std::string padded = PadSevenDigits(text);
    return IsValidSevenDigitId(padded) ? padded : replacement;
}

}  // namespace dpmr
