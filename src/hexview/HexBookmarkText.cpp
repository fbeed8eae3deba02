#include "HexBookmarkText.h"

#include "HexEditorError.h"

#include <QtEndian>

#include <algorithm>

namespace {

[[noreturn]] void invalid()
{
    throw HexEditorError(HexMessages::BookmarkFormat);
}

qint64 hexField(const QString& text, qsizetype at, int digits)
{
    // Exactly `digits` hex digits: no sign, prefix or blanks, which a number parser would take.
    if (at + digits > text.size())
        invalid();
    quint64 v = 0;
    for (qsizetype i = at; i < at + digits; ++i) {
        const int d = hexDigitValue(text[i]);
        if (d < 0)
            invalid();
        v = v << 4 | quint64(d);
    }
    return qint64(v);
}

// -1 is "not set"; positions are 32-bit in the store's undo records, and a larger one would
// overflow when bookmarks move with an insertion.
HexBookmark bookmarkAt(qint64 position, qint64 flag)
{
    if (position < -1 || position > 0x7FFFFFFF || flag < 0 || flag > 1)
        invalid();
    return position < 0 ? HexBookmark{} : HexBookmark{position, flag == 1};
}

} // namespace

QString hexBookmarksToString(const HexBookmarks& bookmarks)
{
    if (std::none_of(bookmarks.begin(), bookmarks.end(), [](const HexBookmark& b) { return b.position >= 0; }))
        return {};
    // The records as bytes, each one character, as the reader takes them.
    QByteArray records("$");
    for (const HexBookmark& b : bookmarks) {
        hexPut32(records, std::uint32_t(b.position));
        records.append(char(b.inCharField ? 1 : 0));
        records.append(3, '\0');
    }
    return QString::fromLatin1(records);
}

HexBookmarks hexBookmarksFromString(const QString& text)
{
    HexBookmarks result;
    if (text.isEmpty())
        return result;
    if (text.startsWith(QLatin1Char('$'))) {
        // Each character is one byte of the records.
        const auto wide = [](QChar c) { return c.unicode() > 0xFF; };
        if (text.size() != 1 + 10 * 8 || std::any_of(text.begin(), text.end(), wide))
            invalid();
        const QByteArray bytes = text.toLatin1();
        for (int b = 0; b < 10; ++b) {
            const char* record = bytes.constData() + 1 + b * 8;
            if (QByteArrayView(record + 5, 3) != QByteArrayView("\0\0\0", 3))
                invalid();
            result[std::size_t(b)] = bookmarkAt(qFromLittleEndian<qint32>(record), std::uint8_t(record[4]));
        }
        return result;
    }
    if (text.size() < 8 || (text.size() - 8) % 20 != 0)
        invalid();
    qint64 sum = 0;
    for (qsizetype i = 8; i < text.size(); ++i)
        sum += text[i].unicode();
    if (hexField(text, 0, 8) != (sum & 0xFFFFFFFF))
        invalid();
    for (qsizetype at = 8; at < text.size(); at += 20) {
        const qint64 index = hexField(text, at, 2);
        const qint64 position = hexField(text, at + 2, 16);
        const qint64 flag = hexField(text, at + 18, 2);
        if (index > 9)
            invalid();
        result[std::size_t(index)] = bookmarkAt(position, flag);
    }
    return result;
}
