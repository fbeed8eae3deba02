#include "app/FindPattern.h"
#include "app/GoToDialog.h"
#include "text/MessageCatalogExtra.h"
#include "hexview/HexEditor.h"

#include <gtest/gtest.h>

namespace {

class FindPatternTest : public ::testing::Test {
protected:
    void TearDown() override { setCurrentLanguage(Language::Simplified); }
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(static_cast<char>(v));
    return result;
}

TEST_F(FindPatternTest, HexBytesTakeBlanksCommasPrefixesAndRunsOfPairs)
{
    for (const char* text : {"DE AD BE EF", "deadbeef", " 0xDE,0xad  BEEF ", "DEAD\tBE,EF"}) {
        const ParsedFindPattern parsed = FindPattern::fromHex(QString::fromLatin1(text));
        ASSERT_TRUE(parsed.pattern) << text << qPrintable(parsed.error);
        EXPECT_EQ(parsed.pattern->bytes, bytes({0xDE, 0xAD, 0xBE, 0xEF})) << text;
        EXPECT_EQ(parsed.pattern->wildcard, -1) << text;
    }
}

TEST_F(FindPatternTest, TheWildcardByteIsOneThePatternDoesNotHold)
{
    // 00..FE as literals leave only FF to stand for ??.
    QString text;
    for (int v = 0; v < 0xFF; ++v)
        text += QString::asprintf("%02X ", v);
    const ParsedFindPattern almostAll = FindPattern::fromHex(text + QStringLiteral("??"));
    ASSERT_TRUE(almostAll.pattern) << qPrintable(almostAll.error);
    EXPECT_EQ(almostAll.pattern->wildcard, 0xFF);
    EXPECT_EQ(static_cast<quint8>(almostAll.pattern->bytes.back()), 0xFF);

    const ParsedFindPattern simple = FindPattern::fromHex(QStringLiteral("3F ?? 00"));
    ASSERT_TRUE(simple.pattern);
    const int wildcard = simple.pattern->wildcard;
    EXPECT_NE(wildcard, 0x3F);
    EXPECT_NE(wildcard, 0x00);
    EXPECT_EQ(simple.pattern->bytes, bytes({0x3F, wildcard, 0x00}));

    setCurrentLanguage(Language::English);
    const ParsedFindPattern every = FindPattern::fromHex(text + QStringLiteral("FF ??"));
    EXPECT_FALSE(every.pattern);
    EXPECT_EQ(every.error, ExtraMessages::text(ExtraText::FindTooManyValues));
}

TEST_F(FindPatternTest, BadHexIsRefusedNamingTheToken)
{
    setCurrentLanguage(Language::English);
    for (const char* bad : {"DE A", "DE ?A", "G0", "DE ? ?", "0x", "DEA"}) {
        const ParsedFindPattern parsed = FindPattern::fromHex(QString::fromLatin1(bad));
        EXPECT_FALSE(parsed.pattern) << bad;
        EXPECT_TRUE(parsed.error.startsWith(u'"')) << bad << qPrintable(parsed.error);
    }
    EXPECT_EQ(FindPattern::fromHex(QStringLiteral("DE A")).error,
        QStringLiteral("\"A\" is not a hex byte: write two hex digits per byte, or ?? for any byte."));
    EXPECT_EQ(FindPattern::fromHex(QStringLiteral("  ")).error, ExtraMessages::text(ExtraText::FindEmpty));
    EXPECT_EQ(FindPattern::fromHex(QStringLiteral("?? ??")).error,
        ExtraMessages::text(ExtraText::FindOnlyWildcards));
    setCurrentLanguage(Language::Traditional);
    EXPECT_EQ(FindPattern::fromHex(QStringLiteral("X1")).error,
        QStringLiteral("“X1”不是十六進制字節：每個字節寫兩位十六進制數字，或寫 ?? 代表任意字節。"));
}

TEST_F(FindPatternTest, TextTakesWhatTheCharacterColumnShowsAndNothingElse)
{
    const ParsedFindPattern latin = FindPattern::fromText(QStringLiteral("Größe ?"), true);
    ASSERT_TRUE(latin.pattern);
    EXPECT_EQ(latin.pattern->bytes, QByteArray("Gr\xF6\xDF" "e ?"));
    EXPECT_TRUE(latin.pattern->isText);
    EXPECT_TRUE(latin.pattern->ignoreCase);
    // 0x80..0x9F show as the Windows-1252 characters (the euro sign for 0x80), which find them.
    const ParsedFindPattern shown = FindPattern::fromText(QStringLiteral("€Œ™"), false);
    ASSERT_TRUE(shown.pattern) << qPrintable(shown.error);
    EXPECT_EQ(shown.pattern->bytes, QByteArray("\x80\x8C\x99"));
    // Pasted with the line end it was copied with, which the field shows as a blank.
    const ParsedFindPattern pasted = FindPattern::fromText(QStringLiteral("\tA B\r\n"), false);
    ASSERT_TRUE(pasted.pattern);
    EXPECT_EQ(pasted.pattern->bytes, QByteArray("A B"));

    setCurrentLanguage(Language::English);
    const ParsedFindPattern chinese = FindPattern::fromText(QStringLiteral("BIOS 芯片"), false);
    EXPECT_FALSE(chinese.pattern);
    EXPECT_EQ(chinese.error, ExtraMessages::text(ExtraText::FindTextNotShown).arg(QStringLiteral("芯")));
    EXPECT_EQ(FindPattern::fromText(QString(), false).error, ExtraMessages::text(ExtraText::FindEmpty));
}

TEST_F(FindPatternTest, SearchesTheViewFromThePositionGivenToItsEnd)
{
    HexEditor view;
    const QByteArray data("xxABxxabxAxB", 12);
    view.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())});
    const FindPattern exact = *FindPattern::fromText(QStringLiteral("ab"), false).pattern;
    const FindPattern folded = *FindPattern::fromText(QStringLiteral("ab"), true).pattern;
    EXPECT_EQ(exact.findIn(view, 0), 6);
    EXPECT_EQ(folded.findIn(view, 0), 2);
    EXPECT_EQ(folded.findIn(view, 3), 6);
    EXPECT_EQ(folded.findIn(view, 7), -1);

    const FindPattern wild = *FindPattern::fromHex(QStringLiteral("41 ?? 42")).pattern;  // A?B
    EXPECT_EQ(wild.findIn(view, 0), 9);
    // A match must end inside the data; positions outside give nothing.
    const FindPattern pastEnd = *FindPattern::fromHex(QStringLiteral("42 ??")).pattern;
    EXPECT_EQ(pastEnd.findIn(view, 4), -1);
    EXPECT_EQ(wild.findIn(view, 12), -1);
    EXPECT_EQ(wild.findIn(view, -1), -1);
}

