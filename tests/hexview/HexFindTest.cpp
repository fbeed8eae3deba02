#include "hexview/HexFind.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(const char* text)
{
    return std::vector<std::uint8_t>(text, text + std::strlen(text));
}

qint64 find(const std::vector<std::uint8_t>& data, const std::vector<std::uint8_t>& pattern,
            qint64 from, qint64 to, const HexByteTable* table = nullptr, int wildcard = -1)
{
    HexFindRequest r;
    r.pattern = pattern;
    r.from = from;
    r.to = to;
    r.table = table;
    r.wildcard = wildcard;
    return hexFind(data, r);
}

} // namespace

TEST(HexFind, RangeIsInclusiveAndMatchMustFitInside)
{
    const auto data = bytesOf("xxabcxxabc");
    const auto abc = bytesOf("abc");
    EXPECT_EQ(find(data, abc, 0, 100), 2);     // `to` past the end is clipped
    EXPECT_EQ(find(data, abc, 3, 9), 7);
    EXPECT_EQ(find(data, abc, 3, 8), -1);      // the second match would end past `to`
    EXPECT_EQ(find(data, abc, 2, 4), 2);       // exactly fits
    EXPECT_EQ(find(data, abc, -5, 4), 2);
    EXPECT_EQ(find(data, {}, 0, 9), -1);
    EXPECT_EQ(find(data, abc, 8, 9), -1);      // range shorter than the text
    EXPECT_EQ(find({}, abc, 0, 9), -1);
}

TEST(HexFind, RestartsOneByteAfterAFailedStart)
{
    // A naive skip past a partial match would miss "aab" inside "aaab".
    EXPECT_EQ(find(bytesOf("aaab"), bytesOf("aab"), 0, 3), 1);
    EXPECT_EQ(find(bytesOf("ababac"), bytesOf("abac"), 0, 5), 2);
}

TEST(HexFind, IgnoreCaseFoldsDataAndPatternThroughTheTranslation)
{
    HexTranslation translation;
    const HexFindTables asIs = HexFindTables::build(translation, tkAsIs);
    const auto data = bytesOf("..HeLLo \xC9t\xE9");
    EXPECT_EQ(find(data, bytesOf("hello"), 0, 100, &asIs.ignoreCase), 2);
    EXPECT_EQ(find(data, bytesOf("HELLO"), 0, 100, &asIs.ignoreCase), 2);
    EXPECT_EQ(find(data, bytesOf("hello"), 0, 100, &asIs.identity), -1);
    EXPECT_EQ(find(data, bytesOf("\xE9T\xC9"), 0, 100, &asIs.ignoreCase), 8);  // Latin-1 letters

    // Under EBCDIC the data byte 0xC1 shows as 'A' and 0x81 as 'a'.
    const HexFindTables ebcdic = HexFindTables::build(translation, tkBCD);
    const std::vector<std::uint8_t> ebcdicData{0x40, 0xC1, 0x40};
    EXPECT_EQ(find(ebcdicData, {0x81}, 0, 2, &ebcdic.ignoreCase), 1);
    EXPECT_EQ(find(ebcdicData, {0x81}, 0, 2, &ebcdic.identity), -1);
}

TEST(HexFind, WildcardMatchesAnyByteButNotPastTheRange)
{
    const std::vector<std::uint8_t> data{1, 2, 3, 4, 1, 9, 3, 7};
    EXPECT_EQ(find(data, {1, 0x3F, 3}, 0, 7, nullptr, 0x3F), 0);
    EXPECT_EQ(find(data, {1, 0x3F, 3}, 1, 7, nullptr, 0x3F), 4);
    EXPECT_EQ(find(data, {0x3F, 3, 7}, 0, 7, nullptr, 0x3F), 5);
    EXPECT_EQ(find(data, {0x3F, 0x3F}, 3, 7, nullptr, 0x3F), 3);
    EXPECT_EQ(find(data, {0x3F, 0x3F}, 7, 7, nullptr, 0x3F), -1);
    EXPECT_EQ(find(data, {1, 0x3F, 3}, 0, 7), -1);  // without a wildcard byte it is literal
}

TEST(HexFind, MatchesAcrossSliceBoundariesAreFoundWithAndWithoutProgress)
{
    // Slices of 1 MiB without progress and of the progress step with it: put a match across
    // each boundary and check that nothing is skipped.
    const qint64 size = (qint64(1) << 21) + 10;
    std::vector<std::uint8_t> data(std::size_t(size), 0);
    const std::vector<std::uint8_t> pattern{0xDE, 0xAD, 0xBE, 0xEF};
    const qint64 at = (qint64(1) << 20) - 2;
    std::copy(pattern.begin(), pattern.end(), data.begin() + at);
    EXPECT_EQ(find(data, pattern, 0, size - 1), at);

    HexTranslation translation;
    const HexFindTables t = HexFindTables::build(translation, tkAsIs);
    HexFindRequest r;
    r.pattern = pattern;
    r.from = 0;
    r.to = size - 1;
    r.table = &t.ignoreCase;
    r.progressStep = 1000;
    std::vector<qint64> reported;
    r.progress = [&](qint64 p) { reported.push_back(p); };
    data.assign(std::size_t(size), 0);
    std::copy(pattern.begin(), pattern.end(), data.begin() + 4998);
    EXPECT_EQ(hexFind(data, r), 4998);
    EXPECT_EQ(reported, (std::vector<qint64>{0, 1000, 2000, 3000, 4000}));

    r.wildcard = 0xAD;
    data.assign(std::size_t(size), 0);
    std::copy(pattern.begin(), pattern.end(), data.end() - 4);
    EXPECT_EQ(hexFind(data, r), size - 4);
}

TEST(HexFind, SearchTextIsFoldedTranslatedAndWidened)
{
    HexTranslation translation;
    HexSearchTextOptions o;
    EXPECT_EQ(hexPrepareSearchText("AbC", translation, o), QByteArray("AbC"));
    o.ignoreCase = true;
    EXPECT_EQ(hexPrepareSearchText("AbC", translation, o), QByteArray("abc"));
    o.unicode = true;
    EXPECT_EQ(hexPrepareSearchText("Ab", translation, o), QByteArray("a\0b\0", 4));
    o.unicodeBigEndian = true;
    EXPECT_EQ(hexPrepareSearchText("Ab", translation, o), QByteArray("\0a\0b", 4));
    HexSearchTextOptions e;
    e.translate = true;
    e.translation = tkBCD;
    EXPECT_EQ(hexPrepareSearchText("Aa", translation, e), QByteArray("\xC1\x81"));
}
