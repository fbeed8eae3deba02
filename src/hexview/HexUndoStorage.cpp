#include "HexUndoStorage.h"

#include <QDataStream>
#include <QtEndian>

#include <bit>

namespace {

std::uint32_t get32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

constexpr qint64 kHeader = 29;
constexpr qint64 kMinRecord = 34;

} // namespace

HexUndoFlag HexUndoRecord::kind() const
{
    // The lowest kind bit set; the kinds come before the first flag.
    const std::uint32_t kinds = flags & (hexUndoBit(ufFlagByte1Changed) - 1);
    return kinds != 0 ? HexUndoFlag(std::countr_zero(kinds)) : ufKindBytesChanged;
}

QByteArray HexUndoRecord::encode() const
{
    const QByteArray desc = has(ufFlagHasDescription) ? description.toUtf8() : QByteArray();
    const QByteArray payload = saved.isEmpty() ? QByteArray(1, '\0') : saved;
    const qint64 total = kHeader + payload.size() + (has(ufFlagHasDescription) ? desc.size() + 4 : 0) +
                         (has(ufFlagHasSelection) ? 12 : 0) + 4;
    QByteArray out;
    out.reserve(total);
    QDataStream s(&out, QDataStream::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint32(total) << flags << caret << position << count << replaced << translation << bytesPerUnit;
    s.writeRawData(payload.constData(), payload.size());
    if (has(ufFlagHasDescription)) {
        s.writeRawData(desc.constData(), desc.size());
        s << quint32(desc.size());
    }
    if (has(ufFlagHasSelection))
        s << selStart << selEnd << selAnchor;
    s << quint32(total);
    return out;
}

std::optional<HexUndoRecord> HexUndoRecord::decode(const char* data, qint64 size)
{
    if (size < kMinRecord || qint64(get32(data)) != size || qint64(get32(data + size - 4)) != size)
        return std::nullopt;
    HexUndoRecord r;
    QDataStream header(QByteArray::fromRawData(data + 4, kHeader - 4));
    header.setByteOrder(QDataStream::LittleEndian);
    header >> r.flags >> r.caret >> r.position >> r.count >> r.replaced >> r.translation >> r.bytesPerUnit;
    qint64 end = size - 4;
    if (r.has(ufFlagHasSelection)) {
        end -= 12;
        r.selStart = std::int32_t(get32(data + end));
        r.selEnd = std::int32_t(get32(data + end + 4));
        r.selAnchor = std::int32_t(get32(data + end + 8));
    }
    if (r.has(ufFlagHasDescription)) {
        end -= 4;
        const qint64 d = get32(data + end);
        if (d > end - kHeader - 1)
            return std::nullopt;
        end -= d;
        r.description = QString::fromUtf8(data + end, d);
    }
    if (end - kHeader < 1)
        return std::nullopt;
    r.saved = QByteArray(data + kHeader, end - kHeader);
    return r;
}

QString hexUndoDefaultDescription(HexUndoFlag kind)
{
    static const char* const names[] = {"Change byte(s)", "Remove data",   "Insert buffer",
                                        "Replace",        "Append buffer", "Insert nibble",
                                        "Delete nibble",  "Convert",       "Cursor movement",
                                        "Multiple modification", "All data saved"};
    return kind <= ufKindAllData ? QString::fromLatin1(names[kind]) : QString();
}

void HexUndoStorage::append(const HexUndoRecord& record, qint64 maxUndo)
{
    while (maxUndo > 0 && m_count > 0 && size() > maxUndo)
        dropOldest();
    m_bytes.append(record.encode());
    ++m_count;
}

void HexUndoStorage::dropOldest()
{
    const qint64 n = size() >= 4 ? qint64(get32(m_bytes.constData() + m_head)) : 0;
    if (n < kMinRecord || n > size()) {
        // A damaged first record leaves no way to find the next one.
        clear();
        return;
    }
    m_head += n;
    --m_count;
    if (m_head > (1 << 16) && m_head * 2 > qint64(m_bytes.size())) {
        m_bytes.remove(0, m_head);
        m_head = 0;
    }
}

std::optional<HexUndoRecord> HexUndoStorage::newest() const
{
    if (m_count == 0 || size() < kMinRecord)
        return std::nullopt;
    const char* end = m_bytes.constData() + m_bytes.size();
    const qint64 n = get32(end - 4);
    if (n < kMinRecord || n > size())
        return std::nullopt;
    return HexUndoRecord::decode(end - n, n);
}

void HexUndoStorage::removeNewest()
{
    if (m_count == 0)
        return;
    const qint64 n = size() >= 4 ? qint64(get32(m_bytes.constData() + m_bytes.size() - 4)) : 0;
    if (n < kMinRecord || n > size()) {
        clear();
        return;
    }
    m_bytes.chop(n);
    --m_count;
    if (m_count == 0)
        clear();
}

void HexUndoStorage::clear()
{
    m_bytes.clear();
    m_head = 0;
    m_count = 0;
}
