#include "buffer/TextSink.h"

#include <algorithm>

TextSink::TextSink(QIODevice& device, std::size_t blockSize) : m_device(device), m_block(std::max<std::size_t>(blockSize, 4096))
{
}

char* TextSink::reserve(std::size_t length)
{
    if (m_block.size() - m_used < length)
        flush();
    Q_ASSERT(length <= m_block.size());
    return m_block.data() + m_used;
}

void TextSink::flush()
{
    if (m_used > 0 && !m_failed) {
        const auto length = static_cast<qint64>(m_used);
        m_failed = m_device.write(m_block.data(), length) != length;
    }
    m_used = 0;
}

bool TextSink::finish()
{
    flush();
    return !m_failed;
}