TEST_F(FindPatternTest, GoToTakesHexInsideTheBufferOnly)
{
    setCurrentLanguage(Language::English);
    const qint64 size = 0x800000;
    EXPECT_EQ(GoToDialog::check(QStringLiteral("7fffff"), size).address, 0x7FFFFF);
    EXPECT_EQ(GoToDialog::check(QStringLiteral(" 0x1F40 "), size).address, 0x1F40);
    EXPECT_EQ(GoToDialog::check(QStringLiteral("1F40h"), size).address, 0x1F40);
    EXPECT_EQ(GoToDialog::check(QStringLiteral("0000"), size).address, 0);

    const GoToDialog::Checked outside = GoToDialog::check(QStringLiteral("800000"), size);
    EXPECT_EQ(outside.address, -1);
    EXPECT_EQ(outside.error,
        QStringLiteral("Address 800000 is outside the buffer: the valid range is 0 to 7FFFFF (hex)."));
    // Far too large for any number type is outside as well, not a parse failure.
    EXPECT_EQ(GoToDialog::check(QStringLiteral("000FFFFFFFFFFFFFFFFFFFF"), size).error,
        QStringLiteral("Address FFFFFFFFFFFFFFFFFFFF is outside the buffer: the valid range is 0 to 7FFFFF (hex)."));
    EXPECT_EQ(GoToDialog::check(QStringLiteral("12G4"), size).error, QStringLiteral("\"12G4\" is not a hex address."));
    EXPECT_EQ(GoToDialog::check(QStringLiteral("-1"), size).address, -1);
    EXPECT_EQ(GoToDialog::check(QStringLiteral("0x"), size).address, -1);
    EXPECT_EQ(GoToDialog::check(QString(), size).error, ExtraMessages::text(ExtraText::GoToEmpty));
}

}  // namespace
