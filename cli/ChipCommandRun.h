#pragma once

#include "ChipCommandLine.h"
#include "CliFeedback.h"

#include "programmer/ChipSession.h"

#include <memory>

class TUsbBulk;

// One run of a chip command from its parsed command line to its exit code: the database, the
// data file, the programmer, the chip, the operation, and the file a read produces. Every step
// that can fail for a reason a script must tell apart ends the run with its own exit code.
class ChipCommandRun {
public:
    enum class Action { List, Detect, Read, Write, Verify, Erase, Blank, Auto };

    ChipCommandRun(Action action, ChipCommandLine line);
    ~ChipCommandRun();

    [[nodiscard]] int exec();

private:
    [[nodiscard]] int listChips() const;
    [[nodiscard]] int loadInput();
    [[nodiscard]] int confirmOutput();
    [[nodiscard]] int chooseChip();
    [[nodiscard]] int detectChip(bool forOperation);
    [[nodiscard]] int operate();
    [[nodiscard]] int saveOutput();
    // Before a read: the output's folder has room for the largest file the chip's image makes.
    [[nodiscard]] int confirmRoomForOutput();
    // After a save that failed or was refused: the image read goes to a file of its own in the
    // temporary folder.
    void keepImageElsewhere() const;
    // The CRC32 and SHA-256 line of the image the operation read, sent or compared.
    void printChecksums();
    [[nodiscard]] int notConnected() const;

    Action m_action;
    ChipCommandLine m_line;
    CliFeedback m_feedback;
    std::unique_ptr<ChipSession> m_session;
    std::unique_ptr<TUsbBulk> m_usb;
};

