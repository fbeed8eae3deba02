#include "programmer/CommandPacket.h"

#include <algorithm>

namespace {

// Family codes as the firmware knows them; the byte-16 rule depends on two of them.
constexpr std::uint8_t FamilyCode25Flash = 0;
constexpr std::uint8_t FamilyCode25Eeprom = 3;

constexpr int MinimumBlock = 64;

// A field as wide as its type, in the byte order of the programmer variant.
template <typename Field>
void putField(CommandPacket& p, std::size_t at, Field value, bool bigEndian)
{
    for (std::size_t i = 0; i < sizeof(Field); ++i) {
        const std::size_t shift = bigEndian ? 8 * (sizeof(Field) - 1 - i) : 8 * i;
        p.bytes[at + i] = static_cast<std::uint8_t>(value >> shift);
    }
}

CommandPacket withParams(std::uint8_t code, const ChipParams& chip, std::uint8_t byte16,
                         bool bigEndian)
{
    CommandPacket p;
    p.bytes[1] = code;
    p.bytes[2] = chip.family;
    p.bytes[3] = chip.subType;
    putField(p, 4, chip.flashPage, bigEndian);
    putField(p, 6, chip.delay, bigEndian);
    putField(p, 8, chip.flashSize, bigEndian);
    putField(p, 12, chip.chipId, bigEndian);
    p.bytes[16] = byte16;
    p.bytes[28] = chip.voltage;
    return p;
}

// Byte 16 of CmdBegin: the speed for SPI flash, speed and voltage nibbles for the 25-series
// EEPROM, the voltage code for the other families.
std::uint8_t beginSpeedByte(const ChipParams& chip, int speedIndex)
{
    // Truncation to 8 bits is what the firmware has always received for an unselected list (-1).
    switch (chip.family) {
    case FamilyCode25Flash:
        return static_cast<std::uint8_t>(speedIndex);
    case FamilyCode25Eeprom:
        return static_cast<std::uint8_t>(speedIndex * 16 + chip.voltage);
    default:
        return chip.voltage;
    }
}

}  // namespace

CommandPacket makeBegin(const ChipParams& chip, int speedIndex, bool bigEndianFields)
{
    return withParams(CmdBegin, chip, beginSpeedByte(chip, speedIndex), bigEndianFields);
}

CommandPacket makeQueryChip(const ChipParams& chip, int speedIndex, bool bigEndianFields)
{
    return withParams(CmdQueryChip, chip, static_cast<std::uint8_t>(speedIndex), bigEndianFields);
}

CommandPacket makeErase(std::uint16_t argument, bool bigEndianFields)
{
    CommandPacket p;
    p.bytes[0] = 1;
    p.bytes[1] = CmdErase;
    putField(p, 26, argument, bigEndianFields);
    return p;
}

CommandPacket makeSetAddress(std::uint32_t address, bool bigEndianFields)
{
    CommandPacket p;
    p.bytes[1] = CmdSetAddress;
    putField(p, 8, address, bigEndianFields);
    return p;
}

CommandPacket makeEnd()
{
    CommandPacket p;
    p.bytes[0] = 1;
    p.bytes[1] = CmdEnd;
    return p;
}

CommandPacket makeSpiTransfer(std::span<const std::uint8_t> bytes)
{
    const std::size_t n = std::min(bytes.size(), CommandPacket::MaxSpiBytes);
    CommandPacket p;
    p.bytes[1] = CmdSpiTransfer;
    p.bytes[2] = 3;
    p.bytes[3] = static_cast<std::uint8_t>(n);
    std::copy_n(bytes.begin(), n, p.bytes.begin() + 4);
    return p;
}

CommandPacket makeSpiCommand(std::uint8_t opcode)
{
    return makeSpiTransfer(std::span<const std::uint8_t>(&opcode, 1));
}

void makeReadStatus(CommandPacket& previous)
{
    previous.bytes[0] = 0;
    previous.bytes[1] = CmdReadStatus;
}

int blockSize(std::uint16_t flashPage)
{
    return std::max<int>(flashPage, MinimumBlock);
}

bool needs4ByteAddressing(std::uint32_t flashSize)
{
    return flashSize > CommandPacket::Largest3ByteAddressChip;
}
