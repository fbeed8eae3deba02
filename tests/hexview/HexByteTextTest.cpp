// Hex text as the find dialog and Paste hex text read it: one reader, which refuses rather than
// guesses.
#include "hexview/HexByteText.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(HexByteText, ReadsPairsWithTheSeparatorsAndPrefixesPeopleCopy)
{
    const struct {
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {"DE AD be ef", QByteArray("\xDE\xAD\xBE\xEF")},
        {"deadBEEF", QByteArray("\xDE\xAD\xBE\xEF")},
        {"0x12, 0x34", QByteArray("\x12\x34")},
        {"0X12,0x3456", QByteArray("\x12\x34\x56")},
        {"12\r\n34\t56\n", QByteArray("\x12\x34\x56")},
        {" , \n", QByteArray()},
        {"00 0x00", QByteArray(2, '\0')},
    };
    for (const auto& c : cases) {
        const HexByteText::Parsed parsed = HexByteText::parse(QString::fromLatin1(c.text));
        EXPECT_TRUE(parsed.ok()) << c.text << " refused at " << parsed.badAt;
        EXPECT_EQ(parsed.bytes, c.bytes) << c.text;
    }
}

TEST(HexByteText, RefusesWholeAtTheFirstCharacterItCannotRead)
{
    const struct {
        const char* text;
        qsizetype badAt;
        bool wildcards;
    } cases[] = {
        {"hello WORLD", 0, false},      // "ED" is in it, and must not become a byte
        {"12 3", 3, false},             // a digit without its pair
        {"123", 2, false},
        {"0x", 1, false},               // the prefix alone
        {"0x 12", 1, false},
        {"12-34", 2, false},
        {"AB ??", 3, false},            // ?? only where a pattern may hold it
        {"AB ?A", 3, true},
        {"AB ? ?", 3, true},
        {"AB 0x1G", 6, false},
    };
    for (const auto& c : cases) {
        const HexByteText::Parsed parsed = HexByteText::parse(QString::fromLatin1(c.text), c.wildcards);
        EXPECT_EQ(parsed.badAt, c.badAt) << c.text;
    }
    const HexByteText::Parsed pattern = HexByteText::parse(u"DE ?? 0x??EF", true);
    ASSERT_TRUE(pattern.ok());
    EXPECT_EQ(pattern.bytes, QByteArray("\xDE\x00\x00\xEF", 4));
    EXPECT_EQ(pattern.wildcards, (std::vector<qsizetype>{1, 2}));
}

}  // namespace
