#include "SimFixture.h"

#include "chipdb/ChipDatabase.h"
#include "programmer/ChipDetector.h"

using ::testing::ElementsAre;

namespace {

// Chip lists with fixed items; selectChip records its calls and takes the positions, as the
// window's SelectChip does for positions inside its lists.
class FakeLists : public ChipListSelection {
public:
    std::array<QStringList, 3> items{QStringList{"SPIFLASH", "24EEPROM", "93EEPROM"},
                                     QStringList{"MAKER", "OTHER"}, QStringList{"PART1", "PART2", "PART3"}};
    std::array<int, 3> positions{1, 0, 0};
    std::array<int, 3> remembered{0, 0, 0};
    std::vector<std::array<int, 3>> selections;

    int findItem(ChipList list, const QString& text) const override
    {
        return static_cast<int>(items[index(list)].indexOf(QRegularExpression(
            "^" + QRegularExpression::escape(text) + "$", QRegularExpression::CaseInsensitiveOption)));
    }
    int position(ChipList list) const override { return positions[index(list)]; }
    QString selectedText(ChipList list) const override { return items[index(list)].value(positions[index(list)]); }
    int rememberedIndex(ChipList list) const override { return remembered[index(list)]; }
    void setRememberedIndex(ChipList list, int position) override { remembered[index(list)] = position; }
    void selectChip(int type, int manufacturer, int model) override
    {
        selections.push_back({type, manufacturer, model});
        positions = {type, manufacturer, model};
    }

private:
    static std::size_t index(ChipList list) { return static_cast<std::size_t>(list); }
};

} // namespace

class DetectionTest : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        host.chip = makeChip("SPIFLASH,MAKER,PART1", Family25Flash, 0x800000, 256, 0xEF4017);
        database[0] = makeChip("SPIFLASH,MAKER,PART1", Family25Flash, 0x800000, 256, 0xEF4017);
        database[1] = makeChip("SPIFLASH,other,PART2", Family25Flash, 0x1000000, 256, 0xEF4018);
        database[2] = makeChip("SPIFLASH,OTHER,PART3", Family25Flash, 0x1000000, 256, 0xEF4018);
    }
    CommandOutcome detect() { return ops.runDetect(database.table(), lists); }

    ChipDatabase database;
    FakeLists lists;
};

TEST_F(DetectionTest, KnownIdSelectsTheLowestMatchingSlotListByList)
{
    configure("chip = 25flash\nchip_id = 0xEF4018\n");
    EXPECT_EQ(detect(), CommandOutcome::Completed);
    // Type first with the remembered others, then the manufacturer, then the model.
    EXPECT_THAT(lists.selections, ElementsAre(std::array{0, 0, 0}, std::array{0, 1, 0}, std::array{0, 1, 1}));
    EXPECT_EQ(lists.remembered, (std::array{0, 1, 1}));
    EXPECT_EQ(feedback.only("info:"), QStringList({"info:The chip was detected:PART2\n\n Chip typeSPIFLASH"}));
    EXPECT_EQ(count("cmd QueryChip"), 1);
    EXPECT_EQ(count("cmd Begin"), 0);
    EXPECT_EQ(feedback.events.last(), "info:The chip was detected:PART2\n\n Chip typeSPIFLASH");
}

TEST_F(DetectionTest, UnknownIdNamesItsBytesAndFallsBackToTheFirstType)
{
    configure("chip = 25flash\nchip_id = 0xC22018\n");
    EXPECT_EQ(detect(), CommandOutcome::Stopped);
    EXPECT_THAT(lists.selections, ElementsAre(std::array{0, 0, 0}));
    EXPECT_EQ(feedback.only("error:"),
              QStringList({"error:Unknown chip ID =C2 20 18Please choose the compatibility type manually."}));

    // Already on the first type: nothing is reselected.
    lists.selections.clear();
    EXPECT_EQ(detect(), CommandOutcome::Stopped);
    EXPECT_TRUE(lists.selections.empty());
    EXPECT_EQ(lists.remembered, (std::array{0, 0, 0}));
}

TEST_F(DetectionTest, ChipClassWithoutIdSelectsItsTypeOnly)
{
    configure("chip = 93\nchip_size = 256\n");
    EXPECT_EQ(detect(), CommandOutcome::Completed);
    EXPECT_THAT(lists.selections, ElementsAre(std::array{2, 0, 0}));
    EXPECT_EQ(feedback.only("info:"), QStringList({"info:Chip type is detected:93EEPROM\n\n Please manually select "
                                                   "the corresponding type burn."}));
}

