#include "hexview/HexEditorError.h"
#include "hexview/HexEditorEx.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void load(HexEditor& editor, const std::vector<std::uint8_t>& bytes)
{
    editor.LoadFromBytes(bytes);
}

} // namespace

TEST(HexEditorFind, FindsInTheStoreWithCaseFoldingAndWildcards)
{
    HexEditorEx editor;
    const char text[] = "Flash ID: EF4017, flash size 8M";
    load(editor, std::vector<std::uint8_t>(text, text + sizeof text - 1));
    const char flash[] = "flash";
    EXPECT_EQ(editor.Find(flash, 5, 0, 1000, false), 18);
    EXPECT_EQ(editor.Find(flash, 5, 0, 1000, true), 0);
    EXPECT_EQ(editor.Find(flash, 5, 1, 21, true), -1);  // the second one ends at 22
    EXPECT_EQ(editor.Find(flash, 0, 0, 1000, true), -1);
    const char pattern[] = "EF??17";
    EXPECT_EQ(editor.FindWithWildcard(pattern, 6, 0, 1000, false, '?'), 10);
    EXPECT_EQ(editor.FindWithWildcard(pattern, 6, 0, 1000, false, '*'), -1);
}

TEST(HexEditorFind, SearchTextFollowsTheCharacterMode)
{
    HexEditorEx editor;
    // "Hi" as 16-bit little-endian characters, then as big-endian ones.
    load(editor, {0, 'H', 0, 'i', 'H', 0, 'i', 0});
    editor.SetBytesPerUnit(2);
    editor.SetUnicodeChars(true);
    const QByteArray little = editor.PrepareFindText("hI", true, false);
    EXPECT_EQ(editor.Find(little.constData(), little.size(), 0, 7, true), 4);
    editor.SetUnicodeBigEndian(true);
    const QByteArray big = editor.PrepareFindText("Hi", false, false);
    EXPECT_EQ(editor.Find(big.constData(), big.size(), 0, 7, false), 0);
}

TEST(HexEditorFind, ProgressIsReportedAndCancelStopsTheSearch)
{
    HexEditorEx editor;
    std::vector<std::uint8_t> bytes(1'000'000, 0x11);
    bytes[999'990] = 0x42;
    load(editor, bytes);
    std::vector<int> percents;
    bool cancelAt50 = false;
    editor.OnProgress = [&](HexProgressKind kind, int percent, const QString&, bool& cancel) {
        EXPECT_EQ(kind, pkFind);
        percents.push_back(percent);
        cancel = cancelAt50 && percent >= 50;
    };
    const char b = 0x42;
    EXPECT_EQ(editor.Find(&b, 1, 0, 999'999, false), 999'990);
    EXPECT_TRUE(percents.empty());  // FindProgress is off by default

    editor.SetFindProgress(true);
    EXPECT_EQ(editor.Find(&b, 1, 0, 999'999, false), 999'990);
    ASSERT_EQ(percents.size(), 500u);  // every size/500 positions
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 99);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));

    percents.clear();
    cancelAt50 = true;
    try {
        (void)editor.Find(&b, 1, 0, 999'999, false);
        ADD_FAILURE() << "a cancelled search must not report a result";
    } catch (const HexEditorError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Operation cancelled"));
    }
    EXPECT_EQ(percents.back(), 50);
}

TEST(HexEditorFind, AttachedHandlersReplaceTheSearch)
{
    HexEditorEx editor;
    load(editor, {1, 2, 3});
    int calls = 0;
    editor.OnFind = [&](const void*, qint64 length, qint64 from, qint64 to, bool ignore, qint64& found) {
        ++calls;
        EXPECT_EQ(length, 1);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 2);
        EXPECT_TRUE(ignore);
        found = 77;
    };
    editor.OnWildcardFind = [&](const void*, qint64, qint64, qint64, bool, char wildcard, qint64& found) {
        ++calls;
        EXPECT_EQ(wildcard, '?');
        found = -1;
    };
    const char two = 2;
    EXPECT_EQ(editor.Find(&two, 1, 0, 2, true), 77);
    EXPECT_EQ(editor.FindWithWildcard(&two, 1, 0, 2, true, '?'), -1);
    EXPECT_EQ(calls, 2);
}
