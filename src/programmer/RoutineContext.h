#pragma once

#include "programmer/TransferStatus.h"

#include <QtGlobal>

class ProgrammerLink;
class OperatorFeedback;
class OperationHost;
struct ChipRecord;

// What every routine inside an operation frame works with.
struct RoutineContext {
    ProgrammerLink& link;
    OperatorFeedback& feedback;
    OperationHost& host;

    // True when the transfer got through; else its failure at stage and address is shown, and
    // the routine stops there.
    [[nodiscard]] bool transferred(const TransferStatus& status, OperationStage stage, qint64 address) const;

    // The opening of every chip stream: 0xB7 for a chip over 16 MiB, the progress bar shown with
    // Max length, then CmdSetAddress 0 (its reply read when wantReply).
    [[nodiscard]] bool openStream(const ChipRecord& chip, qint64 length, OperationStage stage, bool wantReply) const;
};
