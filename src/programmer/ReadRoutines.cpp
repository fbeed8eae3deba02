#include "programmer/ReadRoutines.h"

#include "text/MessageCatalog.h"
#include "chipdb/ChipRecord.h"
#include "programmer/CommandPacket.h"
#include "programmer/OperationHost.h"
#include "programmer/OperatorFeedback.h"
#include "programmer/ProgrammerLink.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Scratch block of the blank check and the verify: the largest block the operations accept, one
// byte more for the blank check's preset.
constexpr std::size_t ScratchSize = 257;

} // namespace

qint32 dataLengthAfterRead(std::span<const quint8> image)
{
    std::size_t n = image.size();
    while (n > 0 && image[n - 1] == 0xFF)
        --n;
    if (n % 2 != 0)
        ++n;
    return static_cast<qint32>(n);
}

bool ReadRoutines::ReadChip(const ChipRecord& chip)
{
    OperatorFeedback& feedback = m_context.feedback;
    OperationHost& host = m_context.host;
    feedback.setStatus(MessageCatalog::text(MessageKey::StatusReading));
    const qint64 length = chip.flashSize;
    const qint64 block = blockSize(chip.flashPage);
    const std::span<quint8> buffer = host.dataBuffer();

    if (!m_context.openStream(chip, length, OperationStage::Read, true))
        return false;
    // The chip is read beside the buffer and replaces it only once the last block has arrived: a
    // read that stops leaves the image the person had (perhaps the only copy of another chip) as
    // it was, neither lost nor mixed with part of this chip. Whole blocks are read, so the last
    // may reach past flashSize; the record check keeps that inside the buffer.
    std::vector<quint8> image(static_cast<std::size_t>((length + block - 1) / block * block));
    for (qint64 offset = 0; offset < length; offset += block) {
        const TransferStatus status = m_context.link.readBlock(
            std::span(image).subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(block)));
        if (!status.ok()) {
            feedback.showError(transferFailureText(status.failureAt(OperationStage::Read, offset))
                               + failedReadBufferKeptText());
            return false;
        }
        feedback.progressStep(offset);
    }
    std::copy(image.begin(), image.end(), buffer.begin());
    host.setDataLength(dataLengthAfterRead(buffer.first(static_cast<std::size_t>(length))));
    host.loadViewFromBuffer();
    feedback.progressEnd();
    return true;
}

bool ReadRoutines::checkStream(const ChipRecord& chip, qint64 length, OperationStage stage,
                               const std::function<bool(std::span<const quint8>, qint64)>& check)
{
    std::array<quint8, ScratchSize> scratch;
    scratch.fill(0xFF);
    const qint64 block = blockSize(chip.flashPage);
    const std::span<quint8> target = std::span(scratch).first(static_cast<std::size_t>(block));

    if (!m_context.openStream(chip, length, stage, true))
        return false;
    for (qint64 offset = 0; offset < length; offset += block) {
        if (!m_context.transferred(m_context.link.readBlock(target), stage, offset) || !check(target, offset))
            return false;
        m_context.feedback.progressStep(offset);
    }
    m_context.feedback.progressEnd();
    return true;
}

bool ReadRoutines::BlankCheckChip(const ChipRecord& chip)
{
    m_context.feedback.setStatus(MessageCatalog::text(MessageKey::StatusBlankChecking));
    return checkStream(chip, chip.flashSize, OperationStage::BlankCheck, [this](std::span<const quint8> block, qint64) {
        if (std::ranges::all_of(block, [](quint8 byte) { return byte == 0xFF; }))
            return true;
        m_context.feedback.showError(MessageCatalog::text(MessageKey::ChipNotBlank));
        return false;
    });
}

bool ReadRoutines::VerifyChip(const ChipRecord& chip)
{
    m_context.feedback.setStatus(MessageCatalog::text(MessageKey::StatusVerifying));
    const qint64 length = std::min<qint64>(m_context.host.dataLength(), chip.flashSize);
    const std::span<const quint8> reference = m_context.host.dataBuffer();
    return checkStream(chip, length, OperationStage::Verify, [&](std::span<const quint8> block, qint64 offset) {
        // Whole blocks are compared, the bytes past the stream length in the last one included.
        const auto mismatch = std::mismatch(block.begin(), block.end(), reference.data() + offset);
        if (mismatch.first == block.end())
            return true;
        const qint64 address = offset + (mismatch.first - block.begin());
        m_context.feedback.showError(MessageCatalog::text(MessageKey::VerifyErrorAddress)
                                     + QString::asprintf("%llXh", static_cast<unsigned long long>(address)));
        return false;
    });
}
