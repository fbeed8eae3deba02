#include "hexview/HexTranslation.h"

#include <gtest/gtest.h>

#include <set>

TEST(HexTranslation, EbcdicTableIsAPermutationWithAnExactInverse)
{
    HexTranslation t;
    const HexByteTable& to = t.toAnsi(tkBCD);
    EXPECT_EQ(std::set<std::uint8_t>(to.begin(), to.end()).size(), 256u);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(t.fromAnsi(tkBCD)[to[b]], b);
    EXPECT_EQ(to[0xC1], 'A');
    EXPECT_EQ(to[0xF0], '0');
    EXPECT_EQ(to[0x40], ' ');
}

TEST(HexTranslation, CodePagesMapKnownCharactersAndRoundTrip)
{
    HexTranslation t;
    EXPECT_EQ(t.toAnsi(tkDos8)[0x82], 0xE9);  // e acute
    EXPECT_EQ(t.toAnsi(tkDos8)[0xC4], '-');   // box drawing falls back to a look-alike
    EXPECT_EQ(t.toAnsi(tkMac)[0x8E], 0xE9);
    EXPECT_EQ(t.toAnsi(tkMac)[0xDB], 0x80);   // euro sign
    for (TranslationKind k : {tkDos8, tkMac}) {
        for (int b = 0; b < 128; ++b)
            EXPECT_EQ(t.toAnsi(k)[b], b);
        EXPECT_EQ(t.fromAnsi(k)[0xE9], k == tkDos8 ? 0x82 : 0x8E);
    }
    HexByteTable custom = t.toAnsi(tkAsIs);
    std::swap(custom['a'], custom['b']);
    custom['c'] = 'b';  // 'a' shows it too: the lower byte is read back, and nothing reads as 'c'
    t.setCustomToAnsi(custom);
    EXPECT_EQ(t.fromAnsi(tkCustom)['c'], '?');
    std::uint8_t bytes[] = {'a', 'b', 'c'};
    t.translateToAnsi(tkCustom, bytes);
    EXPECT_EQ(bytes[0], 'b');
    t.translateFromAnsi(tkCustom, bytes);
    EXPECT_EQ(bytes[0], 'a');
    EXPECT_EQ(bytes[1], 'b');
    EXPECT_EQ(bytes[2], 'a');
}

TEST(HexTranslation, EachKindAndUnicodeModeHasItsDisplayAndShortName)
{
    const std::pair<TranslationKind, const char*> names[] = {
        {tkAsIs, "Windows/WIN"}, {tkDos8, "Dos 8 bits/DOS"}, {tkASCII, "ASCII 7 bits/ASC"},
        {tkMac, "Macintosh/MAC"}, {tkBCD, "EBCDIC codepage 38/BCD"},
        {tkCustom, "Custom translation/Cust"}};
    for (const auto& [kind, both] : names)
        EXPECT_EQ(translationName(kind) + u'/' + translationShortName(kind), QLatin1String(both));
    EXPECT_EQ(unicodeModeName(false) + u'/' + unicodeModeShortName(false),
              QLatin1String("Unicode little endian/UCLE"));
    EXPECT_EQ(unicodeModeName(true) + u'/' + unicodeModeShortName(true),
              QLatin1String("Unicode big endian/UCBE"));
}
