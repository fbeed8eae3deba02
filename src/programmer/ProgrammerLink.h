#pragma once

#include "programmer/TransferStatus.h"

#include <QtGlobal>

#include <array>
#include <span>

class TUsbBulk;
class OperatorFeedback;
class OperationClock;
struct ChipRecord;
struct CommandPacket;

// The connection to the programmer and the frame around every chip operation: open, CmdBegin,
// the operation's commands and blocks, CmdEnd, close. Every transfer's byte count is returned
// to the caller, which decides whether the routine can go on.
class ProgrammerLink {
public:
    ProgrammerLink(TUsbBulk& usb, OperatorFeedback& feedback, OperationClock& clock);

    // Connection check for the status bar: open and close again, no command sent.
    void ProbeProgrammer();

    // Starts watching for the programmer going away during one command: after this,
    // disconnected() turns true when a transfer reports the device gone, or when an open fails
    // after an earlier open of the same command had succeeded. The command's first open chooses
    // the programmer; its later opens keep to that one.
    void watchConnection();
    [[nodiscard]] bool disconnected() const { return m_disconnected; }
    // Whether an open since watchConnection() found the programmer.
    [[nodiscard]] bool reached() const { return m_reached; }

    // Opens the programmer, disables the operation controls and sends CmdBegin with the chip's
    // parameters. False with an error shown when the programmer is absent, has gone since the
    // chip query, or refused the set-up; either way the caller ends the frame with EndOperation.
    [[nodiscard]] bool BeginOperation(const ChipRecord& chip, int speedIndex);
    // CmdEnd (only while open), close, controls enabled, "Ready". Safe to call at any time.
    void EndOperation();

    // A complete query frame of its own. False, silently, when the programmer cannot be opened;
    // otherwise true with reply bytes 0..3 (QueryResult and the three ID bytes). A reply that
    // does not arrive leaves the packet's own zero in byte 0, which reads as "no chip" unless
    // disconnected() tells that the programmer went away.
    [[nodiscard]] bool QueryChip(const ChipRecord& chip, int speedIndex, std::array<quint8, 4>& reply);

    [[nodiscard]] TransferStatus SetAddress(quint32 address, bool wantReply);
    // CmdSpiTransfer with one byte; the reply is read and ignored.
    [[nodiscard]] TransferStatus SpiCommand(quint8 opcode);

    // One command packet; with wantReply the 50 ms pause and the 64-byte reply into the same
    // packet follow. The status is that of the write, or of the reply read when the write passed.
    [[nodiscard]] TransferStatus sendCommand(CommandPacket& packet, bool wantReply);
    [[nodiscard]] TransferStatus readBlock(std::span<quint8> block);
    [[nodiscard]] TransferStatus writeBlock(std::span<const quint8> block);

    [[nodiscard]] bool bigEndianFields() const;
    [[nodiscard]] OperationClock& clock() const { return m_clock; }

private:
    [[nodiscard]] bool open();
    TransferStatus watched(TransferStatus status);

    TUsbBulk& m_usb;
    OperatorFeedback& m_feedback;
    OperationClock& m_clock;
    bool m_reached = false;
    bool m_disconnected = false;
};
