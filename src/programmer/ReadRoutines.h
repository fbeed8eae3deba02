#pragma once

#include "text/OperationTexts.h"
#include "programmer/RoutineContext.h"

#include <QtGlobal>

#include <functional>
#include <span>

// The read-direction routines: each streams the chip from address 0 in blocks of blockSize bytes
// inside an open frame. All three return false after showing the reason: a finding (not blank,
// a mismatch) or a transfer that failed, naming the address reached. Progress is then left at
// its last position.
class ReadRoutines {
public:
    explicit ReadRoutines(RoutineContext context) : m_context(context) {}

    // Fills the buffer with the chip's flashSize bytes (plus the overhang of the last block) and
    // sets DataLength to the data found. A read that stops early leaves no partial image behind:
    // the range it was filling is reset to 0xFF, DataLength becomes 0 and the view is reloaded.
    [[nodiscard]] bool ReadChip(const ChipRecord& chip);
    [[nodiscard]] bool BlankCheckChip(const ChipRecord& chip);
    // Compares min(DataLength, flashSize) bytes, rounded up to whole blocks, with the buffer.
    [[nodiscard]] bool VerifyChip(const ChipRecord& chip);

private:
    // Streams length bytes through one scratch block, preset to 0xFF, and hands each block with
    // its offset to check, which shows its finding and returns false to stop the routine.
    [[nodiscard]] bool checkStream(const ChipRecord& chip, qint64 length, OperationStage stage,
                                   const std::function<bool(std::span<const quint8>, qint64)>& check);

    RoutineContext m_context;
};

// DataLength after a read: the data up to the last byte that is not 0xFF, made even.
[[nodiscard]] qint32 dataLengthAfterRead(std::span<const quint8> image);
