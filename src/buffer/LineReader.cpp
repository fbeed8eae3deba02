#include "buffer/LineReader.h"

#include <algorithm>
#include <cstring>

LineReader::LineReader(QIODevice& device, std::size_t blockSize)
    : m_device(device),
      m_blockSize(std::max(blockSize, kKeptLength)),
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

bool LineReader::next(std::string_view& line)
{
    std::size_t searched = m_begin;
    for (;;) {
        const char* start = m_block.get() + searched;
        const auto* feed = static_cast<const char*>(std::memchr(start, '\n', m_end - searched));
        if (feed) {
            const auto feedAt = static_cast<std::size_t>(feed - m_block.get());
            line = std::string_view(m_block.get() + m_begin, std::min(feedAt - m_begin, kKeptLength));
            m_begin = feedAt + 1;
            return true;
        }
        if (m_end - m_begin == m_blockSize) {
            // A whole block without a line feed: keep the start, drop the rest of the line.
            std::memcpy(m_longLine.data(), m_block.get() + m_begin, kKeptLength);
            m_begin = m_end;
            skipRestOfLine();
            line = std::string_view(m_longLine.data(), kKeptLength);
            return true;
        }
        searched = m_end - m_begin;
        if (!refill()) {
            if (m_begin == m_end)
                return false;
            line = std::string_view(m_block.get() + m_begin, std::min(m_end - m_begin, kKeptLength));
            m_begin = m_end;
            return true;
        }
    }
}

void LineReader::skipRestOfLine()
{
    for (;;) {
        const auto* feed = static_cast<const char*>(std::memchr(m_block.get() + m_begin, '\n', m_end - m_begin));
        if (feed) {
            m_begin = static_cast<std::size_t>(feed - m_block.get()) + 1;
            return;
        }
        m_begin = m_end;
        if (!refill())
            return;
    }
}
