#include "buffer/LineReader.h"

#include <algorithm>
#include <cstring>

LineReader::LineReader(QIODevice& device, std::size_t maxLength, std::size_t blockSize)
    : m_device(device),
      m_maxLength(maxLength),
      m_blockSize(std::max(blockSize, maxLength + 1)),  // a whole line and its line feed fit
      m_block(std::make_unique_for_overwrite<char[]>(m_blockSize))
{
}

bool LineReader::refill()
{
    if (m_atEnd)
        return false;
    if (m_begin > 0) {
        std::memmove(m_block.get(), m_block.get() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    const qint64 got = m_device.read(m_block.get() + m_end, static_cast<qint64>(m_blockSize - m_end));
    if (got <= 0) {
        m_atEnd = true;
        return false;
    }
    m_end += static_cast<std::size_t>(got);
    return true;
}

LineReader::Status LineReader::next(std::string_view& line)
{
    std::size_t searched = 0;  // bytes of this line already looked at
    for (;;) {
        // A line feed is looked for only within the longest line and its line feed.
        const std::size_t window = std::min(m_end - m_begin, m_maxLength + 1);
        const char* start = m_block.get() + m_begin;
        if (const auto* feed = static_cast<const char*>(std::memchr(start + searched, '\n', window - searched))) {
            const auto length = static_cast<std::size_t>(feed - start);
            line = std::string_view(start, length);
            m_begin += length + 1;
            return Status::Line;
        }
        if (window > m_maxLength)
            return Status::TooLong;
        searched = window;
        if (!refill()) {
            if (m_begin == m_end)
                return Status::End;
            line = std::string_view(m_block.get() + m_begin, m_end - m_begin);
            m_begin = m_end;
            return Status::Line;
        }
    }
}
