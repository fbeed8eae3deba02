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
};
