// RadioImage: the radio's 16384-byte configuration memory, address for address.
// Every editor, the document, the link and the CLI read and write fields of this
// one array through the typed accessors below. Offsets outside the image are a
// programming error and stop the program in an assert.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace dpmr {

class RadioImage {
  public:
    static constexpr std::size_t kSize = 16384;

    RadioImage() { bytes_.fill(0xFF); }

    // Byte access.
    std::uint8_t U8(std::size_t off) const;
    void SetU8(std::size_t off, std::uint8_t value);

    // Bit field of `width` bits starting at bit `lo` (bit 0 = least significant).
    unsigned Bits(std::size_t off, unsigned lo, unsigned width) const;
    void SetBits(std::size_t off, unsigned lo, unsigned width, unsigned value);
    bool Bit(std::size_t off, unsigned bit) const { return Bits(off, bit, 1) != 0; }
    void SetBit(std::size_t off, unsigned bit, bool on) { SetBits(off, bit, 1, on ? 1 : 0); }

    // Little-endian 16-bit value.
    std::uint16_t U16Le(std::size_t off) const;
    void SetU16Le(std::size_t off, std::uint16_t value);

    // Packed BCD, lowest digit pair first: 2 bytes (0..9999) and 4 bytes
    // (0..99999999). The getters decode every byte as given (0xFF counts 165);
    // fields that can be empty test for 0xFF before calling them.
    std::uint32_t Bcd2(std::size_t off) const;
    void SetBcd2(std::size_t off, std::uint32_t value);
    std::uint32_t Bcd4(std::size_t off) const;
    void SetBcd4(std::size_t off, std::uint32_t value);

    // Fill a range with 0xFF (the radio's "nothing here").
    void FillFF(std::size_t off, std::size_t len) { Fill(off, len, 0xFF); }
    void Fill(std::size_t off, std::size_t len, std::uint8_t value);

    // Text stored one character a byte, padded with 0xFF: reading stops at the
    // first 0xFF or after `len` bytes.
    std::string Text(std::size_t off, std::size_t len) const;
    void SetText(std::size_t off, std::size_t len, const std::string& text);

    // Raw views.
    std::span<std::uint8_t> Span(std::size_t off, std::size_t len);
    std::span<const std::uint8_t> Span(std::size_t off, std::size_t len) const;
    std::uint8_t* Data() { return bytes_.data(); }
    const std::uint8_t* Data() const { return bytes_.data(); }

    bool operator==(const RadioImage& other) const = default;

  private:
    static void CheckRange(std::size_t off, std::size_t len);
    std::array<std::uint8_t, kSize> bytes_{};
};

// One byte of packed BCD: value 0..99 to byte and back (0xFF decodes as 165).
constexpr std::uint8_t ToBcdByte(unsigned value) {
    return static_cast<std::uint8_t>((value / 10) * 16 + value % 10);
}
constexpr unsigned FromBcdByte(std::uint8_t byte) {
    return (byte >> 4) * 10u + (byte & 0x0Fu);
}

}  // namespace dpmr