// A person's database whose types come in another order: a chip class is told by its family,
// never by where the type stands in the list.
TEST_F(DetectionTest, AChipClassSelectsTheTypeOfItsFamilyWhereverTheListPutsIt)
{
    database[0] = makeChip("24EEPROM,MAKER,PART1", Family24Eeprom, 256, 8);
    database[1] = makeChip("SPIFLASH,MAKER,PART1", Family25Flash, 0x800000, 256, 0xEF4017);
    database[2] = makeChip("93EEPROM,MAKER,PART1", Family93Eeprom, 256, 16);
    lists.items[0] = QStringList{"24EEPROM", "SPIFLASH", "93EEPROM"};
    const struct {
        const char* simKeys;
        int type;
        const char* said;
    } classes[] = {
        {"chip = 24\nchip_size = 256\n", 0, "info:Chip type is detected:24EEPROM"},
        {"chip = 93\nchip_size = 256\n", 2, "info:Chip type is detected:93EEPROM"},
        {"chip = 25flash\nchip_id = 0xC22018\n", 1, "error:Unknown chip ID =C2 20 18"},
    };
    for (const auto& [simKeys, type, said] : classes) {
        configure(simKeys);
        lists.positions = {-1, 0, 0};
        lists.selections.clear();
        feedback.events.clear();
        detect();
        EXPECT_THAT(lists.selections, ElementsAre(std::array{type, 0, 0})) << simKeys;
        EXPECT_TRUE(feedback.events.last().startsWith(said)) << feedback.events.last().toStdString();
    }
}

TEST_F(DetectionTest, EmptySocketAndAbsentProgrammer)
{
    configure("chip = none\n");
    EXPECT_EQ(detect(), CommandOutcome::Stopped);
    EXPECT_EQ(feedback.only("error:"), QStringList({"error:No chips detected, please put the chip to try again!"}));
    EXPECT_EQ(feedback.events.last(), "error:No chips detected, please put the chip to try again!");

    feedback.events.clear();
    configureNoProgrammer();
    EXPECT_EQ(detect(), CommandOutcome::NotConnected);
    EXPECT_EQ(feedback.events, QStringList({"error:Not connected"}));
    EXPECT_TRUE(lists.selections.empty());
}

// A flash that answers with ID 000000 (a bad contact) or FFFFFF (nothing drives the bus) is not
// identified; in particular not as an EEPROM, whose records all carry chipId 0.
TEST_F(DetectionTest, FlashReplyMatchesOnlyFlashRecordsAndNeverABlankId)
{
    database[3] = makeChip("24EEPROM,MAKER,PART1", Family24Eeprom, 128, 8, 0);
    database[4] = makeChip("93EEPROM,MAKER,PART1", Family93Eeprom, 128, 8, 0xFFFFFF);
    database[5] = makeChip("SPIFLASH,MAKER,PART3", Family25Flash, 0x10000, 256, 0xFFFFFF);
    for (const char* id : {"0x000000", "0xFFFFFF"}) {
        SCOPED_TRACE(id);
        configure(std::string("chip = 25flash\nchip_id = ") + id + "\n");
        feedback.events.clear();
        EXPECT_EQ(detect(), CommandOutcome::Stopped);
        const QString bytes = QString(id) == "0x000000" ? "00 00 00" : "FF FF FF";
        EXPECT_EQ(feedback.only("error:"),
                  QStringList({"error:Unknown chip ID =" + bytes + "Please choose the compatibility type manually."}));
        EXPECT_EQ(lists.position(ChipList::Type), 0);
    }

    // An EEPROM record sharing a flash's ID is passed over for the flash record below it.
    database[0] = makeChip("24EEPROM,MAKER,PART1", Family24Eeprom, 128, 8, 0xEF4018);
    configure("chip = 25flash\nchip_id = 0xEF4018\n");
    feedback.events.clear();
    EXPECT_EQ(detect(), CommandOutcome::Completed);
    EXPECT_EQ(lists.remembered, (std::array{0, 1, 1}));
}

// Chips that share an ID: the lowest supply wins wherever its record stands (a person's own
// database may list the 3 V part first), then the lowest slot.
TEST(FindFlash, ASharedIdChoosesTheLowestSupplyThenTheLowestSlot)
{
    const auto chip = [](const char* name, quint32 id, quint8 voltage) {
        ChipRecord record = makeChip(name, Family25Flash, 0x400000, 256, id);
        record.voltage = voltage;
        return record;
    };
    const ChipRecord records[] = {
        chip("25,P,Q32H", 0x856016, Voltage3V3), chip("25,P,Q32L", 0x856016, Voltage1V8),
        chip("25,P,Q32L2", 0x856016, Voltage1V8), chip("25,A,FIVE", 0x1F4401, Voltage5V0),
        chip("25,A,THREE", 0x1F4401, Voltage3V3),
    };
    EXPECT_EQ(findFlash(records, 0x856016), &records[1]);
    EXPECT_EQ(findFlash(records, 0x1F4401), &records[4]);
    EXPECT_EQ(findFlash(records, 0xEF4017), nullptr);
}
