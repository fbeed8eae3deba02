#include "hexview/HexBookmarkText.h"
#include "hexview/HexEditorError.h"

#include <gtest/gtest.h>

namespace {

bool refused(const QString& text)
{
    try {
        (void)hexBookmarksFromString(text);
    } catch (const HexEditorError& e) {
        return e.message() == QStringLiteral("Invalid bookmark format");
    }
    return false;
}

// The checksummed hex form of the given entries.
QString hexForm(const QString& entries)
{
    quint32 sum = 0;
    for (const QChar c : entries)
        sum += c.unicode();
    return QStringLiteral("%1").arg(sum, 8, 16, QLatin1Char('0')) + entries;
}

} // namespace

TEST(HexBookmarkText, HexFieldsAreExactlyHexDigits)
{
    EXPECT_EQ(hexBookmarksFromString(hexForm(QStringLiteral("05000000000000001f01")))[5],
              (HexBookmark{0x1F, true}));
    EXPECT_EQ(hexBookmarksFromString(hexForm(QStringLiteral("05FFFFFFFFFFFFFFFF00")))[5], HexBookmark{});
    // Signs, blanks and prefixes a number parser would accept are not hex digits.
    EXPECT_TRUE(refused(hexForm(QStringLiteral("05+00000000000001f01"))));
    EXPECT_TRUE(refused(hexForm(QStringLiteral("05 00000000000001f01"))));
    EXPECT_TRUE(refused(hexForm(QStringLiteral("050x000000000000001f"))));
    EXPECT_TRUE(refused(hexForm(QStringLiteral("0A000000000000001f01"))));  // index 10
    EXPECT_TRUE(refused(hexForm(QStringLiteral("05000000000000001f02"))));  // flag 2
    // A record cut short, or one with a line end behind it, is no record.
    EXPECT_TRUE(refused(hexForm(QStringLiteral("05000000000000001f0"))));
    EXPECT_TRUE(refused(hexForm(QStringLiteral("05000000000000001f01\n"))));
}

TEST(HexBookmarkText, PositionsOutsideTheStoreRangeAreRefused)
{
    // Moved by an insertion, a position near the 64-bit limit would overflow.
    EXPECT_TRUE(refused(hexForm(QStringLiteral("017FFFFFFFFFFFFFFF00"))));
    EXPECT_TRUE(refused(hexForm(QStringLiteral("01FFFFFFFFFFFFFFFE00"))));
    EXPECT_EQ(hexBookmarksFromString(hexForm(QStringLiteral("01000000007FFFFFFF00")))[1].position,
              0x7FFFFFFF);

    HexBookmarks marks;
    marks[4] = HexBookmark{300, true};
    QString records = hexBookmarksToString(marks);
    EXPECT_EQ(hexBookmarksFromString(records), marks);
    records[1 + 4 * 8 + 6] = QChar(1);  // padding byte
    EXPECT_TRUE(refused(records));
    records = hexBookmarksToString(marks);
    records[1 + 4 * 8 + 4] = QChar(2);  // field flag
    EXPECT_TRUE(refused(records));
    records = hexBookmarksToString(marks);
    records[1 + 4 * 8 + 0] = QChar(0xFE);  // position -2
    for (int k = 1; k < 4; ++k)
        records[1 + 4 * 8 + k] = QChar(0xFF);
    EXPECT_TRUE(refused(records));
}
