#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// A 64 MiB memory image of a chip (the session's DataBuffer, or one read or decoded beside it),
// every byte 0xFF. Large pages are asked for: filling 64 MiB in 4 KiB pages costs more than many
// conversions do.
class ImageBuffer {
public:
    static constexpr std::size_t kSize = 0x4000000;

    ImageBuffer();
    ~ImageBuffer();
    ImageBuffer(const ImageBuffer&) = delete;
    ImageBuffer& operator=(const ImageBuffer&) = delete;

    [[nodiscard]] std::span<std::uint8_t> bytes() { return {m_data, kSize}; }
    [[nodiscard]] std::span<const std::uint8_t> bytes() const { return {m_data, kSize}; }

private:
    std::uint8_t* m_data;
};
