#include "programmer/ChipRecordCheck.h"

#include "chipdb/ChipRecord.h"
#include "programmer/CommandPacket.h"
#include "text/OperationTexts.h"

std::optional<QString> checkChipRecord(const ChipRecord& chip, qint64 bufferSize)
{
    if (!isChipFamily(chip.family))
        return damagedRecordText(RecordDefect::UnknownFamily, chip.family, ChipFamilyCount - 1);
    if (!isChipCapacity(chip.flashSize))
        return damagedRecordText(RecordDefect::BadCapacity, chip.flashSize, MinChipCapacity);
    if (chip.flashPage == 0)
        return damagedRecordText(RecordDefect::PageZero, 0, MaxBlockSize);
    if (chip.flashPage > MaxBlockSize)
        return damagedRecordText(RecordDefect::PageTooLarge, chip.flashPage, MaxBlockSize);
    const qint64 block = blockSize(chip.flashPage);
    const qint64 wholeBlocks = (qint64{chip.flashSize} + block - 1) / block * block;
    if (wholeBlocks > bufferSize)
        return damagedRecordText(RecordDefect::TooLarge, chip.flashSize, bufferSize);
    return std::nullopt;
}
