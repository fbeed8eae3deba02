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

// Each damaged record and what its message names; without the check an operation would run
// past a buffer, never end, or complete having checked or written nothing.
TEST(ChipRecordCheck, RefusesDamagedRecordsNamingTheDefect)
{
    setCurrentLanguage(Language::English);
    const struct {
        ChipRecord chip;
        const char* names;
    } damaged[] = {
        {makeChip("a,b,c", Family25Flash, 0x8000000, 256), "its capacity of 134217728 bytes does not fit"},
        {makeChip("a,b,c", Family24Eeprom, 256, 0), "page size is 0"},
        {makeChip("a,b,c", Family25Flash, 4096, 512), "page size of 512 bytes"},
        // A power of two, but the last whole block would end past the buffer.
        {makeChip("a,b,c", Family25Flash, 0x4000000, 200), "does not fit the 67108864-byte data buffer"},
        {makeChip("a,b,c", Family25Flash, 0x4000000 - 1, 200), "capacity of 67108863 bytes is no power of two"},
        {makeChip("a,b,c", Family24Eeprom, 0, 16), "capacity of 0 bytes is no power of two from 64"},
        {makeChip("a,b,c", Family24Eeprom, 32, 8), "capacity of 32 bytes"},
        {makeChip("a,b,c", Family25Flash, 3 * 1024 * 1024, 256), "capacity of 3145728 bytes"},
        {makeChip("a,b,c", 5, 4096, 256), "family code 5 is none of 0 to 4"},
        {makeChip("a,b,c", 9, 0x800000, 256), "family code 9"},
    };
    for (const auto& [chip, names] : damaged) {
        const auto defect = checkChipRecord(chip, Buffer);
        ASSERT_TRUE(defect) << names;
        EXPECT_TRUE(defect->startsWith("The chip record is damaged: ")) << defect->toStdString();
        EXPECT_TRUE(defect->contains(names)) << defect->toStdString();
    }
}
