#pragma once

#include "text/OperationTexts.h"
#include "programmer/RoutineContext.h"

// DataLength rounded up to whole pages of flashPage (a page of 0 leaves it as it is).
[[nodiscard]] qint64 pageRoundedLength(qint64 dataLength, quint16 flashPage);

// The routines that change the chip, inside an open frame. A transfer that fails stops the
// routine with an error naming the address reached; nothing after it is sent.
class WriteRoutines {
public:
    explicit WriteRoutines(RoutineContext context) : m_context(context) {}

    // Erases in the way the family needs. False after an error when a command did not get
    // through, a status poll failed, or a 25-series chip was still busy after its last poll.
    [[nodiscard]] bool EraseChip(const ChipRecord& chip);

    // Rounds DataLength up to whole pages (and keeps it), then streams the buffer from address
    // 0, at most the chip's size: a longer buffer has been agreed to before the frame opened.
    // False after an error when a command or block did not get through.
    [[nodiscard]] bool WriteChip(const ChipRecord& chip);

private:
    [[nodiscard]] bool eraseFlash(const ChipRecord& chip);
    [[nodiscard]] bool erasePages(const ChipRecord& chip);
    [[nodiscard]] bool eraseOnce(const ChipRecord& chip);

    RoutineContext m_context;
};
