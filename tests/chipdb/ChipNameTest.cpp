#include "chipdb/ChipName.h"

#include <gtest/gtest.h>

namespace {

QStringList split(const char* name)
{
    return SplitChipName(QString::fromUtf8(name));
}

ChipNameParts editorParts(const char* name)
{
    return splitChipNameForEditor(QString::fromUtf8(name));
}

ChipNameParts parts(const char* type, const char* manufacturer, const char* model)
{
    return {QString::fromUtf8(type), QString::fromUtf8(manufacturer), QString::fromUtf8(model)};
}

TEST(SplitChipName, BlankSplitsUnderTheListRuleButNotTheEditorRule)
{
    EXPECT_EQ(split("A B,C,D"), (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(chipNamePartsForLists(QStringLiteral("A B,C,D")), parts("A", "B", "C"));
    EXPECT_EQ(editorParts("A B,C,D"), parts("A B", "C", "D"));
}

TEST(SplitChipName, FinalCommaGivesAnEmptyModelUnderBothRules)
{
    EXPECT_EQ(split("A,B,"), (QStringList{"A", "B", ""}));
    EXPECT_EQ(editorParts("A,B,"), parts("A", "B", ""));
    EXPECT_EQ(split(",,"), (QStringList{"", "", ""}));
    EXPECT_EQ(split("A,,B"), (QStringList{"A", "", "B"}));
}

TEST(SplitChipName, BlanksAndControlCharactersAroundPartsAreSkipped)
{
    EXPECT_EQ(split("  \t A ,  B\n,C  "), (QStringList{"A", "B", "C"}));
    EXPECT_TRUE(split("").isEmpty());
    EXPECT_TRUE(split("   ").isEmpty());
    EXPECT_EQ(split("A,B, "), (QStringList{"A", "B"}));
}

TEST(SplitChipName, QuotedPartsKeepSeparatorsAndUndoubleQuotes)
{
    EXPECT_EQ(split("\"A,B\",\"C D\",\"x\"\"y\""), (QStringList{"A,B", "C D", "x\"y"}));
    EXPECT_EQ(split("\"\",M,N"), (QStringList{"", "M", "N"}));
    // Text after a closing quote starts a part of its own.
    EXPECT_EQ(split("\"A\"B,C"), (QStringList{"A", "B", "C"}));
    // An unterminated quote takes the rest of the name.
    EXPECT_EQ(split("T,\"open,end"), (QStringList{"T", "open,end"}));
}

TEST(SplitChipName, TextEndsAtNul)
{
    const QString name = QString::fromUtf16(u"A,B\0C,D", 7);
    EXPECT_EQ(SplitChipName(name), (QStringList{"A", "B"}));
}

TEST(SplitChipName, EditorRuleWithMissingCommas)
{
    EXPECT_EQ(editorParts("A"), parts("", "", "A"));
    EXPECT_EQ(editorParts("A,B"), parts("A", "", "B"));
    EXPECT_EQ(editorParts(" A , B , C,D "), parts(" A ", " B ", " C,D "));
    EXPECT_EQ(editorParts(""), parts("", "", ""));
}

TEST(SplitChipName, ListPartsAreTrimmedAndMissingOnesEmpty)
{
    EXPECT_EQ(chipNamePartsForLists(QStringLiteral("\"  T \",M")), parts("T", "M", ""));
    EXPECT_EQ(chipNamePartsForLists(QString()), parts("", "", ""));
}

TEST(SplitChipName, JoinTrimsEachTextAndKeepsInnerBlanks)
{
    EXPECT_EQ(joinChipName(QStringLiteral("  SPI "), QStringLiteral("\tMaker"), QStringLiteral("X 25 ")),
              QStringLiteral("SPI,Maker,X 25"));
    EXPECT_EQ(trimChipText(QStringLiteral(" \x01 a b \x1f")), QStringLiteral("a b"));
    const QString chinese = QString::fromUtf16(u"华邦");
    EXPECT_EQ(editorParts("T,M,X"), splitChipNameForEditor(joinChipName("T", "M", "X")));
    EXPECT_EQ(chipNamePartsForLists(joinChipName(chinese, "M", "X")).type, chinese);
}

} // namespace
