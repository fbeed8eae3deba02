#include "OpsTestDoubles.h"

#include "text/MessageCatalog.h"
#include "programmer/ChipRecordCheck.h"

#include <gtest/gtest.h>

namespace {
constexpr qint64 Buffer = 0x4000000;
}

TEST(ChipRecordCheck, AcceptsEveryShapeTheDatabaseHolds)
{
    EXPECT_FALSE(checkChipRecord(makeChip("a,b,c", Family25Flash, 0x4000000, 256), Buffer));
    EXPECT_FALSE(checkChipRecord(makeChip("a,b,c", Family24Eeprom, 128, 1), Buffer));
    EXPECT_FALSE(checkChipRecord(makeChip("a,b,c", Family93Eeprom, 64, 256), Buffer));
}

TEST(ChipRecordCheck, RefusesRecordsThatWouldOverrunOrNeverEnd)
{
    setCurrentLanguage(Language::English);
    const auto tooLarge = checkChipRecord(makeChip("a,b,c", Family25Flash, 0x8000000, 256), Buffer);
    ASSERT_TRUE(tooLarge);
    EXPECT_TRUE(tooLarge->startsWith("The chip record is damaged: its capacity of 134217728 bytes")) << tooLarge->toStdString();
    const auto pageZero = checkChipRecord(makeChip("a,b,c", Family24Eeprom, 256, 0), Buffer);
    ASSERT_TRUE(pageZero);
    EXPECT_TRUE(pageZero->contains("page size is 0"));
    EXPECT_TRUE(checkChipRecord(makeChip("a,b,c", Family25Flash, 4096, 512), Buffer));
    // Just under the buffer, but the last whole block would end past it.
    EXPECT_TRUE(checkChipRecord(makeChip("a,b,c", Family25Flash, 0x4000000 - 1, 200), Buffer));
}
