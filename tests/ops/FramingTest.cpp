#include "SimFixture.h"

#include "programmer/ProgrammerLink.h"

using ::testing::ElementsAre;

namespace {
const QString Found = "log:The programmer is detected, and the working state is normal.";
}

class FramingTest : public SimFixture {};

TEST_F(FramingTest, ConnectionCheckLogsOnceAttachedAndOnlySetsTheStatusDetached)
{
    configure("chip = 25flash\n");
    ops.ProbeProgrammer();
    ops.ProbeProgrammer();
    EXPECT_EQ(feedback.events, QStringList({Found, "status:Ready", Found, "status:Ready"}));
    EXPECT_EQ(count("cmd "), 0);
    EXPECT_EQ(sim.counter(0, "open_handles"), 0);

    feedback.events.clear();
    sim.setPlugged(0, 0);
    ops.ProbeProgrammer();
    EXPECT_EQ(feedback.events, QStringList({"status:Not connected"}));
}

TEST_F(FramingTest, ReadWithTheProgrammerUnpluggedSaysNotConnectedOnce)
{
    configureNoProgrammer();
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    EXPECT_EQ(ops.runRead(), CommandOutcome::NotConnected);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:Not connected"}));
    EXPECT_TRUE(feedback.only("log:").isEmpty());
    EXPECT_TRUE(feedback.only("beep").isEmpty());
    EXPECT_EQ(feedback.events.last(), "status:Ready");
}

TEST_F(FramingTest, SpiEepromReadSkipsTheQueryButVerifyStopsOnAnEmptySocket)
{
    configure("chip = none\n");
    host.chip = makeChip("25EE,A,B", Family25Eeprom, 512, 16);
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_EQ(count("cmd QueryChip"), 0);
    EXPECT_EQ(count("cmd Begin"), 1);

    sim.traceClear();
    feedback.events.clear();
    host.length = 16;
    EXPECT_EQ(ops.runVerify(), CommandOutcome::Stopped);
    EXPECT_EQ(count("cmd QueryChip"), 1);
    EXPECT_EQ(count("cmd Begin"), 0);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:No chips detected, please put the chip to try again!"}));
}

// The families that answer the presence query, the 93 series included, are asked before every
// command: an empty socket stops each one before its frame.
TEST_F(FramingTest, AnEmptySocketStopsEveryCommandOfTheFamiliesThatAnswerTheQuery)
{
    configure("chip = none\n");
    host.length = 16;
    for (const ChipRecord& chip : {makeChip("25,W,Q", Family25Flash, 4096, 256), makeChip("24,A,B", Family24Eeprom, 256, 8),
             makeChip("93,A,B", Family93Eeprom, 256, 16)}) {
        host.chip = chip;
        for (auto run : {&ChipOperations::runRead, &ChipOperations::runWrite, &ChipOperations::runVerify,
                 &ChipOperations::runErase, &ChipOperations::runBlankCheck, &ChipOperations::runAuto}) {
            sim.traceClear();
            feedback.events.clear();
            EXPECT_EQ((ops.*run)(), CommandOutcome::Stopped) << chip.nameText().toStdString();
            EXPECT_EQ(count("cmd QueryChip"), 1) << chip.nameText().toStdString();
            EXPECT_EQ(count("cmd Begin"), 0) << chip.nameText().toStdString();
            EXPECT_EQ(feedback.only("error:"),
                      QStringList({"error:No chips detected, please put the chip to try again!"}));
        }
    }
}

// The query names the class of the chip in the socket whatever family is asked: a 25-series flash
// with its ID, a 24 or 93 EEPROM by its class. A chip of another class than the one chosen would
// take none of the bytes written, so every command stops before its frame, saying why.
TEST_F(FramingTest, AChipOfAnotherClassInTheSocketStopsEveryCommand)
{
    const struct {
        const char* socket;
        ChipRecord chosen;
        QString error;
    } cases[] = {
        {"chip = 25flash\nchip_size = 64K\nchip_id = 0xEF3010\n", makeChip("24EEPROM,ATMEL,24C02", Family24Eeprom, 256, 8),
         "error:The socket holds a 25-series SPI flash (ID EF 30 10), not the chosen 24C02."},
        {"chip = 25flash\nchip_size = 64K\nchip_id = 0xEF3010\n", makeChip("93EEPROM,ATMEL,93C46", Family93Eeprom, 128, 16),
         "error:The socket holds a 25-series SPI flash (ID EF 30 10), not the chosen 93C46."},
        {"chip = 24\nchip_size = 256\n", makeChip("25,W,Q", Family25Flash, 4096, 256, 0xEF3010),
         "error:The chip in the socket is not a 25-series SPI flash, so it is not the chosen Q."},
        {"chip = 93\nchip_size = 128\n", makeChip("25,W,Q", Family25Flash, 4096, 256, 0xEF3010),
         "error:The chip in the socket is not a 25-series SPI flash, so it is not the chosen Q."},
    };
    host.length = 16;
    for (const auto& [socket, chosen, error] : cases) {
        configure(socket);
        const std::vector<unsigned char> before = sim.chip();
        host.chip = chosen;
        for (auto run : {&ChipOperations::runRead, &ChipOperations::runWrite, &ChipOperations::runVerify,
                 &ChipOperations::runErase, &ChipOperations::runBlankCheck, &ChipOperations::runAuto}) {
            sim.traceClear();
            feedback.events.clear();
            EXPECT_EQ((ops.*run)(), CommandOutcome::Stopped) << socket;
            EXPECT_EQ(count("cmd Begin"), 0) << socket;
            EXPECT_TRUE(feedback.only("log:").isEmpty());
            EXPECT_EQ(feedback.only("error:"), QStringList({error}));
        }
        EXPECT_EQ(sim.chip(), before) << socket;
    }
}

