#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The 64 MiB memory image of the chip that the GUI keeps as DataBuffer, every byte 0xFF. Large
// pages are asked for: filling 64 MiB in 4 KiB pages costs more than many conversions do.
class ImageBuffer {
public:
    static constexpr std::size_t kSize = 0x4000000;

    ImageBuffer();
    ~ImageBuffer();
    ImageBuffer(const ImageBuffer&) = delete;
    ImageBuffer& operator=(const ImageBuffer&) = delete;

    [[nodiscard]] std::span<std::uint8_t> bytes() { return {m_data, kSize}; }

private:
    std::uint8_t* m_data;
};
