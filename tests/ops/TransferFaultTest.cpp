#include "SimFixture.h"

#include "chipdb/ChipDatabase.h"

#include <algorithm>

namespace {

struct RoutineCase {
    const char* name;
    const char* chipKeys;
    ChipRecord chip;
    CommandOutcome (ChipOperations::*run)();
    const char* stage;  // how the error names the routine
    AutoOptions options{};
    quint8 image = 0xFF;  // every byte of the buffer
};

struct FaultCase {
    const char* name;
    const char* keys;  // lands on transfer 12: past the query frame and the set-up, mid-routine
    CommandOutcome outcome;
    const char* reason;  // how the error ends
};

const RoutineCase Routines[] = {
    {"Read", "chip = 24\nchip_size = 4K\n", makeChip("24,A,B", Family24Eeprom, 4096, 16), &ChipOperations::runRead,
     "Read"},
    {"BlankCheck", "chip = 24\nchip_size = 4K\nchip_content = blank\n", makeChip("24,A,B", Family24Eeprom, 4096, 16),
     &ChipOperations::runBlankCheck, "Blank check"},
    {"Verify", "chip = 24\nchip_size = 4K\nchip_content = blank\n", makeChip("24,A,B", Family24Eeprom, 4096, 16),
     &ChipOperations::runVerify, "Verify"},
    {"Write", "chip = 24\nchip_size = 4K\nchip_content = blank\n", makeChip("24,A,B", Family24Eeprom, 4096, 16),
     &ChipOperations::runWrite, "Write"},
    {"PageErase", "chip = 24\nchip_size = 4K\n", makeChip("24,A,B", Family24Eeprom, 4096, 16),
     &ChipOperations::runErase, "Erase"},
    {"FlashErasePoll", "chip = 25flash\nchip_size = 64K\nerase_polls = 20\n",
     makeChip("25,W,Q", Family25Flash, 0x10000, 256, 0, 100), &ChipOperations::runErase, "Erase"},
    {"Auto", "chip = 24\nchip_size = 4K\n", makeChip("24,A,B", Family24Eeprom, 4096, 16), &ChipOperations::runAuto,
     "Erase"},
    // Without the erase step the fault lands in the write: a verify after it would bury the
    // write's error under a difference of its own.
    {"AutoWriteStep", "chip = 24\nchip_size = 4K\nchip_content = blank\n", makeChip("24,A,B", Family24Eeprom, 4096, 16),
     &ChipOperations::runAuto, "Write", AutoOptions{false, true, true}, 0x5A},
};

const FaultCase Faults[] = {
    {"Timeout", "timeout_at = 12\n", CommandOutcome::Stopped, "transfer failed (error -110)."},
    {"Short", "short_at = 12\n", CommandOutcome::Stopped, "bytes were transferred."},
    // A vanished programmer says nothing about the chip: a bench must tell it from a bad chip.
    {"Unplug", "unplug_after = 11\n", CommandOutcome::Disconnected, "the programmer was disconnected."},
};

void PrintTo(const RoutineCase& routine, std::ostream* out) { *out << routine.name; }
void PrintTo(const FaultCase& fault, std::ostream* out) { *out << fault.name; }

} // namespace

class TransferFaultTest : public SimFixture,
                          public ::testing::WithParamInterface<std::tuple<RoutineCase, FaultCase>> {};

