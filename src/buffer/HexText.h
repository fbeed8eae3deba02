#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The byte helpers both text formats share: the reader's byteAt mirrors the writer's putByte,
// two upper-case digits per byte, most significant first. Lookup tables instead of character
// classification calls keep the per-byte cost to a couple of loads.
namespace hextext {

inline constexpr std::array<std::int8_t, 256> kDigitValue = [] {
    std::array<std::int8_t, 256> table{};
    table.fill(-1);
    for (int i = 0; i < 10; ++i)
        table[static_cast<std::size_t>('0' + i)] = static_cast<std::int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        table[static_cast<std::size_t>('A' + i)] = static_cast<std::int8_t>(10 + i);
        table[static_cast<std::size_t>('a' + i)] = static_cast<std::int8_t>(10 + i);
    }
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

    [[nodiscard]] std::size_t size() const { return m_text.size(); }
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

private:
    std::string_view m_text;
};

// Appends the two digits of value at out and returns the position after them.
inline char* putByte(char* out, std::uint8_t value)
{
    out[0] = kByteDigits[2u * value];
    out[1] = kByteDigits[2u * value + 1];
    return out + 2;
}

// True when every byte is 0xFF: such records are left out of the text formats, since an erased
// chip reads 0xFF there anyway.
// The loop has no early exit so that it vectorises; records are at most 32 bytes.
[[nodiscard]] inline bool allErased(const std::uint8_t* data, std::size_t count)
{
    std::uint8_t all = 0xFF;
    for (std::size_t i = 0; i < count; ++i)
        all &= data[i];
    return all == 0xFF;
}

}  // namespace hextext
