#pragma once

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
};