// With several programmers and none chosen, a command keeps to the one its chip query found: one
// gone before the frame (unplugged, or taken by another program) ends the command, rather than
// the next free one being written with a chip nobody checked. The next command takes any again.
TEST_F(FramingTest, ACommandKeepsToTheProgrammerItsQueryFound)
{
    configure("chip = 25flash\n[device]\nmanufacturer = Zorvex\nproduct = WinUSBComm Device\nchip = 25flash\n");
    const ChipRecord chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    ProgrammerLink link(usb, feedback, clock);
    std::array<quint8, 4> reply{};
    link.watchConnection();
    ASSERT_TRUE(link.QueryChip(chip, 0, reply));
    sim.setPlugged(0, 0);
    EXPECT_FALSE(link.BeginOperation(chip, 0));
    link.EndOperation();
    EXPECT_TRUE(link.disconnected());
    EXPECT_EQ(count("cmd Begin"), 0);
    EXPECT_EQ(sim.counter(1, "claims"), 0);

    link.watchConnection();
    EXPECT_TRUE(link.QueryChip(chip, 0, reply));
    EXPECT_EQ(sim.counter(1, "claims"), 1);
}

TEST_F(FramingTest, EmptyBufferIsRefusedBeforeTheProgrammerIsTouched)
{
    configure("chip = 25flash\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    for (auto run : {&ChipOperations::runWrite, &ChipOperations::runVerify, &ChipOperations::runAuto}) {
        feedback.events.clear();
        EXPECT_EQ((ops.*run)(), CommandOutcome::Stopped);
        EXPECT_EQ(feedback.events,
                  QStringList({"error:The buffer data is empty. Please load the data file.."}));
    }
    EXPECT_EQ(host.takeEditsCalls, 3);
    EXPECT_EQ(sim.counter(0, "opens"), 0);
}

TEST_F(FramingTest, FrameOrderAndTheTimeShownForASeventyFiveSecondRead)
{
    configure("chip = 25flash\nchip_size = 4K\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    feedback.onStep = [&](qint64 position) {
        if (position == 0)
            clock.now += 75'000;
    };
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    const std::vector<std::string> steps = protocol();
    ASSERT_GE(steps.size(), 5u);
    EXPECT_THAT(std::vector(steps.begin(), steps.begin() + 4), ElementsAre("QueryChip", "End", "Begin", "SetAddress"));
    EXPECT_EQ(steps.back(), "End");
    EXPECT_EQ(count("read dev=0"), 16);
    // Read, Erase and Write show the time before their line.
    const QStringList tail = feedback.events.mid(feedback.events.indexOf("elapsed:00:01:15"));
    EXPECT_EQ(tail, QStringList({"elapsed:00:01:15", "beep", "log:Read Complete!", "controls:on", "status:Ready"}));
    ASSERT_FALSE(feedback.steps.empty());
    EXPECT_EQ(feedback.steps.front(), 0);
    EXPECT_EQ(feedback.steps.back(), 4096 - 256);
    EXPECT_FALSE(feedback.progressVisible);
}

TEST_F(FramingTest, VerifyAndBlankCheckLogBeforeTheTime)
{
    configure("chip = 25flash\nchip_size = 4K\nchip_content = blank\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    EXPECT_EQ(ops.runBlankCheck(), CommandOutcome::Completed);
    EXPECT_EQ(feedback.events.mid(feedback.events.indexOf("log:Bank Complete!"), 2),
              QStringList({"log:Bank Complete!", "elapsed:00:00:00"}));

    feedback.events.clear();
    host.length = 4096;
    EXPECT_EQ(ops.runVerify(), CommandOutcome::Completed);
    EXPECT_EQ(feedback.events.mid(feedback.events.indexOf("log:Verify Complete!"), 3),
              QStringList({"log:Verify Complete!", "elapsed:00:00:00", "beep"}));
}

TEST_F(FramingTest, SecondCommandFromInsideARunningOneIsRefusedAndProbeWaits)
{
    configure("chip = 25flash\nchip_size = 4K\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 4096, 256);
    host.length = 4096;
    std::vector<CommandOutcome> nested;
    feedback.onStep = [&](qint64 position) {
        if (position != 0)
            return;
        // What a menu click, the Auto button, an activation or a device change would run while
        // the read processes pending events.
        nested.push_back(ops.runRead());
        nested.push_back(ops.runAuto());
        nested.push_back(ops.runErase());
        ops.ProbeProgrammer();
        ops.ProbeProgrammer();
        EXPECT_TRUE(feedback.only("log:The programmer").isEmpty());
    };
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_THAT(nested, ElementsAre(CommandOutcome::Refused, CommandOutcome::Refused, CommandOutcome::Refused));
    EXPECT_EQ(count("cmd Begin"), 1);
    EXPECT_EQ(count("cmd Erase"), 0);
    EXPECT_EQ(count("usb open"), 3);  // query, frame, and the one held-back connection check
    EXPECT_EQ(feedback.events.last(), "status:Ready");
    EXPECT_EQ(feedback.only("log:The programmer").size(), 1);
    EXPECT_FALSE(ops.isBusy());
}
