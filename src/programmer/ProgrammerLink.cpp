#include "programmer/ProgrammerLink.h"

#include "text/MessageCatalog.h"
#include "chipdb/ChipRecord.h"
#include "programmer/CommandPacket.h"
#include "text/OperationTexts.h"
#include "programmer/OperatorFeedback.h"
#include "usb/UsbBulk.h"

#include <algorithm>

namespace {

[[nodiscard]] ChipParams paramsOf(const ChipRecord& chip)
{
    return {chip.family, chip.subType, chip.flashPage, chip.delay, chip.flashSize, chip.chipId, chip.voltage};
}

} // namespace

ProgrammerLink::ProgrammerLink(TUsbBulk& usb, OperatorFeedback& feedback, OperationClock& clock)
    : m_usb(usb)
    , m_feedback(feedback)
    , m_clock(clock)
{
}

bool ProgrammerLink::bigEndianFields() const
{
    return m_usb.bigEndianFields();
}

void ProgrammerLink::ProbeProgrammer()
{
    m_usb.keepToLocation({});
    if (m_usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId) == 0) {
        m_feedback.setStatus(MessageCatalog::text(MessageKey::StatusNotConnected));
        return;
    }
    // Every numbered line differs from the one above it, so each check adds its line.
    m_feedback.logLine(MessageCatalog::text(MessageKey::ProgrammerFound));
    m_usb.USB_bulk_close();
    m_feedback.setStatus(MessageCatalog::text(MessageKey::StatusReady));
}

void ProgrammerLink::watchConnection()
{
    m_reached = false;
    m_disconnected = false;
    m_usb.keepToLocation({});
}

bool ProgrammerLink::open()
{
    if (m_usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId) == 0) {
        // Found a moment ago and now not even listed: it was pulled, it is not merely absent.
        m_disconnected = m_disconnected || m_reached;
        return false;
    }
    m_reached = true;
    // The rest of the command keeps to this programmer: with several attached and none chosen,
    // another program may take it meanwhile, and the next free one holds a chip nobody checked.
    m_usb.keepToLocation(m_usb.lastOpenedLocation());
    return true;
}

TransferStatus ProgrammerLink::watched(TransferStatus status)
{
    if (meansDisconnected(status.result))
        m_disconnected = true;
    return status;
}

bool ProgrammerLink::BeginOperation(const ChipRecord& chip, int speedIndex)
{
    if (!open()) {
        m_feedback.showError(m_disconnected ? programmerDisconnectedText()
                                            : MessageCatalog::text(MessageKey::StatusNotConnected));
        return false;
    }
    m_feedback.setOperationControlsEnabled(false);
    CommandPacket packet = makeBegin(paramsOf(chip), speedIndex, bigEndianFields());
    const TransferStatus status = sendCommand(packet, true);
    if (!status.ok()) {
        m_feedback.showError(transferFailureText(status.failureAt(OperationStage::SetUp, 0)));
        return false;
    }
    return true;
}

void ProgrammerLink::EndOperation()
{
    if (m_usb.isOpen()) {
        CommandPacket packet = makeEnd();
        // The frame closes whatever the answer: there is nothing left to protect.
        (void)sendCommand(packet, false);
    }
    m_usb.USB_bulk_close();
    m_feedback.setOperationControlsEnabled(true);
    m_feedback.setStatus(MessageCatalog::text(MessageKey::StatusReady));
}

bool ProgrammerLink::QueryChip(const ChipRecord& chip, int speedIndex, std::array<quint8, 4>& reply)
{
    if (!open())
        return false;
    m_feedback.setOperationControlsEnabled(false);
    CommandPacket packet = makeQueryChip(paramsOf(chip), speedIndex, bigEndianFields());
    // A reply that does not arrive leaves the packet's own bytes, whose byte 0 reads "no chip".
    (void)sendCommand(packet, true);
    EndOperation();
    std::copy_n(packet.bytes.begin(), reply.size(), reply.begin());
    return true;
}

TransferStatus ProgrammerLink::SetAddress(quint32 address, bool wantReply)
{
    CommandPacket packet = makeSetAddress(address, bigEndianFields());
    return sendCommand(packet, wantReply);
}

TransferStatus ProgrammerLink::SpiCommand(quint8 opcode)
{
    CommandPacket packet = makeSpiCommand(opcode);
    return sendCommand(packet, true);
}

TransferStatus ProgrammerLink::sendCommand(CommandPacket& packet, bool wantReply)
{
    return watched({m_usb.USB_bulk_cmd(packet.data(), CommandPacket::length(), wantReply ? 1 : 0),
                    CommandPacket::length()});
}

TransferStatus ProgrammerLink::readBlock(std::span<quint8> block)
{
    const int length = static_cast<int>(block.size());
    return watched({m_usb.USB_bulk_read(reinterpret_cast<char*>(block.data()), length), length});
}

TransferStatus ProgrammerLink::writeBlock(std::span<const quint8> block)
{
    const int length = static_cast<int>(block.size());
    return watched({m_usb.USB_bulk_write(reinterpret_cast<const char*>(block.data()), length), length});
}
