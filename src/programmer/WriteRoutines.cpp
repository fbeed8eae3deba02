#include "programmer/WriteRoutines.h"

#include "text/MessageCatalog.h"
#include "chipdb/ChipRecord.h"
#include "programmer/CommandPacket.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"
#include "programmer/OperatorFeedback.h"
#include "programmer/ProgrammerLink.h"

#include <algorithm>

namespace {

constexpr int ErasePollPauseMs = 50;
// A 24-series EEPROM still programs its last page after the final block has gone out.
constexpr int Eeprom24SettleMs = 100;
// The erase of the single-command families has nothing to count; the bar shows its full range.
constexpr qint64 SingleStepProgressMax = 100;

} // namespace

qint64 pageRoundedLength(qint64 dataLength, quint16 flashPage)
{
    if (flashPage == 0 || dataLength % flashPage == 0)
        return dataLength;
    return (dataLength / flashPage + 1) * flashPage;
}

bool WriteRoutines::EraseChip(const ChipRecord& chip)
{
    OperatorFeedback& feedback = m_context.feedback;
    feedback.setStatus(MessageCatalog::text(MessageKey::StatusErasing));
    bool erased = true;
    switch (chip.family) {
    case Family25Flash:
        erased = eraseFlash(chip);
        break;
    case Family24Eeprom:
    case Family25Eeprom:
    case Family95Eeprom:
        erased = erasePages(chip);
        break;
    case Family93Eeprom:
        erased = eraseOnce(chip);
        break;
    default:
        // No erase is known for the family; nothing is sent.
        feedback.progressStart(SingleStepProgressMax);
        break;
    }
    if (erased)
        feedback.progressEnd();
    return erased;
}

bool WriteRoutines::eraseFlash(const ChipRecord& chip)
{
    OperatorFeedback& feedback = m_context.feedback;
    ProgrammerLink& link = m_context.link;
    feedback.progressStart(chip.delay);
    // The status polls reuse the erase packet's buffer: only bytes 0 and 1 are rewritten.
    CommandPacket packet = makeErase(CommandPacket::ChipEraseArgument, link.bigEndianFields());
    if (!m_context.transferred(link.sendCommand(packet, false), OperationStage::Erase, 0))
        return false;
    int polls = 0;
    bool busy = false;
    do {
        link.clock().sleepMs(ErasePollPauseMs);
        makeReadStatus(packet);
        if (!m_context.transferred(link.sendCommand(packet, true), OperationStage::Erase, 0))
            return false;
        busy = packet.chipBusy();
        // At most delay + 2 polls; the bar counts the answered ones.
        if (++polls > chip.delay + 1)
            break;
        feedback.progressStep(polls);
    } while (busy);
    if (busy) {
        feedback.showError(transferFailureText(
            {.stage = OperationStage::Erase, .kind = TransferFailure::Kind::StillBusy, .value = polls}));
        return false;
    }
    return true;
}

bool WriteRoutines::erasePages(const ChipRecord& chip)
{
    OperatorFeedback& feedback = m_context.feedback;
    ProgrammerLink& link = m_context.link;
    feedback.progressStart(chip.flashSize);
    for (qint64 offset = 0; offset < qint64{chip.flashSize}; offset += chip.flashPage) {
        CommandPacket packet = makeErase(static_cast<quint16>(offset % 65536), link.bigEndianFields());
        if (!m_context.transferred(link.sendCommand(packet, false), OperationStage::Erase, offset))
            return false;
        feedback.progressStep(offset);
    }
    return true;
}

bool WriteRoutines::eraseOnce(const ChipRecord& chip)
{
    m_context.feedback.progressStart(SingleStepProgressMax);
    CommandPacket packet = makeErase(chip.delay, m_context.link.bigEndianFields());
    return m_context.transferred(m_context.link.sendCommand(packet, false), OperationStage::Erase, 0);
}

bool WriteRoutines::WriteChip(const ChipRecord& chip)
{
    OperatorFeedback& feedback = m_context.feedback;
    OperationHost& host = m_context.host;
    ProgrammerLink& link = m_context.link;
    feedback.setStatus(MessageCatalog::text(MessageKey::StatusWriting));

    const qint64 dataLength = pageRoundedLength(host.dataLength(), chip.flashPage);
    host.setDataLength(static_cast<qint32>(dataLength));
    const qint64 length = std::min(dataLength, qint64{chip.flashSize});
    if (!m_context.openStream(chip, length, OperationStage::Write, false))
        return false;
    const qint64 block = blockSize(chip.flashPage);
    const std::span<const quint8> source = host.dataBuffer();
    // Whole blocks go out, so the last one may carry buffer bytes past the stream length.
    for (qint64 offset = 0; offset < length; offset += block) {
        if (!m_context.transferred(link.writeBlock(source.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(block))), OperationStage::Write, offset))
            return false;
        feedback.progressStep(offset);
    }
    if (chip.family == Family24Eeprom)
        link.clock().sleepMs(Eeprom24SettleMs);
    feedback.progressEnd();
    return true;
}