TEST_P(TransferFaultTest, StopsWithAnErrorNamingTheRoutineAndNoCompletionLine)
{
    const auto& [routine, fault] = GetParam();
    configure(std::string(routine.chipKeys) + fault.keys);
    host.chip = routine.chip;
    host.length = 4096;
    host.options = routine.options;
    std::fill_n(host.bytes(), 4096, routine.image);

    EXPECT_EQ((ops.*routine.run)(), fault.outcome);
    const QStringList errors = feedback.only("error:");
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors.front().startsWith(QString("error:%1 stopped at address ").arg(routine.stage)))
        << errors.front().toStdString();
    EXPECT_TRUE(errors.front().contains(fault.reason)) << errors.front().toStdString();
    EXPECT_TRUE(feedback.only("log:").isEmpty());
    EXPECT_EQ(feedback.events.last(), "status:Ready");
    EXPECT_EQ(sim.counter(0, "open_handles"), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryRoutine, TransferFaultTest,
                         ::testing::Combine(::testing::ValuesIn(Routines), ::testing::ValuesIn(Faults)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

class PartialReadTest : public SimFixture {};

TEST_F(PartialReadTest, AFailedReadLeavesTheBufferAsItWasNotAHalfImage)
{
    configure("chip = 24\nchip_size = 4K\nchip_content = zero\ntimeout_at = 40\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 4096, 16);
    std::fill_n(host.bytes(), 8192, quint8{0x42});
    host.length = 8192;

    EXPECT_EQ(ops.runRead(), CommandOutcome::Stopped);
    EXPECT_EQ(feedback.only("error:"),
              QStringList({"error:Read stopped at address 800h: transfer failed (error -110). The buffer was left as "
                           "it was."}));
    // The image held before the read (perhaps the only copy of another chip) is neither mixed
    // with the part read nor lost.
    EXPECT_EQ(host.length, 8192);
    EXPECT_TRUE(std::all_of(host.bytes(), host.bytes() + 8192, [](quint8 b) { return b == 0x42; }));
    EXPECT_EQ(host.viewLoads, 0);
    // A read that gets through (the fault was one transfer) replaces it whole.
    feedback.events.clear();
    EXPECT_EQ(ops.runRead(), CommandOutcome::Completed);
    EXPECT_TRUE(std::all_of(host.bytes(), host.bytes() + 4096, [](quint8 b) { return b == 0; }));
    EXPECT_EQ(host.bytes()[4096], 0x42);  // past the chip the buffer is as it was
    EXPECT_EQ(host.viewLoads, 1);
}

TEST_F(PartialReadTest, DamagedRecordsAreRefusedBeforeTheProgrammerIsOpened)
{
    configure("chip = 24\nchip_size = 4K\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 4096, 0);
    EXPECT_EQ(ops.runErase(), CommandOutcome::Stopped);
    host.chip = makeChip("25,W,Q", Family25Flash, 0x8000000, 256);
    EXPECT_EQ(ops.runRead(), CommandOutcome::Stopped);
    host.chip = makeChip("25,W,Q", Family25Flash, 0x10000, 1024);
    host.length = 16;
    EXPECT_EQ(ops.runVerify(), CommandOutcome::Stopped);
    EXPECT_EQ(feedback.only("error:The chip record is damaged").size(), 3);
    EXPECT_EQ(sim.counter(0, "opens"), 0);
}

class DisconnectTest : public SimFixture {};

TEST_F(DisconnectTest, AProgrammerGoneBeforeTheFrameIsNotAMissingChip)
{
    host.chip = makeChip("24,A,B", Family24Eeprom, 4096, 16);
    host.length = 4096;
    // Gone at the chip query's first transfer: the query's empty reply must not read "no chip".
    configure("chip = 24\nchip_size = 4K\nunplug_after = 0\n");
    EXPECT_EQ(ops.runVerify(), CommandOutcome::Disconnected);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:The programmer was disconnected."}));
    EXPECT_EQ(count("cmd Begin"), 0);

    // Gone between the query frame and the operation's own open.
    configure("chip = 24\nchip_size = 4K\n");
    feedback.events.clear();
    bool pulled = false;
    feedback.onControls = [&](bool enabled) {
        if (enabled && !pulled) {
            pulled = true;
            sim.setPlugged(0, 0);
        }
    };
    EXPECT_EQ(ops.runErase(), CommandOutcome::Disconnected);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:The programmer was disconnected."}));
    EXPECT_EQ(count("cmd Erase"), 0);
    EXPECT_EQ(feedback.events.last(), "status:Ready");
}

TEST_F(DisconnectTest, DetectionAndEveryLanguageSayTheProgrammerWasDisconnected)
{
    configure("chip = 25flash\nunplug_after = 0\n");
    host.chip = makeChip("25,W,Q", Family25Flash, 0x800000, 256);
    ChipDatabase database;
    class NoLists : public ChipListSelection {
    public:
        int findItem(ChipList, const QString&) const override { return -1; }
        int position(ChipList) const override { return 0; }
        QString selectedText(ChipList) const override { return {}; }
        int rememberedIndex(ChipList) const override { return 0; }
        void setRememberedIndex(ChipList, int) override {}
        void selectChip(int, int, int) override { ADD_FAILURE() << "no chip is chosen for a vanished programmer"; }
    } lists;
    EXPECT_EQ(ops.runDetect(database.table(), lists), CommandOutcome::Disconnected);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:The programmer was disconnected."}));

    configure("chip = 24\nchip_size = 4K\nunplug_after = 11\n");
    host.chip = makeChip("24,A,B", Family24Eeprom, 4096, 16);
    const std::pair<Language, const char*> texts[] = {
        {Language::Simplified, "读出在地址 100h 处中止：编程器已断开连接。缓冲区保持原样。"},
        {Language::Traditional, "讀出在地址 100h 處中止：編程器已斷開連接。緩沖區保持原樣。"},
        {Language::English, "Read stopped at address 100h: the programmer was disconnected. The buffer was left as it was."},
    };
    for (const auto& [language, text] : texts) {
        configure("chip = 24\nchip_size = 4K\nunplug_after = 11\n");
        setCurrentLanguage(language);
        feedback.events.clear();
        EXPECT_EQ(ops.runRead(), CommandOutcome::Disconnected);
        EXPECT_EQ(feedback.only("error:"), QStringList({QString("error:") + text}));
    }
    setCurrentLanguage(Language::English);
}
