#include "programmer/ChipOperations.h"

#include "app/MessageCatalog.h"
#include "chipdb/ChipRecord.h"
#include "programmer/ChipDetector.h"
#include "programmer/ChipRecordCheck.h"
#include "programmer/ElapsedTime.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"
#include "programmer/OperatorFeedback.h"

#include <array>

namespace {

// The firmware needs a moment between the last write block and the verify's address command.
constexpr int AutoVerifyPauseMs = 350;

} // namespace

ChipOperations::ChipOperations(TUsbBulk& usb, OperatorFeedback& feedback, OperationHost& host, OperationClock& clock)
    : m_feedback(feedback)
    , m_host(host)
    , m_clock(clock)
    , m_link(usb, feedback, clock)
    , m_read(RoutineContext{m_link, feedback, host})
    , m_write(RoutineContext{m_link, feedback, host})
    , m_guard([this] { m_link.ProbeProgrammer(); })
{
}

void ChipOperations::ProbeProgrammer()
{
    m_guard.requestProbe();
}

bool ChipOperations::ChipPresenceCheck(const ChipRecord& chip)
{
    std::array<quint8, 4> reply{};
    if (m_link.QueryChip(chip, m_host.speedIndex(), reply) && reply[0] == 0) {
        m_feedback.showError(MessageCatalog::text(MessageKey::NoChipDetected));
        return false;
    }
    return true;
}

CommandOutcome ChipOperations::runCommand(const CommandSteps& steps, bool* routineRan)
{
    const OperationGuard::Scope scope(m_guard);
    if (!scope)
        return CommandOutcome::Refused;

    if (steps.takeEdits)
        m_host.takeViewEdits();
    if (steps.refuseEmpty && m_host.dataLength() <= 0) {
        m_feedback.showError(MessageCatalog::text(MessageKey::BufferEmpty));
        return CommandOutcome::Stopped;
    }
    // A copy: the database editor can be opened from the menu while events are processed, and
    // the routine must keep working on the record it started with.
    const ChipRecord chip = m_host.currentChipRecord();
    if (const auto defect = checkChipRecord(chip, static_cast<qint64>(m_host.dataBuffer().size()))) {
        m_feedback.showError(*defect);
        return CommandOutcome::Stopped;
    }
    const bool presenceNeeded = !steps.queryOnlyUpToFamily93 || chip.family <= Family93Eeprom;
    if (presenceNeeded && !ChipPresenceCheck(chip))
        return CommandOutcome::Stopped;

    if (!m_link.BeginOperation(chip, m_host.speedIndex())) {
        m_link.EndOperation();
        return CommandOutcome::Stopped;
    }
    const qint64 start = m_clock.msecsSinceMidnight();
    const StepResult result = steps.routine(chip);
    if (routineRan)
        *routineRan = result == StepResult::Success || result == StepResult::Finished;
    if (result == StepResult::Declined) {
        m_link.EndOperation();
        return CommandOutcome::Stopped;
    }
    const qint64 end = m_clock.msecsSinceMidnight();
    const auto showTime = [&] {
        m_feedback.setElapsed(formatElapsed(start, end));
        m_feedback.beep();
    };
    const auto logCompletion = [&] {
        if (result == StepResult::Success)
            m_feedback.logLine(MessageCatalog::text(steps.completion));
    };
    if (steps.logBeforeTime) {
        logCompletion();
        showTime();
    } else {
        showTime();
        logCompletion();
    }
    m_link.EndOperation();
    return result == StepResult::Failed ? CommandOutcome::Stopped : CommandOutcome::Completed;
}

CommandOutcome ChipOperations::runRead()
{
    CommandSteps steps;
    steps.queryOnlyUpToFamily93 = true;
    steps.completion = MessageKey::ReadComplete;
    steps.routine = [this](const ChipRecord& chip) {
        return m_read.ReadChip(chip) ? StepResult::Success : StepResult::Failed;
    };
    bool ran = false;
    const CommandOutcome outcome = runCommand(steps, &ran);
    // Only a read that ran to its end says anything about the chip's content.
    if (ran && m_host.dataLength() == 0)
        m_feedback.showError(MessageCatalog::text(MessageKey::ChipIsBlank));
    return outcome;
}

