#include "programmer/CommandPacket.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr bool Big = true;
constexpr bool Little = false;

// Every byte outside `set` must still be zero.
void expectZeroExcept(const CommandPacket& p, const std::set<std::size_t>& set)
{
    for (std::size_t i = 0; i < CommandPacket::Size; ++i) {
        if (!set.count(i)) {
            EXPECT_EQ(p.bytes[i], 0) << "byte " << i;
        }
    }
}

ChipParams distinctFields(std::uint8_t family)
{
    ChipParams c;
    c.family = family;
    c.subType = 0x21;
    c.flashPage = 0x0102;
    c.delay = 0x0304;
    c.flashSize = 0x05060708;
    c.chipId = 0x090A0B0C;
    c.voltage = 2;
    return c;
}

}  // namespace

TEST(CommandPacket, SetAddress256FollowsTheVariantByteOrder)
{
    const CommandPacket big = makeSetAddress(256, Big);
    const CommandPacket little = makeSetAddress(256, Little);
    EXPECT_EQ(big.command(), CmdSetAddress);
    EXPECT_EQ(big.prefix(), 0);
    EXPECT_EQ((std::array<std::uint8_t, 4>{big.bytes[8], big.bytes[9], big.bytes[10], big.bytes[11]}),
              (std::array<std::uint8_t, 4>{0, 0, 1, 0}));
    EXPECT_EQ((std::array<std::uint8_t, 4>{little.bytes[8], little.bytes[9], little.bytes[10],
                                           little.bytes[11]}),
              (std::array<std::uint8_t, 4>{0, 1, 0, 0}));
    expectZeroExcept(big, {1, 10});
    expectZeroExcept(little, {1, 9});
}

TEST(CommandPacket, ChipParamsSwapOnlyTheMultiByteFields)
{
    const ChipParams chip = distinctFields(1);
    for (const bool order : {Little, Big}) {
        for (const CommandPacket& p : {makeBegin(chip, 0, order), makeQueryChip(chip, 0, order)}) {
            EXPECT_EQ(p.bytes[2], 1);
            EXPECT_EQ(p.bytes[3], 0x21);
            const std::array<std::uint8_t, 12> expected = order == Big
                ? std::array<std::uint8_t, 12>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}
                : std::array<std::uint8_t, 12>{2, 1, 4, 3, 8, 7, 6, 5, 12, 11, 10, 9};
            for (std::size_t i = 0; i < expected.size(); ++i)
                EXPECT_EQ(p.bytes[4 + i], expected[i]) << "byte " << 4 + i << (order ? " big" : " little");
            EXPECT_EQ(p.bytes[28], 2);
            expectZeroExcept(p, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 28});
        }
    }
    EXPECT_EQ(makeBegin(chip, 0, Big).command(), CmdBegin);
    EXPECT_EQ(makeQueryChip(chip, 0, Big).command(), CmdQueryChip);
}

TEST(CommandPacket, SpeedAndVoltageByteDependsOnCommandAndFamily)
{
    ChipParams chip;
    chip.voltage = 2;
    chip.family = 3;  // 25-series EEPROM: speed in the high nibble
    EXPECT_EQ(makeBegin(chip, 2, Big).bytes[16], 0x22);
    EXPECT_EQ(makeQueryChip(chip, 2, Big).bytes[16], 2);
    chip.family = 1;  // 24-series: the voltage, whatever the speed
    EXPECT_EQ(makeBegin(chip, 5, Big).bytes[16], 2);
    EXPECT_EQ(makeQueryChip(chip, 5, Big).bytes[16], 5);
    chip.family = 0;
    EXPECT_EQ(makeBegin(chip, 4, Little).bytes[16], 4);
    chip.family = 4;
    EXPECT_EQ(makeBegin(chip, 1, Little).bytes[16], 2);
}

