#include "SimFixture.h"

#include <algorithm>
#include <random>


class ReadRoutinesTest : public SimFixture {};

TEST_F(ReadRoutinesTest, DataLengthEndsAtTheLastDataByteMadeEven)
{
    configure("chip = 24\nchip_size = 1K\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 1024, 16);
    const quint8 zero = 0x00;

    setChip(std::span(&zero, 1), 0x100);
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_EQ(host.length, 0x102);
    EXPECT_EQ(host.bytes()[0x100], 0x00);
    EXPECT_EQ(host.viewLoads, 1);

    fillChip(0xFF);
    setChip(std::span(&zero, 1), 0xFF);
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_EQ(host.length, 0x100);

    fillChip(0xFF);
    feedback.events.clear();
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_EQ(host.length, 0);
    // The "empty" error comes after the frame is closed.
    EXPECT_EQ(feedback.events.mid(feedback.events.size() - 3),
              QStringList({"controls:on", "status:Ready", "error:The chip is empty!"}));
}

TEST_F(ReadRoutinesTest, SmallPagesMoveInSixtyFourByteBlocks)
{
    configure("chip = 24\nchip_size = 256\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 256, 8);
    host.length = 256;
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_EQ(ops.runBlankCheck(), CommandOutcome::Completed);
    host.length = 256;
    EXPECT_EQ(ops.runVerify(), CommandOutcome::Completed);
    EXPECT_EQ(count("read dev=0 t="), 12);
    for (const std::string& line : traceWith("read "))
        EXPECT_NE(line.find("length=64 result=64"), std::string::npos) << line;
}

TEST_F(ReadRoutinesTest, VerifyComparesAtMostTheChipInWholeBlocks)
{
    configure("chip = 24\nchip_size = 2K\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 1024, 96);  // not a whole number of blocks
    host.length = 2048;
    EXPECT_EQ(ops.runVerify(), CommandOutcome::Completed);
    EXPECT_EQ(streamBytes("read"), 1056);
    EXPECT_EQ(feedback.only("log:"), QStringList({"log:Verify Complete!"}));
}

TEST_F(ReadRoutinesTest, VerifyNamesTheFirstDifferingAddress)
{
    configure("chip = 24\nchip_size = 4K\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 4096, 256);
    host.length = 4096;
    host.bytes()[0x205] = 0x5A;
    host.bytes()[0x300] = 0x5A;
    EXPECT_EQ(ops.runVerify(), CommandOutcome::Stopped);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:Flash check error address:205h"}));
    EXPECT_TRUE(feedback.only("log:").isEmpty());
    EXPECT_EQ(feedback.only("beep").size(), 1);
    EXPECT_EQ(count("read dev=0"), 3);  // stopped at the block of the difference
    EXPECT_TRUE(feedback.progressVisible);
}

TEST_F(ReadRoutinesTest, BlankCheckStopsAtTheFirstProgrammedBlock)
{
    configure("chip = 24\nchip_size = 4K\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 4096, 256);
    const quint8 data = 0x7F;
    setChip(std::span(&data, 1), 0x401);
    EXPECT_EQ(ops.runBlankCheck(), CommandOutcome::Stopped);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:The chip is not empty."}));
    EXPECT_EQ(count("read dev=0"), 5);
    EXPECT_TRUE(feedback.only("log:").isEmpty());
}

TEST_F(ReadRoutinesTest, FourByteAddressModeOnlyAboveSixteenMiB)
{
    // A pattern at the start makes the blank check stop at its first block on either chip.
    configure("chip = 25flash\nchip_size = 32M\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x2000000, 256);
    EXPECT_EQ(ops.runBlankCheck(), CommandOutcome::Stopped);
    std::vector<std::string> steps = protocol();
    const auto begin = std::find(steps.begin(), steps.end(), "Begin");
    ASSERT_NE(begin, steps.end());
    EXPECT_EQ(*(begin + 1), "SpiTransfer");
    EXPECT_EQ(*(begin + 2), "SetAddress");
    EXPECT_EQ(traceWith("cmd SpiTransfer").at(0).find("n=1 data=B7") != std::string::npos, true);

    configure("chip = 25flash\nchip_size = 16M\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x1000000, 256);
    EXPECT_EQ(ops.runBlankCheck(), CommandOutcome::Stopped);
    EXPECT_EQ(count("cmd SpiTransfer"), 0);
}

TEST_F(ReadRoutinesTest, WrittenDataRoundTripsThroughTheChip)
{
    configure("chip = 25flash\nchip_size = 64K\nchip_content = zero\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x10000, 256, 0, 10);
    std::mt19937 random(8);
    std::vector<quint8> image(0x10000);
    std::generate(image.begin(), image.end(), [&] { return static_cast<quint8>(random()); });
    std::copy(image.begin(), image.end(), host.bytes());
    host.length = static_cast<qint32>(image.size());

    EXPECT_EQ(ops.runAuto(), CommandOutcome::Completed);
    EXPECT_EQ(feedback.only("log:"), QStringList({"log:AUTO Complete!"}));
    const std::vector<unsigned char> chip = sim.chip();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), chip.begin()));

    // And back: a fresh read of the chip gives the same image.
    std::fill_n(host.bytes(), image.size(), quint8{0xFF});
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), host.bytes()));
}
