#include "programmer/RoutineContext.h"

#include "programmer/OperatorFeedback.h"

bool RoutineContext::transferred(const TransferStatus& status, OperationStage stage, qint64 address) const
{
    if (!status.ok())
        feedback.showError(transferFailureText(status.failureAt(stage, address)));
    return status.ok();
}
