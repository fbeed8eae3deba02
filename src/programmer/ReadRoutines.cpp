#include "programmer/ReadRoutines.h"

#include "text/MessageCatalog.h"
#include "chipdb/ChipRecord.h"
#include "programmer/CommandPacket.h"
#include "programmer/OperationHost.h"
#include "programmer/OperatorFeedback.h"
#include "programmer/ProgrammerLink.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// Scratch block of the blank check and the verify: the largest block the operations accept, one
// byte more for the blank check's preset.
constexpr std::size_t ScratchSize = 257;

[[nodiscard]] qint64 firstNonBlank(std::span<const quint8> block)
{
    const auto it = std::find_if(block.begin(), block.end(), [](quint8 byte) { return byte != 0xFF; });
    return it == block.end() ? -1 : it - block.begin();
}

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

bool ReadRoutines::BlankCheckChip(const ChipRecord& chip)
{
    OperatorFeedback& feedback = m_context.feedback;
    feedback.setStatus(MessageCatalog::text(MessageKey::StatusBlankChecking));
    std::array<quint8, ScratchSize> scratch;
    scratch.fill(0xFF);
    const qint64 length = chip.flashSize;
    const qint64 block = blockSize(chip.flashPage);
    const std::span<quint8> target = std::span(scratch).first(static_cast<std::size_t>(block));

    if (!m_context.openStream(chip, length, OperationStage::BlankCheck, true))
        return false;
    for (qint64 offset = 0; offset < length; offset += block) {
        if (!m_context.transferred(m_context.link.readBlock(target), OperationStage::BlankCheck, offset))
            return false;
        if (firstNonBlank(target) >= 0) {
            feedback.showError(MessageCatalog::text(MessageKey::ChipNotBlank));
            return false;
        }
        feedback.progressStep(offset);
    }
    feedback.progressEnd();
    return true;
}

bool ReadRoutines::VerifyChip(const ChipRecord& chip)
{
    OperatorFeedback& feedback = m_context.feedback;
    feedback.setStatus(MessageCatalog::text(MessageKey::StatusVerifying));
    const qint64 dataLength = m_context.host.dataLength();
    const qint64 length = dataLength <= qint64{chip.flashSize} ? dataLength : qint64{chip.flashSize};
    const qint64 block = blockSize(chip.flashPage);
    const std::span<const quint8> reference = m_context.host.dataBuffer();
    std::array<quint8, ScratchSize> scratch{};
    const std::span<quint8> target = std::span(scratch).first(static_cast<std::size_t>(block));

    if (!m_context.openStream(chip, length, OperationStage::Verify, true))
        return false;
    for (qint64 offset = 0; offset < length; offset += block) {
        if (!m_context.transferred(m_context.link.readBlock(target), OperationStage::Verify, offset))
            return false;
        // Whole blocks are compared, the bytes past the stream length in the last one included.
        const quint8* expected = reference.data() + offset;
        if (std::memcmp(target.data(), expected, target.size()) != 0) {
            const auto mismatch = std::mismatch(target.begin(), target.end(), expected);
            const qint64 address = offset + (mismatch.first - target.begin());
            feedback.showError(MessageCatalog::text(MessageKey::VerifyErrorAddress)
                               + QString::asprintf("%llXh", static_cast<unsigned long long>(address)));
            return false;
        }
        feedback.progressStep(offset);
    }
    feedback.progressEnd();
    return true;
}
