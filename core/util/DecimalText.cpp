// Exact decimal parsing and formatting of frequency, tone and time texts.
#include "util/DecimalText.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace dpmr {

namespace {

constexpr int kSignificantDigits = 15;

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::int64_t ScaleDecimalText(std::string_view text, int power) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Collect the significant digits and the decimal exponent of the last one.
    std::string digits;
    long exponent = 0;
    bool sawDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        sawDigit = true;
        if (!digits.empty() || text[i] != '0') digits.push_back(text[i]);
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        bool fractionDigit = false;
        while (j < text.size() && IsDigit(text[j])) {
            fractionDigit = true;
            if (!digits.empty() || text[j] != '0') digits.push_back(text[j]);
            --exponent;
            ++j;
        }
        if (sawDigit || fractionDigit) {
            sawDigit = true;
            i = j;
        }
    }
    if (!sawDigit) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
        if (j < text.size() && IsDigit(text[j])) {
            long e = 0;
            while (j < text.size() && IsDigit(text[j])) {
                if (e < 100000) e = e * 10 + (text[j] - '0');
                ++j;
            }
            exponent += expNegative ? -e : e;
        }
    }
    if (digits.empty()) return 0;

    // Round to 15 significant digits, half away from zero, as the platform's
    // decimal conversion of a double does.
    if (digits.size() > kSignificantDigits) {
        const bool roundUp = digits[kSignificantDigits] >= '5';
        exponent += static_cast<long>(digits.size() - kSignificantDigits);
        digits.resize(kSignificantDigits);
        if (roundUp) {
            int k = kSignificantDigits - 1;
            while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9') {
                digits[static_cast<std::size_t>(k)] = '0';
                --k;
            }
            if (k < 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            } else {
                ++digits[static_cast<std::size_t>(k)];
            }
        }
    }

    // value = digits × 10^(exponent + power), fraction cut off.
    const long shift = exponent + power;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    const long kept = static_cast<long>(digits.size()) + (shift < 0 ? shift : 0);
    for (long k = 0; k < kept; ++k) {
        const int d = digits[static_cast<std::size_t>(k)] - '0';
        if (value > (kMax - d) / 10) return negative ? -kMax : kMax;
        value = value * 10 + d;
    }
    for (long k = 0; k < shift; ++k) {
        if (value > kMax / 10) return negative ? -kMax : kMax;
        value *= 10;
    }
    return negative ? -value : value;
}

std::int32_t ScaleDecimalText32(std::string_view text, int power) {
    const std::int64_t v = ScaleDecimalText(text, power);
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

std::optional<std::int32_t> ScanInt(std::string_view text, std::size_t* consumed) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    std::int64_t v = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (v < (std::int64_t{1} << 40)) v = v * 10 + (text[i] - '0');
        ++i;
    }
    if (negative) v = -v;
    if (consumed) *consumed = i;
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

std::string FormatScaled(std::int64_t value, int decimals) {
    std::string sign;
    std::uint64_t magnitude = 0;
    if (value < 0) {
        sign = "-";
        magnitude = static_cast<std::uint64_t>(-(value + 1)) + 1;
    } else {
        magnitude = static_cast<std::uint64_t>(value);
    }
    std::uint64_t scale = 1;
    for (int k = 0; k < decimals; ++k) scale *= 10;
    std::string text = sign + std::to_string(magnitude / scale);
    if (decimals > 0) {
        std::string fraction = std::to_string(magnitude % scale);
        text += '.';
        text += std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

std::optional<std::int64_t> ParseDecimalText(std::string_view text, int power) {
    std::string_view rest = text;
    if (!rest.empty() && rest.front() == '-') rest.remove_prefix(1);
    int digits = 0;
    int points = 0;
    for (char c : rest) {
        if (IsDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1) return std::nullopt;
    return ScaleDecimalText(text, power);
}

bool IsExponentNumber(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos) return false;
    std::string_view mantissa = text.substr(0, e);
    std::string_view exponent = text.substr(e + 1);
    const auto dropSign = [](std::string_view& part) {
        if (!part.empty() && (part.front() == '-' || part.front() == '+')) part.remove_prefix(1);
    };
    dropSign(mantissa);
    dropSign(exponent);
    int digits = 0;
    int points = 0;
    for (char c : mantissa) {
        if (IsDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1 && !exponent.empty() &&
           std::all_of(exponent.begin(), exponent.end(), IsDigit);
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    long long v = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace dpmr
