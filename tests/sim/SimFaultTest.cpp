#include "SimHarness.h"

namespace {
const ChipParams Eeprom{1, 0, 64, 10, 256, 0, 2};
const char* const Eeprom256 = "[device]\nchip = 24\nchip_size = 256\nchip_content = zero\n";
}  // namespace

// Transfers: 1 Begin, 2 its reply, 3 SetAddress, 4 its reply, 5 and 6 blocks, 7 SetAddress,
// 8 a block.
TEST_F(SimTest, TimedOutTransferHasNoEffect)
{
    load(std::string(Eeprom256) + "timeout_at = 5, 8\n");
    begin(Eeprom);
    startStream(0, true);
    std::vector<std::uint8_t> block(64, 0xEE);
    EXPECT_EQ(usb.USB_bulk_read(reinterpret_cast<char*>(block.data()), 64), -110);
    EXPECT_EQ(block, std::vector<std::uint8_t>(64, 0xEE));
    EXPECT_EQ(usb.USB_bulk_read(reinterpret_cast<char*>(block.data()), 64), 64);
    EXPECT_EQ(block[0], 0x00);  // the stream did not move on the failed block

    startStream(0, false);
    const std::vector<std::uint8_t> ones(64, 0x11);
    EXPECT_EQ(usb.USB_bulk_write(reinterpret_cast<const char*>(ones.data()), 64), -110);
    EXPECT_EQ(sim.chip(0)[0], 0x00);
    EXPECT_TRUE(traceHas("fault timeout dev=0 t=8 ep=0x5 result=-110"));
}

TEST_F(SimTest, ShortTransferMovesOnlyPartOfTheBlock)
{
    load(std::string(Eeprom256) + "short_at = 4\nshort_length = 16\n");
    begin(Eeprom);
    startStream(0, false);
    const std::vector<std::uint8_t> ones(64, 0x11);
    EXPECT_EQ(usb.USB_bulk_write(reinterpret_cast<const char*>(ones.data()), 64), 16);
    const auto chip = sim.chip(0);
    EXPECT_EQ(chip[15], 0x11);
    EXPECT_EQ(chip[16], 0x00);
    EXPECT_TRUE(traceHas("fault short dev=0 t=4 ep=0x5 length=64 result=16"));
}

TEST_F(SimTest, UnpluggedProgrammerFailsTransfersAndLeavesTheBus)
{
    load("[device]\nunplug_after = 2\n");
    begin(ChipParams{0, 0, 256, 100, 0x800000, 0xEF4017, 0});
    CommandPacket p = makeSetAddress(0, usb.bigEndianFields());
    EXPECT_EQ(send(p, true), -19);
    char block[64];
    EXPECT_EQ(usb.USB_bulk_read(block, 64), -19);
    usb.USB_bulk_close();
    EXPECT_EQ(sim.counter(0, "open_handles"), 0);
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);

    ASSERT_EQ(sim.setPlugged(0, 1), 0);
    open();
}

TEST_F(SimTest, UnansweredQueryLeavesTheCommandBytes)
{
    load("[device]\nno_reply = QueryChip\n");
    open();
    CommandPacket p = makeQueryChip(ChipParams{}, 0, usb.bigEndianFields());
    EXPECT_EQ(send(p, true), -110);
    EXPECT_EQ(p.queryResult(), 0);
    EXPECT_EQ(p.command(), CmdQueryChip);
    // Other commands still answer.
    CommandPacket b = makeBegin(ChipParams{}, 0, usb.bigEndianFields());
    EXPECT_EQ(send(b, true), 64);
}

TEST_F(SimTest, HandlesFromBeforeAResetAreStale)
{
    ASSERT_EQ(sim.reset(nullptr), 0);
    open();
    ASSERT_EQ(sim.reset(nullptr), 0);
    char block[64] = {};
    EXPECT_EQ(usb.USB_bulk_cmd(block, 64, 0), -19);
    usb.USB_bulk_close();
    open();
}
