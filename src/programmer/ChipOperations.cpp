#include "programmer/ChipOperations.h"

#include "text/MessageCatalog.h"
#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipName.h"
#include "chipdb/ChipRecord.h"
#include "programmer/ChipDetector.h"
#include "programmer/ChipRecordCheck.h"
#include "programmer/ElapsedTime.h"
#include "programmer/OperationClock.h"
#include "text/OperationTexts.h"
#include "programmer/OperatorFeedback.h"

#include <array>

namespace {

// The firmware needs a moment between the last write block and the verify's address command.
constexpr int AutoVerifyPauseMs = 350;
// The query's answers: a 25-series flash, which its three ID bytes follow, and the two classes
// of EEPROM the firmware identifies.
constexpr quint8 FlashAnswered = 1;
constexpr quint8 SecondClassAnswered = 2;
constexpr quint8 ThirdClassAnswered = 3;

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
    if (!m_link.QueryChip(chip, m_host.speedIndex(), reply))
        return true;
    if (m_link.disconnected()) {
        m_feedback.showError(programmerDisconnectedText());
        return false;
    }
    if (reply[0] == 0) {
        m_feedback.showError(MessageCatalog::text(MessageKey::NoChipDetected));
        return false;
    }
    // The class answers whatever family is asked. The routines of another class would move
    // nothing to or from the chip, and a write would end "complete" with nothing written.
    const QString model = chipNamePartsForLists(chip.nameText()).model;
    if (reply[0] == FlashAnswered && chip.family != Family25Flash) {
        m_feedback.showError(ExtraMessages::text(ExtraText::FlashInSocketNotChosen)
                                 .arg(QString::asprintf("%2.2X %2.2X %2.2X", reply[1], reply[2], reply[3]), model));
        return false;
    }
    if ((reply[0] == SecondClassAnswered || reply[0] == ThirdClassAnswered) && chip.family == Family25Flash) {
        m_feedback.showError(ExtraMessages::text(ExtraText::OtherClassInSocket).arg(model));
        return false;
    }
    return true;
}

bool ChipOperations::confirmOversizedBuffer(const ChipRecord& chip)
{
    if (pageRoundedLength(m_host.dataLength(), chip.flashPage) <= qint64{chip.flashSize})
        return true;
    return m_feedback.askYesNo(MessageCatalog::text(MessageKey::FileLargerThanChip));
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
    if (steps.writesBuffer && !confirmOversizedBuffer(chip))
        return CommandOutcome::Declined;

    m_link.watchConnection();
    const auto stopped = [this] {
        if (m_link.disconnected())
            return CommandOutcome::Disconnected;
        return m_link.reached() ? CommandOutcome::Stopped : CommandOutcome::NotConnected;
    };
    const bool presenceNeeded = !steps.queryOnlyUpToFamily93 || chip.family <= Family93Eeprom;
    if (presenceNeeded && !ChipPresenceCheck(chip))
        return stopped();

    if (!m_link.BeginOperation(chip, m_host.speedIndex())) {
        m_link.EndOperation();
        return stopped();
    }
    const qint64 start = m_clock.msecsSinceMidnight();
    const bool ran = steps.routine(chip);
    if (routineRan)
        *routineRan = ran;
    const qint64 end = m_clock.msecsSinceMidnight();
    // The completion line comes before or after the time and the beep, as the command has it.
    const bool completed = ran && steps.completion;
    if (completed && steps.logBeforeTime)
        m_feedback.logLine(MessageCatalog::text(*steps.completion));
    m_feedback.setElapsed(formatElapsed(start, end));
    m_feedback.beep();
    if (completed && !steps.logBeforeTime)
        m_feedback.logLine(MessageCatalog::text(*steps.completion));
    // Judged before the frame ends: a CmdEnd that finds the programmer gone after a routine
    // that got through takes nothing back.
    const CommandOutcome outcome = ran ? CommandOutcome::Completed : stopped();
    m_link.EndOperation();
    return outcome;
}

CommandOutcome ChipOperations::runRead()
{
    // The read replaces the image and then shows it: the view's edits are taken before, or the
    // reload would lay them over what was read.
    bool ran = false;
    const CommandOutcome outcome =
        runCommand({.takeEdits = true, .queryOnlyUpToFamily93 = true, .completion = MessageKey::ReadComplete,
                    .routine = [this](const ChipRecord& chip) { return m_read.ReadChip(chip); }},
                   &ran);
    // Only a read that ran to its end says anything about the chip's content.
    if (ran && m_host.dataLength() == 0)
        m_feedback.showError(MessageCatalog::text(MessageKey::ChipIsBlank));
    return outcome;
}

CommandOutcome ChipOperations::runErase()
{
    return runCommand({.completion = MessageKey::EraseComplete,
                       .routine = [this](const ChipRecord& chip) { return m_write.EraseChip(chip); }});
}

CommandOutcome ChipOperations::runWrite()
{
    return runCommand({.takeEdits = true, .refuseEmpty = true, .writesBuffer = true, .queryOnlyUpToFamily93 = true,
                       .completion = MessageKey::WriteComplete,
                       .routine = [this](const ChipRecord& chip) { return m_write.WriteChip(chip); }});
}

CommandOutcome ChipOperations::runVerify()
{
    return runCommand({.takeEdits = true, .refuseEmpty = true, .logBeforeTime = true,
                       .completion = MessageKey::VerifyComplete,
                       .routine = [this](const ChipRecord& chip) { return m_read.VerifyChip(chip); }});
}

CommandOutcome ChipOperations::runBlankCheck()
{
    return runCommand({.logBeforeTime = true, .completion = MessageKey::BlankCheckComplete,
                       .routine = [this](const ChipRecord& chip) { return m_read.BlankCheckChip(chip); }});
}

CommandOutcome ChipOperations::runAuto()
{
    // Taken once: the question before the frame and the sequence in it follow the same options.
    const AutoOptions options = m_host.autoOptions();
    return runCommand({.takeEdits = true, .refuseEmpty = true, .writesBuffer = options.program, .logBeforeTime = true,
                       .completion = options.verify ? std::optional(MessageKey::AutoComplete) : std::nullopt,
                       .routine = [this, options](const ChipRecord& chip) { return autoSequence(chip, options); }});
}

bool ChipOperations::autoSequence(const ChipRecord& chip, const AutoOptions& options)
{
    // A step that failed ends the sequence: writing over a chip that did not erase, or
    // verifying a write that did not get through, would only bury the first error.
    if (options.erase && !m_write.EraseChip(chip))
        return false;
    if (options.program && !m_write.WriteChip(chip))
        return false;
    if (!options.verify)
        return true;
    m_clock.sleepMs(AutoVerifyPauseMs);
    return m_read.VerifyChip(chip);
}

CommandOutcome ChipOperations::runDetect(std::span<const ChipRecord> chipSlots, ChipListSelection& lists)
{
    const OperationGuard::Scope scope(m_guard);
    if (!scope)
        return CommandOutcome::Refused;
    ChipDetector detector(m_link, m_feedback);
    const ChipRecord chip = m_host.currentChipRecord();
    switch (detector.DetectChip(chip, m_host.speedIndex(), chipSlots, lists)) {
    case ChipDetector::Result::ChipFound:
    case ChipDetector::Result::TypeFound:
        return CommandOutcome::Completed;
    case ChipDetector::Result::Disconnected:
        return CommandOutcome::Disconnected;
    case ChipDetector::Result::NotConnected:
        return CommandOutcome::NotConnected;
    case ChipDetector::Result::UnknownId:
    case ChipDetector::Result::NoChip:
        break;
    }
    return CommandOutcome::Stopped;
}
