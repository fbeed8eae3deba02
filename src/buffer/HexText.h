#pragma once

#include "text/HexDigit.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The byte helpers both text formats share: the reader's byteAt mirrors the writer's putByte,
// two upper-case digits per byte, most significant first. Lookup tables instead of character
// classification calls keep the per-byte cost to a couple of loads.
namespace hextext {

inline constexpr std::array<std::int8_t, 256> kDigitValue = [] {
    std::array<std::int8_t, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c)
        table[c] = static_cast<std::int8_t>(hexDigitValue(static_cast<char32_t>(c)));
    return table;
}();

inline constexpr std::array<char, 512> kByteDigits = [] {
    constexpr char digits[] = "0123456789ABCDEF";
    std::array<char, 512> table{};
    for (int b = 0; b < 256; ++b) {
        table[static_cast<std::size_t>(2 * b)] = digits[b >> 4];
        table[static_cast<std::size_t>(2 * b + 1)] = digits[b & 0xF];
    }
    return table;
}();

// One record line as read from the file, without its line feed. Fields sit at fixed character
// positions; a field that runs past the end of the line fails like a non-digit would, which is
// what the line feed in that place would have been.
class RecordLine {
public:
    explicit RecordLine(std::string_view text) : m_text(text) {}

    [[nodiscard]] char at(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\n'; }

    // The byte whose two digits start at pos; false when either is not a hexadecimal digit.
    [[nodiscard]] bool byteAt(std::size_t pos, std::uint8_t& value) const
    {
        if (pos + 1 >= m_text.size())
            return false;
        const int high = kDigitValue[static_cast<unsigned char>(m_text[pos])];
        const int low = kDigitValue[static_cast<unsigned char>(m_text[pos + 1])];
        if ((high | low) < 0)
            return false;
        value = static_cast<std::uint8_t>((high << 4) | low);
        return true;
    }

    // True when a start code and the digits of a record's fixed fields stand in the text from pos
    // on: two records run together on one line (a lost line feed, or lines ended by a carriage
    // return alone), where the second would go with the text after the first one's checksum.
    [[nodiscard]] bool recordFollows(std::size_t pos, char startCode, std::size_t digits) const;

    // Decodes `count` bytes whose digits start at pos into target, as byteAt would one by one.
    // Returns how many were decoded before the first bad or missing digit; those are stored.
    [[nodiscard]] std::size_t bytesAt(std::size_t pos, std::uint8_t* target, std::size_t count) const;

private:
    std::string_view m_text;
};

inline bool RecordLine::recordFollows(std::size_t pos, char startCode, std::size_t digits) const
{
    for (std::size_t code = m_text.find(startCode, pos); code != std::string_view::npos; code = m_text.find(startCode, code + 1)) {
        std::size_t n = 0;
        while (n < digits && kDigitValue[static_cast<unsigned char>(at(code + 1 + n))] >= 0)
            ++n;
        if (n == digits)
            return true;
    }
    return false;
}

inline std::size_t RecordLine::bytesAt(std::size_t pos, std::uint8_t* target, std::size_t count) const
{
    std::size_t i = 0;
    for (; i < count; ++i, pos += 2) {
        if (!byteAt(pos, target[i]))
            break;
    }
    return i;
}

// Appends the two digits of value at out and returns the position after them.
inline char* putByte(char* out, std::uint8_t value)
{
    out[0] = kByteDigits[2u * value];
    out[1] = kByteDigits[2u * value + 1];
    return out + 2;
}

// Four bytes to their eight digits at once: the nibbles are spread one per byte lane, then
// turned into characters with a carry-free add ('A' - '9' - 1 = 7 more for nibbles above 9).
// Only for little-endian hosts, where the first digit is the lowest byte of the result.
inline std::uint64_t digitsOfFour(std::uint32_t bytes)
{
    std::uint64_t lanes = bytes;
    lanes = (lanes | (lanes << 16)) & 0x0000FFFF0000FFFFULL;
    lanes = (lanes | (lanes << 8)) & 0x00FF00FF00FF00FFULL;
    const std::uint64_t nibbles = ((lanes >> 4) & 0x000F000F000F000FULL) | ((lanes & 0x000F000F000F000FULL) << 8);
    const std::uint64_t letters = ((nibbles + 0x0606060606060606ULL) >> 4) & 0x0101010101010101ULL;
    return nibbles + 0x3030303030303030ULL + letters * 7;
}

// Appends two digits for each of `count` bytes and returns the position after them.
inline char* putBytes(char* out, const std::uint8_t* data, std::size_t count)
{
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 4 <= count; i += 4, out += 8) {
            std::uint32_t four;
            std::memcpy(&four, data + i, 4);
            const std::uint64_t digits = digitsOfFour(four);
            std::memcpy(out, &digits, 8);
        }
    }
    for (; i < count; ++i)
        out = putByte(out, data[i]);
    return out;
}

// Records are at most 32 bytes and of run-time length, which compilers do not vectorise; so
// both helpers below work on 8-byte words and finish byte by byte.

// The sum of the bytes, for the checksums.
[[nodiscard]] inline unsigned sumOf(const std::uint8_t* data, std::size_t count)
{
    unsigned sum = 0;
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        const std::uint64_t pairs = (word & 0x00FF00FF00FF00FFULL) + ((word >> 8) & 0x00FF00FF00FF00FFULL);
        sum += static_cast<unsigned>((pairs * 0x0001000100010001ULL) >> 48);  // four lanes of at most 510
    }
    for (; i < count; ++i)
        sum += data[i];
    return sum;
}

// True when every byte is 0xFF: such records are left out of the text formats, since an erased
// chip reads 0xFF there anyway.
[[nodiscard]] inline bool allErased(const std::uint8_t* data, std::size_t count)
{
    std::uint64_t all = ~std::uint64_t{0};
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        all &= word;
    }
    for (; i < count; ++i)
        all &= 0xFFFFFFFFFFFFFF00ULL | data[i];
    return all == ~std::uint64_t{0};
}

}  // namespace hextext
