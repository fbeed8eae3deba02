#include "buffer/ImageBuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace {
constexpr std::size_t kLargePage = 2 * 1024 * 1024;
}

ImageBuffer::ImageBuffer() : m_data(static_cast<std::uint8_t*>(std::aligned_alloc(kLargePage, kSize)))
{
    if (!m_data)
        throw std::bad_alloc();
    madvise(m_data, kSize, MADV_HUGEPAGE);  // only a hint; without large pages it still works
    std::memset(m_data, 0xFF, kSize);
}

ImageBuffer::~ImageBuffer()
{
    std::free(m_data);
}
