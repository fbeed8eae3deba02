#include "HexDataStream.h"

#include "HexEditorError.h"
#include "buffer/HexText.h"

#include <algorithm>
#include <cstring>

void HexDataStream::setSize(qint64 size, std::uint8_t fill)
{
    if (size < 0)
        throw HexEditorError(HexMessages::OutOfBounds);
    m_bytes.resize(size, char(fill));
    // A store that shrinks a lot gives its memory back: a 64 MiB image cut to a few bytes
    // should not pin the old block.
    if (m_bytes.capacity() > 2 * m_bytes.size() + (1 << 20))
        m_bytes.squeeze();
}

void HexDataStream::setSizeForOverwrite(qint64 size)
{
    if (size < 0)
        throw HexEditorError(HexMessages::OutOfBounds);
    m_bytes.resize(size);
}

void HexDataStream::clear() noexcept
{
    m_bytes.clear();
    m_position = 0;
}

void HexDataStream::seek(qint64 position)
{
    if (position < 0)
        throw HexEditorError(HexMessages::OutOfBounds);
    m_position = position;
}

qint64 HexDataStream::read(void* buffer, qint64 count)
{
    const qint64 n = std::clamp<qint64>(size() - m_position, 0, std::max<qint64>(count, 0));
    if (n > 0)
        std::memcpy(buffer, m_bytes.data() + m_position, static_cast<std::size_t>(n));
    m_position += n;
    return n;
}

void HexDataStream::write(const void* buffer, qint64 count)
{
    if (count <= 0)
        return;
    if (m_position + count > size())
        setSize(m_position + count, 0);
    std::memcpy(m_bytes.data() + m_position, buffer, static_cast<std::size_t>(count));
    m_position += count;
}

const std::uint8_t* HexDataStream::addressOf(qint64 position, qint64 count) const
{
    hexCheckBounds(position, count, size());
    return reinterpret_cast<const std::uint8_t*>(m_bytes.constData()) + position;
}

std::uint8_t* HexDataStream::addressOf(qint64 position, qint64 count)
{
    hexCheckBounds(position, count, size());
    return reinterpret_cast<std::uint8_t*>(m_bytes.data()) + position;
}

void HexDataStream::readAt(qint64 position, void* buffer, qint64 count) const
{
    const std::uint8_t* src = addressOf(position, count);
    if (count > 0)
        std::memcpy(buffer, src, static_cast<std::size_t>(count));
}

void HexDataStream::writeAt(qint64 position, const void* buffer, qint64 count)
{
    std::uint8_t* dst = addressOf(position, count);
    if (count > 0)
        std::memmove(dst, buffer, static_cast<std::size_t>(count));
}

std::uint8_t HexDataStream::at(qint64 position) const
{
    return *addressOf(position, 1);
}

QByteArray HexDataStream::copy(qint64 position, qint64 count) const
{
    return QByteArray(reinterpret_cast<const char*>(addressOf(position, count)), count);
}

void HexDataStream::move(qint64 from, qint64 to, qint64 count)
{
    hexCheckBounds(from, count, size());
    hexCheckBounds(to, count, size());
    if (count > 0)
        std::memmove(m_bytes.data() + to, m_bytes.data() + from, static_cast<std::size_t>(count));
}

void HexDataStream::insert(qint64 position, const void* data, qint64 count)
{
    hexCheckBounds(position, 0, size());
    if (count < 0)
        throw HexEditorError(HexMessages::OutOfBounds);
    if (count == 0)
        return;
    if (data)
        m_bytes.insert(position, static_cast<const char*>(data), count);
    else
        m_bytes.insert(position, count, '\0');
}

void HexDataStream::remove(qint64 position, qint64 count)
{
    hexCheckBounds(position, count, size());
    m_bytes.remove(position, count);
}

void HexDataStream::translateToAnsi(const HexTranslation& tables, TranslationKind kind,
                                    qint64 position, qint64 count)
{
    tables.translateToAnsi(kind, {addressOf(position, count), static_cast<std::size_t>(count)});
}

void HexDataStream::translateFromAnsi(const HexTranslation& tables, TranslationKind kind,
                                      qint64 position, qint64 count)
{
    tables.translateFromAnsi(kind, {addressOf(position, count), static_cast<std::size_t>(count)});
}

QString HexDataStream::hexText(qint64 position, qint64 count, bool lowerCase) const
{
    const std::uint8_t* src = addressOf(position, count);
    QByteArray digits(count * 2, Qt::Uninitialized);
    hextext::putBytes(digits.data(), src, static_cast<std::size_t>(count));
    return lowerCase ? QString::fromLatin1(digits).toLower() : QString::fromLatin1(digits);
}
