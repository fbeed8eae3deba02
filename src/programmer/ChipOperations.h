#pragma once

#include "programmer/OperationGuard.h"
#include "programmer/OperationHost.h"
#include "programmer/ProgrammerLink.h"
#include "programmer/ReadRoutines.h"
#include "programmer/WriteRoutines.h"

#include <functional>
#include <optional>
#include <span>

class TUsbBulk;
class OperatorFeedback;
class OperationClock;
struct ChipRecord;
enum class MessageKey : int;

// How a command ended, for callers that report it (the command-line tool's exit code).
enum class CommandOutcome {
    Completed,     // the routine ran to its end and its success condition held
    Stopped,       // refused by a check of the buffer, the record or the chip, a finding or a failed transfer
    Declined,      // a question before the chip was touched was answered no; the chip is as it was
    NotConnected,  // the programmer could not be reached; the chip is as it was
    Disconnected,  // the programmer went away during the command (a fault of the link, not the chip)
    Refused,       // another operation was running; nothing was done
};

// The chip commands of the tool bar, the operations menu, the Auto button and the Detect button,
// as one sequence each: the checks, the operation frame, the routine, elapsed time, beep and
// completion line. The window's handlers and the command-line tool call these, so both run the
// very same steps.
class ChipOperations {
public:
    ChipOperations(TUsbBulk& usb, OperatorFeedback& feedback, OperationHost& host, OperationClock& clock);

    // Connection check (window activation, device change); held back while an operation runs.
    void ProbeProgrammer();

    CommandOutcome runRead();
    CommandOutcome runErase();
    CommandOutcome runWrite();
    CommandOutcome runVerify();
    CommandOutcome runAuto();
    CommandOutcome runBlankCheck();
    // chipSlots: every slot of the chip database.
    CommandOutcome runDetect(std::span<const ChipRecord> chipSlots, ChipListSelection& lists);

    [[nodiscard]] bool isBusy() const { return m_guard.busy(); }

    // False after "No chips detected…" when the programmer answered that the socket is empty,
    // or after "The programmer was disconnected." when it went away during the query; true when
    // a chip answered or the programmer could not be reached (the frame reports that).
    [[nodiscard]] bool ChipPresenceCheck(const ChipRecord& chip);

private:
    struct CommandSteps {
        bool takeEdits = false;
        bool refuseEmpty = false;
        // The command writes the buffer: a buffer longer than the chip is asked about before
        // the programmer is touched, so that No leaves the chip as it was.
        bool writesBuffer = false;
        bool queryOnlyUpToFamily93 = false;  // chip-presence check only for families 0..2
        bool logBeforeTime = false;
        // The line logged when the routine got through; none for an automatic sequence without
        // its verify, which has checked nothing.
        std::optional<MessageKey> completion;
        // False when it stopped on a finding or a failed transfer: time and beep, no line.
        std::function<bool(const ChipRecord&)> routine;
    };

    CommandOutcome runCommand(const CommandSteps& steps, bool* routineRan = nullptr);
    [[nodiscard]] bool confirmOversizedBuffer(const ChipRecord& chip);
    [[nodiscard]] bool autoSequence(const ChipRecord& chip, const AutoOptions& options);

    OperatorFeedback& m_feedback;
    OperationHost& m_host;
    OperationClock& m_clock;
    ProgrammerLink m_link;
    ReadRoutines m_read;
    WriteRoutines m_write;
    OperationGuard m_guard;
};
