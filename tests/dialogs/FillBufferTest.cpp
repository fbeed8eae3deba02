#include "buffer/FillBuffer.h"
#include "text/HexDigit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> erased(std::size_t size) { return std::vector<std::uint8_t>(size, 0xFF); }

FillRequest request(FillMode mode, qint32 start, qint32 end, qint32 value = 0)
{
    FillRequest r;
    r.mode = mode;
    r.byteValue = value;
    r.wordValue = value;
    r.start = start;
    r.end = end;
    return r;
}

TEST(FillBuffer, ByteModeFillsExactlyTheInclusiveRangeWithTheLowByte)
{
    auto buffer = erased(16);
    ASSERT_TRUE(FillBuffer(buffer, request(FillMode::Byte, 3, 5, 0x1A5), 0));
    const std::vector<std::uint8_t> expected{0xFF, 0xFF, 0xFF, 0xA5, 0xA5, 0xA5, 0xFF, 0xFF,
                                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(buffer, expected);
}

TEST(FillBuffer, WordModeIsLittleEndianFromTheEvenAddress)
{
    auto buffer = erased(8);
    ASSERT_TRUE(FillBuffer(buffer, request(FillMode::Word, 0, 3, 0x1234), 0));
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{0x34, 0x12, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF}));

    // A range that is not whole words writes exactly its bytes, the words still sitting at even
    // addresses: an odd address gets the high byte.
    buffer = erased(8);
    ASSERT_TRUE(FillBuffer(buffer, request(FillMode::Word, 1, 4, 0xBEEF), 0));
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{0xFF, 0xBE, 0xEF, 0xBE, 0xEF, 0xFF, 0xFF, 0xFF}));
    buffer = erased(4);
    ASSERT_TRUE(FillBuffer(buffer, request(FillMode::Word, 3, 3, 0x5566), 0));
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x55}));
}

TEST(FillBuffer, RandomModeFillsTheRangeAndRepeatsForTheSameSeed)
{
    auto first = erased(64);
    auto second = erased(64);
    ASSERT_TRUE(FillBuffer(first, request(FillMode::Random, 8, 39), 1234567));
    ASSERT_TRUE(FillBuffer(second, request(FillMode::Random, 8, 39), 1234567));
    EXPECT_EQ(first, second);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(first[i], 0xFF);
    for (std::size_t i = 40; i < 64; ++i)
        EXPECT_EQ(first[i], 0xFF);

    std::vector<std::uint8_t> range(first.begin() + 8, first.begin() + 40);
    auto other = erased(64);
    ASSERT_TRUE(FillBuffer(other, request(FillMode::Random, 8, 39), 1234568));
    EXPECT_NE(range, std::vector<std::uint8_t>(other.begin() + 8, other.begin() + 40));
}

TEST(FillBuffer, GeneratorYieldsFifteenBitValuesOfTheStandardSequence)
{
    FillRandomGenerator generator(1);
    EXPECT_EQ(generator.next(), 16838);
    EXPECT_EQ(generator.next(), 5758);
    EXPECT_EQ(generator.next(), 10113);
    for (int i = 0; i < 1000; ++i) {
        const int value = generator.next();
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 32768);
    }
}

TEST(FillBuffer, RangesOutsideTheBufferChangeNothing)
{
    struct Range { qint32 start, end; } const bad[] = {
        {5, 4},    // end below start
        {-1, 3},   // negative start
        {0, 16},   // one past the end
        {0, -1},   // FFFFFFFF read as a signed number
        {20, 30},  // wholly beyond
    };
    for (const FillMode mode : {FillMode::Byte, FillMode::Word, FillMode::Random}) {
        for (const Range r : bad) {
            auto buffer = erased(16);
            EXPECT_FALSE(FillBuffer(buffer, request(mode, r.start, r.end, 0), 0))
                << r.start << ".." << r.end;
            EXPECT_EQ(buffer, erased(16));
        }
    }
    auto buffer = erased(16);
    EXPECT_TRUE(FillBuffer(buffer, request(FillMode::Byte, 15, 15, 0), 0));
    EXPECT_EQ(buffer[15], 0);
}

TEST(FillBuffer, FieldsReadAsHexWithEightSignificantDigits)
{
    EXPECT_EQ(hexNumber32("FF"), 0xFF);
    EXPECT_EQ(hexNumber32("00000"), 0);
    EXPECT_EQ(hexNumber32("3ffffff"), 0x3FFFFFF);
    EXPECT_EQ(hexNumber32("FFFFFFFF"), -1);
    EXPECT_EQ(hexNumber32("000000001"), 1);  // leading zeros do not count
    EXPECT_EQ(hexNumber32("100000000"), std::nullopt);
    EXPECT_EQ(hexNumber32(""), std::nullopt);
    EXPECT_EQ(hexNumber32(" 1"), std::nullopt);
    EXPECT_EQ(hexNumber32("1G"), std::nullopt);
    EXPECT_EQ(hexNumber32("-1"), std::nullopt);
    EXPECT_EQ(hexNumber32("0x10"), std::nullopt);
}

}  // namespace
