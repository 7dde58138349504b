// RadioImage accessors: bounds-checked typed reads and writes of the image.
#include "image/RadioImage.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstdlib>

namespace dpmr {

void RadioImage::CheckRange(std::size_t off, std::size_t len) {
    if (off > kSize || len > kSize - off) {
        // A bad offset is a bug in the program, never user input: stop rather
        // than corrupt memory, in release builds too.
        std::fprintf(stderr, "RadioImage: offset 0x%zx length %zu out of range\n", off, len);
        std::abort();
    }
}

std::uint8_t RadioImage::U8(std::size_t off) const {
    CheckRange(off, 1);
    return bytes_[off];
}

void RadioImage::SetU8(std::size_t off, std::uint8_t value) {
    CheckRange(off, 1);
    bytes_[off] = value;
}

unsigned RadioImage::Bits(std::size_t off, unsigned lo, unsigned width) const {
    assert(lo + width <= 8 && width > 0);
    return (U8(off) >> lo) & ((1u << width) - 1u);
}

void RadioImage::SetBits(std::size_t off, unsigned lo, unsigned width, unsigned value) {
    assert(lo + width <= 8 && width > 0);
    const unsigned mask = ((1u << width) - 1u) << lo;
    SetU8(off, static_cast<std::uint8_t>((U8(off) & ~mask) | ((value << lo) & mask)));
}

std::uint16_t RadioImage::U16Le(std::size_t off) const {
    CheckRange(off, 2);
    return static_cast<std::uint16_t>(bytes_[off] | (bytes_[off + 1] << 8));
}

void RadioImage::SetU16Le(std::size_t off, std::uint16_t value) {
    CheckRange(off, 2);
    bytes_[off] = static_cast<std::uint8_t>(value & 0xFF);
    bytes_[off + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint32_t RadioImage::Bcd2(std::size_t off) const {
    CheckRange(off, 2);
    return FromBcdByte(bytes_[off + 1]) * 100u + FromBcdByte(bytes_[off]);
}

void RadioImage::SetBcd2(std::size_t off, std::uint32_t value) {
    CheckRange(off, 2);
    for (std::size_t k = 0; k < 2; ++k) {
        bytes_[off + k] = ToBcdByte(value % 100);
        value /= 100;
    }
}

std::uint32_t RadioImage::Bcd4(std::size_t off) const {
    CheckRange(off, 4);
    std::uint32_t value = 0;
    for (std::size_t k = 4; k-- > 0;) value = value * 100u + FromBcdByte(bytes_[off + k]);
    return value;
}

void RadioImage::SetBcd4(std::size_t off, std::uint32_t value) {
    CheckRange(off, 4);
    for (std::size_t k = 0; k < 4; ++k) {
        bytes_[off + k] = ToBcdByte(value % 100);
        value /= 100;
    }
}

void RadioImage::Fill(std::size_t off, std::size_t len, std::uint8_t value) {
    CheckRange(off, len);
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(off), len, value);
}

std::string RadioImage::Text(std::size_t off, std::size_t len) const {
    CheckRange(off, len);
    std::string text;
    for (std::size_t k = 0; k < len && bytes_[off + k] != 0xFF; ++k)
        text.push_back(static_cast<char>(bytes_[off + k]));
    return text;
}

void RadioImage::SetText(std::size_t off, std::size_t len, const std::string& text) {
    FillFF(off, len);
    for (std::size_t k = 0; k < len && k < text.size(); ++k) {
        const auto c = static_cast<std::uint8_t>(text[k]);
        if (c == 0xFF) break;
        bytes_[off + k] = c;
    }
}

std::span<std::uint8_t> RadioImage::Span(std::size_t off, std::size_t len) {
    CheckRange(off, len);
    return {bytes_.data() + off, len};
}

std::span<const std::uint8_t> RadioImage::Span(std::size_t off, std::size_t len) const {
    CheckRange(off, len);
    return {bytes_.data() + off, len};
}

}  // namespace dpmr