TEST(CommandPacket, UnselectedSpeedListKeepsTheLowEightBits)
{
    ChipParams chip;
    chip.voltage = 1;
    chip.family = 0;
    EXPECT_EQ(makeBegin(chip, -1, Big).bytes[16], 0xFF);
    EXPECT_EQ(makeQueryChip(chip, -1, Big).bytes[16], 0xFF);
    chip.family = 3;
    EXPECT_EQ(makeBegin(chip, -1, Big).bytes[16], 0xF1);
    chip.family = 2;
    EXPECT_EQ(makeBegin(chip, -1, Big).bytes[16], 1);
}

TEST(CommandPacket, EraseAndEndCarryPrefixOne)
{
    const CommandPacket big = makeErase(0x8000, Big);
    const CommandPacket little = makeErase(0x1234, Little);
    EXPECT_EQ(big.prefix(), 1);
    EXPECT_EQ(big.command(), CmdErase);
    EXPECT_EQ(big.bytes[26], 0x80);
    EXPECT_EQ(big.bytes[27], 0x00);
    EXPECT_EQ(little.bytes[26], 0x34);
    EXPECT_EQ(little.bytes[27], 0x12);
    expectZeroExcept(big, {0, 1, 26});
    const CommandPacket end = makeEnd();
    EXPECT_EQ(end.prefix(), 1);
    EXPECT_EQ(end.command(), CmdEnd);
    expectZeroExcept(end, {0, 1});
}

TEST(CommandPacket, ReadStatusRewritesOnlyTheFirstTwoBytes)
{
    CommandPacket buffer = makeErase(0x8000, Big);
    buffer.bytes[0] = 0x03;  // as a busy status reply leaves it
    buffer.bytes[40] = 0x5A;
    makeReadStatus(buffer);
    EXPECT_EQ(buffer.bytes[0], 0);
    EXPECT_EQ(buffer.command(), CmdReadStatus);
    EXPECT_EQ(buffer.bytes[26], 0x80);
    EXPECT_EQ(buffer.bytes[40], 0x5A);
}

TEST(CommandPacket, SpiTransferCarriesModeCountAndBytes)
{
    const CommandPacket p = makeSpiCommand(CommandPacket::Enter4ByteAddressMode);
    EXPECT_EQ(p.command(), CmdSpiTransfer);
    EXPECT_EQ(p.bytes[2], 3);
    EXPECT_EQ(p.bytes[3], 1);
    EXPECT_EQ(p.bytes[4], 0xB7);
    expectZeroExcept(p, {1, 2, 3, 4});

    // More bytes than the packet holds are cut at its end, never written past it.
    std::vector<std::uint8_t> many(70, 0xA5);
    const CommandPacket full = makeSpiTransfer(many);
    EXPECT_EQ(full.bytes[3], 60);
    EXPECT_EQ(full.bytes[63], 0xA5);
}

TEST(CommandPacket, BlockSizeAndAddressMode)
{
    EXPECT_EQ(blockSize(1), 64);
    EXPECT_EQ(blockSize(16), 64);
    EXPECT_EQ(blockSize(64), 64);
    EXPECT_EQ(blockSize(128), 128);
    EXPECT_EQ(blockSize(256), 256);
    EXPECT_FALSE(needs4ByteAddressing(0x1000000));
    EXPECT_TRUE(needs4ByteAddressing(0x1000001));
    EXPECT_TRUE(needs4ByteAddressing(0x2000000));
}

TEST(CommandPacket, QueryReplyFields)
{
    CommandPacket reply;
    reply.bytes = {1, 0xEF, 0x40, 0x17};
    EXPECT_EQ(reply.queryResult(), 1);
    EXPECT_EQ(reply.queryId(), 0xEF4017u);
    reply.bytes[0] = 0x03;
    EXPECT_TRUE(reply.chipBusy());
    reply.bytes[0] = 0x02;
    EXPECT_FALSE(reply.chipBusy());
}
