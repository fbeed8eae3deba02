#include "SimHarness.h"

class SimErase : public SimTest {
protected:
    // One status poll in the erase buffer; returns the busy bit.
    bool poll(CommandPacket& buffer)
    {
        makeReadStatus(buffer);
        EXPECT_EQ(send(buffer, true), 64);
        return buffer.chipBusy();
    }
};

TEST_F(SimErase, FlashChipEraseIsBusyForTheConfiguredPolls)
{
    load("[device]\nchip_size = 64K\nerase_polls = 2\n");
    begin(ChipParams{0, 0, 256, 100, 0x10000, 0xEF4017, 0});
    CommandPacket buffer = makeErase(CommandPacket::ChipEraseArgument, usb.bigEndianFields());
    ASSERT_EQ(send(buffer, false), 64);
    EXPECT_TRUE(poll(buffer));
    EXPECT_TRUE(poll(buffer));
    EXPECT_FALSE(poll(buffer));
    const auto chip = sim.chip(0);
    EXPECT_EQ(std::count(chip.begin(), chip.end(), 0xFF), 0x10000);
}

TEST_F(SimErase, NoBusyPhaseAnswersNotBusyAtOnce)
{
    load("[device]\nchip_size = 64K\nerase_polls = 0\n");
    begin(ChipParams{0, 0, 256, 100, 0x10000, 0xEF4017, 0});
    CommandPacket buffer = makeErase(CommandPacket::ChipEraseArgument, usb.bigEndianFields());
    send(buffer, false);
    EXPECT_FALSE(poll(buffer));
}

TEST_F(SimErase, EepromPageEraseFollowsTheArgumentIntoTheNext64KiB)
{
    load("[device]\nchip = 24\nchip_size = 128K\nchip_content = zero\n");
    const ChipParams chip{1, 1, 256, 10, 0x20000, 0, 2};
    begin(chip);
    CommandPacket one = makeErase(256, usb.bigEndianFields());
    send(one, false);
    auto image = sim.chip(0);
    EXPECT_EQ(std::count(image.begin(), image.end(), 0xFF), 256);
    EXPECT_EQ(image[256], 0xFF);
    EXPECT_EQ(image[255], 0x00);

    CommandPacket end = makeEnd();
    send(end, false);
    usb.USB_bulk_close();
    begin(chip);
    for (std::uint32_t offset = 0; offset < chip.flashSize; offset += chip.flashPage) {
        CommandPacket p = makeErase(static_cast<std::uint16_t>(offset % 65536), usb.bigEndianFields());
        send(p, false);
    }
    image = sim.chip(0);
    EXPECT_EQ(std::count(image.begin(), image.end(), 0xFF), 0x20000);
}

TEST_F(SimErase, MicrowireEepromErasesWholeWithOneCommand)
{
    load("[device]\nchip = 93\nchip_size = 128\nchip_content = zero\n");
    begin(ChipParams{2, 7, 1, 30, 128, 0, 2});
    CommandPacket p = makeErase(30, usb.bigEndianFields());
    send(p, false);
    const auto image = sim.chip(0);
    EXPECT_EQ(std::count(image.begin(), image.end(), 0xFF), 128);
}
