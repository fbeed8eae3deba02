#include "SimHarness.h"

#include <cstdio>
#include <unistd.h>

namespace {
const ChipParams Flash8M{0, 0, 256, 100, 0x800000, 0xEF4017, 0};
const ChipParams Eeprom24C02{1, 0, 8, 10, 256, 0, 2};
}  // namespace

TEST_F(SimTest, ReadStreamDeliversTheChipAfterTheAddressReply)
{
    ASSERT_EQ(sim.reset(nullptr), 0);
    begin(Flash8M);
    startStream(0, true);
    const auto data = readBlocks(4, 256);
    const auto chip = sim.chip(0);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), chip.begin()));
    EXPECT_EQ(sim.traceCount("read dev=0 t=8 address=0x300 length=256 result=256"), 1);
}

TEST_F(SimTest, WriteStreamRoundTripsThroughAnEeprom)
{
    load("[device]\nchip = 24\nchip_size = 256\nchip_content = zero\n");
    begin(Eeprom24C02);
    startStream(0, false);
    std::vector<std::uint8_t> image(256);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(0xFF - i);
    for (std::size_t off = 0; off < image.size(); off += 64)
        writeBlock({image.begin() + static_cast<long>(off), image.begin() + static_cast<long>(off) + 64});
    EXPECT_EQ(sim.chip(0), std::vector<unsigned char>(image.begin(), image.end()));

    startStream(0, true);
    EXPECT_EQ(readBlocks(4, 64), image);
}

TEST_F(SimTest, FlashProgrammingOnlyClearsBits)
{
    load("[device]\nchip_size = 4K\nchip_content = blank\n");
    const unsigned char preset[2] = {0xF0, 0x3C};
    ASSERT_EQ(sim.chipWrite(0, 0, preset, 2), 0);
    begin(ChipParams{0, 0, 256, 100, 4096, 0xEF4017, 0});
    startStream(0, false);
    std::vector<std::uint8_t> block(256, 0xFF);
    block[0] = 0x0F;
    block[1] = 0xFF;
    writeBlock(block);
    const auto chip = sim.chip(0);
    EXPECT_EQ(chip[0], 0x00);
    EXPECT_EQ(chip[1], 0x3C);
}

TEST_F(SimTest, AddressesAbove16MiBNeedFourByteMode)
{
    load("[device]\nchip_size = 32M\nchip_content = blank\n");
    const unsigned char low = 0x55, high = 0xAA;
    sim.chipWrite(0, 0, &low, 1);
    sim.chipWrite(0, 0x1000000, &high, 1);
    const ChipParams big{0, 0, 256, 100, 0x2000000, 0xEF4019, 0};

    begin(big);
    startStream(0x1000000, true);
    EXPECT_EQ(readBlocks(1, 64)[0], 0x55);  // a 3-byte address wraps to 0

    CommandPacket b7 = makeSpiCommand(CommandPacket::Enter4ByteAddressMode);
    ASSERT_EQ(send(b7, true), 64);
    startStream(0x1000000, true);
    EXPECT_EQ(readBlocks(1, 64)[0], 0xAA);

    // The mode ends with the session.
    CommandPacket end = makeEnd();
    send(end, false);
    usb.USB_bulk_close();
    begin(big);
    startStream(0x1000000, true);
    EXPECT_EQ(readBlocks(1, 64)[0], 0x55);
}

TEST_F(SimTest, ChipAnswersOnlyASessionOfItsOwnFamily)
{
    ASSERT_EQ(sim.reset(nullptr), 0);
    begin(Eeprom24C02);
    startStream(0, true);
    EXPECT_EQ(readBlocks(1, 64), std::vector<std::uint8_t>(64, 0xFF));
    EXPECT_TRUE(traceHas("note=no-chip"));
}

TEST_F(SimTest, SstFlashNeedsItsSubType)
{
    load("[device]\nchip_sst = 1\nchip_size = 64K\nchip_content = blank\nchip_id = 0xBF2541\n");
    const std::vector<std::uint8_t> zeros(256, 0x00);
    begin(ChipParams{0, 0, 256, 100, 0x10000, 0xBF2541, 0});
    startStream(0, false);
    writeBlock(zeros);
    auto chip = sim.chip(0);
    EXPECT_EQ(chip[0], 0x00);
    EXPECT_EQ(chip[1], 0xFF);  // the page program took one byte only

    CommandPacket end = makeEnd();
    send(end, false);
    usb.USB_bulk_close();
    begin(ChipParams{0, 1, 256, 100, 0x10000, 0xBF2541, 0});
    startStream(256, false);
    writeBlock(zeros);
    chip = sim.chip(0);
    EXPECT_EQ(std::count(chip.begin() + 256, chip.begin() + 512, 0x00), 256);
}

TEST_F(SimTest, ChipImageFileSurvivesAReset)
{
    char path[] = "/tmp/zorvex-sim-imageXXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    const std::string config = std::string("[device]\nchip = 24\nchip_size = 256\nchip_image = ") + path + "\n";
    load(config);
    EXPECT_EQ(sim.chip(0)[0], 0x00);  // a new file starts with the pattern
    begin(Eeprom24C02);
    startStream(0, false);
    writeBlock(std::vector<std::uint8_t>(64, 0x42));
    usb.USB_bulk_close();

    load(config);
    const auto chip = sim.chip(0);
    EXPECT_EQ(chip[0], 0x42);
    EXPECT_EQ(chip[63], 0x42);
    EXPECT_EQ(chip[64], 64);
    std::remove(path);
}
