#include "buffer/TextSink.h"

#include "buffer/AtomicSave.h"

#include <QFileDevice>

#include <algorithm>

#include <fcntl.h>

TextSink::TextSink(QIODevice& device, std::size_t blockSize)
    : m_device(device),
      m_blockSize(std::max<std::size_t>(blockSize, 4096)),
      m_block(std::make_unique_for_overwrite<char[]>(m_blockSize))
{
}

char* TextSink::reserve(std::size_t length)
{
    if (m_blockSize - m_used < length)
        flush();
    Q_ASSERT(length <= m_blockSize);
    return m_block.get() + m_used;
}

void TextSink::flush()
{
    if (m_used > 0)
        put(m_block.get(), static_cast<qint64>(m_used));
    m_used = 0;
}

void TextSink::put(const char* data, qint64 length)
{
    m_failed = m_failed || !writeWhole(m_device, data, length);
    startWriteback(length);
}

// A save ends by syncing the file to disk. Handing each block to the disk as soon as it is
// written lets that overlap the formatting of the next blocks instead of all waiting at the end.
void TextSink::startWriteback(qint64 length)
{
    auto* file = qobject_cast<QFileDevice*>(&m_device);
    if (!file || m_failed)
        return;
    if (!file->flush()) {
        m_failed = true;
        return;
    }
    sync_file_range(file->handle(), m_written, length, SYNC_FILE_RANGE_WRITE);
    m_written += length;
}

void TextSink::writeRaw(const char* data, std::size_t length)
{
    flush();
    for (std::size_t done = 0; done < length && !m_failed;) {
        const auto piece = static_cast<qint64>(std::min(m_blockSize, length - done));
        put(data + done, piece);
        done += static_cast<std::size_t>(piece);
    }
}

bool TextSink::finish()
{
    flush();
    return !m_failed;
}
