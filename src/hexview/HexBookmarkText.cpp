#include "HexBookmarkText.h"

#include "HexEditorError.h"

#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <numeric>

namespace {

[[noreturn]] void invalid()
{
    throw HexEditorError(HexMessages::BookmarkFormat);
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
    // Eight digits of checksum, then twenty per bookmark: only hex digits, so no sign, prefix or
    // blank that a number parser would take gets through.
    static const QRegularExpression hexForm(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]{8}(?:[0-9A-Fa-f]{20})*")));
    if (!hexForm.match(text).hasMatch())
        invalid();
    const auto field = [&text](qsizetype at, int digits) { return qint64(text.mid(at, digits).toULongLong(nullptr, 16)); };
    const qint64 sum = std::accumulate(text.cbegin() + 8, text.cend(), qint64{0},
                                       [](qint64 total, QChar c) { return total + c.unicode(); });
    if (field(0, 8) != (sum & 0xFFFFFFFF))
        invalid();
    for (qsizetype at = 8; at < text.size(); at += 20) {
        const qint64 index = field(at, 2);
        if (index > 9)
            invalid();
        result[std::size_t(index)] = bookmarkAt(field(at + 2, 16), field(at + 18, 2));
    }
    return result;
}
