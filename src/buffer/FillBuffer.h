#pragma once

#include <QtGlobal>

#include <cstdint>
#include <span>

// Filling a range of the data buffer with a constant byte, a constant little-endian word or
// pseudo-random bytes. Widget-free: the fill dialog gathers the values, this does the work.

enum class FillMode { Byte, Word, Random };

struct FillRequest {
    FillMode mode = FillMode::Byte;
    qint32 byteValue = 0xFF;   // low 8 bits used
    qint32 wordValue = 0xFFFF; // low 16 bits used, low byte first
    qint32 start = 0;          // first address of the range
    qint32 end = 0;            // last address of the range, inclusive
};

// The generator behind random fills: the portable linear congruential generator of the C
// standard, which yields 15-bit values. Being our own, the same seed gives the same bytes on
// every platform, so two fills seeded in the same second are identical.
class FillRandomGenerator {
public:
    explicit FillRandomGenerator(std::uint32_t seed) : m_next(seed) {}
    [[nodiscard]] int next()
    {
        m_next = m_next * 1103515245u + 12345u;
        return static_cast<int>((m_next / 65536u) % 32768u);
    }

private:
    std::uint32_t m_next;
};

// A fill must stay inside the buffer: 0 <= start <= end < capacity.
[[nodiscard]] bool isFillRangeValid(qint32 start, qint32 end, std::size_t capacity);

// Fills the requested range of buffer, exactly its bytes. Word mode keeps the words at even
// addresses: an even address gets the low byte, an odd one the high byte, so a range that is not
// whole words starts or ends with half a word. Random mode seeds the generator with seed.
// Returns false, leaving buffer untouched, when the range is not valid for the buffer's size.
[[nodiscard]] bool FillBuffer(std::span<std::uint8_t> buffer, const FillRequest& request,
                              std::uint32_t seed);
