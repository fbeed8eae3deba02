#include "buffer/FillBuffer.h"

#include <algorithm>

bool isFillRangeValid(qint32 start, qint32 end, std::size_t capacity)
{
    return start >= 0 && start <= end && static_cast<std::size_t>(end) < capacity;
}

bool FillBuffer(std::span<std::uint8_t> buffer, const FillRequest& request, std::uint32_t seed)
{
    if (!isFillRangeValid(request.start, request.end, buffer.size()))
        return false;
    const auto start = static_cast<std::size_t>(request.start);
    const auto count = static_cast<std::size_t>(request.end) - start + 1;

    switch (request.mode) {
    case FillMode::Byte:
        std::fill_n(buffer.begin() + static_cast<std::ptrdiff_t>(start), count,
                    static_cast<std::uint8_t>(request.byteValue & 0xFF));
        break;
    case FillMode::Word: {
        const std::uint8_t halves[2] = {static_cast<std::uint8_t>(request.wordValue & 0xFF),
                                        static_cast<std::uint8_t>((request.wordValue >> 8) & 0xFF)};
        for (std::size_t address = start; address < start + count; ++address)
            buffer[address] = halves[address & 1];
        break;
    }
    case FillMode::Random: {
        FillRandomGenerator generator(seed);
        for (std::size_t j = 0; j < count; ++j)
            buffer[start + j] = static_cast<std::uint8_t>(generator.next() & 0xFF);
        break;
    }
    }
    return true;
}
