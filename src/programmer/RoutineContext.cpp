#include "programmer/RoutineContext.h"

#include "chipdb/ChipRecord.h"
#include "programmer/CommandPacket.h"
#include "programmer/OperatorFeedback.h"
#include "programmer/ProgrammerLink.h"

bool RoutineContext::transferred(const TransferStatus& status, OperationStage stage, qint64 address) const
{
    if (!status.ok())
        feedback.showError(transferFailureText(status.failureAt(stage, address)));
    return status.ok();
}

bool RoutineContext::openStream(const ChipRecord& chip, qint64 length, OperationStage stage, bool wantReply) const
{
    if (needs4ByteAddressing(chip.flashSize)
        && !transferred(link.SpiCommand(CommandPacket::Enter4ByteAddressMode), stage, 0))
        return false;
    feedback.progressStart(length);
    return transferred(link.SetAddress(0, wantReply), stage, 0);
}