CommandOutcome ChipOperations::runErase()
{
    CommandSteps steps;
    steps.completion = MessageKey::EraseComplete;
    steps.routine = [this](const ChipRecord& chip) {
        return m_write.EraseChip(chip) ? StepResult::Success : StepResult::Failed;
    };
    return runCommand(steps);
}

CommandOutcome ChipOperations::runWrite()
{
    CommandSteps steps;
    steps.takeEdits = true;
    steps.refuseEmpty = true;
    steps.queryOnlyUpToFamily93 = true;
    steps.completion = MessageKey::WriteComplete;
    steps.routine = [this](const ChipRecord& chip) {
        switch (m_write.WriteChip(chip)) {
        case WriteRoutines::WriteResult::Written: return StepResult::Success;
        case WriteRoutines::WriteResult::Declined: return StepResult::Declined;
        case WriteRoutines::WriteResult::Failed: break;
        }
        return StepResult::Failed;
    };
    return runCommand(steps);
}

CommandOutcome ChipOperations::runVerify()
{
    CommandSteps steps;
    steps.takeEdits = true;
    steps.refuseEmpty = true;
    steps.logBeforeTime = true;
    steps.completion = MessageKey::VerifyComplete;
    steps.routine = [this](const ChipRecord& chip) {
        return m_read.VerifyChip(chip) ? StepResult::Success : StepResult::Failed;
    };
    return runCommand(steps);
}

CommandOutcome ChipOperations::runBlankCheck()
{
    CommandSteps steps;
    steps.logBeforeTime = true;
    steps.completion = MessageKey::BlankCheckComplete;
    steps.routine = [this](const ChipRecord& chip) {
        return m_read.BlankCheckChip(chip) ? StepResult::Success : StepResult::Failed;
    };
    return runCommand(steps);
}

CommandOutcome ChipOperations::runAuto()
{
    CommandSteps steps;
    steps.takeEdits = true;
    steps.refuseEmpty = true;
    steps.logBeforeTime = true;
    steps.completion = MessageKey::AutoComplete;
    steps.routine = [this](const ChipRecord& chip) { return autoSequence(chip); };
    return runCommand(steps);
}

ChipOperations::StepResult ChipOperations::autoSequence(const ChipRecord& chip)
{
    const AutoOptions options = m_host.autoOptions();
    // A step that failed ends the sequence: writing over a chip that did not erase, or
    // verifying a write that did not get through, would only bury the first error.
    if (options.erase && !m_write.EraseChip(chip))
        return StepResult::Failed;
    if (options.program) {
        switch (m_write.WriteChip(chip)) {
        case WriteRoutines::WriteResult::Written: break;
        case WriteRoutines::WriteResult::Declined: return StepResult::Declined;
        case WriteRoutines::WriteResult::Failed: return StepResult::Failed;
        }
    }
    if (!options.verify)
        return StepResult::Finished;
    m_clock.sleepMs(AutoVerifyPauseMs);
    return m_read.VerifyChip(chip) ? StepResult::Success : StepResult::Failed;
}

CommandOutcome ChipOperations::runDetect(std::span<const ChipRecord> chipSlots, ChipListSelection& lists)
{
    const OperationGuard::Scope scope(m_guard);
    if (!scope)
        return CommandOutcome::Refused;
    ChipDetector detector(m_link, m_feedback);
    const ChipRecord chip = m_host.currentChipRecord();
    const ChipDetector::Result result = detector.DetectChip(chip, m_host.speedIndex(), chipSlots, lists);
    return result == ChipDetector::Result::ChipFound || result == ChipDetector::Result::TypeFound
        ? CommandOutcome::Completed
        : CommandOutcome::Stopped;
}
