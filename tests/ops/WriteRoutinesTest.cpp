#include "SimFixture.h"

using ::testing::ElementsAre;

class WriteRoutinesTest : public SimFixture {
protected:
    // The argument of every erase command, in order.
    [[nodiscard]] std::vector<long> eraseArguments() const
    {
        std::vector<long> arguments;
        for (const std::string& line : traceWith("cmd Erase")) {
            const std::size_t at = line.find("argument=") + 9;
            arguments.push_back(std::stol(line.substr(at, line.find(' ', at) - at), nullptr, 16));
        }
        return arguments;
    }
    [[nodiscard]] std::vector<std::string> writeBlocks() const
    {
        std::vector<std::string> blocks;
        for (const std::string& step : protocol())
            if (step.rfind("write", 0) == 0)
                blocks.push_back(step);
        return blocks;
    }
};

TEST_F(WriteRoutinesTest, LengthIsRoundedUpToWholePagesAndKept)
{
    configure("chip = 24\nchip_size = 4K\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 4096, 32);
    host.length = 100;
    EXPECT_EQ(ops.runWrite(), CommandOutcome::Completed);
    EXPECT_EQ(host.length, 128);
    EXPECT_THAT(writeBlocks(), ElementsAre("write 64", "write 64"));
    EXPECT_THAT(clock.sleeps, ElementsAre(100));  // the 24-series settle after the last block
    EXPECT_EQ(feedback.only("log:"), QStringList({"log:Write Complete!"}));

    configure("chip = 25flash\nchip_size = 4K\nchip_content = blank\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    host.length = 1000;
    clock.sleeps.clear();
    EXPECT_EQ(ops.runWrite(), CommandOutcome::Completed);
    EXPECT_EQ(host.length, 1024);
    EXPECT_THAT(writeBlocks(), ElementsAre("write 256", "write 256", "write 256", "write 256"));
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(WriteRoutinesTest, OversizedBufferAsksAndWritesOnlyTheChipOnYes)
{
    configure("chip = 24\nchip_size = 1K\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 1024, 16);
    host.length = 2048;
    feedback.answers = {false};
    EXPECT_EQ(ops.runWrite(), CommandOutcome::Declined);
    // The question comes before the programmer is touched; No leaves it untouched.
    EXPECT_EQ(feedback.events,
              QStringList({"ask:File length is larger than chip capacity. Do you want to continue to write?"}));
    EXPECT_EQ(sim.counter(0, "opens"), 0);

    feedback.answers = {true};
    EXPECT_EQ(ops.runWrite(), CommandOutcome::Completed);
    EXPECT_EQ(streamBytes("write"), 1024);
    EXPECT_EQ(host.length, 2048);  // not cut back to the chip
}

// Auto would erase the chip before its write step could ask: the question comes first, and No
// leaves every family's chip as it was.
TEST_F(WriteRoutinesTest, AutoAsksAboutAnOversizedBufferBeforeAnyProgrammerAccess)
{
    struct Case {
        const char* keys;
        ChipRecord chip;
    };
    const Case cases[] = {
        {"chip = 25flash\nchip_size = 4K\n", makeChip("25,W,Q", Family25Flash, 4096, 256)},
        {"chip = 24\nchip_size = 1K\n", makeChip("24,A,B", Family24Eeprom, 1024, 16)},
        {"chip = 93\nchip_size = 256\n", makeChip("93,A,B", Family93Eeprom, 256, 16)},
        {"chip = 25eeprom\nchip_size = 512\n", makeChip("25E,A,B", Family25Eeprom, 512, 16)},
        {"chip = 95\nchip_size = 2K\n", makeChip("95,A,B", Family95Eeprom, 2048, 32)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        configure(c.keys);
        const std::vector<unsigned char> before = sim.chip();
        host.chip = c.chip;
        // One byte over the chip still rounds up to a whole page more than it holds.
        host.length = static_cast<qint32>(c.chip.flashSize) + 1;
        feedback.events.clear();
        feedback.answers = {false};
        EXPECT_EQ(ops.runAuto(), CommandOutcome::Declined);
        EXPECT_EQ(feedback.events,
                  QStringList({"ask:File length is larger than chip capacity. Do you want to continue to write?"}));
        EXPECT_EQ(sim.counter(0, "opens"), 0);
        EXPECT_EQ(sim.chip(), before);

        // Exactly the chip's size is no question; neither is an auto run that does not write.
        host.length = static_cast<qint32>(c.chip.flashSize);
        host.options = {true, false, false};
        feedback.events.clear();
        EXPECT_EQ(ops.runAuto(), CommandOutcome::Completed);
        host.options = {};
        EXPECT_EQ(ops.runAuto(), CommandOutcome::Completed);
        EXPECT_TRUE(feedback.only("ask:").isEmpty());
    }
}

TEST_F(WriteRoutinesTest, EditsTakenFromTheViewNeverExceedTheChip)
{
    configure("chip = 24\nchip_size = 1K\nchip_content = blank\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 1024, 16);
    host.viewEdit.assign(2048, 0x11);
    EXPECT_EQ(ops.runWrite(), CommandOutcome::Completed);
    EXPECT_TRUE(feedback.only("ask:").isEmpty());
    EXPECT_EQ(sim.chip(), std::vector<unsigned char>(1024, 0x11));
}

TEST_F(WriteRoutinesTest, PageWiseEraseSendsOneCommandPerPageWithTheAddressModulo64K)
{
    configure("chip = 24\nchip_size = 128K\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 0x20000, 256);
    EXPECT_EQ(ops.runErase(), CommandOutcome::Completed);
    const std::vector<long> arguments = eraseArguments();
    ASSERT_EQ(arguments.size(), 512u);
    EXPECT_EQ(arguments[1], 256);
    EXPECT_EQ(arguments[255], 65280);
    EXPECT_EQ(arguments[256], 0);
    EXPECT_EQ(arguments[511], 65280);
    EXPECT_EQ(count("cmd SetAddress"), 0);
    EXPECT_EQ(count("cmd SpiTransfer"), 0);
    EXPECT_EQ(sim.chip(), std::vector<unsigned char>(0x20000, 0xFF));
    EXPECT_EQ(feedback.only("log:"), QStringList({"log:Erase Complete!"}));
}

TEST_F(WriteRoutinesTest, FlashEraseThatIsReadyAtOnceTakesOneStatusPoll)
{
    configure("chip = 25flash\nchip_size = 32M\nerase_polls = 0\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x2000000, 256);
    EXPECT_EQ(ops.runErase(), CommandOutcome::Completed);
    EXPECT_EQ(count("cmd ReadStatus"), 1);
    EXPECT_EQ(count("cmd SpiTransfer"), 0);  // erase never switches the address mode
    EXPECT_THAT(clock.sleeps, ElementsAre(50));
    EXPECT_EQ(feedback.only("log:"), QStringList({"log:Erase Complete!"}));
}

TEST_F(WriteRoutinesTest, FlashEraseStillBusyAfterItsPollsIsAnError)
{
    configure("chip = 25flash\nchip_size = 64K\nerase_polls = 50\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x10000, 256, 0, 5);
    EXPECT_EQ(ops.runErase(), CommandOutcome::Stopped);
    EXPECT_EQ(count("cmd ReadStatus"), 7);  // delay + 2
    EXPECT_EQ(feedback.only("error:"),
              QStringList({"error:Erase stopped at address 0h: the chip was still busy after 7 status polls."}));
    EXPECT_TRUE(feedback.only("log:").isEmpty());
}

TEST_F(WriteRoutinesTest, MicrowireEraseIsOneCommandCarryingTheDelay)
{
    configure("chip = 93\nchip_size = 256\n");
    host.chip = makeChip("93,A,B", Family93Eeprom, 256, 16, 0, 0x1234);
    EXPECT_EQ(ops.runErase(), CommandOutcome::Completed);
    EXPECT_THAT(eraseArguments(), ElementsAre(0x1234));
}

TEST_F(WriteRoutinesTest, AutoWithOnlyProgramWritesThenTimesAndBeepsWithoutALine)
{
    configure("chip = 25flash\nchip_size = 4K\nchip_content = blank\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    host.length = 512;
    host.options = {false, true, false};
    EXPECT_EQ(ops.runAuto(), CommandOutcome::Completed);
    EXPECT_EQ(count("cmd Erase"), 0);
    EXPECT_EQ(count("read dev=0"), 0);
    EXPECT_EQ(count("write dev=0"), 2);
    EXPECT_TRUE(feedback.only("log:").isEmpty());
    EXPECT_EQ(feedback.only("elapsed:").size(), 1);
    EXPECT_EQ(feedback.only("beep").size(), 1);
}

TEST_F(WriteRoutinesTest, AutoPausesBeforeVerifyAndLogsOnlyItsOwnLine)
{
    configure("chip = 25flash\nchip_size = 4K\nerase_polls = 0\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    host.length = 4096;
    std::fill_n(host.bytes(), 4096, quint8{0x3C});
    EXPECT_EQ(ops.runAuto(), CommandOutcome::Completed);
    EXPECT_THAT(clock.sleeps, ElementsAre(50, 350));
    EXPECT_EQ(feedback.only("log:"), QStringList({"log:AUTO Complete!"}));

}

TEST_F(WriteRoutinesTest, ProgressCountsPollsPagesAndBlockStarts)
{
    // SPI flash erase: the bar's range is the poll budget and each poll moves it by one.
    configure("chip = 25flash\nchip_size = 64K\nerase_polls = 2\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x10000, 256, 0, 5);
    EXPECT_EQ(ops.runErase(), CommandOutcome::Completed);
    EXPECT_EQ(feedback.progressMax, 5);
    EXPECT_THAT(feedback.steps, ElementsAre(1, 2, 3));
    EXPECT_FALSE(feedback.progressVisible);

    // Page-wise erase: the range is the chip, each page shows its own address.
    configure("chip = 24\nchip_size = 1K\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 1024, 256);
    feedback.steps.clear();
    EXPECT_EQ(ops.runErase(), CommandOutcome::Completed);
    EXPECT_EQ(feedback.progressMax, 1024);
    EXPECT_THAT(feedback.steps, ElementsAre(0, 256, 512, 768));

    // An oversized write accepted: the range is the chip, not the buffer; each block shows
    // the offset it started at.
    host.chip = makeChip("24,A,B", Family24Eeprom, 256, 16);
    configure("chip = 24\nchip_size = 256\nchip_content = blank\n");
    host.length = 512;
    feedback.steps.clear();
    EXPECT_EQ(ops.runWrite(), CommandOutcome::Completed);
    EXPECT_EQ(feedback.progressMax, 256);
    EXPECT_THAT(feedback.steps, ElementsAre(0, 64, 128, 192));
    EXPECT_FALSE(feedback.progressVisible);
}

// Without 0xB7 a 3-byte-address flash wraps at 16 MiB: the upper half of the image would land
// on the lower half. Write, verify and read of a 32 MiB flash all switch first; 16 MiB does not.
TEST_F(WriteRoutinesTest, StreamsAboveSixteenMiBSwitchToFourByteAddressesFirst)
{
    constexpr quint32 Size = 0x2000000;
    configure("chip = 25flash\nchip_size = 32M\nchip_content = blank\n");
    host.chip = makeChip("25,W,Q", Family25Flash, Size, 256);
    for (quint32 i = 0; i < Size; i += 4096)
        host.bytes()[i] = static_cast<quint8>(i >> 24 ? 0xA5 : 0x5A);  // each half its own mark
    host.length = static_cast<qint32>(Size);

    EXPECT_EQ(ops.runWrite(), CommandOutcome::Completed);
    std::vector<std::string> steps = protocol();
    const auto begin = std::find(steps.begin(), steps.end(), "Begin");
    ASSERT_LE(begin + 2, steps.end());
    EXPECT_EQ(*(begin + 1), "SpiTransfer");
    EXPECT_EQ(*(begin + 2), "SetAddress");
    EXPECT_NE(traceWith("cmd SpiTransfer").at(0).find("n=1 data=B7"), std::string::npos);
    const std::vector<unsigned char> chip = sim.chip();
    EXPECT_TRUE(std::equal(chip.begin(), chip.end(), host.bytes()));

    EXPECT_EQ(ops.runVerify(), CommandOutcome::Completed);
    std::fill_n(host.bytes(), Size, quint8{0x00});
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_TRUE(std::equal(chip.begin(), chip.end(), host.bytes()));
    EXPECT_EQ(count("cmd SpiTransfer"), 3);

    configure("chip = 25flash\nchip_size = 16M\nchip_content = blank\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x1000000, 256);
    host.length = 4096;
    EXPECT_EQ(ops.runWrite(), CommandOutcome::Completed);
    EXPECT_EQ(count("cmd SpiTransfer"), 0);
}

// The SPI EEPROMs erase page by page like the 24-series, the page address wrapping at 64 KiB.
TEST_F(WriteRoutinesTest, SpiEepromsEraseOnePageAtATime)
{
    struct Case {
        const char* keys;
        ChipRecord chip;
    };
    const Case cases[] = {
        {"chip = 25eeprom\nchip_size = 512\n", makeChip("25E,A,B", Family25Eeprom, 512, 16)},
        {"chip = 95\nchip_size = 128K\n", makeChip("95,A,B", Family95Eeprom, 0x20000, 256)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        configure(c.keys);
        host.chip = c.chip;
        feedback.events.clear();
        EXPECT_EQ(ops.runErase(), CommandOutcome::Completed);
        const std::vector<long> arguments = eraseArguments();
        ASSERT_EQ(arguments.size(), c.chip.flashSize / c.chip.flashPage);
        for (std::size_t i = 0; i < arguments.size(); ++i)
            ASSERT_EQ(arguments[i], static_cast<long>(i * c.chip.flashPage % 65536)) << i;
        EXPECT_EQ(count("cmd SetAddress"), 0);
        EXPECT_EQ(count("cmd ReadStatus"), 0);
        EXPECT_EQ(sim.chip(), std::vector<unsigned char>(c.chip.flashSize, 0xFF));
        EXPECT_EQ(feedback.only("log:"), QStringList({"log:Erase Complete!"}));
    }
}

// A family the program has no erase for gets no erase command, inside a frame as usual.
TEST_F(WriteRoutinesTest, UnknownFamilyGetsNoEraseCommand)
{
    configure("chip = 25flash\nchip_size = 64K\n");
    const std::vector<unsigned char> before = sim.chip();
    const ChipRecord chip = makeChip("X,A,B", 7, 0x10000, 256);
    ProgrammerLink link(usb, feedback, clock);
    WriteRoutines routines(RoutineContext{link, feedback, host});
    ASSERT_TRUE(link.BeginOperation(chip, 0));
    EXPECT_TRUE(routines.EraseChip(chip));
    link.EndOperation();
    EXPECT_EQ(protocol(), (std::vector<std::string>{"Begin", "End"}));
    EXPECT_EQ(sim.chip(), before);
    EXPECT_FALSE(feedback.progressVisible);
}
