#include "SimFixture.h"

#include <random>

// The "WinUSBComm" programmer takes every multi-byte packet field most significant byte first.
// Each packet of whole operations is compared byte for byte with what that order gives; the
// values are chosen so that no field reads the same in both orders.

namespace {

using Packet = std::array<quint8, 64>;

void putBigEndian(Packet& packet, std::size_t at, quint32 value, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i)
        packet[at + i] = static_cast<quint8>(value >> (8 * (bytes - 1 - i)));
}

// CmdBegin and CmdQueryChip: the chip parameter block.
Packet paramsPacket(quint8 code, const ChipRecord& chip, quint8 byte16)
{
    Packet p{};
    p[1] = code;
    p[2] = chip.family;
    p[3] = chip.subType;
    putBigEndian(p, 4, chip.flashPage, 2);
    putBigEndian(p, 6, chip.delay, 2);
    putBigEndian(p, 8, chip.flashSize, 4);
    putBigEndian(p, 12, chip.chipId, 4);
    p[16] = byte16;
    p[28] = chip.voltage;
    return p;
}

Packet erasePacket(quint16 argument)
{
    Packet p{};
    p[0] = 1;
    p[1] = 2;
    putBigEndian(p, 26, argument, 2);
    return p;
}

Packet addressPacket(quint32 address)
{
    Packet p{};
    p[1] = 5;
    putBigEndian(p, 8, address, 4);
    return p;
}

Packet endPacket()
{
    Packet p{};
    p[0] = 1;
    p[1] = 8;
    return p;
}

} // namespace

class BigEndianVariantTest : public SimFixture {
protected:
    void configureLegacy(const std::string& chipKeys)
    {
        const std::string text = "[device]\nmanufacturer = Zorvex\nproduct = WinUSBComm\n" + chipKeys;
        ASSERT_EQ(sim.reset(text.c_str()), 0) << sim.lastError();
    }

    // Every command packet of the trace, in order, as sent.
    [[nodiscard]] std::vector<Packet> packets() const
    {
        std::vector<Packet> sent;
        for (const std::string& line : traceWith("cmd ")) {
            const std::size_t at = line.find(" packet=");
            if (at == std::string::npos)
                continue;
            Packet p{};
            for (std::size_t i = 0; i < p.size(); ++i)
                p[i] = static_cast<quint8>(std::stoul(line.substr(at + 8 + 2 * i, 2), nullptr, 16));
            sent.push_back(p);
        }
        return sent;
    }
};

TEST_F(BigEndianVariantTest, EraseWriteAndReadPutEveryFieldMostSignificantByteFirst)
{
    configureLegacy("chip = 24\nchip_size = 2K\nchip_content = zero\n");
    ChipRecord chip = makeChip("24,A,B", Family24Eeprom, 0x800, 0x10, 0x00A1B2C3, 0x0507);
    chip.subType = 3;
    chip.voltage = 2;
    host.chip = chip;
    host.speed = 4;

    // The query carries the speed in byte 16, the set-up of a 24-series chip its voltage.
    const Packet query = paramsPacket(9, chip, 4);
    const Packet begin = paramsPacket(7, chip, 2);

    ASSERT_EQ(ops.runErase(), CommandOutcome::Completed);
    std::vector<Packet> expected{query, endPacket(), begin};
    for (quint32 page = 0; page < chip.flashSize; page += chip.flashPage)
        expected.push_back(erasePacket(static_cast<quint16>(page)));
    expected.push_back(endPacket());
    EXPECT_EQ(packets(), expected);
    EXPECT_EQ(sim.chip(), std::vector<unsigned char>(chip.flashSize, 0xFF));

    std::mt19937 random(15);
    std::vector<unsigned char> image(chip.flashSize);
    std::generate(image.begin(), image.end(), [&] { return static_cast<unsigned char>(random()); });
    std::copy(image.begin(), image.end(), host.bytes());
    host.length = static_cast<qint32>(image.size());
    sim.traceClear();
    ASSERT_EQ(ops.runWrite(), CommandOutcome::Completed);
    EXPECT_EQ(packets(), (std::vector<Packet>{query, endPacket(), begin, addressPacket(0), endPacket()}));
    EXPECT_EQ(sim.chip(), image);

    std::fill_n(host.bytes(), chip.flashSize, quint8{0xFF});
    sim.traceClear();
    ASSERT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_EQ(packets(), (std::vector<Packet>{query, endPacket(), begin, addressPacket(0), endPacket()}));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), host.bytes()));
}

TEST_F(BigEndianVariantTest, FlashEraseArgumentAndStatusPollsOnTheWire)
{
    configureLegacy("chip = 25flash\nchip_size = 64K\nchip_id = 0xC22016\nerase_polls = 1\n");
    const ChipRecord chip = makeChip("25,M,X", Family25Flash, 0x10000, 0x100, 0xC22016, 0x0302);
    host.chip = chip;
    host.speed = 1;
    ASSERT_EQ(ops.runErase(), CommandOutcome::Completed);

    // The polls are built in the erase packet's buffer: only their first two bytes change.
    Packet poll = erasePacket(0x8000);
    poll[0] = 0;
    poll[1] = 10;
    EXPECT_EQ(packets(), (std::vector<Packet>{paramsPacket(9, chip, 1), endPacket(), paramsPacket(7, chip, 1),
                                              erasePacket(0x8000), poll, poll, endPacket()}));
}
