#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Command codes of the programmer firmware (packet byte 1).
enum CommandCode : std::uint8_t {
    CmdErase = 2,
    CmdSetAddress = 5,
    CmdBegin = 7,
    CmdEnd = 8,
    CmdQueryChip = 9,
    CmdReadStatus = 10,
    CmdSpiTransfer = 11,
};

// The 24-bit ID of a query reply: byte 1 in bits 23..16, byte 2 in 15..8, byte 3 in 7..0.
[[nodiscard]] constexpr std::uint32_t detectedChipId(std::uint8_t byte1, std::uint8_t byte2, std::uint8_t byte3)
{
    return (std::uint32_t{byte1} << 16) | (std::uint32_t{byte2} << 8) | byte3;
}

// The chip parameters a set-up packet carries, taken from the selected chip record. Kept apart
// from the database record so the wire protocol depends on nothing but these seven numbers.
struct ChipParams {
    std::uint8_t family = 0;
    std::uint8_t subType = 0;
    std::uint16_t flashPage = 0;
    std::uint16_t delay = 0;
    std::uint32_t flashSize = 0;
    std::uint32_t chipId = 0;
    std::uint8_t voltage = 0;
};

// The fixed 64-byte command and reply packet. A built packet is all zero except the bytes its
// command sets; multi-byte fields are written in the byte order of the programmer variant that
// is open (most significant first when bigEndianFields holds).
struct CommandPacket {
    static constexpr std::size_t Size = 64;
    // The SPI flash opcode that switches a chip to 4-byte addressing, sent for chips over 16 MiB.
    static constexpr std::uint8_t Enter4ByteAddressMode = 0xB7;
    static constexpr std::uint32_t Largest3ByteAddressChip = 0x1000000;
    static constexpr std::size_t MaxSpiBytes = Size - 4;
    // The erase argument that asks an SPI flash for a whole-chip erase.
    static constexpr std::uint16_t ChipEraseArgument = 0x8000;

    std::array<std::uint8_t, Size> bytes{};

    [[nodiscard]] char* data() { return reinterpret_cast<char*>(bytes.data()); }
    [[nodiscard]] const char* data() const { return reinterpret_cast<const char*>(bytes.data()); }
    [[nodiscard]] static constexpr int length() { return static_cast<int>(Size); }
    [[nodiscard]] std::uint8_t prefix() const { return bytes[0]; }
    [[nodiscard]] std::uint8_t command() const { return bytes[1]; }
    // Reply of CmdReadStatus: bit 0 of byte 0.
    [[nodiscard]] bool chipBusy() const { return (bytes[0] & 1) != 0; }
    // Reply of CmdQueryChip: byte 0, and the ID of bytes 1..3.
    [[nodiscard]] std::uint8_t queryResult() const { return bytes[0]; }
    [[nodiscard]] std::uint32_t queryId() const { return detectedChipId(bytes[1], bytes[2], bytes[3]); }

    friend bool operator==(const CommandPacket&, const CommandPacket&) = default;
};

// speedIndex is the position in the programming-speed list, -1 when nothing is selected; only
// its low 8 bits reach the packet.
[[nodiscard]] CommandPacket makeBegin(const ChipParams& chip, int speedIndex, bool bigEndianFields);
[[nodiscard]] CommandPacket makeQueryChip(const ChipParams& chip, int speedIndex,
                                          bool bigEndianFields);
[[nodiscard]] CommandPacket makeErase(std::uint16_t argument, bool bigEndianFields);
[[nodiscard]] CommandPacket makeSetAddress(std::uint32_t address, bool bigEndianFields);
[[nodiscard]] CommandPacket makeEnd();
// Bytes past CommandPacket::MaxSpiBytes do not fit the packet and are not sent.
[[nodiscard]] CommandPacket makeSpiTransfer(std::span<const std::uint8_t> bytes);
[[nodiscard]] CommandPacket makeSpiCommand(std::uint8_t opcode);
// The status query is built in the buffer of the erase that precedes it: only bytes 0 and 1 are
// written, the rest keep what the buffer last held (the erase packet, then each status reply).
void makeReadStatus(CommandPacket& previous);

// Length of every data block of a chip stream: the page size, at least 64 bytes.
[[nodiscard]] int blockSize(std::uint16_t flashPage);
// Whether the chip needs the 4-byte address mode command before its streams.
[[nodiscard]] bool needs4ByteAddressing(std::uint32_t flashSize);
