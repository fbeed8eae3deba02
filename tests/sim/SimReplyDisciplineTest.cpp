#include "SimHarness.h"

// The firmware keeps a reply until the host reads it. A host that skips a reply read, or reads
// where nothing is due, would take a stale packet for data on real hardware; the simulator
// traces each such mistake, and the harness fails any test that did not provoke it on purpose.

namespace {
const ChipParams Flash64K{0, 0, 256, 100, 0x10000, 0xEF4017, 0};
const char* const Flash64KConfig = "[device]\nchip_size = 64K\n";
}  // namespace

TEST_F(SimTest, AReplyWaitsForTheNextReadBeforeAnyStreamData)
{
    load(Flash64KConfig);
    begin(Flash64K);
    startStream(0x100, false);
    // A packet-sized read gets the address command's echo, not the chip: the stale packet a
    // host that forgot the reply read would take for its first block.
    std::vector<std::uint8_t> packet(64);
    ASSERT_EQ(usb.USB_bulk_read(reinterpret_cast<char*>(packet.data()), 64), 64);
    EXPECT_EQ(packet[1], CmdSetAddress);
    const auto block = readBlocks(1, 64);
    const auto chip = sim.chip(0);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), chip.begin() + 0x100));
}

TEST_F(SimTest, SkippedReplyReadIsAViolation)
{
    load(Flash64KConfig);
    open();
    CommandPacket p = makeBegin(Flash64K, 0, usb.bigEndianFields());
    ASSERT_EQ(send(p, false), 64);  // the reply is left unread
    startStream(0, true);
    EXPECT_TRUE(traceHas("violation unread-reply dev=0 t=2 reply=Begin by=command"));

    // A block read that takes the address reply: the stream runs one packet behind.
    startStream(0, false);
    std::vector<std::uint8_t> block(256);
    EXPECT_EQ(usb.USB_bulk_read(reinterpret_cast<char*>(block.data()), 256), 64);
    EXPECT_TRUE(traceHas("violation reply-length dev=0 t=5 length=256 reply=SetAddress"));

    // Closing with a reply queued.
    CommandPacket status = makeBegin(Flash64K, 0, usb.bigEndianFields());
    ASSERT_EQ(send(status, false), 64);
    usb.USB_bulk_close();
    EXPECT_TRUE(traceHas("violation unread-reply dev=0 reply=Begin by=close"));
    provoked(3);
}

TEST_F(SimTest, ReadAfterTheEndIsAViolationThatTimesOutAtOnce)
{
    load(Flash64KConfig);
    begin(Flash64K);
    startStream(0, true);
    readBlocks(1, 256);
    CommandPacket end = makeEnd();
    ASSERT_EQ(send(end, false), 64);
    std::vector<std::uint8_t> block(64, 0xEE);
    EXPECT_EQ(usb.USB_bulk_read(reinterpret_cast<char*>(block.data()), 64), -110);
    EXPECT_EQ(block, std::vector<std::uint8_t>(64, 0xEE));
    EXPECT_TRUE(traceHas("violation read-nothing dev=0 t=7 length=64 result=-110"));

    // Data with no stream open.
    EXPECT_EQ(usb.USB_bulk_write(reinterpret_cast<const char*>(block.data()), 64), -110);
    EXPECT_TRUE(traceHas("violation write-no-stream dev=0 t=8 length=64 result=-110"));
    provoked(2);
}

TEST_F(SimTest, InjectedFaultsAreNotViolations)
{
    // The reply read times out (transfer 2) or is withheld: the reply is gone, not left queued.
    load(std::string(Flash64KConfig) + "timeout_at = 2\nno_reply = SetAddress\n");
    open();
    CommandPacket p = makeBegin(Flash64K, 0, usb.bigEndianFields());
    EXPECT_EQ(send(p, true), -110);
    CommandPacket address = makeSetAddress(0, usb.bigEndianFields());
    EXPECT_EQ(send(address, true), -110);
    EXPECT_TRUE(traceHas("fault noreply dev=0 t=4 length=64 result=-110"));
    // The stream itself runs: the withheld reply did not shift it.
    const auto block = readBlocks(1, 64);
    const auto chip = sim.chip(0);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), chip.begin()));
    usb.USB_bulk_close();
}
